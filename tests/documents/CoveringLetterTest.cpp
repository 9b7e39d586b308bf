#include "BatchDocumentsFixture.h"

#include "common/CodeLists.h"
#include "common/ModLabor.h"
#include "documents/BatchDocuments.h"
#include "documents/FormDrukRap.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace trelimor;
using namespace trelimor::test;

namespace {

class CoveringLetterTest : public BatchDocumentsFixture
{
protected:
    static QString letter(const char* field)
    {
        return workValue(QStringLiteral("PismoPrzewodnie"), QString::fromLatin1(field)).toString();
    }
};

TEST(TestDirection, FollowsTheSpeciesExactly)
{
    EXPECT_EQ(kierunekBadania(QStringLiteral("Owca"), false), QStringLiteral("TSE"));
    EXPECT_EQ(kierunekBadania(QStringLiteral("owce"), true), QStringLiteral("BSE"));
    EXPECT_EQ(kierunekBadania(QStringLiteral("Jeleniowate"), true), QStringLiteral("CWD"));
    EXPECT_EQ(kierunekBadania(QStringLiteral("Jeleniowate"), false), QStringLiteral("BSE"));
    EXPECT_EQ(kierunekBadania(QString(), true), QStringLiteral("BSE"));
}

TEST_F(CoveringLetterTest, TheLetterSummarisesTheSamplesOfDeer)
{
    addBatch({{QStringLiteral("IlProbek"), 3}, {QStringLiteral("Uwagi"), QStringLiteral("Pilne")}});
    const char* sexes[] = {"XX", "XY", "XX"};
    const char* systems[] = {"DJ", "OJ", "DJ"};
    for (int nr = 1; nr <= 3; ++nr)
        addSample(nr, {{QStringLiteral("Gatunek"), QStringLiteral("Jeleniowate")},
                       {QStringLiteral("Gatunek2"), QStringLiteral("jeleń szlachetny")},
                       {QStringLiteral("Plec"), QString::fromLatin1(sexes[nr - 1])},
                       {QStringLiteral("SystemUtrzymania"), QString::fromLatin1(systems[nr - 1])},
                       {QStringLiteral("Wiek"), nr == 2 ? 4.5 : 3.0}});
    okno.select(12);
    recordReports();

    ComPismoPrzewodnie_Click(okno);

    EXPECT_EQ(letter("NumerProbek"), QStringLiteral("1465/12/3/2022"));
    EXPECT_EQ(letter("LiczbaSztukPlec"), QStringLiteral("3 / XX, XY"));
    EXPECT_EQ(letter("MiejsceUtrzymywania"),
              QStringLiteral("DJ-jeleniowaty dziki, OJ-jeleniowaty częściowo oswojony"));
    EXPECT_EQ(letter("GatunekRodzaj"), QStringLiteral("jeleń szlachetny"));
    EXPECT_EQ(letter("WiekWaga"), QStringLiteral("3, 4,5"));
    EXPECT_EQ(letter("WNI"), QStringLiteral("14650001"));
    EXPECT_EQ(letter("DataPobr"), QStringLiteral("30.03.2022"));
    EXPECT_EQ(letter("DataWyslaniaDoLab"), QStringLiteral("31.03.2022"));
    EXPECT_EQ(letter("IlProbek"), QStringLiteral("3"));
    EXPECT_EQ(letter("Uwagi"), QStringLiteral("Pilne"));
    EXPECT_EQ(workCount(QStringLiteral("Podatnik")), 1);
    EXPECT_EQ(okno.raport.reportTitle(), QStringLiteral("Badanie w kierunku CWD"));
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains(QStringLiteral("Badanie w kierunku CWD")));
    EXPECT_TRUE(reports[0].contains(QStringLiteral("DJ-jeleniowaty dziki")));
    EXPECT_TRUE(dialogs->calls().empty()) << "a declared count equal to the samples asks nothing";
}

