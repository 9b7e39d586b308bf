// New batches started from a file's header: the protocol spreadsheet's, whose samples follow
// the batch's save, and a data collector's.

#include "BatchImports.h"
#include "CollectorHeader.h"
#include "ImportErrors.h"
#include "ImportSession.h"
#include "ProtocolHeader.h"

#include "batch/BatchFields.h"
#include "batch/FormPartia.h"
#include "common/Dates.h"
#include "common/Messages.h"
#include "common/ModLabor.h"
#include "common/ProgramState.h"
#include "common/TextLines.h"

namespace trelimor {

namespace {

const QString kInformacja = QStringLiteral("INFORMACJA");
const QString kWczytywanie = QStringLiteral("WCZYTYWANIE");

void set(QWidget* control, const std::optional<QString>& value)
{
    if (value)
        ustawTekstKontrolki(control, *value);
}

void fillBatchFrame(FormPartia& w, const ProtocolHeader& h)
{
    set(w.TextDataUboju, h.TextDataUboju);
    set(w.TextDataPobr, h.TextDataPobr);
    set(w.TextGodzUboju, h.TextGodzUboju);
    set(w.TextGodzPobr, h.TextGodzPobr);
    set(w.TextZaklad, h.TextZaklad);
    set(w.TextPowiat, h.TextPowiat);
    set(w.ComboProceduraPobierania, h.ComboProceduraPobierania);
    set(w.ComboPlanPobierania, h.ComboPlanPobierania);
    set(w.ComboPobral, h.ComboPobral);
    set(w.TextIlProbek, h.TextIlProbek);
}

// The establishment's type and, when the header gave none, its county, from the register.
void fillFromEstablishment(FormPartia& w)
{
    w.ComboWNI->setEditText(QString());
    db::Recordset zaklad = ModLabor().BazaStale.openRecordset(
        QStringLiteral("SELECT TypWNI, KodPIW FROM ZAKLAD WHERE WNI = ?"), {w.TextZaklad->text().trimmed()});
    if (zaklad.eof())
        return;
    w.ComboWNI->setEditText(BezNullText(zaklad.value(QStringLiteral("TypWNI"))));
    if (w.TextPowiat->text().isEmpty())
        w.TextPowiat->setText(BezNullText(zaklad.value(QStringLiteral("KodPIW"))));
}

void refuseProtocol(FormPartia& w)
{
    setWaitCursor(w, false);
    w.Klawisze(true, true);
    PokazUwage(QStringLiteral("Wczytywany plik jest niezgodny z formatem protokołu!\r"
                              "Prawdopodobnie miała miejsce ręczna ingerencja w strukturę pliku!\r"
                              "Przerywam wczytywanie!"),
               kWczytywanie);
}

QString monthMessage(const QDate& date, bool otherYear)
{
    const QString month = date.toString(QStringLiteral("MM"));
    const QString name = NazwaMiesiaca(month);
    if (!otherYear)
        return QStringLiteral("Wczytywany plik zawiera dane z miesiąca ") + month + QStringLiteral(" (") +
               name + QStringLiteral(")\rW oknie głównym programu zmień datę na miesiąc ") + name +
               QStringLiteral(" i wczytaj ponownie!");
    const QString year = date.toString(QStringLiteral("yyyy"));
    return QStringLiteral("Wczytywany plik zawiera dane z miesiąca ") + month + QStringLiteral(" (") + name +
           QStringLiteral(") roku ") + year +
           QStringLiteral("\rW oknie głównym programu zmień datę na miesiąc ") + name + QLatin1Char(' ') +
           year + QStringLiteral(" i wczytaj ponownie!");
}

} // namespace

void ComWczytPart_Click(FormPartia& okno)
{
    const QString path = openImportFile(kFiltrExcel);
    if (path.isEmpty()) {
        okno.Klawisze(true, true);
        return;
    }
    setWaitCursor(okno, true);
    okno.repaint();
    try {
        const ProtocolHeader header = readProtocolHeader(ImportSheet(path));
        if (!header.isProtocol) {
            refuseProtocol(okno);
            return;
        }
        okno.ComDodajPr_Click();
        if (okno.FramePartia->isHidden()) { // no yearly file to add a batch to: the user was told
            setWaitCursor(okno, false);
            return;
        }
        fillBatchFrame(okno, header);
        if (header.refused) {
            refuseProtocol(okno);
            return;
        }
        fillFromEstablishment(okno);
        okno.TrybWczytywania = QStringLiteral("WczytAuto");
        okno.LabelWczytajPlik->setText(path);
        setWaitCursor(okno, false);
    } catch (const std::exception& e) {
        setWaitCursor(okno, false);
        okno.Klawisze(true, true);
        showLoadFailure(importErrorOf(e));
    }
}

void ComWczytKolektor_Click(FormPartia& okno)
{
    const QString path = openImportFile(kFiltrKolektora);
    if (path.isEmpty())
        return;
    okno.CommonDialog1Tag = path;
    try {
        const std::optional<CollectorHeader> header = findCollectorHeader(readTextLines(path));
        const std::optional<QDate> date = header ? collectorDate(header->dataPobr) : std::nullopt;
        if (!date) {
            PokazUwage(
                QStringLiteral("Niepoprawny format wczytywanego pliku!\rSprawdź plik i wczytaj ponownie!"),
                kWczytywanie);
            return;
        }
        okno.ComDodajPr_Click();
        if (okno.FramePartia->isHidden())
            return;
        okno.TextPowiat->setText(header->powiat);
        ustawTekstKontrolki(okno.TextDataPobr, tekstDaty(*date));

        const QString active = programState().countyCode();
        const QDate working = programState().workingDate();
        const bool otherCounty = okno.TextPowiat->text() != active;
        if (otherCounty)
            PokazInfo(QStringLiteral("Wczytywany plik zawiera dane z kodem powiatu ") +
                          okno.TextPowiat->text() +
                          QStringLiteral(".\rZmień kod powiatu z którym aktualnie chcesz pracować!"),
                      kInformacja);
        if (date->year() != working.year() || date->month() != working.month()) {
            PokazInfo(monthMessage(*date, date->year() != working.year()), kInformacja);
            okno.ComAnulujFr_Click();
            return;
        }
        if (otherCounty) {
            PokazUwage(QStringLiteral("Aktualnie program ustawiony jest na pracę z powiatem o kodzie: ") +
                           active + QStringLiteral("\rPróbujesz zapisać dane przeznaczone dla powiatu: ") +
                           okno.TextPowiat->text() +
                           QStringLiteral("\rZmień kod powiatu z którym aktualnie chcesz pracować"
                                          "\rlub Anuluj proces zapisywania!"),
                       kInformacja);
            okno.ComAnulujFr->setFocus();
        }
    } catch (const std::exception& e) {
        showLoadFailure(importErrorOf(e));
    }
}

} // namespace trelimor
