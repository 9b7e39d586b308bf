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
        TextLineReader collector(bytes);
        if (const auto header = findCollectorHeader(collector))
            (void)collectorDate(header->dataPobr);
        TextLineReader plant(bytes);
        (void)readPlantFormatD(plant);
    } catch (const ResultValueError&) {
        // A herd or sample number that is no number is refused with its line: the sound answer.
    } catch (const TextFileRefused&) {
        // So is a file beyond the bounds of a text file.
    }
    return 0;
}
