#include "YearlyFixture.h"

#include "common/DatabaseIndexes.h"
#include "common/YearlyTables.h"

#include <QFile>

using namespace trelimor;
using namespace Qt::StringLiterals;
using namespace trelimor::test;

namespace {

using Kind = DialogCall::Kind;

TEST(YearlyDatabasePath, FolderFollowsTheDictionaryDatabaseAndNameTheCodeAndYear)
{
    ProgramFolderScope folders;
    const QString program = paths::dataFolder();
    const QString network = paths::join(paths::networkFolder(), QStringLiteral("Dane"));
    const QString local = paths::join(folders.programFolder(), QStringLiteral("Dane/Stale.sqlite"));
    const QString shared = paths::join(folders.networkFolder(), QStringLiteral("Baza/Stale.sqlite"));

    EXPECT_EQ(yearlyDatabasePath(local, QStringLiteral("1465"), {2022, 1, 2}),
              program + QStringLiteral("/Trelimor1465PIW2022.sqlite"));
    EXPECT_EQ(yearlyDatabasePath(shared, QStringLiteral("1465"), {2022, 1, 2}),
              network + QStringLiteral("/Trelimor1465PIW2022.sqlite"));
    // A folder whose name merely begins like the network folder's is not below it.
    EXPECT_EQ(yearlyDatabasePath(folders.networkFolder() + QStringLiteral("X/Stale.sqlite"),
                                 QStringLiteral("1465"), {2022, 1, 2}),
              program + QStringLiteral("/Trelimor1465PIW2022.sqlite"));

    // Only the year of the date and the code as it stands enter the name.
    EXPECT_EQ(yearlyDatabasePath(shared, QStringLiteral("1465"), {2022, 12, 31}),
              yearlyDatabasePath(shared, QStringLiteral("1465"), {2022, 1, 1}));
    EXPECT_EQ(yearlyDatabasePath(shared, QStringLiteral("1465"), {2021, 12, 31}),
              network + QStringLiteral("/Trelimor1465PIW2021.sqlite"));
    EXPECT_EQ(yearlyDatabasePath(local, QStringLiteral("0201 "), {2022, 3, 15}),
              program + QStringLiteral("/Trelimor0201 PIW2022.sqlite"));

    // Without arguments: the open dictionary database and the session's values.
    ASSERT_TRUE(QDir().mkpath(QFileInfo(shared).absolutePath()));
    ModLabor().BazaStale = db::Database::create(shared);
    programState().setCountyCode(QStringLiteral("1465"));
    programState().setWorkingDate({2023, 6, 1});
    EXPECT_EQ(yearlyDatabasePath(), network + QStringLiteral("/Trelimor1465PIW2023.sqlite"));
    resetModLabor();
    programState().reset();
}

class YearlyDatabaseTest : public YearlyFixture
{
};

TEST_F(YearlyDatabaseTest, NewFileHoldsTheBatchAndSampleColumnsInOrderAndNothingElse)
{
    const QString path = yearlyPath();
    ASSERT_TRUE(openYearlyDatabase());

    ASSERT_EQ(dialogs->calls().size(), 2u);
    EXPECT_EQ(dialogs->calls()[0].text, QStringLiteral("Brak bazy danych na rok 2022, w katalogu: ") + path +
                                            QStringLiteral("\rPo kliknięciu OK, utworzę nową bazę!"));
    EXPECT_EQ(dialogs->calls()[0].title, QStringLiteral("INFORMACJA"));
    EXPECT_EQ(dialogs->calls()[0].icon, ui::Icon::Information);
    EXPECT_EQ(dialogs->calls()[1].text,
              QStringLiteral("Tworzenie nowej bazy danych na rok 2022, w katalogu: ") + path +
                  QStringLiteral(" zakończone powodzeniem!"));
    EXPECT_EQ(dialogs->calls()[1].title, QStringLiteral("INFORMACJA"));

    ASSERT_TRUE(rok().isOpen());
    EXPECT_EQ(rok().name(), path);
    EXPECT_EQ(rok().tableNames(), (QStringList{"Badanie", "Partia"}));
    EXPECT_EQ(columns(rok(), QStringLiteral("Partia")).join(u' '),
              QStringLiteral(
                  "Partia:L IlProbek:I NrZlecenia:4 Powiat:4 WNI:30 KodZakladu:10 PIWmiasto:50 DataUboju:D "
                  "GodzUboju:5 DataPobr:D GodzPobr:5 DataWysylki:D GodzWysylki:5 DataWprow:D GodzWprow:5 "
                  "DataRozpBad:D GodzRozpBad:5 DataWyniku:D GodzWyniku:5 Pobral:50 KierunekBadania:100 "
                  "NumerSprawy:50 Laboratorium:100 Miejscowosc:50 Dnia:20 PobranoOd:50 WywiadLekarski:M "
                  "DataWyslaniaDoLab:D GodzWyslaniaDoLab:5 RodzajBadania:100 RodzajBadaniaInny:100 Uwagi:M "
                  "PlanPobierania:255 ProceduraPobierania:255"));
    EXPECT_EQ(
        columns(rok(), QStringLiteral("Badanie")).join(u' '),
        QStringLiteral(
            "Partia:L NrProbki:I IDProbkiWNI:10 IDProbkiNr:5 IDProbkiData:8 Gatunek:20 Gatunek2:30 Plec:6 "
            "NrKolczyka:16 Wiek:S RodzajUboju:10 SystemUtrzymania:5 ObjawyChorobowe:50 Uzytkowosc:50 "
            "LiczebnoscStada:L NrGospod:15 WlascicielImie:30 WlascicielNazwisko:30 "
            "WlascicielMiejscowosc:50 WlascicielNrPosesja:30 Wojewodztwo:20 KodWoj:2 Powiat:30 KodPIW:4 "
            "Gmina:30 Wynik:15 RodzajMaterialu:50 WarunkiPrzechowywania:50 DataUrodzenia:10 Uwagi:M"));
    EXPECT_EQ(
        rok().scalar(QStringLiteral("SELECT group_concat(name) FROM sqlite_master WHERE type <> 'table'")),
        QVariant(kIndeksKoduProbki + u","_s + kIndeksPartiiProbek))
        << "no key or view; no index but those every opening makes";
    EXPECT_EQ(filesIn(paths::dataFolder()), QStringList{QFileInfo(path).fileName()})
        << "no temporary file left";

    // The batch window's first save: an empty text is a value, an unwritten date stays null.
    db::Recordset rs = rok().openRecordset(QStringLiteral("SELECT * FROM Partia"));
    rs.addNew();
    rs.setValue(QStringLiteral("Partia"), 1);
    rs.setValue(QStringLiteral("NrZlecenia"), QString(""));
    rs.setValue(QStringLiteral("PlanPobierania"), QStringLiteral("Obszar regulowany prawnie"));
    rs.update();
    rs.requery();
    EXPECT_EQ(rs.value(QStringLiteral("NrZlecenia")), QVariant(QString("")));
    EXPECT_TRUE(db::isNull(rs.value(QStringLiteral("DataPobr"))));
}

TEST_F(YearlyDatabaseTest, SameYearReopensTheFileAndANewYearMakesAnother)
{
    ASSERT_TRUE(openYearlyDatabase());
    programState().setWorkingDate({2022, 12, 31});
    ASSERT_TRUE(openYearlyDatabase());
    EXPECT_EQ(dialogs->calls().size(), 2u) << "the second opening announces nothing";
    EXPECT_EQ(rok().name(), yearlyPath());

    programState().setWorkingDate({2023, 1, 1});
    ASSERT_TRUE(openYearlyDatabase());
    EXPECT_EQ(rok().name(), yearlyPath(QStringLiteral("1465"), 2023));
    EXPECT_EQ(dialogs->calls().size(), 4u);
    EXPECT_TRUE(QFileInfo::exists(yearlyPath()));
}

// The search for a taken sample code (Null read as "", letters as PL compares them) goes through
// the index an opening makes, not through every sample of the year.
TEST_F(YearlyDatabaseTest, OpeningIndexesTheSearchForASampleCode)
{
    ASSERT_TRUE(openYearlyDatabase());
    const auto plan = [] {
        QString steps;
        for (db::Recordset rs = rok().openRecordset(
                 QStringLiteral("EXPLAIN QUERY PLAN SELECT Partia FROM Badanie "
                                "WHERE ") +
                     kWarunekKoduProbki,
                 {QStringLiteral("14650011"), QStringLiteral("001"), QStringLiteral("30032022")});
             !rs.eof(); rs.moveNext())
            steps += rs.value(QStringLiteral("detail")).toString();
        return steps;
    };
    EXPECT_TRUE(plan().contains(QStringLiteral("USING INDEX ") + kIndeksKoduProbki)) << plan().toStdString();

    // A file that lost it gets it back at its next opening.
    rok().execute(QStringLiteral("DROP INDEX ") + kIndeksKoduProbki);
    ASSERT_FALSE(plan().contains(kIndeksKoduProbki));
    ASSERT_TRUE(openYearlyDatabase());
    EXPECT_TRUE(plan().contains(kIndeksKoduProbki));
}

TEST_F(YearlyDatabaseTest, FailedCreationLeavesNoFileAndNoYearOpen)
{
    programState().setWorkingDate({2021, 5, 5});
    ASSERT_TRUE(openYearlyDatabase());
    ASSERT_TRUE(rok().isOpen());

    // The folder goes away under the open 2021 file; the 2022 file cannot be made.
    ASSERT_TRUE(QDir(paths::dataFolder()).removeRecursively());
    programState().setWorkingDate({2022, 1, 2});
    const std::size_t before = dialogs->calls().size();
    EXPECT_FALSE(openYearlyDatabase());

    const std::vector<DialogCall> calls(dialogs->calls().begin() + long(before), dialogs->calls().end());
    ASSERT_EQ(calls.size(), 3u) << "the announcement, the engine's error, the failure; nothing else";
    EXPECT_TRUE(calls[0].text.startsWith(QStringLiteral("Brak bazy danych na rok 2022")));
    EXPECT_TRUE(calls[1].text.startsWith(QStringLiteral("3044'") + yearlyPath() + QStringLiteral("'")))
        << calls[1].text.toStdString();
    EXPECT_EQ(calls[1].title, QStringLiteral("TRELIMOR"));
    EXPECT_EQ(calls[1].icon, ui::Icon::None);
    EXPECT_EQ(calls[2].text, QStringLiteral("Tworzenie nowej bazy ") + yearlyPath() +
                                 QStringLiteral(" nie powiodło się! Usuwam zbędne informacje!"));
    EXPECT_EQ(calls[2].title, QStringLiteral("TRELIMOR"));

    EXPECT_FALSE(rok().isOpen()) << "the 2021 file must not stay open under the 2022 labels";
    EXPECT_FALSE(QFileInfo::exists(paths::dataFolder()));
}

TEST_F(YearlyDatabaseTest, FailedOpeningClosesThePreviousFileAndDataCommandsRefuse)
{
    ASSERT_TRUE(openYearlyDatabase());
    EXPECT_TRUE(wymagajBazyRoku());
    const std::size_t before = dialogs->calls().size();

    // Something that is not a database stands where county 1466's file belongs.
    ASSERT_TRUE(QDir().mkpath(yearlyPath(QStringLiteral("1466"))));
    programState().setCountyCode(QStringLiteral("1466"));
    EXPECT_FALSE(openYearlyDatabase());
    ASSERT_EQ(dialogs->calls().size(), before + 1);
    EXPECT_EQ(dialogs->last().title, QStringLiteral("Tworzenie nowej bazy!"));
    EXPECT_FALSE(rok().isOpen()) << "county 1465's file must not stay open under 1466";

    EXPECT_FALSE(wymagajBazyRoku());
    EXPECT_EQ(dialogs->last().kind, Kind::Message);
    EXPECT_TRUE(dialogs->last().text.startsWith(QStringLiteral("Baza danych roku 2022 nie jest otwarta")));
    EXPECT_EQ(dialogs->last().title, QStringLiteral("Uwaga!"));
}

TEST_F(YearlyDatabaseTest, AFileMissingCoreTablesOrColumnsIsRefusedNamingThem)
{
    ASSERT_TRUE(openYearlyDatabase());
    // A column the opening adds when missing is no reason to refuse.
    rok().dropColumn(QStringLiteral("Partia"), QStringLiteral("RodzajBadaniaInny"));
    rok().close();
    ASSERT_TRUE(openYearlyDatabase());
    EXPECT_TRUE(rok().hasColumn(QStringLiteral("Partia"), QStringLiteral("RodzajBadaniaInny")));
    const std::size_t before = dialogs->calls().size();

    rok().dropColumn(QStringLiteral("Partia"), QStringLiteral("NrZlecenia"));
    rok().dropColumn(QStringLiteral("Partia"), QStringLiteral("WNI"));
    rok().dropTable(QStringLiteral("Badanie"));
    rok().close();
    EXPECT_FALSE(openYearlyDatabase());
    EXPECT_FALSE(rok().isOpen());
    ASSERT_EQ(dialogs->calls().size(), before + 1);
    EXPECT_EQ(dialogs->last().title, QStringLiteral("Uwaga!"));
    EXPECT_EQ(dialogs->last().text,
              QStringLiteral("Plik %1 nie jest kompletną bazą danych roku i nie został otwarty.\r"
                             "Brakuje: pola Partia.NrZlecenia, pola Partia.WNI, tabeli Badanie.")
                  .arg(yearlyPath()));
    EXPECT_FALSE(wymagajBazyRoku());
}

TEST_F(YearlyDatabaseTest, CountyCodeMustBeFourDigitsToNameAFile)
{
    for (const QString& code :
         {QString(), QStringLiteral("14a5"), QStringLiteral("146"), QStringLiteral(" 1465")}) {
        SCOPED_TRACE(code.toStdString());
        programState().setCountyCode(QStringLiteral("1465"));
        ASSERT_TRUE(openYearlyDatabase());
        const std::size_t before = dialogs->calls().size();

        programState().setCountyCode(code);
        EXPECT_FALSE(openYearlyDatabase());
        EXPECT_FALSE(rok().isOpen());
        ASSERT_EQ(dialogs->calls().size(), before + 1);
        EXPECT_EQ(dialogs->last().icon, ui::Icon::Warning);
        EXPECT_TRUE(dialogs->last().text.contains(QStringLiteral("kod powiatu")));
        EXPECT_TRUE(dialogs->last().text.contains(QStringLiteral("Dane użytkownika")));
        EXPECT_EQ(filesIn(paths::dataFolder()), QStringList{QFileInfo(yearlyPath()).fileName()});
    }
}

TEST_F(YearlyDatabaseTest, CreationNeverTouchesAFileAlreadyThere)
{
    QFile existing(yearlyPath());
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("not ours");
    existing.close();

    EXPECT_FALSE(TworzBaze(yearlyPath()));
    ASSERT_EQ(dialogs->calls().size(), 1u);
    EXPECT_EQ(dialogs->last().text,
              yearlyPath() + QStringLiteral(" już istnieje! Skontaktuj się z programistą!"));
    ASSERT_TRUE(existing.open(QIODevice::ReadOnly));
    EXPECT_EQ(existing.readAll(), QByteArray("not ours"));
    EXPECT_EQ(filesIn(paths::dataFolder()).size(), 1);
}

TEST_F(YearlyDatabaseTest, TableCreatorsRefuseWithTheEngineErrorAndFieldsMustAllBeMade)
{
    const QString path = paths::join(paths::dataFolder(), QStringLiteral("x.sqlite"));
    ASSERT_TRUE(CreateDB(path));
    ASSERT_TRUE(CreateTablePartia(path, QStringLiteral("Partia")));
    EXPECT_FALSE(CreateTablePartia(path, QStringLiteral("Partia")));
    ASSERT_EQ(dialogs->calls().size(), 1u);
    EXPECT_TRUE(dialogs->last().text.startsWith(QStringLiteral("3010")))
        << dialogs->last().text.toStdString();

    db::TableDef td{QStringLiteral("T"), {}};
    EXPECT_TRUE(CreateDBField(td, QStringLiteral("A"), db::DataType::Text, true, 10));
    EXPECT_FALSE(CreateDBField(td, QStringLiteral("a"), db::DataType::Long, false, 0));
    EXPECT_FALSE(CreateDBField(td, QStringLiteral("B"), db::DataType::Text, true, 300));
    EXPECT_EQ(td.fields.size(), 1);
    EXPECT_EQ(dialogs->calls().size(), 3u);
}

} // namespace
