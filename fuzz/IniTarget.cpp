// The installation file Trelimor.ini: a user edits it by hand.

#include "FuzzSupport.h"

#include "common/InstallationFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    for (const auto& [key, value] : trelimor::installationEntries(trelimor::fuzz::bytesOf(data, size)))
        (void)(key.size() + value.size());
    return 0;
}
