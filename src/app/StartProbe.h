#pragma once

class QApplication;

namespace trelimor {

// For the checks of a built or installed program, which have no one at the screen
// (scripts/check-first-start.sh). With TRELIMOR_START_PROBE=1 in the environment every window
// the program shows is named on standard output, as `window: <object name or class> "<title>"`, and
// closed at once: the start runs unattended through its boxes to the login window, whose
// closing ends the program as its Cancel does. Without the variable nothing changes.
void probeWindowsWhenAsked(QApplication& app);

} // namespace trelimor
