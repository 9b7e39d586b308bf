#include "ImportSession.h"

#include "BatchImportHost.h"

#include "platform/ui/DialogService.h"

namespace trelimor {

ImportSession::ImportSession(BatchImportHost& window)
    : m_window(window)
{
    m_window.Klawisze(false, true);
}

ImportSession::~ImportSession()
{
    end();
}

void ImportSession::showWaitNotice()
{
    m_window.setWaitNoticeVisible(true);
    m_cursor.emplace();
}

void ImportSession::end()
{
    if (m_ended)
        return;
    m_ended = true;
    m_window.setLabelWczytajPlik(QString());
    m_window.setWaitNoticeVisible(false);
    m_cursor.reset();
    m_window.Klawisze(true, true);
}

std::optional<QString> chooseImportFile(const BatchImportHost& window, const QString& filter)
{
    const QString handedOver = window.LabelWczytajPlik();
    if (!handedOver.isEmpty())
        return handedOver;
    const QString chosen = openImportFile(filter);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

QString openImportFile(const QString& filter)
{
    return ui::dialogs().openFile(QStringLiteral("Otwórz"), QString(), filter, 2);
}

} // namespace trelimor
