#include "BatchRows.h"

#include "batch/BatchCommands.h"
#include "batch/BatchWindowDocuments.h"
#include "batch/BatchWindowOpening.h"
#include "batch/FormPartia.h"
#include "common/CodeLists.h"

#include "common/ModLabor.h"
#include "common/ProgramState.h"
#include "common/WindowCommands.h"
#include "common/YearlyDatabase.h"
#include "documents/FormDrukRap.h"
#include "shell/FormOperat.h"
#include "shell/FormUzytkownik.h"
#include "shell/aMain.h"

#include "support/ProgramFixture.h"
#include "support/TypePolish.h"

#include "platform/ui/WindowOpener.h"

#include <QPushButton>
#include <QTest>

using namespace trelimor;
using namespace trelimor::test;

namespace {

const QString kAdminSam =
    QStringLiteral("'Admin' służy wyłącznie do pierwszego logowania oraz ustawiania parametrów systemu!\r"
                   "Aby wprowadzać próbki dodaj i zaloguj się na innego użytkownika!\r"
                   "Dodaj nowego operatora wprowadzając nazwisko, imię oraz unikalny login!");
const QString kAdminZInnymi =
    QStringLiteral("'Admin' służy wyłącznie do pierwszego logowania oraz ustawiania parametrów systemu!\r"
                   "Aby wprowadzać próbki zaloguj się na innego użytkownika!");

// The controls Klawisze names, as the window's design lists them.
const QStringList kZamykane{
    "ComZamk",       "ComDodajPr",       "ComPopraw",      "ComUsun",   "ComWczytPart", "ComMail",
    "ComDrukuj",     "ComPlik",          "DataPartia",     "ComSzukaj", "ComEdytuj",    "DBGridPartia",
    "DBGridPartiaG", "ComDodajG",        "ComPoprawG",     "ComUsunG",  "ComWczytaj",   "ComRejestr",
    "ComWczytWynik", "ComWczytKolektor", "ComPlikKolektor"};

// The batch window reached from the main window's "Ewidencja danych", as the program wires it.
class BatchWindowTest : public ProgramFixture
{
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        WindowCommands& commands = windowCommands();
        commands.setOpener(WindowCommand::BatchWindow, &EwidencjaDanych);
        commands.setOpener(WindowCommand::OperatorsWindow, [] { ui::openModal(FormOperat::instance()); });
        commands.setOpener(WindowCommand::UserRecordWindow,
                           [] { ui::openModal(FormUzytkownik::instance()); });
    }
    void TearDown() override
    {
        resetBatchWindowCommands();
        ProgramFixture::TearDown();
    }

    // Logs in as an ordinary operator of an installation with a veterinarian and an establishment.
    void startJakoOperator()
    {
        addOperator(QStringLiteral("002"), QStringLiteral("Nowak Jan"), QStringLiteral("Operator"),
                    QStringLiteral("jnowak"), QStringLiteral("Tajne1"));
        ASSERT_EQ(start(QStringLiteral("jnowak"), QStringLiteral("Tajne1")), std::nullopt);
        dodajLekarzaIZaklad(ModLabor().BazaStale);
    }

    // The working year's database, made as the program makes it, for rows put in before opening.
    db::Database& rok()
    {
        if (!ModLabor().BazaRok.isOpen()) {
            EXPECT_TRUE(openYearlyDatabase());
        }
        return ModLabor().BazaRok;
    }

    void ewidencjaDanych() { mainWindow().findChild<QPushButton*>(QStringLiteral("Command1"))->click(); }

    static FormPartia& okno() { return FormPartia::instance(); }

    QStringList komunikaty() const
    {
        QStringList texts;
        for (const auto& call : dialogs->calls())
            texts << call.text;
        return texts;
    }
};

TEST_F(BatchWindowTest, TheBuiltInAdministratorAloneIsSentToAddAnOperator)
{
    ASSERT_EQ(start(), std::nullopt);
    ewidencjaDanych();
    EXPECT_EQ(dialogs->last().title, QStringLiteral("INFORMACJA"));
    EXPECT_EQ(dialogs->last().text, kAdminSam);
    EXPECT_EQ(opener->opened(), (QStringList{"frmLoginLab", "FormOperat"}));
}

