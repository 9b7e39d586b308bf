#pragma once

#include "ReportData.h"
#include "ReportDocument.h"
#include "ReportTemplate.h"

#include <memory>
#include <optional>

namespace trelimor::report {

// A report as the printouts hand it on: a template from the reports folder, the data to print,
// the three texts and an optional record selection. Rendering gives the pages that the report
// window previews, prints and writes to PDF.
class Report
{
public:
    // Opens the template `<reports folder>/<name>.html`. Throws ReportError naming the file when it
    // is missing, unreadable or not a valid template.
    static Report open(const QString& templatePath);

    const QString& path() const { return m_template.path(); }
    // The template's text, for callers that gather only the tables it prints.
    const QString& templateText() const { return m_template.text(); }
    // The file's base name ("Protokol").
    QString name() const;
    // The report's own name: the text of its template's <title> ("Protokół pobrania próbek"), or
    // the file's base name when it has none.
    QString ownName() const;
    // The own name, followed by a space and the scope where the caller gave one: what names the
    // report's PDF and print job.
    QString documentName() const;
    // What this printout holds, told by the caller that chose it ("partia 12", a period
    // "01.12.2026-09.12.2026"): two printouts of one report then get two names. Empty (the
    // default) for a report that holds no one batch or period.
    void setScope(const QString& scope) { m_scope = scope.simplified(); }

    void setTexts(const QString& textA, const QString& title, const QString& textC);
    void setData(ReportData data) { m_data = std::move(data); }
    ReportData& data() { return m_data; }
    const ReportData& data() const { return m_data; }
    void setSelection(std::optional<RecordSelection> selection) { m_selection = std::move(selection); }
    const std::optional<RecordSelection>& selection() const { return m_selection; }

    // The expanded HTML, with the selection applied. Throws ReportError.
    QString html() const;
    // Landscape when the template says <meta name="orientation" content="landscape">, else portrait.
    QPageLayout::Orientation orientation() const;
    // Expands and lays out the report. Throws ReportError.
    std::shared_ptr<ReportDocument> render() const;

private:
    explicit Report(ReportTemplate reportTemplate);

    // The data with the selection applied: what the report prints. Throws ReportError.
    ReportData printedData() const;

    ReportTemplate m_template;
    ReportData m_data;
    std::optional<RecordSelection> m_selection;
    QString m_scope;
};

} // namespace trelimor::report
