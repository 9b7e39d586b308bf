#include "platform/ui/Quit.h"

#include "platform/ui/Replaceable.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

#include <cstdlib>

namespace trelimor::ui {

namespace {

class ApplicationQuit : public QuitHandler
{
public:
    void quit(int exitCode) override
    {
        QCoreApplication* app = QCoreApplication::instance();
        if (!app || QThread::currentThread()->loopLevel() == 0)
            std::exit(exitCode);
        // Leaves every running loop; the queued call also ends the main loop when a modal
        // window asked to quit before QCoreApplication::exec() was entered.
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
