#pragma once

#include <QString>

namespace trelimor::paths {

// Folder paths are absolute and end without "/" (only the root itself is "/").

// The program folder: $TRELIMOR_HOME when set, else ~/Trelimor.
QString programFolder();
// The network folder that stands for the shared network drive: $TRELIMOR_NETWORK when set,
// else /mnt/trelimor.
QString networkFolder();

// The standard places below the program folder.
QString dataFolder();    // Dane
QString exportFolder();  // Eksport
QString archiveFolder(); // Archiwum
QString reportsFolder(); // Raporty
QString iniFile();       // Trelimor.ini
// Dane below the network folder, the data folder of an installation whose dictionary database
// lies on the network.
QString networkDataFolder();

// folder + "/" + name, with exactly one "/" between them; an empty folder gives the name.
QString join(const QString& folder, const QString& name);

// Whether path is folder itself or lies below it, compared by whole path components
// ("/mnt/trelimorX" is not below "/mnt/trelimor"); symbolic links are followed where both exist.
bool liesUnder(const QString& path, const QString& folder);
bool liesUnderNetworkFolder(const QString& path);

// The folder whose presence decides whether the databases at path are reachable: the network
// folder for a path below it, else the path's first component below "/" ("/home" for
// "/home/ala/Trelimor/Dane"). Empty for an empty path.
QString driveOf(const QString& path);

} // namespace trelimor::paths
