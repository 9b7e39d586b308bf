#pragma once

// The lines of a text file from outside: a data collector's file, a laboratory's results, an
// establishment's sample list, the list of establishments. Such files come from other programs, so any line
// end is taken (CR LF, LF or CR alone), and the encoding is found from the bytes: UTF-8 when the
// text begins with the UTF-8 byte-order mark, or when the bytes beyond ASCII read better as UTF-8
// than as Windows-1250 (see TextLineReader); Windows-1250 otherwise.
//
// Such a file is untrusted, so it is read within bounds sized from the real files with ample room:
// a laboratory's results for a month in a district run to thousands of lines of under 200 bytes, the
// list of establishments to tens of thousands of lines of a few hundred bytes. A file beyond them is
// refused before a line of it is used, and reading never holds more than one line and one piece of
// the file.

#include "platform/PlatformError.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>

#include <memory>

namespace trelimor {

// The largest file taken, in bytes.
inline constexpr qint64 kMaxTextFileBytes = 32 * 1024 * 1024;
// The most lines a file may have.
inline constexpr qint64 kMaxTextLines = 200'000;
// The longest line taken, in bytes without its line end.
inline constexpr qsizetype kMaxTextLineBytes = 64 * 1024;

// A file refused for what it is or for its size or shape: no regular file, too large, too many
// lines, a line too long. The message names the file (and the line) and is fit to show as it
// stands.
class TextFileRefused : public PlatformError
{
public:
    using PlatformError::PlatformError;
};

// Reads the lines one at a time, so that a large file is never held whole as text. The
// encoding is settled for the whole text before the first line is given (one pass over the
// bytes, which also checks the bounds), so every line is decoded alike.
//
// Without the byte-order mark, the text is UTF-8 when its bytes beyond ASCII form more valid
// UTF-8 sequences than they leave stray bytes: a Windows-1250 text, whose Polish letters are single
// bytes that UTF-8 cannot read, stays Windows-1250, while a UTF-8 text with a few stray bytes (a
// remark typed in another program) stays UTF-8. A stray byte of a UTF-8 text reads as one
// replacement character.
class TextLineReader
{
public:
    // The file at path. Throws TextFileRefused at once for a folder, a device or a named pipe, and
    // for a file beyond the bounds; PlatformError, with a Polish message naming the file, when it
    // cannot be opened or read.
    explicit TextLineReader(const QString& path);
    // Bytes at hand, within the same bounds.
    explicit TextLineReader(const QByteArray& bytes);
    ~TextLineReader();
    TextLineReader(const TextLineReader&) = delete;
    TextLineReader& operator=(const TextLineReader&) = delete;

    // The next line, without its line end, into line; false after the last one. A line end
    // after the last line makes no empty line of its own; empty lines inside the text are kept.
    // Throws PlatformError when the file cannot be read (TextFileRefused when it changed beyond
    // the bounds since it was checked).
    bool next(QString& line);
    // The lines not yet given.
    QStringList all();

    bool isUtf8() const { return m_utf8; }
    // The number of lines of the text.
    qint64 lineCount() const { return m_lineCount; }

private:
    void start();
    // Past the UTF-8 byte-order mark at the beginning; false without one.
    bool skipMark();
    bool nextBytes(QByteArrayView& line);
    // Refuses the file when the line being read is longer than a line may be.
    void checkLineLength(qsizetype length) const;
    void readMore();
    void rewind();

    QString m_path;
    QByteArray m_bytes; // read through m_device when the text is at hand
    std::unique_ptr<QIODevice> m_device;
    QByteArray m_buffer; // bytes read and not yet given as lines, from m_start on
    qsizetype m_start = 0;
    qsizetype m_scanned = 0; // searched for a line end up to here
    qint64 m_read = 0;       // bytes read from the beginning
    qint64 m_given = 0;      // lines given from the beginning
    qint64 m_lineCount = 0;
    bool m_atEnd = false;
    bool m_utf8 = false;
};

// The lines of the bytes (see TextLineReader).
QStringList splitTextLines(const QByteArray& bytes);

} // namespace trelimor
