#include "CompactedCopy.h"

#include "platform/PlatformError.h"
#include "platform/db/JetError.h"
#include "platform/db/Maintenance.h"
#include "platform/paths/DurableFiles.h"

#include <QFile>
#include <QFileInfo>

#include <unistd.h>

#include <cstdio>
#include <exception>

namespace trelimor {

bool replaceWithCompactedCopy(const QString& source, const QString& target, const QString& keepPreviousAs)
{
    const QString copy = paths::temporaryPathBeside(target);
    db::compactDatabaseFile(source, copy); // verified and on the disk, or removed and thrown
    const bool keeping = !keepPreviousAs.isEmpty() && QFileInfo(target).isFile();
    // A second name for the file at target: it stays in place until the copy replaces it.
    if (keeping &&
        ::link(QFile::encodeName(target).constData(), QFile::encodeName(keepPreviousAs).constData()) != 0) {
        QFile::remove(copy);
        throw PlatformError(
            QStringLiteral("Nie można zachować pliku %1 jako %2.").arg(target, keepPreviousAs));
    }
    // rename() swaps the names in one step: a reader sees the old file or the new one.
    if (std::rename(QFile::encodeName(copy).constData(), QFile::encodeName(target).constData()) != 0) {
        QFile::remove(copy);
        if (keeping)
            QFile::remove(keepPreviousAs);
        return false;
    }
    if (!paths::syncFolder(QFileInfo(target).absolutePath()))
        throw db::JetError::fromNumber(db::jet::DiskOrNetworkError);
    return true;
}

void KompaktujBaze(db::Database& database)
{
    const QString path = database.name();
    if (path.isEmpty())
        throw db::JetError::fromNumber(db::jet::ObjectInvalid);
    database.close();
    std::exception_ptr failure;
    try {
        if (!replaceWithCompactedCopy(path, path))
            throw db::JetError::fromNumber(db::jet::ReadOnly);
    } catch (...) {
        failure = std::current_exception();
    }
    database = db::Database::open(path);
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace trelimor
