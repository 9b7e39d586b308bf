#include "UndoLog.h"

#include "InstallError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace trelimor::install {

UndoLog::~UndoLog()
{
    if (!m_committed)
        undo();
}

void UndoLog::makeFolder(const QString& path)
{
    const QString folder = QDir::cleanPath(QDir(path).absolutePath());
    QStringList missing;
    for (QString f = folder; !QFileInfo(f).isDir(); f = QFileInfo(f).path()) {
        if (QFileInfo::exists(f))
            throw InstallError(QStringLiteral("%1 jest plikiem, a nie folderem.").arg(f));
        missing.prepend(f);
        if (QFileInfo(f).path() == f)
            break;
    }
    for (const QString& f : missing) {
        if (!QDir().mkdir(f))
            throw InstallError(QStringLiteral("Nie można utworzyć folderu %1.").arg(f));
        m_folders << f;
    }
}

void UndoLog::addFile(const QString& path)
{
    m_files << path;
}

void UndoLog::renameFile(const QString& from, const QString& to)
{
    const qsizetype i = m_files.indexOf(from);
    if (i >= 0)
        m_files[i] = to;
}

void UndoLog::undo()
{
    for (auto it = m_files.crbegin(); it != m_files.crend(); ++it)
        QFile::remove(*it);
    for (auto it = m_folders.crbegin(); it != m_folders.crend(); ++it)
        QDir().rmdir(*it);
    m_files.clear();
    m_folders.clear();
}

} // namespace trelimor::install