TEST_F(BatchWindowTest, TheBuiltInAdministratorIsRefusedWhateverTheOtherOperators)
{
    // An operator whose surname differs only in letter case is somebody else.
    addOperator(QStringLiteral("002"), QStringLiteral("administrator systemu"), QStringLiteral("Operator"),
                QStringLiteral("inny"), QStringLiteral("Tajne1"));
    ASSERT_EQ(start(), std::nullopt);
    dodajLekarzaIZaklad(ModLabor().BazaStale);
    const db::Database opened = ModLabor().BazaRok;
    ewidencjaDanych();
    EXPECT_EQ(dialogs->last().text, kAdminZInnymi);
    EXPECT_EQ(opener->opened(), QStringList{"frmLoginLab"});
    EXPECT_TRUE(ModLabor().BazaRok == opened) << "the year is not opened for a refused operator";
}

TEST_F(BatchWindowTest, AnOperatorNamedLikeTheAdministratorInAnotherCaseGetsThrough)
{
    addOperator(QStringLiteral("002"), QStringLiteral("administrator systemu"), QStringLiteral("Operator"),
                QStringLiteral("inny"), QStringLiteral("Tajne1"));
    ASSERT_EQ(start(QStringLiteral("inny"), QStringLiteral("Tajne1")), std::nullopt);
    dodajLekarzaIZaklad(ModLabor().BazaStale);
    ewidencjaDanych();
    EXPECT_EQ(opener->opened().last(), QStringLiteral("FormPartia"));
}

TEST_F(BatchWindowTest, MissingUserDataVeterinarianOrEstablishmentEachOpenTheirWindow)
{
    userRecord.remove(QStringLiteral("MailLab"));
    addOperator(QStringLiteral("002"), QStringLiteral("Nowak Jan"), QStringLiteral("Operator"),
                QStringLiteral("jnowak"), QStringLiteral("Tajne1"));
    ASSERT_EQ(start(QStringLiteral("jnowak"), QStringLiteral("Tajne1")), std::nullopt);
    ewidencjaDanych();
    EXPECT_EQ(dialogs->last().text,
              QStringLiteral("Aby prawidłowo definiować próbki wprowadź 4-cyfrowy kod powiatu oraz e-mail "
                             "laboratorium!\rUzupełnij dane użytkownika!"));
    EXPECT_EQ(opener->opened().last(), QStringLiteral("FormUzytkownik"));

    programState().setMails(QString(), QString(), QStringLiteral("lab@zhw.example.pl"));
    ewidencjaDanych();
    EXPECT_EQ(dialogs->last().text,
              QStringLiteral("Aby prawidłowo definiować próbki zdefiniuj lekarza pobierającego próbki!\r"
                             "Dodaj nowego lekarza!"));
    EXPECT_EQ(opener->opened().last(), QStringLiteral("FormLekarz"));

    wstaw(ModLabor().BazaStale, QStringLiteral("Lekarz"),
          {{QStringLiteral("Nazwisko"), QStringLiteral("Nowak")}});
    ewidencjaDanych();
    EXPECT_EQ(dialogs->last().text,
              QStringLiteral("Aby prawidłowo definiować próbki zdefiniuj zakład, w którym będą pobierane "
                             "próbki!\rDodaj nowy zakład!"));
    EXPECT_EQ(opener->opened().last(), QStringLiteral("FormZlew"));
    EXPECT_FALSE(opener->opened().contains(QStringLiteral("FormPartia")));
}

TEST_F(BatchWindowTest, AnEmptyYearOpensWithBothGridsEmpty)
{
    startJakoOperator();
    okno().LabPartia->setText(QStringLiteral("7"));
    ewidencjaDanych();
    ASSERT_EQ(opener->opened().last(), QStringLiteral("FormPartia"));
    EXPECT_TRUE(ModLabor().BazaRok.isOpen());
    EXPECT_EQ(okno().DBGridPartia->model()->rowCount(), 0);
    EXPECT_EQ(okno().DBGridPartiaG->model()->rowCount(), 0);
    EXPECT_TRUE(okno().DataProbka->isBound());
    EXPECT_EQ(okno().LabPartia->text(), QStringLiteral("7"));
    EXPECT_EQ(okno().LabelNrZlecenia->text(), QStringLiteral("/2022"));
    EXPECT_EQ(okno().LabData->text(), QStringLiteral("31.03.2022"));
    EXPECT_EQ(okno().LabelKodPiw->text(), QStringLiteral("1465"));
    EXPECT_EQ(okno().DBGridPartia->model()->columnCount(), 24);
    EXPECT_EQ(okno().DBGridPartiaG->model()->columnCount(), 27);
    // The grid's columns the yearly file has no field for stay empty, they do not fail.
    EXPECT_EQ(okno().DBGridPartia->model()->headerData(16, Qt::Horizontal).toString(),
              QStringLiteral("Powtórzenie"));
}

