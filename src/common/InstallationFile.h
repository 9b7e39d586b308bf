#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <utility>

namespace trelimor {

// Reads the installation file (Trelimor.ini in the program folder): opens the dictionary
// database (STALE) and the report work database (ROBOT) and takes the reports folder
// (RAPORTY), each when its line is read, the dictionary database given the indexes it lacks
// (createDictionaryIndexes); then fills the Polish letter table. True when both
// databases are open afterwards. When they are not, a box has said what is missing, and the
// caller ends the program instead of going on to a login over no database.
bool CzytajParametry();

// The lines of an installation file's bytes as (KEY, value): the key is the text before the
// first "=" (or "#", or ";") in capitals, the value the rest; a line without any of them gives
// the whole line, in capitals, and an empty value.
QList<std::pair<QString, QString>> installationEntries(const QByteArray& bytes);
// The value of a KEY=value line of the installation file as it stands now (the key compared
// without regard to case); empty when the file or the line is missing.
QString installationValue(const QString& key);

// Returns only when the folder that holds the databases (see paths::driveOf) is there;
// otherwise shows the "POŁĄCZENIE" message and ends the program. False after asking to end.
bool SprDysk(const QString& drive);

} // namespace trelimor
