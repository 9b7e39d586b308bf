#include "common/Pickers.h"
#include "common/FormKalendarz.h"
#include "common/FormKalendarz1.h"
#include "common/FormZegar.h"

#include "platform/locale/ShortDateFormat.h"
#include "platform/ui/DefaultInstance.h"

#include "support/FakeClock.h"
#include "support/Installed.h"
#include "support/RecordingOpener.h"
#include "support/ScriptedDialogs.h"

#include <QAbstractItemModel>
#include <QCalendarWidget>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

using namespace trelimor;
using namespace trelimor::test;

namespace {

QTableView* monthGrid(QCalendarWidget* calendar)
{
    return calendar->findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"));
}

// Clicks a day from 8 to 21 of the month shown: such a day stands once in the grid.
void clickDay(QCalendarWidget* calendar, int day)
{
    QTableView* grid = monthGrid(calendar);
    ASSERT_NE(grid, nullptr);
    const QAbstractItemModel* model = grid->model();
    for (int row = 1; row < model->rowCount(); ++row)
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex index = model->index(row, column);
            if (model->data(index).toInt() == day) {
                const QPoint centre = grid->visualRect(index).center();
                QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centre);
                return;
            }
        }
    ADD_FAILURE() << "day " << day << " not in the month view";
}

void typeInMonthView(QCalendarWidget* calendar, Qt::Key key)
{
    QTest::keyClick(monthGrid(calendar), key);
}

class PickersTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        savedFormat = locale::shortDateFormat();
        locale::setShortDateFormat(QStringLiteral("dd.MM.yyyy"));
    }
    void TearDown() override
    {
        ui::resetAllInstances();
        locale::setShortDateFormat(savedFormat);
    }

    QString savedFormat;
    Installed<FakeClock> clock{QDateTime(QDate(2022, 3, 31), QTime(10, 5, 7))};
    Installed<ScriptedDialogs> dialogs;
    Installed<RecordingOpener> opener;
};

TEST_F(PickersTest, DatePickerOpensOnTheTypedDateAndConfirmsTheChosenDay)
{
    opener->onOpen(QStringLiteral("FormKalendarz"), [](QDialog& window) {
        auto& form = static_cast<FormKalendarz&>(window);
        EXPECT_EQ(form.Kalendarz->selectedDate(), QDate(2022, 6, 15));
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Data pracy"));
        typeInMonthView(form.Kalendarz, Qt::Key_Right);
        QTest::mouseClick(form.Command1, Qt::LeftButton);
        EXPECT_FALSE(form.isVisible());
    });
    QString text = QStringLiteral("15-06-2022");
    EXPECT_EQ(WybierzDate(text, QStringLiteral("Data pracy")), QDate(2022, 6, 16));
    EXPECT_EQ(text, QStringLiteral("15.06.2022"))
        << "the typed date is rewritten with the system's separator";
}

TEST_F(PickersTest, DatePickerCancelReturnsTheDateItOpenedWith)
{
    opener->onOpen(QStringLiteral("FormKalendarz"), [](QDialog& window) {
        auto& form = static_cast<FormKalendarz&>(window);
        typeInMonthView(form.Kalendarz, Qt::Key_Down);
        EXPECT_EQ(form.Kalendarz->selectedDate(), QDate(2022, 6, 22));
        QTest::mouseClick(form.Command2, Qt::LeftButton);
    });
    QString text = QStringLiteral("15.06.2022");
    EXPECT_EQ(WybierzDate(text, QString()), QDate(2022, 6, 15));

    // Esc cancels the same way, and a text that is no date opens on the date the view keeps.
    opener->onOpen(QStringLiteral("FormKalendarz"), [](QDialog& window) {
        auto& form = static_cast<FormKalendarz&>(window);
        EXPECT_EQ(form.Kalendarz->selectedDate(), QDate(2022, 6, 15));
        typeInMonthView(form.Kalendarz, Qt::Key_Right);
        QTest::keyClick(&form, Qt::Key_Escape);
        EXPECT_FALSE(form.isVisible());
    });
    text = QStringLiteral("nie data");
    EXPECT_EQ(WybierzDate(text, QString()), QDate(2022, 6, 15));
    EXPECT_EQ(text, QStringLiteral("nie data"));
}

TEST_F(PickersTest, DatePickerEndsOnADayClickedEnterOrAKeyTypedToTheWindow)
{
    int call = 0;
    opener->onOpen(QStringLiteral("FormKalendarz"), [&call](QDialog& window) {
        auto& form = static_cast<FormKalendarz&>(window);
        switch (call++) {
        case 0:
            EXPECT_EQ(form.Kalendarz->selectedDate(), QDate(2022, 3, 31)) << "today at first use";
            clickDay(form.Kalendarz, 18);
            break;
        case 1:
            typeInMonthView(form.Kalendarz, Qt::Key_Left);
            typeInMonthView(form.Kalendarz, Qt::Key_Return);
            break;
        default:
            QTest::keyClick(&form, Qt::Key_A);
            break;
        }
        EXPECT_FALSE(form.isVisible());
    });
    QString text;
    EXPECT_EQ(WybierzDate(text, QString()), QDate(2022, 3, 18));
    EXPECT_EQ(WybierzDate(text, QString()), QDate(2022, 3, 17)) << "the last choice is kept";
    EXPECT_EQ(WybierzDate(text, QString()), QDate(2022, 3, 17));
}

