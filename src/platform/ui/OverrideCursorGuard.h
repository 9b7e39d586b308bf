#pragma once

#include <QCursor>
#include <QList>

namespace trelimor::ui {

// Shows the wait cursor over the whole program while long work runs; restores it when it ends.
class OverrideCursorGuard
{
public:
    explicit OverrideCursorGuard(Qt::CursorShape shape = Qt::WaitCursor);
    ~OverrideCursorGuard();
    OverrideCursorGuard(const OverrideCursorGuard&) = delete;
    OverrideCursorGuard& operator=(const OverrideCursorGuard&) = delete;

    // Restores the cursor before the end of the scope; later calls do nothing.
    void restore();

private:
    bool m_active = true;
};

// Lifts every override cursor for its scope, so that a window the user works in while long work
// waits for it (a report shown modally at the end of a summary) shows the normal pointer; puts
// them back, in their order, when it ends.
class OverrideCursorPause
{
public:
    OverrideCursorPause();
    ~OverrideCursorPause();
    OverrideCursorPause(const OverrideCursorPause&) = delete;
    OverrideCursorPause& operator=(const OverrideCursorPause&) = delete;

private:
    QList<QCursor> m_lifted; // the outermost first
};

} // namespace trelimor::ui
