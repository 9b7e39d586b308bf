#include "InstalledRegisterTest.h"

#include "common/DataControl.h"
#include "common/ModLabor.h"
#include "common/ProgramState.h"
#include "registers/FormPlanProcedura.h"
#include "registers/FormPodp.h"
#include "registers/Openers.h"
#include "registers/RegisterFrame.h"

#include "support/RecordingOpener.h"
#include "support/TypePolish.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

using namespace trelimor;
using namespace trelimor::test;

namespace {

class FormPodpTest : public InstalledRegisterTest
{
protected:
    void addHint(const QString& table, int number, const QString& text)
    {
        insert(table, {{QStringLiteral("IDPODP"), number}, {QStringLiteral("PODPOWIEDZ"), text}});
    }
};

TEST_F(FormPodpTest, TheProposedNumberIsTheCountPlusOneAndTheNumberIsChecked)
{
    for (int number : {1, 2, 7})
        addHint(QStringLiteral("UwagiPartia"), number, QStringLiteral("uwaga %1").arg(number));
    Installed<RecordingOpener> opener;
    opener->onOpen(QStringLiteral("FormPodp"), [this](QDialog& w) {
        auto& window = static_cast<FormPodp&>(w);
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Uwagi do partii"));
        click(window, QStringLiteral("ComDodaj"));
        EXPECT_EQ(window.frame().title(), QStringLiteral("Nowa podpowiedź"));
        EXPECT_EQ(text(window, QStringLiteral("TxtNr")), QStringLiteral("4"));
        type(window, QStringLiteral("TxtNr"), QStringLiteral("  "));
        click(window, QStringLiteral("ComZapisz"));
        type(window, QStringLiteral("TxtNr"), QStringLiteral("4a"));
        click(window, QStringLiteral("ComZapisz"));
        // A number another hint holds is taken.
        type(window, QStringLiteral("TxtNr"), QStringLiteral("7"));
        type(window, QStringLiteral("TxtMet"), QStringLiteral("Próbka uszkodzona"));
        click(window, QStringLiteral("ComZapisz"));
        EXPECT_FALSE(frameOpen(window));
        EXPECT_TRUE(enabled(window, QStringLiteral("ComZamk")));
        click(window, QStringLiteral("ComZamk"));
    });
    otworzUwagiPartii();
    EXPECT_EQ(boxes(),
              (QStringList{QStringLiteral("INFORMACJA|Wpisz kolejny nr uwagi!"),
                           QStringLiteral("INFORMACJA|Wartość w polu Numer nie jest cyfrą. Popraw!")}));
    EXPECT_EQ(column(QStringLiteral("SELECT PODPOWIEDZ FROM UwagiPartia WHERE IDPODP = 7 ORDER BY rowid")),
              (QVariantList{QStringLiteral("uwaga 7"), QStringLiteral("Próbka uszkodzona")}));
}

TEST_F(FormPodpTest, EditsTheListItWasOpenedOnAndOnlyClosingRefillsTheBatchWindowsHints)
{
    addHint(QStringLiteral("UwagiProbka"), 1, QStringLiteral("stara"));
    addHint(QStringLiteral("UwagiPartia"), 1, QStringLiteral("partii"));
    QSignalSpy refills(&programState(), &ProgramState::remarkHintsChanged);
    Installed<RecordingOpener> opener;
    opener->onOpen(QStringLiteral("FormPodp"), [&](QDialog& w) {
        auto& window = static_cast<FormPodp&>(w);
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Uwagi do próbek"));
        EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("LabelCaption"))->text(),
                  QStringLiteral("PODPOWIEDZI DO UWAG"));
        click(window, QStringLiteral("ComPopraw"));
        EXPECT_EQ(window.frame().title(), QStringLiteral("Edycja"));
        // The grid stays usable, yet the correction stays on the hint it was opened on.
        window.dataControl().moveToRow(0);
        type(window, QStringLiteral("TxtMet"), QStringLiteral("nowa"));
        click(window, QStringLiteral("ComZapisz"));
        click(window, QStringLiteral("ComUsun"));
        dialogs->answerNo();
        click(window, QStringLiteral("ComUsun"));
        EXPECT_EQ(refills.count(), 0);
        click(window, QStringLiteral("ComZamk"));
    });
    dialogs->answerNo();
    otworzUwagiProbek();
    EXPECT_EQ(refills.count(), 1);
    EXPECT_EQ(column(QStringLiteral("SELECT PODPOWIEDZ FROM UwagiProbka")),
              QVariantList{QStringLiteral("nowa")});
    EXPECT_EQ(column(QStringLiteral("SELECT PODPOWIEDZ FROM UwagiPartia")),
              QVariantList{QStringLiteral("partii")});
    EXPECT_EQ(boxes().value(0), QStringLiteral("PYTANIE|Czy na pewno usunąć zaznaczoną pozycję?"));
}

