#pragma once

#include "ResultsFile.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>
#include <vector>

namespace trelimor {

namespace db {
class Database;
}

// What the result lines of a file write into the yearly database: each line that names exactly
// one sample by its ear tag, herd number and sample number updates that sample's existing rows of
// the tests it flags "T". No row is ever added or deleted.
struct ResultPlan
{
    struct Update
    {
        const ResultTest* test = nullptr;
        QVariant partia;   // the sample's herd group (Badanie.PartiaG), the result row's Partia
        QVariant nrProbki; // the sample's NrProbki
        QStringList values;
    };

    // A line whose sample lies in a holding of another herd number than the latest holding
    // line's: the whole file is refused.
    struct HerdMismatch
    {
        QString earTag;
        QString holdingHerd;
    };

    int writtenLines = 0;
    // The ear tags of the lines that name no sample, several samples, or a sample without a
    // herd group, in the order of the file.
    QStringList skippedTags;
    std::vector<Update> updates;
    std::optional<HerdMismatch> herdMismatch;
};

// Matches every line to its sample and makes the herd check (for a line whose species matches
// too) against the herd group's NrGospod. Reads only. Throws JetError, for instance when the
// yearly file lacks the herd groups or a column they need.
ResultPlan planResults(db::Database& yearly, const std::vector<ResultLine>& lines);

// Writes the updates in one transaction: every one of them, or none when one fails (a missing
// result table or column, a value its column does not take). Throws JetError.
void writeResults(db::Database& yearly, const ResultPlan& plan);

} // namespace trelimor
