#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace trelimor {

class TextLineReader;

// The batch header of a data collector's file: its first line that, trimmed, begins with
// "[Partia]" (exactly so written), fields separated by "|" after the tag. Missing fields at the
// line's end read as empty.
struct CollectorHeader
{
    QString powiat;   // field 1: the county code of the inspectorate the data belong to
    QString lekarz;   // field 2: the number of the veterinarian who took the samples
    QString dataPobr; // field 3: the sampling date as written
};

// The header among the file's lines, read as far as it; nothing when no line is one.
std::optional<CollectorHeader> findCollectorHeader(TextLineReader& lines);

// A sampling date as a collector writes it: day, month and year ("15.03.2022", "15-03-2022") or
// the ISO form "2022-03-15"; nothing for any other text.
std::optional<QDate> collectorDate(const QString& text);

} // namespace trelimor