TEST_F(FormPodpTest, AHintTakesOneHundredFiftyCharactersOnOneLine)
{
    FormPodp& window = FormPodp::instance();
    window.bindRecords(QStringLiteral("SELECT * FROM UwagiPartia ORDER BY IdPodp"));
    show(window);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    click(window, QStringLiteral("ComDodaj"));
    auto* box = window.findChild<QPlainTextEdit*>(QStringLiteral("TxtMet"));
    typePolish(box, QString(149, u'a'));
    QTest::keyClick(box, Qt::Key_Return);
    typePolish(box, QStringLiteral("żź"));
    EXPECT_EQ(box->toPlainText(), QString(149, u'a') + u'ż');
    click(window, QStringLiteral("ComZapisz"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT PODPOWIEDZ FROM UwagiPartia")), QString(149, u'a') + u'ż');
}

class FormPlanProceduraTest : public InstalledRegisterTest
{
protected:
    FormPlanProcedura& openPlans()
    {
        FormPlanProcedura& window = FormPlanProcedura::instance();
        window.pokazTabele(QStringLiteral("PlanPobierania"),
                           QStringLiteral("PLAN POBIERANIA PRÓBEK - SŁOWNIK"));
        show(window);
        return window;
    }
    QVariantList marked(const QString& flag, const QString& table = QStringLiteral("PlanPobierania"))
    {
        return column(QStringLiteral("SELECT Nazwa FROM %1 WHERE %2 = 'T' ORDER BY ID").arg(table, flag));
    }
    static void tick(FormPlanProcedura& window, const QString& box, bool on)
    {
        window.findChild<QCheckBox*>(box)->setChecked(on);
    }
};

TEST_F(FormPlanProceduraTest, APlanSavedAsDefaultBecomesTheOnlyDefaultAndTheProposedPlan)
{
    insert(QStringLiteral("PlanPobierania"), {{QStringLiteral("ID"), 5},
                                              {QStringLiteral("Nazwa"), QStringLiteral("Usługa")},
                                              {QStringLiteral("Domyslny2"), QStringLiteral("T")}});
    FormPlanProcedura& window = openPlans();
    EXPECT_EQ(window.LabTabela->text(), QStringLiteral("PlanPobierania"));
    click(window, QStringLiteral("ComDodaj"));
    EXPECT_EQ(text(window, QStringLiteral("TextID")), QStringLiteral("3"));
    type(window, QStringLiteral("TextNazwa"), QStringLiteral(" Monitoring "));
    tick(window, QStringLiteral("CheckDomyslny"), true);
    click(window, QStringLiteral("ComZapisz"));
    EXPECT_EQ(marked(QStringLiteral("Domyslny")), QVariantList{QStringLiteral("Monitoring")});
    EXPECT_EQ(marked(QStringLiteral("Domyslny2")), QVariantList{QStringLiteral("Usługa")});
    EXPECT_EQ(programState().defaultPlan(), QStringLiteral("Monitoring"));
    EXPECT_EQ(window.LabPlanNazwaDomyslna->text(), QStringLiteral("Monitoring"));
    EXPECT_EQ(window.LabPlanNazwaDomyslna2->text(), QStringLiteral("Usługa"));
    EXPECT_EQ(programState().defaultProcedure(), QStringLiteral("Obszar regulowany prawnie"));

    // The service-test mark moves alone; the correction keeps its row's number.
    ASSERT_TRUE(window.dataControl().recordset().findFirst(QStringLiteral("Nazwa = ?"),
                                                           {QStringLiteral("Monitoring")}));
    window.dataControl().currentChanged();
    click(window, QStringLiteral("ComPopraw"));
    EXPECT_TRUE(window.findChild<QCheckBox*>(QStringLiteral("CheckDomyslny"))->isChecked());
    tick(window, QStringLiteral("CheckDomyslny2"), true);
    click(window, QStringLiteral("ComZapisz"));
    EXPECT_EQ(marked(QStringLiteral("Domyslny")), QVariantList{QStringLiteral("Monitoring")});
    EXPECT_EQ(marked(QStringLiteral("Domyslny2")), QVariantList{QStringLiteral("Monitoring")});
    EXPECT_EQ(column(QStringLiteral("SELECT ID FROM PlanPobierania ORDER BY ID")), (QVariantList{1, 3, 5}));

    // Unticked, the entry is no default any more and nothing is proposed.
    click(window, QStringLiteral("ComPopraw"));
    tick(window, QStringLiteral("CheckDomyslny"), false);
    tick(window, QStringLiteral("CheckDomyslny2"), false);
    click(window, QStringLiteral("ComZapisz"));
    EXPECT_TRUE(marked(QStringLiteral("Domyslny")).isEmpty());
    EXPECT_EQ(programState().defaultPlan(), QString());
    EXPECT_EQ(window.LabPlanNazwaDomyslna2->text(), QString());
    EXPECT_EQ(marked(QStringLiteral("Domyslny"), QStringLiteral("ProceduraPobierania")),
              QVariantList{QStringLiteral("Obszar regulowany prawnie")});
    EXPECT_TRUE(dialogs->calls().empty());
}

TEST_F(FormPlanProceduraTest, TheProceduresOpenOnTheirOwnListAndDeleteWithoutAQuestion)
{
    Installed<RecordingOpener> opener;
    opener->onOpen(QStringLiteral("FormPlanProcedura"), [this](QDialog& w) {
        auto& window = static_cast<FormPlanProcedura&>(w);
        EXPECT_EQ(window.LabTabela->text(), QStringLiteral("ProceduraPobierania"));
        click(window, QStringLiteral("ComUsun"));
        click(window, QStringLiteral("ComDodaj"));
        EXPECT_EQ(text(window, QStringLiteral("TextID")), QStringLiteral("1"));
        type(window, QStringLiteral("TextNazwa"), QStringLiteral("Nowa procedura"));
        tick(window, QStringLiteral("CheckDomyslny"), true);
        click(window, QStringLiteral("ComZapisz"));
        click(window, QStringLiteral("ComZamk"));
    });
    otworzProceduryPobierania();
    EXPECT_EQ(
        FormPlanProcedura::instance().windowTitle(),
        QStringLiteral("Próbki zostały pobrane i dostarczone przez zleceniodawcę zgodnie z następującymi "
                       "dokumentami:"));
    EXPECT_EQ(marked(QStringLiteral("Domyslny"), QStringLiteral("ProceduraPobierania")),
              QVariantList{QStringLiteral("Nowa procedura")});
    EXPECT_EQ(programState().defaultProcedure(), QStringLiteral("Nowa procedura"));
    EXPECT_EQ(marked(QStringLiteral("Domyslny")), QVariantList{QStringLiteral("Obszar regulowany prawnie")});
    EXPECT_TRUE(dialogs->calls().empty());
}

} // namespace
