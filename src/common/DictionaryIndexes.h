#pragma once

#include "platform/db/Database.h"

#include <QString>

namespace trelimor {

// The index on an establishment's number WNI: the import of the list of establishments looks up
// every line's number among those stored, and the batch save and the printouts look up the
// batch's establishment. Not unique: a dictionary may already hold a number twice.
inline const QString kEstablishmentNumberIndex = QStringLiteral("ZakladWNI");

// Creates the indexes the program's searches over the dictionary database rely on, when the file
// lacks them; called each time the program opens it. They only make searches quicker: a file
// that cannot take them now (read-only, busy with another installation's write, or without the
// table) is used as it is, and gets them at a later opening.
void createDictionaryIndexes(db::Database& dictionary);

} // namespace trelimor
