#pragma once

#include "RegisterWindow.h"

#include "platform/ui/DefaultInstance.h"

class QLabel;

namespace trelimor {

// The sampling plans (PlanPobierania) and sampling procedures (ProceduraPobierania): two short
// lists of one layout kept in one window. In each list one entry may be the default and one
// the default for service tests; the batch window proposes the default plan and procedure
// for a new batch, through the program state, which every save here brings up to date.
class FormPlanProcedura : public RegisterWindow
{
    Q_OBJECT

public:
    static FormPlanProcedura& instance() { return ui::DefaultInstance<FormPlanProcedura>::get(); }
    static RegisterConfig configuration();

    // The openers' setting: the list to edit ("PlanPobierania" or "ProceduraPobierania"), shown
    // by number, and the window's caption.
    void pokazTabele(const QString& table, const QString& caption);

    // Reads the names of the four defaults again into the labels, and the two the batch window
    // proposes into the program state.
    void PobierzDomyslne();

    QLabel* LabTabela;
    QLabel* LabPlanNazwaDomyslna;
    QLabel* LabPlanNazwaDomyslna2;
    QLabel* LabProceduraNazwaDomyslna;
    QLabel* LabProceduraNazwaDomyslna2;

private:
    friend class ui::DefaultInstance<FormPlanProcedura>;
    FormPlanProcedura();
};

} // namespace trelimor
