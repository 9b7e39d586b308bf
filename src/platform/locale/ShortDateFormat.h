#pragma once

#include <QDate>
#include <QString>

namespace trelimor::locale {

// The user's short date format, kept like a regional setting of the desktop: in
// <config>/Trelimor/regional.ini under the key sShortDate, where <config> is the user's
// configuration folder (XDG_CONFIG_HOME, normally ~/.config). The program changes it while it
// runs and puts the user's own format back at the end; patterns use the Windows notation of
// DatePattern.h.

// The file that holds the setting.
QString regionalSettingsFile();

// The current pattern. The first read of a user who has none yet stores the system locale's
// short date format and returns it.
QString shortDateFormat();

// Makes the pattern the user's short date format; false when it could not be stored.
bool setShortDateFormat(const QString& pattern);

// The system locale's short date format in the Windows notation.
QString systemShortDateFormat();

// The date as text under the current short date format, as the desktop writes a date.
QString formatShortDate(const QDate& date);

} // namespace trelimor::locale
