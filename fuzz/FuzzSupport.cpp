#include "FuzzSupport.h"

#include "platform/ui/DialogService.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdlib>

#include <unistd.h>

namespace trelimor::fuzz {

namespace {

class SilentDialogs : public ui::DialogService
{
public:
    void message(const QString&, const QString&, ui::Icon) override {}
    bool askYesNo(const QString&, const QString&, ui::Icon, bool) override { return false; }
    ui::Answer askYesNoCancel(const QString&, const QString&, ui::Icon) override
    {
        return ui::Answer::Cancel;
    }
    bool askOkCancel(const QString&, const QString&, ui::Icon) override { return false; }
    QString openFile(const QString&, const QString&, const QString&, int) override { return {}; }
    QString saveFile(const QString&, const QString&, const QString&, int) override { return {}; }
    bool printerSetup(QPrinter&) override { return false; }
    void beep() override {}
};

} // namespace

void installSilentDialogs()
{
    ui::setDialogs(std::make_unique<SilentDialogs>());
}

QByteArray bytesOf(const uint8_t* data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
}

QString scratchFile(const QByteArray& bytes, const QString& suffix)
{
    static const QString folder =
        QFileInfo(QStringLiteral("/dev/shm")).isDir() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    const QString path = QStringLiteral("%1/trelimor-fuzz-%2%3").arg(folder).arg(::getpid()).arg(suffix);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::abort(); // no input reaches the parser: the run would prove nothing
    return path;
}

} // namespace trelimor::fuzz
