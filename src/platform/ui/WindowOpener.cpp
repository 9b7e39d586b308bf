#include "platform/ui/WindowOpener.h"

#include "platform/ui/OverrideCursorGuard.h"
#include "platform/ui/Replaceable.h"

#include <QApplication>
#include <QDialog>
#include <QWindow>

namespace trelimor::ui {

namespace {

class ExecOpener : public WindowOpener
{
public:
    int open(QDialog& window) override
    {
        // Once the modal loop has shown it: on top, and the window the keyboard works in.
        QMetaObject::invokeMethod(
            &window,
            [&window] {
                window.raise();
                window.activateWindow();
            },
            Qt::QueuedConnection);
        return window.exec();
    }
};

constinit Replaceable<WindowOpener, ExecOpener> theOpener;

} // namespace

// The windows are default instances that live for the whole run, so the opener becomes the
// transient parent of the native window, not the QObject parent (which would own the window).
void keepAbove(QDialog& window, QWidget* opener)
{
    if (opener)
        opener = opener->window();
    if (!opener || opener == &window || window.isVisible())
        return;
    window.winId(); // the native window is made here if it does not exist yet
    opener->winId();
    QWindow* above = window.windowHandle();
    QWindow* below = opener->windowHandle();
    // A window opened earlier from this one (now hidden) may still name it as its transient
    // parent: that link is stale, and keeping it would close a loop Qt would walk forever.
    for (QWindow* w = below; w; w = w->transientParent()) {
        if (w->transientParent() == above) {
            w->setTransientParent(nullptr);
            break;
        }
    }
    above->setTransientParent(below);
}

int openModal(QDialog& window)
{
    keepAbove(window, openingWindow());
    // A window the user works in shows the normal pointer, whatever work waits for it.
    const OverrideCursorPause pointer;
    return opener().open(window);
}

QWidget* openingWindow()
{
    QWidget* from = QApplication::activeModalWidget();
    if (!from)
        from = QApplication::activeWindow();
    // A window that has been hidden may still be reported for a moment: it is no opener.
    return from && from->isVisible() ? from->window() : nullptr;
}

WindowOpener& opener()
{
    return theOpener.get();
}

std::unique_ptr<WindowOpener> setOpener(std::unique_ptr<WindowOpener> opener)
{
    return theOpener.replace(std::move(opener));
}

} // namespace trelimor::ui
