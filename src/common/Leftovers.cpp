#include "Leftovers.h"

#include "ModLabor.h"

#include "platform/paths/DurableFiles.h"
#include "platform/paths/Folders.h"
#include "platform/zip/Zip.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace trelimor {

namespace {

// Eksport and its folders of the day ("yyyymmdd"), where the exports, their archives and the
// protocol files are written.
QStringList exportFolders()
{
    const QDir exports(paths::exportFolder());
    QStringList folders{exports.path()};
    for (const QString& day : exports.entryList({QStringLiteral("[0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9]")},
                                                QDir::Dirs | QDir::NoDotAndDotDot))
        folders << exports.filePath(day);
    return folders;
}

} // namespace

void removeLeftoversOfKilledRuns(const QDateTime& runStarted)
{
    const ModLaborValues& m = ModLabor();
    QStringList folders{paths::dataFolder(), paths::networkDataFolder()};
    for (const QString& database : {m.BazaStale.name(), m.BazaRobot.name()})
        if (!database.isEmpty())
            folders << QFileInfo(database).absolutePath();
    folders << exportFolders();
    for (QString& folder : folders)
        folder = QFileInfo(folder).canonicalFilePath(); // one spelling of each folder; "" when missing
    folders.removeDuplicates();
    for (const QString& folder : std::as_const(folders)) {
        if (folder.isEmpty())
            continue;
        paths::removeLeftoverTemporaries(folder, runStarted);
        zip::removeLeftoverStaging(folder, runStarted);
    }
}

} // namespace trelimor
