#pragma once

#include <sys/types.h>

namespace trelimor::test {

// Called with the descriptor and what the read gave (0 at the end of a file) after every read of
// this program that asked for bytes; none when null.
using ReadHook = void (*)(int fd, ssize_t got);
void setReadHook(ReadHook hook);

} // namespace trelimor::test
