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

} // namespace trelimor::ui
