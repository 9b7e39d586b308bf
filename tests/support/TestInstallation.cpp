#include "support/TestInstallation.h"

#include "common/Password.h"

#include "platform/db/Database.h"
#include "platform/db/Recordset.h"
#include "platform/paths/Folders.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace trelimor::test {

namespace {

using db::DataType;
using db::Field;

QString stalePath()
{
    return paths::join(paths::dataFolder(), QStringLiteral("Stale.sqlite"));
}

db::Database openStale()
{
    return db::Database::open(stalePath());
}

Field text(const char* name, int size)
{
    return Field::text(QString::fromLatin1(name), size);
}

Field of(const char* name, DataType type)
{
    return Field::of(QString::fromLatin1(name), type);
}

void createDictionary(db::Database& stale)
{
    stale.createTable({QStringLiteral("OPERATORZY"),
                       {text("OP_NUMER", 3), text("OP_NAZWISKO", 50), text("OP_KLUCZ", 50),
                        text("OP_RODZAJ", 20), text("OP_LOGIN", 20), text("OP_HASLO", 255)}});
    stale.createTable({QStringLiteral("PODATNIK"),
                       {text("KodPIW", 4), text("KodPIW1", 4), text("KodPIW2", 4), text("MailWIW", 50),
                        text("MailPIW", 50), text("MailLab", 50), text("Miejsc", 30), text("TX2", 255),
                        text("TX3", 255), text("TX4", 255), text("TX5", 255), text("TX6", 255),
                        text("Uzytkownik", 10), text("PodpisLewy", 255), text("PodpisPrawy", 255)}});
    stale.createTable({QStringLiteral("PARAMETRY"),
                       {text("KLUCZ", 50), text("PARAM1", 255), text("PARAM2", 255),
                        of("PARAM3", DataType::Boolean), text("KOMENT", 255)}});
    for (const char* hints : {"UwagiPartia", "UwagiProbka"})
        stale.createTable(
            {QString::fromLatin1(hints), {of("IDPODP", DataType::Long), text("PODPOWIEDZ", 255)}});
    for (const char* list : {"PlanPobierania", "ProceduraPobierania"}) {
        stale.createTable(
            {QString::fromLatin1(list),
             {of("ID", DataType::Integer), text("Nazwa", 150), text("Domyslny", 1), text("Domyslny2", 1)}});
        stale.execute(QStringLiteral("INSERT INTO %1 (ID, Nazwa, Domyslny) VALUES (1, ?, 'T')")
                          .arg(QString::fromLatin1(list)),
                      {QStringLiteral("Obszar regulowany prawnie")});
    }
}

void writeIni()
{
    const QString ini = QStringLiteral("STALE=%1/\r\nROBOT=%1/\r\nRAPORTY=%2/\r\nDZIEN=1\r\n")
                            .arg(paths::dataFolder(), paths::reportsFolder());
    QFile file(paths::iniFile());
    if (!file.open(QIODevice::WriteOnly) || file.write(ini.toUtf8()) < 0)
        ADD_FAILURE() << "Cannot write " << file.fileName().toStdString();
}

} // namespace

void installProgram()
{
    for (const QString& folder :
         {paths::dataFolder(), paths::reportsFolder(), paths::exportFolder(), paths::archiveFolder()})
        QDir().mkpath(folder);
    writeIni();
    db::Database stale = db::Database::create(stalePath());
    createDictionary(stale);
    stale.close();
    addOperator(QStringLiteral("001"), QStringLiteral("Administrator systemu"),
                QStringLiteral("Administrator"), kAdminLogin, kAdminPassword);
    db::Database robot =
        db::Database::create(paths::join(paths::dataFolder(), QStringLiteral("Robot.sqlite")));
    robot.createTable(
        {QStringLiteral("OGOLNE"), {text("Naglowek1", 255), text("Naglowek2", 255), text("Naglowek3", 255)}});
    robot.close();
}

void addOperator(const QString& number, const QString& name, const QString& kind, const QString& login,
                 const QString& password)
{
    addOperatorStored(number, name, kind, login, zakodowaneHaslo(password));
}

void addOperatorStored(const QString& number, const QString& name, const QString& kind, const QString& login,
                       const QVariant& storedPassword)
{
    db::Database stale = openStale();
    stale.execute(
        QStringLiteral("INSERT INTO OPERATORZY (OP_NUMER, OP_NAZWISKO, OP_KLUCZ, OP_RODZAJ, OP_LOGIN, "
                       "OP_HASLO) VALUES (?, ?, ?, ?, ?, ?)"),
        {number, name, name.toUpper(), kind, login, storedPassword});
    stale.close();
}

QString storedPassword(const QString& login)
{
    db::Database stale = openStale();
    const QString value =
        stale.scalar(QStringLiteral("SELECT OP_HASLO FROM OPERATORZY WHERE OP_LOGIN = ?"), {login})
            .toString();
    stale.close();
    return value;
}

void setUserRecord(const QVariantMap& fields)
{
    db::Database stale = openStale();
    stale.execute(QStringLiteral("DELETE FROM PODATNIK"));
    QStringList names, marks;
    QVariantList values;
    for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
        names << it.key();
        marks << QStringLiteral("?");
        values << it.value();
    }
    stale.execute(QStringLiteral("INSERT INTO PODATNIK (%1) VALUES (%2)")
                      .arg(names.join(QLatin1Char(',')), marks.join(QLatin1Char(','))),
                  values);
    stale.close();
}

QVariantMap typicalUserRecord()
{
    return {{QStringLiteral("KodPIW"), QStringLiteral("1465")},
            {QStringLiteral("KodPIW1"), QStringLiteral("1465")},
            {QStringLiteral("MailWIW"), QStringLiteral("wiw@wiw.example.pl")},
            {QStringLiteral("MailPIW"), QStringLiteral("piw@piw.example.pl")},
            {QStringLiteral("MailLab"), QStringLiteral("lab@zhw.example.pl")},
            {QStringLiteral("Miejsc"), QStringLiteral("Warszawa")},
            {QStringLiteral("TX2"), QStringLiteral("Powiatowy Inspektorat Weterynarii")},
            {QStringLiteral("TX3"), QStringLiteral("w Warszawie")},
            {QStringLiteral("Uzytkownik"), QStringLiteral("PIW")}};
}

} // namespace trelimor::test
