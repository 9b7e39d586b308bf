#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace trelimor::fuzz {

// The input as bytes (not copied: valid while the call lasts).
QByteArray bytesOf(const uint8_t* data, size_t size);

// Writes the input to this process's scratch file with the given suffix (in memory when /dev/shm
// is there) for parsers that read a file by its path; the path.
QString scratchFile(const QByteArray& bytes, const QString& suffix);
// A path for this process's scratch folder of that suffix, beside the scratch files; not made.
QString scratchPath(const QString& suffix);

// Boxes are recorded by nobody: a message goes nowhere, a question is answered No, a file or
// printer dialog is cancelled. For parsers that tell the user of what they meet.
void installSilentDialogs();

} // namespace trelimor::fuzz
