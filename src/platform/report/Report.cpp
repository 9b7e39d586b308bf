#include "Report.h"

#include "ReportError.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTextDocumentFragment>

namespace trelimor::report {

namespace {

// The number of the one batch the data prints (field Partia of its table Partia); empty when it
// prints none or several.
QString batchNumber(const ReportData& printed)
{
    for (const QString& table : printed.tableNames()) {
        if (table.compare(QLatin1String("Partia"), Qt::CaseInsensitive) != 0 ||
            printed.rows(table).size() != 1)
            continue;
        for (const auto& [field, value] : printed.rows(table).first())
            if (field.compare(QLatin1String("Partia"), Qt::CaseInsensitive) == 0)
                return formatReportValue(value).trimmed();
    }
    return {};
}

} // namespace

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
    try {
        return documentName(printedData());
    } catch (const ReportError&) {
        return ownName(); // a selection that cannot be made prints no batch
    }
}

QString Report::documentName(const ReportData& printed) const
{
    const QString batch = batchNumber(printed);
    return batch.isEmpty() ? ownName() : ownName() + QStringLiteral(" partia ") + batch;
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
    return std::make_shared<ReportDocument>(m_template.expand(printed), documentName(printed), orientation());
}

} // namespace trelimor::report
