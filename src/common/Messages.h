#pragma once

#include <QString>
#include <QVariant>

#include <exception>

namespace trelimor {

// The fixed titles of the program's boxes.
inline const QString kInformationTitle = QStringLiteral("INFORMACJA");
inline const QString kQuestionTitle = QStringLiteral("PYTANIE");
inline const QString kAlarmTitle = QStringLiteral("ALARM!!!");
inline const QString kDeletionTitle = QStringLiteral("USUWANIE!");
inline const QString kLoadingTitle = QStringLiteral("WCZYTYWANIE");
inline const QString kCheckTitle = QStringLiteral("KONTROLA POPRAWNOŚCI");

// An information box (OK, information icon) with the title.
void PokazInfo(const QString& text, const QString& title);
// A warning box (OK, exclamation icon) with the title.
void PokazUwage(const QString& text, const QString& title);
// The self-closing alarm window: the message under the title, closing itself after the delay
// in seconds (the close button shown or not); a beep when it has closed.
void PokazAlarm(const QVariant& message, const QString& title, int delaySeconds, bool closeButton);
// The error report of every error trap: the caught error's description under the title.
void PokazBlad(const QString& title, const std::exception& error);
void PokazBlad(const QString& title, const QString& description);
// The text PokazBlad shows for an error: a database error's Polish description, else its message
// (running out of memory in Polish too: see exceptionText).
QString errorDescription(const std::exception& error);

// The value, or the default when the value is null, empty or a text of length 0.
QVariant BezNull(const QVariant& value, const QVariant& defaultValue);
// The common case of a field shown in a text box: its text, or the default text.
QString BezNullText(const QVariant& value, const QString& defaultValue = {});

} // namespace trelimor
