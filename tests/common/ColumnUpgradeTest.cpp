#include "YearlyFixture.h"

#include "common/ColumnUpgrade.h"

#include "platform/db/Transaction.h"

#include <map>

using namespace trelimor;
using namespace trelimor::test;

namespace {

using db::DataType;
using db::Field;

// The columns of a table written as columns() prints them ("Partia:L WNI:30 Uwagi:M").
db::TableDef tableOf(const QString& name, const QString& layout)
{
    static const std::map<QString, DataType> kinds = {{QStringLiteral("L"), DataType::Long},
                                                      {QStringLiteral("I"), DataType::Integer},
                                                      {QStringLiteral("S"), DataType::Single},
                                                      {QStringLiteral("D"), DataType::Date},
                                                      {QStringLiteral("M"), DataType::Memo}};
    db::TableDef table{name, {}};
    for (const QString& column : layout.split(u' ')) {
        const QString field = column.section(u':', 0, 0);
        const QString kind = column.section(u':', 1);
        const auto known = kinds.find(kind);
        table.fields << (known != kinds.end() ? Field::of(field, known->second)
                                              : Field::text(field, kind.toInt()));
    }
    return table;
}

// The batch and sample tables of a yearly file from before every column the opening adds.
const QString kOldPartia = QStringLiteral(
    "Partia:L NrZlecenia:4 WNI:30 KodZakladu:10 PIWmiasto:50 DataUboju:D GodzUboju:5 DataPobr:D GodzPobr:5 "
    "DataWysylki:D GodzWysylki:5 DataWprow:D GodzWprow:5 DataRozpBad:D GodzRozpBad:5 DataWyniku:D "
    "GodzWyniku:5 Pobral:50 Uwagi:M");
const QString kOldBadanie = QStringLiteral(
    "Partia:L NrProbki:I IDProbkiWNI:10 IDProbkiNr:5 IDProbkiData:8 Gatunek:20 Plec:6 NrKolczyka:16 Wiek:S "
    "RodzajUboju:10 ObjawyChorobowe:50 Uzytkowosc:50 LiczebnoscStada:L NrGospod:15 WlascicielImie:30 "
    "WlascicielNazwisko:30 WlascicielMiejscowosc:50 WlascicielNrPosesja:30 Wojewodztwo:20 KodWoj:2 Powiat:30 "
    "KodPIW:4 Gmina:30 Wynik:15 Uwagi:M");

class ColumnUpgradeTest : public YearlyFixture
{
protected:
    // A yearly file from before today's optional columns, holding a few batches and samples.
    void makeOldYearlyFile()
    {
        db::Database old = db::Database::create(yearlyPath());
        db::Transaction together(old);
        old.createTable(tableOf(QStringLiteral("Partia"), kOldPartia));
        for (int i = 1; i <= 3; ++i)
            old.execute(
                QStringLiteral("INSERT INTO Partia (Partia, WNI, DataPobr) VALUES (?, ?, ?)"),
                {i, QStringLiteral("zakładu ubojowego"), QStringLiteral("2022-01-0%1 00:00:00").arg(i)});
        old.createTable(tableOf(QStringLiteral("Badanie"), kOldBadanie));
        for (int i = 1; i <= 5; ++i)
            old.execute(QStringLiteral("INSERT INTO Badanie (Partia, NrProbki, NrKolczyka) VALUES (1, ?, ?)"),
                        {i, QStringLiteral("PL00500000000%1").arg(i)});
        together.commit();
        old.close();
    }
    QVariant count(const QString& sql) { return rok().scalar(sql); }
};

TEST_F(ColumnUpgradeTest, OldFileGainsTheMissingColumnsEmptyAndKeepsEveryRow)
{
    makeOldYearlyFile();
    ASSERT_TRUE(openYearlyDatabase());
    EXPECT_TRUE(dialogs->calls().empty());

    EXPECT_EQ(columns(rok(), QStringLiteral("Partia")).join(u' '),
              kOldPartia +
                  QStringLiteral(" IlProbek:I Powiat:4 PlanPobierania:255 ProceduraPobierania:255 "
                                 "Miejscowosc:50 Dnia:20 KierunekBadania:100 NumerSprawy:50 "
                                 "Laboratorium:100 PobranoOd:50 WywiadLekarski:M DataWyslaniaDoLab:D "
                                 "GodzWyslaniaDoLab:5 RodzajBadania:100 RodzajBadaniaInny:100"));
    EXPECT_EQ(columns(rok(), QStringLiteral("Badanie")).join(u' '),
              kOldBadanie + QStringLiteral(" Gatunek2:30 SystemUtrzymania:5 RodzajMaterialu:50 "
                                           "WarunkiPrzechowywania:50 DataUrodzenia:10"));

    EXPECT_EQ(
        count(QStringLiteral("SELECT count(*) FROM Partia WHERE WNI = 'zakładu ubojowego' AND PlanPobierania "
                             "IS NULL AND IlProbek IS NULL AND DataWyslaniaDoLab IS NULL"))
            .toInt(),
        3);
    EXPECT_EQ(count(QStringLiteral("SELECT group_concat(NrProbki) FROM Badanie WHERE DataUrodzenia IS NULL")),
              QVariant(QStringLiteral("1,2,3,4,5")));

    // The batch window writes the new columns right after the opening.
    db::Recordset rs = rok().openRecordset(QStringLiteral("SELECT * FROM Partia WHERE Partia = 2"));
    rs.edit();
    rs.setValue(QStringLiteral("PlanPobierania"), QStringLiteral("Obszar regulowany prawnie"));
    rs.setValue(QStringLiteral("Dnia"), QStringLiteral("02.01.2022"));
    rs.update();

    // A second opening finds everything in place and changes nothing.
    const QStringList before = schema(rok());
    ASSERT_TRUE(openYearlyDatabase());
    EXPECT_TRUE(dialogs->calls().empty());
    EXPECT_EQ(schema(rok()), before);
    EXPECT_EQ(count(QStringLiteral("SELECT PlanPobierania FROM Partia WHERE Partia = 2")),
              QVariant(QStringLiteral("Obszar regulowany prawnie")));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Badanie")).toInt(), 5);
}

TEST_F(ColumnUpgradeTest, OldDictionaryGainsTheSamplingListsSeededAndTheDefaultsAreShown)
{
    stale().dropTable(QStringLiteral("PlanPobierania"));
    stale().dropTable(QStringLiteral("ProceduraPobierania"));
    stale().dropColumn(QStringLiteral("ZAKLAD"), QStringLiteral("KodPIW"));
    stale().execute(QStringLiteral("INSERT INTO ZAKLAD (WNI) VALUES ('14650001')"));
    makeOldYearlyFile();

    ASSERT_TRUE(openYearlyDatabase());
    EXPECT_TRUE(dialogs->calls().empty());
    for (const QString& table : {QStringLiteral("PlanPobierania"), QStringLiteral("ProceduraPobierania")}) {
        SCOPED_TRACE(table.toStdString());
        EXPECT_EQ(columns(stale(), table).join(u' '),
                  QStringLiteral("ID:I Nazwa:150 Domyslny:1 Domyslny2:1"));
        db::Recordset rs = stale().openRecordset(QStringLiteral("SELECT * FROM ") + table);
        ASSERT_EQ(rs.recordCount(), 1);
        EXPECT_EQ(rs.value(QStringLiteral("ID")).toInt(), 1);
        EXPECT_EQ(rs.value(QStringLiteral("Nazwa")).toString(), QStringLiteral("Obszar regulowany prawnie"));
        EXPECT_EQ(rs.value(QStringLiteral("Domyslny")).toString(), QStringLiteral("T"));
        EXPECT_TRUE(db::isNull(rs.value(QStringLiteral("Domyslny2"))));
    }
    EXPECT_EQ(programState().defaultPlan(), QStringLiteral("Obszar regulowany prawnie"));
    EXPECT_EQ(programState().defaultProcedure(), QStringLiteral("Obszar regulowany prawnie"));
    EXPECT_EQ(columns(stale(), QStringLiteral("ZAKLAD")), (QStringList{"WNI:10", "KodPIW:4"}));
    EXPECT_EQ(stale().scalar(QStringLiteral("SELECT WNI FROM ZAKLAD")), QVariant(QStringLiteral("14650001")));

    // The next year's file: the lists are there and are not seeded again.
    stale().execute(QStringLiteral("UPDATE PlanPobierania SET Domyslny = 'N'"));
    programState().setWorkingDate({2023, 2, 2});
    ASSERT_TRUE(openYearlyDatabase());
    EXPECT_EQ(stale().scalar(QStringLiteral("SELECT count(*) FROM PlanPobierania")).toInt(), 1);
}

TEST_F(ColumnUpgradeTest, OnlyAListJustCreatedIsSeeded)
{
    stale().dropTable(QStringLiteral("ProceduraPobierania"));
    makeOldYearlyFile();
    ASSERT_TRUE(openYearlyDatabase());
    EXPECT_EQ(stale().scalar(QStringLiteral("SELECT count(*) FROM PlanPobierania")).toInt(), 0)
        << "an existing empty list is the user's choice";
    EXPECT_EQ(stale().scalar(QStringLiteral("SELECT count(*) FROM ProceduraPobierania")).toInt(), 1);
    EXPECT_EQ(programState().defaultPlan(), QString());
    EXPECT_EQ(programState().defaultProcedure(), QStringLiteral("Obszar regulowany prawnie"));
}

TEST_F(ColumnUpgradeTest, UnexpectedProbeAnswerIsReportedAndTheChecksGoOn)
{
    makeOldYearlyFile();
    stale().close();
    ASSERT_TRUE(openYearlyDatabase());
    ASSERT_EQ(dialogs->calls().size(), 3u) << "one report per check of the closed dictionary database";
    for (const DialogCall& call : dialogs->calls())
        EXPECT_EQ(call.title, QStringLiteral("SprBrakKol"));
    EXPECT_TRUE(rok().hasColumn(QStringLiteral("Partia"), QStringLiteral("RodzajBadaniaInny")));
}

TEST_F(ColumnUpgradeTest, GroupOwnerColumnIsFilledFromTheSamplesAndNarrowColumnsWidened)
{
    makeOldYearlyFile();
    ASSERT_TRUE(openYearlyDatabase());
    rok().createTable({QStringLiteral("PartiaG"),
                       {Field::of(QStringLiteral("PartiaG"), DataType::Long),
                        Field::text(QStringLiteral("NRGOSPOD"), 10)}});
    rok().dropColumn(QStringLiteral("Badanie"), QStringLiteral("Wiek")); // older still: the age as text
    for (const Field& f :
         {Field::of(QStringLiteral("PartiaG"), DataType::Long), Field::text(QStringLiteral("Wlasciciel"), 50),
          Field::text(QStringLiteral("Rasa"), 8), Field::text(QStringLiteral("Masc"), 8),
          Field::text(QStringLiteral("Ciaza"), 2), Field::text(QStringLiteral("Wiek"), 5)})
        rok().addColumn(QStringLiteral("Badanie"), f);
    rok().execute(
        QStringLiteral("INSERT INTO PartiaG VALUES (1, 'PL12345678'), (2, 'PL87654321'), (3, NULL)"));
    rok().execute(
        QStringLiteral("UPDATE Badanie SET PartiaG = 1, Wlasciciel = '', Rasa = 'HF', Wiek = '24'"));
    rok().execute(QStringLiteral("UPDATE Badanie SET Wlasciciel = 'Kowalski' WHERE NrProbki = 3"));
    rok().execute(QStringLiteral("UPDATE Badanie SET Wlasciciel = 'Nowak' WHERE NrProbki = 4"));
    rok().execute(
        QStringLiteral("UPDATE Badanie SET PartiaG = 2, Wlasciciel = 'Wiśniewska' WHERE NrProbki = 5"));

    SprBrakKol(rok(), QStringLiteral("PartiaG"), QStringLiteral("Wlasciciel"), DataType::Text, true, 50);
    EXPECT_TRUE(dialogs->calls().empty());
    EXPECT_EQ(
        rok().scalar(QStringLiteral("SELECT group_concat(coalesce(Wlasciciel, '-'), ',') FROM PartiaG")),
        QVariant(QStringLiteral("Kowalski,Wiśniewska,-")));
    EXPECT_EQ(columns(rok(), QStringLiteral("PartiaG")),
              (QStringList{"PartiaG:L", "NRGOSPOD:13", "Wlasciciel:50"}));
    EXPECT_EQ(rok().scalar(QStringLiteral("SELECT NRGOSPOD FROM PartiaG WHERE PartiaG = 2")),
              QVariant(QStringLiteral("PL87654321")));
    const QStringList badanie = columns(rok(), QStringLiteral("Badanie"));
    for (const char* widened : {"Rasa:12", "Masc:21", "Ciaza:3", "Wiek:S"})
        EXPECT_TRUE(badanie.contains(QString::fromLatin1(widened))) << widened;
    EXPECT_EQ(
        rok().scalar(QStringLiteral("SELECT count(*) FROM Badanie WHERE Rasa = 'HF' AND Wiek = 24")).toInt(),
        5);
}

} // namespace
