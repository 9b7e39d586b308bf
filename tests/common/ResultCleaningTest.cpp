#include "common/ResultCleaning.h"
#include "common/ModLabor.h"

#include "platform/db/JetError.h"
#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"

#include "support/Installed.h"
#include "support/ScriptedDialogs.h"
#include "support/TempProgramFolder.h"

using namespace trelimor;
using namespace trelimor::test;

namespace {

using db::DataType;
using db::Field;

class ResultCleaningTest : public TempProgramFolder
{
protected:
    void SetUp() override
    {
        ModLabor().BazaRok = db::Database::create(folders.path(QStringLiteral("Trelimor1465PIW2022.sqlite")));
        db::Transaction schema(yearly()); // one write to the disk instead of ten
        makeBadanie(true);
        for (const QString& table : resultTables()) {
            QList<Field> fields{Field::of(QStringLiteral("Partia"), DataType::Long),
                                Field::of(QStringLiteral("NrProbki"), DataType::Integer)};
            if (table == QLatin1String("EBB"))
                fields << Field::text(QStringLiteral("Elisa"), 10);
            if (table == QLatin1String("Br"))
                fields << Field::text(QStringLiteral("OKAP"), 10);
            fields << Field::text(QStringLiteral("WynikOgolny"), 10);
            yearly().createTable({table, fields});
        }
        schema.commit();
        hooks.openYearlyDatabase = [this] {
            ++openings;
            callsWhenOpened = dialogs->calls().size();
            return true;
        };
        hooks.showWaitFrame = [this](bool shown) { waitFrame.push_back(shown); };
    }
    void TearDown() override { resetModLabor(); }

    static db::Database& yearly() { return ModLabor().BazaRok; }
    static void makeBadanie(bool withGroup)
    {
        QList<Field> fields{Field::of(QStringLiteral("Partia"), DataType::Long),
                            Field::of(QStringLiteral("NrProbki"), DataType::Integer)};
        if (withGroup)
            fields << Field::of(QStringLiteral("PartiaG"), DataType::Long);
        yearly().createTable({QStringLiteral("Badanie"), fields});
    }
    static void addSample(int group, int sample)
    {
        yearly().execute(QStringLiteral("INSERT INTO Badanie (Partia, NrProbki, PartiaG) VALUES (1, ?, ?)"),
                         {sample, group});
    }
    static void addResult(const QString& table, const QVariant& group, const QVariant& sample)
    {
        yearly().execute(QStringLiteral("INSERT INTO %1 (Partia, NrProbki) VALUES (?, ?)").arg(table),
                         {group, sample});
    }
    // Partia/NrProbki of every row, in table order.
    static QStringList keys(const QString& table)
    {
        QStringList list;
        db::Recordset rows = yearly().openRecordset(QStringLiteral("SELECT * FROM %1").arg(table));
        for (; !rows.eof(); rows.moveNext())
            list << rows.value(QStringLiteral("Partia")).toString() + QLatin1Char('/') +
                        rows.value(QStringLiteral("NrProbki")).toString();
        return list;
    }
    static QVariantList generalResults(const QString& table)
    {
        QVariantList list;
        db::Recordset rows = yearly().openRecordset(QStringLiteral("SELECT * FROM %1").arg(table));
        for (; !rows.eof(); rows.moveNext())
            list << rows.value(QStringLiteral("WynikOgolny"));
        return list;
    }
    static void addGeneral(const QString& table, const QVariant& source, const QVariant& general)
    {
        const QString sourceColumn =
            table == QLatin1String("EBB") ? QStringLiteral("Elisa") : QStringLiteral("OKAP");
        yearly().execute(
            QStringLiteral("INSERT INTO %1 (Partia, NrProbki, %2, WynikOgolny) VALUES (1, 1, ?, ?)")
                .arg(table, sourceColumn),
            {source, general});
    }
    std::vector<DialogCall> reports() const
    {
        std::vector<DialogCall> found;
        for (const DialogCall& call : dialogs->calls())
            if (call.title == QStringLiteral("Powiadom programistę!"))
                found.push_back(call);
        return found;
    }

