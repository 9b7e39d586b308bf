#pragma once

#include "common/TableHelpers.h"

#include "platform/ui/DefaultInstance.h"

#include <QDialog>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTabBar;

namespace Ui {
class FormOpcje;
}

namespace trelimor {

// The program options kept in PARAMETRY (five yes/no options and the folder imported files are
// moved to) and the two signature lines of the user record. The main window activates it once at
// start-up and shows it modally for administrators; its buttons only hide it.
class FormOpcje : public QDialog
{
    Q_OBJECT

public:
    static FormOpcje& instance() { return ui::DefaultInstance<FormOpcje>::get(); }
    ~FormOpcje() override;

    // Loads the stored options, folder and signature lines into the window, so that a save
    // writes back what the user saw. An option whose key row is missing cannot be stored: its
    // box is shown unticked and disabled. Runs at every showing too.
    void Form_Activate();

    // Stores the box in PARAM3 of the key's row, when that row exists (a greyed box is no).
    void ZapiszOpcje(QCheckBox* box, const QString& key);
    // Writes the text into the field of the source's single row, or of a new row when the
    // source does not give exactly one (a new PARAMETRY row gets the source's key).
    void ZapiszTekst(const QString& text, const ZrodloTabeli& source, const QString& field);
    // Ticks the box after the key's row, adding the row (unticked) when it is missing.
    void WczytajOpcje(QCheckBox* box, const QString& key);
    // The field of the source's single row, or empty text.
    void WczytajTekst(QLineEdit* box, const ZrodloTabeli& source, const QString& field);
    // The field of the key's row, adding a row with only the key when it is missing.
    void WczytajTekstParametru(QLineEdit* box, const QString& key, const QString& field);
    // PARAM1 (and PARAM2 when given) of the key's row, when that row exists.
    void ZapiszParametr(const QString& key, const QString& first, const QString& second);

    QTabBar* TabStrip1;
    QFrame* FrameParametry;
    QGroupBox* FrameOgolne;
    QCheckBox* CheckNrZlecRok;
    QCheckBox* CheckExpWynWatp;
    QCheckBox* CheckDrukBrKom;
    QCheckBox* CheckNadzorBad;
    QCheckBox* CheckMoveFile;
    QLineEdit* TextMoveFile;
    QLineEdit* TextPodpisLewy;
    QLineEdit* TextPodpisPrawy;
    QPushButton* ComZapisz;
    QPushButton* ComZamk;

protected:
    void showEvent(QShowEvent* event) override;

private:
    friend class ui::DefaultInstance<FormOpcje>;
    FormOpcje();

    void ComZapisz_Click();
    void TabStrip1_Click(int index);

    Ui::FormOpcje* m_ui;
};

} // namespace trelimor
