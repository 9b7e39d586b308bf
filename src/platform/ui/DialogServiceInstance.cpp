// The dialog service in use: the Qt one, unless a test has put another in its place. Kept apart
// from DialogService.cpp, which the Qt service itself stands on.

#include "platform/ui/DialogService.h"
#include "platform/ui/QtDialogService.h"
#include "platform/ui/Replaceable.h"

namespace trelimor::ui {

namespace {

constinit Replaceable<DialogService, QtDialogService> theDialogs;

} // namespace

DialogService& dialogs()
{
    return theDialogs.get();
}

std::unique_ptr<DialogService> setDialogs(std::unique_ptr<DialogService> service)
{
    return theDialogs.replace(std::move(service));
}

} // namespace trelimor::ui
