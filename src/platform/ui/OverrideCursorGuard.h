#pragma once

#include <Qt>

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

// While a box or a window waits for the user's answer the pointer is the arrow, also when long
// work has put the wait cursor over the program; the work's cursor comes back afterwards. The
// dialog service and the window opener hold one around every box and modal window.
class AnswerCursor
{
public:
    AnswerCursor();
    ~AnswerCursor();
    AnswerCursor(const AnswerCursor&) = delete;
    AnswerCursor& operator=(const AnswerCursor&) = delete;

private:
    bool m_pushed = false;
};

} // namespace trelimor::ui
