#include "ValueText.h"

#include "common/Dates.h"

#include "platform/db/JetError.h"
#include "platform/db/Recordset.h"

#include <QDateTime>

namespace trelimor {

namespace {

QString withDecimalComma(QString number)
{
    return number.replace(QLatin1Char('.'), QLatin1Char(','));
}

QString dateText(const QDateTime& moment)
{
    if (moment.date() == zeroDate() && moment.time() != QTime(0, 0))
        return moment.time().toString(QStringLiteral("HH:mm:ss"));
    if (moment.time() == QTime(0, 0))
        return moment.date().toString(QStringLiteral("dd.MM.yyyy"));
    return moment.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
}

} // namespace

QString tekstWartosci(const QVariant& value, db::DataType type)
{
    if (db::isNull(value))
        return {};
    switch (value.typeId()) {
    case QMetaType::QDateTime:
        return dateText(value.toDateTime());
    case QMetaType::QDate:
        return value.toDate().toString(QStringLiteral("dd.MM.yyyy"));
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("Prawda") : QStringLiteral("Fałsz");
    default:
        return tekstLiczby(value, type);
    }
}

QString tekstLiczby(const QVariant& value, db::DataType type)
{
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        if (type == db::DataType::Single)
            return withDecimalComma(QString::number(value.toFloat(), 'g', 7));
        return withDecimalComma(QString::number(value.toDouble(), 'g', 15));
    default:
        return value.toString();
    }
}

QString tekstPola(const db::Recordset& rs, const QString& pole, int wiersz)
{
    const int index = rs.fieldIndex(pole);
    if (index < 0)
        throw db::JetError::fromNumber(db::jet::ItemNotFound, pole);
    return tekstWartosci(wiersz < 0 ? rs.value(index) : rs.valueAt(wiersz, index), rs.field(index).type);
}

} // namespace trelimor
