#include "ErrorText.h"

#include "documents/ExportErrors.h"

#include "platform/PlatformError.h"
#include "platform/db/JetError.h"
#include "platform/ui/DialogService.h"

using namespace Qt::StringLiterals;

namespace trelimor {

QString numberAndDescription(const std::exception& error)
{
    if (const auto* jet = dynamic_cast<const db::JetError*>(&error))
        return QString::number(jet->number()) + jet->description();
    return exceptionText(error);
}

void showListingError(const std::exception& error)
{
    ui::dialogs().message(u"Błąd eksportu! "_s + numberAndDescription(error), kEksportDoPliku,
                          ui::Icon::Information);
}

} // namespace trelimor
