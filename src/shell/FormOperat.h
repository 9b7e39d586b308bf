#pragma once

#include "platform/ui/DefaultInstance.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTableView;

namespace Ui {
class FormOperat;
}

namespace trelimor {

class OperatorsModel;

// The operators who may log in (OPERATORZY): an administrator adds, changes and deletes them; an
// operator without those rights may change only his own login, password and name. Shown
// modally by the main window; its buttons only hide it.
class FormOperat : public QDialog
{
    Q_OBJECT

public:
    static FormOperat& instance() { return ui::DefaultInstance<FormOperat>::get(); }
    ~FormOperat() override;

    // Runs at every showing: reads the table afresh and applies the logged-in operator's rights.
    void Form_Activate();

    // The login box's check: not blank and unique (alarm on failure).
    bool SprLogin();
    // The password boxes' and the name box's check (alarm on failure).
    bool BadajHaslo();
    // Writes the frame into the row it was opened on (or a new row); true when it was stored.
    bool ZapiszOperat(bool nowyWiersz, bool zapiszHaslo);
    // Enables or disables the grid and the window's buttons together; "Dodaj" and "Usuń" only
    // for an administrator.
    void Klawisze(bool wlaczone);

    bool NowyOperator = false;
    bool ZmianaHasla = false;

    QTableView* DBGridOper;
    OperatorsModel* DataOperat;
    QPushButton* ComOperDod;
    QPushButton* ComOperKas;
    QPushButton* ComOperKor;
    QPushButton* ComOperZamk;
    QGroupBox* FrameOperat;
    QLineEdit* MaskEdBoxKod;
    QLineEdit* TextNazw;
    QLineEdit* TextLogin;
    QLineEdit* TextPass1;
    QLineEdit* TextPass2;
    QComboBox* ComboOperat;
    QPushButton* ComOperZap;
    QPushButton* ComOperRez;

    // Closing the window while the frame is open cancels the edit first.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    friend class ui::DefaultInstance<FormOperat>;
    FormOperat();

    void ComOperDod_Click();
    void ComOperKor_Click();
    void ComOperKas_Click();
    void ComOperZap_Click();
    void ComOperRez_Click();

    // Reads the table into the grid and makes the row with the rowid current (or the row at
    // the position, or the first row).
    void wczytajOperatorow(qint64 currentRowid, int fallbackPosition = 0);
    int currentPosition() const;
    void setKind(const QString& kind);
    void openFrame(const QString& caption);
    void closeFrame();

    Ui::FormOperat* m_ui;
    qint64 m_editedRowid = -1; // the row the frame was opened on; -1 for a new row
    QString m_editedLogin;     // that row's login when the frame was opened
};

} // namespace trelimor
