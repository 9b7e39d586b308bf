#include "platform/ui/DialogService.h"

namespace trelimor::ui {

void information(const QString& text, const QString& title)
{
    dialogs().message(text, title, Icon::Information);
}

void warning(const QString& text, const QString& title)
{
    dialogs().message(text, title, Icon::Warning);
}

void error(const QString& text, const QString& title)
{
    dialogs().message(text, title, Icon::Warning);
}

void plainMessage(const QString& text)
{
    dialogs().message(text, ProgramTitle, Icon::None);
}

bool askYesNo(const QString& text, const QString& title)
{
    return dialogs().askYesNo(text, title, Icon::Question, false);
}

QString openFile(const QString& title, const QString& startPath, const QString& filter, int filterIndex)
{
    return dialogs().openFile(title, startPath, filter, filterIndex);
}

QString saveFile(const QString& title, const QString& proposedPath, const QString& filter, int filterIndex)
{
    return dialogs().saveFile(title, proposedPath, filter, filterIndex);
}

QString displayText(const QString& text)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

} // namespace trelimor::ui
