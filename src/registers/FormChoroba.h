#pragma once

#include "MatrixEditor.h"
#include "RegisterWindow.h"

#include "platform/ui/DefaultInstance.h"

#include <QHash>

#include <functional>

class QPushButton;
class QTabBar;

namespace trelimor {

// The test directions (KIERUNEK): a code, a name and four slots, each a test type, a method
// and a procedure, shown on the tabs "Typ badania 1" to "Typ badania 4". Inside the frame the
// matrices (MATRYCA) of the selected slot are kept: a matrix belongs to the direction's code
// and the slot's type code by those texts alone.
class FormChoroba : public RegisterWindow, public MatrixWindow
{
    Q_OBJECT

public:
    static constexpr int SlotCount = 4;

    static FormChoroba& instance() { return ui::DefaultInstance<FormChoroba>::get(); }
    static RegisterConfig configuration();
    ~FormChoroba() override;

    // The values "&Użyj" hands over, by the names of the receiving boxes.
    using Receiver = std::function<void(const QHash<QString, QString>&)>;
    // "&Użyj" is shown only while a receiver is set.
    void setReceiver(Receiver receiver);

    void ComPopraw_Click() { correct(); }
    // Stores the direction and opens it again for correction, ready for its matrices; a
    // refused save leaves the frame as it was typed.
    void ComZapiszOnly_Click();
    void ComUzyj_Click();
    // The selected tab's slot: its frame shown, its matrices listed, its type code current.
    void TabStrip1_Click();

    // The selected slot, 1 to 4.
    int selectedSlot() const override;
    // The type code of the slot last selected.
    const QString& TypBiezacy() const override { return m_typBiezacy; }
    // The direction's code as it is stored (the code box, trimmed).
    QString directionCode() const override;
    // Whether the direction in the frame is stored under the code in the code box.
    bool directionStored() const override;
    QWidget& windowWidget() override { return *this; }
    QWidget& editFrame() override;
    QWidget* control(const QString& name) const override { return RegisterWindow::control(name); }

    MatrixEditor& matrices() const { return *m_matrices; }
    void reject() override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class ui::DefaultInstance<FormChoroba>;
    FormChoroba();

    QWidget* buildSlots();
    void firstActivation();
    void frameOpened();

    QTabBar* m_tabs;
    QWidget* m_slotFrames[SlotCount];
    MatrixEditor* m_matrices;
    QPushButton* m_use;
    Receiver m_receiver;
    QString m_typBiezacy;
};

// Shows the test directions, in number order; the first activation opens for correction the
// direction whose name TrybSlownika holds, when it holds one.
void otworzKierunki();

} // namespace trelimor
