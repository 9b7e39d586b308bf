#include "ImportSession.h"

#include "batch/FormPartia.h"

#include "platform/ui/DialogService.h"

namespace trelimor {

ImportSession::ImportSession(FormPartia& window)
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
    m_window.FrameCzekaj->show();
    m_window.FrameCzekaj->raise();
    m_window.FrameCzekaj->repaint();
    setWaitCursor(m_window, true);
}

void ImportSession::end()
{
    if (m_ended)
        return;
    m_ended = true;
    m_window.LabelWczytajPlik->clear();
    m_window.FrameCzekaj->hide();
    setWaitCursor(m_window, false);
    m_window.Klawisze(true, true);
}

std::optional<QString> chooseImportFile(FormPartia& window, const QString& filter)
{
    const QString handedOver = window.LabelWczytajPlik->text();
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

void setWaitCursor(FormPartia& window, bool waiting)
{
    if (waiting)
        window.setCursor(Qt::WaitCursor);
    else
        window.unsetCursor();
}

} // namespace trelimor
