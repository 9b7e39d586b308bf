#pragma once

#include "platform/db/Database.h"

#include <QVariant>

namespace trelimor {

// Deletes the batch row (its rowid in Partia) together with every sample of its number and,
// in a yearly file that keeps laboratory results, those samples' result rows: all of it or,
// on a failure (thrown), nothing.
void deleteBatch(db::Database& rok, qint64 wiersz, const QVariant& partia);

// Deletes every row of the table whose Partia is the batch-group number, in one transaction.
void deleteGroupRows(db::Database& rok, const QString& tabela, const QVariant& partiaG);

} // namespace trelimor
