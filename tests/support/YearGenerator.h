#pragma once

#include "platform/db/Database.h"

#include <QString>

#include <cstdint>

namespace trelimor::test {

// What a generated year holds. The same plan gives the same rows with any compiler and standard
// library: values come from the raw output of std::mt19937, never from its distributions.
struct YearPlan
{
    std::uint32_t seed = 1;
    int batches = 20;  // batch numbers 1..batches; of two or more, the last one has no sample
    int samples = 200; // spread at random over the other batches (NrProbki is 16-bit: mind the ratio)
    int year = 2022;   // the slaughter dates of the batches fall in this year
    QString countyCode = QStringLiteral("1465"); // Partia.Powiat, Badanie.KodPIW
    bool statistics = true; // apply the statistics shape and fill NrOgolny, BadaniaPowtorzone, Opis
    bool serology = false;  // apply the serology shape and fill it: herd groups, result rows
};

// How many rows were written.
struct GeneratedYear
{
    int batches = 0;
    int samples = 0;
    int herdGroups = 0; // PartiaG rows
    int resultRows = 0; // rows of the nine result tables together
};

// Fills a year that the program made (see createProgramYear) and that holds no batch yet, in one
// transaction through prepared statements: fit for a benchmark's year of 300,000 samples.
//
// The rows walk every value class the statistics, the imports and the export tell apart before
// they draw at random (so a year of a few hundred samples holds each of them):
// - establishments (KodZakladu) of several voivodeships and of several counties of one
//   voivodeship, and a null, a three-character and a blank-padded code;
// - every kind of slaughter of the batch register, and an empty, a null, a lower-case, a
//   blank-padded and an unknown one;
// - species "Bydło", "Owce", "Kozy", "Jeleniowate", "Inne" and others, differently cased
//   spellings, an empty and a null one;
// - results "dodatni", "ujemny", "odstąpienie", differently cased and blank-trailed spellings,
//   other words, empty and null;
// - whole ages, halves (23.5 and 24.5 among them), 0, a negative and a null age;
// - batches with a null date in each of the five date kinds of the statistics;
// - with the statistics shape: samples with and without NrOgolny, and repeat counts null, 0, 1..3;
// - with the serology shape: one to three herd groups a batch, "T", "N" and "" in the Badaj...
//   columns, and a result row in the matching table (Partia = the sample's PartiaG) for each "T".
// Throws the engine's JetError when a write fails; nothing is then stored.
GeneratedYear generateYear(db::Database& year, const YearPlan& plan = {});

} // namespace trelimor::test
