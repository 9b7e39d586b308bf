#pragma once

#include "common/SampleValues.h"

#include "platform/db/Database.h"
#include "platform/db/Recordset.h"

#include <QString>

namespace trelimor {

// The number proposed for a new sample of the batch: the batch's highest sample number plus
// one, 1 for a batch without samples. Numbers of deleted samples are not used again.
int nextSampleNumber(db::Database& rok, qint64 partia);

// The parts of a new sample's code that come from its batch, of the current row of a recordset
// over Partia; a part the batch lacks is empty.
SampleCodeParts sampleCodeOfBatch(const db::Recordset& partia);

} // namespace trelimor
