// The read() of this test program: the system's, and a hook at the end of a file. Defined here,
// it stands in for the C library's in every library of the program, Qt's included. This file
// includes no header that declares read() itself.
#include "ReadHook.h"

#include <atomic>
#include <cerrno>

#include <sys/syscall.h>
#include <sys/types.h>

extern "C" long syscall(long number, ...) noexcept;

namespace {
std::atomic<trelimor::test::EndOfFileHook> endOfFileHook{nullptr};
} // namespace

void trelimor::test::setEndOfFileHook(EndOfFileHook hook)
{
    endOfFileHook = hook;
}

extern "C" ssize_t read(int fd, void* buffer, size_t count)
{
    const auto got = static_cast<ssize_t>(syscall(SYS_read, fd, buffer, count));
    if (got == 0 && count > 0) {
        if (const trelimor::test::EndOfFileHook hook = endOfFileHook.load()) {
            const int error = errno;
            hook(fd);
            errno = error;
        }
    }
    return got;
}
