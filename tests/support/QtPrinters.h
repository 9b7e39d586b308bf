#pragma once

// Lets GoogleTest print Qt values readably in failure messages.

#include <QDate>
#include <QDateTime>
#include <QString>

#include <iosfwd>

void PrintTo(const QString& text, std::ostream* out);
void PrintTo(const QDate& date, std::ostream* out);
void PrintTo(const QDateTime& moment, std::ostream* out);
