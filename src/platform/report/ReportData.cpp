#include "ReportData.h"

#include "platform/VariantKind.h"

#include "ReportError.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

namespace trelimor::report {

namespace {

// The date Jet gives a value that holds only a time of day.
const QDate timeOnlyDate(1899, 12, 30);

const QList<ReportRow>& noRows()
{
    static const QList<ReportRow> empty;
    return empty;
}

// A number, or a text that holds nothing but a number; nullopt for anything else.
std::optional<double> numericValue(const QVariant& value)
{
    if (isNumber(value))
        return value.toDouble();
    if (value.typeId() == QMetaType::QString) {
        bool ok = false;
        const double number = value.toString().trimmed().toDouble(&ok);
        if (ok)
            return number;
    }
    return std::nullopt;
}

} // namespace

void ReportData::addTable(const QString& table)
{
    m_tables[table];
}

void ReportData::addRow(const QString& table, ReportRow row)
{
    m_tables[table].append(std::move(row));
}

void ReportData::addRow(const QString& table, const QVariantMap& row)
{
    ReportRow fields;
    fields.reserve(row.size());
    for (auto it = row.cbegin(); it != row.cend(); ++it)
        fields.append({it.key(), it.value()});
    addRow(table, std::move(fields));
}

const QList<ReportRow>& ReportData::rows(const QString& table) const
{
    const auto it = m_tables.constFind(table);
    return it == m_tables.cend() ? noRows() : it.value();
}

void ReportData::select(const RecordSelection& selection)
{
    auto table = m_tables.begin();
    while (table != m_tables.end() && table.key().compare(selection.table, Qt::CaseInsensitive) != 0)
        ++table;
    if (table == m_tables.end())
        throw ReportError(
            QStringLiteral("Raport nie ma tabeli %1 wskazanej w wyborze rekordów.").arg(selection.table));

    auto fieldOf = [&selection](const ReportRow& row) -> const QVariant* {
        for (const auto& [name, value] : row) {
            if (name.compare(selection.field, Qt::CaseInsensitive) == 0)
                return &value;
        }
        return nullptr;
    };

    QList<ReportRow> kept;
    for (const auto& row : table.value()) {
        const QVariant* value = fieldOf(row);
        if (!value)
            throw ReportError(
                QStringLiteral("W tabeli %1 raportu nie ma pola %2 wskazanego w wyborze rekordów.")
                    .arg(table.key(), selection.field));
        if (selectionMatches(*value, selection.value))
            kept.append(row);
    }
    table.value() = std::move(kept);
}

bool selectionMatches(const QVariant& fieldValue, const QVariant& wanted)
{
    const bool fieldNull = fieldValue.isNull();
    const bool wantedNull = wanted.isNull();
    if (fieldNull || wantedNull)
        return fieldNull == wantedNull;

    const auto fieldNumber = numericValue(fieldValue);
    const auto wantedNumber = numericValue(wanted);
    if (fieldNumber && wantedNumber && (isNumber(fieldValue) || isNumber(wanted)))
        return *fieldNumber == *wantedNumber;
    return formatReportValue(fieldValue) == formatReportValue(wanted);
}

QString formatReportValue(const QVariant& value)
{
    if (value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::QDate:
        return value.toDate().toString(QStringLiteral("dd.MM.yyyy"));
    case QMetaType::QTime:
        return value.toTime().toString(QStringLiteral("hh:mm"));
    case QMetaType::QDateTime: {
        const QDateTime moment = value.toDateTime();
        if (moment.date() == timeOnlyDate)
            return moment.time().toString(QStringLiteral("hh:mm"));
        if (moment.time() == QTime(0, 0))
            return moment.date().toString(QStringLiteral("dd.MM.yyyy"));
        return moment.toString(QStringLiteral("dd.MM.yyyy hh:mm"));
    }
    case QMetaType::Double:
        return QString::number(value.toDouble(), 'g', 15);
    case QMetaType::Float:
        return QString::number(value.toFloat(), 'g', 7);
    default:
        return value.toString();
    }
}

} // namespace trelimor::report
