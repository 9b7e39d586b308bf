#include "BatchRows.h"

#include "batch/BatchCommands.h"
#include "batch/FormPartia.h"

#include "common/FormKalendarz1.h"
#include "common/FormZegar.h"
#include "common/MaskedEdit.h"
#include "common/ModLabor.h"
#include "common/ProgramState.h"
#include "common/YearlyDatabase.h"

#include "support/ProgramFixture.h"

#include "platform/db/Recordset.h"

#include <QCalendarWidget>
#include <QListWidget>
#include <QTest>

using namespace trelimor;
using namespace trelimor::test;

namespace {

// The batch window over a real yearly database of an operator's installation, its batch list
// read as the opener reads it; the spreadsheet sample load is a double that records the batch
// number the window shows when it is called.
class BatchFrameTest : public ProgramFixture
{
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        addOperator(QStringLiteral("002"), QStringLiteral("Nowak Jan"), QStringLiteral("Operator"),
                    QStringLiteral("jnowak"), QStringLiteral("Tajne1"));
        ASSERT_EQ(start(QStringLiteral("jnowak"), QStringLiteral("Tajne1")), std::nullopt);
        dodajLekarzaIZaklad(ModLabor().BazaStale);
        ModLabor().BazaStale.execute(
            QStringLiteral("UPDATE ZAKLAD SET KodPocztowy = '99-400', Miasto = 'Łowicz'"));
        ASSERT_TRUE(openYearlyDatabase());
        programState().setDefaultPlan(QStringLiteral("Obszar regulowany prawnie"));
        programState().setDefaultProcedure(QStringLiteral("Rozporządzenie"));
        batchWindowCommands().ComWczyt_Click = [this] { wczytaniaDlaPartii << w().LabPartia->text(); };
        m_poczatek = komunikaty().size(); // the start-up's and the new year's messages
    }
    void TearDown() override
    {
        resetBatchWindowCommands();
        ProgramFixture::TearDown();
    }

    static FormPartia& w() { return FormPartia::instance(); }
    static db::Database& rok() { return ModLabor().BazaRok; }
    static void otworz() { w().prepareForShowing(); }

    // What a user types into a new batch's frame for it to pass every check.
    static void wypelnij()
    {
        w().TextDataUboju->setText(QStringLiteral("28.03.2022"));
        w().TextGodzUboju->setText(QStringLiteral("07:30"));
        w().TextDataPobr->setText(QStringLiteral("29.03.2022"));
        w().TextGodzPobr->setText(QStringLiteral("08:15"));
        w().ComboPobral->setEditText(QStringLiteral("Jan Nowak"));
        w().TextPowiat->setText(QStringLiteral("1465"));
    }

    static qint64 ile(const QString& sql, const QVariantList& args = {})
    {
        return rok().scalar(sql, args).toLongLong();
    }

    // The boxes the test's own steps showed.
    std::vector<DialogCall> komunikaty() const
    {
        return {dialogs->calls().begin() + std::ptrdiff_t(m_poczatek), dialogs->calls().end()};
    }

    QStringList wczytaniaDlaPartii;

private:
    std::size_t m_poczatek = 0;
};

TEST_F(BatchFrameTest, ANewBatchInAnEmptyYearProposesOneAndTheDefaults)
{
    otworz();
    w().TextUwagi->setPlainText(QStringLiteral("z poprzedniej partii"));
    w().MaskEdBoxGodzWyslaniaDoLab->showUnmasked(QStringLiteral("11:11"));
    w().ComDodajPr_Click();
    EXPECT_FALSE(w().FramePartia->isHidden());
    EXPECT_EQ(w().FramePartia->title(), QStringLiteral("NOWA PARTIA"));
    EXPECT_FALSE(w().ComZamk->isEnabled());
    EXPECT_TRUE(w().NowyRekord);
    EXPECT_EQ(w().TrybEdycji, QStringLiteral("Dodaj"));
    EXPECT_EQ(w().TextNrPartii->text(), QStringLiteral("1"));
    EXPECT_EQ(w().TextNrZlecenia->text(), QStringLiteral("1"));
    EXPECT_EQ(w().TextZaklad->text(), QStringLiteral("14650011"));
    EXPECT_EQ(w().ComboWNI->currentText(), QStringLiteral("zakładu ubojowego"));
    EXPECT_EQ(w().LabelNazZak->text(), QStringLiteral("Zakład Mięsny Łowicz, 99-400 Łowicz"));
    EXPECT_EQ(w().TextDataWysylki->text(), QStringLiteral("31.03.2022"));
    EXPECT_EQ(w().ComboPlanPobierania->currentText(), QStringLiteral("Obszar regulowany prawnie"));
    EXPECT_EQ(w().ComboProceduraPobierania->currentText(), QStringLiteral("Rozporządzenie"));
    EXPECT_EQ(w().TextUwagi->toPlainText(), QString());
    EXPECT_EQ(w().MaskEdBoxGodzWyslaniaDoLab->maskedText(), QStringLiteral("__:__"));
    EXPECT_TRUE(komunikaty().empty());
}

