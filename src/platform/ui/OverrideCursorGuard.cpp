#include "platform/ui/OverrideCursorGuard.h"

#include <QCursor>
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

AnswerCursor::AnswerCursor()
    : m_pushed(QGuiApplication::overrideCursor() != nullptr)
{
    if (m_pushed)
        QGuiApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
}

AnswerCursor::~AnswerCursor()
{
    if (m_pushed)
        QGuiApplication::restoreOverrideCursor();
}

} // namespace trelimor::ui
