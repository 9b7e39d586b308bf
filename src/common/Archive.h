#pragma once

namespace trelimor {

// "Archiwizacja": after the question, closes the dictionary and yearly databases, writes a
// compacted copy of each (checked and flushed to the disk) into the new folder
// Archiwum/<working date yyyymmdd>g<hhmmss> of the program folder, opens both again and
// says where the copies are. A failure removes the unfinished folder, reopens the databases
// and is reported instead.
void ComArchiwizacja_Click();

} // namespace trelimor
