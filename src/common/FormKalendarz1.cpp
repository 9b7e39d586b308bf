#include "FormKalendarz1.h"

#include "ui_FormKalendarz1.h"

#include <QKeyEvent>

namespace trelimor {

FormKalendarz1::FormKalendarz1(QWidget* parent)
    : CalendarPicker(parent)
    , m_ui(new Ui::FormKalendarz1)
{
    m_ui->setupUi(this);
    Kalendarz1 = m_ui->Kalendarz1;
    attachCalendar(Kalendarz1);
    // The window fits itself to its month view, whose border lies just outside its inner area.
    setFixedSize(Kalendarz1->size());
}

FormKalendarz1::~FormKalendarz1()
{
    delete m_ui;
}

void FormKalendarz1::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        reject();
}

} // namespace trelimor
