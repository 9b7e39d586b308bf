#include "ExportFolder.h"

#include "platform/PlatformError.h"
#include "platform/paths/Folders.h"

#include <QDir>
#include <QFileInfo>

namespace trelimor {

QString datedExportFolder(const QDate& day)
{
    const QString eksport = paths::exportFolder();
    const QString name = day.toString(QStringLiteral("yyyyMMdd"));
    const QString folder = paths::join(eksport, name);
    if (QFileInfo(folder).isDir())
        return folder;
    if (!QFileInfo(eksport).isDir() || !QDir(eksport).mkdir(name))
        throw PlatformError(QStringLiteral("Nie można utworzyć folderu ") + folder +
                            QStringLiteral(" (folder Eksport musi istnieć w folderze programu)."));
    return folder;
}

} // namespace trelimor
