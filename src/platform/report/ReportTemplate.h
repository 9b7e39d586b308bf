#pragma once

#include "ReportData.h"

#include <QString>

namespace trelimor::report {

// Mustache expansion of a report template over report data.
//
// The template sees:
//   {{textA}}, {{title}}, {{textC}}     the three texts the caller handed over;
//   {{#Table}}...{{/Table}}              once for every row of a table, the row's fields by name
//                                        ({{Field}}) and its 1-based number ({{_row}});
//   {{^Table}}...{{/Table}}              only when the table has no rows;
//   {{first.Table.Field}}                a field of a table's first row, from anywhere (a one-row
//                                        table such as Partia or Podatnik used as a section gives
//                                        its fields as well);
//   {{count.Table}}                      the number of rows of a table;
//   {{total.Table.Field}}                the sum of a numeric field over the table's rows
//                                        (empty when no row holds a number there);
//   {{#sum}}{{A}} {{B}}{{/sum}}          the sum of the numbers its text renders to, separated
//                                        by blanks (a row's total across its fields).
// Values are HTML-escaped, line breaks in them become <br>; {{{Field}}} inserts a value unescaped.
// A null or empty value, and a false yes/no value, print nothing and count as false in a section
// ({{#Uwagi}}Uwagi: {{Uwagi}}{{/Uwagi}}); a true yes/no value counts as true and prints nothing.
class ReportTemplate
{
public:
    // Reads a template file (UTF-8), with the shared parts it names ({{> parts/name}}: the file
    // parts/name.html in its folder) put in their places. Throws ReportError naming the file when
    // it or a part is missing or unreadable, or when it is not a valid template.
    static ReportTemplate load(const QString& path);
    // A template from text; `origin` names it in error messages.
    static ReportTemplate fromText(const QString& text, const QString& origin);

    const QString& path() const { return m_origin; }
    const QString& text() const { return m_text; }

    // The HTML of the report over the data. Throws ReportError when the expansion fails.
    QString expand(const ReportData& data) const;

private:
    ReportTemplate(QString text, QString origin);

    QString m_text;
    QString m_origin;
};

} // namespace trelimor::report
