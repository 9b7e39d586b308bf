#include "SqlFunction.h"

#include "Statement.h"

#include <sqlite3.h>

namespace trelimor::db {

void addSqlFunction(sqlite3* handle, const char* name, int arguments, SqlFunction function)
{
    sqlite3_create_function_v2(handle, name, arguments, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, function,
                               nullptr, nullptr, nullptr);
}

QString sqlArgumentText(sqlite3_value* value)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return text ? QString::fromUtf8(text, sqlite3_value_bytes(value)) : QString();
}

void setSqlResultText(sqlite3_context* context, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_result_text(context, sqliteText(utf8), int(utf8.size()), SQLITE_TRANSIENT);
}

} // namespace trelimor::db
