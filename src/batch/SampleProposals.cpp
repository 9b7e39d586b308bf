#include "SampleProposals.h"

#include "common/Messages.h"

#include "platform/db/Field.h"

namespace trelimor {

int nextSampleNumber(db::Database& rok, qint64 partia)
{
    const QVariant najwyzszy =
        rok.scalar(QStringLiteral("SELECT MAX(NrProbki) FROM Badanie WHERE Partia = ?"), {partia});
    const int nr = db::isNull(najwyzszy) ? 0 : najwyzszy.toInt();
    return nr < 1 ? 1 : nr + 1;
}

SampleCodeParts sampleCodeOfBatch(const db::Recordset& partia)
{
    const QVariant pobrano = partia.value(QStringLiteral("DataPobr"));
    return {BezNullText(partia.value(QStringLiteral("KodZakladu"))),
            db::isNull(pobrano) ? QString() : pobrano.toDate().toString(QStringLiteral("ddMMyyyy"))};
}

} // namespace trelimor
