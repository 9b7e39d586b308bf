#include "FuzzSupport.h"

#include "bench/SilentDialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdlib>

#include <unistd.h>

namespace trelimor::fuzz {

void installSilentDialogs()
{
    ui::setDialogs(std::make_unique<bench::SilentDialogs>()); // the benchmarks' service serves here too
}

QByteArray bytesOf(const uint8_t* data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
}

QString scratchPath(const QString& suffix)
{
    static const QString folder =
        QFileInfo(QStringLiteral("/dev/shm")).isDir() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    return QStringLiteral("%1/trelimor-fuzz-%2%3").arg(folder).arg(::getpid()).arg(suffix);
}

QString scratchFile(const QByteArray& bytes, const QString& suffix)
{
    const QString path = scratchPath(suffix);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::abort(); // no input reaches the parser: the run would prove nothing
    return path;
}

} // namespace trelimor::fuzz
