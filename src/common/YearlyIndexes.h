#pragma once

namespace trelimor {

namespace db {
class Database;
}

// Creates on a yearly file the indexes that the program's whole-year reads rely on, when they are
// missing. Only a help for speed: a file that cannot take an index (read-only, say) is read as it
// is, so a failure here is no failure of the opening.
void createYearlyIndexes(db::Database& yearly);

} // namespace trelimor
