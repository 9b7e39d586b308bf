// "&Wczytaj" of the sample list: an establishment's own sample file into an empty batch, in the
// layout of the batch's establishment. Formats A and B first wait for their first sample to be
// completed in the sample frame; its save hands the file over (WczytajPlikZakladu).

#include "BatchImports.h"
#include "ImportSession.h"
#include "PlantFiles.h"

#include "batch/FormPartia.h"
#include "common/Messages.h"
#include "common/ModLabor.h"
#include "common/TextLines.h"

#include "platform/PlatformError.h"
#include "platform/ui/DialogService.h"

#include <QFileInfo>

namespace trelimor {

namespace {

const QString kInformacja = QStringLiteral("INFORMACJA");

QString kodZakladu(const FormPartia& okno)
{
    return BezNullText(okno.DataPartia->recordset().value(QStringLiteral("KodZakladu")));
}

const SampleImportKind kFormatAB{kFiltrExcel, ConversionText::ProgramOption, SourceUnit::Row, true};
const SampleImportKind kFormatCE{kFiltrExcel, ConversionText::CheckFile, SourceUnit::Row, true};
const SampleImportKind kFormatD{kFiltrTxt, ConversionText::CheckFile, SourceUnit::Line, true};

void WczytajFormatA(FormPartia& okno)
{
    const WartosciProbki wzor = okno.wartosciProbki();
    runSampleImport(
        okno, kFormatAB, [&](const QString& path) { return readPlantFormatA(ImportSheet(path), wzor); },
        false);
}

void WczytajFormatB(FormPartia& okno)
{
    const WartosciProbki wzor = okno.wartosciProbki();
    runSampleImport(
        okno, kFormatAB, [&](const QString& path) { return readPlantFormatB(ImportSheet(path), wzor); },
        false);
}

void WczytajFormatC(FormPartia& okno)
{
    const CzesciKoduProbki partia = kodProbkiPartii(okno.DataPartia->recordset());
    runSampleImport(
        okno, kFormatCE,
        [&](const QString& path) {
            return readPlantFormatC(ImportSheet(path), partia, ModLabor().BazaStale);
        },
        false);
}

void WczytajFormatE(FormPartia& okno)
{
    const CzesciKoduProbki partia = kodProbkiPartii(okno.DataPartia->recordset());
    const WartosciProbki panel = okno.wartosciProbki();
    runSampleImport(
        okno, kFormatCE,
        [&](const QString& path) {
            return readPlantFormatE(ImportSheet(path), partia, panel, ModLabor().BazaStale);
        },
        false);
}

void WczytajFormatD(FormPartia& okno)
{
    runSampleImport(
        okno, kFormatD, [](const QString& path) { return readPlantFormatD(readTextLines(path)); }, false);
}

// Format A's first sample: a new sample with row 1's ear tag and age, the rest for the user.
void wzorFormatuA(FormPartia& okno, const ImportSheet& sheet)
{
    okno.ComDodajG_Click();
    okno.TextNrKolczyka->setText(sheet.Text(1, 3));
    okno.ComboWiek->setEditText(sheet.Text(1, 5));
    PokazInfo(QStringLiteral("Ustaw parametry dla pierwszej próbki!\r"
                             "Informacje takie jak: gatunek, płeć, rodzaj uboju,\r"
                             "objawy chorobowe, użytkowość, identyfikator stada, liczebność stada\r"
                             "oraz inoformacje z ramki: Dane właściciela / miejsce pochodzenia  zwierzęcia\r"
                             "będą zapisane do wszystkich wczytywanych próbek."),
              kInformacja);
    okno.ComboRodzajUboju->setFocus();
}

// The owner and herd of format B's first sample, from the clients register by its herd number.
void wlascicielFormatuB(FormPartia& okno)
{
    db::Recordset klient = ModLabor().BazaStale.openRecordset(
        QStringLiteral("SELECT * FROM Klient WHERE WNI = ?"), {okno.TextNrGospod->text()});
    if (klient.eof())
        return;
    const auto pole = [&klient](const char* nazwa) {
        return BezNullText(klient.value(QLatin1String(nazwa)));
    };
    okno.LabTypWNI->setText(pole("TypWNI"));
    for (const auto& [combo, nazwa] : {std::pair{okno.ComboObjawyChorobowe, "ObjawyChorobowe"},
                                       std::pair{okno.ComboUzytkowosc, "Uzytkowosc"}})
        if (!pole(nazwa).isEmpty())
            combo->setEditText(pole(nazwa));
    if (!pole("LiczebnoscStada").isEmpty())
        okno.TextLiczebnoscStada->setText(pole("LiczebnoscStada"));
    okno.TextWlascicielNazwisko->setText(pole("Nazwisko"));
    okno.TextWlascicielImie->setText(pole("Imie"));
    okno.TextWlascicielMiejscowosc->setText(pole("Miejscowosc"));
    okno.TextWlascicielNrPosesja->setText(pole("NrPosesja"));
    okno.ComboWoj->setEditText(pole("Wojewodztwo"));
    okno.LabIDWOJ->setText(pole("KodWoj"));
    okno.ComboPIW->setEditText(pole("Powiat"));
    okno.TextKodPIW->setText(pole("KodPIW"));
    okno.LabIDPIW->setText(pole("KodPIW"));
    okno.TextGmina->setText(pole("Gmina"));
}

// Format B's first sample: a new sample with row 5's animal, herd and owner.
void wzorFormatuB(FormPartia& okno, const ImportSheet& sheet)
{
    okno.ComDodajG_Click();
    okno.TextNrKolczyka->setText(sheet.Text(5, 3));
    okno.ComboWiek->setEditText(sheet.Text(5, 19));
    const QString plec = sheet.Text(5, 13);
    if (const std::optional<QString> p = plecFormatuB(plec))
        okno.ComboPlec->setEditText(*p);
    else
        PokazInfo(QStringLiteral("Nieprawidłowa płeć w wierszu nr 5: ") + plec, kInformacja);
    const QString gatunek = sheet.Text(5, 14);
    if (const std::optional<QString> g = gatunekFormatuB(gatunek))
        okno.ComboGatunek->setEditText(*g);
    else
        PokazInfo(QStringLiteral("Nieprawidłowy gatunek w wierszu nr 5: ") + gatunek, kInformacja);
    okno.TextNrGospod->setText(sheet.Text(5, 20));
    wlascicielFormatuB(okno);
    okno.TextDataUrodzenia->setText(sheet.Text(5, 11));
    okno.ComboRodzajUboju->setEditText(QStringLiteral("N"));
    okno.ComboRodzajMaterialu->setEditText(QStringLiteral("pień mózgu"));
    okno.ComboWarunkiPrzechowywania->setEditText(QStringLiteral("schłodzone"));
    okno.TextUwagiG->setFocus();
}

} // namespace

void ComWczytaj_Click(FormPartia& okno)
{
    if (!okno.maPartie())
        return;
    if (okno.DataProbka->recordCount() > 0) {
        PokazInfo(QStringLiteral("Dane można wczytać do partii, która nie ma przypisanych próbek!\r"
                                 "Załóż nową partię i wczytaj ponownie!"),
                  kInformacja);
        return;
    }
    okno.LabelWczytajPlik->clear();
    const QString kod = kodZakladu(okno);
    const QString path = openImportFile(kod == kZakladFormatuD ? kFiltrTxt : kFiltrExcel);
    if (path.isEmpty())
        return;
    try {
        if (!QFileInfo(path).isReadable())
            throw PlatformError(QStringLiteral("Nie można otworzyć pliku %1.").arg(path));
        okno.LabelWczytajPlik->setText(path);
        std::optional<ImportSheet> sheet;
        if (kod != kZakladFormatuD)
            sheet.emplace(path);
        if (kod == kZakladFormatuA || kod == kZakladFormatuB) {
            // The file waits in LabelWczytajPlik for the first sample's save.
            okno.CzekaNaPierwszaProbke = true;
            if (kod == kZakladFormatuA)
                wzorFormatuA(okno, *sheet);
            else
                wzorFormatuB(okno, *sheet);
            return;
        }
        if (kod == kZakladFormatuC || kod == kZakladFormatuD || kod == kZakladFormatuE) {
            WczytajPlikZakladu(okno);
            return;
        }
        okno.LabelWczytajPlik->clear();
        PokazInfo(
            QStringLiteral("Istnieje możliwość wczytywania plików z numerami kolczyków przygotowanych np. "
                           "w Excelu lub wygenerowanych z innych systemów!\r"
                           "Aby ustalić układ pliku Twojego zakładu, skontaktuj się z dostawcą programu."),
            kInformacja);
    } catch (const std::exception& e) {
        okno.LabelWczytajPlik->clear();
        okno.CzekaNaPierwszaProbke = false;
        okno.FramePartiaG->hide();
        okno.Klawisze(true, true);
        ui::plainMessage(numberAndDescription(importErrorOf(e), QStringLiteral("-")));
    }
}

void WczytajPlikZakladu(FormPartia& okno)
{
    const QString kod = kodZakladu(okno);
    if (kod == kZakladFormatuA)
        WczytajFormatA(okno);
    else if (kod == kZakladFormatuB)
        WczytajFormatB(okno);
    else if (kod == kZakladFormatuC)
        WczytajFormatC(okno);
    else if (kod == kZakladFormatuD)
        WczytajFormatD(okno);
    else if (kod == kZakladFormatuE)
        WczytajFormatE(okno);
    okno.PokazNaglowekProbek();
    okno.LabelWczytajPlik->clear();
}

} // namespace trelimor
