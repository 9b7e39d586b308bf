#include "ReportTemplate.h"

#include "ReportError.h"

#include "platform/VariantKind.h"

#include <kainjow/mustache.hpp>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace trelimor::report {

namespace mustache = kainjow::mustache;

namespace {

mustache::data valueData(const QVariant& value)
{
    if (value.typeId() == QMetaType::Bool)
        return mustache::data(value.toBool() ? mustache::data::type::bool_true
                                             : mustache::data::type::bool_false);
    const QString text = formatReportValue(value);
    if (text.isEmpty())
        return mustache::data(mustache::data::type::bool_false);
    return mustache::data(text.toStdString());
}

std::string escapeHtml(const std::string& text)
{
    QString escaped = QString::fromStdString(text).toHtmlEscaped();
    escaped.replace(QLatin1String("\r\n"), QLatin1String("<br>"));
    escaped.replace(QLatin1Char('\r'), QLatin1String("<br>"));
    escaped.replace(QLatin1Char('\n'), QLatin1String("<br>"));
    return escaped.toStdString();
}

// The column totals of a table: every field that holds a number in some row, summed over the
// rows (a null or text value adds nothing).
mustache::data totalsOf(const QList<ReportRow>& rows)
{
    QMap<QString, double> sums;
    for (const ReportRow& row : rows)
        for (const auto& [name, value] : row)
            if (isNumber(value))
                sums[name] += value.toDouble();
    mustache::data totals{mustache::data::type::object};
    for (auto it = sums.cbegin(); it != sums.cend(); ++it)
        totals.set(it.key().toStdString(), valueData(it.value()));
    return totals;
}

// {{#sum}}{{A}} {{B}}{{/sum}}: renders its text where it stands and adds up the numbers it
// gives, read as blank-separated words (an empty value adds nothing); a total of 0 prints "0".
mustache::data sumLambda()
{
    return mustache::lambda2([](const std::string& text, const mustache::renderer& render) {
        double sum = 0;
        const QStringList words =
            QString::fromStdString(render(text, false)).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString& word : words) {
            bool ok = false;
            const double number = word.trimmed().toDouble(&ok);
            if (ok)
                sum += number;
        }
        return formatReportValue(sum).toStdString();
    });
}

mustache::data contextOf(const ReportData& data)
{
    mustache::data root{mustache::data::type::object};
    root.set("textA", valueData(data.textA));
    root.set("title", valueData(data.title));
    root.set("textC", valueData(data.textC));

    mustache::data first{mustache::data::type::object};
    mustache::data count{mustache::data::type::object};
    mustache::data total{mustache::data::type::object};
    for (const QString& table : data.tableNames()) {
        const auto& rows = data.rows(table);
        mustache::data list{mustache::data::type::list};
        int number = 0;
        for (const ReportRow& row : rows) {
            mustache::data fields{mustache::data::type::object};
            for (const auto& [name, value] : row)
                fields.set(name.toStdString(), valueData(value));
            fields.set("_row", std::to_string(++number));
            list.push_back(fields);
        }
        const std::string key = table.toStdString();
        if (!rows.isEmpty())
            first.set(key, list.list_value().front());
        count.set(key, std::to_string(rows.size()));
        total.set(key, totalsOf(rows));
        root.set(key, list);
    }
    root.set("first", first);
    root.set("count", count);
    root.set("total", total);
    root.set("sum", sumLambda());
    return root;
}

QString readTemplateFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        throw ReportError(QStringLiteral("Nie można odnaleźć pliku raportu %1.").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ReportError(
            QStringLiteral("Nie można odczytać pliku raportu %1: %2").arg(path, file.errorString()));
    return QString::fromUtf8(file.readAll());
}

// {{> parts/name}} stands for the file parts/name.html in the template's folder, so the style and
// the heading that several reports share are written once. A part may use parts of its own, a few
// levels deep; names are words of letters, digits and "_" joined by "/", so no part lies outside the folder.
QString withParts(const QString& text, const QDir& folder, int depth = 0)
{
    static const QRegularExpression tag(
        QStringLiteral("\\{\\{>\\s*([A-Za-z0-9_]+(?:/[A-Za-z0-9_]+)*)\\s*\\}\\}"));
    constexpr int kDeepest = 4;
    QString expanded;
    qsizetype from = 0;
    for (auto it = tag.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString path = folder.filePath(match.captured(1) + QStringLiteral(".html"));
        if (depth >= kDeepest)
            throw ReportError(QStringLiteral("Część raportu %1 jest zagnieżdżona zbyt głęboko.").arg(path));
        expanded += text.mid(from, match.capturedStart() - from);
        expanded += withParts(readTemplateFile(path), folder, depth + 1);
        from = match.capturedEnd();
    }
    return expanded + text.mid(from);
}

QString invalidTemplate(const QString& origin, const std::string& reason)
{
    return QStringLiteral("Szablon raportu %1 zawiera błąd: %2").arg(origin, QString::fromStdString(reason));
}

} // namespace

ReportTemplate::ReportTemplate(QString text, QString origin)
    : m_text(std::move(text))
    , m_origin(std::move(origin))
{}

ReportTemplate ReportTemplate::load(const QString& path)
{
    return fromText(withParts(readTemplateFile(path), QFileInfo(path).dir()), path);
}

ReportTemplate ReportTemplate::fromText(const QString& text, const QString& origin)
{
    const mustache::mustache parsed(text.toStdString());
    if (!parsed.is_valid())
        throw ReportError(invalidTemplate(origin, parsed.error_message()));
    return ReportTemplate(text, origin);
}

QString ReportTemplate::expand(const ReportData& data) const
{
    mustache::mustache parsed(m_text.toStdString());
    parsed.set_custom_escape(escapeHtml);
    const std::string html = parsed.render(contextOf(data));
    if (!parsed.is_valid())
        throw ReportError(invalidTemplate(m_origin, parsed.error_message()));
    return QString::fromStdString(html);
}

} // namespace trelimor::report
