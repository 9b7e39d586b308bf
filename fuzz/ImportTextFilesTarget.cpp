// The text files the imports read, each as its reader takes it: a laboratory's results, a data
// collector's batch header and an establishment's format D sample list.

#include "FuzzSupport.h"

#include "common/TextLines.h"
#include "imports/CollectorHeader.h"
#include "imports/PlantFiles.h"
#include "imports/ResultsFile.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    trelimor::fuzz::installSilentDialogs(); // the readers tell the user of odd values as they go
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace trelimor;
    const QByteArray bytes = fuzz::bytesOf(data, size);
    try {
        TextLineReader results(bytes);
        (void)readResultsFile(results, QStringLiteral("1465"), QDate(2022, 3, 31));
    } catch (const ResultValueError&) {
        // A herd or sample number that is no number is refused with its line: the sound answer.
    }
    const QStringList lines = splitTextLines(bytes);
    if (const auto header = findCollectorHeader(lines))
        (void)collectorDate(header->dataPobr);
    (void)readPlantFormatD(lines);
    return 0;
}
