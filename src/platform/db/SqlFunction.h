#pragma once

#include <QString>

struct sqlite3;
struct sqlite3_context;
struct sqlite3_value;

namespace trelimor::db {

// What the SQL functions registered on a connection share.
using SqlFunction = void (*)(sqlite3_context*, int, sqlite3_value**);

// Registers a deterministic function of that many arguments, taking and giving UTF-8 text.
void addSqlFunction(sqlite3* handle, const char* name, int arguments, SqlFunction function);
// An argument as text (an empty text for null).
QString sqlArgumentText(sqlite3_value* value);
// Sets the function's result to the text.
void setSqlResultText(sqlite3_context* context, const QString& text);

} // namespace trelimor::db
