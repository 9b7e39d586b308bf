#pragma once

#include "common/ReportWindow.h"

#include "platform/ui/DefaultInstance.h"

#include <QDialog>

#include <memory>

class QFrame;
class QLabel;
class QPrinter;
class QPushButton;

namespace Ui {
class FormDrukRap;
}

namespace trelimor {

namespace report {
class Report;
class ReportPreview;
} // namespace report

// The report window: every printout is shown here. The viewer fills the window; printer set-up,
// the PDF export with its mail, and closing stand in a small panel over its top right corner.
class FormDrukRap : public QDialog, public ReportWindow
{
    Q_OBJECT

public:
    static FormDrukRap& instance() { return ui::DefaultInstance<FormDrukRap>::get(); }
    ~FormDrukRap() override;

    void showReport(std::shared_ptr<report::Report> raport, const QString& caption) override;

    // The report shown (RaportBiezacy, or the report of the batch window's report control).
    const std::shared_ptr<report::Report>& report() const { return m_report; }
    // The printer "Drukarka" sets up and prints on; its settings last for the run.
    QPrinter& printer() { return *m_printer; }
    // The text naming the shown report, in its PDF's name and as the mail subject: the report's
    // own name with its scope (its batch or period) where the caller gave one, fit to name a
    // file (no folder separators, beginning with a letter or a digit, never a blank or a dash).
    QString reportName() const;
    // The name the PDF export and the print dialog propose: reportName(), a space and the
    // working date as yyyymmdd.
    QString defaultPdfName() const;
    // Eksport/<yyyymmdd of the working date> below the program folder.
    static QString exportFolder();

    report::ReportPreview* CRViewer;
    QPushButton* ComDrukarka;
    QPushButton* ComWyslij;
    QPushButton* CmdAnuluj;
    QFrame* Frame1;
    QLabel* Label1;
    QLabel* LabBadanie;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    friend class ui::DefaultInstance<FormDrukRap>;
    explicit FormDrukRap(QWidget* parent = nullptr);

    void ComDrukarka_Click();
    void ComWyslij_Click();
    // Writes the shown report to a PDF file chosen by the user; the path, or empty when cancelled.
    QString exportPdf();

    Ui::FormDrukRap* m_ui;
    std::shared_ptr<report::Report> m_report;
    std::unique_ptr<QPrinter> m_printer;
};

// Makes FormDrukRap the program's report window (see reportWindow()).
void registerFormDrukRap();

} // namespace trelimor
