// The presence file Stale.ldb: every workstation on the share writes its record into it.

#include "FuzzSupport.h"

#include "common/PresenceFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace trelimor;
    const QString path = fuzz::scratchFile(fuzz::bytesOf(data, size), QStringLiteral(".ldb"));
    for (const QString& entry : PresenceFile::readEntries(path))
        if (entry.size() > PresenceFile::RecordLength)
            __builtin_trap(); // a record is at most one 36-character piece
    return 0;
}
