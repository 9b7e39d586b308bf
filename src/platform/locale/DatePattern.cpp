#include "platform/locale/DatePattern.h"

#include <QList>

#include <algorithm>

namespace trelimor::locale {

namespace {

// A run of one pattern letter ("dd") or a piece of literal text.
struct Token
{
    QChar letter; // null for literal text
    qsizetype count = 0;
    QString text;
};

// Splits a pattern into letter runs and literal text; both notations quote text the same way.
QList<Token> tokenize(const QString& pattern, QStringView letters)
{
    QList<Token> tokens;
    const auto appendLiteral = [&tokens](QChar c) {
        if (tokens.isEmpty() || !tokens.last().letter.isNull())
            tokens.append(Token{});
        tokens.last().text.append(c);
    };
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern.at(i);
        if (c == QLatin1Char('\'')) {
            const auto quoteAt = [&pattern](qsizetype at) {
                return at < pattern.size() && pattern.at(at) == QLatin1Char('\'');
            };
            if (quoteAt(i + 1)) { // '' outside quoted text
                appendLiteral(c);
                i += 2;
                continue;
            }
            for (++i; i < pattern.size();) {
                if (!quoteAt(i))
                    appendLiteral(pattern.at(i++));
                else if (quoteAt(i + 1)) {
                    appendLiteral(c);
                    i += 2;
                } else {
                    ++i; // the closing quote
                    break;
                }
            }
            continue;
        }
        if (letters.contains(c)) {
            qsizetype end = i;
            while (end < pattern.size() && pattern.at(end) == c)
                ++end;
            tokens.append(Token{c, end - i, {}});
            i = end;
            continue;
        }
        appendLiteral(c);
        ++i;
    }
    return tokens;
}

// Literal text for a pattern of either notation: quoted when it holds letters or quotes.
QString quoted(const QString& text)
{
    const bool plain = std::none_of(text.begin(), text.end(),
                                    [](QChar c) { return c.isLetter() || c == QLatin1Char('\''); });
    if (plain)
        return text;
    QString escaped = text;
    escaped.replace(QLatin1String("'"), QLatin1String("''"));
    return QLatin1Char('\'') + escaped + QLatin1Char('\'');
}

// A day or month run as both notations write it: at most four letters.
QString dayOrMonth(const Token& token)
{
    return QString(std::min<qsizetype>(token.count, 4), token.letter);
}

// Rewrites a pattern token by token: literal text quoted again, letter runs spelled anew.
template <class Spell>
QString rewrite(const QString& pattern, QStringView letters, Spell spell)
{
    QString result;
    for (const Token& token : tokenize(pattern, letters))
        result += token.letter.isNull() ? quoted(token.text) : spell(token);
    return result;
}

} // namespace

QString windowsPatternFromQt(const QString& qtFormat)
{
    return rewrite(qtFormat, u"dMy", [](const Token& token) {
        if (token.letter != QLatin1Char('y'))
            return dayOrMonth(token);
        // Qt reads a single "y" as text.
        return token.count >= 4   ? QStringLiteral("yyyy")
               : token.count >= 2 ? QStringLiteral("yy")
                                  : quoted(QStringLiteral("y"));
    });
}

QString qtFormatFromWindows(const QString& windowsPattern)
{
    return rewrite(windowsPattern, u"dMyg", [](const Token& token) {
        if (token.letter == QLatin1Char('g'))
            return QString();
        if (token.letter != QLatin1Char('y'))
            return dayOrMonth(token);
        return token.count >= 3 ? QStringLiteral("yyyy") : QStringLiteral("yy");
    });
}

QString formatDate(const QDate& date, const QString& windowsPattern, const QLocale& names)
{
    if (!date.isValid())
        return {};
    const auto number = [](int value, qsizetype count) {
        return QString::number(value).rightJustified(count >= 2 ? 2 : 1, QLatin1Char('0'));
    };
    QString text;
    for (const Token& token : tokenize(windowsPattern, u"dMyg")) {
        const qsizetype n = token.count;
        switch (token.letter.unicode()) {
        case u'd':
            text +=
                n <= 2 ? number(date.day(), n)
                       : names.dayName(date.dayOfWeek(), n == 3 ? QLocale::ShortFormat : QLocale::LongFormat);
            break;
        case u'M':
            text += n <= 2
                        ? number(date.month(), n)
                        : names.monthName(date.month(), n == 3 ? QLocale::ShortFormat : QLocale::LongFormat);
            break;
        case u'y':
            text += n <= 2 ? number(date.year() % 100, n)
                           : QString::number(date.year()).rightJustified(4, QLatin1Char('0'));
            break;
        case u'g':
            break;
        default:
            text += token.text;
        }
    }
    return text;
}

} // namespace trelimor::locale
