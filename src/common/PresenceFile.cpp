#include "PresenceFile.h"

#include "Cp1250.h"
#include "TextHelpers.h"

#include "platform/paths/DurableFiles.h"
#include "platform/paths/Folders.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QSysInfo>

#include <pwd.h>
#include <unistd.h>

#include <functional>

namespace trelimor {

namespace {

const QString kFileName = QStringLiteral("Stale.ldb");
// Programs change the file for a moment only; a longer wait means a program hangs holding it.
constexpr int kLockWaitMilliseconds = 5000;

QString loggedInUser()
{
    if (const passwd* entry = ::getpwuid(::geteuid()); entry && entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name);
    return qEnvironmentVariable("USER");
}

QString decode(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes)
        text.append(cp1250::character(static_cast<unsigned char>(byte)));
    return text;
}

QByteArray encode(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar ch : text) {
        const int code = cp1250::code(ch);
        bytes.append(code < 0 ? '?' : char(code));
    }
    return bytes;
}

// The 36-character pieces of every line, as they stand.
QStringList pieces(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList result;
    for (const QString& line : text.split(lineBreak)) {
        for (qsizetype at = 0; at + PresenceFile::RecordLength <= line.size();
             at += PresenceFile::RecordLength)
            result.append(line.mid(at, PresenceFile::RecordLength));
    }
    return result;
}

void dropRecord(QStringList& records, const QString& record)
{
    const QString own = trimBlanks(record).toString();
    records.removeIf([&own](const QString& r) { return trimBlanks(r) == own; });
}

bool fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

// Reads the records, lets change edit them and writes them back, while no other program can
// do the same: two programs starting together must not lose each other's record.
bool rewrite(const QString& path, const std::function<void(QStringList&)>& change, QString* error)
{
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockWaitMilliseconds))
        return fail(error, QStringLiteral("Plik %1 jest zajęty przez inny program.").arg(path));
    QStringList records;
    QFile file(path);
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly))
            return fail(error, file.errorString());
        records = pieces(decode(file.readAll()));
        file.close();
    }
    change(records);
    if (records.isEmpty()) {
        if (file.exists() && !file.remove())
            return fail(error, file.errorString());
        return true;
    }
    return paths::writeFileAtomically(path, encode(records.join(QString())), error);
}

} // namespace

QString PresenceFile::pathFor(const QString& dictionaryPath)
{
    const QString folder = !dictionaryPath.isEmpty() && paths::liesUnderNetworkFolder(dictionaryPath)
                               ? paths::networkDataFolder()
                               : paths::dataFolder();
    return paths::join(folder, kFileName);
}

QString PresenceFile::recordFor(const QString& host, const QString& user)
{
    return (host + QLatin1Char(' ') + user).leftJustified(RecordLength, QLatin1Char(' '), true);
}

QStringList PresenceFile::entries(const QString& text)
{
    QStringList result = pieces(text);
    for (QString& entry : result)
        entry = trimBlanks(entry).toString();
    return result;
}

QStringList PresenceFile::readEntries(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return entries(decode(file.readAll()));
}

PresenceFile::PresenceFile()
    : PresenceFile(QSysInfo::machineHostName(), loggedInUser())
{}

PresenceFile::PresenceFile(const QString& host, const QString& user)
    : m_record(recordFor(host, user))
{}

PresenceFile::~PresenceFile()
{
    close();
}

bool PresenceFile::open(const QString& dictionaryPath, QString* error)
{
    close();
    const QString path = pathFor(dictionaryPath);
    if (!QFileInfo(QFileInfo(path).absolutePath()).isDir())
        return fail(error, QStringLiteral("Brak katalogu %1.").arg(QFileInfo(path).absolutePath()));
    const bool added = rewrite(
        path,
        [this](QStringList& records) {
            dropRecord(records, m_record);
            records.append(m_record);
        },
        error);
    if (added)
        m_path = path;
    return added;
}

void PresenceFile::close()
{
    if (!isOpen())
        return;
    // A record that cannot be removed now stays until this host and user open the file again.
    rewrite(
        m_path, [this](QStringList& records) { dropRecord(records, m_record); }, nullptr);
    m_path.clear();
}

QStringList PresenceFile::otherUsers(const QString& path) const
{
    QStringList users = readEntries(path);
    users.removeOne(trimBlanks(m_record).toString());
    return users;
}

} // namespace trelimor
