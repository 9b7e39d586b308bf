#pragma once

#include "ResultsFile.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <deque>
#include <optional>

namespace trelimor {

namespace db {
class Database;
}

// What the result lines of a file write into the yearly database: each line that names exactly
// one sample by its ear tag, herd number and sample number updates that sample's existing rows of
// the tests it flags "T". No row is ever added or deleted.
struct ResultPlan
{
    // A line whose sample was found and whose flagged tests are to be written.
    struct Write
    {
        const ResultLine* line = nullptr; // in the ResultsFile, which outlives the plan
        QVariant partia;   // the sample's herd group (Badanie.PartiaG), the result row's Partia
        QVariant nrProbki; // the sample's NrProbki
    };

    // A line whose sample lies in a holding of another herd number than the latest holding
    // line's: the whole file is refused.
    struct HerdMismatch
    {
        QString earTag;
        QString holdingHerd;
    };

    // The summary names the ear tags of this many skipped lines at most.
    static constexpr qsizetype kTagsKept = 10;

    int writtenLines = 0;
    // The lines that name no sample, several samples, or a sample without a herd group, and the
    // ear tags of the first of them, in the order of the file.
    int skippedLines = 0;
    QStringList skippedTags;
    std::deque<Write> writes; // a deque: growing never copies what it holds
    std::optional<HerdMismatch> herdMismatch;
};

// Matches every line to its sample and makes the herd check (for a line whose species matches
// too) against the herd group's NrGospod. Reads only. Throws JetError, for instance when the
// yearly file lacks the herd groups or a column they need.
ResultPlan planResults(db::Database& yearly, const ResultsFile& file);

// Writes the updates in one transaction: every one of them, or none when one fails (a missing
// result table or column, a value its column does not take). Throws JetError.
void writeResults(db::Database& yearly, const ResultsFile& file, const ResultPlan& plan);

} // namespace trelimor
