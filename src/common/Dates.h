#pragma once

#include <QDate>
#include <QString>

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
