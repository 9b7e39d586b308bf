#include "platform/ui/Quit.h"

#include "platform/ui/Replaceable.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <cstdlib>

namespace trelimor::ui {

namespace {

class ApplicationQuit : public QuitHandler
{
public:
    void quit(int exitCode) override
    {
        QCoreApplication* app = QCoreApplication::instance();
        if (!app)
            std::exit(exitCode); // no application, so no window either
        // Leaves every running loop and keeps later ones from running; the queued call also ends
        // the main loop when the end was asked for before QCoreApplication::exec() was entered.
        // The process is not ended here, even when no loop runs: the callers return to main(),
        // which puts the windows away while the application still exists.
        QCoreApplication::exit(exitCode);
        QMetaObject::invokeMethod(
            app, [exitCode] { QCoreApplication::exit(exitCode); }, Qt::QueuedConnection);
    }
};

constinit Replaceable<QuitHandler, ApplicationQuit> theQuitHandler;

} // namespace

void requestQuit(int exitCode)
{
    quitHandler().quit(exitCode);
}

QuitHandler& quitHandler()
{
    return theQuitHandler.get();
}

std::unique_ptr<QuitHandler> setQuitHandler(std::unique_ptr<QuitHandler> handler)
{
    return theQuitHandler.replace(std::move(handler));
}

} // namespace trelimor::ui
