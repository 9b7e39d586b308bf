#include "ImportSheet.h"

#include "common/Dates.h"
#include "common/TextHelpers.h"

#include <cmath>
#include <utility>

namespace trelimor {

ImportSheet::ImportSheet(const QString& path)
    : m_book(path)
{}

ImportSheet::ImportSheet(sheet::Workbook book)
    : m_book(std::move(book))
{}

QVariant ImportSheet::Value(int row, int column) const
{
    return m_book.cell(row, column);
}

QString ImportSheet::Text(int row, int column) const
{
    return cellText(m_book.cell(row, column));
}

QString cellText(const QVariant& value)
{
    if (value.typeId() == QMetaType::Double) {
        // A long number (an ear tag, a herd number) keeps every digit a user typed.
        const double number = value.toDouble();
        if (std::isfinite(number) && number == std::floor(number) && std::fabs(number) < 1e18)
            return QString::number(qint64(number));
    }
    return sheet::cellValueText(value);
}

bool isNumericValue(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Double:
        return true;
    case QMetaType::QString:
        return isNumeric(value.toString());
    default:
        return false;
    }
}

std::optional<QDate> dateValue(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QDate:
        return value.toDate();
    case QMetaType::QDateTime:
        return value.toDateTime().date();
    case QMetaType::QString:
        return dateFromText(value.toString());
    default:
        return std::nullopt;
    }
}

} // namespace trelimor
