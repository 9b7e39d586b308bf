#include "Field.h"

#include "JetError.h"

#include "platform/VariantKind.h"

#include <QDateTime>
#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace trelimor::db {

namespace {

const QDate kJetEpoch(1899, 12, 30);

bool isNumericType(DataType t)
{
    switch (t) {
    case DataType::Byte:
    case DataType::Integer:
    case DataType::Long:
    case DataType::Counter:
    case DataType::Currency:
    case DataType::Single:
    case DataType::Double:
        return true;
    default:
        return false;
    }
}

bool isWholeType(DataType t)
{
    return t == DataType::Byte || t == DataType::Integer || t == DataType::Long || t == DataType::Counter;
}

[[noreturn]] void conversionError()
{
    throw JetError::fromNumber(jet::ConversionError);
}
[[noreturn]] void overflowError()
{
    throw JetError::fromNumber(jet::NumericOverflow);
}

// A number typed as text, with either decimal separator, as a Polish user writes it.
double parseNumber(const QString& raw)
{
    QString text = raw.trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || text.isEmpty())
        conversionError();
    return value;
}

double numberOf(const QVariant& value)
{
    if (isNumber(value))
        return value.toDouble();
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? -1.0 : 0.0; // Jet's True is -1
    case QMetaType::QString:
    case QMetaType::QByteArray:
        return parseNumber(value.toString());
    default:
        conversionError();
    }
}

qint64 wholeNumber(DataType type, const QVariant& value)
{
    const double number = numberOf(value);
    if (!std::isfinite(number))
        overflowError();
    // Jet rounds half to even when a fraction goes into a whole-number field.
    const double rounded = std::nearbyint(number);
    qint64 low = 0, high = 0;
    switch (type) {
    case DataType::Byte:
        low = 0, high = 255;
        break;
    case DataType::Integer:
        low = -32768, high = 32767;
        break;
    default:
        low = std::numeric_limits<qint32>::min(), high = std::numeric_limits<qint32>::max();
        break;
    }
    if (rounded < double(low) || rounded > double(high))
        overflowError();
    return qint64(rounded);
}

bool booleanOf(const QVariant& value)
{
    if (value.typeId() == QMetaType::QString) {
        const QString t = value.toString().trimmed().toLower();
        if (t == u"true" || t == u"prawda" || t == u"tak" || t == u"t" || t == u"yes")
            return true;
        if (t == u"false" || t == u"fałsz" || t == u"nie" || t == u"n" || t == u"no")
            return false;
        return parseNumber(t) != 0.0;
    }
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    return numberOf(value) != 0.0;
}

QDateTime dateOf(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QDateTime:
        return value.toDateTime();
    case QMetaType::QDate:
        return QDateTime(value.toDate(), QTime(0, 0));
    case QMetaType::QTime:
        return QDateTime(kJetEpoch, value.toTime());
    case QMetaType::QString: {
        const QDateTime parsed = parseDateText(value.toString());
        if (!parsed.isValid())
            conversionError();
        return parsed;
    }
    default: {
        // A serial date: whole days since 1899-12-30 and the fraction of a day.
        const double serial = numberOf(value);
        const double days = std::floor(serial);
        if (std::abs(days) > 3e6)
            overflowError();
        const qint64 msecs = qint64(std::llround((serial - days) * 86400000.0));
        return QDateTime(kJetEpoch.addDays(qint64(days)), QTime(0, 0)).addMSecs(msecs);
    }
    }
}

QString textOf(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QDateTime:
    case QMetaType::QDate: {
        const QDateTime dt = dateOf(value);
        return dt.time() == QTime(0, 0) ? dt.toString(QStringLiteral("dd.MM.yyyy"))
                                        : dt.toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"));
    }
    case QMetaType::QTime:
        return value.toTime().toString(QStringLiteral("hh:mm:ss"));
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("Prawda") : QStringLiteral("Fałsz");
    case QMetaType::Double:
    case QMetaType::Float:
        return QString::number(value.toDouble(), 'g', 15);
    default:
        return value.toString();
    }
}

} // namespace

