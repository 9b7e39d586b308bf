#include "BatchRows.h"
#include "SampleFixture.h"

#include "batch/BatchCommands.h"

#include "common/ModLabor.h"
#include "registers/FormKlient.h"

#include <QTest>
#include <QWindow>

using namespace trelimor;
using namespace trelimor::test;

namespace {

class SampleWindowTest : public SampleFixture
{
protected:
    // Batches 1..n with the given numbers of samples; the newest is current when the window opens.
    void otworzZPartiami(std::initializer_list<int> probek)
    {
        zaloguj();
        int partia = 0;
        for (const int n : probek)
            dodajPartie(rok(), ++partia, n);
        otworzOkno();
    }
    void wybierzPartie(int wiersz)
    {
        okno().DBGridPartia->setCurrentIndex(okno().DBGridPartia->model()->index(wiersz, 0));
    }
    bool zablokowane() const { return !okno().ComDodajG->isEnabled() && !okno().ComZamk->isEnabled(); }
};

void wybierz(QComboBox* combo, const QString& text)
{
    const int index = combo->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

TEST_F(SampleWindowTest, ANewSampleIsProposedAfterTheBatchsHighestNumber)
{
    zaloguj();
    dodajPartie(rok(), 1, 7);
    rok().execute(QStringLiteral("DELETE FROM Badanie WHERE NrProbki < 7"));
    dodajPartie(rok(), 2, 0);
    rok().execute(QStringLiteral("UPDATE Partia SET DataPobr = NULL WHERE Partia = 2"));
    otworzOkno();
    FormPartia& w = okno();

    w.ComDodajG->click();
    EXPECT_EQ(w.FramePartiaG->title(), QStringLiteral("NOWA PRÓBKA"));
    EXPECT_TRUE(w.FramePartiaG->isVisible());
    EXPECT_TRUE(zablokowane());
    EXPECT_EQ(w.TextNrProbki->text(), QStringLiteral("1"));
    EXPECT_EQ(w.TextIDProbkiWNI->text(), QStringLiteral("14650011"));
    EXPECT_EQ(w.TextIDProbkiNr->text(), QStringLiteral("001"));
    EXPECT_EQ(w.TextIDProbkiData->text(), QString()); // the batch has no sampling date
    EXPECT_EQ(w.TextNrKolczyka->text(), QStringLiteral("PL005"));
    EXPECT_EQ(fokus(), QStringLiteral("TextNrKolczyka"));
    EXPECT_EQ(w.TextNrKolczyka->cursorPosition(), 5);
    EXPECT_EQ(w.ComboGatunek->currentText(), QStringLiteral("Bydło"));
    EXPECT_EQ(w.ComboPlec->currentText(), QStringLiteral("żeńska"));
    w.ComAnulujFrNaPIW->click();

    // After a deer sample: the species stays, everything about the animal and its owner goes.
    wybierzPartie(1);
    w.ComboGatunek->setEditText(QStringLiteral("Jeleniowate"));
    w.ComboGatunek2->setEditText(QStringLiteral("łoś"));
    w.ComboWiek->setEditText(QStringLiteral("40"));
    w.ComboPlec->setEditText(QStringLiteral("męska"));
    w.TextWlascicielNazwisko->setText(QStringLiteral("Żółkiewski"));
    w.LabIDWOJ->setText(QStringLiteral("14"));
    w.ComDodajG->click();
    EXPECT_EQ(w.TextNrProbki->text(), QStringLiteral("8"));
    EXPECT_EQ(w.TextIDProbkiNr->text(), QStringLiteral("008"));
    EXPECT_EQ(w.TextIDProbkiData->text(), QStringLiteral("02032022"));
    EXPECT_EQ(w.ComboGatunek->currentText(), QStringLiteral("Jeleniowate"));
    EXPECT_EQ(w.ComboGatunek2->currentText(), QString());
    EXPECT_TRUE(w.ComboGatunek2->isHidden());
    EXPECT_EQ(w.ComboWiek->currentText(), QString());
    EXPECT_EQ(w.ComboPlec->currentText(), QStringLiteral("żeńska"));
    EXPECT_EQ(w.TextWlascicielNazwisko->text(), QString());
    EXPECT_EQ(w.LabIDWOJ->text(), QString());
    EXPECT_TRUE(w.NowyRekord);
    EXPECT_EQ(w.EdytowanyNrKolczyka, QString());
}

TEST_F(SampleWindowTest, AStoredSampleIsTrimmedCountedAndTheFrameCloses)
{
    otworzZPartiami({0});
    FormPartia& w = okno();
    w.ComDodajG->click();
    uzupelnijProbke(QStringLiteral("PL00512345678 "));
    w.ComboRodzajUboju->setEditText(QStringLiteral(" N "));
    w.TextDataUrodzenia->setText(QStringLiteral("31.02.2020"));

    // Blanks do not make up a tag's fourteen characters.
    w.ComZapiszFrNaPIW->click();
    EXPECT_TRUE(
        ostatniKomunikat().startsWith(QStringLiteral("Wprowadź poprawny numer kolczyka o długości 14")));
    EXPECT_EQ(fokus(), QStringLiteral("TextNrKolczyka"));
    w.TextNrKolczyka->setText(QStringLiteral("PL005123456789"));
    // A birth date that is no date is refused, never dropped in silence.
    w.ComZapiszFrNaPIW->click();
    EXPECT_EQ(ostatniKomunikat(),
              QStringLiteral("Nieprawidłowa data urodzenia! Wprowadź datę w formacie dd.mm.rrrr "
                             "lub pozostaw pole puste."));
    EXPECT_EQ(fokus(), QStringLiteral("TextDataUrodzenia"));
    EXPECT_EQ(liczbaProbek(), 0);
    EXPECT_TRUE(zablokowane());

    w.TextDataUrodzenia->setText(QStringLiteral("15.01.2020"));
    w.ComZapiszFrNaPIW->click();
    const QList<QVariantMap> zapisane = probki(QStringLiteral("PL005123456789"));
    ASSERT_EQ(zapisane.size(), 1);
    const QVariantMap& p = zapisane.first();
    EXPECT_EQ(p.value(QStringLiteral("Partia")).toInt(), 1);
    EXPECT_EQ(p.value(QStringLiteral("NrProbki")).toInt(), 1);
    EXPECT_EQ(p.value(QStringLiteral("IDProbkiNr")).toString(), QStringLiteral("001"));
    EXPECT_EQ(p.value(QStringLiteral("RodzajUboju")).toString(), QStringLiteral("N"));
    EXPECT_EQ(p.value(QStringLiteral("Wiek")).toDouble(), 30.0);
    EXPECT_TRUE(p.value(QStringLiteral("LiczebnoscStada")).isNull());
    EXPECT_EQ(p.value(QStringLiteral("DataUrodzenia")).toString(), QStringLiteral("15.01.2020"));
    EXPECT_EQ(p.value(QStringLiteral("Gatunek")).toString(), QStringLiteral("Bydło"));
    EXPECT_TRUE(w.FramePartiaG->isHidden());
    EXPECT_FALSE(zablokowane());
    EXPECT_FALSE(w.NowyRekord);
    EXPECT_TRUE(w.sampleCaption().endsWith(QStringLiteral("ILOŚĆ POZYCJI: 1")));
    EXPECT_EQ(w.DBGridPartiaG->model()->index(0, 6).data().toString(), QStringLiteral("PL005123456789"));
}

TEST_F(SampleWindowTest, EarTagNumberAndCodeMustBeFreeWhateverTheLetterCase)
{
    otworzZPartiami({2, 0});
    FormPartia& w = okno();
    w.ComDodajG->click();
    uzupelnijProbke(QStringLiteral("pl000000001002"));
    w.ComZapiszFrNaPIW->click();
    EXPECT_EQ(dialogs->last().title, QStringLiteral("INFORMACJA"));
    EXPECT_EQ(
        ostatniKomunikat(),
        QStringLiteral("Nr kolczyka: pl000000001002 już istnieje w\rpartii nr :1\rpróbka nr: 2\rPopraw!"));
    EXPECT_EQ(fokus(), QStringLiteral("TextNrKolczyka"));
    EXPECT_FALSE(rok().inTransaction()) << "a refusal must not keep the file locked";
    w.ComAnulujFrNaPIW->click();

    // Within the first batch: a taken number, then a taken code under a free number.
    wybierzPartie(1);
    rok().execute(QStringLiteral("UPDATE Badanie SET IDProbkiNr = '009' WHERE NrProbki = 1"));
    w.ComDodajG->click();
    uzupelnijProbke(QStringLiteral("PL005000000009"));
    w.TextNrProbki->setText(QStringLiteral("2"));
    w.TextIDProbkiNr->setText(QStringLiteral("002"));
    w.ComZapiszFrNaPIW->click();
    EXPECT_EQ(dialogs->last().title, QStringLiteral("KONTROLA POPRAWNOŚCI"));
    EXPECT_EQ(ostatniKomunikat(), QStringLiteral("Próbka o numerze: 2 już istnieje.\r\nPopraw nr próbki!"));
    EXPECT_EQ(fokus(), QStringLiteral("TextNrProbki"));
    w.TextNrProbki->setText(QStringLiteral("9"));
    w.TextIDProbkiNr->setText(QStringLiteral("009"));
    w.ComZapiszFrNaPIW->click();
    EXPECT_EQ(ostatniKomunikat(), QStringLiteral("Próbka o numerze: 9 już istnieje.\r\nPopraw nr próbki!"));
    EXPECT_EQ(fokus(), QStringLiteral("TextIDProbkiWNI"));
    w.ComAnulujFrNaPIW->click();

    // An edited sample is never compared with itself, even when only its tag's case changes.
    w.ComPoprawG->click();
    EXPECT_EQ(w.FramePartiaG->title(), QStringLiteral("EDYCJA PRÓBKI"));
    EXPECT_EQ(w.EdytowanyNrKolczyka, QStringLiteral("PL000000001001"));
    w.TextNrKolczyka->setText(QStringLiteral("pl000000001001"));
    w.TextIDProbkiNr->setText(QStringLiteral("001"));
    w.ComZapiszFrNaPIW->click();
    EXPECT_TRUE(w.FramePartiaG->isHidden()) << ostatniKomunikat().toStdString();
    EXPECT_EQ(probki(QStringLiteral("pl000000001001")).size(), 1);
    EXPECT_EQ(liczbaProbek(), 2);
}

TEST_F(SampleWindowTest, NextSampleGoesOnWithNewAndWithStoredSamples)
{
    otworzZPartiami({2});
    FormPartia& w = okno();
    w.CheckNastG->setChecked(true);
    w.ComDodajG->click();
    uzupelnijProbke(QStringLiteral("PL005000000003"));
    w.ComZapiszFrNaPIW->click();
    EXPECT_EQ(liczbaProbek(), 3);
    EXPECT_TRUE(w.FramePartiaG->isVisible());
    EXPECT_EQ(w.FramePartiaG->title(), QStringLiteral("NOWA PRÓBKA"));
    EXPECT_EQ(w.TextNrProbki->text(), QStringLiteral("4"));
    EXPECT_EQ(w.TextIDProbkiNr->text(), QStringLiteral("004"));
    EXPECT_EQ(w.TextNrKolczyka->text(), QStringLiteral("PL005"));
    w.ComAnulujFrNaPIW->click();

    // Stored samples follow one another to the end of the list.
    w.DataProbka->moveToRow(1);
    w.ComPoprawG->click();
    EXPECT_EQ(w.TextNrProbki->text(), QStringLiteral("2"));
    w.ComZapiszFrNaPIW->click();
    EXPECT_EQ(w.TextNrProbki->text(), QStringLiteral("3"));
    EXPECT_TRUE(w.FramePartiaG->isVisible());
    w.ComZapiszFrNaPIW->click();
    EXPECT_TRUE(w.FramePartiaG->isHidden());
    EXPECT_FALSE(w.CheckNastG->isChecked());
    EXPECT_FALSE(zablokowane());
    EXPECT_EQ(w.DataProbka->currentRow(), 2);
    EXPECT_EQ(liczbaProbek(), 3);
}

TEST_F(SampleWindowTest, TheFirstSampleOfAnImportIsHandedOverNotStored)
{
    otworzZPartiami({1});
    FormPartia& w = okno();
    int wywolania = 0;
    bool ramkaUkryta = false;
    bool czeka = true;
    QString kolczyk;
    QString gatunek;
    batchWindowCommands().WczytajPlikZakladu = [&] {
        ++wywolania;
        ramkaUkryta = w.FramePartiaG->isHidden();
        czeka = w.CzekaNaPierwszaProbke;
        kolczyk = w.TextNrKolczyka->text();
        gatunek = w.ComboGatunek->currentText();
    };

    w.ComDodajG->click();
    w.CzekaNaPierwszaProbke = true;
    // A taken tag still stops it, and the import keeps waiting.
    uzupelnijProbke(QStringLiteral("PL000000001001"));
    w.ComZapiszFrNaPIW->click();
    EXPECT_EQ(wywolania, 0);
    EXPECT_TRUE(w.CzekaNaPierwszaProbke);

    // The number and code searches are the import's business: a taken number passes here.
    w.TextNrKolczyka->setText(QStringLiteral("PL005000000077"));
    w.TextNrProbki->setText(QStringLiteral("1"));
    w.TextIDProbkiNr->setText(QStringLiteral("001"));
    w.ComZapiszFrNaPIW->click();
    ASSERT_EQ(wywolania, 1);
    EXPECT_TRUE(ramkaUkryta);
    EXPECT_FALSE(czeka);
    EXPECT_EQ(kolczyk, QStringLiteral("PL005000000077"));
    EXPECT_EQ(gatunek, QStringLiteral("Bydło"));
    EXPECT_EQ(liczbaProbek(), 1);
    EXPECT_TRUE(zablokowane()) << "the import unlocks the window when it ends";

    // Cancelling drops a waiting import: the next save stores its sample.
    w.Klawisze(true, true);
    w.ComDodajG->click();
    w.CzekaNaPierwszaProbke = true;
    w.ComAnulujFrNaPIW->click();
    EXPECT_FALSE(w.CzekaNaPierwszaProbke);
    w.ComDodajG->click();
    uzupelnijProbke(QStringLiteral("PL005000000078"));
    w.ComZapiszFrNaPIW->click();
    EXPECT_EQ(wywolania, 1);
    EXPECT_EQ(liczbaProbek(), 2);
}

TEST_F(SampleWindowTest, AFailedWriteKeepsTheFrameAndStoresNothing)
{
    otworzZPartiami({0});
    FormPartia& w = okno();
    w.ComDodajG->click();
    uzupelnijProbke(QStringLiteral("PL005123456789"));
    w.TextGmina->setText(QString(40, QLatin1Char('g'))); // the box takes more than the field
    w.ComZapiszFrNaPIW->click();
    EXPECT_EQ(dialogs->last().title, QStringLiteral("Powiadom programistę!"));
    EXPECT_EQ(liczbaProbek(), 0);
    EXPECT_TRUE(w.FramePartiaG->isVisible());
    EXPECT_TRUE(zablokowane()) << "the open frame keeps the window locked";
    // The row begun is dropped, not finished by the next save.
    w.TextGmina->setText(QStringLiteral("Łowicz"));
    w.ComZapiszFrNaPIW->click();
    EXPECT_EQ(liczbaProbek(), 1);
    EXPECT_EQ(w.DataProbka->recordCount(), 1);
}

TEST_F(SampleWindowTest, DeletingASampleAsksAndRecounts)
{
    otworzZPartiami({3});
    FormPartia& w = okno();
    dialogs->answerNo().answerYes();
    w.ComUsunG->click();
    EXPECT_EQ(liczbaProbek(), 3);
    EXPECT_EQ(dialogs->last().text, QStringLiteral("Czy na pewno usunąć próbkę nr: 1 z partii: 1"));
    EXPECT_EQ(dialogs->last().title, QStringLiteral("USUWANIE!"));
    EXPECT_FALSE(dialogs->last().yesIsDefault);
    w.ComUsunG->click();
    EXPECT_EQ(liczbaProbek(), 2);
    EXPECT_EQ(w.DataProbka->recordCount(), 2);
    EXPECT_TRUE(w.sampleCaption().endsWith(QStringLiteral("ILOŚĆ POZYCJI: 2")));
}

TEST_F(SampleWindowTest, DistrictsComeWithTheirOwnCodesAndClientsFillTheOwner)
{
    zaloguj();
    db::Database& stale = ModLabor().BazaStale;
    for (const auto& [kod, miasto] : {std::pair{"1420", "Sokołów"}, std::pair{"1810", "Sokołów"},
                                      std::pair{"1801", "Brzozów"}, std::pair{"1465", "Warszawa"}})
        wstaw(stale, QStringLiteral("PIW"),
              {{QStringLiteral("IDPIW"), QString::fromUtf8(kod)},
               {QStringLiteral("Miasto"), QString::fromUtf8(miasto)}});
    wstaw(stale, QStringLiteral("Klient"),
          {{QStringLiteral("WNI"), QStringLiteral("PL0123456789001")},
           {QStringLiteral("Nazwisko"), QStringLiteral("Nowak")},
           {QStringLiteral("Gmina"), QStringLiteral("Radom")}});
    dodajPartie(rok(), 1, 0);
    otworzOkno();
    FormPartia& w = okno();
    w.ComDodajG->click();

    wybierz(w.ComboWoj, QStringLiteral("Podkarpackie"));
    EXPECT_EQ(w.LabIDWOJ->text(), QStringLiteral("18"));
    EXPECT_EQ(w.ComboPIW->count(), 2);
    EXPECT_EQ(w.ComboPIW->currentText(), QString());
    // The same town stands in another voivodeship: the chosen item's code is taken.
    wybierz(w.ComboPIW, QStringLiteral("Sokołów"));
    EXPECT_EQ(w.LabIDPIW->text(), QStringLiteral("1810"));
    EXPECT_EQ(w.TextKodPIW->text(), QStringLiteral("1810"));
    wybierz(w.ComboWoj, QStringLiteral("Opolskie"));
    EXPECT_EQ(w.ComboPIW->count(), 0);
    EXPECT_EQ(w.LabIDPIW->text(), QString());

    opener->onOpen(QStringLiteral("FormKlient"), [](QDialog& window) {
        QTest::mouseClick(static_cast<FormKlient&>(window).ComUzyj, Qt::LeftButton);
    });
    w.ComWNI->click();
    EXPECT_EQ(w.TextNrGospod->text(), QStringLiteral("PL0123456789001"));
    EXPECT_EQ(w.TextWlascicielNazwisko->text(), QStringLiteral("Nowak"));
    EXPECT_EQ(w.TextGmina->text(), QStringLiteral("Radom"));
    EXPECT_EQ(w.ComboWoj->currentText(), QString());
    w.ComAnulujFrNaPIW->click();

    w.ComWstawPowiat->click();
    EXPECT_EQ(w.TextPowiat->text(), QStringLiteral("1465"));
}

TEST_F(SampleWindowTest, TheClientPickerOpensAboveTheBatchWindow)
{
    zaloguj();
    dodajPartie(rok(), 1, 0);
    otworzOkno();
    FormPartia& w = okno();
    w.ComDodajG->click();
    const QWindow* above = nullptr;
    opener->onOpen(QStringLiteral("FormKlient"), [&above](QDialog& window) {
        above = window.windowHandle() ? window.windowHandle()->transientParent() : nullptr;
    });
    w.ComWNI->click();
    ASSERT_EQ(opener->opened().last(), QStringLiteral("FormKlient"));
    ASSERT_NE(w.windowHandle(), nullptr);
    EXPECT_EQ(above, w.windowHandle());
}

} // namespace
