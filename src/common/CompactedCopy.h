#pragma once

#include "platform/db/Database.h"

#include <QString>

namespace trelimor {

// Puts a compacted copy of the database file source in the place of target. The copy is
// written to a temporary file beside target, checked and flushed to the disk, and only then
// renamed over target, so target is either the whole verified copy or exactly as it was.
// Throws when the copy cannot be made (target unchanged); returns false when the finished
// copy could not take target's place (target unchanged, the copy removed). With keepPreviousAs
// the file that stood at target stays under that name (a second name of the same file, made
// before the copy takes its place); a failure to keep it throws and changes nothing.
bool replaceWithCompactedCopy(const QString& source, const QString& target,
                              const QString& keepPreviousAs = {});

// Compacts a database in place: closes it, replaces its file with a compacted copy and opens
// it again into the same handle. The handle is open on the same path afterwards also when
// the compaction failed; the failure is then thrown.
void KompaktujBaze(db::Database& database);

} // namespace trelimor
