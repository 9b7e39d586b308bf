#pragma once

#include "platform/db/Database.h"

#include <QString>

namespace trelimor {

// Gives column Kolumna of table Tabela the type Typ (for Text: Rozmiar characters), keeping
// every row and converting each value by the engine's rules, in one step that is stored whole
// or not at all. A column that already has that type and size is left alone. A failure (a value
// that does not fit the new type, a missing table or column) is reported under a title that
// names the error, and leaves the table exactly as it was.
void ZmienDlugPola(db::Database& Baza, const QString& Tabela, const QString& Kolumna, db::DataType Typ,
                   bool ZerDlDozw, int Rozmiar);

// The same for a table of the report work database, whose values are not kept: its tables are
// refilled before every printout. A closed handle is first reopened from the report work
// database's own path.
void ZmienDlugPolaRobot(db::Database& Baza, const QString& Tabela, const QString& Kolumna, db::DataType Typ,
                        bool ZerDlDozw, int Rozmiar);

// A check of its own for two cases: a missing CLab table is created, and a yearly file whose
// Badanie has no NrOgolny column is pointed out to the user (the column is not added).
void SprBrakKolCLabNrOgolny(db::Database& Baza, const QString& Tabela, const QString& NazBrakKol,
                            db::DataType Typ);

} // namespace trelimor
