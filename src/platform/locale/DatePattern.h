#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

namespace trelimor::locale {

// Date patterns in the notation of the Windows regional settings:
//   d, dd        day of the month without / with a leading zero; ddd, dddd day name, short / full
//   M, MM        month number without / with a leading zero;    MMM, MMMM month name, short / full
//   y, yy        year of the century without / with a leading zero; yyyy (or longer) the full year
//   g, gg        the era, left out here
//   'text'       text as it stands ('' inside stands for one quote); other characters are kept too.

// Converts a Qt date format (as QLocale gives it) to the Windows notation.
QString windowsPatternFromQt(const QString& qtFormat);
// Converts a Windows pattern to a Qt format for QDate::toString / QDate::fromString. Qt has no
// year without a leading zero, so "y" becomes "yy".
QString qtFormatFromWindows(const QString& windowsPattern);

// The date written by the Windows pattern; names of days and months come from the locale.
QString formatDate(const QDate& date, const QString& windowsPattern,
                   const QLocale& names = QLocale::system());

} // namespace trelimor::locale
