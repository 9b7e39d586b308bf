#pragma once

#include <QDate>
#include <QString>

namespace trelimor {

// The place and date line of the protocol: "Warszawa, dn. 08 grudzień 2026 r.".
QString miastoDnia(const QString& miejsce, const QDate& dataWysylki);

} // namespace trelimor
