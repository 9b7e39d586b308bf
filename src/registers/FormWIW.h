#pragma once

#include "RegisterWindow.h"

#include "platform/ui/DefaultInstance.h"

namespace trelimor {

// The regional inspectorates register over the table WIW: the district register's editor,
// without the numeric test of the code and without the town of reports.
class FormWIW : public RegisterWindow
{
    Q_OBJECT

public:
    static FormWIW& instance() { return ui::DefaultInstance<FormWIW>::get(); }
    static RegisterConfig configuration();

private:
    friend class ui::DefaultInstance<FormWIW>;
    FormWIW();
};

} // namespace trelimor
