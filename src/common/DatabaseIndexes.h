#pragma once

#include "platform/db/Database.h"

#include <QString>

namespace trelimor {

// The index on a sample's code (establishment, number, date), on the very expressions the
// searches for a taken code compare: a missing part reads as "" and letters compare as the PL
// collation does, so an index on the plain columns could not serve them.
inline const QString kIndeksKoduProbki = QStringLiteral("BadanieKodProbki");
// The index on a sample's batch: the batch window reads a batch's samples at every change of the
// current batch, and the summaries join every batch of a period with its samples.
inline const QString kIndeksPartiiProbek = QStringLiteral("BadaniePartia");
// The condition that finds a sample by its code: three bound values, in the order
// establishment, number, date. Every search for a code uses it, so the index serves them all.
inline const QString kWarunekKoduProbki =
    QStringLiteral("ifnull(IDProbkiWNI, '') = ? COLLATE PL AND ifnull(IDProbkiNr, '') = ? COLLATE PL "
                   "AND ifnull(IDProbkiData, '') = ? COLLATE PL");

// Creates the indexes the program's searches over a yearly file rely on, when the file lacks
// them; called once each time a yearly file is opened. They only make searches quicker: a file
// that cannot take them now (read-only, or busy with another installation's write, which is not
// waited for) is used as it is, and gets them at a later opening.
void createYearlyIndexes(db::Database& yearly);

// The index on an establishment's number WNI: the import of the list of establishments looks up
// every line's number among those stored, and the batch save and the printouts look up the
// batch's establishment. Not unique: a dictionary may already hold a number twice.
inline const QString kEstablishmentNumberIndex = QStringLiteral("ZakladWNI");

// The same for the dictionary database, each time the program opens it; a file without the
// table ZAKLAD is used as it is too.
void createDictionaryIndexes(db::Database& dictionary);

} // namespace trelimor
