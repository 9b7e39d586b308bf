// The sample frame's commands: a new sample with its proposals, a stored sample loaded for
// editing, the save with its checks and what follows it, the deletion and the cancel.

#include "FormPartia.h"

#include "BatchCommands.h"
#include "SamplePickers.h"
#include "SampleProposals.h"
#include "SampleSave.h"
#include "common/CodeLists.h"

#include "common/Messages.h"
#include "common/ModLabor.h"
#include "common/TextHelpers.h"
#include "common/YearlyDatabase.h"

#include "platform/ui/DialogService.h"
#include "platform/ui/Keystrokes.h"

#include <optional>

namespace trelimor {

namespace {

// The species a new sample starts with when none was chosen before, and the sex it always gets.
const QString kGatunekDomyslny = QStringLiteral("Bydło");
const QString kPlecDomyslna = QStringLiteral("żeńska");
// What every ear tag of a Polish animal begins with; the user types the rest.
const QString kPoczatekKolczyka = QStringLiteral("PL005");
const QString kPowiadomProgramiste = QStringLiteral("Powiadom programistę!");

void clearCombo(QComboBox* combo)
{
    combo->setCurrentIndex(-1);
    combo->setEditText(QString());
}

void showRefusal(FormPartia& w, const Refusal& odmowa)
{
    ui::dialogs().message(odmowa.text, odmowa.title, odmowa.icon);
    if (auto* control = w.findChild<QWidget*>(odmowa.focus))
        control->setFocus();
}

// After a failure: the window unlocks unless the frame stays open, whose values still wait for
// a save or a cancel (an unlocked grid would move the row an edit is written to).
void unlockWithoutFrame(FormPartia& w)
{
    if (w.FramePartiaG->isHidden())
        w.Klawisze(true, true);
}

// The current sample, to come back to when a failed save leaves the list in doubt.
std::optional<db::Recordset::Bookmark> currentSample(const DataControl& probki)
{
    if (probki.currentRow() < 0)
        return std::nullopt;
    return probki.recordset().bookmark();
}

} // namespace

SampleFrameValues FormPartia::sampleValues() const
{
    SampleFrameValues v;
    v.TextNrProbki = TextNrProbki->text();
    v.TextIDProbkiWNI = TextIDProbkiWNI->text();
    v.TextIDProbkiNr = TextIDProbkiNr->text();
    v.TextIDProbkiData = TextIDProbkiData->text();
    v.TextNrKolczyka = TextNrKolczyka->text();
    v.ComboWiek = ComboWiek->currentText();
    v.ComboGatunek = ComboGatunek->currentText();
    v.ComboGatunek2 = ComboGatunek2->currentText();
    v.ComboPlec = ComboPlec->currentText();
    v.ComboRodzajUboju = ComboRodzajUboju->currentText();
    v.ComboSystemUtrzymania = ComboSystemUtrzymania->currentText();
    v.ComboObjawyChorobowe = ComboObjawyChorobowe->currentText();
    v.ComboUzytkowosc = ComboUzytkowosc->currentText();
    v.TextLiczebnoscStada = TextLiczebnoscStada->text();
    v.TextNrGospod = TextNrGospod->text();
    v.TextWlascicielNazwisko = TextWlascicielNazwisko->text();
    v.TextWlascicielImie = TextWlascicielImie->text();
    v.TextWlascicielMiejscowosc = TextWlascicielMiejscowosc->text();
    v.TextWlascicielNrPosesja = TextWlascicielNrPosesja->text();
    v.ComboWoj = ComboWoj->currentText();
    v.LabIDWOJ = LabIDWOJ->text();
    v.ComboPIW = ComboPIW->currentText();
    v.TextKodPIW = TextKodPIW->text();
    v.TextGmina = TextGmina->text();
    v.ComboRodzajMaterialu = ComboRodzajMaterialu->currentText();
    v.ComboWarunkiPrzechowywania = ComboWarunkiPrzechowywania->currentText();
    v.TextDataUrodzenia = TextDataUrodzenia->text();
    v.TextUwagiG = TextUwagiG->toPlainText();
    return v;
}

void FormPartia::ComDodajG_Click()
{
    if (!hasBatches() || !wymagajBazyRoku())
        return;
    try {
        TrybEdycji = QStringLiteral("Dodaj");
        Klawisze(false, false);
        FramePartiaG->setTitle(QStringLiteral("NOWA PRÓBKA"));
        LabTypWNI->clear();

        const int nr = nextSampleNumber(ModLabor().BazaRok, currentBatch().trimmed().toLongLong());
        TextNrProbki->setText(QString::number(nr));
        EdytowanyNrProbki.clear();
        const SampleCodeParts kod = sampleCodeOfBatch(DataPartia->recordset());
        TextIDProbkiWNI->setText(kod.zaklad);
        TextIDProbkiNr->setText(UzupelnijZerami(QString::number(nr), true, 3));
        TextIDProbkiData->setText(kod.data);

        clearCombo(ComboUwagiG);
        TextUwagiG->clear();
        EdytowanyNrKolczyka.clear();
        TextNrKolczyka->setText(kPoczatekKolczyka);
        clearCombo(ComboWiek);
        TextDataUrodzenia->clear();
        clearCombo(ComboGatunek2);
        ComboGatunek2->hide();
        // The species carries over from the sample shown last.
        if (ComboGatunek->currentText().trimmed().isEmpty())
            ComboGatunek->setEditText(kGatunekDomyslny);
        ComboPlec->setEditText(kPlecDomyslna);
        for (QComboBox* combo :
             {ComboRodzajUboju, ComboSystemUtrzymania, ComboObjawyChorobowe, ComboUzytkowosc, ComboWoj,
              ComboPIW, ComboRodzajMaterialu, ComboWarunkiPrzechowywania})
            clearCombo(combo);
        for (QLabel* label : {LabRodzajUboju, LabSystemUtrzymania, LabIDWOJ, LabIDPIW})
            label->clear();
        for (QLineEdit* box :
             {TextKodPIW, TextLiczebnoscStada, TextNrGospod, TextWlascicielNazwisko, TextWlascicielImie,
              TextWlascicielMiejscowosc, TextWlascicielNrPosesja, TextGmina})
            box->clear();

        FramePartiaG->show();
        FramePartiaG->raise();
        NowyRekord = true;
        TextNrKolczyka->setFocus();
        ui::sendKeystrokes(TextNrKolczyka, {ui::Keystroke::End});
    } catch (const std::exception& e) {
        Klawisze(true, true);
        PokazBlad(QStringLiteral("Powiadom programiste!"), e);
    }
}

void FormPartia::ComPoprawG_Click()
{
    if (DataProbka->recordCount() == 0)
        return;
    try {
        LabTypWNI->clear();
        TrybEdycji = QStringLiteral("Popraw");
        Klawisze(false, false);
        NowyRekord = false;
        FramePartiaG->setTitle(QStringLiteral("EDYCJA PRÓBKI"));
        FramePartiaG->show();
        FramePartiaG->raise();

        const db::Recordset& probka = DataProbka->recordset();
        const auto pole = [&probka](const char* name) {
            return BezNullText(probka.value(QLatin1String(name)));
        };
        TextNrProbki->setText(pole("NrProbki"));
        EdytowanyNrProbki = TextNrProbki->text();
        TextIDProbkiWNI->setText(pole("IDProbkiWNI"));
        TextIDProbkiNr->setText(pole("IDProbkiNr"));
        TextIDProbkiData->setText(pole("IDProbkiData"));
        clearCombo(ComboUwagiG);
        TextUwagiG->setPlainText(pole("Uwagi"));
        TextNrKolczyka->setText(pole("NrKolczyka"));
        EdytowanyNrKolczyka = TextNrKolczyka->text();

        // The species first: its rule empties the fields that do not apply, loaded after it.
        ComboWiek->setEditText(pole("Wiek"));
        ComboGatunek->setEditText(pole("Gatunek"));
        ComboGatunek2->setEditText(pole("Gatunek2"));
        if (jestJeleniowaty(ComboGatunek->currentText())) {
            ComboGatunek2->show();
        } else {
            clearCombo(ComboGatunek2);
            ComboGatunek2->hide();
        }
        ComboPlec->setEditText(pole("Plec"));
        // Each code brings its description with it.
        ComboRodzajUboju->setEditText(pole("RodzajUboju"));
        ComboSystemUtrzymania->setEditText(pole("SystemUtrzymania"));
        ComboObjawyChorobowe->setEditText(pole("ObjawyChorobowe"));
        ComboUzytkowosc->setEditText(pole("Uzytkowosc"));
        TextLiczebnoscStada->setText(pole("LiczebnoscStada"));
        TextNrGospod->setText(pole("NrGospod"));
        TextWlascicielNazwisko->setText(pole("WlascicielNazwisko"));
        TextWlascicielImie->setText(pole("WlascicielImie"));
        TextWlascicielMiejscowosc->setText(pole("WlascicielMiejscowosc"));
        TextWlascicielNrPosesja->setText(pole("WlascicielNrPosesja"));

        ComboWoj->setEditText(pole("Wojewodztwo"));
        LabIDWOJ->setText(pole("KodWoj"));
        // The district list offers the inspectorates of the stored voivodeship.
        if (isNumeric(LabIDWOJ->text()))
            fillDistricts(ComboPIW, LabIDWOJ->text());
        ComboPIW->setEditText(pole("Powiat"));
        TextKodPIW->setText(pole("KodPIW"));
        LabIDPIW->setText(pole("KodPIW"));
        TextGmina->setText(pole("Gmina"));
        ComboRodzajMaterialu->setEditText(pole("RodzajMaterialu"));
        ComboWarunkiPrzechowywania->setEditText(pole("WarunkiPrzechowywania"));
        TextDataUrodzenia->setText(pole("DataUrodzenia"));

        ComAnulujFrNaPIW->setFocus();
    } catch (const std::exception& e) {
        unlockWithoutFrame(*this);
        PokazBlad(kPowiadomProgramiste, e);
    }
}

void FormPartia::ComUsunG_Click()
{
    if (DataProbka->recordCount() == 0)
        return;
    db::Recordset& probki = DataProbka->recordset();
    const QString pytanie = QStringLiteral("Czy na pewno usunąć próbkę nr: ") +
                            BezNullText(probki.value(QStringLiteral("NrProbki"))) +
                            QStringLiteral(" z partii: ") +
                            BezNullText(DataPartia->recordset().value(QStringLiteral("Partia")));
    if (!ui::dialogs().askYesNo(pytanie, kDeletionTitle, ui::Icon::Question, false))
        return;
    try {
        probki.deleteRecord();
    } catch (const std::exception& e) {
        // A row another installation holds locked stays; the list shows what the file holds.
        PokazBlad(kDeletionTitle, e);
    }
    DataProbka->refresh();
    // The caption counts what the list now holds.
    refreshSampleCaption();
}

void FormPartia::ComZapiszFrNaPIW_Click()
{
    const std::optional<db::Recordset::Bookmark> biezaca = currentSample(*DataProbka);
    try {
        const SampleFrameValues v = sampleValues();
        if (const std::optional<Refusal> odmowa = firstSampleRefusal(v)) {
            showRefusal(*this, *odmowa);
            return;
        }
        if (!wymagajBazyRoku())
            return;
        const SampleSaveState stan{NowyRekord, EdytowanyNrProbki, EdytowanyNrKolczyka, CzekaNaPierwszaProbke,
                                   currentBatch().trimmed().toLongLong()};
        const SampleSaveResult wynik = saveSample(ModLabor().BazaRok, DataProbka->recordset(), v, stan);
        switch (wynik.rodzaj) {
        case SampleSaveResult::Rodzaj::Odmowa:
            showRefusal(*this, *wynik.odmowa);
            return;
        case SampleSaveResult::Rodzaj::DoImportu:
            // The import writes the file's samples with this frame's values; the window stays
            // locked until it ends.
            FramePartiaG->hide();
            CzekaNaPierwszaProbke = false;
            batchWindowCommands().WczytajPlikZakladu();
            return;
        case SampleSaveResult::Rodzaj::Zapisano:
            break;
        }
        DataProbka->refreshAt(wynik.zapisany);
        refreshSampleCaption();
        continueAfterSampleSave();
    } catch (const std::exception& e) {
        CzekaNaPierwszaProbke = false;
        unlockWithoutFrame(*this);
        PokazBlad(kPowiadomProgramiste, e);
        try {
            if (biezaca)
                DataProbka->refreshAt(*biezaca);
        } catch (const std::exception& again) {
            PokazBlad(kPowiadomProgramiste, again);
        }
    }
}

void FormPartia::continueAfterSampleSave()
{
    const bool nastepna = CheckNastG->isChecked();
    if (NowyRekord && nastepna) {
        ComDodajG_Click();
    } else if (NowyRekord) {
        NowyRekord = false;
        closeFrame(FramePartiaG);
    } else if (nastepna && DataProbka->currentRow() + 1 < DataProbka->recordCount()) {
        DataProbka->moveToRow(DataProbka->currentRow() + 1);
        ComPoprawG_Click();
    } else {
        closeFrame(FramePartiaG);
        CheckNastG->setChecked(false);
    }
    CzekaNaPierwszaProbke = false;
}

void FormPartia::ComAnulujFrNaPIW_Click()
{
    closeFrame(FramePartiaG);
    // An establishment-file import abandoned with its first sample forgets its file.
    if (CzekaNaPierwszaProbke)
        LabelWczytajPlik->clear();
    CzekaNaPierwszaProbke = false;
}

} // namespace trelimor
