#pragma once

#include <QString>
#include <QVariant>

#include <array>
#include <limits>
#include <optional>

namespace trelimor {

// Splits a line at its first separator ("=", else "#", else ";"). The line becomes the head
// (cut to maxLength characters when that is above 0), tail receives the rest, separator the
// separator finally used. An empty line changes nothing.
void PodzielNaCzesci(QString& line, QString& tail, QString& separator, int maxLength);

// The n-th field (from 0) of a text divided by a one-character separator; no value (an
// invalid QVariant) when there is no such field.
QVariant PobierzPole(const QString& text, int n, const QString& separator);
QVariant PobierzPole2(const QString& text, int n, const QString& separator);

// The text without the blanks (spaces) at its ends. Only spaces count, unlike QString::trimmed():
// a tab or a line break belongs to the text. A view into the text, which must outlive it.
QStringView trimBlanks(QStringView text);

// Every occurrence of the one-character text replaced by the replacement.
QString ZamienZnak(const QString& text, const QString& character, const QString& replacement);

// The general numeric test of the forms and imports: a number with an optional sign, a decimal
// comma or point and an exponent, blanks around it allowed ("  12 ", "-1,5", "1e3").
bool isNumeric(const QString& text);

// A number as the user's settings write one (a decimal comma or point, blanks around it
// allowed); nothing for any other text.
std::optional<double> decimalNumber(const QString& text);

// The number a numeric text holds when it is a whole number of the type's size (blanks
// around it allowed); nothing for a fraction, an exponent or a number out of range.
template <class Number>
std::optional<Number> wholeNumber(const QString& text)
{
    if (!isNumeric(text))
        return std::nullopt;
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    if (!ok || value < std::numeric_limits<Number>::min() || value > std::numeric_limits<Number>::max())
        return std::nullopt;
    return Number(value);
}

// The digits of the text padded with zeros to the width, in front (padLeft) or behind. A text
// with more digits than the width is refused with a warning and gives an empty text.
QString UzupelnijZerami(const QString& text, bool padLeft, int width);

// The table of Polish letters: 18 rows (Ą..Ż, ą..ż) by 5 columns of decimal texts, rows and
// columns counted from 1.
using TablicaZnakow = std::array<std::array<QString, 6>, 19>;
void TablicaPolskichZnakow(TablicaZnakow& table);

// A sort key in which Polish capitals follow their base letters ("Łąka" gives "LzAz..."),
// cut to length characters; a length of 0 becomes the length of the joined trimmed texts.
QString KluczSortowania(const QString& first, const QString& second, int& length);

} // namespace trelimor
