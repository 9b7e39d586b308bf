#include "ZipSupport.h"

#include "ZipFileSource.h"

#include "platform/PlatformError.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace trelimor::zip::detail {

QString reasonText(int zipErrorCode)
{
    switch (zipErrorCode) {
    case ZIP_ER_CRC:
        return QStringLiteral("błędna suma kontrolna");
    case ZIP_ER_NOZIP:
        return QStringLiteral("plik nie jest archiwum zip");
    case ZIP_ER_INCONS:
        return QStringLiteral("niespójna struktura archiwum");
    case ZIP_ER_EOF:
        return QStringLiteral("archiwum jest niekompletne");
    case ZIP_ER_ZLIB:
    case ZIP_ER_COMPRESSED_DATA:
        return QStringLiteral("uszkodzone dane skompresowane");
    case ZIP_ER_COMPNOTSUPP:
        return QStringLiteral("nieobsługiwana metoda kompresji");
    case ZIP_ER_ENCRNOTSUPP:
        return QStringLiteral("nieobsługiwana metoda szyfrowania");
    case ZIP_ER_NOPASSWD:
        return QStringLiteral("plik jest zaszyfrowany, a nie podano hasła");
    case ZIP_ER_WRONGPASSWD:
        return QStringLiteral("nieprawidłowe hasło");
    case ZIP_ER_MEMORY:
        return QStringLiteral("brak pamięci");
    case ZIP_ER_READ:
    case ZIP_ER_SEEK:
    case ZIP_ER_TELL:
        return QStringLiteral("błąd odczytu");
    case ZIP_ER_WRITE:
    case ZIP_ER_CLOSE:
        return QStringLiteral("błąd zapisu");
    case ZIP_ER_OPEN:
        return QStringLiteral("nie można otworzyć pliku");
    case ZIP_ER_TMPOPEN:
    case ZIP_ER_RENAME:
    case ZIP_ER_REMOVE:
        return QStringLiteral("nie można zapisać pliku w folderze archiwum");
    case ZIP_ER_MULTIDISK:
        return QStringLiteral("archiwa wieloczęściowe nie są obsługiwane");
    default: {
        zip_error_t error;
        zip_error_init_with_code(&error, zipErrorCode);
        const QString text = QString::fromLocal8Bit(zip_error_strerror(&error));
        zip_error_fini(&error);
        return text;
    }
    }
}

QString reasonText(zip_error_t* error)
{
    // Our own file source hands libzip the system's error of a failed write: a full disk is said
    // as the other writers say it.
    if (zip_error_system_type(error) == ZIP_ET_SYS && isDiskFull(zip_error_code_system(error)))
        return QStringLiteral("za mało miejsca na dysku");
    return reasonText(zip_error_code_zip(error));
}

Archive::Archive(zip_t* zip, QString path)
    : m_zip(zip)
    , m_path(std::move(path))
{}

Archive::Archive(Archive&& other) noexcept
    : m_zip(std::exchange(other.m_zip, nullptr))
    , m_path(std::move(other.m_path))
    , m_askPassword(std::move(other.m_askPassword))
    , m_passwordAsked(other.m_passwordAsked)
{}

Archive::~Archive()
{
    if (m_zip)
        zip_discard(m_zip);
}

Archive Archive::openForReading(const QString& path, const QString& password)
{
    if (!QFileInfo(path).isFile())
        throw ZipError(QStringLiteral("Nie można odnaleźć archiwum %1.").arg(path));
    int code = ZIP_ER_OK;
    zip_t* zip = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (!zip) {
        if (code == ZIP_ER_NOZIP || code == ZIP_ER_INCONS || code == ZIP_ER_EOF)
            throw ZipError(QStringLiteral("Plik %1 nie jest prawidłowym archiwum zip.").arg(path));
        throw ZipError(QStringLiteral("Nie można otworzyć archiwum %1: %2.").arg(path, reasonText(code)));
    }
    Archive archive(zip, path);
    if (!password.isEmpty()) {
        zip_set_default_password(zip, password.toUtf8().constData());
        archive.m_passwordAsked = true; // given: nobody is asked for another
    }
    return archive;
}

