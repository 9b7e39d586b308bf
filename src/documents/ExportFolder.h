#pragma once

#include <QDate>
#include <QString>

namespace trelimor {

// The day's folder of the exports, Eksport/<yyyymmdd>, made when it is missing. Only that one
// level is made: Eksport itself belongs to the installation, and its absence means the program
// folder is not what it should be. Throws PlatformError naming the folder when it cannot be made.
QString datedExportFolder(const QDate& day);

} // namespace trelimor
