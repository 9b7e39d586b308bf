#include "common/FormAlarm.h"
#include "common/Messages.h"

#include "support/FakeClock.h"
#include "support/Installed.h"
#include "support/RecordingOpener.h"
#include "support/ScriptedDialogs.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace trelimor;
using namespace trelimor::test;

namespace {

TEST(FormAlarmGeometry, WidthIsClampedAndCentredAt5800Twips)
{
    EXPECT_EQ(FormAlarm::widthFor(QString(5, QLatin1Char('m')), QString(20, QLatin1Char('t'))), 4600);
    EXPECT_EQ(FormAlarm::leftFor(4600), 3500);
    EXPECT_EQ(FormAlarm::widthFor(QString(60, QLatin1Char('m')), QStringLiteral("ALARM!!!")), 10000);
    EXPECT_EQ(FormAlarm::leftFor(10000), 800);
    EXPECT_EQ(FormAlarm::widthFor(QStringLiteral("m"), QStringLiteral("t")), 3180);
    EXPECT_EQ(FormAlarm::leftFor(3180), 4210);
    EXPECT_EQ(FormAlarm::widthFor(QString(), QString()), 3180);
}

class FormAlarmTest : public ::testing::Test
{
protected:
    void TearDown() override { FormAlarm::resetInstance(); }
    Installed<FakeClock> clock;
    Installed<ScriptedDialogs> dialogs;
};

TEST_F(FormAlarmTest, ThreePhasesThenItHidesItselfAndBeeps)
{
    std::vector<int> phases;
    bool closedByItself = false;
    Installed<RecordingOpener> opener;
    opener->onOpen(QStringLiteral("FormAlarm"), [&](QDialog& window) {
        auto& alarm = static_cast<FormAlarm&>(window);
        EXPECT_FALSE(alarm.ComZamk->isVisible());
        EXPECT_EQ(alarm.Label1->text(), QStringLiteral("Nie posiadasz uprawnień administratora!"));
        alarm.tick(); // the first beat only notes the start
        for (int beat = 0; beat < 40 && alarm.isVisible(); ++beat) {
            clock->advance(100);
            alarm.tick();
            if (phases.empty() || phases.back() != alarm.phase())
                phases.push_back(alarm.phase());
            if (alarm.phase() == 2) {
                EXPECT_TRUE(alarm.Picture2->isVisibleTo(&alarm));
            }
        }
        closedByItself = !alarm.isVisible();
    });
    PokazAlarm(QStringLiteral("Nie posiadasz uprawnień administratora!"), QStringLiteral("ALARM!!!"), 1,
               false);
    EXPECT_TRUE(closedByItself);
    EXPECT_EQ(phases, (std::vector<int>{1, 2, 3, 1}));
    ASSERT_FALSE(dialogs->calls().empty());
    EXPECT_EQ(dialogs->last().kind, DialogCall::Kind::Beep);
    EXPECT_EQ(FormAlarm::instance().windowTitle(), QStringLiteral("ALARM!!!"));
}

TEST_F(FormAlarmTest, PicturesComeAtTheChangesOfTheClocksSecond)
{
    clock->advance(900);                         // the alarm opens 100 ms before the clock's second changes
    std::vector<std::pair<qint64, int>> changes; // (steady ms, phase) at each change of phase
    Installed<RecordingOpener> opener;
    opener->onOpen(QStringLiteral("FormAlarm"), [&](QDialog& window) {
        auto& alarm = static_cast<FormAlarm&>(window);
        alarm.tick();
        for (int beat = 0; beat < 40 && alarm.isVisible(); ++beat) {
            const int before = alarm.phase();
            clock->advance(100);
            alarm.tick();
            if (alarm.phase() != before)
                changes.emplace_back(clock->steadyMilliseconds(), alarm.phase());
            EXPECT_EQ(alarm.Picture2->isVisibleTo(&alarm), alarm.phase() >= 2);
            EXPECT_EQ(alarm.Picture1->isVisibleTo(&alarm), alarm.phase() == 3);
        }
    });
    PokazAlarm(QStringLiteral("Poziom musi być liczbą!"), QStringLiteral("ALARM!!!"), 1, false);
    // The exclamation mark at the first change of the second (1000 ms), the burst once two
    // changes have passed (2000 ms: more than the delay of 1), and the window goes a beat later.
    EXPECT_EQ(changes, (std::vector<std::pair<qint64, int>>{{1000, 2}, {2000, 3}, {2100, 1}}));
}

TEST_F(FormAlarmTest, ClosedByItsButtonTheNextAlarmWaitsItsFullDelay)
{
    int beatsOfSecond = 0;
    int call = 0;
    Installed<RecordingOpener> opener;
    opener->onOpen(QStringLiteral("FormAlarm"), [&](QDialog& window) {
        auto& alarm = static_cast<FormAlarm&>(window);
        alarm.tick();
        if (call++ == 0) {
            clock->advance(1500);
            alarm.tick();
            EXPECT_EQ(alarm.phase(), 2);
            QTest::mouseClick(alarm.ComZamk, Qt::LeftButton);
            EXPECT_FALSE(alarm.isVisible());
            EXPECT_EQ(alarm.phase(), 1);
            EXPECT_FALSE(alarm.Picture2->isVisibleTo(&alarm));
            return;
        }
        while (alarm.isVisible() && beatsOfSecond < 100) {
            clock->advance(100);
            alarm.tick();
            ++beatsOfSecond;
        }
    });
    PokazAlarm(QStringLiteral("Pierwszy"), QStringLiteral("ALARM!!!"), 1, true);
    PokazAlarm(QStringLiteral("Drugi"), QStringLiteral("ALARM!!!"), 3, true);
    EXPECT_GE(beatsOfSecond, 30) << "the second alarm starts again from phase 1";
    EXPECT_LE(beatsOfSecond, 42);
}

TEST(BezNull, DefaultsOnlyForNullAndEmpty)
{
    EXPECT_EQ(BezNull(QVariant(), QString()).toString(), QString());
    EXPECT_EQ(BezNull(0, 1).toInt(), 0) << "a number stays a number";
    EXPECT_EQ(BezNull(QString(""), QStringLiteral("x")).toString(), QStringLiteral("x"));
    EXPECT_EQ(BezNull(QStringLiteral(" "), QStringLiteral("x")).toString(), QStringLiteral(" "));
    EXPECT_EQ(BezNullText(QVariant(), QStringLiteral("brak")), QStringLiteral("brak"));
}

} // namespace
