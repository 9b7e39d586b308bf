#include "Report.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTextDocumentFragment>

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

QString Report::ownName() const
{
    static const QRegularExpression title(QStringLiteral("<title[^>]*>(.*?)</title>"),
                                          QRegularExpression::CaseInsensitiveOption |
                                              QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = title.match(templateText());
    const QString text = match.hasMatch()
                             ? QTextDocumentFragment::fromHtml(match.captured(1)).toPlainText().simplified()
                             : QString();
    return text.isEmpty() ? name() : text;
}

QString Report::documentName() const
{
    return m_scope.isEmpty() ? ownName() : ownName() + QLatin1Char(' ') + m_scope;
}

void Report::setTexts(const QString& textA, const QString& title, const QString& textC)
{
    m_data.textA = textA;
    m_data.title = title;
    m_data.textC = textC;
}

ReportData Report::printedData() const
{
    ReportData printed = m_data;
    if (m_selection)
        printed.select(*m_selection);
    return printed;
}

QString Report::html() const
{
    return m_template.expand(printedData());
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
    const ReportData printed = printedData();
    return std::make_shared<ReportDocument>(m_template.expand(printed), documentName(), orientation());
}

} // namespace trelimor::report
