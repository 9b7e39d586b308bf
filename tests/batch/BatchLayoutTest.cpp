#include "batch/BatchLayout.h"

#include <gtest/gtest.h>

using namespace trelimor;

namespace {

// The window as designed: 1215 x 375 twip buttons, a wide button for the spreadsheet import.
WindowLayout zaprojektowany()
{
    WindowLayout u;
    for (const QString& name : batchLayoutControls())
        u.insert(name, {100, 100, 1215, 375});
    u[QStringLiteral("ComWczytPart")].width = 3810;
    u[QStringLiteral("DBGridPartia")] = {300, 600, 14000, 3000};
    u[QStringLiteral("FramePartia")] = {0, 0, 13200, 8940};
    u[QStringLiteral("FrameWynik")] = {0, 0, 2850, 1635};
    u[QStringLiteral("LabData")] = {0, 180, 1200, 300};
    u[QStringLiteral("LabDataDTP")] = {0, 180, 660, 300};
    return u;
}

TEST(BatchLayoutTest, ButtonsHangOnTheCloseButtonAsInTheExampleWindow)
{
    const WindowLayout u = layOutBatchWindow(12000, 9000, zaprojektowany());
    const ControlPlace dodaj = u[QStringLiteral("ComDodajPr")];
    EXPECT_EQ(dodaj.left, 12000 - 1215 - 650);
    EXPECT_EQ(dodaj.top, 4500 - 2.6 * 375);
    // The gap is 1215 / 15 = 81 twips between the buttons of a row.
    EXPECT_EQ(u[QStringLiteral("ComPopraw")].left, dodaj.left - 1215 - 81);
    EXPECT_EQ(u[QStringLiteral("ComUsun")].left, dodaj.left - 2 * (1215 + 81));
    EXPECT_EQ(u[QStringLiteral("ComWczytPart")].top, dodaj.bottom() + 81);
    EXPECT_EQ(u[QStringLiteral("DBGridPartia")].width, 11400);
    EXPECT_EQ(u[QStringLiteral("DBGridPartia")].height, dodaj.top - 2.4 * 375);
    EXPECT_EQ(u[QStringLiteral("DBGridPartia")].left, 300);

    const ControlPlace zamk = u[QStringLiteral("ComZamk")];
    EXPECT_EQ(zamk.top, 9000 - 3 * 375);
    EXPECT_EQ(zamk.left, u[QStringLiteral("ComPopraw")].left);
    // The right-hand column stacks upwards from the close button, hidden buttons included.
    EXPECT_EQ(u[QStringLiteral("ComDrukuj")].top, zamk.top - 81 - 375);
    EXPECT_EQ(u[QStringLiteral("ComEdytuj")].top, zamk.top - 7 * (81 + 375));
    EXPECT_EQ(u[QStringLiteral("ComEdytuj")].left, zamk.left);

    const ControlPlace probki = u[QStringLiteral("DBGridPartiaG")];
    EXPECT_EQ(probki.top, dodaj.top);
    EXPECT_EQ(probki.width, u[QStringLiteral("ComWczytPart")].left - 1215);
    EXPECT_EQ(probki.bottom(), zamk.top - 0.7 * 375);
    // The sample commands end flush with the sample grid's right edge.
    EXPECT_EQ(u[QStringLiteral("ComDodajG")].right(), probki.right());
    EXPECT_EQ(u[QStringLiteral("ComWczytaj")].left, probki.right() - 4 * 1215 - 3 * 81);

    EXPECT_EQ(u[QStringLiteral("FrameWynik")].right(), u[QStringLiteral("ComDrukuj")].left);
    EXPECT_EQ(u[QStringLiteral("FrameWynik")].bottom(), u[QStringLiteral("ComDrukuj")].bottom());
    EXPECT_EQ(u[QStringLiteral("FramePartia")].left, 6000 - 6600);
    EXPECT_EQ(u[QStringLiteral("LabData")].right(), u[QStringLiteral("DBGridPartia")].right());
    EXPECT_EQ(u[QStringLiteral("LabDataDTP")].right(), u[QStringLiteral("LabData")].left - 81);
    EXPECT_EQ(u[QStringLiteral("LabiNFO")].top, u[QStringLiteral("DBGridPartia")].bottom());
    EXPECT_EQ(u[QStringLiteral("Line1")], (ControlPlace{0, dodaj.bottom() + 187.5, 12000, 0}));
    EXPECT_EQ(u[QStringLiteral("Line2")].left, 8000);
}

TEST(BatchLayoutTest, ATallerWindowMovesTheRowsWithItsMiddleAndBottom)
{
    const WindowLayout low = layOutBatchWindow(12000, 9000, zaprojektowany());
    const WindowLayout tall = layOutBatchWindow(12000, 11000, zaprojektowany());
    EXPECT_EQ(tall[QStringLiteral("ComDodajPr")].top - low[QStringLiteral("ComDodajPr")].top, 1000);
    EXPECT_EQ(tall[QStringLiteral("ComDodajPr")].top, 5500 - 2.6 * 375);
    EXPECT_EQ(tall[QStringLiteral("ComZamk")].top, 11000 - 3 * 375);
    EXPECT_EQ(tall[QStringLiteral("DBGridPartia")].height - low[QStringLiteral("DBGridPartia")].height, 1000);
}

TEST(BatchLayoutTest, ATinyWindowGetsNoNegativeSizesAndAHugeButtonNoHugeGap)
{
    WindowLayout u = zaprojektowany();
    u[QStringLiteral("ComZamk")].width = 6000;
    u = layOutBatchWindow(300, 200, u);
    for (auto it = u.cbegin(); it != u.cend(); ++it) {
        EXPECT_GE(it->width, 0) << it.key().toStdString();
        EXPECT_GE(it->height, 0) << it.key().toStdString();
    }
    EXPECT_EQ(u[QStringLiteral("ComPopraw")].left, u[QStringLiteral("ComDodajPr")].left - 1215 - 255);
}

} // namespace
