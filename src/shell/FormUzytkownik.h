#pragma once

#include "platform/ui/DefaultInstance.h"

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace Ui {
class FormUzytkownik;
}

namespace trelimor {

struct UserRecordFrame;

// The user record (the single PODATNIK row): address lines printed on documents, the two county
// codes and the active one, mail addresses, place of sampling and user kind. A save puts the
// stored row into the program state; a changed active county code makes the program switch its
// yearly database through the state's countyCodeChanged signal. Shown modally by the main
// window; its buttons only hide it.
class FormUzytkownik : public QDialog
{
    Q_OBJECT

public:
    static FormUzytkownik& instance() { return ui::DefaultInstance<FormUzytkownik>::get(); }
    ~FormUzytkownik() override;

    // Runs at every showing: loads the stored row and chooses the active county code after the
    // program's current one.
    void Form_Activate();
    // Leaving the first county code box: a known inspectorate's address fills the empty lines.
    void TextKodPIW1_LostFocus();

    // The program's county code at the last activation.
    QString PoprzedniKodPiw;

    std::array<QLabel*, 5> Label;   // Label2 .. Label6: the preview of the address lines
    std::array<QLineEdit*, 5> Text; // Text2 .. Text6
    QRadioButton* OptionPIW1;
    QRadioButton* OptionPIW2;
    QLineEdit* TextKodPIW1;
    QLineEdit* TextKodPIW2;
    QLineEdit* TextMailWIW;
    QLineEdit* TextMailPIW;
    QLineEdit* TextMailLab;
    QLineEdit* TextMiejsc;
    QRadioButton* OptionUzytkPIW;
    QRadioButton* OptionUzytkLek;
    QPushButton* ComZapisz;
    QPushButton* ComZamk;

    // Closing the window is "Anuluj".
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class ui::DefaultInstance<FormUzytkownik>;
    FormUzytkownik();

    void ComZapisz_Click();
    void ComZamk_Click();
    UserRecordFrame frame() const;

    Ui::FormUzytkownik* m_ui;
};

} // namespace trelimor
