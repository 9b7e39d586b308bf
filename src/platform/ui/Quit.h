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
// and no later one runs, so the caller should return right after the call. Without any running
// event loop the process ends at once.
void requestQuit(int exitCode = 0);

QuitHandler& quitHandler();
std::unique_ptr<QuitHandler> setQuitHandler(std::unique_ptr<QuitHandler> handler);

} // namespace trelimor::ui
