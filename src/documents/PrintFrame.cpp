#include "PrintFrame.h"

#include "BatchDocuments.h"
#include "FormDrukRap.h"
#include "ReportControl.h"

#include "common/DataControl.h"
#include "common/Messages.h"
#include "common/ModLabor.h"
#include "common/ReportWork.h"

#include "platform/ui/OverrideCursorGuard.h"

#include <QPushButton>

using namespace Qt::StringLiterals;

namespace trelimor {

void pokazBrakDanychDoWydruku()
{
    PokazUwage(QStringLiteral("Brak danych do wydruku!"), QStringLiteral("DRUKOWANIE"));
}

bool czyJestPartia(BatchDocumentsHost& okno)
{
    return okno.DataPartia().recordCount() > 0;
}

QVariant polePartii(BatchDocumentsHost& okno, const QString& pole)
{
    return okno.DataPartia().recordset().value(pole);
}

void zamknijRamkeWydruku(BatchDocumentsHost& okno)
{
    okno.setFrameWynikVisible(false);
    okno.Klawisze(true, true);
}

void pokazRaportZKontrolki(const ReportControl& kontrolka)
{
    FormDrukRap& okno = FormDrukRap::instance();
    okno.ComWyslij->setEnabled(false);
    PokazRaport(kontrolka.reportFileName(), okno, QStringLiteral("Drukowanie"), QString(),
                kontrolka.reportTitle(), QString(), kontrolka.reportScope());
}

ReportControl& batchReportControl(BatchDocumentsHost& okno)
{
    ReportControl& CRdzien = okno.CRdzien();
    CRdzien.reset();
    // The batch the printout copied into the work tables (kopiujPartieDoRoboczej).
    CRdzien.setReportScope(u"partia "_s + okno.LabPartia().trimmed());
    return CRdzien;
}

KoniecWydruku showBatchReport(BatchDocumentsHost& okno, const QString& reportFile, const QString& title)
{
    ReportControl& CRdzien = batchReportControl(okno);
    CRdzien.setReportTitle(title);
    CRdzien.setReportFileName(ModLabor().KatalogRaportow + reportFile);
    pokazRaportZKontrolki(CRdzien);
    return KoniecWydruku::Wydrukowany;
}

void drukujPartie(BatchDocumentsHost& okno, const std::function<KoniecWydruku()>& drukuj)
{
    if (!czyJestPartia(okno)) {
        pokazBrakDanychDoWydruku();
        ComDrukuj_Click(okno);
        return;
    }
    ui::OverrideCursorGuard cursor;
    try {
        const KoniecWydruku koniec = drukuj();
        cursor.restore();
        if (koniec == KoniecWydruku::Wydrukowany)
            ComDrukuj_Click(okno);
        else if (koniec == KoniecWydruku::Przerwany)
            zamknijRamkeWydruku(okno);
    } catch (const std::exception& e) {
        cursor.restore();
        PokazBlad(QStringLiteral("Drukowanie"), e);
        zamknijRamkeWydruku(okno);
    }
}

void ComDrukuj_Click(BatchDocumentsHost& okno)
{
    if (okno.DataProbka().recordCount() == 0) {
        pokazBrakDanychDoWydruku();
        return;
    }
    if (okno.isFrameWynikVisible()) {
        okno.setFrameWynikVisible(false);
        okno.Klawisze(true, true);
        return;
    }
    okno.setFrameWynikVisible(true);
    okno.Klawisze(false, true);
    // The print button alone stays usable, so that a second press closes the frame.
    okno.setComDrukujEnabled(true);
}

} // namespace trelimor
