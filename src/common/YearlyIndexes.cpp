#include "YearlyIndexes.h"

#include "platform/db/Database.h"

namespace trelimor {

void createYearlyIndexes(db::Database& yearly)
{
    try {
        // The summaries join every batch of a period with its samples by batch number.
        yearly.execute(QStringLiteral("CREATE INDEX IF NOT EXISTS BadaniePartia ON Badanie (Partia)"));
    } catch (const std::exception&) {
        // A read-only or locked file: the summaries read it without the index, only slower.
    }
}

} // namespace trelimor
