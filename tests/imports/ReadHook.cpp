// The read() of this test program: the system's, and a hook after it. Defined here, it stands in
// for the C library's in every library of the program, Qt's included. This file includes no header
// that declares read() itself.
#include "ReadHook.h"

#include <atomic>
#include <cerrno>

#include <sys/syscall.h>

extern "C" long syscall(long number, ...) noexcept;

namespace {
std::atomic<trelimor::test::ReadHook> readHook{nullptr};
} // namespace

void trelimor::test::setReadHook(ReadHook hook)
{
    readHook = hook;
}

extern "C" ssize_t read(int fd, void* buffer, size_t count)
{
    const auto got = static_cast<ssize_t>(syscall(SYS_read, fd, buffer, count));
    if (count > 0) {
        if (const trelimor::test::ReadHook hook = readHook.load()) {
            const int error = errno;
            hook(fd, got);
            errno = error;
        }
    }
    return got;
}
