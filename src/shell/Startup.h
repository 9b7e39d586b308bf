#pragma once

#include <optional>

namespace trelimor {

// The start of the program, as main() runs it before its event loop: the main window's load
// (one instance, the installation, the login, the working date and the yearly database), after
// which the main window is shown. Nothing when the program runs on; otherwise the exit code of
// a program that ended during its start.
std::optional<int> uruchomProgram();

// The whole run inside main()'s application object: the start, the event loop while the
// program runs, and the windows put away before the application object goes. The exit code.
int wykonajProgram();

} // namespace trelimor
