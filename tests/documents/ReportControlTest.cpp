#include "DocumentsFixture.h"

#include "common/ModLabor.h"
#include "documents/FormDrukRap.h"
#include "documents/ReportControl.h"

#include "platform/report/Report.h"
#include "platform/report/ReportError.h"

#include <QPushButton>

#include <gtest/gtest.h>

using namespace trelimor;
using namespace trelimor::test;

namespace {

TEST(ReportControl, SelectionFormulaBecomesARecordSelection)
{
    const auto batch = ReportControl::parseSelectionFormula(QStringLiteral(" {Partia.Partia} = 12"));
    ASSERT_TRUE(batch.has_value());
    EXPECT_EQ(batch->table, QStringLiteral("Partia"));
    EXPECT_EQ(batch->field, QStringLiteral("Partia"));
    EXPECT_EQ(batch->value, QVariant(qlonglong(12)));
    EXPECT_EQ(ReportControl::parseSelectionFormula(QStringLiteral("{Badanie.Plec}='żeńska'"))->value,
              QVariant(QStringLiteral("żeńska")));
    EXPECT_FALSE(ReportControl::parseSelectionFormula(QStringLiteral("  ")).has_value());
    EXPECT_THROW(ReportControl::parseSelectionFormula(QStringLiteral("{Partia.Partia} = 12 OR 1=1")),
                 report::ReportError);
}

class ReportControlTest : public DocumentsFixture
{
};

TEST_F(ReportControlTest, RunShowsTheSelectedBatchMaximisedThenResetForgetsTheSettings)
{
    writeTemplate(
        QStringLiteral("ProtokolSaria.html"),
        "<h1>Protokół zbiorczy{{title}}</h1>{{#Partia}}<p>Partia {{Partia}}: {{Pobral}}</p>{{/Partia}}");
    ModLabor().BazaRobot.execute(
        QStringLiteral("INSERT INTO Partia (Partia, Pobral) VALUES (12, 'Nowak'), (13, 'Żak')"));

    ReportControl CRdzien;
    CRdzien.reset();
    CRdzien.setReportTitle(QStringLiteral(" - badania w kierunku TSE"));
    CRdzien.setReportFileName(ModLabor().KatalogRaportow + QStringLiteral("ProtokolSaria.rpt"));
    CRdzien.setSelectionFormula(QStringLiteral(" {Partia.Partia} = 12"));
    CRdzien.setShowPrintSetup(false);
    CRdzien.setWindowState(2);

    QString html;
    opener->onOpen(QStringLiteral("FormDrukRap"), [&html](QDialog& window) {
        auto& form = static_cast<FormDrukRap&>(window);
        EXPECT_TRUE(form.windowState() & Qt::WindowMaximized);
        EXPECT_FALSE(form.ComDrukarka->isVisible());
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Drukowanie"));
        html = form.report()->html();
    });
    CRdzien.run();
    EXPECT_EQ(html,
              QStringLiteral("<h1>Protokół zbiorczy - badania w kierunku TSE</h1><p>Partia 12: Nowak</p>"));
    FormDrukRap& form = FormDrukRap::instance();
    EXPECT_FALSE(form.windowState() & Qt::WindowMaximized) << "the next report shows at the window's size";
    EXPECT_TRUE(form.ComDrukarka->isVisibleTo(&form));

    CRdzien.reset();
    EXPECT_TRUE(CRdzien.reportTitle().isEmpty());
    EXPECT_TRUE(CRdzien.reportFileName().isEmpty());
    EXPECT_TRUE(CRdzien.selectionFormula().isEmpty());
    EXPECT_EQ(CRdzien.windowState(), 0);
}

} // namespace
