#pragma once

#include <QDate>
#include <QString>

#include <functional>
#include <optional>

namespace trelimor {

// What the shell calls of other parts of the program that are put together with it when the
// program is built. Each hook starts with a default: the calls a user makes tell the user the
// function is not available yet; the start-up preparations do nothing.
struct ShellHooks
{
    ShellHooks();

    // The working-date picker, opened on the preselected date under the caption: the chosen
    // date, or nothing when the user cancelled.
    std::function<std::optional<QDate>(const QDate& preselected, const QString& caption)> wybierzDate;

    // Shows a report file in the report window under the caption.
    std::function<void(const QString& reportPath, const QString& caption)> pokazRaport;

    // Start-up: loads the batch window hidden and fills its two remark-hint combos.
    std::function<void()> przygotujOknoPartii;
    // Start-up: loads the options window hidden.
    std::function<void()> zaladujOknoOpcji;
};

ShellHooks& shellHooks();
// Puts every hook back to its default (the end of a test).
void resetShellHooks();

} // namespace trelimor
