#include "ErrorText.h"

#include "platform/db/JetError.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/OverrideCursorGuard.h"

using namespace Qt::StringLiterals;

namespace trelimor {

QString numberAndDescription(const std::exception& error)
{
    if (const auto* jet = dynamic_cast<const db::JetError*>(&error))
        return QString::number(jet->number()) + jet->description();
    return QString::fromUtf8(error.what());
}

void showListingError(const std::exception& error)
{
    // The pointer is the ordinary one over the box, whatever work is still going on.
    const ui::OverrideCursorGuard arrow(Qt::ArrowCursor);
    ui::dialogs().message(u"Błąd eksportu! "_s + numberAndDescription(error), u"EKSPORT DO PLIKU"_s,
                          ui::Icon::Information);
}

} // namespace trelimor
