#include "platform/paths/DurableFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTemporaryFile>

#include <fcntl.h>
#include <unistd.h>

namespace trelimor::paths {

namespace {

bool syncPath(const QString& path, int flags)
{
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
}

bool fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

} // namespace

bool ensureFolder(const QString& path)
{
    return !path.isEmpty() && QDir().mkpath(path) && QFileInfo(path).isDir();
}

bool syncFile(const QString& path)
{
    return syncPath(path, 0);
}

bool syncFolder(const QString& path)
{
    return syncPath(path, O_DIRECTORY);
}

bool writeFileAtomically(const QString& path, const QByteArray& data, QString* error)
{
    return writeFileAtomically(
        path, [&data](QIODevice& out) { return out.write(data) == data.size(); }, error);
}

bool writeFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, file.errorString());
    if (!write(file)) {
        const QString reason = file.error() != QFileDevice::NoError ? file.errorString()
                                                                    : QStringLiteral("Writing was abandoned");
        file.cancelWriting(); // the temporary file goes away with the object
        return fail(error, reason);
    }
    // commit() flushes the temporary file to the disk before renaming it over the target.
    if (!file.commit())
        return fail(error, file.errorString());
    if (!syncFolder(QFileInfo(path).absolutePath()))
        return fail(error, QStringLiteral("Cannot flush the folder of %1 to the disk").arg(path));
    return true;
}

QString temporaryPathBeside(const QString& target)
{
    QTemporaryFile reserve(target + QStringLiteral(".tmp-XXXXXX"));
    reserve.setAutoRemove(false);
    if (!reserve.open()) {
        // The folder takes no file: the caller's own attempt at the name fails and says why.
        static const QString alphabet =
            QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");
        QString name = target + QStringLiteral(".tmp-");
        for (int i = 0; i < 6; ++i)
            name += alphabet.at(QRandomGenerator::global()->bounded(int(alphabet.size())));
        return name;
    }
    const QString path = reserve.fileName();
    reserve.close();
    QFile::remove(path);
    return path;
}

int removeLeftoverTemporaries(const QString& folder, const QDateTime& before)
{
    static const QRegularExpression temporary(
        QStringLiteral("^.+\\.tmp-[A-Za-z0-9]{6}(-journal|-wal|-shm)?$"));
    int removed = 0;
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden);
    for (const QFileInfo& file : files) {
        if (temporary.match(file.fileName()).hasMatch() && file.lastModified() < before &&
            QFile::remove(file.absoluteFilePath()))
            ++removed;
    }
    return removed;
}

bool copyFileAtomically(const QString& source, const QString& target, QString* error)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return fail(error, in.errorString());
    QString readError;
    const bool copied = writeFileAtomically(
        target,
        [&in, &readError](QIODevice& out) {
            constexpr qint64 ChunkSize = 1 << 20;
            while (!in.atEnd()) {
                const QByteArray chunk = in.read(ChunkSize);
                if (chunk.isEmpty()) {
                    readError = in.errorString();
                    return false;
                }
                if (out.write(chunk) != chunk.size())
                    return false;
            }
            return true;
        },
        error);
    if (!copied && !readError.isEmpty())
        return fail(error, readError);
    return copied;
}

} // namespace trelimor::paths
