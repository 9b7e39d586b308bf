#pragma once

#include <QString>

#include <optional>

struct sqlite3;

namespace trelimor {

// What the summaries' SQL needs beyond SQLite's own functions (the Polish lower and upper case
// come with every connection):
//   rodzaj_uboju(kind)       the kind-of-slaughter column a sample counts under: "N", "K", "P",
//                            "U", "UF", "R", "NNWOK", "NWOK", "BSEP", "BSEZ", "Z", or "E" for an
//                            empty, missing or unknown kind (compared trimmed and in capitals);
//   kod_regionu(code, n)     the first n characters of the trimmed establishment code (the
//                            voivodeship for 2, the county for 4, the whole code for 0); a missing
//                            code gives an empty key;
//   wiek(age)                a sample's age as the age count reads it: 0 when missing or empty,
//                            a single-precision age as its shown value; text that is no number
//                            is an error;
//   pasmo_wieku(age, lo, hi) where a sample stands in an age band: -1 without an age (as wiek()
//                            reads it, 0 or less), 1 when its age rounded half to even lies from
//                            lo to hi (both included), 0 otherwise or when a bound is missing;
//   slowo_wyniku(result)     the result word a sample counts under, its result in Polish lower
//                            case, not trimmed: "dodatni", "ujemny", "odstąpienie", or an empty
//                            text for any other result or none;
//   zaokraglij(x)            x rounded to a whole number, a half to the even one;
//   nazwa_wojewodztwa(code)  the voivodeship's name for its two-digit code, or an empty text.
void registerSummaryFunctions(sqlite3* handle);

// The column a kind of slaughter counts under (see rodzaj_uboju).
QString kindColumn(const QString& kind);

// A number rounded to a whole number, a half to the even one (23.5 and 24.5 give 24).
qint64 roundHalfEven(double value);

// A whole-number bound typed by the user ("24", "24,5", "1e2"), rounded as above; nothing
// when the text is no number or the whole number does not fit in 16 bits.
std::optional<qint16> wholeBound(const QString& text);

} // namespace trelimor
