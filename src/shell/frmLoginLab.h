#pragma once

#include "platform/ui/DefaultInstance.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace Ui {
class frmLoginLab;
}

namespace trelimor {

// The login window: asks for a login and a password and checks them against OPERATORZY. After
// a successful login it stays loaded, hidden, holding the operator's number, kind and name.
class frmLoginLab : public QDialog
{
    Q_OBJECT

public:
    static frmLoginLab& instance() { return ui::DefaultInstance<frmLoginLab>::get(); }
    ~frmLoginLab() override;

    // How the window ended.
    enum class Wynik {
        Odmowa,      // no login: too many failures (Zalogowany is false)
        Zalogowany,  // the operator is logged in
        Zakonczenie, // the program was ended from the window (Cancel, or the date format)
    };
    Wynik wynik() const { return m_wynik; }

    // Loading: makes the user's short date format "dd.MM.yyyy", remembering the user's own in
    // LabDataOld, and empties the form. False when the format cannot be set: the program ends.
    bool Form_Load();

    // Types "pqmzt" as login and password and presses OK.
    void StartAuto();

    // The check made when the login field loses the focus, and the OK button.
    void TextLogin_LostFocus();
    void cmdOK_Click();
    void cmdCancel_Click();
    void CmdTmp_Click();

    // Failed attempts since the window loaded: the counter that a found login sets back to 0,
    // and the wrong passwords, which nothing sets back.
    quint8 LiczbaProb = 0;
    quint8 LiczbaBlednychHasel = 0;

    QLineEdit* TextLogin;
    QLineEdit* txtPassword;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    QPushButton* CmdTmp;
    QLabel* TextNazwisko;
    QLineEdit* TextOperat;
    QLineEdit* TextOperatRodz;
    QLabel* LabDataOld;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Esc and the window's close box act as Cancel.
    void reject() override;

private:
    friend class ui::DefaultInstance<frmLoginLab>;
    explicit frmLoginLab(QWidget* parent = nullptr);

    void TextLogin_GotFocus();
    void zaloguj(const QVariant& numer, const QVariant& rodzaj, const QVariant& nazwisko);
    void odmow(const QString& alarm);

    Ui::frmLoginLab* m_ui;
    Wynik m_wynik = Wynik::Odmowa;
    bool m_sprawdzLogin = false; // the login field lost the focus and its check is still due
};

} // namespace trelimor
