#include "PolishCollation.h"

#include "Field.h"
#include "SqlFunction.h"

#include <sqlite3.h>

#include <QDateTime>

namespace trelimor::db {

namespace {

// Primary weight of one character, case folded. Latin letters sit in slots of 16 after all
// non-letters, a Polish letter right after its base letter (ź before ż), any other accented
// Latin letter at its base letter's slot + 1 (told apart later by the code point).
quint32 primaryWeight(char32_t cp)
{
    constexpr quint32 letters = 0x200000;
    if (cp < 0x80) {
        if (cp >= 'A' && cp <= 'Z')
            cp += 'a' - 'A';
        if (cp >= 'a' && cp <= 'z')
            return letters + quint32(cp - 'a') * 16;
        return cp;
    }
    const char32_t lower = QChar::toLower(cp);
    // The Polish letters follow their base letter; ż comes after ź.
    struct PolishLetter
    {
        char32_t letter;
        char base;
        quint32 offset;
    };
    static constexpr PolishLetter polish[] = {{U'ą', 'a', 8}, {U'ć', 'c', 8}, {U'ę', 'e', 8},
                                              {U'ł', 'l', 8}, {U'ń', 'n', 8}, {U'ó', 'o', 8},
                                              {U'ś', 's', 8}, {U'ź', 'z', 8}, {U'ż', 'z', 9}};
    for (const PolishLetter& p : polish)
        if (p.letter == lower)
            return letters + quint32(p.base - 'a') * 16 + p.offset;
    if (lower <= 0xFFFF && QChar::isLetter(lower)) {
        const QString decomposed = QChar(char16_t(lower)).decomposition();
        if (!decomposed.isEmpty()) {
            const char16_t base = QChar::toLower(decomposed.at(0).unicode());
            if (base >= 'a' && base <= 'z')
                return letters + quint32(base - 'a') * 16 + 1;
        }
        return 0x400000 + lower; // letters of other scripts after the Latin alphabet
    }
    return QChar::isLetter(lower) ? 0x400000 + lower : lower;
}

char32_t foldCase(char32_t cp)
{
    if (cp < 0x80)
        return (cp >= 'A' && cp <= 'Z') ? cp + ('a' - 'A') : cp;
    return QChar::toLower(cp);
}

// Walks code points of UTF-16 text.
class Utf16Reader
{
public:
    explicit Utf16Reader(QStringView s)
        : m_s(s)
    {}
    bool atEnd() const { return m_i >= m_s.size(); }
    char32_t next()
    {
        const char16_t c = m_s[m_i++].unicode();
        if (QChar::isHighSurrogate(c) && m_i < m_s.size() && QChar::isLowSurrogate(m_s[m_i].unicode()))
            return QChar::surrogateToUcs4(c, m_s[m_i++].unicode());
        return c;
    }

private:
    QStringView m_s;
    qsizetype m_i = 0;
};

// Walks code points of UTF-8 text; malformed bytes come through as themselves.
class Utf8Reader
{
public:
    Utf8Reader(const char* s, int n)
        : m_s(reinterpret_cast<const unsigned char*>(s))
        , m_n(n)
    {}
    bool atEnd() const { return m_i >= m_n; }
    char32_t next()
    {
        const unsigned char c = m_s[m_i++];
        if (c < 0x80)
            return c;
        int extra = 0;
        char32_t cp = 0;
        if ((c & 0xE0) == 0xC0)
            extra = 1, cp = c & 0x1F;
        else if ((c & 0xF0) == 0xE0)
            extra = 2, cp = c & 0x0F;
        else if ((c & 0xF8) == 0xF0)
            extra = 3, cp = c & 0x07;
        else
            return c;
        for (int k = 0; k < extra && m_i < m_n; ++k)
            cp = (cp << 6) | (m_s[m_i++] & 0x3F);
        return cp;
    }

private:
    const unsigned char* m_s;
    int m_n;
    int m_i = 0;
};

template <typename ReaderA, typename ReaderB>
int compareWith(ReaderA a, ReaderB b)
{
    // Primary: alphabetical weights. Secondary (only on a primary tie): the folded code
    // points, so "é" and "e" sort together yet are not equal, while "A" equals "a".
    int secondary = 0;
    while (!a.atEnd() && !b.atEnd()) {
        const char32_t ca = a.next();
        const char32_t cb = b.next();
        if (ca == cb)
            continue;
        const quint32 wa = primaryWeight(ca);
        const quint32 wb = primaryWeight(cb);
        if (wa != wb)
            return wa < wb ? -1 : 1;
        if (secondary == 0) {
            const char32_t fa = foldCase(ca);
            const char32_t fb = foldCase(cb);
            if (fa != fb)
                secondary = fa < fb ? -1 : 1;
        }
    }
    if (!a.atEnd())
        return 1;
    if (!b.atEnd())
        return -1;
    return secondary;
}

bool sameLetter(char32_t a, char32_t b)
{
    return a == b || foldCase(a) == foldCase(b);
}

bool likeFrom(const std::u32string& p, size_t pi, const std::u32string& t, size_t ti)
{
    while (pi < p.size()) {
        const char32_t pc = p[pi];
        if (pc == U'*') {
            while (pi < p.size() && p[pi] == U'*')
                ++pi;
            if (pi == p.size())
                return true;
            for (size_t k = ti; k <= t.size(); ++k)
                if (likeFrom(p, pi, t, k))
                    return true;
            return false;
        }
        if (ti >= t.size())
            return false;
        const char32_t tc = t[ti];
        if (pc == U'?') {
            ++pi, ++ti;
            continue;
        }
        if (pc == U'#') {
            if (tc < U'0' || tc > U'9')
                return false;
            ++pi, ++ti;
            continue;
        }
        if (pc == U'[') {
            const size_t close = p.find(U']', pi + 1);
            if (close == std::u32string::npos) { // a lone "[" is a literal
                if (!sameLetter(pc, tc))
                    return false;
                ++pi, ++ti;
                continue;
            }
            size_t k = pi + 1;
            bool negate = false;
            if (k < close && p[k] == U'!')
                negate = true, ++k;
            bool found = false;
            const char32_t ft = foldCase(tc);
            for (; k < close; ++k) {
                if (k + 2 < close && p[k + 1] == U'-') {
                    if (ft >= foldCase(p[k]) && ft <= foldCase(p[k + 2]))
                        found = true;
                    k += 2;
                } else if (sameLetter(p[k], tc)) {
                    found = true;
                }
            }
            if (found == negate)
                return false;
            pi = close + 1, ++ti;
            continue;
        }
        if (!sameLetter(pc, tc))
            return false;
        ++pi, ++ti;
    }
    return ti == t.size();
}

// --- SQL functions ---------------------------------------------------------------------

int collate(void*, int na, const void* a, int nb, const void* b)
{
    return comparePolishUtf8(static_cast<const char*>(a), na, static_cast<const char*>(b), nb);
}

void likeFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    // X LIKE Y calls like(Y, X): the pattern comes first.
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    Q_UNUSED(argc);
    sqlite3_result_int(ctx, jetLike(sqlArgumentText(argv[0]), sqlArgumentText(argv[1])) ? 1 : 0);
}

template <QString (QString::*Change)() const&>
void caseFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    setSqlResultText(ctx, (sqlArgumentText(argv[0]).*Change)());
}

void lenFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    sqlite3_result_int64(ctx, sqlArgumentText(argv[0]).size());
}

QDateTime argDate(sqlite3_value* v)
{
    if (sqlite3_value_type(v) == SQLITE_NULL)
        return {};
    return dateFromStorage(sqlArgumentText(v));
}

void dateValueFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const QDateTime dt = argDate(argv[0]);
    if (!dt.isValid()) {
        sqlite3_result_null(ctx);
        return;
    }
    setSqlResultText(ctx, dateToStorage(QDateTime(dt.date(), QTime(0, 0))));
}

template <int Part>
void datePartFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const QDateTime dt = argDate(argv[0]);
    if (!dt.isValid()) {
        sqlite3_result_null(ctx);
        return;
    }
    const QDate d = dt.date();
    sqlite3_result_int(ctx, Part == 0 ? d.year() : Part == 1 ? d.month() : d.day());
}

} // namespace

int comparePolish(QStringView a, QStringView b)
{
    return compareWith(Utf16Reader(a), Utf16Reader(b));
}

int comparePolishUtf8(const char* a, int aLength, const char* b, int bLength)
{
    return compareWith(Utf8Reader(a, aLength), Utf8Reader(b, bLength));
}

bool jetLike(QStringView pattern, QStringView text)
{
    return likeFrom(pattern.toString().toStdU32String(), 0, text.toString().toStdU32String(), 0);
}

void registerPolishFunctions(sqlite3* handle)
{
    sqlite3_create_collation_v2(handle, "PL", SQLITE_UTF8, nullptr, collate, nullptr);
    addSqlFunction(handle, "like", 2, likeFunction);
    addSqlFunction(handle, "lower", 1, caseFunction<&QString::toLower>);
    addSqlFunction(handle, "upper", 1, caseFunction<&QString::toUpper>);
    addSqlFunction(handle, "lcase", 1, caseFunction<&QString::toLower>);
    addSqlFunction(handle, "ucase", 1, caseFunction<&QString::toUpper>);
    addSqlFunction(handle, "len", 1, lenFunction);
    addSqlFunction(handle, "datevalue", 1, dateValueFunction);
    addSqlFunction(handle, "year", 1, datePartFunction<0>);
    addSqlFunction(handle, "month", 1, datePartFunction<1>);
    addSqlFunction(handle, "day", 1, datePartFunction<2>);
}

} // namespace trelimor::db
