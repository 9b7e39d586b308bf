#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include <optional>
#include <utility>

namespace trelimor::report {

// One field of a row: its name and its value, kept in the table's column order.
using ReportField = std::pair<QString, QVariant>;
using ReportRow = QList<ReportField>;

// Keeps only the rows of one table whose field equals a value (the combined protocol prints one batch).
struct RecordSelection
{
    QString table;
    QString field;
    QVariant value;
};

// What a report prints: named tables of rows plus the three texts the caller hands over.
class ReportData
{
public:
    QString textA;
    QString title;
    QString textC;

    // Declares a table even when it gets no rows, so that "{{^Table}}" sections see it as empty.
    void addTable(const QString& table);
    void addRow(const QString& table, ReportRow row);
    void addRow(const QString& table, const QVariantMap& row);

    bool hasTable(const QString& table) const { return m_tables.contains(table); }
    // The rows of a table; an empty list for a table never declared.
    const QList<ReportRow>& rows(const QString& table) const;
    QStringList tableNames() const { return m_tables.keys(); }

    // Drops the rows of the selection's table whose field differs from the value. Table and field
    // names compare without regard to letter case, as the databases' names do. Throws ReportError
    // when the table or the field is unknown, since a report would otherwise print the wrong rows.
    void select(const RecordSelection& selection);

private:
    QMap<QString, QList<ReportRow>> m_tables;
};

// Whether a field's value equals a selection value: numbers compare as numbers, so that a batch
// number taken from a label's text ("12") selects the rows whose number is 12; nulls equal nulls.
bool selectionMatches(const QVariant& fieldValue, const QVariant& wanted);

// A value as a report prints it: dates "dd.MM.yyyy", a date-time with a time of day
// "dd.MM.yyyy hh:mm", a time-only value (dated 30.12.1899) "hh:mm", numbers in their
// natural text, null as empty text.
QString formatReportValue(const QVariant& value);

} // namespace trelimor::report
