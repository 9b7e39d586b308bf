#pragma once

// The process's peak resident memory, which Linux lets a process set back to the memory in use:
// a test or a benchmark measures what one piece of work took at its peak.

#include <QByteArray>
#include <QFile>

namespace trelimor::test {

// Sets the peak back to the memory in use now; false when the system does not let it.
inline bool resetPeakMemory()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    return refs.open(QIODevice::WriteOnly) && refs.write("5") == 1;
}

// The peak since the last reset (VmHWM), in KiB; 0 when it cannot be read.
inline qint64 peakMemoryKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return 0;
}

} // namespace trelimor::test
