// The report work tables must take what the printouts and summaries write into them: rows
// copied column by column by name from the yearly and dictionary tables, texts where a value
// may be absent, counters that start at 0.

#include "InstallFixture.h"

#include "install/SchemaFile.h"
#include "platform/db/Transaction.h"

#include <QDateTime>

using namespace trelimor::install;
using trelimor::db::Database;
using trelimor::db::DataType;
using trelimor::db::Field;
using trelimor::db::Recordset;
using trelimor::db::TableDef;
using trelimor::install::test::InstallTest;

namespace {

// The batch and sample tables of a yearly database as the program makes and upgrades them.
const char* const kYearlyTables = R"(
# Batches.
TABLE Partia
Partia LONG
IlProbek INTEGER
NrZlecenia TEXT(4)
Powiat TEXT(4)
WNI TEXT(30)
KodZakladu TEXT(10)
PIWmiasto TEXT(50)
DataUboju DATE
GodzUboju TEXT(5)
DataPobr DATE
GodzPobr TEXT(5)
DataWysylki DATE
GodzWysylki TEXT(5)
DataWprow DATE
GodzWprow TEXT(5)
DataRozpBad DATE
GodzRozpBad TEXT(5)
DataWyniku DATE
GodzWyniku TEXT(5)
Pobral TEXT(50)
KierunekBadania TEXT(100)
NumerSprawy TEXT(50)
Laboratorium TEXT(100)
Miejscowosc TEXT(50)
Dnia TEXT(20)
PobranoOd TEXT(50)
WywiadLekarski MEMO
DataWyslaniaDoLab DATE
GodzWyslaniaDoLab TEXT(5)
RodzajBadania TEXT(100)
RodzajBadaniaInny TEXT(100)
Uwagi MEMO
PlanPobierania TEXT(255)
ProceduraPobierania TEXT(255)

# Samples.
TABLE Badanie
Partia LONG
NrProbki INTEGER
IDProbkiWNI TEXT(10)
IDProbkiNr TEXT(5)
IDProbkiData TEXT(8)
Gatunek TEXT(20)
Gatunek2 TEXT(30)
Plec TEXT(6)
NrKolczyka TEXT(16)
Wiek SINGLE
RodzajUboju TEXT(10)
SystemUtrzymania TEXT(5)
ObjawyChorobowe TEXT(50)
Uzytkowosc TEXT(50)
LiczebnoscStada LONG
NrGospod TEXT(15)
WlascicielImie TEXT(30)
WlascicielNazwisko TEXT(30)
WlascicielMiejscowosc TEXT(50)
WlascicielNrPosesja TEXT(30)
Wojewodztwo TEXT(20)
KodWoj TEXT(2)
Powiat TEXT(30)
KodPIW TEXT(4)
Gmina TEXT(30)
Wynik TEXT(15)
RodzajMaterialu TEXT(50)
WarunkiPrzechowywania TEXT(50)
DataUrodzenia TEXT(10)
Uwagi MEMO
)";

// A value at the edge of what the field holds.
QVariant fullValue(const Field& f, int row)
{
    switch (f.type) {
    case DataType::Boolean:
        return true;
    case DataType::Byte:
        return 255;
    case DataType::Integer:
        return 32767 - row;
    case DataType::Long:
        return 2147483647 - row;
    case DataType::Single:
        return 1234.5;
    case DataType::Double:
        return 1.0e300;
    case DataType::Date:
        return QDateTime(QDate(2021, 3, 15), QTime(10, 30));
    case DataType::Memo:
        return QStringLiteral("Uwagi wielowierszowe\r\nżółć ").repeated(200);
    default:
        return QStringLiteral("Ź").repeated(f.size);
    }
}

void fill(Database& database, const TableDef& def, int rows)
{
    trelimor::db::Transaction transaction(database);
    Recordset rs = database.openRecordset(QStringLiteral("SELECT * FROM \"%1\"").arg(def.name));
    for (int r = 0; r < rows; ++r) {
        rs.addNew();
        for (const Field& f : def.fields)
            rs.setValue(f.name, fullValue(f, r));
        rs.update();
    }
    transaction.commit();
}

// What the printouts do: every source row into the same-named work table, column by column
// by name, nulls left out.
void copyByName(Database& from, Database& to, const QString& table)
{
    Recordset source = from.openRecordset(QStringLiteral("SELECT * FROM \"%1\"").arg(table));
    Recordset target = to.openRecordset(QStringLiteral("SELECT * FROM \"%1\"").arg(table));
    for (; !source.eof(); source.moveNext()) {
        target.addNew();
        for (int i = 0; i < source.fieldCount(); ++i)
            if (!trelimor::db::isNull(source.value(i)))
                target.setValue(source.field(i).name, source.value(i));
        target.update();
    }
}

