#pragma once

#include "RegisterWindow.h"

#include "platform/ui/DefaultInstance.h"

class QLabel;
class QLineEdit;

namespace trelimor {

// The editor of a list of numbered values (ID, Wartosc): the opener binds the list, writes
// the heading and names the kind of value in the hidden label LabelTyp ("byte", "integer",
// "single" or "string"); a numeric kind takes only numbers. Numbers are proposed as the row
// count + 1 and may repeat.
class FormPodpAll : public RegisterWindow
{
    Q_OBJECT

public:
    static FormPodpAll& instance() { return ui::DefaultInstance<FormPodpAll>::get(); }
    static RegisterConfig configuration();

    QLabel* LabelOpis;
    QLabel* LabelTyp;
    QLineEdit* TextWartosc;

private:
    friend class ui::DefaultInstance<FormPodpAll>;
    FormPodpAll();
};

// The units of measure (Miara): heading "JEDNOSTKA MIARY", kind "string", values of at most
// 5 characters, in number order.
void otworzJednostkiMiary();

} // namespace trelimor
