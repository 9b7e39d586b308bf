#pragma once

#include "platform/db/Database.h"

#include <QString>

namespace trelimor {

// Whether a table has a column, asked of the engine as the column checks of an opening and the
// retypes ask it.

// The comparison that follows the column in a probe: " = 0" for whole numbers and Double,
// " = DateValue('11.11.1111')" for dates, " = '0'" for everything else. With
// integerAsText an Integer column is compared with '0' as well.
QString probeComparison(db::DataType type, bool integerAsText = false);
// What the engine answers to a probe of column in table (the column, then the comparison, as the
// condition of a query over the table): 0 when the column exists, 3061 when it is missing,
// 3078 when the table is. Any other answer is reported under "SprBrakKol" and gives -1.
int probeColumn(db::Database& db, const QString& table, const QString& column, const QString& comparison);

} // namespace trelimor