TEST_F(BatchFrameTest, TheNextNumbersFollowTheHighestBatchNotTheHighestOrder)
{
    for (const auto& [partia, zlecenie] : {std::pair{1, "12"}, std::pair{2, "30"}, std::pair{7, "5"}})
        wstaw(rok(), QStringLiteral("Partia"),
              {{QStringLiteral("Partia"), partia},
               {QStringLiteral("NrZlecenia"), QString::fromLatin1(zlecenie)}});
    otworz();
    w().ComDodajPr_Click();
    EXPECT_EQ(w().TextNrPartii->text(), QStringLiteral("8"));
    EXPECT_EQ(w().TextNrZlecenia->text(), QStringLiteral("6"));

    // An order number that is no number leaves the order number to the user, with no error.
    w().ComAnulujFr_Click();
    wstaw(rok(), QStringLiteral("Partia"),
          {{QStringLiteral("Partia"), 9}, {QStringLiteral("NrZlecenia"), QString()}});
    w().ComDodajPr_Click();
    EXPECT_EQ(w().TextNrPartii->text(), QStringLiteral("10"));
    EXPECT_EQ(w().TextNrZlecenia->text(), QString());
    EXPECT_TRUE(komunikaty().empty());
}

TEST_F(BatchFrameTest, WithoutADefaultEstablishmentTheTypeStaysAsItWas)
{
    ModLabor().BazaStale.execute(QStringLiteral("UPDATE ZAKLAD SET Domyslny = 'N'"));
    otworz();
    w().ComboWNI->setEditText(QStringLiteral("inne"));
    w().LabelNazZak->setText(QStringLiteral("stary opis"));
    w().ComDodajPr_Click();
    EXPECT_EQ(w().TextZaklad->text(), QString());
    EXPECT_EQ(w().LabelNazZak->text(), QString());
    EXPECT_EQ(w().ComboWNI->currentText(), QStringLiteral("inne"));
}

TEST_F(BatchFrameTest, ASavedBatchHoldsEveryFieldAndBecomesCurrent)
{
    dodajPartie(rok(), 5, 2);
    otworz();
    w().ComDodajPr_Click();
    wypelnij();
    w().TextNrPartii->setText(QStringLiteral("3")); // below the newest batch, so not the first row
    w().TextZaklad->setText(QStringLiteral(" 14650011 "));
    w().TextNrZlecenia->setText(QStringLiteral("17"));
    w().TextMiejscowosc->setText(QStringLiteral("  Łowicz "));
    w().TextUwagi->setPlainText(QStringLiteral(" chłodzone "));
    w().TextDataWyslaniaDoLab->setText(QStringLiteral("30.03.2022"));
    w().TrybWczytywania = QStringLiteral("WczytAuto"); // as a spreadsheet header leaves it
    w().LabelWczytajPlik->setText(QStringLiteral("/tmp/protokol.xls"));
    w().ComZapiszFr_Click();

    EXPECT_TRUE(komunikaty().empty()) << describe(dialogs->last()).toStdString();
    ASSERT_EQ(ile(QStringLiteral("SELECT count(*) FROM Partia")), 2);
    db::Recordset r = rok().openRecordset(QStringLiteral("SELECT * FROM Partia WHERE Partia = 3"));
    ASSERT_FALSE(r.eof());
    EXPECT_TRUE(r.value(QStringLiteral("IlProbek")).isNull());
    EXPECT_EQ(r.value(QStringLiteral("NrZlecenia")).toString(), QStringLiteral("17"));
    EXPECT_EQ(r.value(QStringLiteral("KodZakladu")).toString(), QStringLiteral("14650011"));
    EXPECT_EQ(r.value(QStringLiteral("WNI")).toString(), QStringLiteral("zakładu ubojowego"));
    EXPECT_EQ(r.value(QStringLiteral("DataUboju")).toDate(), QDate(2022, 3, 28));
    EXPECT_EQ(r.value(QStringLiteral("GodzUboju")).toString(), QStringLiteral("07:30"));
    EXPECT_EQ(r.value(QStringLiteral("DataPobr")).toDate(), QDate(2022, 3, 29));
    EXPECT_EQ(r.value(QStringLiteral("DataWysylki")).toDate(), QDate(2022, 3, 31));
    EXPECT_EQ(r.value(QStringLiteral("Pobral")).toString(), QStringLiteral("Jan Nowak"));
    EXPECT_EQ(r.value(QStringLiteral("Uwagi")).toString(), QStringLiteral(" chłodzone "));
    EXPECT_EQ(r.value(QStringLiteral("Miejscowosc")).toString(), QStringLiteral("Łowicz"));
    EXPECT_EQ(r.value(QStringLiteral("PlanPobierania")).toString(),
              QStringLiteral("Obszar regulowany prawnie"));
    EXPECT_EQ(r.value(QStringLiteral("DataWyslaniaDoLab")).toDate(), QDate(2022, 3, 30));
    EXPECT_EQ(r.value(QStringLiteral("GodzWyslaniaDoLab")).toString(), QString());
    EXPECT_TRUE(r.value(QStringLiteral("DataWprow")).isNull());

    // The frame closes, the window unlocks, and the samples load into the saved batch.
    EXPECT_TRUE(w().FramePartia->isHidden());
    EXPECT_TRUE(w().ComZamk->isEnabled());
    EXPECT_FALSE(w().NowyRekord);
    EXPECT_EQ(wczytaniaDlaPartii, QStringList{QStringLiteral("3")});
    EXPECT_EQ(w().LabPartia->text(), QStringLiteral("3"));
    EXPECT_EQ(w().LabelWczytajPlik->text(), QString());
    EXPECT_EQ(w().TrybEdycji, QString());
    EXPECT_EQ(w().TrybWczytywania, QString());
}