int Field::defaultSize(DataType type)
{
    switch (type) {
    case DataType::Boolean:
    case DataType::Byte:
        return 1;
    case DataType::Integer:
        return 2;
    case DataType::Long:
    case DataType::Counter:
    case DataType::Single:
        return 4;
    case DataType::Currency:
    case DataType::Double:
    case DataType::Date:
        return 8;
    case DataType::Text:
        return 255;
    case DataType::Memo:
        return 0;
    }
    return 0;
}

int TableDef::indexOf(const QString& fieldName) const
{
    for (int i = 0; i < fields.size(); ++i)
        if (fields[i].name.compare(fieldName, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString declaredType(const Field& field)
{
    switch (field.type) {
    case DataType::Boolean:
        return QStringLiteral("BOOLEAN");
    case DataType::Byte:
        return QStringLiteral("BYTE");
    case DataType::Integer:
        return QStringLiteral("SMALLINT");
    case DataType::Long:
        return QStringLiteral("INTEGER");
    case DataType::Counter:
        return QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
    case DataType::Currency:
        return QStringLiteral("CURRENCY");
    case DataType::Single:
        return QStringLiteral("REAL4");
    case DataType::Double:
        return QStringLiteral("DOUBLE");
    case DataType::Date:
        return QStringLiteral("DATETIME");
    case DataType::Text:
        return QStringLiteral("VARCHAR(%1) COLLATE PL").arg(field.size > 0 ? field.size : 255);
    case DataType::Memo:
        // LONGTEXT rather than MEMO: SQLite gives "MEMO" numeric affinity, which would turn a
        // stored "0123" into 123; any type name containing TEXT keeps text as text.
        return QStringLiteral("LONGTEXT COLLATE PL");
    }
    return QStringLiteral("LONGTEXT COLLATE PL");
}

Field fieldFromDeclaredType(const QString& name, const QString& declared)
{
    static const QRegularExpression sized(
        QStringLiteral("^\\s*(?:VARCHAR|TEXT|CHAR|NVARCHAR)\\s*\\(\\s*(\\d+)\\s*\\)"),
        QRegularExpression::CaseInsensitiveOption);
    const QString upper = declared.trimmed().toUpper();
    if (auto m = sized.match(upper); m.hasMatch())
        return {name, DataType::Text, m.captured(1).toInt(), true};
    const QString word = upper.section(QLatin1Char(' '), 0, 0).section(QLatin1Char('('), 0, 0);
    if (word == u"BOOLEAN" || word == u"BIT" || word == u"YESNO" || word == u"LOGICAL")
        return Field::of(name, DataType::Boolean);
    if (word == u"BYTE" || word == u"TINYINT")
        return Field::of(name, DataType::Byte);
    if (word == u"SMALLINT" || word == u"SHORT")
        return Field::of(name, DataType::Integer);
    if (word == u"INTEGER" || word == u"INT" || word == u"LONG" || word == u"BIGINT")
        return Field::of(name, upper.contains(u"AUTOINCREMENT") ? DataType::Counter : DataType::Long);
    if (word == u"COUNTER" || word == u"AUTOINCREMENT")
        return Field::of(name, DataType::Counter);
    if (word == u"CURRENCY" || word == u"MONEY")
        return Field::of(name, DataType::Currency);
    if (word == u"REAL4" || word == u"SINGLE" || word == u"FLOAT4")
        return Field::of(name, DataType::Single);
    if (word == u"DOUBLE" || word == u"REAL" || word == u"FLOAT" || word == u"NUMERIC")
        return Field::of(name, DataType::Double);
    if (word == u"DATETIME" || word == u"DATE" || word == u"TIMESTAMP")
        return Field::of(name, DataType::Date);
    if (word == u"VARCHAR" || word == u"CHAR")
        return {name, DataType::Text, 255, true};
    return Field::of(name, DataType::Memo);
}

QVariant toStorage(const Field& field, const QVariant& value)
{
    if (isNull(value))
        return {};
    switch (field.type) {
    case DataType::Text: {
        const QString text = textOf(value);
        if (field.size > 0 && text.size() > field.size)
            throw JetError::fromNumber(jet::FieldTooSmall);
        return text;
    }
    case DataType::Memo:
        return textOf(value);
    case DataType::Boolean:
        return qint64(booleanOf(value) ? 1 : 0);
    case DataType::Date:
        return dateToStorage(dateOf(value));
    case DataType::Single: {
        const double number = numberOf(value);
        if (std::abs(number) > double(std::numeric_limits<float>::max()))
            overflowError();
        return double(float(number));
    }
    case DataType::Double:
    case DataType::Currency:
        return numberOf(value);
    default:
        if (isWholeType(field.type))
            return wholeNumber(field.type, value);
        return textOf(value);
    }
}

QVariant toStorage(const QVariant& value)
{
    if (isNull(value))
        return {};
    switch (value.typeId()) {
    case QMetaType::QDateTime:
    case QMetaType::QDate:
    case QMetaType::QTime:
        return dateToStorage(dateOf(value));
    case QMetaType::Bool:
        return qint64(value.toBool() ? 1 : 0);
    default:
        return value;
    }
}

QVariant fromStorage(DataType type, const QVariant& stored)
{
    if (isNull(stored))
        return {};
    switch (type) {
    case DataType::Boolean:
        return stored.toLongLong() != 0;
    case DataType::Text:
    case DataType::Memo:
        return stored.toString();
    case DataType::Date: {
        if (stored.typeId() == QMetaType::QString) {
            const QDateTime dt = dateFromStorage(stored.toString());
            return dt.isValid() ? QVariant(dt) : stored;
        }
        try {
            return dateOf(stored);
        } catch (const JetError&) {
            return stored;
        }
    }
    default:
        break;
    }
    if (isNumericType(type)) {
        bool ok = false;
        if (isWholeType(type)) {
            const qint64 n = stored.toLongLong(&ok);
            if (ok)
                return type == DataType::Counter || type == DataType::Long ? QVariant(n) : QVariant(int(n));
        } else {
            const double d = stored.toDouble(&ok);
            if (ok)
                return d;
        }
    }
    return stored; // something another program wrote that does not fit the type: shown as it is
}

QString dateToStorage(const QDateTime& value)
{
    return value.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QDateTime dateFromStorage(const QString& text)
{
    QDateTime dt = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!dt.isValid())
        dt = parseDateText(text);
    return dt;
}

QDateTime parseDateText(const QString& raw)
{
    const QString text = raw.trimmed();
    if (text.isEmpty())
        return {};
    static const QStringList dateTimeFormats = {
        QStringLiteral("yyyy-MM-dd HH:mm:ss"), QStringLiteral("yyyy-MM-ddTHH:mm:ss"),
        QStringLiteral("yyyy-MM-dd HH:mm"),    QStringLiteral("d.M.yyyy H:mm:ss"),
        QStringLiteral("d.M.yyyy H:mm"),       QStringLiteral("d-M-yyyy H:mm"),
    };
    for (const QString& f : dateTimeFormats)
        if (QDateTime dt = QDateTime::fromString(text, f); dt.isValid())
            return dt;
    static const QStringList dateFormats = {QStringLiteral("yyyy-MM-dd"), QStringLiteral("d.M.yyyy"),
                                            QStringLiteral("d-M-yyyy"), QStringLiteral("d/M/yyyy")};
    for (const QString& f : dateFormats)
        if (QDate d = QDate::fromString(text, f); d.isValid())
            return QDateTime(d, QTime(0, 0));
    static const QStringList timeFormats = {QStringLiteral("H:mm:ss"), QStringLiteral("H:mm")};
    for (const QString& f : timeFormats)
        if (QTime t = QTime::fromString(text, f); t.isValid())
            return QDateTime(kJetEpoch, t);
    return {};
}

QString quoteIdentifier(const QString& name)
{
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace trelimor::db
