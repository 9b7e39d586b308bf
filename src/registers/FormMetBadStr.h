#pragma once

#include "platform/ui/DefaultInstance.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace Ui {
class FormMetBadStr;
}

namespace trelimor {

// Completes the batch already copied into the report work database before the Br/EBB report
// is printed: the test methods, the test and laboratory norms (stored together in Norma1), a
// header, the print date and, for the modules "Ser" and "Auj", the district inspectorate's
// town. The laboratory norm can be remembered (NORMY, row "PCA") and is proposed next time.
class FormMetBadStr : public QDialog
{
    Q_OBJECT

public:
    static FormMetBadStr& instance() { return ui::DefaultInstance<FormMetBadStr>::get(); }
    ~FormMetBadStr() override;

    // The proposals: the two methods, the remembered laboratory norm and today's date.
    void Form_Load();
    // Writes the options into the work batch row; accepted when the row was completed.
    void ComOk_Click();
    void ComAnulujFr_Click();
    void reject() override;

    // The county code of the batch being printed, whose inspectorate's town is wanted.
    void setCountyCode(const QString& code) { m_countyCode = code; }

    QLineEdit* TextZlecenieNr;
    QLineEdit* TextMetBadEBB;
    QLineEdit* TextMetBadBr;
    QLineEdit* TextNorma1;
    QLineEdit* TextNorma2;
    QCheckBox* CheckNorma;
    QLabel* LabModul;
    QLineEdit* TextDataDruk;
    QLineEdit* TextLiczbaStron;
    QPushButton* ComOk;
    QPushButton* ComAnulujFr;

private:
    friend class ui::DefaultInstance<FormMetBadStr>;
    explicit FormMetBadStr(QWidget* parent = nullptr);

    bool completeBatch();

    Ui::FormMetBadStr* m_ui;
    QString m_countyCode;
};

// Asks for the print options of the Br/EBB report for the batch in the report work database
// ("Ser" or "Auj" for the module, the batch's county code); true when they were written and
// the report can be printed. The batch window's print options button is to call it.
bool otworzOpcjeSprawozdania(const QString& modul, const QString& kodPowiatu);

} // namespace trelimor
