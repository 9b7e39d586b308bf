#pragma once

#include "Selection.h"

#include <QString>

#include <functional>

namespace trelimor {

namespace db {
class Database;
}
class AttachedYear;

// Lays out the month table: every row deleted, then one row per month, MC 1 to 12 with its name
// in MIESIAC ("STYCZEŃ" .. "GRUDZIEŃ", October as "PAZDZIERNIK"), every count empty. A failure
// is reported under "Tworzenie tabeli " + the table's name and leaves the table as it was.
void PrzygotujBSEmce(db::Database& BazaZ, const QString& NazTabZ);

// What the monthly count shows while it works (the window's FrameDoWIW).
struct MonthlyProgress
{
    // The period has batches: the frame is shown with their number.
    std::function<void(int batches)> started;
    // The count is stored: the numbers of batches and samples it went through.
    std::function<void(int batches, int samples)> counted;
    // The frame is hidden again (also after a failure).
    std::function<void()> finished;
};

// Adds the samples of the period's batches (no voivodeship or county test) by kind of slaughter
// to the row of the month of each batch's date column in BSEmceRodzUboju; a count column stays
// empty unless a batch adds to it. Its errors are reported here ("ZESTAWIENIA"), and it returns
// normally: the month rows print as they stand.
void ZliczBSEmce(const AttachedYear& year, const Selection& selection, const MonthlyProgress& progress);

} // namespace trelimor