TEST_F(BatchFrameTest, BoxesLeftUntouchedStoreEmptyTextsNotNull)
{
    otworz();
    w().ComDodajPr_Click();
    wypelnij();
    // "Uwagi" (several lines) and "Miejscowość" are never typed in: an empty document gives a
    // null text, which must be stored as a text all the same.
    w().ComZapiszFr_Click();
    EXPECT_EQ(rok().scalar(QStringLiteral("SELECT quote(Uwagi) || '/' || quote(Miejscowosc) FROM Partia")),
              QStringLiteral("''/''"));
}

TEST_F(BatchFrameTest, AnExistingNumberIsRefusedAndNothingIsStored)
{
    dodajPartie(rok(), 2, 1);
    otworz();
    w().ComDodajPr_Click();
    wypelnij();
    w().TextNrPartii->setText(QStringLiteral("2"));
    w().ComZapiszFr_Click();
    ASSERT_EQ(komunikaty().size(), 1u);
    EXPECT_EQ(dialogs->last().text, QStringLiteral("Partia o numerze: 2 już istnieje.\r\nPopraw nr partii!"));
    EXPECT_EQ(dialogs->last().title, QStringLiteral("TRELIMOR"));
    EXPECT_EQ(dialogs->last().icon, ui::Icon::Warning);
    EXPECT_EQ(ile(QStringLiteral("SELECT count(*) FROM Partia")), 1);
    EXPECT_FALSE(w().FramePartia->isHidden());
    EXPECT_TRUE(w().NowyRekord);
    EXPECT_FALSE(rok().inTransaction());

    // Past 32767 the number cannot be held: refused before anything is written.
    w().TextNrPartii->setText(QStringLiteral("32768"));
    w().ComZapiszFr_Click();
    EXPECT_EQ(dialogs->last().text, QStringLiteral("Numer partii musi być liczbą od 1 do 32767. Popraw!"));
    EXPECT_EQ(ile(QStringLiteral("SELECT count(*) FROM Partia")), 1);

    w().TextNrPartii->setText(QStringLiteral("4"));
    w().ComZapiszFr_Click();
    EXPECT_EQ(komunikaty().size(), 2u);
    EXPECT_EQ(ile(QStringLiteral("SELECT count(*) FROM Partia WHERE Partia = 4")), 1);
}

