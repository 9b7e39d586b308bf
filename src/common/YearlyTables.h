#pragma once

#include "platform/db/Database.h"
#include "platform/db/Field.h"
#include "platform/db/JetError.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace trelimor {

// Text and Memo columns of the program's tables take empty texts; the others do not.
inline bool takesEmptyText(db::DataType type)
{
    return type == db::DataType::Text || type == db::DataType::Memo;
}

// One column of a table the program creates; a size of 0 (and any size of a type other than
// Text) leaves the type's own size.
db::Field makeField(const QString& name, db::DataType type, bool allowZeroLength, int size);

// Appends one field to a table definition; false (after a box with the engine's error number
// and text) for a name already there or an impossible size.
bool CreateDBField(db::TableDef& td, const QString& NazPole, db::DataType Typ, bool ZerDlDozw, int Rozmiar);

// Creates an empty database file at Sciezka. A file already there is left alone; a failure is
// reported and leaves no file behind. shownAs is the path the boxes name when the file is
// created under a temporary name (empty: Sciezka itself).
bool CreateDB(const QString& Sciezka, const QString& shownAs = {});

// What a yearly file lacks of the batch and sample tables and the columns a new file is made
// with, leaving out the columns an opening adds (addedLater): "tabeli Badanie" for a missing
// table, "pola Partia.WNI" for a missing column, in the tables' column order. Empty when nothing
// is missing.
QStringList
missingYearlyCore(const db::Database& yearly,
                  const std::function<bool(const QString& table, const QString& column)>& addedLater);

// Each opens the database file at Sciezka through a handle of its own, creates the table NazTab
// with its fields and closes the file; false, after its box, when the table was not made.
bool CreateTablePartia(const QString& Sciezka, const QString& NazTab);
bool CreateTableBadanie(const QString& Sciezka, const QString& NazTab);
// The optional tables the column upgrade creates when they are missing.
bool CreateTablePlanPobierania(const QString& Sciezka, const QString& NazTab);
bool CreateTableCLab(const QString& Sciezka, const QString& NazTab);
bool CreateTableBadal(const QString& Sciezka, const QString& NazTab);
bool CreateTableOznaczenie(const QString& Sciezka, const QString& NazTab);
bool CreateTableAutowynik(const QString& Sciezka, const QString& NazTab);
bool CreateTableTMP(const QString& Sciezka, const QString& NazTab);

// A box (no title of its own) with the engine's error number run together with its text.
void showEngineError(const db::JetError& e);

// The box that tells that the database at path was not made and its remains are removed.
void showCreationFailed(const QString& path);

// Removes a database file and the journal SQLite may have left beside it.
void removeDatabaseFile(const QString& path);

} // namespace trelimor
