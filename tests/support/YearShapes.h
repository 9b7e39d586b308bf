#pragma once

#include "platform/db/Database.h"

#include <QString>

namespace trelimor::test {

// The tables and columns that the statistics, the results import and the serology export read
// in a yearly file, but that the program itself never creates: a year made by the program is
// given them here. Each shape adds what is missing and leaves everything else alone (columns
// already there keep their type and values), so applying a shape twice is harmless. All of a
// shape or nothing is added.

// A new yearly file exactly as the program makes it (batch and sample tables with every column
// the checks of an opening add), without the boxes the program shows on the way. Throws the
// engine's JetError when the file cannot be made.
db::Database createProgramYear(const QString& path);

// Badanie.NrOgolny (INTEGER), Badanie.BadaniaPowtorzone (SMALLINT), Badanie.Opis (VARCHAR(255)).
void applyStatisticsShape(db::Database& year);

// The herd groups (PartiaG), the nine result tables (EBB, Br, NZK, ZSt, Nos, Q, IBRIPV, Par,
// BrOK: Partia, NrProbki and their result columns, all text), and the serology columns of
// Partia and Badanie. Yes/no columns (Partia.NaUzdrowieniu, Czystopis, TNWyslane;
// Badanie.Ciaza, Niebadaj) are BOOLEAN; the Badaj... columns hold "T", "N" or "" as text.
void applySerologyShape(db::Database& year);

// The result tables, in the order of the serology export file.
const QStringList& serologyResultTables();
// The result columns of one of them, after Partia and NrProbki, in the export's order; empty for
// any other table.
const QStringList& serologyResultColumns(const QString& table);

} // namespace trelimor::test