TEST_F(PickersTest, BareDatePickerIgnoresKeysToTheWindowAndEndsOnEnter)
{
    opener->onOpen(QStringLiteral("FormKalendarz1"), [](QDialog& window) {
        auto& form = static_cast<FormKalendarz1&>(window);
        EXPECT_EQ(form.size(), form.Kalendarz1->size()) << "the window fits its month view";
        EXPECT_EQ(form.Kalendarz1->selectedDate(), QDate(2022, 1, 5));
        QTest::keyClick(&form, Qt::Key_A);
        EXPECT_TRUE(form.isVisible());
        typeInMonthView(form.Kalendarz1, Qt::Key_Right);
        typeInMonthView(form.Kalendarz1, Qt::Key_Enter);
        EXPECT_FALSE(form.isVisible());
    });
    QString text = QStringLiteral("05/01/2022");
    EXPECT_EQ(WybierzDate1(text, QStringLiteral("Data pobrania")), QDate(2022, 1, 6));
    EXPECT_EQ(text, QStringLiteral("05.01.2022"));

    opener->onOpen(QStringLiteral("FormKalendarz1"), [](QDialog& window) {
        auto& form = static_cast<FormKalendarz1&>(window);
        typeInMonthView(form.Kalendarz1, Qt::Key_Right);
        form.close(); // the window frame's close button cancels
    });
    EXPECT_EQ(WybierzDate1(text, QString()), QDate(2022, 1, 5));
}

TEST_F(PickersTest, HourPickerPreselectsTheTextAndReturnsTheChoice)
{
    opener->onOpen(QStringLiteral("FormZegar"), [](QDialog& window) {
        auto& form = static_cast<FormZegar&>(window);
        EXPECT_EQ(form.ListGodz->count(), 24);
        EXPECT_EQ(form.ListMin->count(), 60);
        EXPECT_EQ(form.ListMin->item(59)->text(), QStringLiteral("59"));
        EXPECT_EQ(FormZegar::selectedText(*form.ListGodz), QStringLiteral("07"));
        EXPECT_EQ(FormZegar::selectedText(*form.ListMin), QStringLiteral("45"));
        QTest::keyClick(form.ListMin, Qt::Key_Return);
        EXPECT_FALSE(form.isVisible());
    });
    QString text = QStringLiteral("07:45");
    EXPECT_EQ(WybierzGodzine(text), QStringLiteral("07:45"));
    EXPECT_EQ(text, QStringLiteral("07:45"));

    // A single hour digit means that hour; a minute that is no entry keeps the last one.
    opener->onOpen(QStringLiteral("FormZegar"), [](QDialog& window) {
        auto& form = static_cast<FormZegar&>(window);
        form.ListMin->setCurrentRow(20);
        QTest::mouseDClick(form.ListMin->viewport(), Qt::LeftButton, {},
                           form.ListMin->visualItemRect(form.ListMin->item(20)).center());
    });
    text = QStringLiteral("9:7x");
    EXPECT_EQ(WybierzGodzine(text), QStringLiteral("09:20"));
}

TEST_F(PickersTest, HourPickerWithoutAColonTakesTheCurrentTime)
{
    opener->onOpen(QStringLiteral("FormZegar"), [](QDialog& window) {
        auto& form = static_cast<FormZegar&>(window);
        EXPECT_EQ(FormZegar::selectedText(*form.ListGodz), QStringLiteral("10"));
        EXPECT_EQ(FormZegar::selectedText(*form.ListMin), QStringLiteral("05"));
        form.close(); // cancelling keeps the preselection
    });
    QString text;
    EXPECT_EQ(WybierzGodzine(text), QStringLiteral("10:05"));
    EXPECT_EQ(text, QStringLiteral("10:05:07"));
}

TEST_F(PickersTest, HourPickerWithoutAnHourBeepsSelectsMidnightAndStaysOpen)
{
    opener->onOpen(QStringLiteral("FormZegar"), [this](QDialog& window) {
        auto& form = static_cast<FormZegar&>(window);
        EXPECT_TRUE(FormZegar::selectedText(*form.ListGodz).isEmpty());
        QTest::keyClick(form.ListMin, Qt::Key_Space);
        EXPECT_TRUE(form.isVisible());
        ASSERT_FALSE(dialogs->calls().empty());
        EXPECT_EQ(dialogs->last().kind, DialogCall::Kind::Beep);
        EXPECT_EQ(FormZegar::selectedText(*form.ListGodz), QStringLiteral("00"));
        QTest::keyClick(form.ListMin, Qt::Key_Space);
        EXPECT_FALSE(form.isVisible());
    });
    QString text = QStringLiteral("xx:30");
    EXPECT_EQ(WybierzGodzine(text), QStringLiteral("00:30"));
}

} // namespace