TEST_F(BatchFrameTest, AFailedStoreKeepsTheFrameAndStoresNothing)
{
    otworz();
    w().ComDodajPr_Click();
    wypelnij();
    w().TrybWczytywania = QStringLiteral("WczytAuto");
    w().ComboPobral->setEditText(QString(51, QLatin1Char('x'))); // longer than the field
    w().ComZapiszFr_Click();
    EXPECT_EQ(dialogs->last().title, QStringLiteral("Powiadom programistę!"));
    EXPECT_EQ(ile(QStringLiteral("SELECT count(*) FROM Partia")), 0);
    EXPECT_FALSE(w().FramePartia->isHidden());
    EXPECT_TRUE(w().ComZamk->isEnabled());
    EXPECT_TRUE(w().NowyRekord);
    EXPECT_EQ(w().TrybWczytywania, QString());
    EXPECT_TRUE(wczytaniaDlaPartii.isEmpty());
    EXPECT_FALSE(rok().inTransaction());
}

TEST_F(BatchFrameTest, CancellingDropsAPendingSpreadsheetLoad)
{
    otworz();
    w().ComDodajPr_Click();
    w().TrybWczytywania = QStringLiteral("WczytAuto");
    w().LabelWczytajPlik->setText(QStringLiteral("/tmp/protokol.xls"));
    w().CheckNast->setChecked(true);
    w().ComAnulujFr_Click();
    EXPECT_TRUE(w().FramePartia->isHidden());
    EXPECT_TRUE(w().ComZamk->isEnabled());
    EXPECT_FALSE(w().CheckNast->isChecked());
    EXPECT_EQ(w().TrybWczytywania, QString());
    EXPECT_EQ(w().LabelWczytajPlik->text(), QString());

    // A batch typed in by hand afterwards gets no samples of that file.
    w().ComDodajPr_Click();
    wypelnij();
    w().ComZapiszFr_Click();
    EXPECT_EQ(ile(QStringLiteral("SELECT count(*) FROM Partia")), 1);
    EXPECT_TRUE(wczytaniaDlaPartii.isEmpty());
}

TEST_F(BatchFrameTest, ACorrectionLoadsEveryFieldAndLeavesNothingOfTheBatchBefore)
{
    dodajPartie(rok(), 1, 0);
    rok().execute(
        QStringLiteral("UPDATE Partia SET GodzWyslaniaDoLab = '12:30', DataWysylki = '2022-03-02 00:00:00'"));
    wstaw(rok(), QStringLiteral("Partia"), {{QStringLiteral("Partia"), 2}}); // every other field null
    otworz();
    w().DataPartia->moveToRow(1);
    ASSERT_EQ(w().LabPartia->text(), QStringLiteral("1"));
    w().ComPopraw_Click();
    EXPECT_EQ(w().FramePartia->title(), QStringLiteral("EDYCJA PARTII"));
    EXPECT_FALSE(w().TextNrPartii->isEnabled());
    EXPECT_EQ(w().TrybWczytywania, QStringLiteral("Popraw"));
    EXPECT_EQ(w().TextNrZlecenia->text(), QStringLiteral("101"));
    EXPECT_EQ(w().TextDataPobr->text(), QStringLiteral("02.03.2022"));
    EXPECT_EQ(w().TextDataWysylki->text(), QStringLiteral("02.03.2022"));
    EXPECT_EQ(w().MaskEdBoxGodzWyslaniaDoLab->maskedText(), QStringLiteral("12:30"));
    EXPECT_EQ(w().LabelNazZak->text(), QStringLiteral("Zakład Mięsny Łowicz, Łowicz"));
    w().ComAnulujFr_Click();

    w().DataPartia->moveToRow(0);
    w().ComPopraw_Click();
    EXPECT_TRUE(komunikaty().empty()) << describe(dialogs->last()).toStdString();
    EXPECT_EQ(w().TextNrPartii->text(), QStringLiteral("2"));
    for (const char* name : {"TextNrZlecenia", "TextZaklad", "TextDataUboju", "TextGodzUboju", "TextDataPobr",
                             "TextGodzPobr", "TextDataWysylki", "TextPowiat", "TextIlProbek"})
        EXPECT_EQ(w().findChild<QLineEdit*>(QString::fromLatin1(name))->text(), QString()) << name;
    EXPECT_EQ(w().ComboWNI->currentText(), QString());
    EXPECT_EQ(w().ComboPobral->currentText(), QString());
    EXPECT_EQ(w().TextUwagi->toPlainText(), QString());
    EXPECT_EQ(w().MaskEdBoxGodzWyslaniaDoLab->maskedText(), QStringLiteral("__:__"));
    EXPECT_EQ(w().LabelNazZak->text(), QString());
}

