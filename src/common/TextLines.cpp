#include "TextLines.h"

#include "Cp1250.h"

#include <QBuffer>
#include <QFile>
#include <QLocale>

#include <algorithm>
#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace trelimor {

namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF");
// Read in pieces of this size: a large file is never read whole.
constexpr qsizetype kChunk = 1 << 16;

bool isAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char byte) { return static_cast<unsigned char>(byte) < 0x80; });
}

// The length of the well-formed UTF-8 sequence of two to four bytes at p, 0 when the byte there
// begins none: overlong forms, surrogates, code points past U+10FFFF and sequences cut short are
// none (the second byte's range keeps out the first three).
int sequenceLength(const unsigned char* p, const unsigned char* end)
{
    const unsigned char lead = *p;
    if (lead < 0xC2 || lead > 0xF4)
        return 0;
    const int length = lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    const unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    const unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    if (end - p < length || p[1] < low || p[1] > high)
        return 0;
    for (int i = 2; i < length; ++i)
        if (p[i] < 0x80 || p[i] > 0xBF)
            return 0;
    return length;
}

// How UTF-8 reads the bytes beyond ASCII: the sequences it reads, and the bytes it cannot.
struct Utf8Tally
{
    qint64 sequences = 0;
    qint64 strayBytes = 0;

    void add(QByteArrayView bytes)
    {
        const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
        const auto* end = p + bytes.size();
        while (p < end) {
            if (*p < 0x80) {
                ++p;
            } else if (const int length = sequenceLength(p, end)) {
                ++sequences;
                p += length;
            } else {
                ++strayBytes;
                ++p;
            }
        }
    }
    bool readsAsUtf8() const { return sequences > strayBytes; }
};

// Byte by byte through the code page's table, in which every byte has its character: no line
// can fail to decode, and no byte is lost.
QString fromCp1250(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes)
        *out++ = cp1250::character(static_cast<unsigned char>(byte));
    return text;
}

// Why the system could not open or read a file, in Polish: its own texts are English.
QString systemReason(int errorNumber)
{
    switch (errorNumber) {
    case ENOENT:
    case ENOTDIR:
        return u"plik nie istnieje"_s;
    case EACCES:
    case EPERM:
        return u"brak uprawnień do odczytu"_s;
    case EIO:
        return u"błąd odczytu z dysku"_s;
    case ENOMEM:
        return outOfMemoryText();
    default:
        return u"błąd systemu nr %1"_s.arg(errorNumber);
    }
}

PlatformError openFailure(const QString& path, int errorNumber)
{
    return PlatformError(u"Nie można otworzyć pliku %1: %2."_s.arg(path, systemReason(errorNumber)));
}

const QString kNotRead = u" Plik nie został wczytany."_s;

QString tooLarge(const QString& path)
{
    return u"Plik %1 jest większy niż %2 MB, a tak dużego pliku z danymi program nie wczytuje."_s.arg(path)
               .arg(kMaxTextFileBytes / (1024 * 1024)) +
           kNotRead;
}

// A file descriptor closed with its owner unless released.
class Descriptor
{
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    int release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};

// Opens the file for reading, refusing at once what is no regular file: opening a named pipe
// waits for a writer, and a device or a folder gives no text or never ends. The descriptor is
// opened without waiting and checked before a byte is read.
std::unique_ptr<QFile> openRegularFile(const QString& path)
{
    Descriptor fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat status = {};
    if (fd.get() < 0 || ::fstat(fd.get(), &status) != 0)
        throw openFailure(path, errno);
    if (!S_ISREG(status.st_mode))
        throw TextFileRefused(u"%1 nie jest zwykłym plikiem, lecz folderem, urządzeniem lub potokiem; "
                              u"program wczytuje dane tylko ze zwykłych plików."_s.arg(path));
    if (status.st_size > kMaxTextFileBytes)
        throw TextFileRefused(tooLarge(path));
    const int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags < 0 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0)
        throw openFailure(path, errno);
    auto file = std::make_unique<QFile>();
    if (!file->open(fd.get(), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        throw openFailure(path, errno);
    fd.release();
    return file;
}

} // namespace

TextLineReader::TextLineReader(const QString& path)
    : m_path(path)
    , m_device(openRegularFile(path))
{
    start();
}

TextLineReader::TextLineReader(const QByteArray& bytes)
    : m_bytes(bytes)
    , m_device(std::make_unique<QBuffer>(&m_bytes))
{
    m_device->open(QIODevice::ReadOnly);
    start();
}

