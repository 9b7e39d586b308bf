// A text file from outside read line by line (any line end, Windows-1250 or UTF-8, within the bounds),
// and each line cut into fields as the establishment list and the establishments' files are.

#include "FuzzSupport.h"

#include "common/TextHelpers.h"
#include "common/TextLines.h"
#include "imports/PlantFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace trelimor;
    static const QString separator = QStringLiteral(";");
    QStringList lines;
    try {
        lines = splitTextLines(fuzz::bytesOf(data, size));
    } catch (const TextFileRefused&) {
        return 0; // a line or a file beyond the bounds: refused whole
    }
    for (const QString& line : lines) {
        if (line.contains(u'\r') || line.contains(u'\n'))
            __builtin_trap(); // a line never holds a line end
        for (int field = 0; field < 24; ++field)
            (void)PobierzPole2(line, field, separator);
        (void)splitPlantLine(line);
    }
    return 0;
}
