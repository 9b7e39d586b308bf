#pragma once

#include <QString>

namespace trelimor {

// A user's first start: when the program folder has no installation file yet, it is laid out
// as trelimor-setup lays it out, with the templates of shippedReports, and a box tells the user
// the first login. True when the start may go on (the folder was there, or is now); false
// after a box saying why the folder could not be laid out (nothing was changed then).
bool layOutProgramFolderIfMissing(const QString& shippedReports);

// The whole run as main() starts it. Only the process that will go on lays out a missing
// program folder: a second start leaves it alone and hands over to the running program in the
// main window's load. The exit code.
int runProgram();

} // namespace trelimor
