#pragma once

// The lines of a text file from outside: a data collector's file, a laboratory's results, an
// establishment's sample list, the list of establishments. Such files come from other programs, so any line
// end is taken (CR LF, LF or CR alone) and the text is Windows-1250 unless it begins with the UTF-8
// byte-order mark.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace trelimor {

// The lines of the bytes, without their line ends. A line end after the last line makes no
// empty line of its own; empty lines inside the text are kept. Bytes that are not UTF-8 in a
// file marked as UTF-8 become the replacement character.
QStringList splitTextLines(const QByteArray& bytes);

// The lines of the file at path. Throws PlatformError, with a Polish message naming the file,
// when it cannot be opened or read.
QStringList readTextLines(const QString& path);

} // namespace trelimor
