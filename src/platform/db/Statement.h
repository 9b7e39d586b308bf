#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>

struct sqlite3;
struct sqlite3_stmt;

namespace trelimor::db {

// The bytes of a text for SQLite, which takes a null pointer for NULL whatever the length: the
// empty text of a null QString must point at something.
inline const char* sqliteText(const QByteArray& utf8)
{
    return utf8.isNull() ? "" : utf8.constData();
}

// One prepared SQLite statement. Values are bound through toStorage (dates as stored text,
// booleans as 0/1); columns come back as plain QVariants (integer, real, text, blob or null).
class Statement
{
public:
    Statement(sqlite3* handle, const QString& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bind(int index, const QVariant& value); // 1-based
    void bindAll(const QVariantList& values, int first = 1);
    // One step: true while a row is there. Throws JetError on failure.
    bool step();
    void reset();

    int columnCount() const;
    QString columnName(int column) const;
    QString columnDeclaredType(int column) const; // empty for an expression
    QVariant column(int column) const;
    qint64 columnInt64(int column) const;
    bool columnIsNull(int column) const;

    sqlite3_stmt* raw() const { return m_stmt; }
    const QString& sql() const { return m_sql; }

private:
    sqlite3* m_handle;
    sqlite3_stmt* m_stmt = nullptr;
    QString m_sql;
};

} // namespace trelimor::db
