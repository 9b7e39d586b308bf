#include "ZipPlacement.h"

#include "Zip.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace trelimor::zip::detail {

bool insideFolder(const QString& path, const QString& canonicalFolder)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return !canonical.isEmpty() &&
           (canonical == canonicalFolder || canonical.startsWith(canonicalFolder + QLatin1Char('/')));
}

Placement::Placement(QString canonicalTarget, QString stagingFolder)
    : m_target(std::move(canonicalTarget))
    , m_staging(std::move(stagingFolder))
{}

Placement::~Placement()
{
    if (!m_finished)
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
    }
}

void Placement::place(const QString& staged, const QString& target)
{
    makeFolder(QFileInfo(target).absolutePath());
    Placed placed{target, {}};
    const QFileInfo existing(target);
    if (existing.exists() || existing.isSymLink()) {
        placed.previous = QDir(m_staging).filePath(QStringLiteral("poprzedni-%1").arg(m_placed.size()));
        if (!QFile::rename(target, placed.previous))
            throw ZipError(QStringLiteral("Nie można zastąpić pliku %1.").arg(target));
    }
    if (!QFile::rename(staged, target)) {
        if (!placed.previous.isEmpty())
            QFile::rename(placed.previous, target);
        throw ZipError(QStringLiteral("Nie można zapisać pliku %1.").arg(target));
    }
    m_placed.append(placed);
}

void Placement::undo()
{
    for (auto it = m_placed.crbegin(); it != m_placed.crend(); ++it) {
        QFile::remove(it->target);
        if (!it->previous.isEmpty())
            QFile::rename(it->previous, it->target);
    }
    for (auto it = m_madeFolders.crbegin(); it != m_madeFolders.crend(); ++it)
        QDir().rmdir(*it);
}

} // namespace trelimor::zip::detail
