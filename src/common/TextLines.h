#pragma once

// The lines of a text file from outside: a data collector's file, a laboratory's results, an
// establishment's sample list, the list of establishments. Such files come from other programs, so any line
// end is taken (CR LF, LF or CR alone), and the encoding is found from the bytes: UTF-8 or
// Windows-1250 (see TextLineReader).
//
// Such a file is untrusted, so it is read within bounds sized from the real files with ample room:
// a laboratory's results for a month in a district run to thousands of lines of under 200 bytes, the
// list of establishments to tens of thousands of lines of a few hundred bytes. A file beyond them is
// refused before a line of it is used. A file within them is at most 32 MiB, so it is read once and
// its lines are given from memory: the bytes checked are the bytes used. A file that another
// program rewrites while it is read is refused whole, as no part of it can be trusted.

#include "platform/PlatformError.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace trelimor {

// The largest file taken, in bytes.
inline constexpr qint64 kMaxTextFileBytes = 32 * 1024 * 1024;
// The most lines a file may have.
inline constexpr qint64 kMaxTextLines = 200'000;
// The longest line taken, in bytes without its line end.
inline constexpr qsizetype kMaxTextLineBytes = 64 * 1024;

// A file refused for what it is or for its size or shape: no regular file, too large, too many
// lines, a line too long, changed while it was read. The message names the file (and the line)
// and is fit to show as it stands; for bytes at hand it names no file.
class TextFileRefused : public PlatformError
{
public:
    using PlatformError::PlatformError;
};

// Gives the lines of a text one at a time, each decoded by itself, from the bytes read and checked
// whole before the first line is given.
//
// A text with the UTF-8 byte-order mark is UTF-8 throughout. Without it, the bytes beyond ASCII
// are weighed as evidence: a well-formed UTF-8 sequence speaks for UTF-8, whatever script or sign
// it holds, and a Polish letter or sign of Windows-1250 outside any such sequence speaks for
// Windows-1250. Two Windows-1250 capitals that happen to pair up as UTF-8 ("ÓŁ" is D3 A3, a
// Cyrillic letter) speak twice for Windows-1250; a byte that is neither (FF, a letter cut short)
// speaks for neither. A line with more evidence one way than the other is read that way; a line
// with none, or as much either way, takes the reading of the whole text, UTF-8 when the text holds
// more evidence for it than against it. So a UTF-8 file with a remark typed in Windows-1250 reads
// every line right. A byte that is no UTF-8 in a line read as UTF-8 reads as one replacement
// character.
class TextLineReader
{
public:
    // The file at path. Throws TextFileRefused at once for a folder, a device or a named pipe, for
    // a file beyond the bounds, as soon as it passes one, and for a file that another program
    // changed while it was read (its size or times differ from its opening, or so does the number
    // of bytes read); PlatformError, with a Polish message naming the file, when it cannot be
    // opened or read.
    explicit TextLineReader(const QString& path);
    // Bytes at hand, within the same bounds.
    explicit TextLineReader(const QByteArray& bytes);

    // The next line, without its line end, into line; false after the last one. A line end
    // after the last line makes no empty line of its own; empty lines inside the text are kept.
    bool next(QString& line);
    // The lines not yet given.
    QStringList all();

    // The reading of the whole text, which a line without evidence of its own takes.
    bool isUtf8() const { return m_utf8; }
    // The number of lines of the text.
    qint64 lineCount() const { return m_lineCount; }

private:
    void start();

    QString m_path;
    QByteArray m_bytes;
    qsizetype m_position = 0; // where the next line begins
    qint64 m_lineCount = 0;
    bool m_marked = false;
    bool m_utf8 = false;
};

// The lines of the bytes (see TextLineReader).
QStringList splitTextLines(const QByteArray& bytes);

} // namespace trelimor
