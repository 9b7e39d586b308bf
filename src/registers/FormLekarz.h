#pragma once

#include "RegisterWindow.h"

#include "platform/ui/DefaultInstance.h"

namespace trelimor {

// The veterinarians register over the table Lekarz. "&Kopiuj" starts a new veterinarian from
// the current one's practice data; it stays usable while the frame is open.
class FormLekarz : public RegisterWindow
{
    Q_OBJECT

public:
    static FormLekarz& instance() { return ui::DefaultInstance<FormLekarz>::get(); }
    static RegisterConfig configuration();

    // "&Kopiuj": a new row filled from the current one, without its first name and surname.
    void kopiuj();

private:
    friend class ui::DefaultInstance<FormLekarz>;
    FormLekarz();
};

} // namespace trelimor
