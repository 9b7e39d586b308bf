#pragma once

// Internal to the workbook reader: FreeXL runs in a process of its own.

#include <QHash>
#include <QString>
#include <QVariant>

namespace trelimor::sheet::detail {

// The first sheet of a workbook as the reading process found it.
struct SheetContents
{
    enum class Outcome {
        Read,
        CannotOpen, // missing, unreadable, or no memory for it
        NoWorkbook, // not an Excel 97-2003 workbook
        Protected,  // protected by a password
        NoSheet,    // no sheet to read
        Damaged,    // the reader failed on it (crashed, or gave what cannot be so)
        TooSlow,    // the reader did not finish in time
        TooLarge,   // more cells or text than a workbook the program reads holds (SheetReport.h)
    };
    Outcome outcome = Outcome::Damaged;
    int rows = 0;
    int columns = 0;
    // The cells that hold a value, by cellKey(row, column) counted from 1.
    QHash<quint64, QVariant> cells;
};

inline quint64 cellKey(int row, int column)
{
    return (quint64(quint32(row)) << 16) | quint16(column);
}

// Reads every cell of the first sheet of the workbook at path with FreeXL in a child process:
// whatever a hostile file does to the library (reading past its buffers, looping, asking for
// memory) stays in that process, which runs under limits of time and memory and ends with the
// program. A sheet beyond the limits of SheetReport.h is refused before its cells are sent.
SheetContents readFirstSheet(const QString& path);

} // namespace trelimor::sheet::detail
