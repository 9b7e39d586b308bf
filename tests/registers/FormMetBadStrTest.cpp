#include "InstalledRegisterTest.h"

#include "common/ModLabor.h"
#include "registers/FormMetBadStr.h"

#include "support/FakeClock.h"
#include "support/RecordingOpener.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

using namespace trelimor;
using namespace trelimor::test;

namespace {

class FormMetBadStrTest : public InstalledRegisterTest
{
protected:
    void SetUp() override
    {
        InstalledRegisterTest::SetUp();
        insert(QStringLiteral("PIW"), {{QStringLiteral("IDPIW"), QStringLiteral("1465")},
                                       {QStringLiteral("W"), QStringLiteral("Krakowie")}});
        stale().execute(QStringLiteral("UPDATE NORMY SET Norma = 'PN-EN 17025' WHERE IDNORMY = 'PCA'"));
    }
    void workBatch(const QString& county)
    {
        robot().execute(QStringLiteral("INSERT INTO Partia (Partia, Powiat) VALUES (5, ?)"), {county});
    }
    QString workColumns()
    {
        return robot()
            .scalar(QStringLiteral("SELECT MetodaBadEBB || '|' || MetodaBadBr || '|' || Norma1 || '|' || "
                                   "ZlecenieNr || '|' || DataDruk || '|' || PIW FROM Partia"))
            .toString();
    }
    QVariant laboratoryNorm()
    {
        return scalar(QStringLiteral("SELECT Norma FROM NORMY WHERE IDNORMY = 'PCA'"));
    }

    // Opens the dialog for the module and county, fills it by the function and ends it with the button.
    bool run(const QString& module, const QString& county, const std::function<void(FormMetBadStr&)>& fill,
             const QString& button = QStringLiteral("ComOk"))
    {
        Installed<RecordingOpener> opener;
        opener->onOpen(QStringLiteral("FormMetBadStr"), [&](QDialog& w) {
            auto& dialog = static_cast<FormMetBadStr&>(w);
            fill(dialog);
            dialog.findChild<QPushButton*>(button)->click();
            EXPECT_FALSE(dialog.isVisible());
        });
        return otworzOpcjeSprawozdania(module, county);
    }

    Installed<FakeClock> clock;
};

TEST_F(FormMetBadStrTest, OkCompletesTheWorkBatchAndRemembersTheLaboratoryNorm)
{
    workBatch(QStringLiteral("1465"));
    QStringList proposed;
    EXPECT_TRUE(run(QStringLiteral("Ser"), QStringLiteral("1465"), [&](FormMetBadStr& d) {
        proposed << d.TextMetBadEBB->text() << d.TextMetBadBr->text() << d.TextNorma2->text()
                 << d.TextDataDruk->text();
        d.TextNorma1->setText(QStringLiteral("PN-A"));
        d.TextNorma2->setText(QStringLiteral("PN-B "));
        d.TextZlecenieNr->setText(QStringLiteral("Zlecenie 7"));
        d.CheckNorma->setChecked(true);
    }));
    EXPECT_EQ(proposed, (QStringList{QStringLiteral("TEST ELISA"), QStringLiteral("OKAP"),
                                     QStringLiteral("PN-EN 17025"), QStringLiteral("31.03.2022")}));
    EXPECT_EQ(workColumns(), QStringLiteral("TEST ELISA|OKAP|PN-A\r\rPN-B |Zlecenie 7|31.03.2022|Krakowie"));
    EXPECT_EQ(laboratoryNorm(), QStringLiteral("PN-B "));
    EXPECT_TRUE(dialogs->calls().empty());
}

TEST_F(FormMetBadStrTest, TheTownComesOnlyForItsModulesAndAnUntickedNormStaysAsItWas)
{
    workBatch(QStringLiteral("9999"));
    EXPECT_TRUE(run(QStringLiteral("Ser"), QStringLiteral("9999"), [](FormMetBadStr& d) {
        d.TextNorma1->setText(QStringLiteral("PN-A"));
        d.TextNorma2->clear();
    }));
    EXPECT_TRUE(workColumns().endsWith(QStringLiteral("|PN-A\r\r||31.03.2022|")))
        << workColumns().toStdString();

    EXPECT_TRUE(run(QStringLiteral("Inny"), QStringLiteral("1465"), [](FormMetBadStr&) {}));
    EXPECT_TRUE(workColumns().endsWith(u'|'));
    EXPECT_EQ(laboratoryNorm(), QStringLiteral("PN-EN 17025"));
}

TEST_F(FormMetBadStrTest, AnEmptyWorkTableAndCancelWriteNothing)
{
    EXPECT_FALSE(run(QStringLiteral("Ser"), QStringLiteral("1465"), [](FormMetBadStr& d) {
        d.TextNorma2->setText(QStringLiteral("PN-B"));
        d.CheckNorma->setChecked(true);
    }));
    ASSERT_EQ(dialogs->calls().size(), 1u);
    EXPECT_EQ(dialogs->last().text, QStringLiteral("Brak rekordu!"));
    EXPECT_EQ(dialogs->last().icon, ui::Icon::None);
    EXPECT_EQ(laboratoryNorm(), QStringLiteral("PN-EN 17025"));

    workBatch(QStringLiteral("1465"));
    EXPECT_FALSE(run(
        QStringLiteral("Ser"), QStringLiteral("1465"),
        [](FormMetBadStr& d) { d.CheckNorma->setChecked(true); }, QStringLiteral("ComAnulujFr")));
    EXPECT_EQ(ModLabor().TrybSlownika, QStringLiteral("ANULUJ"));
    EXPECT_TRUE(robot().scalar(QStringLiteral("SELECT MetodaBadEBB FROM Partia")).isNull());
    EXPECT_EQ(laboratoryNorm(), QStringLiteral("PN-EN 17025"));
}

} // namespace
