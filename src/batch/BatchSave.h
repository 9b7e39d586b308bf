#pragma once

#include "BatchChecks.h"

#include "platform/db/Database.h"

#include <optional>

namespace trelimor {

// What a save of the batch frame ended in.
struct BatchSaveResult
{
    // A check refused the values: nothing was stored.
    std::optional<BatchRefusal> odmowa;
    // The stored batch: its number and its row (rowid) in Partia.
    qint64 partia = 0;
    qint64 wiersz = -1;
};

// Checks the batch frame's values and stores them: a new batch (values.isNew) as a new row of
// Partia, a correction over the row with the rowid (its number is kept). The checks and the store
// are one transaction that holds the yearly database's write lock from the start, so two
// installations saving the same number cannot both pass the duplicate test; a refused check or
// a failure (thrown) leaves the database as it was.
BatchSaveResult saveBatch(db::Database& rok, db::Database& stale, const FrameValues& values,
                          std::optional<qint64> wiersz);

} // namespace trelimor
