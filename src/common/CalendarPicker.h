#pragma once

#include <QDate>
#include <QDialog>
#include <QString>

class QCalendarWidget;

namespace trelimor {

// What the two date pickers share: a month view that starts on today, shows Polish names, and
// hides the window when a day is clicked or Enter is typed in it. Cancelling (Esc, the window
// frame's close button, or a window's own cancel button) puts back the date the pick opened
// with, so a cancelled pick never changes the caller's date.
class CalendarPicker : public QDialog
{
    Q_OBJECT

public:
    // Opens on the typed date when the text holds one (rewriting the text with the system's
    // date separator), else on the date the month view keeps; returns the month view's date
    // when the window hides.
    QDate pick(QString& dateText, const QString& caption);

    // The date the current (or last) pick opened with.
    QDate openingDate() const { return m_opening; }

    // Cancel: back to the opening date, then hide.
    void reject() override;

protected:
    explicit CalendarPicker(QWidget* parent = nullptr);
    // Called once by the window's constructor with its month view, sized at least as the
    // given geometry (in pixels) but never below what the month view needs to be readable.
    void attachCalendar(QCalendarWidget* calendar);

    QCalendarWidget* calendar() const { return m_calendar; }

private:
    QCalendarWidget* m_calendar = nullptr;
    QDate m_opening;
};

} // namespace trelimor
