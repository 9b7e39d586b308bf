#include "ReportEngine.h"

#include "platform/db/Database.h"
#include "platform/db/Recordset.h"
#include "platform/report/Report.h"

#include <QRegularExpression>

namespace trelimor {

QString ReportEngine::templatePath(const QString& reportPath)
{
    static const QRegularExpression rpt(QStringLiteral("\\.rpt$"), QRegularExpression::CaseInsensitiveOption);
    QString path = reportPath;
    return path.replace(rpt, QStringLiteral(".html"));
}

std::shared_ptr<report::Report> ReportEngine::open(const QString& reportPath) const
{
    return std::make_shared<report::Report>(report::Report::open(templatePath(reportPath)));
}

QStringList ReportEngine::namedTables(const QString& templateText)
{
    static const QRegularExpression reference(
        QStringLiteral(R"(\{\{\s*[#^]\s*([A-Za-z_]\w*)\s*\}\}|\b(?:first|count|total)\.([A-Za-z_]\w*))"));
    QStringList names;
    auto it = reference.globalMatch(templateText);
    while (it.hasNext()) {
        const auto match = it.next();
        const QString name = match.hasCaptured(1) ? match.captured(1) : match.captured(2);
        if (!names.contains(name))
            names.append(name);
    }
    return names;
}

void ReportEngine::readTables(report::Report& report, db::Database& database) const
{
    report::ReportData& data = report.data();
    for (const QString& table : namedTables(report.templateText())) {
        if (!database.hasTable(table))
            continue;
        data.addTable(table);
        db::Recordset rs = database.openRecordset(QStringLiteral("SELECT * FROM ") + table);
        while (!rs.eof()) {
            report::ReportRow row;
            row.reserve(rs.fieldCount());
            for (int i = 0; i < rs.fieldCount(); ++i)
                row.append({rs.field(i).name, rs.value(i)});
            data.addRow(table, std::move(row));
            rs.moveNext();
        }
        rs.close();
    }
}

} // namespace trelimor
