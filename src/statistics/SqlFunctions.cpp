#include "SqlFunctions.h"

#include "common/Dates.h"
#include "common/TextHelpers.h"
#include "documents/ValueText.h"

#include "platform/db/SqlFunction.h"

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

using namespace Qt::StringLiterals;

namespace trelimor {

namespace {

// The kind column of a kind written in plain ASCII, without making a QString: the common case.
const char* asciiKindColumn(const unsigned char* text, int length)
{
    static const char* const known[] = {"N", "K", "P", "U", "UF", "R", "NNWOK", "NWOK", "BSEP", "BSEZ", "Z"};
    int first = 0;
    while (first < length && text[first] == ' ')
        ++first;
    while (length > first && text[length - 1] == ' ')
        --length;
    char code[8];
    const int size = length - first;
    if (size >= int(sizeof code))
        return "E";
    for (int i = 0; i < size; ++i) {
        const unsigned char c = text[first + i];
        code[i] = char(c >= 'a' && c <= 'z' ? c - ('a' - 'A') : c);
    }
    code[size] = '\0';
    for (const char* k : known)
        if (std::strcmp(code, k) == 0)
            return k;
    return "E";
}

void kindFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const auto* text = sqlite3_value_text(argv[0]);
    const int length = sqlite3_value_bytes(argv[0]);
    const bool ascii = std::all_of(text, text + length, [](unsigned char c) { return c < 0x80; });
    if (!text || ascii) {
        sqlite3_result_text(ctx, asciiKindColumn(text, text ? length : 0), -1, SQLITE_STATIC);
        return;
    }
    // A letter outside ASCII may still turn into a code's letter in capitals.
    db::setSqlResultText(ctx, kindColumn(db::sqlArgumentText(argv[0])));
}

void regionFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const QString code = trimBlanks(db::sqlArgumentText(argv[0])).toString();
    const int length = sqlite3_value_int(argv[1]);
    db::setSqlResultText(ctx, length > 0 ? code.left(length) : code);
}

// A sample's age as the age count reads it; nothing (after the error is set) for text that is
// no number.
std::optional<double> ageOf(sqlite3_context* ctx, sqlite3_value* age)
{
    switch (sqlite3_value_type(age)) {
    case SQLITE_NULL:
        return 0.0;
    case SQLITE_INTEGER:
        return double(sqlite3_value_int64(age));
    case SQLITE_FLOAT: {
        // A single-precision age is read through its shown form (seven significant digits), so
        // 23.4999995 stored as a single is the 23.5 the user typed.
        char shown[32];
        std::snprintf(shown, sizeof shown, "%.7g", double(float(sqlite3_value_double(age))));
        return std::strtod(shown, nullptr);
    }
    default: {
        const QString text = db::sqlArgumentText(age);
        if (text.trimmed().isEmpty())
            return 0.0;
        if (const std::optional<double> number = decimalNumber(text))
            return number;
        sqlite3_result_error(ctx, "Niezgodność typów.", -1);
        return std::nullopt;
    }
    }
}

void ageFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (const std::optional<double> age = ageOf(ctx, argv[0]))
        sqlite3_result_double(ctx, *age);
}

void bandFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const std::optional<double> age = ageOf(ctx, argv[0]);
    if (!age)
        return;
    if (*age <= 0) {
        sqlite3_result_int(ctx, -1);
        return;
    }
    if (sqlite3_value_type(argv[1]) == SQLITE_NULL || sqlite3_value_type(argv[2]) == SQLITE_NULL) {
        sqlite3_result_int(ctx, 0);
        return;
    }
    const qint64 months = roundHalfEven(*age);
    sqlite3_result_int(ctx, months >= sqlite3_value_int64(argv[1]) && months <= sqlite3_value_int64(argv[2]));
}

void resultWordFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    static const QString words[] = {u"dodatni"_s, u"ujemny"_s, u"odstąpienie"_s};
    const QString result = db::sqlArgumentText(argv[0]).toLower();
    for (const QString& word : words) {
        if (result == word) {
            db::setSqlResultText(ctx, word);
            return;
        }
    }
    sqlite3_result_text(ctx, "", 0, SQLITE_STATIC);
}

void valueTextFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    sqlite3_value* value = argv[0];
    switch (sqlite3_value_type(value)) {
    case SQLITE_NULL:
        sqlite3_result_text(ctx, "", 0, SQLITE_STATIC);
        return;
    case SQLITE_FLOAT:
        db::setSqlResultText(ctx, tekstWartosci(sqlite3_value_double(value), db::DataType::Single));
        return;
    default:
        sqlite3_result_value(ctx, value);
        return;
    }
}

void roundFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    sqlite3_result_int64(ctx, roundHalfEven(sqlite3_value_double(argv[0])));
}

void voivodeshipFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    db::setSqlResultText(ctx, NazwaWojewodztwa(db::sqlArgumentText(argv[0])));
}

} // namespace

void registerSummaryFunctions(sqlite3* handle)
{
    db::addSqlFunction(handle, "rodzaj_uboju", 1, kindFunction);
    db::addSqlFunction(handle, "kod_regionu", 2, regionFunction);
    db::addSqlFunction(handle, "wiek", 1, ageFunction);
    db::addSqlFunction(handle, "pasmo_wieku", 3, bandFunction);
    db::addSqlFunction(handle, "slowo_wyniku", 1, resultWordFunction);
    db::addSqlFunction(handle, "tekst_wartosci", 1, valueTextFunction);
    db::addSqlFunction(handle, "zaokraglij", 1, roundFunction);
    db::addSqlFunction(handle, "nazwa_wojewodztwa", 1, voivodeshipFunction);
}

QString kindColumn(const QString& kind)
{
    static const std::array<QString, 11> known = {
        u"N"_s, u"K"_s, u"P"_s, u"U"_s, u"UF"_s, u"R"_s, u"NNWOK"_s, u"NWOK"_s, u"BSEP"_s, u"BSEZ"_s, u"Z"_s};
    const QString code = trimBlanks(kind).toString().toUpper();
    for (const QString& k : known)
        if (code == k)
            return k;
    return u"E"_s;
}

qint64 roundHalfEven(double value)
{
    // The default rounding mode of the floating-point environment is to nearest, ties to even.
    return qint64(std::nearbyint(value));
}

std::optional<qint16> wholeBound(const QString& text)
{
    const std::optional<double> number = decimalNumber(text);
    if (!number || !std::isfinite(*number))
        return std::nullopt;
    const double rounded = std::nearbyint(*number);
    if (rounded < std::numeric_limits<qint16>::min() || rounded > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return qint16(rounded);
}

} // namespace trelimor
