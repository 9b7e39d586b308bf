#pragma once

#include "platform/db/Database.h"

#include <QString>

namespace trelimor {

class RegisterWindow;

struct EstablishmentImportResult
{
    int added = 0;
    int alreadyStored = 0; // lines whose establishment was in ZAKLAD (or earlier in the file)
    int withoutCode = 0;   // lines whose first field is not an 8-digit code
};

// Reads a ";"-separated list of establishments in Windows-1250 and adds to ZAKLAD, in one
// transaction, every establishment whose code is not stored yet; stored ones are left as
// they are. The code is the first field, trimmed; a line without an 8-digit code is skipped.
// Any failure (the file cannot be read, a value the table refuses) throws and stores nothing.
EstablishmentImportResult importEstablishmentList(db::Database& stale, const QString& path);

// The "&Wczytaj" button of the inspectorate windows: asks for the file, imports it and tells
// the user the outcome; the window is locked meanwhile and shows its own list again after.
void wczytajListeZakladow(RegisterWindow& window);

} // namespace trelimor
