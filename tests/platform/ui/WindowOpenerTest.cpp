#include "platform/ui/WindowOpener.h"

#include <QDialog>
#include <QWindow>

#include <gtest/gtest.h>

namespace trelimor::ui {
namespace {

QWindow* transientParentOf(const QDialog& window)
{
    return window.windowHandle() ? window.windowHandle()->transientParent() : nullptr;
}

TEST(WindowOpener, OpeningsInTurnNeverMakeALoopOfOpeners)
{
    QDialog first;
    QDialog second;
    keepAbove(second, &first); // second opened from first, then closed
    EXPECT_EQ(transientParentOf(second), first.windowHandle());
    keepAbove(first, &second); // later first is opened from second
    EXPECT_EQ(transientParentOf(first), second.windowHandle());
    EXPECT_EQ(transientParentOf(second), nullptr) << "the stale link back is gone";

    second.show();
    keepAbove(second, &first);
    EXPECT_EQ(transientParentOf(second), nullptr) << "a window already shown keeps its place";
    keepAbove(first, nullptr);
    EXPECT_EQ(transientParentOf(first), second.windowHandle());
}

} // namespace
} // namespace trelimor::ui
