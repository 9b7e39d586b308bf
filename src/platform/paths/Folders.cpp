#include "platform/paths/Folders.h"

#include <QDir>
#include <QFileInfo>

namespace trelimor::paths {

namespace {

QString absoluteClean(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

QString folderFromEnvironment(const char* variable, const QString& fallback)
{
    const QString value = qEnvironmentVariable(variable);
    return absoluteClean(value.isEmpty() ? fallback : value);
}

bool liesUnderLexically(const QString& path, const QString& folder)
{
    if (path == folder || folder == QLatin1String("/"))
        return true;
    return path.startsWith(folder) && path.at(folder.size()) == QLatin1Char('/');
}

} // namespace

QString programFolder()
{
    return folderFromEnvironment("TRELIMOR_HOME", join(QDir::homePath(), QStringLiteral("Trelimor")));
}

QString networkFolder()
{
    return folderFromEnvironment("TRELIMOR_NETWORK", QStringLiteral("/mnt/trelimor"));
}

QString dataFolder()
{
    return join(programFolder(), QStringLiteral("Dane"));
}

QString exportFolder()
{
    return join(programFolder(), QStringLiteral("Eksport"));
}

QString archiveFolder()
{
    return join(programFolder(), QStringLiteral("Archiwum"));
}

QString reportsFolder()
{
    return join(programFolder(), QStringLiteral("Raporty"));
}

QString iniFile()
{
    return join(programFolder(), QStringLiteral("Trelimor.ini"));
}

QString networkDataFolder()
{
    return join(networkFolder(), QStringLiteral("Dane"));
}

QString join(const QString& folder, const QString& name)
{
    if (folder.isEmpty())
        return name;
    QString head = folder;
    while (head.size() > 1 && head.endsWith(QLatin1Char('/')))
        head.chop(1);
    qsizetype skip = 0;
    while (skip < name.size() && name.at(skip) == QLatin1Char('/'))
        ++skip;
    if (head == QLatin1String("/"))
        return head + name.mid(skip);
    return head + QLatin1Char('/') + name.mid(skip);
}

bool liesUnder(const QString& path, const QString& folder)
{
    if (path.isEmpty() || folder.isEmpty())
        return false;
    if (liesUnderLexically(absoluteClean(path), absoluteClean(folder)))
        return true;
    const QString realPath = QFileInfo(path).canonicalFilePath();
    const QString realFolder = QFileInfo(folder).canonicalFilePath();
    return !realPath.isEmpty() && !realFolder.isEmpty() && liesUnderLexically(realPath, realFolder);
}

bool liesUnderNetworkFolder(const QString& path)
{
    return liesUnder(path, networkFolder());
}

QString driveOf(const QString& path)
{
    if (path.isEmpty())
        return {};
    if (liesUnderNetworkFolder(path))
        return networkFolder();
    const QString absolute = absoluteClean(path);
    const qsizetype end = absolute.indexOf(QLatin1Char('/'), 1);
    return end < 0 ? absolute : absolute.left(end);
}

} // namespace trelimor::paths
