#include "Maintenance.h"

#include "Database.h"
#include "JetError.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>

namespace trelimor::db {

namespace {

void syncPath(const QString& path, int flags)
{
    const int fd = ::open(QFile::encodeName(path).constData(), flags);
    if (fd < 0)
        throw JetError::fromNumber(jet::DiskOrNetworkError);
    const int rc = ::fsync(fd);
    ::close(fd);
    if (rc != 0)
        throw JetError::fromNumber(jet::DiskOrNetworkError);
}

} // namespace

void syncToDisk(const QString& filePath)
{
    syncPath(filePath, O_RDONLY);
    syncPath(QFileInfo(filePath).absolutePath(), O_RDONLY | O_DIRECTORY);
}

void compactDatabase(Database& source, const QString& destinationPath)
{
    if (QFileInfo::exists(destinationPath))
        throw JetError::fromNumber(jet::DatabaseExists, destinationPath);
    try {
        source.compactInto(destinationPath);
        QString problem;
        if (!verifyDatabaseFile(destinationPath, &problem))
            throw JetError::fromNumber(jet::UnrecognizedFormat,
                                       destinationPath + QStringLiteral(": ") + problem);
        syncToDisk(destinationPath);
    } catch (...) {
        QFile::remove(destinationPath);
        throw;
    }
}

void compactDatabaseFile(const QString& sourcePath, const QString& destinationPath)
{
    Database source = Database::open(sourcePath);
    try {
        compactDatabase(source, destinationPath);
    } catch (...) {
        source.close();
        throw;
    }
    source.close();
}

bool verifyDatabaseFile(const QString& path, QString* problem)
{
    try {
        Database db = Database::open(path);
        const QString result = db.integrityCheck();
        db.close();
        if (result == QLatin1String("ok"))
            return true;
        if (problem)
            *problem = QStringLiteral("Plik bazy danych jest uszkodzony (%1).").arg(result);
    } catch (const JetError& e) {
        if (problem)
            *problem = e.description();
    }
    return false;
}

} // namespace trelimor::db
