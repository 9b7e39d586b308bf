#pragma once

#include <QDialog>

#include "platform/ui/DefaultInstance.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace Ui {
class FormPracuja;
}

namespace trelimor {

// Who works on the dictionary database: the entries of its presence file, one a line. While
// PierwszaAktywacja is set (the opener sets it) every showing and every activation reads the
// file again; the window never clears the flag.
class FormPracuja : public QDialog
{
    Q_OBJECT

public:
    static FormPracuja& instance() { return ui::DefaultInstance<FormPracuja>::get(); }
    ~FormPracuja() override;

    // Fills the list when PierwszaAktywacja is set; run by every showing and activation.
    void Form_Activate();
    void ComOk_Click();

    QLabel* Label3;
    QPlainTextEdit* TextPracuja;
    QPushButton* ComOk;

protected:
    bool event(QEvent* event) override;

private:
    friend class ui::DefaultInstance<FormPracuja>;
    explicit FormPracuja(QWidget* parent = nullptr);

    Ui::FormPracuja* m_ui;
};

} // namespace trelimor
