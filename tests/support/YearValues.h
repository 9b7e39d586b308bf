#pragma once

#include <QVariant>

#include <cstdint>
#include <initializer_list>
#include <random>
#include <vector>

// The values a generated year draws from. Each pool lists every class of value that some
// operation tells apart, with a weight that makes the common ones common.
namespace trelimor::test {

// Numbers from the raw output of std::mt19937, whose sequence the standard fixes; the standard
// distributions are left alone because their results differ between libraries.
class Random
{
public:
    explicit Random(std::uint32_t seed)
        : m_engine(seed)
    {}
    // 0 <= result < n (n > 0).
    int below(int n) { return int((std::uint64_t(m_engine()) * std::uint64_t(n)) >> 32); }

private:
    std::mt19937 m_engine;
};

struct Weighted
{
    QVariant value; // a null QVariant stands for a null value
    int weight;
};

class Pool
{
public:
    Pool(std::initializer_list<Weighted> items);
    // The row-th value for the first rows, so that a short year still holds every class; a
    // weighted draw after them.
    const QVariant& take(Random& random, qint64 row) const;
    int size() const { return int(m_items.size()); }

private:
    std::vector<Weighted> m_items;
    int m_total = 0;
};

// Classes drawn as numbers, for values that are made rather than listed.
namespace DateGap {
enum { None, Slaughter, Entry, Testing, Result, Sampling, All };
}
namespace AgeClass {
enum { Whole, Half, TwentyThreeAndAHalf, TwentyFourAndAHalf, Zero, Negative, None };
}
namespace Presence {
enum { Value, Null, Empty };
}

extern const Pool kEstablishments;     // KodZakladu
extern const Pool kEstablishmentKinds; // Partia.WNI
extern const Pool kDateGaps;
extern const Pool kVets;
extern const Pool kRemarks;
extern const Pool kKindsOfSlaughter;
extern const Pool kSpecies;
extern const Pool kDeer; // Gatunek2 of "Jeleniowate"
extern const Pool kSexes;
extern const Pool kResults; // Badanie.Wynik
extern const Pool kAges;
extern const Pool kForeignTags; // Presence: Value for a foreign ear tag
extern const Pool kKeepingSystems;
extern const Pool kProductionTypes;
extern const Pool kFirstNames;
extern const Pool kSurnames;
extern const Pool kPlaces;

// The statistics shape.
extern const Pool kPresence; // NrOgolny
extern const Pool kRepeats;  // BadaniaPowtorzone
extern const Pool kDescriptions;

// The serology shape.
extern const Pool kMarks;
extern const Pool kPayments;
extern const Pool kClinics;
extern const Pool kCountries;
extern const Pool kTissues;
extern const Pool kMostlyNo; // yes/no columns
extern const Pool kMostlyYes;
extern const Pool kGroupsPerBatch;
extern const Pool kHerdNumberClasses; // Presence of PartiaG.NRGOSPOD
extern const Pool kBreeds;
extern const Pool kColours;
extern const Pool kAgeKinds;
extern const Pool kTestFlags; // Badaj...
extern const Pool kSerologyWords;
extern const Pool kTitres;
extern const Pool kUnits;

} // namespace trelimor::test
