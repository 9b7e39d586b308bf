#include "ZipPlacement.h"
#include "ZipSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <optional>

namespace trelimor::zip {

namespace {

// Entries smaller than this are not judged by their compression: small files of one repeated
// byte compress far without harm.
constexpr qint64 kRatioCheckedFrom = qint64(1) << 20;

// One file to unpack: where it goes, and where it waits until every file has been read.
struct Planned
{
    zip_uint64_t index = 0;
    ZipEntry entry;
    QString relative; // below the target folder
    QString target;
    QString staged;
};

struct Plan
{
    QList<Planned> files;
    QStringList folders; // below the target folder, from the archive's folder entries
};

enum class Kind { File, Folder, Link, Other };

// What an entry stands for, by the Unix file mode its maker recorded; archives that record none
// (made on Windows) hold folders, named with a closing "/", and files.
Kind kindOf(const detail::Archive& archive, zip_uint64_t index, const ZipEntry& entry)
{
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(archive.get(), index, 0, &system, &attributes) == 0 &&
        system == ZIP_OPSYS_UNIX) {
        switch ((attributes >> 16) & S_IFMT) {
        case 0:
        case S_IFREG:
            break;
        case S_IFDIR:
            return Kind::Folder;
        case S_IFLNK:
            return Kind::Link;
        default:
            return Kind::Other;
        }
    }
    return entry.isFolder ? Kind::Folder : Kind::File;
}

// The files and folders to unpack (every entry, or only the one named entryName when that is not
// a null text). An entry that may not be unpacked refuses the whole archive.
Plan planOf(const detail::Archive& archive, const QString& targetFolder, const ExtractOptions& options,
            const QString& entryName)
{
    const QList<ZipEntry> entries = detail::entriesOf(archive);
    Plan plan;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const ZipEntry& entry = entries.at(i);
        if (!entryName.isNull() && entry.name != entryName)
            continue;
        const auto relative = detail::safeRelativePath(entry.name);
        if (!relative)
            throw ZipError(QStringLiteral("Archiwum %1 zawiera niedozwoloną nazwę pliku %2.")
                               .arg(archive.path(), entry.name));
        switch (kindOf(archive, zip_uint64_t(i), entry)) {
        case Kind::Link:
            throw ZipError(
                QStringLiteral("Archiwum %1 zawiera dowiązanie %2, którego program nie rozpakowuje.")
                    .arg(archive.path(), entry.name));
        case Kind::Other:
            throw ZipError(
                QStringLiteral("Archiwum %1 zawiera wpis %2, który nie jest zwykłym plikiem ani folderem.")
                    .arg(archive.path(), entry.name));
        case Kind::Folder:
            if (options.keepFolders)
                plan.folders.append(*relative);
            continue;
        case Kind::File:
            break;
        }
        const QString placed = options.keepFolders ? *relative : QFileInfo(*relative).fileName();
        plan.files.append({zip_uint64_t(i), entry, placed, QDir(targetFolder).filePath(placed), {}});
    }
    if (!entryName.isNull() && plan.files.isEmpty() && plan.folders.isEmpty())
        throw ZipError(QStringLiteral("W archiwum %1 nie ma pliku %2.").arg(archive.path(), entryName));
    return plan;
}

QString sizeText(qint64 bytes)
{
    if (bytes < (qint64(10) << 20))
        return QStringLiteral("%1 bajtów").arg(bytes);
    return QStringLiteral("%1 MB").arg(bytes >> 20);
}

// How many bytes unpacked come of one packed byte, when there are enough of them to judge by.
std::optional<qint64> ratioOf(qint64 size, qint64 compressedSize, const ExtractOptions& options)
{
    const qint64 ratio = size / std::max<qint64>(compressedSize, 1);
    if (size > kRatioCheckedFrom && ratio > options.maxCompressionRatio)
        return ratio;
    return std::nullopt;
}

// Refuses an archive that would fill the disk: too much in all, or an entry or the whole archive
// packed beyond reason (many entries, none large, can make a bomb as well as one can).
void checkSizes(const QString& archivePath, const Plan& plan, const ExtractOptions& options)
{
    qint64 total = 0;
    qint64 packed = 0;
    for (const Planned& item : plan.files) {
        if (const auto ratio = ratioOf(item.entry.size, item.entry.compressedSize, options))
            throw ZipError(QStringLiteral("Archiwum %1 zawiera plik %2 o nieprawdopodobnym stopniu kompresji "
                                          "(%3:1); archiwum nie zostanie rozpakowane.")
                               .arg(archivePath, item.entry.name)
                               .arg(*ratio));
        total += item.entry.size;
        packed += item.entry.compressedSize;
    }
    if (total > options.maxTotalSize)
        throw ZipError(QStringLiteral("Archiwum %1 po rozpakowaniu zajęłoby %2, więcej niż dopuszczalne %3.")
                           .arg(archivePath, sizeText(total), sizeText(options.maxTotalSize)));
    if (const auto ratio = ratioOf(total, packed, options))
        throw ZipError(
            QStringLiteral("Archiwum %1 ma nieprawdopodobny stopień kompresji (%2:1); archiwum nie "
                           "zostanie rozpakowane.")
                .arg(archivePath)
                .arg(*ratio));
}

