#pragma once

#include <QString>

#include <optional>

class QLineEdit;
class QWidget;

namespace trelimor {

// The year rule of the sampling and dispatch dates: the message when the date's year is not the
// working date's year, nothing when they agree.
std::optional<QString> dateYearRefusal(const QString& data, const QString& dataRobocza);

// A date button of an edit frame: the date picker, placed under the button, starts on the field's
// date and writes the chosen date into the field. With a working date given, a date of another
// year is refused with the message and the field emptied. The focus moves on in every case.
void pickFieldDate(QWidget& okno, QLineEdit* pole, const QWidget* przycisk,
                   const std::optional<QString>& dataRobocza);

// An hour button: the field shows the current time, and the time picker, which starts on it,
// writes the chosen "hh:mm" into the field; then the focus moves on.
void pickFieldHour(QWidget& okno, QLineEdit* pole, const QWidget* przycisk);

} // namespace trelimor
