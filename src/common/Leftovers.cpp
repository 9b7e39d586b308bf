#include "Leftovers.h"

#include "ModLabor.h"

#include "platform/paths/DurableFiles.h"
#include "platform/paths/Folders.h"

#include <QFileInfo>
#include <QStringList>

namespace trelimor {

void removeLeftoversOfKilledRuns(const QDateTime& runStarted)
{
    const ModLaborValues& m = ModLabor();
    QStringList folders{paths::dataFolder(), paths::networkDataFolder()};
    for (const QString& database : {m.BazaStale.name(), m.BazaRobot.name()})
        if (!database.isEmpty())
            folders << QFileInfo(database).absolutePath();
    for (QString& folder : folders)
        folder = QFileInfo(folder).canonicalFilePath(); // one spelling of each folder; "" when missing
    folders.removeDuplicates();
    for (const QString& folder : std::as_const(folders))
        if (!folder.isEmpty())
            paths::removeLeftoverTemporaries(folder, runStarted);
}

} // namespace trelimor
