#pragma once

#include "SchemaFile.h"

namespace trelimor::db {
class Database;
}

namespace trelimor::install {

// Creates every table of the schema in the database, columns in schema order, with the
// engine's declared types and the schema's default values. Runs in one transaction: on a
// failure no table of the schema is left behind.
void createTables(db::Database& database, const Schema& schema);

} // namespace trelimor::install
