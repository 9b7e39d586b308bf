#pragma once

#include "platform/report/ReportData.h"

#include <QString>

#include <optional>

namespace trelimor {

// A window's report control (the batch window's CRdzien): it holds a report's title, file, scope
// and record selection, and when run it shows the report itself in the report window. The
// printouts that only hold their title, file and scope in it read them back for PokazRaport.
class ReportControl
{
public:
    // The preparatory call before a report is set up: forgets every setting.
    void reset();

    const QString& reportTitle() const { return m_title; }
    void setReportTitle(const QString& title) { m_title = title; }
    // The report file's path, as the printouts name it (KatalogRaportow + "Protokol.rpt").
    const QString& reportFileName() const { return m_fileName; }
    void setReportFileName(const QString& path) { m_fileName = path; }
    // What the report holds, which names its PDF (see report::Report::setScope).
    const QString& reportScope() const { return m_scope; }
    void setReportScope(const QString& scope) { m_scope = scope; }
    // " {Table.Field} = value": only the rows of the table whose field equals the value print.
    const QString& selectionFormula() const { return m_formula; }
    void setSelectionFormula(const QString& formula) { m_formula = formula; }
    // The display switch: the report window offers its printer set-up.
    bool showPrintSetup() const { return m_showPrintSetup; }
    void setShowPrintSetup(bool show) { m_showPrintSetup = show; }
    // The display setting: 2 shows the report window maximised, anything else at its size.
    int windowState() const { return m_windowState; }
    void setWindowState(int state) { m_windowState = state; }

    // The selection a formula stands for; nullopt for an empty formula. A value is a whole
    // number or a text in quotes. Throws report::ReportError for any other formula.
    static std::optional<report::RecordSelection> parseSelectionFormula(const QString& formula);

    // The run command: opens the report over the report work database, with the title, the
    // scope and the selection, and shows it modally in the report window under "Drukowanie"
    // with the display settings, which the window drops again when it is closed. Throws
    // report::ReportError or db::JetError.
    void run() const;

private:
    QString m_title;
    QString m_fileName;
    QString m_scope;
    QString m_formula;
    bool m_showPrintSetup = true;
    int m_windowState = 0;
};

} // namespace trelimor
