#pragma once

#include <QDateTime>

namespace trelimor {

// Removes what a killed run left in the program's own folders (Dane below the program folder and
// below the network folder, the folders of the open dictionary and work databases, Eksport and
// its folders of the day): the temporary files the program writes before renaming them into
// place (archives among them) and the staging folders of unpacking, only those changed before
// this run started, since a newer one may be another workstation's work in progress.
void removeLeftoversOfKilledRuns(const QDateTime& runStarted);

} // namespace trelimor
