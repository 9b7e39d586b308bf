#include "ZipFileSource.h"

#include "platform/paths/DurableFiles.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trelimor::zip::detail {

namespace {

struct FileSource
{
    explicit FileSource(const QString& archive)
        : path(archive)
        , encoded(QFile::encodeName(archive))
    {
        zip_error_init(&error);
    }

    ~FileSource()
    {
        if (readFd >= 0)
            ::close(readFd);
        dropTemporary();
        zip_error_fini(&error);
    }

    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    void dropTemporary()
    {
        if (writeFd < 0)
            return;
        ::close(writeFd);
        writeFd = -1;
        ::unlink(temporary.constData());
    }

    QString path;
    QByteArray encoded;
    QByteArray temporary; // the new archive while it is written, encoded as path is
    int readFd = -1;
    int writeFd = -1;
    zip_error_t error;
};

zip_int64_t fail(FileSource& source, int zipError, int systemError)
{
    zip_error_set(&source.error, zipError, systemError);
    return -1;
}

zip_int64_t statArchive(FileSource& source, void* data, zip_uint64_t length)
{
    auto* stat = ZIP_SOURCE_GET_ARGS(zip_stat_t, data, length, &source.error);
    if (!stat)
        return -1;
    struct stat info;
    if (::stat(source.encoded.constData(), &info) != 0)
        return fail(source, ZIP_ER_READ, errno); // ENOENT tells libzip the archive is new
    if (!S_ISREG(info.st_mode))
        return fail(source, ZIP_ER_OPEN, S_ISDIR(info.st_mode) ? EISDIR : EINVAL);
    zip_stat_init(stat);
    stat->size = zip_uint64_t(info.st_size);
    stat->mtime = info.st_mtime;
    stat->valid |= ZIP_STAT_SIZE | ZIP_STAT_MTIME;
    return sizeof(*stat);
}

zip_int64_t seek(FileSource& source, int fd, void* data, zip_uint64_t length)
{
    const auto* args = ZIP_SOURCE_GET_ARGS(zip_source_args_seek_t, data, length, &source.error);
    if (!args)
        return -1;
    if (::lseek(fd, off_t(args->offset), args->whence) < 0)
        return fail(source, ZIP_ER_SEEK, errno);
    return 0;
}

zip_int64_t tell(FileSource& source, int fd)
{
    const off_t offset = ::lseek(fd, 0, SEEK_CUR);
    return offset < 0 ? fail(source, ZIP_ER_TELL, errno) : zip_int64_t(offset);
}

zip_int64_t readSome(FileSource& source, void* data, zip_uint64_t length)
{
    ssize_t read = 0;
    do
        read = ::read(source.readFd, data, size_t(length));
    while (read < 0 && errno == EINTR);
    return read < 0 ? fail(source, ZIP_ER_READ, errno) : zip_int64_t(read);
}

zip_int64_t writeAll(FileSource& source, const void* data, zip_uint64_t length)
{
    const char* bytes = static_cast<const char*>(data);
    zip_uint64_t done = 0;
    while (done < length) {
        const ssize_t written = ::write(source.writeFd, bytes + done, size_t(length - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return fail(source, ZIP_ER_WRITE, written < 0 ? errno : ENOSPC);
        done += zip_uint64_t(written);
    }
    return zip_int64_t(length);
}

zip_int64_t beginWrite(FileSource& source)
{
    source.temporary = QFile::encodeName(paths::temporaryPathBeside(source.path));
    source.writeFd = ::open(source.temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (source.writeFd < 0)
        return fail(source, ZIP_ER_TMPOPEN, errno);
    // The archive keeps the rights it had.
    struct stat info;
    if (::stat(source.encoded.constData(), &info) == 0)
        ::fchmod(source.writeFd, info.st_mode & 07777);
    return 0;
}

// Gives up the new archive after a call that failed (errno says why): its file is closed and
// removed, and the archive stays as it was.
zip_int64_t abandonWrite(FileSource& source, int zipError)
{
    const int systemError = errno;
    if (source.writeFd >= 0)
        ::close(std::exchange(source.writeFd, -1));
    ::unlink(source.temporary.constData());
    return fail(source, zipError, systemError);
}

// The new archive goes to the disk before it takes the old one's name, as every file the program
// writes: a power cut leaves the old archive or the new one, never a part of it.
zip_int64_t commitWrite(FileSource& source)
{
    if (::fsync(source.writeFd) != 0 || ::close(std::exchange(source.writeFd, -1)) != 0)
        return abandonWrite(source, ZIP_ER_WRITE);
    if (::rename(source.temporary.constData(), source.encoded.constData()) != 0)
        return abandonWrite(source, ZIP_ER_RENAME);
    if (!paths::syncFolder(QFileInfo(source.path).absolutePath()))
        return fail(source, ZIP_ER_WRITE, errno);
    return 0;
}

zip_int64_t callback(void* state, void* data, zip_uint64_t length, zip_source_cmd_t command)
{
    FileSource& source = *static_cast<FileSource*>(state);
    switch (command) {
    case ZIP_SOURCE_OPEN:
        source.readFd = ::open(source.encoded.constData(), O_RDONLY | O_CLOEXEC);
        return source.readFd < 0 ? fail(source, ZIP_ER_OPEN, errno) : 0;
    case ZIP_SOURCE_READ:
        return readSome(source, data, length);
    case ZIP_SOURCE_CLOSE:
        ::close(std::exchange(source.readFd, -1));
        return 0;
    case ZIP_SOURCE_STAT:
        return statArchive(source, data, length);
    case ZIP_SOURCE_SEEK:
        return seek(source, source.readFd, data, length);
    case ZIP_SOURCE_TELL:
        return tell(source, source.readFd);
    case ZIP_SOURCE_BEGIN_WRITE:
        return beginWrite(source);
    case ZIP_SOURCE_WRITE:
        return writeAll(source, data, length);
    case ZIP_SOURCE_SEEK_WRITE:
        return seek(source, source.writeFd, data, length);
    case ZIP_SOURCE_TELL_WRITE:
        return tell(source, source.writeFd);
    case ZIP_SOURCE_COMMIT_WRITE:
        return commitWrite(source);
    case ZIP_SOURCE_ROLLBACK_WRITE:
        source.dropTemporary();
        return 0;
    case ZIP_SOURCE_REMOVE:
        return ::unlink(source.encoded.constData()) == 0 ? 0 : fail(source, ZIP_ER_REMOVE, errno);
    case ZIP_SOURCE_ACCEPT_EMPTY:
        return 0; // an empty file is no archive, as libzip's own file source holds
    case ZIP_SOURCE_ERROR:
        return zip_error_to_data(&source.error, data, length);
    case ZIP_SOURCE_FREE:
        delete &source;
        return 0;
    case ZIP_SOURCE_SUPPORTS:
        return ZIP_SOURCE_SUPPORTS_WRITABLE | ZIP_SOURCE_MAKE_COMMAND_BITMASK(ZIP_SOURCE_ACCEPT_EMPTY);
    default:
        return fail(source, ZIP_ER_OPNOTSUPP, 0);
    }
}

} // namespace

zip_source_t* archiveFileSource(const QString& path, zip_error_t* error)
{
    auto* state = new FileSource(path);
    zip_source_t* source = zip_source_function_create(&callback, state, error);
    if (!source)
        delete state;
    return source;
}

} // namespace trelimor::zip::detail