// Refuses a name that would be a file and a folder at once, in the archive or against what stands
// in the target folder already.
void checkShape(const QString& archivePath, const QString& targetFolder, const Plan& plan)
{
    QSet<QString> files;
    QSet<QString> folders(plan.folders.cbegin(), plan.folders.cend());
    for (const Planned& item : plan.files) {
        files.insert(item.relative);
        for (qsizetype slash = item.relative.indexOf(u'/'); slash > 0;
             slash = item.relative.indexOf(u'/', slash + 1))
            folders.insert(item.relative.left(slash));
    }
    QStringList sorted(folders.cbegin(), folders.cend());
    sorted.sort();
    for (const QString& folder : std::as_const(sorted)) {
        if (files.contains(folder))
            throw ZipError(
                QStringLiteral("Nie można rozpakować archiwum %1: %2 jest w nim i plikiem, i folderem.")
                    .arg(archivePath, folder));
        const QFileInfo existing(QDir(targetFolder).filePath(folder));
        if ((existing.exists() || existing.isSymLink()) && !existing.isDir())
            throw ZipError(QStringLiteral("Nie można rozpakować archiwum %1: w miejscu folderu %2 jest plik.")
                               .arg(archivePath, existing.filePath()));
    }
    for (const Planned& item : plan.files)
        if (QFileInfo(item.target).isDir())
            throw ZipError(QStringLiteral("Nie można zastąpić folderu %1 plikiem.").arg(item.target));
}

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

// Unpacks one file into its staging place. Its data may not outgrow what the archive's list says
// of it: the size limits were judged by that.
void stage(detail::Archive& archive, const Planned& item)
{
    QFile out(item.staged);
    if (!out.open(QIODevice::WriteOnly))
        throw ZipError(QStringLiteral("Nie można zapisać pliku %1: %2.").arg(item.target, out.errorString()));
    qint64 written = 0;
    bool oversized = false;
    try {
        archive.readEntry(item.index, item.entry.name, [&](const char* data, qint64 size) {
            written += size;
            oversized = written > item.entry.size;
            return !oversized && out.write(data, size) == size;
        });
    } catch (const ZipError&) {
        if (oversized)
            throw ZipError(
                QStringLiteral("Archiwum %1 jest uszkodzone: plik %2 jest większy, niż podaje archiwum.")
                    .arg(archive.path(), item.entry.name));
        throw;
    }
    if (!out.flush())
        throw ZipError(QStringLiteral("Nie można zapisać pliku %1: %2.").arg(item.target, out.errorString()));
    if (item.entry.modified.isValid())
        out.setFileTime(item.entry.modified, QFileDevice::FileModificationTime);
    // On the disk before it takes its place, as every file the program writes.
    if (::fsync(out.handle()) != 0)
        throw ZipError(QStringLiteral("Nie można zapisać pliku %1 na dysku.").arg(item.target));
}

ExtractResult extract(const QString& archivePath, const QString& targetFolder, const ExtractOptions& options,
                      const QString& entryName)
{
    detail::Archive archive = detail::Archive::openForReading(archivePath, options.password);
    archive.setPasswordQuestion(options.askPassword);
    const Plan plan = planOf(archive, targetFolder, options, entryName);
    checkSizes(archivePath, plan, options);
    checkShape(archivePath, targetFolder, plan);

    ExtractResult result;
    QList<Planned> toWrite;
    for (const Planned& item : plan.files) {
        if (QFileInfo::exists(item.target) && !result.written.contains(item.target) &&
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

    const bool targetExisted = QFileInfo::exists(targetFolder);
    if (!QDir().mkpath(targetFolder))
        throw ZipError(QStringLiteral("Nie można utworzyć folderu %1.").arg(targetFolder));
    try {
        const QString canonicalTarget = QFileInfo(targetFolder).canonicalFilePath();
        QTemporaryDir staging(QDir(targetFolder).filePath(detail::kStagingTemplate));
        if (!staging.isValid())
            throw ZipError(QStringLiteral("Nie można zapisać plików w folderze %1.").arg(targetFolder));
        for (qsizetype i = 0; i < toWrite.size(); ++i) {
            toWrite[i].staged = staging.filePath(QString::number(i));
            stage(archive, toWrite.at(i));
        }
        // Every file is read whole: now they take their places, all of them or none.
        detail::Placement placement(canonicalTarget, staging.path());
        try {
            for (const QString& folder : plan.folders)
                placement.makeFolder(QDir(targetFolder).filePath(folder));
            for (const Planned& item : std::as_const(toWrite))
                placement.place(item.staged, item.target);
        } catch (const ZipError& e) {
            const QString stranded = placement.undo();
            if (stranded.isEmpty())
                throw;
            staging.setAutoRemove(false); // it holds what the user had
            throw ZipError(e.message() + QLatin1Char(' ') + stranded);
        }
        placement.finish();
    } catch (...) {
        if (!targetExisted) // a folder made for nothing is not left behind (nothing was replaced)
            QDir(targetFolder).removeRecursively();
        throw;
    }
    return result;
}

} // namespace

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
