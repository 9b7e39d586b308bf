#pragma once

#include "platform/PlatformError.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace trelimor::zip {

// An archive that cannot be written, read or unpacked; the message is Polish and names the file.
class ZipError : public PlatformError
{
public:
    using PlatformError::PlatformError;
};

struct CreateOptions
{
    // true: a new archive replaces one of the same name; false: the files are added to an
    // existing archive, replacing entries of the same name (a missing archive is created).
    bool replaceArchive = true;
    // false: entries are stored under their file names alone; true: under their path relative to
    // baseFolder (or, without one, the path as given, less a leading "/").
    bool keepRelativePaths = false;
    QString baseFolder;
    // A listed folder adds every file below it; without this a listed folder is an error.
    bool recurseFolders = false;
};

// Packs files into an archive, compressed. Throws ZipError (and leaves an existing archive as it
// was) when a file cannot be read, two files would get the same entry name, a file lies outside
// baseFolder, the list is empty or the archive cannot be written.
void createArchive(const QString& archivePath, const QStringList& files, const CreateOptions& options = {});

struct ZipEntry
{
    QString name; // as stored, "/" between folders; a folder's name ends with "/"
    qint64 size = 0;
    qint64 compressedSize = 0;
    QDateTime modified;
    bool isFolder = false;
    bool encrypted = false;
};

// The entries of an archive in their stored order. Throws ZipError when it is missing or no zip.
QList<ZipEntry> listEntries(const QString& archivePath);

// Asked for the password when an encrypted entry is read and no password is known: the answer
// serves that entry and every later one of the same call. An empty answer gives none, and the
// question is not asked again in that call (each encrypted entry then fails for want of it).
using PasswordQuestion = std::function<QString(const QString& entryName)>;

// Reads every entry and checks its checksum. Throws ZipError naming the first damaged entry, or
// the first encrypted one that cannot be read with the password given (or answered).
void testArchive(const QString& archivePath, const QString& password = {},
                 const PasswordQuestion& askPassword = {});

enum class OverwriteAnswer { Yes, No, Cancel };

struct ExtractOptions
{
    enum class Overwrite { Always, Never, Ask };

    // true: entries go to their stored folders below the target; false: all into the target.
    bool keepFolders = true;
    Overwrite overwrite = Overwrite::Always;
    // Asked for every file that exists already when overwrite is Ask; Cancel stops before
    // anything is written. Without it, Ask behaves as Never.
    std::function<OverwriteAnswer(const QString& path)> askOverwrite;
    QString password;             // for encrypted entries
    PasswordQuestion askPassword; // when none was given
    // An archive that would unpack to more bytes than this is refused before anything is written.
    qint64 maxTotalSize = qint64(2) << 30;
    // So is one with an entry of more than a mebibyte packed beyond this many bytes per stored byte,
    // or whose entries together are: no file the program exchanges compresses so far, a zip bomb
    // does.
    int maxCompressionRatio = 500;
};

struct ExtractResult
{
    QStringList written; // full paths of the files written
    QStringList skipped; // full paths of existing files left as they were
    bool cancelled = false;
};

// Unpacks every entry into targetFolder (created when missing), all or nothing. Before anything
// is written every entry is checked: names with ".." or an absolute path, links and entries
// that are neither files nor folders, a name that is both a file and a folder (in the archive
// or against what the target holds), and the sizes (see ExtractOptions) refuse the archive.
// Files are unpacked into a staging folder beside the target and moved into place only when
// every entry has been read without fault; a file that cannot take its place takes back those
// placed before it. Throws ZipError, and the target is then as it was.
ExtractResult extractAll(const QString& archivePath, const QString& targetFolder,
                         const ExtractOptions& options = {});
// The same for the one entry of that stored name.
ExtractResult extractEntry(const QString& archivePath, const QString& entryName, const QString& targetFolder,
                           const ExtractOptions& options = {});

// Removes from folder the staging folders of unpackings that were killed part way, with the
// unpacked files in them: those whose every file was last changed before `before` (a newer one
// may be another program's work in progress). A staging folder that holds anything but unpacked
// files (a file it had taken aside while replacing it) is the user's and stays. The number of
// staging folders removed.
int removeLeftoverStaging(const QString& folder, const QDateTime& before);

} // namespace trelimor::zip
