#pragma once

#include "platform/db/Database.h"

#include <QString>

namespace trelimor {

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
