#pragma once

#include "RegisterConfig.h"

#include <QGroupBox>
#include <QHash>

class QHBoxLayout;
class QPushButton;
class QVBoxLayout;

namespace trelimor {

// A push button of a register window, named and captioned as its definition says; Enter in a
// box never presses it.
QPushButton* makeButton(const ButtonDef& button, QWidget* parent);

// The edit frame of a register window: one box per field, laid out line by line as the
// register's fields say, and the save and cancel buttons. It knows how each box is emptied,
// filled from a row, read and written back by the field's rules.
class RegisterFrame : public QGroupBox
{
    Q_OBJECT

public:
    RegisterFrame(const RegisterConfig& config, QWidget* parent);

    QWidget* box(const QString& name) const { return m_boxes.value(name); }
    QPushButton* saveButton() const { return m_save; }
    QPushButton* cancelButton() const { return m_cancel; }

    // What a register adds to its frame: a part below the boxes (above the buttons), and a
    // button in the row of save and cancel, before the save button.
    void addSection(QWidget* section);
    QPushButton* addButton(const ButtonDef& button);

    // Empties every box for a new row: masked boxes show their mask's prompts again, check
    // boxes are unticked.
    void clearForNew();
    // Fills the boxes from the current row of the recordset; a null shows as an empty box.
    void load(const db::Recordset& records);

    QString text(const QString& box) const;
    void setText(const QString& box, const QString& text);
    FrameValues values() const;
    // Ticks the check boxes as the values say (a check may have ticked one).
    void applyTicks(const FrameValues& values);

    // Writes the fields into the row being added or edited, by their save rules; exclusive
    // flags are the window's (they touch other rows).
    void write(db::Recordset& records, const FrameValues& values) const;
    // What a box's text is stored as, by its field's rules (null for no value).
    static QVariant storedValue(const FieldDef& field, QString text);

private:
    QWidget* makeBox(const FieldDef& field);

    const RegisterConfig& m_config;
    QHash<QString, QWidget*> m_boxes;
    QVBoxLayout* m_sections;
    QHBoxLayout* m_buttons;
    QPushButton* m_save;
    QPushButton* m_cancel;
};

} // namespace trelimor
