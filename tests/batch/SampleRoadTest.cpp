#include "SampleFixture.h"

#include "common/ModLabor.h"
#include "common/ProgramState.h"
#include "shell/aMain.h"

#include "support/TypePolish.h"

#include "platform/ui/DefaultInstance.h"

#include <QPushButton>
#include <QTest>

using namespace trelimor;
using namespace trelimor::test;

namespace {

class SampleRoadTest : public SampleFixture
{
protected:
    static void kliknij(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }

    static void wpisz(QWidget* field, const QString& text)
    {
        field->setFocus();
        typePolish(field, text);
    }

    // Types into a list box and takes the entry with Enter, as a user picks from the list.
    static void wybierz(QComboBox* combo, const QString& text)
    {
        combo->setFocus();
        combo->setEditText(QString());
        typePolish(combo, text);
        QTest::keyClick(combo, Qt::Key_Return);
    }

    static void dodajProbke(FormPartia& w, const QString& resztaKolczyka)
    {
        kliknij(w.ComDodajG);
        typePolish(w.TextNrKolczyka, resztaKolczyka);
        wybierz(w.ComboWiek, QStringLiteral("30"));
        wybierz(w.ComboRodzajUboju, QStringLiteral("N"));
        wybierz(w.ComboObjawyChorobowe, QStringLiteral("brak"));
        wybierz(w.ComboUzytkowosc, QStringLiteral("mleczna"));
        wpisz(w.TextNrGospod, QStringLiteral("PL0123456789001"));
        kliknij(w.ComZapiszFrNaPIW);
    }

    void ewidencjaDanych() { kliknij(mainWindow().findChild<QPushButton*>(QStringLiteral("Command1"))); }
};

TEST_F(SampleRoadTest, ABatchAndItsSamplesEnteredInTheWindowOutliveARestart)
{
    zaloguj();
    opener->onOpen(QStringLiteral("FormPartia"), [](QDialog& window) {
        auto& w = static_cast<FormPartia&>(window);
        kliknij(w.ComDodajPr);
        wpisz(w.TextDataUboju, QStringLiteral("15.03.2022"));
        wpisz(w.TextDataPobr, QStringLiteral("15.03.2022"));
        wybierz(w.ComboPobral, QStringLiteral("Jan Nowak"));
        kliknij(w.ComWstawPowiat);
        kliknij(w.ComZapiszFr);
        ASSERT_TRUE(w.FramePartia->isHidden());
        ASSERT_EQ(w.DataPartia->recordCount(), 1);

        dodajProbke(w, QStringLiteral("000000001"));
        dodajProbke(w, QStringLiteral("000000002"));
        EXPECT_TRUE(w.FramePartiaG->isHidden());
        kliknij(w.ComZamk);
    });
    ewidencjaDanych();
    kliknij(mainWindow().findChild<QPushButton*>(QStringLiteral("ComEnd")));
    EXPECT_EQ(quit->exitCodes(), std::vector<int>{0});

    // The program starts afresh from its files.
    ui::resetAllInstances();
    resetModLabor();
    programState().reset();
    ASSERT_EQ(start(QStringLiteral("jnowak"), QStringLiteral("Tajne1")), std::nullopt);
    bool sprawdzono = false;
    opener->onOpen(QStringLiteral("FormPartia"), [&sprawdzono](QDialog& window) {
        auto& w = static_cast<FormPartia&>(window);
        QAbstractItemModel* partie = w.DBGridPartia->model();
        QAbstractItemModel* probki = w.DBGridPartiaG->model();
        ASSERT_EQ(partie->rowCount(), 1);
        EXPECT_EQ(partie->index(0, 0).data().toString(), QStringLiteral("1"));
        ASSERT_EQ(probki->rowCount(), 2);
        EXPECT_EQ(probki->index(0, 6).data().toString(), QStringLiteral("PL005000000001"));
        EXPECT_EQ(probki->index(1, 6).data().toString(), QStringLiteral("PL005000000002"));
        EXPECT_EQ(probki->index(1, 2).data().toString(), QStringLiteral("002"));
        EXPECT_EQ(probki->index(1, 3).data().toString(), QStringLiteral("15032022"));
        sprawdzono = true;
    });
    ewidencjaDanych();
    EXPECT_TRUE(sprawdzono);
}

} // namespace
