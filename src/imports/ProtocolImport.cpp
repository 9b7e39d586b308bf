// The sample rows of the protocol spreadsheet into the current batch.

#include "BatchImports.h"
#include "ImportSession.h"
#include "ProtocolSamples.h"

#include "batch/FormPartia.h"

namespace trelimor {

void ComWczyt_Click(FormPartia& okno)
{
    if (!okno.maPartie())
        return;
    // The automatic load reads the file its header came from, never one asked for again.
    if (okno.TrybWczytywania == u"WczytAuto" && okno.LabelWczytajPlik->text().isEmpty())
        return;
    runSampleImport(
        okno, {kFiltrExcel, ConversionText::ProgramOption, SourceUnit::Row},
        [](const QString& path) { return readProtocolSamples(ImportSheet(path)); }, true);
}

} // namespace trelimor