    Installed<ScriptedDialogs> dialogs;
    ResultCommandHooks hooks;
    int openings = 0;
    std::size_t callsWhenOpened = 0;
    std::vector<bool> waitFrame;
};

TEST_F(ResultCleaningTest, ResultRowsOfDeletedSamplesGoAndTheOthersStay)
{
    addSample(10, 1);
    addSample(10, 2);
    for (const auto& [group, sample] : std::vector<std::pair<QVariant, QVariant>>{
             {10, 1}, {10, 3}, {10, 2}, {10, 3}, {11, 1}, {QVariant(), 1}})
        addResult(QStringLiteral("EBB"), group, sample);
    addResult(QStringLiteral("BrOK"), 10, 3);
    addResult(QStringLiteral("BrOK"), 10, 2);

    dialogs->answerYes();
    menCzyszc_Click(hooks);
    EXPECT_EQ(keys(QStringLiteral("EBB")), (QStringList{"10/1", "10/2", "/1"}));
    EXPECT_EQ(keys(QStringLiteral("BrOK")), QStringList{"10/2"});
    EXPECT_EQ(openings, 1);
    EXPECT_EQ(callsWhenOpened, 1u); // after the question
    EXPECT_EQ(waitFrame, (std::vector<bool>{true, false}));
    EXPECT_EQ(dialogs->last().title, QStringLiteral("INFORMACJA"));
    EXPECT_EQ(dialogs->last().text, QStringLiteral("Czyszczenie zbiorów zakończone powodzeniem!"));
    EXPECT_FALSE(yearly().inTransaction());
}

TEST_F(ResultCleaningTest, AMissingTableIsNamedAndTheOthersAreCleaned)
{
    yearly().dropTable(QStringLiteral("NZK"));
    addResult(QStringLiteral("EBB"), 10, 3);
    addResult(QStringLiteral("Q"), 10, 3);

    dialogs->answerYes();
    menCzyszc_Click(hooks);
    ASSERT_EQ(reports().size(), 1u);
    EXPECT_TRUE(reports().front().text.startsWith(QStringLiteral("Tabela NZK: ")));
    EXPECT_TRUE(keys(QStringLiteral("EBB")).isEmpty());
    EXPECT_TRUE(keys(QStringLiteral("Q")).isEmpty());
    EXPECT_EQ(dialogs->last().title, QStringLiteral("Czyszczenie zbiorów!"));
    EXPECT_EQ(dialogs->last().text, QStringLiteral("Czyszczenie zbiorów nie powiodło się dla tabel: NZK."));
    EXPECT_EQ(waitFrame, (std::vector<bool>{true, false}));
}

TEST_F(ResultCleaningTest, WithoutPartiaGEveryFilledTableFailsAndNothingIsDeleted)
{
    yearly().dropTable(QStringLiteral("Badanie"));
    makeBadanie(false);
    addResult(QStringLiteral("EBB"), 10, 3);
    addResult(QStringLiteral("Br"), 10, 3);

    dialogs->answerYes();
    menCzyszc_Click(hooks);
    EXPECT_EQ(reports().size(), 2u); // the empty tables pass without a word
    EXPECT_EQ(dialogs->last().text,
              QStringLiteral("Czyszczenie zbiorów nie powiodło się dla tabel: EBB, Br."));
    EXPECT_EQ(keys(QStringLiteral("EBB")), QStringList{"10/3"});
    EXPECT_EQ(keys(QStringLiteral("Br")), QStringList{"10/3"});
    EXPECT_FALSE(yearly().inTransaction());
}

TEST_F(ResultCleaningTest, OnlyEmptyGeneralResultsAreFilledFromTheTestsOwnColumn)
{
    addGeneral(QStringLiteral("EBB"), QStringLiteral("dodatni"), QVariant());
    addGeneral(QStringLiteral("EBB"), QStringLiteral("ujemny"), QString(""));
    addGeneral(QStringLiteral("EBB"), QStringLiteral("dodatni"), QStringLiteral("0"));
    addGeneral(QStringLiteral("EBB"), QStringLiteral("dodatni"), QStringLiteral(" "));
    addGeneral(QStringLiteral("EBB"), QVariant(), QVariant());
    addGeneral(QStringLiteral("Br"), QStringLiteral("ujemny"), QVariant());

    dialogs->answerYes();
    menWynik_Click(hooks);
    EXPECT_EQ(callsWhenOpened, 0u); // the yearly database is opened before the question
    EXPECT_EQ(generalResults(QStringLiteral("EBB")),
              (QVariantList{"dodatni", "ujemny", "0", " ", QVariant()}));
    EXPECT_TRUE(db::isNull(generalResults(QStringLiteral("EBB")).back()));
    EXPECT_EQ(generalResults(QStringLiteral("Br")), QVariantList{"ujemny"});
    EXPECT_EQ(
        dialogs->last().text,
        QStringLiteral("Automatyczne uzupełnianie wyniku ogólnego dla EBB i Br zakończone powodzeniem!"));
}

TEST_F(ResultCleaningTest, AValueThatDoesNotFitLeavesItsWholeTableAsItWas)
{
    addGeneral(QStringLiteral("EBB"), QStringLiteral("dodatni"), QVariant());
    addGeneral(QStringLiteral("Br"), QStringLiteral("ujemny"), QVariant());
    yearly().execute(QStringLiteral("INSERT INTO Br (Partia, NrProbki, OKAP) VALUES (1, 2, ?)"),
                     {QStringLiteral("wątpliwy!!")});
    yearly().retypeColumn(QStringLiteral("Br"), Field::text(QStringLiteral("WynikOgolny"), 6));

    dialogs->answerYes();
    menWynik_Click(hooks);
    ASSERT_EQ(reports().size(), 1u);
    EXPECT_TRUE(reports().front().text.startsWith(QStringLiteral("Tabela Br: ")));
    EXPECT_EQ(generalResults(QStringLiteral("Br")), (QVariantList{QVariant(), QVariant()}));
    EXPECT_EQ(generalResults(QStringLiteral("EBB")), QVariantList{"dodatni"});
    EXPECT_EQ(dialogs->last().title, QStringLiteral("Czyszczenie zbiorów!"));
    EXPECT_TRUE(dialogs->last().text.endsWith(QStringLiteral("dla tabel: Br.")));
}

TEST_F(ResultCleaningTest, AYearlyDatabaseThatCannotBeOpenedStopsBothCommands)
{
    hooks.openYearlyDatabase = []() -> bool {
        throw db::JetError::fromNumber(db::jet::FileNotFound, QStringLiteral("x"));
    };
    addResult(QStringLiteral("EBB"), 10, 3);

    dialogs->answerYes();
    menCzyszc_Click(hooks);
    menWynik_Click(hooks); // fails before its question
    ASSERT_EQ(dialogs->calls().size(), 3u);
    EXPECT_EQ(dialogs->calls()[1].title, QStringLiteral("Czyszczenie zbiorów!"));
    EXPECT_EQ(dialogs->calls()[2].title, QStringLiteral("Czyszczenie zbiorów!"));
    EXPECT_TRUE(waitFrame.empty());
    EXPECT_EQ(keys(QStringLiteral("EBB")), QStringList{"10/3"});

    // An opener that reported its own failure ends the commands without a further word.
    hooks.openYearlyDatabase = [] { return false; };
    dialogs->answerYes();
    menCzyszc_Click(hooks);
    menWynik_Click(hooks);
    EXPECT_EQ(dialogs->calls().size(), 4u);
    EXPECT_TRUE(waitFrame.empty());

    // Without an open yearly database the commands say so too, after the wait frame came and went.
    hooks.openYearlyDatabase = nullptr;
    yearly().close();
    dialogs->answerYes();
    menCzyszc_Click(hooks);
    EXPECT_EQ(dialogs->last().title, QStringLiteral("Czyszczenie zbiorów!"));
    EXPECT_EQ(waitFrame, (std::vector<bool>{true, false}));
}

TEST_F(ResultCleaningTest, NamesThatAreNotPlainAreRefused)
{
    addResult(QStringLiteral("EBB"), 10, 3);
    EXPECT_FALSE(CzyscZbior(QStringLiteral("EBB; DROP TABLE Badanie")));
    EXPECT_FALSE(UzupelnijWynikOgolny(QStringLiteral("EBB"), QStringLiteral("Elisa) --"),
                                      QStringLiteral("WynikOgolny")));
    EXPECT_EQ(reports().size(), 2u);
    EXPECT_TRUE(yearly().hasTable(QStringLiteral("Badanie")));
    EXPECT_EQ(keys(QStringLiteral("EBB")), QStringList{"10/3"});
}

} // namespace
