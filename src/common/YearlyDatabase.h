#pragma once

#include <QDate>
#include <QString>

namespace trelimor {

// The file of one year's batches and samples for one county code:
// <folder>/Trelimor<county code>PIW<yyyy>.sqlite, where the folder is Dane below the network
// folder when the dictionary database lies under the network folder, else Dane below the
// program folder. The county code is taken as it stands.
QString yearlyDatabasePath(const QString& dictionaryPath, const QString& countyCode,
                           const QDate& workingDate);
// The same for the open dictionary database and the session's county code and working date.
QString yearlyDatabasePath();

// Opens (creating it first when missing) the yearly database of the session's working year and
// county code into BazaRok. A county code that is not four digits cannot name a file: the
// yearly database is then closed, the user is told to fill it in, and the result is false.
// True when BazaRok is open afterwards.
bool openYearlyDatabase();

// Opens the yearly database at path into BazaRok, announcing and creating it when it is missing,
// and brings it and the dictionary database up to the columns the program writes. A failure is
// reported; when the file could not be opened BazaRok stays closed, never left on the previous
// year's or county's file. True when BazaRok is open afterwards.
bool OtworzBazeRoku(const QString& path);

// Creates a new yearly database at path with its batch and sample tables and every column the
// checks of an opening require. The file appears only complete: it is built under a temporary
// name beside the target and renamed into place. A failure is reported, leaves no file behind
// and gives false. Never touches a file that already stands at path.
bool TworzBaze(const QString& path);

// For data commands: true when the yearly database of the working year and county code is open;
// otherwise the user is told so and the result is false.
bool wymagajBazyRoku();

} // namespace trelimor
