#pragma once

// Internal to the workbook reader: the process that runs the workbook library.

#include <sys/types.h>

namespace trelimor::sheet::detail {

// The body of the process forked to read the workbook at path: it reads the first sheet and
// writes its report (SheetReport.h) to fd, then ends. It ends with the program (`program` is
// the process that forked it, and must be still running when it starts), never dumps core, and
// runs under limits of memory and processor time. Only the library and system calls run in it:
// nothing of Qt.
[[noreturn]] void readInChild(const char* path, int fd, pid_t program);

} // namespace trelimor::sheet::detail
