#include "FailedCheck.h"

#include "common/Messages.h"

#include <QWidget>

namespace trelimor {

void showFailedCheck(const FailedCheck& check, QWidget* window)
{
    switch (check.box) {
    case FailedCheck::Box::Alarm:
        PokazAlarm(check.text, check.title, 1, false);
        break;
    case FailedCheck::Box::Information:
        PokazInfo(check.text, check.title);
        break;
    case FailedCheck::Box::Warning:
        PokazUwage(check.text, check.title);
        break;
    }
    if (check.focus.isEmpty() || window == nullptr)
        return;
    if (auto* control = window->findChild<QWidget*>(check.focus))
        control->setFocus();
}

} // namespace trelimor
