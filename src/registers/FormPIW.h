#pragma once

#include "RegisterWindow.h"

#include "platform/ui/DefaultInstance.h"

class QMenu;

namespace trelimor {

// The district inspectorates register over the table PIW, each keyed by its numeric county
// code; W holds the town as reports print it ("w Krakowie").
class FormPIW : public RegisterWindow
{
    Q_OBJECT

public:
    static FormPIW& instance() { return ui::DefaultInstance<FormPIW>::get(); }
    static bool exists() { return ui::DefaultInstance<FormPIW>::exists(); }
    static RegisterConfig configuration();

    // Pops the menu up at the mouse: the batch window shows its own context menu through this
    // window, which it creates for that without showing it.
    void PopupMenu(QMenu& menu);

    QMenu* menu1;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    friend class ui::DefaultInstance<FormPIW>;
    FormPIW();
};

} // namespace trelimor
