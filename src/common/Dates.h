#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace trelimor {

// The date the program uses for "no date": day 0 of the date type.
inline QDate zeroDate()
{
    return QDate(1899, 12, 30);
}

// A typed date whatever separator the user typed: the text is rewritten in place with the
// system's separator; the zero date when it is not a date.
QDate NaDate(QString& dateText);
// The same under a given short date pattern (Windows notation) and day.
QDate dateFromTyped(QString& dateText, const QString& shortDatePattern, const QDate& today);

// Whether the text reads as a date in the short date format.
bool isShortDate(const QString& text);

// A date as the edit frames take one: day, month and four-digit year in this order, separated
// by ".", "-" or "/" (15.03.2021, 1.3.2021); nothing for any other text, 31.02.2021 included.
std::optional<QDate> dateFromText(const QString& text);
// A date as the edit frames show it, "dd.MM.yyyy".
QString dateText(const QDate& date);

// "Styczeń".."Grudzień" for 1..12; any other number gives a message and an empty text.
QString NazwaMiesiaca(const QString& month);
// The voivodeship's name for its two-digit code, or an empty text.
QString NazwaWojewodztwa(const QString& code);
// The two-digit code of a voivodeship named in any letter case, or an empty text.
QString KodWojewodztwa(const QString& name);

// The user's short date format, and setting it when it differs (letter case ignored).
QString PobierzFormatDaty();
void UstawFormatDaty(const QString& pattern);

} // namespace trelimor
