#include "Report.h"

#include <QFileInfo>

namespace trelimor::report {

Report::Report(ReportTemplate reportTemplate)
    : m_template(std::move(reportTemplate))
{}

Report Report::open(const QString& templatePath)
{
    return Report(ReportTemplate::load(templatePath));
}

QString Report::name() const
{
    return QFileInfo(path()).completeBaseName();
}

void Report::setTexts(const QString& textA, const QString& title, const QString& textC)
{
    m_data.textA = textA;
    m_data.title = title;
    m_data.textC = textC;
}

QString Report::html() const
{
    if (!m_selection)
        return m_template.expand(m_data);
    ReportData selected = m_data;
    selected.select(*m_selection);
    return m_template.expand(selected);
}

std::shared_ptr<ReportDocument> Report::render() const
{
    const QString title = m_data.title.trimmed();
    return std::make_shared<ReportDocument>(html(), title.isEmpty() ? name() : title);
}

} // namespace trelimor::report
