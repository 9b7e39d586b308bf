#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

namespace trelimor {

class BatchDocumentsHost;

// Values joined as the covering letter lists them: ", " between entries; an empty value at the
// head leaves no entry, a later one an empty entry after its separator.
QString listaWartosci(const QStringList& wartosci);

// The fields of the covering letter's one work row, in the order they are written, for the
// selected batch with n registered samples.
using PolaPisma = QList<std::pair<QString, QString>>;
PolaPisma polaPismaPrzewodniego(BatchDocumentsHost& okno, int n);

} // namespace trelimor
