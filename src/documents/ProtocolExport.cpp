#include "BatchDocuments.h"
#include "ExportErrors.h"
#include "ExportFolder.h"
#include "PrintPreparation.h"
#include "ProtocolFile.h"
#include "SendMail.h"
#include "ValueText.h"
#include "common/CodeLists.h"

#include "common/DataControl.h"
#include "common/Messages.h"
#include "common/ProgramState.h"

#include "platform/paths/DurableFiles.h"
#include "platform/paths/Folders.h"
#include "platform/ui/Clock.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/OverrideCursorGuard.h"

namespace trelimor {

namespace {

const QString kFiltr = QStringLiteral(
    "All Files (*.*)|*.*|Plik tekstowy (*.txt)|*.txt|Plik csv (*.csv)|*.csv|Plik Excel (*.xls)|*.xls");
constexpr int kFiltrExcel = 4;

// The laboratory and, when it has an address, the district inspectorate.
QString adresaci()
{
    const QString lab = programState().mailLab().trimmed();
    const QString piw = programState().mailPIW().trimmed();
    if (piw.isEmpty())
        return lab;
    return lab.isEmpty() ? piw : lab + QStringLiteral("; ") + piw;
}

} // namespace

void EksportProtokolu(BatchDocumentsHost& okno)
{
    if (okno.DataProbka().recordCount() == 0) {
        PokazInfo(QStringLiteral("Brak wyników badań!"), QStringLiteral("EKSPORT"));
        return;
    }
    ui::OverrideCursorGuard cursor;
    try {
        const db::Recordset& partia = okno.DataPartia().recordset();
        const QString kodZakladu = tekstPola(partia, QStringLiteral("KodZakladu"));
        const QString nazwa = proponowanaNazwaProtokolu(kodZakladu, ui::now());
        const QString sciezka = ui::saveFile(
            QStringLiteral("Zapisz protokół pobrania próbek"),
            paths::join(datedExportFolder(programState().workingDate()), nazwa), kFiltr, kFiltrExcel);
        if (sciezka.isEmpty())
            return; // cancelled: nothing to say

        const QString K = kierunekBadania(gatunekBiezacejProbki(okno), false);
        QString blad;
        if (!paths::writeFileAtomically(sciezka, tekstPlikuProtokolu(liniePlikuProtokolu(okno, K)), &blad))
            throw PathAccessError(blad);
        cursor.restore();

        if (!ui::dialogs().askYesNo(
                QStringLiteral("Plik przygotowany do wysłania!\rCzy wysłać jako załącznik e-mail teraz?"),
                QStringLiteral("Wysyłanie!"), ui::Icon::Question, false))
            return;
        Send_Mail(adresaci(),
                  QStringLiteral("WNI: ") + kodZakladu + QStringLiteral(", data pobrania: ") +
                      tekstPola(partia, QStringLiteral("DataPobr")),
                  QStringLiteral(" "), sciezka);
    } catch (const std::exception& e) {
        cursor.restore();
        showExportError(e);
    }
}

} // namespace trelimor