TEST_F(CoveringLetterTest, AnUndeclaredCountLeftEmptyStillPrintsAndEarTagsAreCut)
{
    addBatch();
    for (int nr = 1; nr <= 40; ++nr)
        addSample(nr,
                  {{QStringLiteral("NrKolczyka"), QStringLiteral("PL%1").arg(nr, 12, 10, QLatin1Char('0'))}});
    okno.select(12);
    recordReports();
    dialogs->answerNo();

    ComPismoPrzewodnie_Click(okno);

    EXPECT_TRUE(dialogs->last().text.startsWith(QStringLiteral("Brak zdefiniowanej ilości próbek")));
    EXPECT_EQ(letter("NrKolczykaTatuazu").size(), 255);
    EXPECT_TRUE(letter("NrKolczykaTatuazu").startsWith(QStringLiteral("PL000000000001, PL000000000002, ")));
    EXPECT_EQ(letter("IlProbek"), QString());
    EXPECT_EQ(letter("NumerProbek"), QStringLiteral("1465/12//2022"));
    EXPECT_EQ(letter("LiczbaSztukPlec"), QStringLiteral("40 / XX"));
    EXPECT_EQ(reports.size(), 1);
}

TEST_F(CoveringLetterTest, WithoutADispatchDateTheLetterIsRefused)
{
    addBatch({{QStringLiteral("IlProbek"), 1}, {QStringLiteral("DataWyslaniaDoLab"), QVariant()}});
    addSample(1);
    okno.select(12);
    ComDrukuj_Click(okno);
    okno.klawisze.clear();

    ComPismoPrzewodnie_Click(okno);

    ASSERT_EQ(dialogs->calls().size(), 1u);
    EXPECT_EQ(dialogs->last().text, QStringLiteral("Uzupełnij datę wysłania do laboratorium!"));
    EXPECT_EQ(dialogs->last().title, QStringLiteral("INFORMACJA"));
    EXPECT_EQ(dialogs->last().icon, ui::Icon::Information);
    EXPECT_EQ(workCount(QStringLiteral("PismoPrzewodnie")), 0);
    EXPECT_EQ(workCount(QStringLiteral("Badanie")), 1);
    EXPECT_EQ(workCount(QStringLiteral("Podatnik")), 1);
    EXPECT_TRUE(opener->opened().isEmpty());
    EXPECT_FALSE(okno.frameVisible);
    EXPECT_EQ(okno.klawisze, (std::vector<std::pair<bool, bool>>{{true, true}}));
    EXPECT_FALSE(okno.waiting());
}

TEST_F(CoveringLetterTest, RefusingToCorrectADifferentCountLeavesEverythingAsItWas)
{
    addBatch({{QStringLiteral("IlProbek"), 12}});
    addSample(1);
    okno.select(12);
    ComDrukuj_Click(okno);
    okno.klawisze.clear();
    dialogs->answerNo();

    ComPismoPrzewodnie_Click(okno);

    ASSERT_EQ(dialogs->calls().size(), 2u);
    EXPECT_EQ(dialogs->last().title, QStringLiteral("INFORMACJA"));
    EXPECT_EQ(workCount(QStringLiteral("Partia")), 0) << "no work table is touched";
    EXPECT_TRUE(okno.frameVisible) << "the print frame stays open for another printout";
    EXPECT_TRUE(okno.klawisze.empty());
    EXPECT_FALSE(okno.waiting());
}

TEST_F(CoveringLetterTest, EachBatchsLetterGoesToThePrintDialogUnderItsOwnBatch)
{
    for (int batch : {12, 13}) {
        addBatch({{QStringLiteral("Partia"), batch}, {QStringLiteral("IlProbek"), 1}});
        addSample(1, {{QStringLiteral("Partia"), batch}});
    }
    opener->onOpen(QStringLiteral("FormDrukRap"), [](QDialog& window) {
        QTest::mouseClick(static_cast<FormDrukRap&>(window).ComDrukarka, Qt::LeftButton);
    });
    dialogs->answerCancel().answerCancel();

    for (int batch : {12, 13}) {
        okno.select(batch);
        ComPismoPrzewodnie_Click(okno);
    }

    // One name for both would let "Tak" at the overwrite question replace one batch's letter.
    ASSERT_EQ(dialogs->calls().size(), 2u);
    for (const DialogCall& call : dialogs->calls())
        EXPECT_EQ(call.kind, DialogCall::Kind::PrinterSetup);
    EXPECT_EQ(dialogs->calls()[0].path, QStringLiteral("Pismo przewodnie partia 12 20220331"));
    EXPECT_EQ(dialogs->calls()[1].path, QStringLiteral("Pismo przewodnie partia 13 20220331"));
}

} // namespace
