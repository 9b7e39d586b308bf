// A workbook the user picks for an import: read as the imports read it, every cell of the used
// area (the first rows and columns of a large one).

#include "FuzzSupport.h"

#include "platform/sheet/Workbook.h"

#include <sanitizer/common_interface_defs.h>

#include <pthread.h>

#include <algorithm>

namespace {

// The workbook library runs in a child process so that a hostile file can crash it without harm:
// a crash there is the case the child exists for, not a finding, and leaves no artifact. The
// target's own process is judged as always.
void noArtifactFromChild()
{
    __sanitizer_set_death_callback(nullptr);
}

} // namespace

// Symbolizing every child's report would take most of the run; `make fuzz` runs a finding once
// more with ASAN_OPTIONS=symbolize=1 for a readable report.
extern "C" const char* __asan_default_options()
{
    return "symbolize=0";
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    ::pthread_atfork(nullptr, nullptr, noArtifactFromChild);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace trelimor;
    const QString path = fuzz::scratchFile(fuzz::bytesOf(data, size), QStringLiteral(".xls"));
    try {
        const sheet::Workbook workbook(path);
        const int rows = std::min(workbook.rowCount(), 200) + 1; // one past the end as well
        const int columns = std::min(workbook.columnCount(), 40) + 1;
        for (int row = 1; row <= rows; ++row)
            for (int column = 1; column <= columns; ++column)
                (void)workbook.cellText(row, column);
    } catch (const sheet::SheetError&) {
        // A file that is no readable workbook is refused with its message: that is the sound answer.
    }
    return 0;
}
