#pragma once

#include "ImportSheet.h"
#include "SampleStore.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace trelimor {

// Why the sample rows of a protocol spreadsheet cannot be taken, found at its row.
struct ProtocolSheetProblem
{
    enum class Kind {
        NoSamples,    // no row of the sheet holds a number in column 1
        LongNumber,   // the sample number (column 3) has more than three digits: text is the cell's
        AgeNotNumber, // the age cell (column) holds something other than a number
    };
    Kind kind = Kind::NoSamples;
    int row = 0;
    int column = 0;
    QString text;
};

// The sample rows of a protocol spreadsheet: the first block of rows whose column 1 holds a
// number, each made into the sample it describes. Reading stops at the first row that cannot be
// taken; the rows before it are in samples.
struct ProtocolSamples
{
    QList<ImportedSample> samples;
    // Each sample's date as the sheet gives it (column 4 before a dotted date is rewritten), for
    // the message about a taken code.
    QStringList datesAsRead;
    std::optional<ProtocolSheetProblem> problem;
};

ProtocolSamples readProtocolSamples(const ImportSheet& sheet);

// The 22 kinds of slaughter a protocol's column 9 may name (exactly, letter case counting);
// any other text there is a remark.
bool isProtocolSlaughterKind(const QString& text);

} // namespace trelimor
