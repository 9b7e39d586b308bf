#pragma once

#include "platform/db/Recordset.h"

#include <QString>

namespace trelimor {

// Copies a collection point (the current record of zlewnia) into a supplier record of Dostawca
// (a new one numbered KodDostaw when CzyNowy, else the current one) and deletes the collection
// point without asking. Both recordsets come from the caller: the tables are not this program's.
void Zlew2Dost(const QString& KodDostaw, db::Recordset& zlewnia, db::Recordset& Dostawca, bool CzyNowy);

// The hidden connection test of the establishment and inspectorate windows: opens the
// dictionary database's file once more and closes it at once; nothing is shown or changed
// unless the file cannot be opened.
void sprawdzPolaczenie();

} // namespace trelimor