TEST_F(BatchWindowTest, ChoosingABatchShowsItsSamplesAndTheirCount)
{
    startJakoOperator();
    dodajPartie(rok(), 1, 3);
    dodajPartie(rok(), 2, 12);
    dodajPartie(rok(), 3, 0);
    ewidencjaDanych();

    // Newest first: batch 3, without samples, is current.
    QAbstractItemModel* partie = okno().DBGridPartia->model();
    ASSERT_EQ(partie->rowCount(), 3);
    EXPECT_EQ(partie->index(0, 0).data().toString(), QStringLiteral("3"));
    EXPECT_EQ(okno().LabPartia->text(), QStringLiteral("3"));
    EXPECT_EQ(okno().sampleCaption(),
              QStringLiteral("PRÓBKI NALEŻĄCE DO PARTII NR: 3               ILOŚĆ POZYCJI: 0"));

    okno().DBGridPartia->setCurrentIndex(partie->index(1, 3));
    EXPECT_EQ(okno().LabPartia->text(), QStringLiteral("2"));
    EXPECT_EQ(okno().DataProbka->recordCount(), 12);
    EXPECT_TRUE(okno().sampleCaption().endsWith(QStringLiteral("               ILOŚĆ POZYCJI: 12")));
    QAbstractItemModel* probki = okno().DBGridPartiaG->model();
    EXPECT_EQ(probki->index(0, 0).data().toString(), QStringLiteral("1"));
    EXPECT_EQ(probki->index(11, 0).data().toString(), QStringLiteral("12"));
    EXPECT_EQ(probki->index(11, 6).data().toString(), QStringLiteral("PL000000002012"));
    EXPECT_EQ(okno().DBGridPartia->selectionModel()->selectedRows(), QModelIndexList{partie->index(1, 0)});

    okno().DBGridPartia->setCurrentIndex(partie->index(2, 0));
    EXPECT_EQ(okno().DataProbka->recordCount(), 3);
    EXPECT_TRUE(okno().sampleCaption().endsWith(QStringLiteral("NR: 1               ILOŚĆ POZYCJI: 3")));
}

TEST_F(BatchWindowTest, AnotherWorkingYearRefreshesTheSampleCaptionWithTheLists)
{
    startJakoOperator();
    dodajPartie(rok(), 5, 3);
    ewidencjaDanych();
    EXPECT_EQ(okno().sampleCaption(),
              QStringLiteral("PRÓBKI NALEŻĄCE DO PARTII NR: 5               ILOŚĆ POZYCJI: 3"));
    okno().ComZamk->click();

    programState().setWorkingDate(QDate(2023, 1, 2)); // a year without batches
    ewidencjaDanych();
    EXPECT_EQ(okno().DataPartia->recordCount(), 0);
    EXPECT_EQ(okno().DataProbka->recordCount(), 0);
    EXPECT_EQ(okno().sampleCaption(),
              QStringLiteral("PRÓBKI NALEŻĄCE DO PARTII NR:                ILOŚĆ POZYCJI: 0"));
    okno().ComZamk->click();

    programState().setWorkingDate(QDate(2022, 3, 31));
    ewidencjaDanych();
    EXPECT_EQ(okno().sampleCaption(),
              QStringLiteral("PRÓBKI NALEŻĄCE DO PARTII NR: 5               ILOŚĆ POZYCJI: 3"));
}

TEST_F(BatchWindowTest, ThePrintButtonsRunTheBatchDocuments)
{
    connectBatchWindowDocuments();
    registerFormDrukRap();
    startJakoOperator();
    dodajPartie(rok(), 1, 2, QStringLiteral("Owce"));
    ewidencjaDanych();
    ASSERT_EQ(okno().LabPartia->text(), QStringLiteral("1"));

    okno().ComDrukuj->click();
    EXPECT_FALSE(okno().FrameWynik->isHidden());
    EXPECT_FALSE(okno().DBGridPartia->isEnabled()) << "the window waits for a printout";
    EXPECT_TRUE(okno().ComDrukuj->isEnabled()) << "a second press closes the frame";

    okno().ComProtokol->click();
    EXPECT_EQ(opener->opened().last(), QStringLiteral("FormDrukRap"));
    EXPECT_EQ(ModLabor().BazaRobot.scalar(QStringLiteral("SELECT count(*) FROM Badanie")).toInt(), 2);
    EXPECT_TRUE(okno().FrameWynik->isHidden()) << "the printout closes the frame";
    EXPECT_TRUE(okno().DBGridPartia->isEnabled());
}

