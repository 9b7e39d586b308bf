#pragma once

#include <QString>

namespace trelimor::db {

class Database;

// Writes a compacted copy of an open database into a new file, checks the copy's integrity
// and flushes it to disk. A copy that does not pass is removed and the call throws; the
// source is never touched. The destination must not exist (3204).
void compactDatabase(Database& source, const QString& destinationPath);
// The same for a database file that is not open.
void compactDatabaseFile(const QString& sourcePath, const QString& destinationPath);

// True when the file opens as a database and passes the integrity check; otherwise false
// with the reason in Polish.
bool verifyDatabaseFile(const QString& path, QString* problem = nullptr);

// Flushes a file and the folder that lists it, so a copy survives a power cut.
void syncToDisk(const QString& filePath);

} // namespace trelimor::db
