#pragma once

#include <QString>

namespace trelimor {

// The databases of the program, each known by the tables it cannot do without: the dictionary
// database (operators, the user record, options), the report work database and a yearly file
// (batches and samples). A file without this program's mark is none of them.
enum class DatabaseKind { Unknown, Dictionary, Work, Yearly };

// What the database file at path is; Unknown also when it cannot be opened.
DatabaseKind databaseKindOf(const QString& path);
// The kind a file of this name in the program's data folders must be: "Stale.sqlite" the
// dictionary, "Robot.sqlite" the work database, "Trelimor<code>PIW<yyyy>.sqlite" a yearly file;
// Unknown for any other name.
DatabaseKind databaseKindNamed(const QString& fileName);
// The kind in the instrumental case, as a message says it: "bazą słownikową".
QString databaseKindText(DatabaseKind kind);

} // namespace trelimor
