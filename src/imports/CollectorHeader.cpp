#include "CollectorHeader.h"

#include "common/Dates.h"
#include "common/TextHelpers.h"
#include "common/TextLines.h"

namespace trelimor {

std::optional<CollectorHeader> findCollectorHeader(TextLineReader& lines)
{
    const QString separator = QStringLiteral("|");
    QString line;
    while (lines.next(line)) {
        const QString padded = line.trimmed() + QStringLiteral("|||||");
        if (!padded.startsWith(QLatin1String("[Partia]")))
            continue;
        const auto field = [&padded, &separator](int n) {
            return PobierzPole(padded, n, separator).toString();
        };
        return CollectorHeader{field(1), field(2), field(3)};
    }
    return std::nullopt;
}

std::optional<QDate> collectorDate(const QString& text)
{
    if (const std::optional<QDate> date = dateFromText(text))
        return date;
    const QDate iso = QDate::fromString(text.trimmed(), Qt::ISODate);
    if (iso.isValid())
        return iso;
    return std::nullopt;
}

} // namespace trelimor
