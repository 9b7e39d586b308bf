#pragma once

// The lines of a text file from outside: a data collector's file, a laboratory's results, an
// establishment's sample list, the list of establishments. Such files come from other programs, so any line
// end is taken (CR LF, LF or CR alone), and the encoding is found from the bytes: UTF-8 when the
// text begins with the UTF-8 byte-order mark, or when it holds bytes beyond ASCII and all of them
// form valid UTF-8 (a Windows-1250 Polish text practically never does); Windows-1250 otherwise.

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>

#include <memory>

namespace trelimor {

// Reads the lines one at a time, so that a large file is never held whole as text. The
// encoding is settled for the whole text before the first line is given (one pass over the
// bytes), so every line is decoded alike.
class TextLineReader
{
public:
    // The file at path. Throws PlatformError, with a Polish message naming the file, when it
    // cannot be opened or read.
    explicit TextLineReader(const QString& path);
    // Bytes at hand.
    explicit TextLineReader(const QByteArray& bytes);
    TextLineReader(const TextLineReader&) = delete;
    TextLineReader& operator=(const TextLineReader&) = delete;

    // The next line, without its line end, into line; false after the last one. A line end
    // after the last line makes no empty line of its own; empty lines inside the text are kept.
    // Throws PlatformError when the file cannot be read.
    bool next(QString& line);
    // The lines not yet given.
    QStringList all();

    bool isUtf8() const { return m_utf8; }

private:
    void start();
    bool nextBytes(QByteArrayView& line);
    void readMore();
    void rewind();

    QString m_path;
    QByteArray m_bytes; // read through m_device when the text is at hand
    std::unique_ptr<QIODevice> m_device;
    QByteArray m_buffer; // bytes read and not yet given as lines, from m_start on
    qsizetype m_start = 0;
    qsizetype m_scanned = 0; // searched for a line end up to here
    bool m_atEnd = false;
    bool m_utf8 = false;
};

// The lines of the bytes (see TextLineReader). Bytes that are not UTF-8 in a text marked as
// UTF-8 become the replacement character.
QStringList splitTextLines(const QByteArray& bytes);

// The lines of the file at path. Throws PlatformError, with a Polish message naming the file,
// when it cannot be opened or read.
QStringList readTextLines(const QString& path);

} // namespace trelimor
