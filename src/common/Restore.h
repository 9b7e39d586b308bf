#pragma once

namespace trelimor {

// "Przywrócenie bazy z archiwum": after the question, the user picks an archived database;
// a compacted copy of it takes the place of the file of the same name in the program
// folder's Dane folder, with the dictionary and yearly databases closed meanwhile and opened
// again afterwards. The chosen file must be a sound database of this program, of the kind the
// target is (dictionary, work or yearly database), that the program is not working on; a
// dictionary or yearly database is not replaced while another installation works. The target
// is replaced whole or not at all, and the file it replaces is kept beside it under the time of
// the restore.
void menOdzysk_Click();

} // namespace trelimor
