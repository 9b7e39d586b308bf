#include "Database.h"

#include "Connection.h"
#include "JetError.h"
#include "PolishCollation.h"
#include "Recordset.h"

#include <sqlite3.h>

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>

namespace trelimor::db {

namespace {

// Marks the files this program makes ("TRLM").
constexpr int kApplicationId = 0x54524C4D;
// How long a statement waits for another connection's lock before it fails as busy.
constexpr int kBusyTimeoutMs = 5000;

QString absolutePath(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

void checkFolder(const QString& path)
{
    if (path.trimmed().isEmpty())
        throw JetError::fromNumber(jet::InvalidPath, path);
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (!folder.exists() || !folder.isDir() || QFileInfo(path).isDir())
        throw JetError::fromNumber(jet::InvalidPath, path);
}

std::shared_ptr<Connection> connect(const QString& path)
{
    static QAtomicInt counter;
    const QString name = QStringLiteral("trelimor-%1").arg(counter.fetchAndAddRelaxed(1));
    sqlite3* handle = nullptr;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
        if (db.open()) {
            const QVariant v = db.driver()->handle();
            if (v.isValid() && qstrcmp(v.typeName(), "sqlite3*") == 0)
                handle = *static_cast<sqlite3* const*>(v.data());
        }
    }
    if (!handle) {
        QSqlDatabase::removeDatabase(name);
        throw JetError::fromNumber(jet::CannotOpen, path);
    }
    auto connection = std::make_shared<Connection>(name, path, handle);
    registerPolishFunctions(handle);
    sqlite3_extended_result_codes(handle, 1);
    // A rollback journal, not WAL: the dictionary database may lie on a network share.
    for (const char* pragma :
         {"PRAGMA journal_mode=DELETE", "PRAGMA synchronous=FULL", "PRAGMA foreign_keys=OFF"}) {
        char* error = nullptr;
        const int rc = sqlite3_exec(handle, pragma, nullptr, nullptr, &error);
        sqlite3_free(error);
        if (rc != SQLITE_OK) {
            JetError e = JetError::fromSqlite(handle, rc, path);
            connection->close();
            throw e;
        }
    }
    return connection;
}

} // namespace

Database::Database() = default;

Database::Database(std::shared_ptr<Connection> connection)
    : m_connection(std::move(connection))
{}

Database Database::open(const QString& path)
{
    checkFolder(path);
    const QString full = absolutePath(path);
    if (!QFileInfo::exists(full))
        throw JetError::fromNumber(jet::FileNotFound, full);
    Database db(connect(full));
    try {
        db.scalar(QStringLiteral("SELECT count(*) FROM sqlite_master"));
    } catch (const JetError&) {
        db.close();
        throw JetError::fromNumber(jet::UnrecognizedFormat, full);
    }
    return db;
}

Database Database::create(const QString& path)
{
    checkFolder(path);
    const QString full = absolutePath(path);
    if (QFileInfo::exists(full))
        throw JetError::fromNumber(jet::DatabaseExists, full);
    Database db(connect(full));
    try {
        db.execute(QStringLiteral("PRAGMA application_id=%1").arg(kApplicationId)); // writes the header
    } catch (...) {
        db.close();
        QFile::remove(full);
        throw;
    }
    return db;
}

bool Database::isOpen() const
{
    return m_connection && m_connection->isOpen();
}

QString Database::name() const
{
    return m_connection ? m_connection->path() : QString();
}

void Database::close()
{
    if (m_connection)
        m_connection->close();
}

Connection& Database::connection() const
{
    if (!m_connection || !m_connection->isOpen())
        throw JetError::fromNumber(jet::ObjectInvalid);
    return *m_connection;
}

sqlite3* Database::handle() const
{
    return m_connection ? m_connection->handle() : nullptr;
}

bool Database::isMadeByThisProgram()
{
    return scalar(QStringLiteral("PRAGMA application_id")).toLongLong() == kApplicationId;
}

bool Database::inTransaction() const
{
    return connection().inTransaction();
}

int Database::execute(const QString& sql, const QVariantList& params)
{
    Connection& c = connection();
    // Statements run once (schema changes above all) are not kept in the cache.
    Statement statement(c.liveHandle(), sql);
    statement.bindAll(params);
    while (statement.step()) {
    }
    return c.changes();
}

QVariant Database::scalar(const QString& sql, const QVariantList& params)
{
    Statement statement(connection().liveHandle(), sql);
    statement.bindAll(params);
    if (!statement.step())
        return {};
    return statement.column(0);
}

Recordset Database::openRecordset(const QString& sql, const QVariantList& params)
{
    connection();
    return Recordset(m_connection, sql, params);
}

NoBusyWait::NoBusyWait(const Database& database)
    : m_handle(database.handle())
{
    if (m_handle)
        sqlite3_busy_timeout(m_handle, 0);
}

NoBusyWait::~NoBusyWait()
{
    if (m_handle)
        sqlite3_busy_timeout(m_handle, kBusyTimeoutMs);
}

} // namespace trelimor::db
