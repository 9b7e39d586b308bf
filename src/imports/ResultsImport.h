#pragma once

namespace trelimor {

class BatchImportHost;

// "&Wczytaj wynik" (hidden): a laboratory's results file, chosen in the Open dialog, into the
// result tables of the year: for the active county and the working month, each result line that
// names exactly one sample updating that sample's existing result rows of the tests it flags.
// The whole file is read and checked before anything is written, and then written in one
// transaction: a refusal or a failure leaves the year as it was. A normal end says how many
// lines were written and how many skipped.
void ComWczytWynik_Click(BatchImportHost& okno);

} // namespace trelimor
