#include "TextLines.h"

#include "Cp1250.h"

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
// Read in pieces of this size.
constexpr qsizetype kChunk = 1 << 16;

bool isLineEnd(char byte)
{
    return byte == '\r' || byte == '\n';
}

// The length of the UTF-8 sequence at p when it is one of a character a Latin text uses: U+00A0 to
// U+017F (two bytes, every Polish letter among them) or U+2000 to U+20CF (three bytes: dashes,
// quotes, the euro sign); 0 otherwise. Within these ranges no sequence is overlong.
int latinSequenceLength(const unsigned char* p, const unsigned char* end)
{
    const auto continues = [&](int i) { return end - p > i && (p[i] & 0xC0) == 0x80; };
    if (p[0] >= 0xC2 && p[0] <= 0xC5 && continues(1)) {
        const char32_t character = char32_t(p[0] & 0x1F) << 6 | (p[1] & 0x3F);
        return character >= 0xA0 ? 2 : 0; // C2 80 to C2 9F are control characters
    }
    if (p[0] == 0xE2 && continues(1) && continues(2)) {
        const char32_t character = 0x2000 | char32_t(p[1] & 0x3F) << 6 | (p[2] & 0x3F);
        return character <= 0x20CF ? 3 : 0;
    }
    return 0;
}

// What the bytes beyond ASCII say of the encoding: each Latin UTF-8 sequence speaks for UTF-8,
// each other byte for Windows-1250, in which every byte is a character.
struct Evidence
{
    qint64 forUtf8 = 0;
    qint64 forCp1250 = 0;

    explicit Evidence(QByteArrayView bytes)
    {
        const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
        const auto* end = p + bytes.size();
        while (p < end) {
            if (*p < 0x80) {
                ++p;
            } else if (const int length = latinSequenceLength(p, end)) {
                ++forUtf8;
                p += length;
            } else {
                ++forCp1250;
                ++p;
            }
        }
    }
    // Whether it reads as UTF-8; otherwise when it is even.
    bool readsAsUtf8(bool otherwise) const { return forUtf8 == forCp1250 ? otherwise : forUtf8 > forCp1250; }
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

QString unreadable(const QString& path, int errorNumber)
{
    return u"Nie można odczytać pliku %1: %2."_s.arg(path, systemReason(errorNumber));
}

// A file descriptor closed with its owner.
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

// Counts the lines of a text as its bytes come in, and refuses it at the first bound it passes: a
// line too long is refused before the rest of it is read.
class LineCounter
{
public:
    explicit LineCounter(const QString& path)
        : m_path(path)
    {}

    // The bytes from `from` on have come in.
    void scan(const QByteArray& bytes, qsizetype from)
    {
        if (m_lines == 0 && m_lineStart == 0 && bytes.startsWith(kUtf8Bom))
            m_lineStart = kUtf8Bom.size(); // the mark is no part of the first line
        const char* data = bytes.constData();
        for (qsizetype i = std::max(from, m_lineStart); i < bytes.size(); ++i) {
            const bool afterCr = std::exchange(m_afterCr, false);
            if (!isLineEnd(data[i]))
                continue;
            if (afterCr && data[i] == '\n') { // the LF of a CR LF
                m_lineStart = i + 1;
                continue;
            }
            endLine(i - m_lineStart);
            m_lineStart = i + 1;
            m_afterCr = data[i] == '\r';
        }
        checkLength(bytes.size() - m_lineStart);
    }
    // The number of lines, once every byte has come in; a line end after the last line makes no
    // line of its own.
    qint64 finish(const QByteArray& bytes)
    {
        if (m_lineStart < bytes.size())
            endLine(bytes.size() - m_lineStart);
        return m_lines;
    }

private:
    void endLine(qsizetype length)
    {
        checkLength(length);
        if (++m_lines > kMaxTextLines)
            throw TextFileRefused(
                u"Plik %1 ma więcej niż %2 linii, a tylu linii nie ma w plikach z danymi, które program "
                u"wczytuje."_s.arg(m_path, QLocale(QLocale::Polish).toString(kMaxTextLines)) +
                kNotRead);
    }
    void checkLength(qsizetype length) const
    {
        if (length > kMaxTextLineBytes)
            throw TextFileRefused(
                u"Linia %2 pliku %1 jest dłuższa niż %3 KB, a tak długich linii nie ma w plikach z "
                u"danymi, które program wczytuje."_s.arg(m_path)
                    .arg(m_lines + 1)
                    .arg(kMaxTextLineBytes / 1024) +
                kNotRead);
    }

