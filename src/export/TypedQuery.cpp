#include "TypedQuery.h"

#include "platform/db/Database.h"
#include "platform/db/JetError.h"

namespace trelimor {

TypedQuery::TypedQuery(db::Database& database, const QString& sql, const QVariantList& params)
    : m_statement(database.handle(), sql)
{
    m_statement.bindAll(params);
    const int columns = m_statement.columnCount();
    m_types.reserve(size_t(columns));
    for (int c = 0; c < columns; ++c)
        m_types.push_back(
            db::fieldFromDeclaredType(m_statement.columnName(c), m_statement.columnDeclaredType(c)).type);
}

bool TypedQuery::next()
{
    return m_statement.step();
}

int TypedQuery::columnIndex(const QString& name) const
{
    for (int c = 0; c < m_statement.columnCount(); ++c) {
        if (m_statement.columnName(c).compare(name, Qt::CaseInsensitive) == 0)
            return c;
    }
    return -1;
}

int TypedQuery::requiredColumn(const QString& name) const
{
    const int column = columnIndex(name);
    if (column < 0)
        throw db::JetError::fromNumber(db::jet::ItemNotFound, name);
    return column;
}

QVariant TypedQuery::value(int column) const
{
    return db::fromStorage(m_types[size_t(column)], m_statement.column(column));
}

} // namespace trelimor
