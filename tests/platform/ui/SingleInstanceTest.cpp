#include "platform/ui/SingleInstance.h"

#include <QSignalSpy>
#include <QUuid>

#include <gtest/gtest.h>

namespace trelimor::ui {
namespace {

QString freshKey()
{
    return QStringLiteral("trelimor-test-") + QUuid::createUuid().toString(QUuid::Id128);
}

TEST(SingleInstance, SecondStartFailsAndItsRaiseRequestReachesTheFirst)
{
    const QString key = freshKey();
    SingleInstance first;
    SingleInstance second;
    QSignalSpy raised(&first, &SingleInstance::raiseRequested);

    ASSERT_TRUE(first.tryBecomePrimary(key));
    EXPECT_FALSE(second.tryBecomePrimary(key));
    EXPECT_FALSE(second.isPrimary());

    EXPECT_TRUE(second.askPrimaryToRaise(key));
    EXPECT_TRUE(raised.wait(5000));
    EXPECT_EQ(raised.count(), 1);
}

TEST(SingleInstance, KeyIsFreeAgainWhenThePrimaryEnds)
{
    const QString key = freshKey();
    {
        SingleInstance first;
        ASSERT_TRUE(first.tryBecomePrimary(key));
    }
    SingleInstance next;
    EXPECT_TRUE(next.tryBecomePrimary(key));
    QSignalSpy raised(&next, &SingleInstance::raiseRequested);
    SingleInstance asking;
    EXPECT_TRUE(asking.askPrimaryToRaise(key));
    EXPECT_TRUE(raised.wait(5000));
}

TEST(SingleInstance, DifferentKeysDoNotMeetAndNobodyAnswersForAFreeKey)
{
    SingleInstance one;
    SingleInstance other;
    EXPECT_TRUE(one.tryBecomePrimary(freshKey()));
    EXPECT_TRUE(other.tryBecomePrimary(freshKey()));
    EXPECT_FALSE(SingleInstance().askPrimaryToRaise(freshKey(), 200));
}

} // namespace
} // namespace trelimor::ui
