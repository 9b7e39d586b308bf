#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <functional>

class QIODevice;

namespace trelimor::paths {

// Creates the folder and its missing parents; true when it exists afterwards.
bool ensureFolder(const QString& path);

// Flush a file's contents, or a folder's entries (after a file was created, renamed or removed
// in it), to the disk, so that they survive a power cut. False when that failed.
bool syncFile(const QString& path);
bool syncFolder(const QString& path);

// Writes the whole of bytes to out; false when it could not, with error (when given) saying why.
// A full disk, or a file grown past the size a file may take, is said as diskFullText(): the
// system's own texts for these are English, and a short write leaves none at all.
bool writeAll(QIODevice& out, const QByteArray& bytes, QString* error = nullptr);

// Writes a file so that it is either complete or not changed: the data goes into a temporary
// file beside the target, which is flushed to the disk and then renamed over the target. On
// failure the target is untouched and error (when given) says why.
bool writeFileAtomically(const QString& path, const QByteArray& data, QString* error = nullptr);
// The same with the contents written by a function; returning false abandons the file.
bool writeFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write,
                         QString* error = nullptr);
// A free name for a temporary file beside target, "<target>.tmp-XXXXXX" (six random letters and
// digits), for work that builds a file under another name and renames it into place. The name
// is reserved and released again: the caller makes the file (in a folder that takes no file, it
// is only a fresh name, and the caller's attempt fails).
QString temporaryPathBeside(const QString& target);
// Removes from folder the files named as temporaryPathBeside names them, and the journals SQLite
// keeps beside them, last changed before `before`: what a run that was killed left behind. A
// file changed since then may be another running program's. The number of files removed.
int removeLeftoverTemporaries(const QString& folder, const QDateTime& before);

// Copies a file the same way: the target appears only when the whole copy is on the disk.
bool copyFileAtomically(const QString& source, const QString& target, QString* error = nullptr);

} // namespace trelimor::paths
