#include "BatchDocumentsFixture.h"

#include "common/ModLabor.h"
#include "documents/BatchDocuments.h"
#include "documents/FormDrukRap.h"
#include "documents/PrintPreparation.h"

#include "platform/db/Recordset.h"

#include <QFile>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace trelimor;
using namespace trelimor::test;

namespace {

using Klawisze = std::vector<std::pair<bool, bool>>;

class PrintoutsTest : public BatchDocumentsFixture
{
protected:
    // Opens the print frame as the print button does.
    void openFrame()
    {
        ComDrukuj_Click(okno);
        ASSERT_TRUE(okno.frameVisible);
        okno.klawisze.clear();
    }
    // The frame closed and the whole window usable again.
    void expectUnlocked()
    {
        EXPECT_FALSE(okno.frameVisible);
        EXPECT_EQ(okno.klawisze, (Klawisze{{true, true}}));
        EXPECT_FALSE(okno.waiting());
    }
};

TEST_F(PrintoutsTest, PrintButtonOpensAndClosesTheFrameOnlyWithSamples)
{
    addBatch();
    okno.select(12);
    ComDrukuj_Click(okno);
    ASSERT_EQ(dialogs->calls().size(), 1u);
    EXPECT_EQ(dialogs->last().text, QStringLiteral("Brak danych do wydruku!"));
    EXPECT_EQ(dialogs->last().title, QStringLiteral("DRUKOWANIE"));
    EXPECT_EQ(dialogs->last().icon, ui::Icon::Warning);
    EXPECT_FALSE(okno.frameVisible);

    addSample(1);
    okno.select(12);
    okno.drukujEnabled = false;
    ComDrukuj_Click(okno);
    EXPECT_TRUE(okno.frameVisible);
    EXPECT_EQ(okno.klawisze, (Klawisze{{false, true}}));
    EXPECT_TRUE(okno.drukujEnabled) << "the print button closes the frame again";
    okno.klawisze.clear();
    ComDrukuj_Click(okno);
    expectUnlocked();
}

TEST_F(PrintoutsTest, CopyOfTheBatchAddsTheOwnerToTheRemarksOfFallenAnimals)
{
    const QString owner =
        QStringLiteral("Józef Wiśniewski, Łomianki Polna 7, woj. mazowieckie, pow. warszawski zachodni");
    addBatch();
    addSample(1, {{QStringLiteral("RodzajUboju"), QStringLiteral("P")},
                  {QStringLiteral("Uwagi"), QStringLiteral("Padła w oborze")}});
    addSample(2, {{QStringLiteral("RodzajUboju"), QStringLiteral("p")},
                  {QStringLiteral("Uwagi"), QStringLiteral("   ")},
                  {QStringLiteral("WlascicielImie"), QVariant()}});
    addSample(3,
              {{QStringLiteral("Uwagi"), QStringLiteral("bez zmian")}, {QStringLiteral("Wiek"), QVariant()}});
    okno.select(12);

    EXPECT_TRUE(kopiujPartieDoRoboczej(okno));

    EXPECT_EQ(workValue(QStringLiteral("Partia"), QStringLiteral("NrZlecenia")),
              QVariant(QStringLiteral("12")));
    db::Recordset rs = ModLabor().BazaRobot.openRecordset(QStringLiteral("SELECT * FROM Badanie"));
    ASSERT_EQ(rs.recordCount(), 3);
    EXPECT_EQ(rs.value(QStringLiteral("Uwagi")).toString(), QStringLiteral("Padła w oborze\r\n") + owner);
    rs.moveNext();
    EXPECT_EQ(rs.value(QStringLiteral("Uwagi")).toString(), owner.mid(5)) << "blank remarks are replaced";
    rs.moveNext();
    EXPECT_EQ(rs.value(QStringLiteral("Uwagi")).toString(), QStringLiteral("bez zmian"));
    EXPECT_TRUE(rs.value(QStringLiteral("Wiek")).isNull());
    EXPECT_TRUE(dialogs->calls().empty());
}

TEST_F(PrintoutsTest, ProtocolFillsItsWorkRowAndShowsTheReportForTheSelectedSample)
{
    addBatch();
    addSample(1);
    addSample(2, {{QStringLiteral("Gatunek"), QStringLiteral("Koza")}});
    okno.select(12, 1);
    openFrame();
    recordReports();

    ComProtokol_Click(okno);

    EXPECT_EQ(workValue(QStringLiteral("Partia"), QStringLiteral("MiastoDnia")),
              QVariant(QStringLiteral("Warszawa, dn. 31 marzec 2022 r.")));
    EXPECT_EQ(workValue(QStringLiteral("Partia"), QStringLiteral("Drukowal")),
              QVariant(QStringLiteral("Wersja 22.03.31   Kowalski Jan")));
    EXPECT_EQ(
        workValue(QStringLiteral("Partia"), QStringLiteral("AdresZakladu")),
        QVariant(QStringLiteral("Zakład Mięsny „Grochów” Sp. z o.o.\r\nul. Rzeźnicza 5, 04-123 Warszawa")));
    EXPECT_EQ(okno.raport.reportTitle(), QStringLiteral(" - badania w kierunku TSE"));
    EXPECT_EQ(okno.raport.reportFileName(), ModLabor().KatalogRaportow + QStringLiteral("Protokol.rpt"));
    ASSERT_EQ(reports.size(), 1);
    for (const char* text : {"Powiatowy Inspektorat Weterynarii", "PL005467389122", "badania w kierunku TSE",
                             "Wiśniewski", "Warszawa, dn. 31 marzec 2022 r."})
        EXPECT_TRUE(reports[0].contains(QString::fromUtf8(text))) << text;
    EXPECT_FALSE(FormDrukRap::instance().ComWyslij->isEnabled());
    // Its PDF is proposed under the report's own name, never under the title's " - badania".
    EXPECT_EQ(FormDrukRap::instance().defaultPdfName(),
              QStringLiteral("Protokół pobrania próbek partia 12 20220331"));
    expectUnlocked();
    EXPECT_TRUE(dialogs->calls().empty());

    // Without a date of dispatch the place-and-date line stays empty.
    ModLabor().BazaRok.execute(QStringLiteral("UPDATE Partia SET DataWysylki = NULL"));
    okno.select(12);
    ComProtokol_Click(okno);
    EXPECT_TRUE(workValue(QStringLiteral("Partia"), QStringLiteral("MiastoDnia")).isNull());
    EXPECT_EQ(okno.raport.reportTitle(), QStringLiteral(" - badania w kierunku BSE"));
}

TEST_F(PrintoutsTest, CombinedProtocolRunsOnTheReportControlForTheSelectedBatch)
{
    addBatch();
    addSample(1);
    okno.select(12);
    recordReports();

    ComProtokolSaria1_Click(okno);

    EXPECT_EQ(workValue(QStringLiteral("Partia"), QStringLiteral("NazwaZakladu")),
              QVariant(QStringLiteral("Zakład Mięsny „Grochów” Sp. z o.o., 04-123 Warszawa")));
    EXPECT_EQ(okno.raport.reportTitle(), QStringLiteral(" - badania w kierunku BSE Nr 12/2022"));
    EXPECT_EQ(okno.raport.selectionFormula(), QStringLiteral(" {Partia.Partia} = 12"));
    EXPECT_EQ(okno.raport.windowState(), 2);
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains(QStringLiteral("Nr 12/2022")));
    EXPECT_EQ(FormDrukRap::instance().defaultPdfName(),
              QStringLiteral("Protokół zbiorczy pobrania próbek partia 12 20220331"));
    EXPECT_TRUE(reports[0].contains(QStringLiteral("Zakład Mięsny „Grochów” Sp. z o.o., 04-123 Warszawa")));
}