TEST_F(BatchWindowTest, KlawiszeLocksExactlyItsControls)
{
    startJakoOperator();
    FormPartia& w = okno();
    const auto enabled = [&w](const QString& name) {
        QWidget* control = w.findChild<QWidget*>(name);
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control && control->isEnabled();
    };
    w.Klawisze(false, true);
    for (const QString& name : kZamykane)
        EXPECT_FALSE(enabled(name)) << name.toStdString();
    EXPECT_TRUE(enabled(QStringLiteral("LabData")));
    // The frames' own buttons stay usable.
    for (const char* name :
         {"ComZapiszFr", "ComAnulujFr", "ComZapiszFrNaPIW", "ComAnulujFrNaPIW", "ComProtokol"})
        EXPECT_TRUE(enabled(QString::fromLatin1(name))) << name;

    w.Klawisze(false, false);
    EXPECT_FALSE(enabled(QStringLiteral("LabData")));
    w.Klawisze(true, true);
    for (const QString& name : kZamykane + QStringList{"LabData"})
        EXPECT_TRUE(enabled(name)) << name.toStdString();
}

TEST_F(BatchWindowTest, TheSpeciesChoosesTheKindsOfSlaughterAndTheDeerFields)
{
    startJakoOperator();
    FormPartia& w = okno();
    const auto lista = [](QComboBox* combo) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        return items;
    };
    w.ComboUzytkowosc->setEditText(QStringLiteral("mleczna"));
    w.ComboGatunek->setCurrentIndex(w.ComboGatunek->findText(QStringLiteral("Jeleniowate")));
    ASSERT_EQ(w.ComboGatunek->currentText(), QStringLiteral("Jeleniowate"));
    EXPECT_EQ(lista(w.ComboRodzajUboju), (QStringList{"PJ", "KJ", "CHJ", "UJ", "NJ"}));
    EXPECT_EQ(lista(w.ComboSystemUtrzymania), (QStringList{"", "DJ", "FJ", "NJ", "OJ"}));
    EXPECT_FALSE(w.ComboSystemUtrzymania->isHidden());
    EXPECT_FALSE(w.ComboGatunek2->isHidden());
    EXPECT_TRUE(w.ComboUzytkowosc->isHidden());
    EXPECT_TRUE(w.TextDataUrodzenia->isHidden());
    EXPECT_EQ(w.ComboUzytkowosc->currentText(), QString());
    // A filled list starts with no entry chosen.
    EXPECT_EQ(w.ComboRodzajUboju->currentText(), QString());

    w.ComboSystemUtrzymania->setEditText(QStringLiteral("NJ"));
    EXPECT_EQ(w.LabSystemUtrzymania->text(), QStringLiteral("jeleniowaty żyjący w niewoli"));

    // Typed in another letter case the species is not deer.
    w.ComboGatunek->setEditText(QString());
    typePolish(w.ComboGatunek, QStringLiteral("jeleniowate"));
    EXPECT_EQ(lista(w.ComboRodzajUboju).size(), 11);
    EXPECT_TRUE(w.ComboSystemUtrzymania->isHidden());
    EXPECT_EQ(w.ComboSystemUtrzymania->currentText(), QString());
    EXPECT_FALSE(w.TextDataUrodzenia->isHidden());

    typePolish(w.ComboRodzajUboju, QStringLiteral("NWO"));
    EXPECT_EQ(w.LabRodzajUboju->text(), QString());
    typePolish(w.ComboRodzajUboju, QStringLiteral("K"));
    EXPECT_EQ(w.ComboRodzajUboju->currentText(), QStringLiteral("NWOK"));
    EXPECT_EQ(w.LabRodzajUboju->text(), OpisRodzajuUboju(QStringLiteral("NWOK")));
}

