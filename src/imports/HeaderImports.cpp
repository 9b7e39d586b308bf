// New batches started from a file's header: the protocol spreadsheet's, whose samples follow
// the batch's save, and a data collector's.

#include "BatchImportHost.h"
#include "BatchImports.h"
#include "CollectorHeader.h"
#include "ImportErrors.h"
#include "ImportSession.h"
#include "ProtocolHeader.h"

#include "common/Dates.h"
#include "common/Messages.h"
#include "common/ModLabor.h"
#include "common/ProgramState.h"
#include "common/TextLines.h"

#include "platform/ui/OverrideCursorGuard.h"

namespace trelimor {

namespace {

void fillBatchFrame(BatchImportHost& w, const ProtocolHeader& h)
{
    const std::pair<const char*, const std::optional<QString>&> fields[] = {
        {"TextDataUboju", h.TextDataUboju},
        {"TextDataPobr", h.TextDataPobr},
        {"TextGodzUboju", h.TextGodzUboju},
        {"TextGodzPobr", h.TextGodzPobr},
        {"TextZaklad", h.TextZaklad},
        {"TextPowiat", h.TextPowiat},
        {"ComboProceduraPobierania", h.ComboProceduraPobierania},
        {"ComboPlanPobierania", h.ComboPlanPobierania},
        {"ComboPobral", h.ComboPobral},
        {"TextIlProbek", h.TextIlProbek},
    };
    for (const auto& [control, value] : fields)
        if (value)
            w.setBatchField(QLatin1String(control), *value);
}

// The establishment's type and, when the header gave none, its county, from the register.
void fillFromEstablishment(BatchImportHost& w)
{
    w.setBatchField(QStringLiteral("ComboWNI"), QString());
    db::Recordset zaklad =
        ModLabor().BazaStale.openRecordset(QStringLiteral("SELECT TypWNI, KodPIW FROM ZAKLAD WHERE WNI = ?"),
                                           {w.batchField(QStringLiteral("TextZaklad")).trimmed()});
    if (zaklad.eof())
        return;
    w.setBatchField(QStringLiteral("ComboWNI"), BezNullText(zaklad.value(QStringLiteral("TypWNI"))));
    if (w.batchField(QStringLiteral("TextPowiat")).isEmpty())
        w.setBatchField(QStringLiteral("TextPowiat"), BezNullText(zaklad.value(QStringLiteral("KodPIW"))));
}

void refuseProtocol(BatchImportHost& w)
{
    w.Klawisze(true, true);
    PokazUwage(QStringLiteral("Wczytywany plik jest niezgodny z formatem protokołu!\r"
                              "Prawdopodobnie miała miejsce ręczna ingerencja w strukturę pliku!\r"
                              "Przerywam wczytywanie!"),
               kLoadingTitle);
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

void ComWczytPart_Click(BatchImportHost& okno)
{
    const QString path = openImportFile(kFiltrExcel);
    if (path.isEmpty()) {
        okno.Klawisze(true, true);
        return;
    }
    ui::OverrideCursorGuard cursor;
    okno.repaintNow();
    try {
        const ProtocolHeader header = readProtocolHeader(ImportSheet(path));
        if (!header.isProtocol) {
            cursor.restore();
            refuseProtocol(okno);
            return;
        }
        if (!okno.startNewBatch()) // no yearly file to add a batch to: the user was told
            return;
        fillBatchFrame(okno, header);
        if (header.refused) {
            cursor.restore();
            refuseProtocol(okno);
            return;
        }
        fillFromEstablishment(okno);
        okno.setTrybWczytywania(QStringLiteral("WczytAuto"));
        okno.setLabelWczytajPlik(path);
    } catch (const std::exception& e) {
        cursor.restore();
        okno.Klawisze(true, true);
        showLoadFailure(importErrorOf(e));
    }
}

void ComWczytKolektor_Click(BatchImportHost& okno)
{
    const QString path = openImportFile(kFiltrKolektora);
    if (path.isEmpty())
        return;
    okno.setCommonDialog1Tag(path);
    try {
        TextLineReader lines(path);
        const std::optional<CollectorHeader> header = findCollectorHeader(lines);
        const std::optional<QDate> date = header ? collectorDate(header->dataPobr) : std::nullopt;
        if (!date) {
            PokazUwage(
                QStringLiteral("Niepoprawny format wczytywanego pliku!\rSprawdź plik i wczytaj ponownie!"),
                kLoadingTitle);
            return;
        }
        if (!okno.startNewBatch())
            return;
        okno.setBatchField(QStringLiteral("TextPowiat"), header->powiat);
        okno.setBatchField(QStringLiteral("TextDataPobr"), dateText(*date));
        const QString county = okno.batchField(QStringLiteral("TextPowiat"));

        const QString active = programState().countyCode();
        const QDate working = programState().workingDate();
        const bool otherCounty = county != active;
        if (otherCounty)
            PokazInfo(QStringLiteral("Wczytywany plik zawiera dane z kodem powiatu ") + county +
                          QStringLiteral(".\rZmień kod powiatu z którym aktualnie chcesz pracować!"),
                      kInformationTitle);
        if (date->year() != working.year() || date->month() != working.month()) {
            PokazInfo(monthMessage(*date, date->year() != working.year()), kInformationTitle);
            okno.cancelBatchFrame();
            return;
        }
        if (otherCounty) {
            PokazUwage(QStringLiteral("Aktualnie program ustawiony jest na pracę z powiatem o kodzie: ") +
                           active + QStringLiteral("\rPróbujesz zapisać dane przeznaczone dla powiatu: ") +
                           county +
                           QStringLiteral("\rZmień kod powiatu z którym aktualnie chcesz pracować"
                                          "\rlub Anuluj proces zapisywania!"),
                       kInformationTitle);
            okno.focus(QStringLiteral("ComAnulujFr"));
        }
    } catch (const std::exception& e) {
        showLoadFailure(importErrorOf(e));
    }
}

} // namespace trelimor
