#pragma once

#include "CalendarPicker.h"

#include "platform/ui/DefaultInstance.h"

class QCalendarWidget;

namespace Ui {
class FormKalendarz1;
}

namespace trelimor {

// The bare date picker of the batch and statistics windows' date fields: only a month view,
// the window exactly its size.
class FormKalendarz1 : public CalendarPicker
{
    Q_OBJECT

public:
    static FormKalendarz1& instance() { return ui::DefaultInstance<FormKalendarz1>::get(); }
    ~FormKalendarz1() override;

    QCalendarWidget* Kalendarz1;

protected:
    // Keys typed to the window itself do nothing, but Esc cancels.
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class ui::DefaultInstance<FormKalendarz1>;
    explicit FormKalendarz1(QWidget* parent = nullptr);

    Ui::FormKalendarz1* m_ui;
};

} // namespace trelimor