TEST_F(BatchFrameTest, ASavedCorrectionChangesItsRowOnlyAndLoadsNothing)
{
    dodajPartie(rok(), 1, 0);
    dodajPartie(rok(), 2, 0);
    otworz();
    w().DataPartia->moveToRow(1);
    w().ComPopraw_Click();
    w().TextPowiat->setText(QStringLiteral("1466"));
    w().TextDataWysylki->setText(QStringLiteral("30.03.2022"));
    w().ComZapiszFr_Click();
    EXPECT_TRUE(komunikaty().empty()) << describe(dialogs->last()).toStdString();
    EXPECT_EQ(ile(QStringLiteral("SELECT count(*) FROM Partia")), 2);
    EXPECT_EQ(ile(QStringLiteral("SELECT count(*) FROM Partia WHERE Partia = 1 AND Powiat = '1466'")), 1);
    EXPECT_EQ(ile(QStringLiteral("SELECT count(*) FROM Partia WHERE Partia = 2 AND Powiat = '1465'")), 1);
    EXPECT_EQ(w().LabPartia->text(), QStringLiteral("1"));
    EXPECT_TRUE(wczytaniaDlaPartii.isEmpty());
}

TEST_F(BatchFrameTest, DeletingABatchTakesItsSamplesOnlyAfterYes)
{
    dodajPartie(rok(), 1, 3);
    dodajPartie(rok(), 2, 2);
    otworz();
    dialogs->answerNo();
    w().ComUsun_Click();
    EXPECT_EQ(dialogs->last().title, QStringLiteral("USUWANIE!"));
    EXPECT_EQ(dialogs->last().text, QStringLiteral("Czy na pewno usunąć zaznaczoną partię próbek?"));
    EXPECT_EQ(dialogs->last().icon, ui::Icon::Question);
    EXPECT_FALSE(dialogs->last().yesIsDefault);
    EXPECT_EQ(ile(QStringLiteral("SELECT count(*) FROM Partia")), 2);
    EXPECT_EQ(ile(QStringLiteral("SELECT count(*) FROM Badanie")), 5);

    dialogs->answerYes();
    w().ComUsun_Click();
    EXPECT_EQ(ile(QStringLiteral("SELECT count(*) FROM Partia WHERE Partia = 2")), 0);
    EXPECT_EQ(ile(QStringLiteral("SELECT count(*) FROM Badanie WHERE Partia = 2")), 0);
    EXPECT_EQ(ile(QStringLiteral("SELECT count(*) FROM Badanie")), 3);
    EXPECT_EQ(w().DataPartia->recordCount(), 1);
    EXPECT_EQ(w().LabPartia->text(), QStringLiteral("1"));
}

TEST_F(BatchFrameTest, AFailedDeletionLeavesTheBatchAndItsSamples)
{
    dodajPartie(rok(), 1, 3);
    otworz();
    rok().execute(QStringLiteral("CREATE TRIGGER nieusuwalna BEFORE DELETE ON Partia "
                                 "BEGIN SELECT RAISE(ABORT, 'zablokowane'); END"));
    dialogs->answerYes();
    w().ComUsun_Click();
    EXPECT_EQ(dialogs->last().title, QStringLiteral("Powiadom programistę!"));
    EXPECT_EQ(ile(QStringLiteral("SELECT count(*) FROM Partia")), 1);
    EXPECT_EQ(ile(QStringLiteral("SELECT count(*) FROM Badanie")), 3);
    EXPECT_FALSE(rok().inTransaction());
}

TEST_F(BatchFrameTest, DeletingABatchTakesTheResultsOfItsSamplesInAFileThatKeepsThem)
{
    dodajPartie(rok(), 1, 1);
    dodajPartie(rok(), 2, 2);
    rok().execute(QStringLiteral("ALTER TABLE Badanie ADD COLUMN PartiaG INTEGER"));
    rok().execute(QStringLiteral("UPDATE Badanie SET PartiaG = Partia + 40"));
    rok().execute(QStringLiteral("CREATE TABLE EBB (Partia INTEGER, NrProbki SMALLINT, Elisa VARCHAR(10))"));
    for (const auto& [grupa, nr] : {std::pair{41, 1}, std::pair{42, 1}, std::pair{42, 2}, std::pair{2, 1}})
        rok().execute(QStringLiteral("INSERT INTO EBB VALUES (?, ?, 'ujemny')"), {grupa, nr});
    otworz();
    dialogs->answerYes();
    w().ComUsun_Click();
    EXPECT_EQ(ile(QStringLiteral("SELECT count(*) FROM Badanie")), 1);
    // The rows of batch 2's samples (group 42) go; batch 1's and a row of no sample stay.
    EXPECT_EQ(ile(QStringLiteral("SELECT count(*) FROM EBB WHERE Partia = 42")), 0);
    EXPECT_EQ(ile(QStringLiteral("SELECT count(*) FROM EBB")), 2);
}

