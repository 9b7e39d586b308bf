#include "TextLines.h"

#include "Cp1250.h"

#include <QFile>
#include <QLocale>

#include <algorithm>
#include <cerrno>
#include <string_view>
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

// The length of the well-formed UTF-8 sequence at p: 2 to 4 bytes, none overlong, no surrogate,
// nothing beyond U+10FFFF; 0 when the bytes there are no such sequence.
int utf8SequenceLength(const unsigned char* p, const unsigned char* end)
{
    const auto continuesAt = [&](int i, unsigned char low = 0x80, unsigned char high = 0xBF) {
        return end - p > i && p[i] >= low && p[i] <= high;
    };
    const unsigned char lead = p[0];
    if (lead >= 0xC2 && lead <= 0xDF)
        return continuesAt(1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        const bool second = lead == 0xE0   ? continuesAt(1, 0xA0)       // not overlong
                            : lead == 0xED ? continuesAt(1, 0x80, 0x9F) // no surrogate
                                           : continuesAt(1);
        return second && continuesAt(2) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const bool second = lead == 0xF0   ? continuesAt(1, 0x90)       // not overlong
                            : lead == 0xF4 ? continuesAt(1, 0x80, 0x8F) // at most U+10FFFF
                                           : continuesAt(1);
        return second && continuesAt(2) && continuesAt(3) ? 4 : 0;
    }
    return 0;
}

// The Polish letters of Windows-1250: Ą ą Ć ć Ę ę Ł ł Ń ń Ó ó Ś ś Ź ź Ż ż.
constexpr std::string_view kPolishLetters =
    "\xA5\xB9\xC6\xE6\xCA\xEA\xA3\xB3\xD1\xF1\xD3\xF3\x8C\x9C\x8F\x9F\xAF\xBF";
// The signs Polish texts typed in Windows-1250 hold: „ ” – — …
constexpr std::string_view kPolishSigns = "\x84\x94\x96\x97\x85";

bool isIn(std::string_view set, unsigned char byte)
{
    return set.find(static_cast<char>(byte)) != std::string_view::npos;
}

// Two Windows-1250 capitals that together are also a well-formed UTF-8 sequence: Ć, Ę, Ń or Ó
// followed by Ś, Ź, ś, ź, Ł, Ą, Ż, ł, ą or ż ("ÓŁ" is D3 A3, a Cyrillic letter in UTF-8).
bool isPolishPairInCp1250(const unsigned char* p)
{
    return isIn("\xC6\xCA\xD1\xD3", p[0]) && isIn("\x8C\x8F\x9C\x9F\xA3\xA5\xAF\xB3\xB9\xBF", p[1]);
}

// What the bytes beyond ASCII say of the encoding. Each well-formed UTF-8 sequence speaks once
// for UTF-8, whatever its character, except a pair of Polish capitals of Windows-1250, which
// speaks twice for Windows-1250. A byte outside any sequence speaks once for Windows-1250 when it
// is a Polish letter or sign there; any other (FF, a letter cut short) speaks for neither.
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
            } else if (const int length = utf8SequenceLength(p, end)) {
                if (length == 2 && isPolishPairInCp1250(p))
                    forCp1250 += 2;
                else
                    ++forUtf8;
                p += length;
            } else {
                if (isIn(kPolishLetters, *p) || isIn(kPolishSigns, *p))
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

// The file's path after the word that names it ("Plik", "pliku"); nothing for bytes at hand.
QString named(const QString& path)
{
    return path.isEmpty() ? QString() : u' ' + path;
}

QString tooLarge(const QString& path)
{
    return u"Plik%1 jest większy niż %2 MB, a tak dużego pliku z danymi program nie wczytuje."_s
               .arg(named(path))
               .arg(kMaxTextFileBytes / (1024 * 1024)) +
           kNotRead;
}

QString changedWhileRead(const QString& path)
{
    return u"Plik %1 zmienił się podczas wczytywania: zapisuje go inny program. Wczytaj go ponownie, gdy "
           u"zostanie zapisany."_s.arg(path) +
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
                u"Plik%1 ma więcej niż %2 linii, a tylu linii nie ma w plikach z danymi, które program "
                u"wczytuje."_s.arg(named(m_path), QLocale(QLocale::Polish).toString(kMaxTextLines)) +
                kNotRead);
    }
    void checkLength(qsizetype length) const
    {
        if (length > kMaxTextLineBytes)
            throw TextFileRefused(
                u"Linia %2 pliku%1 jest dłuższa niż %3 KB, a tak długich linii nie ma w plikach z "
                u"danymi, które program wczytuje."_s.arg(named(m_path))
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
// opened without waiting and checked before a byte is read. What the file was at its opening goes
// to status.
int openRegularFile(const QString& path, struct stat& status)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw openFailure(path, errno);
    Descriptor opened(fd);
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
    return opened.release();
}

bool sameTime(const struct timespec& a, const struct timespec& b)
{
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

// Whether the opened file is as it was at its opening: another program that writes it in place
// changes its size or its times. (One that saves it by rename leaves the opened file whole.)
bool unchangedSince(int fd, const struct stat& opened)
{
    struct stat now = {};
    return ::fstat(fd, &now) == 0 && now.st_size == opened.st_size && sameTime(now.st_mtim, opened.st_mtim) &&
           sameTime(now.st_ctim, opened.st_ctim);
}

} // namespace

// Reads the whole file in pieces, refusing it as soon as it passes a bound, and refusing it whole
// when it changed meanwhile.
TextLineReader::TextLineReader(const QString& path)
    : m_path(path)
{
    struct stat opened = {};
    const Descriptor file(openRegularFile(path, opened));
    const qint64 size = opened.st_size;
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
        if (m_bytes.size() > size) // grown since it was opened
            throw TextFileRefused(changedWhileRead(m_path));
        counter.scan(m_bytes, kept);
    }
    if (m_bytes.size() != size || !unchangedSince(file.get(), opened))
        throw TextFileRefused(changedWhileRead(m_path));
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
