#include "ZipSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace trelimor::zip {

namespace {

ZipEntry entryAt(const detail::Archive& archive, zip_uint64_t index)
{
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive.get(), index, 0, &stat) != 0)
        throw ZipError(QStringLiteral("Archiwum %1 jest uszkodzone: %2.")
                           .arg(archive.path(), detail::reasonText(zip_get_error(archive.get()))));
    ZipEntry entry;
    entry.name = QString::fromUtf8(stat.name);
    entry.isFolder = entry.name.endsWith(QLatin1Char('/'));
    if (stat.valid & ZIP_STAT_SIZE)
        entry.size = qint64(stat.size);
    if (stat.valid & ZIP_STAT_COMP_SIZE)
        entry.compressedSize = qint64(stat.comp_size);
    if (stat.valid & ZIP_STAT_MTIME)
        entry.modified = QDateTime::fromSecsSinceEpoch(stat.mtime);
    entry.encrypted = (stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE;
    return entry;
}

QList<ZipEntry> entriesOf(const detail::Archive& archive)
{
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    QList<ZipEntry> entries;
    entries.reserve(count);
    for (zip_int64_t i = 0; i < count; ++i)
        entries.append(entryAt(archive, zip_uint64_t(i)));
    return entries;
}

// One entry to unpack: where it goes, and where it waits until every entry has been read.
struct Planned
{
    zip_uint64_t index = 0;
    ZipEntry entry;
    QString target;
    QString staged;
};

bool mayReplace(const QString& path, const ExtractOptions& options, bool& cancelled)
{
    switch (options.overwrite) {
    case ExtractOptions::Overwrite::Always:
        return true;
    case ExtractOptions::Overwrite::Never:
        return false;
    case ExtractOptions::Overwrite::Ask:
        break;
    }
    if (!options.askOverwrite)
        return false;
    const OverwriteAnswer answer = options.askOverwrite(path);
    cancelled = answer == OverwriteAnswer::Cancel;
    return answer == OverwriteAnswer::Yes;
}

bool insideFolder(const QString& path, const QString& canonicalFolder)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return !canonical.isEmpty() &&
           (canonical == canonicalFolder || canonical.startsWith(canonicalFolder + QLatin1Char('/')));
}

void stage(const detail::Archive& archive, const Planned& item)
{
    QFile out(item.staged);
    if (!out.open(QIODevice::WriteOnly))
        throw ZipError(QStringLiteral("Nie można zapisać pliku %1: %2.").arg(item.target, out.errorString()));
    archive.readEntry(item.index, item.entry.name,
                      [&out](const char* data, qint64 size) { return out.write(data, size) == size; });
    if (!out.flush())
        throw ZipError(QStringLiteral("Nie można zapisać pliku %1: %2.").arg(item.target, out.errorString()));
    if (item.entry.modified.isValid())
        out.setFileTime(item.entry.modified, QFileDevice::FileModificationTime);
}

// Creates a folder below the target, refusing one that a link already there would lead elsewhere.
void makeFolderInside(const QString& folder, const QString& canonicalTarget)
{
    QString existing = folder;
    while (!QFileInfo::exists(existing))
        existing = QFileInfo(existing).absolutePath();
    if (!insideFolder(existing, canonicalTarget) || !QDir().mkpath(folder) ||
        !insideFolder(folder, canonicalTarget))
        throw ZipError(QStringLiteral("Nie można utworzyć folderu %1.").arg(folder));
}

void moveIntoPlace(const Planned& item, const QString& canonicalTarget)
{
    makeFolderInside(QFileInfo(item.target).absolutePath(), canonicalTarget);
    const QFileInfo existing(item.target);
    if ((existing.exists() || existing.isSymLink()) && !QFile::remove(item.target))
        throw ZipError(QStringLiteral("Nie można zastąpić pliku %1.").arg(item.target));
    if (!QFile::rename(item.staged, item.target))
        throw ZipError(QStringLiteral("Nie można zapisać pliku %1.").arg(item.target));
}

