// A text file read line by line (Windows-1250), and the fields of each line as the establishment
// list import takes them apart.

#include "FuzzSupport.h"

#include "common/Cp1250.h"
#include "common/TextHelpers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace trelimor;
    const std::optional<QStringList> lines = cp1250::textLines(fuzz::bytesOf(data, size));
    if (!lines)
        return 0;
    static const QString separator = QStringLiteral(";");
    for (const QString& line : *lines)
        for (int field = 0; field < 24; ++field)
            (void)PobierzPole2(line, field, separator);
    return 0;
}
