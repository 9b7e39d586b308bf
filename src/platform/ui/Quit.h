#pragma once

#include <memory>

namespace trelimor::ui {

// Ends the program; tests replace it to record the request instead.
class QuitHandler
{
public:
    virtual ~QuitHandler() = default;
    virtual void quit(int exitCode) = 0;
};

// Ends the program with the exit code. Every running event loop (modal windows included) is left
// and no later one runs; a main loop entered afterwards ends as it starts. The caller returns right
// after the call: the process ends when main() returns, the windows put away before the
// application object goes (only without an application object does the process end at once).
void requestQuit(int exitCode = 0);

QuitHandler& quitHandler();
std::unique_ptr<QuitHandler> setQuitHandler(std::unique_ptr<QuitHandler> handler);

} // namespace trelimor::ui
