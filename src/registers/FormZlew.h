#pragma once

#include "RegisterWindow.h"

#include "platform/ui/DefaultInstance.h"

namespace trelimor {

// The establishments register over the table ZAKLAD. One establishment may be the default
// one, which the batch window proposes for every new batch.
class FormZlew : public RegisterWindow
{
    Q_OBJECT

public:
    static FormZlew& instance() { return ui::DefaultInstance<FormZlew>::get(); }
    static RegisterConfig configuration();
    // The save's checks, in their order (the first establishment is ticked as the default
    // one between them).
    static std::vector<Check> checks();

private:
    friend class ui::DefaultInstance<FormZlew>;
    FormZlew();
};

} // namespace trelimor
