#pragma once

#include <QDate>
#include <QString>

namespace trelimor {

// The date picker with confirm and cancel buttons (the working date). A text that holds a date
// opens the month view on it and is rewritten with the system's date separator; otherwise the
// month view keeps its date (today at first use, else the last choice). Returns the chosen date;
// cancelling returns the date it opened with.
QDate WybierzDate(QString& dateText, const QString& caption);
// The same on the bare month view of the date fields.
QDate WybierzDate1(QString& dateText, const QString& caption);
// The time picker: preselects "hh:mm" of the text (which becomes the current time "hh:mm:ss"
// when it holds no ":") and returns the chosen "hh:mm".
QString WybierzGodzine(QString& timeText);

} // namespace trelimor
