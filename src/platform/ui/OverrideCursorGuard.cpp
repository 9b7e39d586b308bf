#include "platform/ui/OverrideCursorGuard.h"

#include <QGuiApplication>

namespace trelimor::ui {

OverrideCursorGuard::OverrideCursorGuard(Qt::CursorShape shape)
{
    QGuiApplication::setOverrideCursor(QCursor(shape));
}

OverrideCursorGuard::~OverrideCursorGuard()
{
    restore();
}

void OverrideCursorGuard::restore()
{
    if (!m_active)
        return;
    m_active = false;
    QGuiApplication::restoreOverrideCursor();
}

OverrideCursorPause::OverrideCursorPause()
{
    while (const QCursor* cursor = QGuiApplication::overrideCursor()) {
        m_lifted.prepend(*cursor);
        QGuiApplication::restoreOverrideCursor();
    }
}

OverrideCursorPause::~OverrideCursorPause()
{
    for (const QCursor& cursor : m_lifted)
        QGuiApplication::setOverrideCursor(cursor);
}

} // namespace trelimor::ui
