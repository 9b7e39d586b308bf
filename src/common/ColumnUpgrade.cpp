#include "ColumnUpgrade.h"

#include "ColumnProbe.h"
#include "ColumnRetype.h"
#include "Messages.h"
#include "ProgramState.h"
#include "TableHelpers.h"
#include "YearlyTables.h"

#include "platform/db/JetError.h"
#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"

namespace trelimor {

namespace {

using db::DataType;

enum class Target { Yearly, Dictionary };

struct ColumnCheck
{
    Target target;
    const char* table;
    const char* column;
    DataType type;
    int size;
};

// The layout every yearly file and the dictionary database are brought up to, in the order
// the checks run. There is no schema version: the columns themselves are the version.
constexpr ColumnCheck kChecks[] = {
    {Target::Yearly, "Partia", "IlProbek", DataType::Integer, 0},
    {Target::Yearly, "Partia", "Powiat", DataType::Text, 4},
    {Target::Dictionary, "PlanPobierania", "Nazwa", DataType::Text, 255},
    {Target::Dictionary, "ProceduraPobierania", "Nazwa", DataType::Text, 255},
    {Target::Yearly, "Partia", "PlanPobierania", DataType::Text, 255},
    {Target::Yearly, "Partia", "ProceduraPobierania", DataType::Text, 255},
    {Target::Dictionary, "ZAKLAD", "KodPIW", DataType::Text, 4},
    {Target::Yearly, "Badanie", "Gatunek2", DataType::Text, 30},
    {Target::Yearly, "Badanie", "SystemUtrzymania", DataType::Text, 5},
    {Target::Yearly, "Badanie", "RodzajMaterialu", DataType::Text, 50},
    {Target::Yearly, "Badanie", "WarunkiPrzechowywania", DataType::Text, 50},
    {Target::Yearly, "Badanie", "DataUrodzenia", DataType::Text, 10},
    {Target::Yearly, "Partia", "Miejscowosc", DataType::Text, 50},
    {Target::Yearly, "Partia", "Dnia", DataType::Text, 20},
    {Target::Yearly, "Partia", "KierunekBadania", DataType::Text, 100},
    {Target::Yearly, "Partia", "NumerSprawy", DataType::Text, 50},
    {Target::Yearly, "Partia", "Laboratorium", DataType::Text, 100},
    {Target::Yearly, "Partia", "PobranoOd", DataType::Text, 50},
    {Target::Yearly, "Partia", "WywiadLekarski", DataType::Memo, 0},
    {Target::Yearly, "Partia", "DataWyslaniaDoLab", DataType::Date, 0},
    {Target::Yearly, "Partia", "GodzWyslaniaDoLab", DataType::Text, 5},
    {Target::Yearly, "Partia", "RodzajBadania", DataType::Text, 100},
    {Target::Yearly, "Partia", "RodzajBadaniaInny", DataType::Text, 100},
};

} // namespace

bool addedByYearlyChecks(const QString& table, const QString& column)
{
    for (const ColumnCheck& check : kChecks)
        if (check.target == Target::Yearly &&
            table.compare(QLatin1String(check.table), Qt::CaseInsensitive) == 0 &&
            column.compare(QLatin1String(check.column), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

namespace {

using TableCreator = bool (*)(const QString&, const QString&);

// The optional tables that are created when a check finds them missing.
TableCreator creatorOf(const QString& table)
{
    if (table == u"CLab")
        return &CreateTableCLab;
    if (table == u"Badal")
        return &CreateTableBadal;
    if (table == u"Oznaczenie")
        return &CreateTableOznaczenie;
    if (table == u"Autowynik")
        return &CreateTableAutowynik;
    if (table == u"PlanPobierania" || table == u"ProceduraPobierania")
        return &CreateTablePlanPobierania;
    return nullptr;
}

// A new sampling plan or procedure list gets its one default entry, and the rest of the
// program learns the default name at once.
void seedDefaultEntry(db::Database& db, const QString& table)
{
    db::Recordset rs = db.openRecordset(QStringLiteral("SELECT * FROM ") + table);
    if (rs.recordCount() == 0) {
        rs.addNew();
        rs.setValue(QStringLiteral("ID"), 1);
        rs.setValue(QStringLiteral("Nazwa"), QStringLiteral("Obszar regulowany prawnie"));
        rs.setValue(QStringLiteral("Domyslny"), QStringLiteral("T"));
        rs.update();
    }
    rs.close();
    const QString name = PobierzDomyslny(table, QStringLiteral("Nazwa"), QStringLiteral("Domyslny"));
    if (table == u"PlanPobierania")
        programState().setDefaultPlan(name);
    else
        programState().setDefaultProcedure(name);
}

// A batch group takes its owner from the first of its samples that names one; the columns
// that old files made too narrow are widened.
void fillGroupOwners(db::Database& db)
{
    db::Transaction transaction(db);
    db::Recordset groups = db.openRecordset(QStringLiteral("SELECT * FROM PartiaG ORDER BY PartiaG"));
    for (; !groups.eof(); groups.moveNext()) {
        const QVariant owner = db.scalar(
            QStringLiteral("SELECT Wlasciciel FROM Badanie WHERE PartiaG = ? AND len(Wlasciciel) > 0"),
            {groups.value(QStringLiteral("PartiaG"))});
        if (db::isNull(owner))
            continue;
        groups.edit();
        groups.setValue(QStringLiteral("Wlasciciel"), owner);
        groups.update();
    }
    groups.close();
    transaction.commit();

    ZmienDlugPola(db, QStringLiteral("PartiaG"), QStringLiteral("NRGOSPOD"), DataType::Text, true, 13);
    ZmienDlugPola(db, QStringLiteral("Badanie"), QStringLiteral("Rasa"), DataType::Text, true, 12);
    ZmienDlugPola(db, QStringLiteral("Badanie"), QStringLiteral("Masc"), DataType::Text, true, 21);
    ZmienDlugPola(db, QStringLiteral("Badanie"), QStringLiteral("Wiek"), DataType::Single, false, 0);
    ZmienDlugPola(db, QStringLiteral("Badanie"), QStringLiteral("Ciaza"), DataType::Text, true, 3);
}

// The default texts of the two signature lines of printouts.
void setSignatureDefaults(db::Database& db)
{
    db::Recordset rs = db.openRecordset(QStringLiteral("SELECT * FROM Podatnik"));
    if (rs.eof())
        return;
    rs.edit();
    rs.setValue(QStringLiteral("PodpisLewy"), QStringLiteral("osoba autoryzująca badanie"));
    rs.setValue(QStringLiteral("PodpisPrawy"), QStringLiteral("podpis i pieczątka kierownika pracowni"));
    rs.update();
}

void addMissingColumn(db::Database& db, const QString& table, const QString& column, DataType type,
                      bool allowZeroLength, int size)
{
    db.addColumn(table, makeField(column, type, allowZeroLength, size));
    if (table == u"PartiaG" && column == u"Wlasciciel")
        fillGroupOwners(db);
    else if (table == u"Podatnik" && column == u"PodpisPrawy")
        setSignatureDefaults(db);
}

void createMissingTable(db::Database& db, const QString& table)
{
    const TableCreator create = creatorOf(table);
    if (!create)
        return; // the batch and sample tables and the registers are never made here
    create(db.name(), table);
    if (table == u"PlanPobierania" || table == u"ProceduraPobierania")
        seedDefaultEntry(db, table);
}

} // namespace

void SprBrakKol(db::Database& Baza, const QString& Tabela, const QString& NazBrakKol, DataType Typ,
                bool ZerDlDozw, int Rozmiar)
{
    switch (probeColumn(Baza, Tabela, NazBrakKol, probeComparison(Typ))) {
    case db::jet::TooFewParameters:
        addMissingColumn(Baza, Tabela, NazBrakKol, Typ, ZerDlDozw, Rozmiar);
        break;
    case db::jet::TableNotFound:
        createMissingTable(Baza, Tabela);
        break;
    default:
        break;
    }
}

void runColumnChecks(db::Database& yearly, db::Database* dictionary)
{
    for (const ColumnCheck& c : kChecks) {
        if (c.target == Target::Dictionary && !dictionary)
            continue;
        db::Database& db = c.target == Target::Yearly ? yearly : *dictionary;
        SprBrakKol(db, QString::fromLatin1(c.table), QString::fromLatin1(c.column), c.type,
                   takesEmptyText(c.type), c.size);
    }
}

} // namespace trelimor
