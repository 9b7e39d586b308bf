#pragma once

#include "platform/ui/DefaultInstance.h"

#include <QDialog>

class QPushButton;
class QRadioButton;

namespace Ui {
class FormZliczBr;
}

namespace trelimor {

// Which column a final Br result is counted from: "Wynik" or "Okap". Nothing reads the
// choice yet; OK only closes the dialog, which keeps it for the next showing.
class FormZliczBr : public QDialog
{
    Q_OBJECT

public:
    static FormZliczBr& instance() { return ui::DefaultInstance<FormZliczBr>::get(); }
    ~FormZliczBr() override;

    void ComOk_Click();

    QRadioButton* OptWynik;
    QRadioButton* OptOkap;
    QPushButton* ComOk;

private:
    friend class ui::DefaultInstance<FormZliczBr>;
    explicit FormZliczBr(QWidget* parent = nullptr);

    Ui::FormZliczBr* m_ui;
};

void otworzZliczanieBr();

} // namespace trelimor