TextLineReader::~TextLineReader() = default;

// Settles the encoding in one pass over the whole text, which also counts its lines and checks
// every bound, and goes back to the beginning.
void TextLineReader::start()
{
    const bool marked = skipMark();
    Utf8Tally tally;
    QByteArrayView line;
    while (nextBytes(line))
        if (!marked && !isAscii(line))
            tally.add(line);
    m_utf8 = marked || tally.readsAsUtf8();
    m_lineCount = m_given;
    rewind();
    skipMark();
}

bool TextLineReader::skipMark()
{
    while (!m_atEnd && m_buffer.size() < kUtf8Bom.size())
        readMore();
    if (!m_buffer.startsWith(kUtf8Bom))
        return false;
    m_start = m_scanned = kUtf8Bom.size();
    return true;
}

void TextLineReader::rewind()
{
    if (!m_device->seek(0))
        throw PlatformError(u"Nie można odczytać pliku %1: %2."_s.arg(m_path, systemReason(errno)));
    m_buffer.clear();
    m_start = m_scanned = 0;
    m_read = m_given = 0;
    m_atEnd = false;
}

void TextLineReader::readMore()
{
    // What was given as lines goes; the rest moves to the front.
    m_buffer.remove(0, m_start);
    m_scanned -= m_start;
    m_start = 0;
    const qsizetype kept = m_buffer.size();
    m_buffer.resize(kept + kChunk);
    const qint64 got = m_device->read(m_buffer.data() + kept, kChunk);
    if (got < 0)
        throw PlatformError(u"Nie można odczytać pliku %1: %2."_s.arg(m_path, systemReason(errno)));
    m_buffer.resize(kept + got);
    m_atEnd = got == 0;
    m_read += got;
    if (m_read > kMaxTextFileBytes) // grown since it was opened
        throw TextFileRefused(tooLarge(m_path));
}

void TextLineReader::checkLineLength(qsizetype length) const
{
    if (length > kMaxTextLineBytes)
        throw TextFileRefused(
            u"Linia %2 pliku %1 jest dłuższa niż %3 KB, a tak długich linii nie ma w plikach z "
            u"danymi, które program wczytuje."_s.arg(m_path)
                .arg(m_given + 1)
                .arg(kMaxTextLineBytes / 1024) +
            kNotRead);
}

bool TextLineReader::nextBytes(QByteArrayView& line)
{
    const auto give = [this](const char* begin, qsizetype length) {
        checkLineLength(length);
        if (++m_given > kMaxTextLines)
            throw TextFileRefused(
                u"Plik %1 ma więcej niż %2 linii, a tylu linii nie ma w plikach z danymi, które program "
                u"wczytuje."_s.arg(m_path, QLocale(QLocale::Polish).toString(kMaxTextLines)) +
                kNotRead);
        return QByteArrayView(begin, length);
    };
    for (;;) {
        const char* data = m_buffer.constData();
        const qsizetype size = m_buffer.size();
        qsizetype i = m_scanned;
        for (; i < size; ++i) {
            const char c = data[i];
            if (c != '\r' && c != '\n')
                continue;
            if (c == '\r' && i + 1 == size && !m_atEnd)
                break; // whether an LF follows is in the next piece
            line = give(data + m_start, i - m_start);
            m_start = i + 1;
            if (c == '\r' && m_start < size && data[m_start] == '\n')
                ++m_start;
            m_scanned = m_start;
            return true;
        }
        m_scanned = i;
        if (m_atEnd) {
            if (m_start >= size)
                return false;
            line = give(data + m_start, size - m_start);
            m_start = m_scanned = size;
            return true;
        }
        checkLineLength(m_scanned - m_start); // before the line grows on
        readMore();
    }
}

bool TextLineReader::next(QString& line)
{
    QByteArrayView bytes;
    if (!nextBytes(bytes))
        return false;
    // Qt reads each byte that is no UTF-8 as one replacement character.
    line = m_utf8 ? QString::fromUtf8(bytes) : fromCp1250(bytes);
    return true;
}

QStringList TextLineReader::all()
{
    QStringList lines;
    QString line;
    while (next(line))
        lines << line;
    return lines;
}

QStringList splitTextLines(const QByteArray& bytes)
{
    TextLineReader reader(bytes);
    return reader.all();
}

} // namespace trelimor
