#pragma once

#include "RegisterWindow.h"

#include "platform/ui/DefaultInstance.h"

namespace trelimor {

// The species register over the table Gatunek.
class FormGatunek : public RegisterWindow
{
    Q_OBJECT

public:
    static FormGatunek& instance() { return ui::DefaultInstance<FormGatunek>::get(); }
    static RegisterConfig configuration();

private:
    friend class ui::DefaultInstance<FormGatunek>;
    FormGatunek();
};

} // namespace trelimor
