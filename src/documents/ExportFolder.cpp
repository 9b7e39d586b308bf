#include "ExportFolder.h"

#include "FormDrukRap.h"

#include "platform/PlatformError.h"
#include "platform/paths/Folders.h"

#include <QDir>
#include <QFileInfo>

namespace trelimor {

QString folderEksportuDnia()
{
    const QString folder = FormDrukRap::exportFolder();
    if (QFileInfo(folder).isDir())
        return folder;
    const QString eksport = paths::exportFolder();
    if (!QFileInfo(eksport).isDir() || !QDir(eksport).mkdir(QFileInfo(folder).fileName()))
        throw PlatformError(QStringLiteral("Nie można utworzyć folderu ") + folder +
                            QStringLiteral(" (folder Eksport musi istnieć w folderze programu)."));
    return folder;
}

} // namespace trelimor
