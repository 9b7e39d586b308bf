#pragma once

#include "platform/db/Database.h"

#include <QString>
#include <QVariantMap>

namespace trelimor::test {

// Creates in the database the dictionary tables the shell's windows work on: OPERATORZY,
// PODATNIK, PARAMETRY and PIW, with the installation's types and sizes.
void createShellTables(db::Database& stale);
// Adds a row of named values to a table.
void addRow(db::Database& stale, const QString& table, const QVariantMap& values);

} // namespace trelimor::test
