// "&Wczytaj" of the sample list: an establishment's own sample file into an empty batch, in the
// layout of the batch's establishment. Formats A and B first wait for their first sample to be
// completed in the sample frame; its save hands the file over (WczytajPlikZakladu).

#include "BatchImportHost.h"
#include "BatchImports.h"
#include "ImportSession.h"
#include "PlantFiles.h"

#include "common/Messages.h"
#include "common/ModLabor.h"
#include "common/TextLines.h"

#include "platform/PlatformError.h"
#include "platform/ui/DialogService.h"

#include <QFileInfo>

namespace trelimor {

namespace {

QString kodZakladu(const BatchImportHost& okno)
{
    return okno.currentBatchCode().zaklad;
}

const SampleImportKind kFormatAB{kFiltrExcel, ConversionText::ProgramOption, SourceUnit::Row, true};
const SampleImportKind kFormatCE{kFiltrExcel, ConversionText::CheckFile, SourceUnit::Row, true};
const SampleImportKind kFormatD{kFiltrTxt, ConversionText::CheckFile, SourceUnit::Line, true};

void WczytajFormatA(BatchImportHost& okno)
{
    const SampleFrameValues wzor = okno.sampleFrame();
    runSampleImport(
        okno, kFormatAB, [&](const QString& path) { return readPlantFormatA(ImportSheet(path), wzor); },
        false);
}

void WczytajFormatB(BatchImportHost& okno)
{
    const SampleFrameValues wzor = okno.sampleFrame();
    runSampleImport(
        okno, kFormatAB, [&](const QString& path) { return readPlantFormatB(ImportSheet(path), wzor); },
        false);
}

void WczytajFormatC(BatchImportHost& okno)
{
    const SampleCodeParts partia = okno.currentBatchCode();
    runSampleImport(
        okno, kFormatCE,
        [&](const QString& path) {
            return readPlantFormatC(ImportSheet(path), partia, ModLabor().BazaStale);
        },
        false);
}

void WczytajFormatE(BatchImportHost& okno)
{
    const SampleCodeParts partia = okno.currentBatchCode();
    const SampleFrameValues panel = okno.sampleFrame();
    runSampleImport(
        okno, kFormatCE,
        [&](const QString& path) {
            return readPlantFormatE(ImportSheet(path), partia, panel, ModLabor().BazaStale);
        },
        false);
}

void WczytajFormatD(BatchImportHost& okno)
{
    runSampleImport(
        okno, kFormatD,
        [](const QString& path) {
            TextLineReader lines(path);
            return readPlantFormatD(lines);
        },
        false);
}

// Format A's first sample: a new sample with row 1's ear tag and age, the rest for the user.
void wzorFormatuA(BatchImportHost& okno, const ImportSheet& sheet)
{
    okno.startNewSample();
    okno.setSampleField(QStringLiteral("TextNrKolczyka"), sheet.Text(1, 3));
    okno.setSampleField(QStringLiteral("ComboWiek"), sheet.Text(1, 5));
    PokazInfo(QStringLiteral("Ustaw parametry dla pierwszej próbki!\r"
                             "Informacje takie jak: gatunek, płeć, rodzaj uboju,\r"
                             "objawy chorobowe, użytkowość, identyfikator stada, liczebność stada\r"
                             "oraz inoformacje z ramki: Dane właściciela / miejsce pochodzenia  zwierzęcia\r"
                             "będą zapisane do wszystkich wczytywanych próbek."),
              kInformationTitle);
    okno.focus(QStringLiteral("ComboRodzajUboju"));
}

// The owner and herd of format B's first sample, from the clients register by its herd number.
void wlascicielFormatuB(BatchImportHost& okno)
{
    db::Recordset klient = ModLabor().BazaStale.openRecordset(
        QStringLiteral("SELECT * FROM Klient WHERE WNI = ?"), {okno.sampleFrame().TextNrGospod});
    if (klient.eof())
        return;
    const auto pole = [&klient](const char* nazwa) {
        return BezNullText(klient.value(QLatin1String(nazwa)));
    };
    const auto wstaw = [&okno](const char* kontrolka, const QString& tekst) {
        okno.setSampleField(QLatin1String(kontrolka), tekst);
    };
    wstaw("LabTypWNI", pole("TypWNI"));
    // Herd hints: an empty one leaves the frame's value.
    for (const char* nazwa : {"ObjawyChorobowe", "Uzytkowosc"})
        if (!pole(nazwa).isEmpty())
            okno.setSampleField(QStringLiteral("Combo") + QLatin1String(nazwa), pole(nazwa));
    if (!pole("LiczebnoscStada").isEmpty())
        wstaw("TextLiczebnoscStada", pole("LiczebnoscStada"));
    wstaw("TextWlascicielNazwisko", pole("Nazwisko"));
    wstaw("TextWlascicielImie", pole("Imie"));
    wstaw("TextWlascicielMiejscowosc", pole("Miejscowosc"));
    wstaw("TextWlascicielNrPosesja", pole("NrPosesja"));
    wstaw("ComboWoj", pole("Wojewodztwo"));
    wstaw("LabIDWOJ", pole("KodWoj"));
    wstaw("ComboPIW", pole("Powiat"));
    wstaw("TextKodPIW", pole("KodPIW"));
    wstaw("LabIDPIW", pole("KodPIW"));
    wstaw("TextGmina", pole("Gmina"));
}

// Format B's first sample: a new sample with row 5's animal, herd and owner.
void wzorFormatuB(BatchImportHost& okno, const ImportSheet& sheet)
{
    okno.startNewSample();
    okno.setSampleField(QStringLiteral("TextNrKolczyka"), sheet.Text(5, 3));
    okno.setSampleField(QStringLiteral("ComboWiek"), sheet.Text(5, 19));
    const QString plec = sheet.Text(5, 13);
    if (const std::optional<QString> p = plecFormatuB(plec))
        okno.setSampleField(QStringLiteral("ComboPlec"), *p);
    else
        PokazInfo(QStringLiteral("Nieprawidłowa płeć w wierszu nr 5: ") + plec, kInformationTitle);
    const QString gatunek = sheet.Text(5, 14);
    if (const std::optional<QString> g = gatunekFormatuB(gatunek))
        okno.setSampleField(QStringLiteral("ComboGatunek"), *g);
    else
        PokazInfo(QStringLiteral("Nieprawidłowy gatunek w wierszu nr 5: ") + gatunek, kInformationTitle);
    okno.setSampleField(QStringLiteral("TextNrGospod"), sheet.Text(5, 20));
    wlascicielFormatuB(okno);
    okno.setSampleField(QStringLiteral("TextDataUrodzenia"), sheet.Text(5, 11));
    okno.setSampleField(QStringLiteral("ComboRodzajUboju"), QStringLiteral("N"));
    okno.setSampleField(QStringLiteral("ComboRodzajMaterialu"), QStringLiteral("pień mózgu"));
    okno.setSampleField(QStringLiteral("ComboWarunkiPrzechowywania"), QStringLiteral("schłodzone"));
    okno.focus(QStringLiteral("TextUwagiG"));
}

} // namespace

void ComWczytaj_Click(BatchImportHost& okno)
{
    if (!okno.hasBatch())
        return;
    if (okno.sampleCount() > 0) {
        PokazInfo(QStringLiteral("Dane można wczytać do partii, która nie ma przypisanych próbek!\r"
                                 "Załóż nową partię i wczytaj ponownie!"),
                  kInformationTitle);
        return;
    }
    okno.setLabelWczytajPlik(QString());
    const QString kod = kodZakladu(okno);
    const QString path = openImportFile(kod == kZakladFormatuD ? kFiltrTxt : kFiltrExcel);
    if (path.isEmpty())
        return;
    try {
        if (!QFileInfo(path).isReadable())
            throw PlatformError(QStringLiteral("Nie można otworzyć pliku %1.").arg(path));
        okno.setLabelWczytajPlik(path);
        std::optional<ImportSheet> sheet;
        if (kod != kZakladFormatuD)
            sheet.emplace(path);
        if (kod == kZakladFormatuA || kod == kZakladFormatuB) {
            // The file waits in LabelWczytajPlik for the first sample's save.
            okno.setCzekaNaPierwszaProbke(true);
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
        okno.setLabelWczytajPlik(QString());
        PokazInfo(
            QStringLiteral("Istnieje możliwość wczytywania plików z numerami kolczyków przygotowanych np. "
                           "w Excelu lub wygenerowanych z innych systemów!\r"
                           "Aby ustalić układ pliku Twojego zakładu, skontaktuj się z dostawcą programu."),
            kInformationTitle);
    } catch (const std::exception& e) {
        okno.setLabelWczytajPlik(QString());
        okno.setCzekaNaPierwszaProbke(false);
        okno.hideSampleFrame();
        okno.Klawisze(true, true);
        ui::plainMessage(numberAndDescription(importErrorOf(e), QStringLiteral("-")));
    }
}

void WczytajPlikZakladu(BatchImportHost& okno)
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
    okno.refreshSampleCaption();
    okno.setLabelWczytajPlik(QString());
}

} // namespace trelimor
