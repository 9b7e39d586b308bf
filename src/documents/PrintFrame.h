#pragma once

#include <QString>
#include <QVariant>

#include <functional>

namespace trelimor {

class BatchDocumentsHost;
class ReportControl;

// What the printouts of the batch window share.

// "Brak danych do wydruku!": nothing to print.
void pokazBrakDanychDoWydruku();
// Whether the batch list has a selected batch.
bool czyJestPartia(BatchDocumentsHost& okno);
// A field of the selected batch (3021 without one).
QVariant polePartii(BatchDocumentsHost& okno, const QString& pole);
// After a failed or stopped printout: the print frame closes and the whole window is usable.
void zamknijRamkeWydruku(BatchDocumentsHost& okno);
// Shows the report whose file, title and scope the report control holds in the report window,
// whose PDF export is not offered for batch documents; returns when the window is closed.
void pokazRaportZKontrolki(const ReportControl& kontrolka);

// How a printout ended.
enum class KoniecWydruku {
    Wydrukowany, // shown: the print frame closes as the print button closes it
    Przerwany,   // it could not go on (told to the user): the frame closes, the window unlocks
    Wstrzymany,  // the user stopped it at a question: the window stays as it is
};
// The window's report control set afresh for a printout of the selected batch: every setting
// forgotten, the scope naming the batch ("partia 12"), so that each batch's printout proposes
// a PDF of its own.
ReportControl& batchReportControl(BatchDocumentsHost& okno);
// The end of a batch printout: the window's report control set afresh for the batch, to the
// report file (in the reports folder) and the title, and the report shown from it.
KoniecWydruku showBatchReport(BatchDocumentsHost& okno, const QString& reportFile, const QString& title);

// Runs a printout of the selected batch under the hourglass. Without a batch it says there is
// nothing to print and runs the print button; a failure is reported under "Drukowanie".
void drukujPartie(BatchDocumentsHost& okno, const std::function<KoniecWydruku()>& drukuj);

} // namespace trelimor