    const QString& m_path;
    qsizetype m_lineStart = 0;
    qint64 m_lines = 0;
    bool m_afterCr = false;
};

// Opens the file for reading, refusing at once what is no regular file: opening a named pipe
// waits for a writer, and a device or a folder gives no text or never ends. The descriptor is
// opened without waiting and checked before a byte is read. The file's size goes to size.
int openRegularFile(const QString& path, qint64& size)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw openFailure(path, errno);
    Descriptor opened(fd);
    struct stat status = {};
    if (::fstat(fd, &status) != 0)
        throw openFailure(path, errno);
    if (!S_ISREG(status.st_mode))
        throw TextFileRefused(u"%1 nie jest zwykłym plikiem, lecz folderem, urządzeniem lub potokiem; "
                              u"program wczytuje dane tylko ze zwykłych plików."_s.arg(path));
    if (status.st_size > kMaxTextFileBytes)
        throw TextFileRefused(tooLarge(path));
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0)
        throw openFailure(path, errno);
    size = status.st_size;
    return opened.release();
}

} // namespace

// Reads the whole file in pieces, refusing it as soon as it passes a bound.
TextLineReader::TextLineReader(const QString& path)
    : m_path(path)
{
    qint64 size = 0;
    const Descriptor file(openRegularFile(path, size));
    LineCounter counter(m_path);
    m_bytes.reserve(size + kChunk); // room for the whole file and the read that finds its end
    for (;;) {
        const qsizetype kept = m_bytes.size();
        m_bytes.resize(kept + kChunk);
        ssize_t got = 0;
        do
            got = ::read(file.get(), m_bytes.data() + kept, kChunk);
        while (got < 0 && errno == EINTR);
        if (got < 0)
            throw PlatformError(unreadable(m_path, errno));
        m_bytes.resize(kept + got);
        if (got == 0)
            break;
        if (m_bytes.size() > kMaxTextFileBytes) // grown since it was opened
            throw TextFileRefused(tooLarge(m_path));
        counter.scan(m_bytes, kept);
    }
    m_lineCount = counter.finish(m_bytes);
    start();
}

TextLineReader::TextLineReader(const QByteArray& bytes)
    : m_bytes(bytes)
{
    if (m_bytes.size() > kMaxTextFileBytes)
        throw TextFileRefused(tooLarge(m_path));
    LineCounter counter(m_path);
    counter.scan(m_bytes, 0);
    m_lineCount = counter.finish(m_bytes);
    start();
}

// Settles the reading of the whole text, which its lines without evidence of their own take.
void TextLineReader::start()
{
    m_marked = m_bytes.startsWith(kUtf8Bom);
    m_position = m_marked ? kUtf8Bom.size() : 0;
    m_utf8 = m_marked || Evidence(QByteArrayView(m_bytes).sliced(m_position)).readsAsUtf8(false);
}

bool TextLineReader::next(QString& line)
{
    const char* data = m_bytes.constData();
    const qsizetype size = m_bytes.size();
    if (m_position >= size)
        return false;
    const char* begin = data + m_position;
    const char* end = std::find_if(begin, data + size, isLineEnd);
    const QByteArrayView bytes(begin, end - begin);
    m_position = end - data;
    if (m_position < size && data[m_position++] == '\r' && m_position < size && data[m_position] == '\n')
        ++m_position;
    // Qt reads each byte that is no UTF-8 as one replacement character.
    const bool utf8 = m_marked || Evidence(bytes).readsAsUtf8(m_utf8);
    line = utf8 ? QString::fromUtf8(bytes) : fromCp1250(bytes);
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