TEST_F(BatchWindowTest, EnterInTheRemarksMovesOnWithoutTouchingTheText)
{
    startJakoOperator();
    bool sprawdzono = false;
    opener->onOpen(QStringLiteral("FormPartia"), [&](QDialog& window) {
        auto& w = static_cast<FormPartia&>(window);
        w.ComDodajPr_Click();
        w.TextUwagi->setPlainText(QStringLiteral("próbki schłodzone"));
        w.TextUwagi->setFocus();
        QTextCursor caret = w.TextUwagi->textCursor();
        caret.setPosition(6); // in the middle of the line
        w.TextUwagi->setTextCursor(caret);
        QTest::keyClick(w.TextUwagi, Qt::Key_Return);
        QCoreApplication::processEvents();
        EXPECT_EQ(w.TextUwagi->toPlainText(), QStringLiteral("próbki schłodzone"));
        EXPECT_NE(QApplication::focusWidget(), w.TextUwagi);
        w.ComAnulujFr_Click();
        sprawdzono = true;
    });
    ewidencjaDanych();
    EXPECT_TRUE(sprawdzono);
}

TEST_F(BatchWindowTest, OnlyTheOpenerRepeatsTheOneTimeFill)
{
    startJakoOperator();
    ewidencjaDanych();
    FormPartia& w = okno();
    // A pending establishment-file import and the flag a picker leaves set when it is cancelled.
    w.CzekaNaPierwszaProbke = true;
    ModLabor().PierwszaAktywacja = true;
    w.ComboRodzajUboju->setEditText(QStringLiteral("P"));
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    w.hide();
    w.show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(w.CzekaNaPierwszaProbke);
    EXPECT_EQ(w.ComboRodzajUboju->currentText(), QStringLiteral("P"));
    w.hide();

    // The next opening drops the pending import.
    ewidencjaDanych();
    EXPECT_FALSE(w.CzekaNaPierwszaProbke);
    EXPECT_FALSE(ModLabor().PierwszaAktywacja);
}

TEST_F(BatchWindowTest, TheOpeningFillsTheListsFromTheDictionary)
{
    startJakoOperator();
    FormPartia& w = okno();
    wstaw(
        ModLabor().BazaStale, QStringLiteral("UwagiPartia"),
        {{QStringLiteral("IDPODP"), 1}, {QStringLiteral("PODPOWIEDZ"), QStringLiteral("próbki schłodzone")}});
    emit programState().remarkHintsChanged();
    EXPECT_EQ(w.ComboUwagi->count(), 1);
    EXPECT_EQ(w.ComboUwagi->currentText(), QString());

    ewidencjaDanych();
    EXPECT_EQ(w.ComboPobral->findText(QStringLiteral("Jan Nowak")), 0);
    EXPECT_GT(w.ComboPlanPobierania->count(), 0);
    EXPECT_EQ(w.ComboPobral->currentText(), QString());
    // The spreadsheet header import is offered to an inspectorate's installation only.
    EXPECT_FALSE(w.ComWczytPart->isHidden());
    QVariantMap lekarz = programState().userRecord();
    lekarz.insert(QStringLiteral("Uzytkownik"), QStringLiteral("LEKARZ"));
    programState().setUserRecord(lekarz);
    ewidencjaDanych();
    EXPECT_TRUE(w.ComWczytPart->isHidden());
}

TEST_F(BatchWindowTest, AnOpenFrameKeepsTheWindowOpen)
{
    startJakoOperator();
    dodajPartie(rok(), 1, 1);
    opener->onOpen(QStringLiteral("FormPartia"), [](QDialog& window) {
        auto& w = static_cast<FormPartia&>(window);
        w.ComDodajG_Click();
        EXPECT_FALSE(w.FramePartiaG->isHidden());
        EXPECT_FALSE(w.ComZamk->isEnabled());
        QTest::keyClick(&w, Qt::Key_Escape);
        EXPECT_TRUE(w.isVisible());
        w.close();
        EXPECT_TRUE(w.isVisible());
        w.ComAnulujFrNaPIW_Click();
        EXPECT_TRUE(w.ComZamk->isEnabled());
        QTest::keyClick(&w, Qt::Key_Escape);
        EXPECT_FALSE(w.isVisible());
    });
    ewidencjaDanych();
    EXPECT_EQ(opener->opened().last(), QStringLiteral("FormPartia"));
}

} // namespace
