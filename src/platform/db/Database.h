#pragma once

#include "Field.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

#include <memory>

struct sqlite3;

namespace trelimor::db {

class Connection;
class Recordset;

// One open database file, as a DAO Database was: copies of a handle share the connection,
// and closing it closes it for every copy and every recordset opened on it.
class Database
{
public:
    Database();

    // Opens an existing file (3024 when missing, 3044 when its folder is not there,
    // 3343 when it is not a database).
    static Database open(const QString& path);
    // Creates a new, empty database file (3204 when a file is there, 3044 for a bad folder).
    static Database create(const QString& path);

    bool isOpen() const;
    // The full path of the file, as Jet's Name was.
    QString name() const;
    void close();

    // Runs one statement with bound values; returns the number of rows it changed.
    int execute(const QString& sql, const QVariantList& params = {});
    // The first column of the first row, or null.
    QVariant scalar(const QString& sql, const QVariantList& params = {});
    Recordset openRecordset(const QString& sql, const QVariantList& params = {});

    // Schema: tables and fields with their Jet types (3078 unknown table, 3010 table exists,
    // 3191 field exists, 3381 no such field).
    QStringList tableNames() const;
    bool hasTable(const QString& table) const;
    bool hasColumn(const QString& table, const QString& column) const;
    TableDef tableDef(const QString& table) const;
    void createTable(const TableDef& table);
    void dropTable(const QString& table);
    void addColumn(const QString& table, const Field& field);
    void dropColumn(const QString& table, const QString& column);
    void renameTable(const QString& from, const QString& to);
    void renameColumn(const QString& table, const QString& from, const QString& to);
    // Gives a column a new type or size by rebuilding the table in one transaction: every row
    // is kept in its order, each value converted by Jet's rules; a value that does not fit
    // leaves the table exactly as it was and throws.
    void retypeColumn(const QString& table, const Field& field);

    // Whether the file carries the mark this program writes into the header of every database
    // it creates (kept by compacted copies).
    bool isMadeByThisProgram();

    // "ok" when the file passes SQLite's integrity check, else the first problem found.
    QString integrityCheck();
    // Writes a compacted copy of the whole database into a new file (VACUUM INTO).
    void compactInto(const QString& destinationPath);

    bool inTransaction() const;
    sqlite3* handle() const;

    bool operator==(const Database& other) const { return m_connection == other.m_connection; }

private:
    friend class Recordset;
    friend class Transaction;
    explicit Database(std::shared_ptr<Connection> connection);
    Connection& connection() const;
    void rebuildTable(const QString& table, const TableDef& target);

    std::shared_ptr<Connection> m_connection;
};

// For its scope, statements on the database fail at once as busy on another connection's lock
// instead of waiting for it, as they otherwise do for up to five seconds: for work that can as
// well be done at a later opening.
class NoBusyWait
{
public:
    explicit NoBusyWait(const Database& database);
    ~NoBusyWait();
    NoBusyWait(const NoBusyWait&) = delete;
    NoBusyWait& operator=(const NoBusyWait&) = delete;

private:
    sqlite3* m_handle;
};

} // namespace trelimor::db
