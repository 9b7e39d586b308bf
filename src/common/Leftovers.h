#pragma once

#include <QDateTime>

namespace trelimor {

// Removes the temporary copies a killed run left in the program's data folders (Dane below the
// program folder and below the network folder, and the folders of the open dictionary and work
// databases): those changed before this run started, since a newer one may be another
// workstation's work in progress.
void removeLeftoversOfKilledRuns(const QDateTime& runStarted);

} // namespace trelimor
