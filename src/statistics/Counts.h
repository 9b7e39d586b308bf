#pragma once

#include "Selection.h"

#include <QList>
#include <QString>

#include <array>

namespace trelimor {

class AttachedYear;

// LicznikiUboju: the samples counted by kind of slaughter, in the order E, N, K, P, U, UF, R,
// NNWOK, NWOK, BSEP, BSEZ, Z.
using LicznikiUboju = std::array<qint32, 12>;

// The counting summaries. Each fills its work table in one transaction with a fixed number of
// statements, whatever the size of the year; a failure leaves the table as it was and is thrown.

// Every sample of the period's batches (no voivodeship or county test) by kind of slaughter:
// the counters, stored as the one row of RodzUboju (emptied first).
LicznikiUboju ZestRodzUboju(const AttachedYear& year, const Selection& selection);

// One IloscZak row per voivodeship ("woj"), county ("pow") or establishment ("zak") that has
// samples, in the order the per-batch loop meets them, with the samples and the three results
// counted; the description is the voivodeship's name, the county code with its town, or the
// establishment code.
void ZliczWojPowZak(const AttachedYear& year, const Selection& selection, const QString& rodzaj);

// A sample without an age, met by the age count: the user is told of each, in the loop's order.
struct MissingAge
{
    QString partia;
    QString nrOgolny;
};
// The text of that message.
QString missingAgeText(const MissingAge& sample);

// One IloscZak row for the age band (whole months, both ends included; ages rounded half to even)
// when the selection has samples; the samples without an age are returned, not counted. Bounds
// that are no 16-bit whole numbers fail only when a sample with an age is met; a year without
// NrOgolny fails only when a sample without an age is met.
QList<MissingAge> ZliczWiek(const AttachedYear& year, const Selection& selection, const QString& wiekOd,
                            const QString& wiekDo);

// One IloscZak row per species (Polish letter case aside, the first spelling met kept; no
// species and an empty one together), in the order the loop meets them.
void ZliczGatunek(const AttachedYear& year, const Selection& selection);

} // namespace trelimor
