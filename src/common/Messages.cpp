#include "Messages.h"

#include "FormAlarm.h"

#include "platform/PlatformError.h"
#include "platform/db/Field.h"
#include "platform/db/JetError.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/WindowOpener.h"

namespace trelimor {

void PokazInfo(const QString& text, const QString& title)
{
    ui::dialogs().message(text, title, ui::Icon::Information);
}

void PokazUwage(const QString& text, const QString& title)
{
    ui::dialogs().message(text, title, ui::Icon::Warning);
}

void PokazAlarm(const QVariant& message, const QString& title, int delaySeconds, bool closeButton)
{
    FormAlarm& alarm = FormAlarm::instance();
    alarm.prepare(message.toString(), title, delaySeconds, closeButton);
    ui::openModal(alarm);
    ui::dialogs().beep();
}

void PokazBlad(const QString& title, const QString& description)
{
    ui::dialogs().message(description, title, ui::Icon::Warning);
}

QString errorDescription(const std::exception& error)
{
    if (const auto* jet = dynamic_cast<const db::JetError*>(&error))
        return jet->description();
    return exceptionText(error);
}

void PokazBlad(const QString& title, const std::exception& error)
{
    PokazBlad(title, errorDescription(error));
}

QVariant BezNull(const QVariant& value, const QVariant& defaultValue)
{
    if (db::isNull(value) || value.toString().isEmpty())
        return defaultValue;
    return value;
}

QString BezNullText(const QVariant& value, const QString& defaultValue)
{
    return BezNull(value, defaultValue).toString();
}

} // namespace trelimor
