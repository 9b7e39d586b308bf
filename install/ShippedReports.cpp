#include "ShippedReports.h"

#include "platform/paths/Folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace trelimor::install {

QString shippedReportsFolder()
{
    return shippedReportsFolder(QCoreApplication::applicationDirPath());
}

QString shippedReportsFolder(const QString& executableFolder)
{
    const QString installed =
        QDir::cleanPath(paths::join(executableFolder, QStringLiteral(TRELIMOR_REPORTS_FROM_BINDIR)));
    if (QFileInfo(installed).isDir())
        return installed;
    if (paths::liesUnder(executableFolder, QStringLiteral(TRELIMOR_BUILD_TREE)))
        return QStringLiteral(TRELIMOR_REPORTS_SOURCE);
    return installed;
}

} // namespace trelimor::install
