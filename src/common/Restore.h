#pragma once

namespace trelimor {

// "Przywrócenie bazy z archiwum": after the question, the user picks an archived database;
// a compacted copy of it takes the place of the file of the same name in the program
// folder's Dane folder, with the dictionary and yearly databases closed meanwhile and opened
// again afterwards. The chosen file must be a sound database that the program is not working
// on, and a dictionary database that another installation has open is not replaced. The
// target is replaced whole or not at all.
void menOdzysk_Click();

} // namespace trelimor
