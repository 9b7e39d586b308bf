#include "SeedData.h"

#include "common/Password.h"
#include "platform/db/Database.h"
#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"

#include <QVariant>

#include <utility>

namespace trelimor::install {

namespace {

using Values = QList<std::pair<QString, QVariant>>;

void addRow(db::Database& database, const QString& table, const Values& values)
{
    db::Recordset rs = database.openRecordset(QStringLiteral("SELECT * FROM \"%1\"").arg(table));
    rs.addNew();
    for (const auto& [field, value] : values)
        rs.setValue(field, value);
    rs.update();
}

void addAdministrator(db::Database& stale)
{
    // The sort key of a name without Polish letters is the name in capitals.
    addRow(stale, QStringLiteral("OPERATORZY"),
           {{QStringLiteral("OP_NUMER"), QStringLiteral("001")},
            {QStringLiteral("OP_NAZWISKO"), administratorName()},
            {QStringLiteral("OP_KLUCZ"), administratorName().toUpper()},
            {QStringLiteral("OP_RODZAJ"), QStringLiteral("Administrator")},
            {QStringLiteral("OP_LOGIN"), administratorLogin()},
            {QStringLiteral("OP_HASLO"), zakodowaneHaslo(administratorFirstPassword())}});
}

void addUserRecord(db::Database& stale)
{
    // The user fills in the rest; the signature lines start with their usual wording.
    addRow(stale, QStringLiteral("PODATNIK"),
           {{QStringLiteral("PodpisLewy"), QStringLiteral("osoba autoryzująca badanie")},
            {QStringLiteral("PodpisPrawy"), QStringLiteral("podpis i pieczątka kierownika pracowni")}});
}

void addOptions(db::Database& stale)
{
    // The yes/no options start switched off. The comment describes the option, except for
    // "MoveFile", whose comment holds the folder and so starts empty.
    const QList<std::pair<QString, QString>> options = {
        {QStringLiteral("NrZlecRok"), QStringLiteral("Wstawiaj rok do numeru zlecenia (wydruki)")},
        {QStringLiteral("ExpWynWatp"),
         QStringLiteral("Pozwól na eksport do CLab danych z wynikiem wątpliwym")},
        {QStringLiteral("DrukBrKom"),
         QStringLiteral("W monitoringu drukuj wynik Brucelozy korzystając z formatki wydruku badań "
                        "komercyjnych")},
        {QStringLiteral("NadzorBad"),
         QStringLiteral("Blokuj możliwość wybrania osoby nadzorującej badanie przez użytkownika 'Operator'")},
        {QStringLiteral("MoveFile"), QString()},
    };
    for (const auto& [key, comment] : options)
        addRow(stale, QStringLiteral("PARAMETRY"),
               {{QStringLiteral("KLUCZ"), key},
                {QStringLiteral("PARAM3"), false},
                {QStringLiteral("KOMENT"), comment}});
}

void addDefaultPlans(db::Database& stale)
{
    for (const QString& table : {QStringLiteral("PlanPobierania"), QStringLiteral("ProceduraPobierania")})
        addRow(stale, table,
               {{QStringLiteral("ID"), 1},
                {QStringLiteral("Nazwa"), defaultPlanName()},
                {QStringLiteral("Domyslny"), QStringLiteral("T")}});
}

void addSpecies(db::Database& stale)
{
    const QStringList names = species();
    for (int i = 0; i < names.size(); ++i)
        addRow(stale, QStringLiteral("Gatunek"),
               {{QStringLiteral("IDGatunek"), i + 1}, {QStringLiteral("NazGatunek"), names[i]}});
}

} // namespace

QString administratorName()
{
    return QStringLiteral("Administrator systemu");
}

QString administratorLogin()
{
    return QStringLiteral("admin");
}

QString administratorFirstPassword()
{
    return QStringLiteral("admin");
}

QStringList species()
{
    // Spelled as the batch window, the printouts and the summaries compare them.
    return {QStringLiteral("Bydło"), QStringLiteral("Owce"), QStringLiteral("Kozy"),
            QStringLiteral("Jeleniowate")};
}

QString defaultPlanName()
{
    return QStringLiteral("Obszar regulowany prawnie");
}

void seedDictionary(db::Database& stale)
{
    db::Transaction transaction(stale);
    addAdministrator(stale);
    addUserRecord(stale);
    addOptions(stale);
    addDefaultPlans(stale);
    addSpecies(stale);
    // The protocol options dialog keeps the laboratory's norm in this row and never adds it.
    addRow(stale, QStringLiteral("NORMY"), {{QStringLiteral("IDNORMY"), QStringLiteral("PCA")}});
    transaction.commit();
}

void seedReportWork(db::Database& robot)
{
    db::Transaction transaction(robot);
    // Reports write their header lines into this row; the program never adds it.
    addRow(robot, QStringLiteral("OGOLNE"),
           {{QStringLiteral("Naglowek1"), QStringLiteral("")},
            {QStringLiteral("Naglowek2"), QStringLiteral("")},
            {QStringLiteral("Naglowek3"), QStringLiteral("")}});
    transaction.commit();
}

} // namespace trelimor::install