void expectSameRows(Database& a, Database& b, const TableDef& def)
{
    const QString sql = QStringLiteral("SELECT * FROM \"%1\"").arg(def.name);
    Recordset ra = a.openRecordset(sql);
    Recordset rb = b.openRecordset(sql);
    ASSERT_EQ(ra.recordCount(), rb.recordCount()) << def.name.toStdString();
    for (; !ra.eof(); ra.moveNext(), rb.moveNext())
        for (const Field& f : def.fields)
            EXPECT_EQ(ra.value(f.name), rb.value(f.name))
                << (def.name + QLatin1Char('.') + f.name).toStdString();
}

TEST_F(InstallTest, YearlyBatchesAndSamplesCopyWholeIntoTheWorkTables)
{
    const Installation made = install();
    Database yearly = Database::create(dir.filePath(QStringLiteral("Trelimor1465PIW2021.sqlite")));
    Database robot = Database::open(made.reportWorkFile);
    for (const TableSpec& table :
         parseSchema(QString::fromLatin1(kYearlyTables), QStringLiteral("yearly")).tables) {
        const TableDef def = table.tableDef();
        yearly.createTable(def);
        fill(yearly, def, 2);
        copyByName(yearly, robot, def.name);
        expectSameRows(yearly, robot, def);
    }
}

TEST_F(InstallTest, DictionaryTablesCopyWholeIntoTheWorkTables)
{
    const Installation made = install();
    Database stale = Database::open(made.dictionaryFile);
    Database robot = Database::open(made.reportWorkFile);
    for (const QString& table : {QStringLiteral("PODATNIK"), QStringLiteral("PIW")}) {
        const TableDef def = stale.tableDef(table);
        stale.execute(QStringLiteral("DELETE FROM \"%1\"").arg(table));
        fill(stale, def, 3);
        copyByName(stale, robot, table);
        expectSameRows(stale, robot, def);
    }
}

TEST_F(InstallTest, TheCoveringLetterTakesAnEmptyTextInEveryField)
{
    Database robot = Database::open(install().reportWorkFile);
    Recordset rs = robot.openRecordset(QStringLiteral("SELECT * FROM PismoPrzewodnie"));
    EXPECT_EQ(rs.fieldCount(), 28);
    rs.addNew();
    for (int i = 0; i < rs.fieldCount(); ++i)
        EXPECT_NO_THROW(rs.setValue(i, QStringLiteral(""))) << rs.field(i).name.toStdString();
    rs.update();
    // A batch's dates and counts go in as their text.
    rs.moveFirst();
    rs.edit();
    rs.setValue(QStringLiteral("DataWyslaniaDoLab"), QDateTime(QDate(2021, 3, 15), QTime(0, 0)));
    rs.setValue(QStringLiteral("IlProbek"), 12);
    rs.update();
    EXPECT_EQ(
        robot.scalar(QStringLiteral("SELECT DataWyslaniaDoLab || '/' || IlProbek FROM PismoPrzewodnie")),
        QVariant(QStringLiteral("15.03.2021/12")));
}

TEST_F(InstallTest, SummaryCountersStartAtZeroButMonthCountsStayEmpty)
{
    Database robot = Database::open(install().reportWorkFile);
    Recordset rows = robot.openRecordset(QStringLiteral("SELECT * FROM IloscZak"));
    rows.addNew();
    rows.setValue(QStringLiteral("Zaklad"), QStringLiteral("14"));
    rows.update();
    rows.requery();
    for (const char* counter : {"IlProbek", "IlDod", "IlUjem", "IlOdstap"})
        EXPECT_EQ(rows.value(QString::fromLatin1(counter)), QVariant(0)) << counter;
    // The listings write an empty text where a sample has no age or general number.
    rows.edit();
    rows.setValue(QStringLiteral("Wiek"), QStringLiteral(""));
    rows.setValue(QStringLiteral("IDProbki"), QStringLiteral(""));
    EXPECT_NO_THROW(rows.update());

    Recordset months = robot.openRecordset(QStringLiteral("SELECT * FROM BSEmceRodzUboju"));
    months.addNew();
    months.setValue(QStringLiteral("MC"), 10);
    months.setValue(QStringLiteral("MIESIAC"), QStringLiteral("PAZDZIERNIK"));
    months.update();
    months.requery();
    EXPECT_TRUE(trelimor::db::isNull(months.value(QStringLiteral("RodzN"))));
}

} // namespace
