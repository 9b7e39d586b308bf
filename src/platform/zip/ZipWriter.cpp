#include "ZipSupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace trelimor::zip {

namespace {

constexpr zip_uint32_t kCompressionLevel = 6;

struct Member
{
    QString source;
    QString entryName;
};

QString entryNameFor(const QString& file, const CreateOptions& options)
{
    const QFileInfo info(file);
    if (!options.keepRelativePaths)
        return info.fileName();

    QString name;
    if (!options.baseFolder.isEmpty())
        name = QDir(options.baseFolder).relativeFilePath(info.absoluteFilePath());
    else
        name = QDir::cleanPath(file);
    while (name.startsWith(QLatin1String("./")))
        name.remove(0, 2);
    while (name.startsWith(QLatin1Char('/')))
        name.remove(0, 1);
    const auto safe = detail::safeRelativePath(name);
    if (!safe || QDir::isAbsolutePath(name)) {
        const QString folder = options.baseFolder.isEmpty() ? QDir::currentPath() : options.baseFolder;
        throw ZipError(QStringLiteral("Plik %1 leży poza folderem %2.").arg(file, folder));
    }
    return *safe;
}

QStringList filesBelow(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    std::sort(files.begin(), files.end());
    return files;
}

QList<Member> membersOf(const QString& archivePath, const QStringList& files, const CreateOptions& options)
{
    QStringList sources;
    for (const QString& file : files) {
        const QFileInfo info(file);
        if (info.isDir()) {
            if (!options.recurseFolders)
                throw ZipError(QStringLiteral("%1 jest folderem, a nie plikiem.").arg(file));
            sources += filesBelow(file);
        } else if (!info.isFile() || !info.isReadable()) {
            throw ZipError(QStringLiteral("Nie można odczytać pliku %1.").arg(file));
        } else {
            sources.append(file);
        }
    }
    if (sources.isEmpty())
        throw ZipError(QStringLiteral("Brak plików do spakowania do archiwum %1.").arg(archivePath));

    QList<Member> members;
    QSet<QString> names;
    for (const QString& source : sources) {
        const QString name = entryNameFor(source, options);
        if (names.contains(name))
            throw ZipError(QStringLiteral("Nazwa %1 powtarza się w archiwum %2.").arg(name, archivePath));
        names.insert(name);
        members.append({source, name});
    }
    return members;
}

} // namespace

void createArchive(const QString& archivePath, const QStringList& files, const CreateOptions& options)
{
    const QList<Member> members = membersOf(archivePath, files, options);
    detail::Archive archive = detail::Archive::openForWriting(archivePath, options.replaceArchive);
    for (const Member& member : members) {
        zip_source_t* source =
            zip_source_file(archive.get(), QFile::encodeName(member.source).constData(), 0, -1);
        if (!source)
            throw ZipError(QStringLiteral("Nie można odczytać pliku %1.").arg(member.source));
        const auto cannotAdd = [&] {
            return ZipError(
                QStringLiteral("Nie można dodać pliku %1 do archiwum %2: %3.")
                    .arg(member.source, archivePath, detail::reasonText(zip_get_error(archive.get()))));
        };
        const zip_int64_t index = zip_file_add(archive.get(), member.entryName.toUtf8().constData(), source,
                                               ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(source);
            throw cannotAdd();
        }
        // The usual deflate level of zip programs: libzip's own default is the slowest level,
        // several times slower for a percent or two of size.
        const int level =
            zip_set_file_compression(archive.get(), zip_uint64_t(index), ZIP_CM_DEFLATE, kCompressionLevel);
        if (level < 0)
            throw cannotAdd();
    }
    archive.commit();
}

} // namespace trelimor::zip
