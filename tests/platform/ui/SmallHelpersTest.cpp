#include "platform/ui/OverrideCursorGuard.h"
#include "platform/ui/Twips.h"

#include <QCursor>
#include <QGuiApplication>

#include <gtest/gtest.h>

namespace trelimor::ui {
namespace {

TEST(Twips, FifteenMakeOnePixelRoundedToTheNearest)
{
    EXPECT_EQ(twipsToPixels(15), 1);
    EXPECT_EQ(twipsToPixels(2775), 185);
    EXPECT_EQ(twipsToPixels(7), 0);
    EXPECT_EQ(twipsToPixels(8), 1);
    EXPECT_EQ(twipsToPixels(-8), -1);
    EXPECT_EQ(twipsToPixels(5800 - 4600 / 2.0), 233);
    EXPECT_EQ(pixelsToTwips(185), 2775);
    EXPECT_EQ(rectFromTwips(120, 240, 3180, 2295), QRect(8, 16, 212, 153));
}

TEST(OverrideCursorGuard, RestoresOnceEvenWhenRestoredEarly)
{
    {
        OverrideCursorGuard outer;
        {
            OverrideCursorGuard inner(Qt::BusyCursor);
            ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
            EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);
            inner.restore();
            EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        }
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

} // namespace
} // namespace trelimor::ui
