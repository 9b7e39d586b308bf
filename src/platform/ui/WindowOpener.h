#pragma once

#include <memory>

class QDialog;
class QWidget;

namespace trelimor::ui {

// Shows a window modally; tests replace it to see which window was asked for without a loop.
class WindowOpener
{
public:
    virtual ~WindowOpener() = default;
    // Returns the window's result (QDialog::Accepted, QDialog::Rejected or a done() code).
    virtual int open(QDialog& window) = 0;
};

// Shows the window modally through the program-wide opener and waits until it is hidden. The
// window the user opened it from becomes its transient parent first, so that it stays above it
// with or without a window manager. The wait cursor of the work that opens it is lifted while it
// is shown, whichever opener shows it.
int openModal(QDialog& window);

// Makes opener the transient parent of a hidden window, breaking a stale link that would close a
// loop; nothing for a visible window or without an opener.
void keepAbove(QDialog& window, QWidget* opener);

// The window a new window or box is opened from: the modal window on top, else the active one;
// null when there is none.
QWidget* openingWindow();

WindowOpener& opener();
std::unique_ptr<WindowOpener> setOpener(std::unique_ptr<WindowOpener> opener);

} // namespace trelimor::ui
