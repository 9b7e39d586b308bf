#pragma once

#include "ClientPicker.h"
#include "RegisterWindow.h"

#include "platform/ui/DefaultInstance.h"

#include <optional>

class QLabel;
class QPushButton;

namespace trelimor {

// The clients register over the table Klient: the herds, slaughterhouses and hunting districts
// samples come from, with the owner's address, the county and three hints for the sampling
// protocol. The batch window also opens it as a picker (wybierzKlienta): its "&Pobierz" button
// then copies the chosen client into the batch window's sample frame.
class FormKlient : public RegisterWindow
{
    Q_OBJECT

public:
    static inline const QString kPickMode = QStringLiteral("Uzyj");

    static FormKlient& instance() { return ui::DefaultInstance<FormKlient>::get(); }
    static bool exists() { return ui::DefaultInstance<FormKlient>::exists(); }
    static RegisterConfig configuration();
    // The save's checks, in their order; the duplicate test of the number follows them.
    static std::vector<Check> checks();

    // Picker mode: "&Pobierz" shown, TrybSlownika "Uzyj", LabelWPZ the pick's target ("W" for
    // the sample frame), the target's controls kept until the mode ends.
    void startPicking(const ClientTarget& target, const QString& labelWPZ);
    // Ends picker mode (the flags raised for it fall too); true when a client was copied.
    bool endPicking();

    // The number after the last client's in number order ("" without clients); it presumes
    // numeric numbers. Nothing in the program asks for it.
    QString ZnajdzMaxWNI() const;

    // The voivodeship chosen: its code, and the counties of its inspectorates.
    void wybranoWojewodztwo();
    // The county chosen: the code of its inspectorate.
    void wybranoPowiat();
    // Lists the towns of the district inspectorates whose code begins with the voivodeship code.
    void wypelnijPowiaty(const QString& voivodeshipCode);

    // The pick's target ("W" for the batch window's sample frame).
    QLabel* LabelWPZ;
    QPushButton* ComUzyj;

private:
    friend class ui::DefaultInstance<FormKlient>;
    FormKlient();

    void pobierz();

    std::optional<ClientTarget> m_target;
    bool m_copied = false;
};

// The batch window's client picker: shows the clients register as a picker (its "&Pobierz"
// button shown) and returns when it closes. A pick copies the chosen client into the target
// when labelWPZ is "W"; closing the register without a pick changes nothing. True when a client
// was copied. The register leaves picker mode on either way, so a later opening from the menu
// never writes into the batch window.
bool wybierzKlienta(const ClientTarget& target, const QString& labelWPZ = QStringLiteral("W"));

} // namespace trelimor
