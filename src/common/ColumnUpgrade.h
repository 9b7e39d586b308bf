#pragma once

#include "platform/db/Database.h"

#include <QString>

namespace trelimor {

// The comparison that follows the column in a probe: " = 0" for whole numbers and Double,
// " = DateValue('11.11.1111')" for dates, " = '0'" for everything else. With
// integerAsText an Integer column is compared with '0' as well.
QString probeComparison(db::DataType type, bool integerAsText = false);
// What the engine answers to a probe of column in table (the column, then the comparison, as the
// condition of a query over the table): 0 when the column exists, 3061 when it is missing,
// 3078 when the table is. Any other answer is reported under "SprBrakKol" and gives -1.
int probeColumn(db::Database& db, const QString& table, const QString& column, const QString& comparison);

// Checks that column NazBrakKol of table Tabela exists in Baza and adds it (type Typ, size
// Rozmiar) when it does not; a missing table the program knows how to make is created (the
// sampling plan and procedure lists seeded with their one default entry), any other missing
// table is passed over. An unexpected answer of the probe is reported under "SprBrakKol";
// a failure while adding or creating is thrown to the caller.
void SprBrakKol(db::Database& Baza, const QString& Tabela, const QString& NazBrakKol, db::DataType Typ,
                bool ZerDlDozw, int Rozmiar);

// Whether the checks of an opening add this column of a yearly file's table when it is missing.
bool addedByYearlyChecks(const QString& table, const QString& column);

// Every column check of an opening, in order: those of the yearly file and, when dictionary is
// given, those of the dictionary database between them. The first failure is thrown and ends
// the run.
void runColumnChecks(db::Database& yearly, db::Database* dictionary);

} // namespace trelimor
