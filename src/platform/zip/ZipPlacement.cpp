#include "ZipPlacement.h"

#include "Zip.h"

#include "platform/paths/DurableFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace trelimor::zip::detail {

namespace {

bool renameFile(const QString& from, const QString& to)
{
    return QFile::rename(from, to);
}

} // namespace

bool insideFolder(const QString& path, const QString& canonicalFolder)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return !canonical.isEmpty() &&
           (canonical == canonicalFolder || canonical.startsWith(canonicalFolder + QLatin1Char('/')));
}

Placement::Placement(QString canonicalTarget, QString stagingFolder, Move move)
    : m_target(std::move(canonicalTarget))
    , m_staging(std::move(stagingFolder))
    , m_move(move ? move : &renameFile)
{}

Placement::~Placement()
{
    if (!m_done)
        undo();
}

void Placement::makeFolder(const QString& folder)
{
    QStringList missing;
    QString existing = QDir::cleanPath(folder);
    while (!QFileInfo::exists(existing)) {
        missing.prepend(existing);
        existing = QFileInfo(existing).absolutePath();
    }
    if (!insideFolder(existing, m_target) || !QFileInfo(existing).isDir())
        throw ZipError(QStringLiteral("Nie można utworzyć folderu %1.").arg(folder));
    for (const QString& part : std::as_const(missing)) {
        if (!QDir().mkdir(part) || !insideFolder(part, m_target))
            throw ZipError(QStringLiteral("Nie można utworzyć folderu %1.").arg(folder));
        m_madeFolders.append(part);
        m_changedFolders.insert(QFileInfo(part).absolutePath());
    }
}

void Placement::place(const QString& staged, const QString& target)
{
    makeFolder(QFileInfo(target).absolutePath());
    Placed placed{target, {}, false};
    const QFileInfo existing(target);
    if (existing.exists() || existing.isSymLink()) {
        // Named after the file it holds, so that whoever finds it after a failure knows it.
        placed.previous = QDir(m_staging).filePath(
            QStringLiteral("poprzedni-%1-%2").arg(m_placed.size()).arg(existing.fileName()));
        if (!m_move(target, placed.previous))
            throw ZipError(QStringLiteral("Nie można zastąpić pliku %1.").arg(target));
    }
    m_placed.append(placed);
    if (!m_move(staged, target))
        throw ZipError(QStringLiteral("Nie można zapisać pliku %1.").arg(target));
    m_placed.last().ours = true;
    m_changedFolders.insert(QFileInfo(target).absolutePath());
}

void Placement::finish()
{
    m_done = true;
    // The files were flushed before they were moved; their new names are flushed here. It is too
    // late to take anything back, and a folder that cannot be flushed keeps them all the same.
    for (const QString& folder : std::as_const(m_changedFolders))
        paths::syncFolder(folder);
}

QString Placement::undo()
{
    m_done = true;
    QStringList stranded;
    for (auto it = m_placed.crbegin(); it != m_placed.crend(); ++it) {
        if (it->ours)
            QFile::remove(it->target);
        if (!it->previous.isEmpty() && !m_move(it->previous, it->target))
            stranded.prepend(it->target);
    }
    for (auto it = m_madeFolders.crbegin(); it != m_madeFolders.crend(); ++it)
        QDir().rmdir(*it);
    if (stranded.isEmpty())
        return {};
    return QStringLiteral(
               "Nie udało się przywrócić poprzedniej zawartości plików: %1; zachowano ją w folderze %2.")
        .arg(stranded.join(QStringLiteral(", ")), m_staging);
}

} // namespace trelimor::zip::detail
