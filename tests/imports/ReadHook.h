#pragma once

namespace trelimor::test {

// Called with the descriptor whenever a read of this program finds the end of a file; none when
// null.
using EndOfFileHook = void (*)(int fd);
void setEndOfFileHook(EndOfFileHook hook);

} // namespace trelimor::test
