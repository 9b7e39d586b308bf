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

} // namespace trelimor::ui
