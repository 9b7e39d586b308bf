#include "support/QtPrinters.h"

#include <ostream>

void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

void PrintTo(const QDate& date, std::ostream* out)
{
    *out << date.toString(Qt::ISODate).toStdString();
}

void PrintTo(const QDateTime& moment, std::ostream* out)
{
    *out << moment.toString(Qt::ISODateWithMs).toStdString();
}
