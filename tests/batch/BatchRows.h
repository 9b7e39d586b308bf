#pragma once

#include "platform/db/Database.h"

#include <QString>
#include <QVariantMap>

namespace trelimor::test {

// Appends a row with the named fields set.
void wstaw(db::Database& database, const QString& table, const QVariantMap& values);

// A batch of the yearly database with its samples numbered 1..probek (ear tags unique over
// the file as long as batch numbers are).
void dodajPartie(db::Database& rok, int partia, int probek, const QString& gatunek = QStringLiteral("Bydło"));

// The veterinarian and the establishment every batch needs, in the dictionary database.
void dodajLekarzaIZaklad(db::Database& stale);

} // namespace trelimor::test
