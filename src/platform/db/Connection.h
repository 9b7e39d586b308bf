#pragma once

// Internal to the engine: the state behind a Database handle, shared by its recordsets.

#include "Statement.h"

#include <QHash>
#include <QString>

#include <memory>

struct sqlite3;

namespace trelimor::db {

class Connection
{
public:
    Connection(QString connectionName, QString path, sqlite3* handle);
    ~Connection();

    sqlite3* handle() const { return m_handle; }
    const QString& path() const { return m_path; }
    bool isOpen() const { return m_handle != nullptr; }
    // The handle, or JetError 3420 once the database was closed.
    sqlite3* liveHandle() const;

    // A prepared statement for this text, reset and ready to bind; kept for the next caller.
    std::shared_ptr<Statement> statement(const QString& sql);
    int changes() const;
    qint64 lastInsertRowid() const;
    bool inTransaction() const;

    void close();

private:
    QString m_connectionName;
    QString m_path;
    sqlite3* m_handle;
    QHash<QString, std::shared_ptr<Statement>> m_statements;
};

// Resets a cached statement when the work with it is done, whatever way it ends.
class StatementUse
{
public:
    explicit StatementUse(std::shared_ptr<Statement> s)
        : m_s(std::move(s))
    {}
    ~StatementUse() { m_s->reset(); }
    StatementUse(const StatementUse&) = delete;
    StatementUse& operator=(const StatementUse&) = delete;
    Statement* operator->() const { return m_s.get(); }
    Statement& operator*() const { return *m_s; }

private:
    std::shared_ptr<Statement> m_s;
};

} // namespace trelimor::db
