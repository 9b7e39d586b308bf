#pragma once

#include "RegisterChecks.h"

#include "platform/ui/DefaultInstance.h"

#include <QDialog>

#include <optional>

class QLineEdit;
class QPushButton;

namespace Ui {
class FormNumery;
}

namespace trelimor {

// The numbers a run of loaded samples starts from: the daily number (within the day of entry)
// and the general number (within the year), each as typed.
struct NumeryProbek
{
    QString nrDzienny;
    QString nrOgolny;
};

// The first refusal of the two numbers for samples entered on the date ("dd.mm.yyyy"): each
// must be a whole number (a 16-bit daily, a 32-bit general number, blanks around it allowed)
// not yet used in the yearly sample table, the daily number on that date.
std::optional<Refusal> sprawdzNumeryProbek(const QString& daily, const QString& general, const QString& date);

// Asks for the numbers a sample load starts from and checks them against the yearly
// database; the dialog stays open until they pass or the user cancels.
class FormNumery : public QDialog
{
    Q_OBJECT

public:
    static FormNumery& instance() { return ui::DefaultInstance<FormNumery>::get(); }
    ~FormNumery() override;

    // The working date the daily number is checked on, as its label shows it.
    void setLabData(const QString& date) { m_labData = date; }
    // The numbers of the last OK that passed the checks; nothing after a cancel.
    const std::optional<NumeryProbek>& numery() const { return m_numery; }

    void Form_Activate();
    void ComOk_Click();
    void ComAnulujFr_Click();

    QLineEdit* TextNrDziennyF;
    QLineEdit* TextNrOgolnyF;
    QPushButton* ComOk;
    QPushButton* ComAnulujFr;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class ui::DefaultInstance<FormNumery>;
    explicit FormNumery(QWidget* parent = nullptr);

    Ui::FormNumery* m_ui;
    QString m_labData;
    std::optional<NumeryProbek> m_numery;
};

// Shows the dialog for the working date (LabData's text); the numbers when the user accepted.
std::optional<NumeryProbek> podajNumeryProbek(const QString& labData);

} // namespace trelimor
