#include "platform/ui/WindowOpener.h"

#include <QDialog>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace trelimor::ui {
namespace {

QWindow* transientParentOf(const QDialog& window)
{
    return window.windowHandle() ? window.windowHandle()->transientParent() : nullptr;
}

TEST(WindowOpener, AModalWindowOpensAboveItsOpenerActiveAndOnTop)
{
    // The program's own opener: a real modal loop.
    std::unique_ptr<WindowOpener> previous = setOpener(nullptr);
    QDialog batchWindow;
    batchWindow.show();
    batchWindow.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&batchWindow));

    QDialog picker;
    bool activeInItsLoop = false;
    QWindow* above = nullptr;
    QTimer::singleShot(0, &picker, [&] {
        activeInItsLoop = QTest::qWaitForWindowActive(&picker);
        above = transientParentOf(picker);
        picker.accept();
    });
    EXPECT_EQ(openModal(picker), QDialog::Accepted);
    EXPECT_TRUE(activeInItsLoop);
    EXPECT_EQ(above, batchWindow.windowHandle());
    setOpener(std::move(previous));
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