TEST_F(PrintoutsTest, AFailedCopyOrReportStopsThePrintoutAndUnlocksTheWindow)
{
    addBatch();
    addSample(1);
    okno.select(12);

    openFrame();
    okno.labPartia = QStringLiteral("12 OR 1=1");
    ComProtokol_Click(okno);
    ASSERT_EQ(dialogs->calls().size(), 1u);
    EXPECT_EQ(dialogs->last().title, QStringLiteral("DrukowaniePartia"));
    EXPECT_TRUE(opener->opened().isEmpty()) << "no report of a batch that was not copied";
    EXPECT_EQ(workCount(QStringLiteral("Partia")), 0);
    expectUnlocked();

    okno.labPartia = QStringLiteral("12");
    ASSERT_TRUE(QFile::remove(ModLabor().KatalogRaportow + QStringLiteral("Protokol.html")));
    openFrame();
    ComProtokol_Click(okno);
    ASSERT_EQ(dialogs->calls().size(), 2u);
    EXPECT_EQ(dialogs->last().title, QStringLiteral("Drukowanie"));
    EXPECT_TRUE(dialogs->last().text.contains(QStringLiteral("Protokol.html")));
    expectUnlocked();
}

TEST_F(PrintoutsTest, WithoutBatchesThereIsNothingToPrint)
{
    okno.select(12);
    ComProtokolSaria1_Click(okno);
    ComPismoPrzewodnie_Click(okno);
    ASSERT_EQ(dialogs->calls().size(), 4u) << "the print button tells it again: it has no samples either";
    for (const DialogCall& call : dialogs->calls())
        EXPECT_EQ(call.text, QStringLiteral("Brak danych do wydruku!"));
    EXPECT_FALSE(okno.waiting());
}

} // namespace
