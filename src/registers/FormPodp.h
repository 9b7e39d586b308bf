#pragma once

#include "RegisterWindow.h"

#include "platform/ui/DefaultInstance.h"

namespace trelimor {

// The remark hints: numbered ready-made remark texts that the batch window offers for a batch
// (UwagiPartia) or a sample (UwagiProbka). The window edits whichever list its opener binds;
// closing it tells the batch window to fill its two hint lists again.
class FormPodp : public RegisterWindow
{
    Q_OBJECT

public:
    static FormPodp& instance() { return ui::DefaultInstance<FormPodp>::get(); }
    static RegisterConfig configuration();
    // The save's checks of the number, in their order.
    static std::vector<Check> checks();

    // The heading label LabelCaption, which an opener may set.
    void setHeading(const QString& heading);

private:
    friend class ui::DefaultInstance<FormPodp>;
    FormPodp();
};

} // namespace trelimor
