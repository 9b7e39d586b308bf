#include "Maintenance.h"

#include "Database.h"
#include "JetError.h"

#include "platform/paths/DurableFiles.h"

#include <QFile>
#include <QFileInfo>

namespace trelimor::db {

void syncToDisk(const QString& filePath)
{
    if (!paths::syncFile(filePath) || !paths::syncFolder(QFileInfo(filePath).absolutePath()))
        throw JetError::fromNumber(jet::DiskOrNetworkError);
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
