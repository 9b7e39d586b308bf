#include "Connection.h"

#include "JetError.h"

#include <sqlite3.h>

#include <QSqlDatabase>

namespace trelimor::db {

namespace {
constexpr int kStatementCacheLimit = 256;
}

Connection::Connection(QString connectionName, QString path, sqlite3* handle)
    : m_connectionName(std::move(connectionName))
    , m_path(std::move(path))
    , m_handle(handle)
{}

Connection::~Connection()
{
    close();
}

sqlite3* Connection::liveHandle() const
{
    if (!m_handle)
        throw JetError::fromNumber(jet::ObjectInvalid);
    return m_handle;
}

std::shared_ptr<Statement> Connection::statement(const QString& sql)
{
    auto found = m_statements.constFind(sql);
    if (found != m_statements.constEnd())
        return found.value();
    if (m_statements.size() >= kStatementCacheLimit)
        m_statements.clear(); // users hold their own reference while they work
    auto prepared = std::make_shared<Statement>(liveHandle(), sql);
    m_statements.insert(sql, prepared);
    return prepared;
}

int Connection::changes() const
{
    return sqlite3_changes(liveHandle());
}

qint64 Connection::lastInsertRowid() const
{
    return sqlite3_last_insert_rowid(liveHandle());
}

bool Connection::inTransaction() const
{
    return sqlite3_get_autocommit(liveHandle()) == 0;
}

void Connection::close()
{
    if (!m_handle)
        return;
    m_statements.clear();
    m_handle = nullptr;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

} // namespace trelimor::db
