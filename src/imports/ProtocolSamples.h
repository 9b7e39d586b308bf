#pragma once

#include "ImportSheet.h"
#include "SampleImport.h"

#include <QString>

namespace trelimor {

// The sample rows of a protocol spreadsheet: the first block of rows whose column 1 holds a
// number, each made into the sample it describes (the date as read kept where the code holds a
// dotted date rewritten). Reading stops at the first row that cannot be taken: a sample number
// of more than three digits, an age that is no number.
ImportRead readProtocolSamples(const ImportSheet& sheet);

// The 22 kinds of slaughter a protocol's column 9 may name (exactly, letter case counting);
// any other text there is a remark.
bool isProtocolSlaughterKind(const QString& text);

} // namespace trelimor
