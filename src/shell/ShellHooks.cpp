#include "ShellHooks.h"

#include "common/WindowCommands.h"

namespace trelimor {

ShellHooks::ShellHooks()
    : wybierzDate([](const QDate&, const QString&) -> std::optional<QDate> {
        pokazNiedostepne(QStringLiteral("Wybór daty"));
        return std::nullopt;
    })
    , pokazRaport([](const QString&, const QString&) { pokazNiedostepne(QStringLiteral("Drukowanie")); })
    , przygotujOknoPartii([] {})
    , zaladujOknoOpcji([] {})
{}

ShellHooks& shellHooks()
{
    static ShellHooks hooks;
    return hooks;
}

void resetShellHooks()
{
    shellHooks() = ShellHooks();
}

} // namespace trelimor
