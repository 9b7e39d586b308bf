#pragma once

namespace trelimor {

// Puts the program together: registers with the main window the openers of the windows the
// other subsystems build, and the services its start-up calls. Run once, before the start-up.
void polaczPodsystemy();

} // namespace trelimor
