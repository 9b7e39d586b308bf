#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace trelimor {

// What the two result commands need of the main window.
struct ResultCommandHooks
{
    // Opens the yearly database of the working date into BazaRok, as openYearlyDatabase does:
    // false (or a throw) when it could not, its failure already reported. Left empty, the
    // commands work on the BazaRok that is open.
    std::function<bool()> openYearlyDatabase;
    // Shows (true) or hides (false) the main window's wait frame FrameCzekaj, repainted at once.
    std::function<void(bool)> showWaitFrame;
};

// The result tables of the yearly database, in the order the cleaning takes them.
const QStringList& resultTables();

// Deletes from a result table of BazaRok the rows whose sample no longer exists (no Badanie row
// with PartiaG = Partia and the same NrProbki); rows without a batch or sample number are kept.
// The whole table is cleaned or, on a failure, left as it was: the failure is reported under
// "Powiadom programistę!" naming the table, and the answer is false.
bool CzyscZbior(const QString& table);

// In every row of a table of BazaRok whose target column is empty (null or of zero length),
// sets target to the row's source value, by the same rules as an edit in a window. All rows
// or none, reported like CzyscZbior.
bool UzupelnijWynikOgolny(const QString& table, const QString& source, const QString& target);

// "Czyszczenie zbiorów": after the question, opens the yearly database and cleans every result
// table in one transaction. Ends with the success message, or names the tables that failed.
void menCzyszc_Click(const ResultCommandHooks& hooks = {});
// "Automatyczne uzupełnianie wyników": opens the yearly database, asks, then fills the empty
// general results of EBB from Elisa and of Br from OKAP in one transaction. Ends like the
// cleaning.
void menWynik_Click(const ResultCommandHooks& hooks = {});

} // namespace trelimor
