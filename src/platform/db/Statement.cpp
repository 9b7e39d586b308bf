#include "Statement.h"

#include "Field.h"
#include "JetError.h"

#include "platform/VariantKind.h"

#include <sqlite3.h>

namespace trelimor::db {

Statement::Statement(sqlite3* handle, const QString& sql)
    : m_handle(handle)
    , m_sql(sql)
{
    if (!handle)
        throw JetError::fromNumber(jet::ObjectInvalid);
    const QByteArray utf8 = sql.toUtf8();
    const char* tail = nullptr;
    const int rc = sqlite3_prepare_v3(handle, utf8.constData(), int(utf8.size()), SQLITE_PREPARE_PERSISTENT,
                                      &m_stmt, &tail);
    if (rc != SQLITE_OK) {
        JetError error = JetError::fromSqlite(handle, rc, sql);
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
        throw error;
    }
    if (!m_stmt) // only blanks or a comment
        throw JetError::fromNumber(jet::SyntaxError, sql);
}

Statement::~Statement()
{
    sqlite3_finalize(m_stmt);
}

void Statement::bind(int index, const QVariant& raw)
{
    const QVariant value = toStorage(raw);
    int rc = SQLITE_OK;
    if (isNull(value)) { // never a text, a null QString included
        rc = sqlite3_bind_null(m_stmt, index);
    } else if (isWholeNumber(value)) {
        rc = sqlite3_bind_int64(m_stmt, index, value.toLongLong());
    } else {
        switch (value.typeId()) {
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(m_stmt, index, value.toDouble());
            break;
        case QMetaType::QByteArray: {
            const QByteArray bytes = value.toByteArray();
            rc = sqlite3_bind_blob(m_stmt, index, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QByteArray utf8 = value.toString().toUtf8();
            rc = sqlite3_bind_text(m_stmt, index, sqliteText(utf8), int(utf8.size()), SQLITE_TRANSIENT);
            break;
        }
        }
    }
    if (rc != SQLITE_OK)
        throw JetError::fromSqlite(m_handle, rc, m_sql);
}

void Statement::bindAll(const QVariantList& values, int first)
{
    for (int i = 0; i < values.size(); ++i)
        bind(first + i, values[i]);
}

bool Statement::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    JetError error = JetError::fromSqlite(m_handle, rc, m_sql);
    sqlite3_reset(m_stmt);
    throw error;
}

void Statement::reset()
{
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

int Statement::columnCount() const
{
    return sqlite3_column_count(m_stmt);
}

QString Statement::columnName(int column) const
{
    return QString::fromUtf8(sqlite3_column_name(m_stmt, column));
}

QString Statement::columnDeclaredType(int column) const
{
    const char* declared = sqlite3_column_decltype(m_stmt, column);
    return declared ? QString::fromUtf8(declared) : QString();
}

QVariant Statement::column(int column) const
{
    switch (sqlite3_column_type(m_stmt, column)) {
    case SQLITE_INTEGER:
        return qint64(sqlite3_column_int64(m_stmt, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(m_stmt, column);
    case SQLITE_TEXT:
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column)),
                                 sqlite3_column_bytes(m_stmt, column));
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char*>(sqlite3_column_blob(m_stmt, column)),
                          sqlite3_column_bytes(m_stmt, column));
    default:
        return {};
    }
}

qint64 Statement::columnInt64(int column) const
{
    return sqlite3_column_int64(m_stmt, column);
}

bool Statement::columnIsNull(int column) const
{
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

} // namespace trelimor::db
