#pragma once

#include <memory>

class QDialog;

namespace trelimor::ui {

// Shows a window modally; tests replace it to see which window was asked for without a loop.
class WindowOpener
{
public:
    virtual ~WindowOpener() = default;
    // Returns the window's result (QDialog::Accepted, QDialog::Rejected or a done() code).
    virtual int open(QDialog& window) = 0;
};

// Shows the window modally through the program-wide opener and waits until it is hidden.
int openModal(QDialog& window);

WindowOpener& opener();
std::unique_ptr<WindowOpener> setOpener(std::unique_ptr<WindowOpener> opener);

} // namespace trelimor::ui
