#include "ExportErrors.h"

#include "platform/db/JetError.h"
#include "platform/report/ReportError.h"
#include "platform/ui/DialogService.h"

namespace trelimor {

namespace {
// The error number of a path or file that cannot be reached.
constexpr int kPathAccessError = 75;
} // namespace

QString exportErrorText(const std::exception& error)
{
    if (const auto* jet = dynamic_cast<const db::JetError*>(&error)) {
        const QString numbered = QString::number(jet->number()) + jet->description();
        if (jet->number() == db::jet::NoCurrentRecord)
            return QStringLiteral("Wybierz (kliknij) pozycję do eksportu!\rSpróbuj ponownie!\r") + numbered;
        return QStringLiteral("Błąd eksportu! ") + numbered;
    }
    const QString description = exceptionText(error);
    if (dynamic_cast<const PathAccessError*>(&error) || dynamic_cast<const report::ReportError*>(&error))
        return QStringLiteral("Błąd dostępu do ścieżki/pliku!\rSpróbuj ponownie!\r") +
               QString::number(kPathAccessError) + description;
    return QStringLiteral("Błąd eksportu! ") + description;
}

void showExportError(const std::exception& error)
{
    ui::dialogs().message(exportErrorText(error), kEksportDoPliku, ui::Icon::Information);
}

} // namespace trelimor
