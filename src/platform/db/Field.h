#pragma once

#include <QList>
#include <QString>
#include <QVariant>

namespace trelimor::db {

// A table or field name quoted for SQL text ("Nazwa" -> "\"Nazwa\"").
QString quoteIdentifier(const QString& name);

// The field types of the tables, with DAO's type codes so callers can pass them on.
enum class DataType : int {
    Boolean = 1,
    Byte = 2,
    Integer = 3, // 16-bit
    Long = 4,    // 32-bit
    Currency = 5,
    Single = 6,
    Double = 7,
    Date = 8,
    Text = 10, // with a size
    Memo = 12,
    Counter = 104, // a Long numbered by the engine
};

struct Field
{
    QString name;
    DataType type = DataType::Text;
    int size = 0; // characters for Text; DAO's byte size for the others (see defaultSize)
    bool allowZeroLength = true;

    static Field text(const QString& name, int size) { return {name, DataType::Text, size, true}; }
    static Field of(const QString& name, DataType type) { return {name, type, defaultSize(type), true}; }
    static int defaultSize(DataType type);
};

struct TableDef
{
    QString name;
    QList<Field> fields;

    // Case-insensitive, as Jet names are; -1 when absent.
    int indexOf(const QString& fieldName) const;
};

// The declared SQLite type that stands for a field, and the field a declared type stands for.
QString declaredType(const Field& field);
Field fieldFromDeclaredType(const QString& name, const QString& declared);

// Jet's write rules: the value converted to what is stored (text, integer, real, or null);
// throws JetError 3163 (text too long), 3349 (number out of range) or 3421 (wrong kind).
QVariant toStorage(const Field& field, const QVariant& value);
// A bound parameter of no particular field: dates become stored date text, booleans 0/1.
QVariant toStorage(const QVariant& value);

// A stored value read back as the field's type: bool, int, double, QDateTime, QString, or null.
QVariant fromStorage(DataType type, const QVariant& stored);

// Dates are stored as "YYYY-MM-DD HH:MM:SS"; a time alone has the date part 1899-12-30, as in Jet.
QString dateToStorage(const QDateTime& value);
QDateTime dateFromStorage(const QString& text);
// Jet's reading of a date typed as text ("15.03.2021", "15.03.2021 10:30", ISO, "10:30").
QDateTime parseDateText(const QString& text);

// Null is what Jet called Null: no value at all. A text is always a value, an empty one and a
// null QString too: a text box left empty stores "", never Null.
inline bool isNull(const QVariant& v)
{
    if (v.typeId() == QMetaType::QString)
        return false;
    return !v.isValid() || v.isNull();
}

} // namespace trelimor::db
