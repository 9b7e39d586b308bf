#include "Report.h"

#include <QFileInfo>
#include <QRegularExpression>

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

QPageLayout::Orientation Report::orientation() const
{
    static const QRegularExpression landscape(
        QStringLiteral(R"(<meta\s+name\s*=\s*"orientation"\s+content\s*=\s*"landscape")"),
        QRegularExpression::CaseInsensitiveOption);
    return landscape.match(templateText()).hasMatch() ? QPageLayout::Landscape : QPageLayout::Portrait;
}

std::shared_ptr<ReportDocument> Report::render() const
{
    const QString title = m_data.title.trimmed();
    return std::make_shared<ReportDocument>(html(), title.isEmpty() ? name() : title, orientation());
}

} // namespace trelimor::report
