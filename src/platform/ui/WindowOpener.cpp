#include "platform/ui/WindowOpener.h"

#include "platform/ui/Replaceable.h"

#include <QDialog>

namespace trelimor::ui {

namespace {

class ExecOpener : public WindowOpener
{
public:
    int open(QDialog& window) override { return window.exec(); }
};

constinit Replaceable<WindowOpener, ExecOpener> theOpener;

} // namespace

int openModal(QDialog& window)
{
    return opener().open(window);
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
