// The sample rows of the protocol spreadsheet into the current batch.

#include "BatchImportHost.h"
#include "BatchImports.h"
#include "ImportSession.h"
#include "ProtocolSamples.h"

namespace trelimor {

void ComWczyt_Click(BatchImportHost& okno)
{
    if (!okno.hasBatch())
        return;
    // The automatic load reads the file its header came from, never one asked for again.
    if (okno.TrybWczytywania() == u"WczytAuto" && okno.LabelWczytajPlik().isEmpty())
        return;
    runSampleImport(
        okno, {kFiltrExcel, ConversionText::ProgramOption, SourceUnit::Row},
        [](const QString& path) { return readProtocolSamples(ImportSheet(path)); }, true);
}

} // namespace trelimor
