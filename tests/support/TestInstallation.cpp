#include "support/TestInstallation.h"

#include "common/Password.h"
#include "install/Installer.h"
#include "support/YearShapes.h"

#include "platform/db/Database.h"
#include "platform/db/Recordset.h"
#include "platform/paths/Folders.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace trelimor::test {

namespace {

QString stalePath()
{
    return paths::join(paths::dataFolder(), QStringLiteral("Stale.sqlite"));
}

db::Database openStale()
{
    return db::Database::open(stalePath());
}

} // namespace

void installProgram()
{
    // The installation exactly as trelimor-setup makes it, report templates included.
    install::createInstallation(paths::programFolder(), QStringLiteral(TRELIMOR_REPORTS_SOURCE));
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

void addYearlyDatabase(const QString& countyCode, int year)
{
    const QString path =
        paths::join(paths::dataFolder(), QStringLiteral("Trelimor%1PIW%2.sqlite").arg(countyCode).arg(year));
    if (!QFile::exists(path))
        createProgramYear(path).close();
}

} // namespace trelimor::test