Archive Archive::openForWriting(const QString& path, bool replace)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = archiveFileSource(path, &error);
    zip_t* zip =
        source ? zip_open_from_source(source, ZIP_CREATE | (replace ? ZIP_TRUNCATE : 0), &error) : nullptr;
    const int code = zip_error_code_zip(&error);
    zip_error_fini(&error);
    if (!zip) {
        if (source)
            zip_source_free(source);
        if (code == ZIP_ER_NOZIP || code == ZIP_ER_INCONS)
            throw ZipError(QStringLiteral("Plik %1 nie jest prawidłowym archiwum zip.").arg(path));
        throw ZipError(QStringLiteral("Nie można utworzyć archiwum %1: %2.").arg(path, reasonText(code)));
    }
    return Archive(zip, path);
}

void Archive::commit()
{
    if (zip_close(m_zip) != 0)
        throw ZipError(QStringLiteral("Nie można zapisać archiwum %1: %2.")
                           .arg(m_path, reasonText(zip_get_error(m_zip))));
    m_zip = nullptr;
}

bool Archive::askPassword(const QString& entryName)
{
    if (m_passwordAsked || !m_askPassword)
        return false;
    m_passwordAsked = true;
    const QString password = m_askPassword(entryName);
    if (password.isEmpty())
        return false;
    zip_set_default_password(m_zip, password.toUtf8().constData());
    return true;
}

void Archive::readEntry(zip_uint64_t index, const QString& name,
                        const std::function<bool(const char* data, qint64 size)>& sink)
{
    auto damaged = [this, &name](const QString& reason) {
        return ZipError(
            QStringLiteral("Nie można rozpakować pliku %1 z archiwum %2: %3.").arg(name, m_path, reason));
    };
    // An entry encrypted by a method libzip cannot read is refused before it is opened: nobody
    // is asked for a password that could not serve, and libzip keeps memory it took for such an
    // entry once it has a password.
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(m_zip, index, 0, &stat) == 0 && (stat.valid & ZIP_STAT_ENCRYPTION_METHOD) &&
        stat.encryption_method != ZIP_EM_NONE && !zip_encryption_method_supported(stat.encryption_method, 0))
        throw damaged(reasonText(ZIP_ER_ENCRNOTSUPP));
    zip_file_t* file = zip_fopen_index(m_zip, index, 0);
    if (!file && zip_error_code_zip(zip_get_error(m_zip)) == ZIP_ER_NOPASSWD && askPassword(name))
        file = zip_fopen_index(m_zip, index, 0);
    if (!file)
        throw damaged(reasonText(zip_get_error(m_zip)));
    char buffer[64 * 1024];
    for (;;) {
        const zip_int64_t read = zip_fread(file, buffer, sizeof buffer);
        if (read < 0) {
            const QString reason = reasonText(zip_file_get_error(file));
            zip_fclose(file);
            throw damaged(reason);
        }
        if (read == 0)
            break;
        if (sink && !sink(buffer, read)) {
            zip_fclose(file);
            throw ZipError(QStringLiteral("Nie można zapisać rozpakowanego pliku %1.").arg(name));
        }
    }
    // The checksum is compared when the entry is closed after its last byte.
    if (const int closed = zip_fclose(file); closed != 0)
        throw damaged(reasonText(closed));
}

namespace {

ZipEntry entryAt(const Archive& archive, zip_uint64_t index)
{
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive.get(), index, 0, &stat) != 0)
        throw ZipError(QStringLiteral("Archiwum %1 jest uszkodzone: %2.")
                           .arg(archive.path(), reasonText(zip_get_error(archive.get()))));
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

} // namespace

QList<ZipEntry> entriesOf(const Archive& archive)
{
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    QList<ZipEntry> entries;
    entries.reserve(count);
    for (zip_int64_t i = 0; i < count; ++i)
        entries.append(entryAt(archive, zip_uint64_t(i)));
    return entries;
}

std::optional<QString> safeRelativePath(const QString& entryName)
{
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:"));
    QString name = entryName;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (name.startsWith(QLatin1Char('/')) || drive.match(name).hasMatch())
        return std::nullopt;
    QStringList parts;
    for (const QString& part : name.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String(".."))
            return std::nullopt;
        if (part != QLatin1String("."))
            parts.append(part);
    }
    if (parts.isEmpty())
        return std::nullopt;
    return parts.join(QLatin1Char('/'));
}

} // namespace trelimor::zip::detail