// Unpacks every entry, or only the one named `entryName` when that is not a null text.
ExtractResult extract(const QString& archivePath, const QString& targetFolder, const ExtractOptions& options,
                      const QString& entryName)
{
    const detail::Archive archive = detail::Archive::openForReading(archivePath, options.password);
    const QList<ZipEntry> entries = entriesOf(archive);

    QList<Planned> plan;
    QStringList folders;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const ZipEntry& entry = entries.at(i);
        if (!entryName.isNull() && entry.name != entryName)
            continue;
        const auto relative = detail::safeRelativePath(entry.name);
        if (!relative)
            throw ZipError(QStringLiteral("Archiwum %1 zawiera niedozwoloną nazwę pliku %2.")
                               .arg(archivePath, entry.name));
        const QString placed = options.keepFolders ? *relative : QFileInfo(*relative).fileName();
        if (entry.isFolder) {
            if (options.keepFolders)
                folders.append(QDir(targetFolder).filePath(placed));
            continue;
        }
        plan.append({zip_uint64_t(i), entry, QDir(targetFolder).filePath(placed), {}});
    }
    if (!entryName.isNull() && plan.isEmpty() && folders.isEmpty())
        throw ZipError(QStringLiteral("W archiwum %1 nie ma pliku %2.").arg(archivePath, entryName));

    ExtractResult result;
    QList<Planned> toWrite;
    for (const Planned& item : plan) {
        const QFileInfo existing(item.target);
        if (existing.isDir())
            throw ZipError(QStringLiteral("Nie można zastąpić folderu %1 plikiem.").arg(item.target));
        if (existing.exists() && !result.written.contains(item.target) &&
            !mayReplace(item.target, options, result.cancelled)) {
            if (result.cancelled)
                return {{}, {}, true};
            result.skipped.append(item.target);
            continue;
        }
        toWrite.append(item);
        if (!result.written.contains(item.target))
            result.written.append(item.target);
    }

    if (!QDir().mkpath(targetFolder))
        throw ZipError(QStringLiteral("Nie można utworzyć folderu %1.").arg(targetFolder));
    const QString canonicalTarget = QFileInfo(targetFolder).canonicalFilePath();
    QTemporaryDir staging(QDir(targetFolder).filePath(QStringLiteral(".unzip-XXXXXX")));
    if (!staging.isValid())
        throw ZipError(QStringLiteral("Nie można zapisać plików w folderze %1.").arg(targetFolder));
    for (qsizetype i = 0; i < toWrite.size(); ++i) {
        toWrite[i].staged = staging.filePath(QString::number(i));
        stage(archive, toWrite.at(i));
    }

    for (const QString& folder : folders)
        makeFolderInside(folder, canonicalTarget);
    for (const Planned& item : toWrite)
        moveIntoPlace(item, canonicalTarget);
    return result;
}

} // namespace

QList<ZipEntry> listEntries(const QString& archivePath)
{
    return entriesOf(detail::Archive::openForReading(archivePath));
}

void testArchive(const QString& archivePath, const QString& password)
{
    const detail::Archive archive = detail::Archive::openForReading(archivePath, password);
    const QList<ZipEntry> entries = entriesOf(archive);
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (!entries.at(i).isFolder)
            archive.readEntry(zip_uint64_t(i), entries.at(i).name, {});
    }
}

ExtractResult extractAll(const QString& archivePath, const QString& targetFolder,
                         const ExtractOptions& options)
{
    return extract(archivePath, targetFolder, options, QString());
}

ExtractResult extractEntry(const QString& archivePath, const QString& entryName, const QString& targetFolder,
                           const ExtractOptions& options)
{
    if (entryName.isEmpty())
        throw ZipError(
            QStringLiteral("Nie podano nazwy pliku do rozpakowania z archiwum %1.").arg(archivePath));
    return extract(archivePath, targetFolder, options, entryName);
}

} // namespace trelimor::zip
