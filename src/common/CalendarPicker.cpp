#include "CalendarPicker.h"

#include "Dates.h"

#include "platform/ui/Clock.h"
#include "platform/ui/WindowOpener.h"

#include <QCalendarWidget>
#include <QLocale>

namespace trelimor {

CalendarPicker::CalendarPicker(QWidget* parent)
    : QDialog(parent)
{}

void CalendarPicker::attachCalendar(QCalendarWidget* calendar)
{
    m_calendar = calendar;
    m_calendar->setLocale(QLocale(QLocale::Polish, QLocale::Poland));
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_calendar->setSelectedDate(ui::today());
    // A month view narrower than its days and names would hide them: grow it to what it needs.
    m_calendar->resize(m_calendar->size().expandedTo(m_calendar->minimumSizeHint()));
    // Any day clicked, and Enter typed in the month view, end the pick with that day.
    connect(m_calendar, &QCalendarWidget::clicked, this, &QDialog::accept);
    connect(m_calendar, &QCalendarWidget::activated, this, &QDialog::accept);
}

QDate CalendarPicker::pick(QString& dateText, const QString& caption)
{
    QString typed = dateText;
    const QDate date = NaDate(typed);
    if (date != zeroDate()) {
        dateText = typed;
        m_calendar->setSelectedDate(date);
    }
    m_opening = m_calendar->selectedDate();
    setWindowTitle(caption);
    m_calendar->setFocus();
    ui::openModal(*this);
    return m_calendar->selectedDate();
}

void CalendarPicker::reject()
{
    if (m_opening.isValid())
        m_calendar->setSelectedDate(m_opening);
    QDialog::reject();
}

} // namespace trelimor
