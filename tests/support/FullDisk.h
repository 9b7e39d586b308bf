#pragma once

#include <sys/resource.h>

#include <csignal>

namespace trelimor::test {

// Stands in for a full disk for its scope: no file of the process can grow past the given size,
// and a write beyond it fails (EFBIG) as one on a full disk does (ENOSPC). Root passes every
// permission test, so a read-only folder cannot stand in for it.
class FullDisk
{
public:
    explicit FullDisk(rlim_t bytes);
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = SIG_DFL;
};

} // namespace trelimor::test
