#pragma once

#include "platform/db/Field.h"
#include "platform/db/Statement.h"

#include <QString>
#include <QVariant>
#include <QVariantList>

#include <vector>

namespace trelimor {

namespace db {
class Database;
}

// A query read once, front to back, each value converted by its column's declared type as a
// recordset would give it (a yes/no as bool, a date as QDateTime ...), without a recordset's
// keyset: for walking whole tables.
class TypedQuery
{
public:
    TypedQuery(db::Database& database, const QString& sql, const QVariantList& params = {});

    // Moves to the next row; false after the last.
    bool next();
    // The column of that name, compared without regard to case; -1 when there is none.
    int columnIndex(const QString& name) const;
    // The same, throwing JetError 3265 naming the field when there is none.
    int requiredColumn(const QString& name) const;
    db::DataType type(int column) const { return m_types[size_t(column)]; }
    QVariant value(int column) const;

private:
    db::Statement m_statement;
    std::vector<db::DataType> m_types;
};

} // namespace trelimor
