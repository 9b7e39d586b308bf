#pragma once

#include "platform/db/Field.h"

#include <QString>
#include <QVariant>

namespace trelimor {

namespace db {
class Recordset;
}

// A stored value as the batch documents write it as text: null as nothing, a date as the short
// date dd.mm.yyyy (with its time of day when it has one, a time alone as hh:mm:ss), a number in
// its ordinary form with a decimal comma, a Single to the digits it holds.
QString tekstWartosci(const QVariant& value, db::DataType type);
// A number in that ordinary form: whole numbers as they are, a Double to 15 significant digits,
// a Single to 7, with a decimal comma; any other value as its plain text.
QString tekstLiczby(const QVariant& value, db::DataType type);
// The same for a field of the current record, or of the record at the index wiersz (from 0)
// without moving to it; 3265 for a field the recordset lacks.
QString tekstPola(const db::Recordset& rs, const QString& pole, int wiersz = -1);

} // namespace trelimor
