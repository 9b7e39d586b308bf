#pragma once

#include "CalendarPicker.h"

#include "platform/ui/DefaultInstance.h"

class QCalendarWidget;
class QPushButton;

namespace Ui {
class FormKalendarz;
}

namespace trelimor {

// The date picker of the working date: a month view with confirm and cancel buttons.
class FormKalendarz : public CalendarPicker
{
    Q_OBJECT

public:
    static FormKalendarz& instance() { return ui::DefaultInstance<FormKalendarz>::get(); }
    ~FormKalendarz() override;

    QCalendarWidget* Kalendarz;
    QPushButton* Command1; // "&Zatwierdź"
    QPushButton* Command2; // "&Anuluj"

protected:
    // A key typed to the window itself ends the pick; Esc cancels it.
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class ui::DefaultInstance<FormKalendarz>;
    explicit FormKalendarz(QWidget* parent = nullptr);

    Ui::FormKalendarz* m_ui;
};

} // namespace trelimor
