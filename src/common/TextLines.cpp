#include "TextLines.h"

#include "Cp1250.h"

#include "platform/PlatformError.h"

#include <QBuffer>
#include <QFile>

#include <algorithm>

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

} // namespace

TextLineReader::TextLineReader(const QString& path)
    : m_path(path)
    , m_device(std::make_unique<QFile>(path))
{
    if (!m_device->open(QIODevice::ReadOnly))
        throw PlatformError(u"Nie można otworzyć pliku %1: %2"_s.arg(path, m_device->errorString()));
    start();
}

TextLineReader::TextLineReader(const QByteArray& bytes)
    : m_bytes(bytes)
    , m_device(std::make_unique<QBuffer>(&m_bytes))
{
    m_device->open(QIODevice::ReadOnly);
    start();
}

// Settles the encoding: the mark, or else a pass over the lines that ends at the first line
// that is no UTF-8.
void TextLineReader::start()
{
    while (!m_atEnd && m_buffer.size() < kUtf8Bom.size())
        readMore();
    if (m_buffer.startsWith(kUtf8Bom)) {
        m_utf8 = true;
        m_start = m_scanned = kUtf8Bom.size();
        return;
    }
    bool beyondAscii = false;
    bool valid = true;
    QByteArrayView line;
    while (valid && nextBytes(line)) {
        if (isAscii(line))
            continue;
        beyondAscii = true;
        // Qt's check refuses overlong forms, surrogates and code points past U+10FFFF too.
        valid = line.isValidUtf8();
    }
    m_utf8 = beyondAscii && valid;
    rewind();
}

void TextLineReader::rewind()
{
    if (!m_device->seek(0))
        throw PlatformError(u"Nie można odczytać pliku %1: %2"_s.arg(m_path, m_device->errorString()));
    m_buffer.clear();
    m_start = m_scanned = 0;
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
        throw PlatformError(u"Nie można odczytać pliku %1: %2"_s.arg(m_path, m_device->errorString()));
    m_buffer.resize(kept + got);
    m_atEnd = got == 0;
}

bool TextLineReader::nextBytes(QByteArrayView& line)
{
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
            line = QByteArrayView(data + m_start, i - m_start);
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
            line = QByteArrayView(data + m_start, size - m_start);
            m_start = m_scanned = size;
            return true;
        }
        readMore();
    }
}

bool TextLineReader::next(QString& line)
{
    QByteArrayView bytes;
    if (!nextBytes(bytes))
        return false;
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

QStringList readTextLines(const QString& path)
{
    TextLineReader reader(path);
    return reader.all();
}

} // namespace trelimor