TEST_F(BatchFrameTest, ASamplingDateOfAnotherYearIsRefusedByThePicker)
{
    otworz();
    w().ComDodajPr_Click();
    QDate wybrana(2021, 12, 30);
    opener->onOpen(QStringLiteral("FormKalendarz1"), [&wybrana](QDialog& window) {
        static_cast<FormKalendarz1&>(window).Kalendarz1->setSelectedDate(wybrana);
        window.accept();
    });
    w().ComDataPobr->click();
    EXPECT_EQ(w().TextDataPobr->text(), QString());
    EXPECT_EQ(dialogs->last().title, QStringLiteral("INFORMACJA"));
    EXPECT_EQ(dialogs->last().text,
              QStringLiteral("Wybrany rok: 30.12.2021 jest niezgodny z datą ustawioną w programie!\r"
                             "Wybierz datę ponownie!"));

    // A slaughter date of another year is the user's business.
    w().ComDataUboju->click();
    EXPECT_EQ(w().TextDataUboju->text(), QStringLiteral("30.12.2021"));
    wybrana = QDate(2022, 1, 4);
    w().ComDataWysylki->click();
    EXPECT_EQ(w().TextDataWysylki->text(), QStringLiteral("04.01.2022"));
    EXPECT_EQ(komunikaty().size(), 1u);
}

TEST_F(BatchFrameTest, TheBirthDateAndTheSearchDateComeFromThePicker)
{
    otworz();
    QDate wybrana(2019, 5, 6);
    opener->onOpen(QStringLiteral("FormKalendarz1"), [&wybrana](QDialog& window) {
        static_cast<FormKalendarz1&>(window).Kalendarz1->setSelectedDate(wybrana);
        window.accept();
    });
    w().ComDataUrodzenia->click();
    EXPECT_EQ(w().TextDataUrodzenia->text(), QStringLiteral("06.05.2019")) << "any year for a birth date";

    w().TextNrKolczykaS->setText(QStringLiteral("PL005"));
    wybrana = QDate(2022, 2, 1);
    w().ComDataPobrFrS->click();
    EXPECT_EQ(w().LabelDataPobrFrS->text(), QStringLiteral("01.02.2022"));
    EXPECT_TRUE(w().TextNrKolczykaS->text().isEmpty()) << "a date search drops the ear-tag criterion";
}

TEST_F(BatchFrameTest, TheHourPickerStartsOnTheCurrentTime)
{
    otworz();
    w().ComDodajPr_Click();
    w().TextGodzPobr->setText(QStringLiteral("07:45"));
    opener->onOpen(QStringLiteral("FormZegar"), [](QDialog& window) {
        auto& zegar = static_cast<FormZegar&>(window);
        EXPECT_EQ(w().TextGodzPobr->text(), QStringLiteral("10:00"));
        EXPECT_EQ(FormZegar::selectedText(*zegar.ListGodz), QStringLiteral("10"));
        zegar.ListGodz->setCurrentRow(8);
        zegar.ListMin->setCurrentRow(30);
        window.accept();
    });
    w().ComGodzPobr->click();
    EXPECT_EQ(w().TextGodzPobr->text(), QStringLiteral("08:30"));
}

TEST_F(BatchFrameTest, TheCountyButtonAndTheFarmHint)
{
    otworz();
    w().ComDodajPr_Click();
    w().ComWstawPowiat->click();
    EXPECT_EQ(w().TextPowiat->text(), QStringLiteral("1465"));
    // A choice from the list, as the list's pop-up makes it.
    const auto wybierz = [](const QString& typ) {
        QComboBox* lista = w().ComboWNI;
        lista->setCurrentIndex(lista->findText(typ));
        ASSERT_GE(lista->currentIndex(), 0) << typ.toStdString();
        emit lista->activated(lista->currentIndex());
    };
    wybierz(QStringLiteral("gospodarstwa*"));
    EXPECT_FALSE(w().LabelWNI->isHidden());
    wybierz(QStringLiteral("inne"));
    EXPECT_TRUE(w().LabelWNI->isHidden());
}

} // namespace
