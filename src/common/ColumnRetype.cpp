#include "ColumnRetype.h"

#include "ColumnProbe.h"
#include "Messages.h"
#include "ModLabor.h"
#include "YearlyTables.h"

#include "platform/db/JetError.h"
#include "platform/db/Transaction.h"

namespace trelimor {

namespace {

// Whether the column already is what it should become (a Text column also by its size).
bool alreadyShaped(const db::Database& db, const QString& table, const db::Field& target)
{
    const db::TableDef def = db.tableDef(table);
    const int index = def.indexOf(target.name);
    if (index < 0)
        throw db::JetError::fromNumber(db::jet::NoSuchField, table, target.name);
    const db::Field& current = def.fields[index];
    return current.type == target.type && (target.type != db::DataType::Text || current.size == target.size);
}

QString quoted(QString name)
{
    return QLatin1Char('"') + name.replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

void reopenWorkDatabase(db::Database& Baza)
{
    db::Database& robot = ModLabor().BazaRobot;
    if (!robot.isOpen() && !robot.name().isEmpty())
        robot = db::Database::open(robot.name());
    if (!Baza.isOpen())
        Baza = robot;
}

} // namespace

void ZmienDlugPola(db::Database& Baza, const QString& Tabela, const QString& Kolumna, db::DataType Typ,
                   bool ZerDlDozw, int Rozmiar)
{
    try {
        const db::Field target = makeField(Kolumna, Typ, ZerDlDozw, Rozmiar);
        if (!alreadyShaped(Baza, Tabela, target))
            Baza.retypeColumn(Tabela, target);
    } catch (const db::JetError& e) {
        if (e.number() == db::jet::TooFewParameters)
            return;
        const QString number = QString::number(e.number());
        PokazBlad(QStringLiteral("ZmienDlugPola-") + number + QLatin1Char('-') + e.description(), e);
    }
}

void ZmienDlugPolaRobot(db::Database& Baza, const QString& Tabela, const QString& Kolumna, db::DataType Typ,
                        bool ZerDlDozw, int Rozmiar)
{
    try {
        reopenWorkDatabase(Baza);
        const db::Field target = makeField(Kolumna, Typ, ZerDlDozw, Rozmiar);
        if (alreadyShaped(Baza, Tabela, target))
            return;
        // Emptied first, so that no old value can stand in the way of the new type.
        db::Transaction transaction(Baza, db::Transaction::Mode::Immediate);
        Baza.execute(QStringLiteral("UPDATE %1 SET %2 = NULL").arg(quoted(Tabela), quoted(Kolumna)));
        Baza.retypeColumn(Tabela, target);
        transaction.commit();
    } catch (const db::JetError& e) {
        if (e.number() != db::jet::TooFewParameters)
            PokazBlad(QStringLiteral("ZmienDlugPolaRobot"), e);
    }
}

void SprBrakKolCLabNrOgolny(db::Database& Baza, const QString& Tabela, const QString& NazBrakKol,
                            db::DataType Typ)
{
    switch (probeColumn(Baza, Tabela, NazBrakKol, probeComparison(Typ, true))) {
    case db::jet::TooFewParameters:
        if (Tabela == u"Badanie" && NazBrakKol == u"NrOgolny")
            PokazUwage(QStringLiteral("W bazie danych roku tabela Badanie nie ma kolumny NrOgolny: "
                                      "numery ogólne próbek nie są w tym pliku dostępne."),
                       QStringLiteral("Uwaga!"));
        break;
    case db::jet::TableNotFound:
        if (Tabela == u"CLab")
            CreateTableCLab(Baza.name(), Tabela);
        break;
    default:
        break;
    }
}

} // namespace trelimor
