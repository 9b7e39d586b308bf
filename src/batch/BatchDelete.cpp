#include "BatchDelete.h"

#include "common/ResultCleaning.h"
#include "common/TableHelpers.h"

#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"

namespace trelimor {

namespace {

// A result row belongs to the sample with the same batch-group number (Badanie.PartiaG) and sample
// number. The rows of the batch's samples go, unless a sample of another batch has the same pair.
void deleteSampleResults(db::Database& rok, const QString& tabela, const QVariant& partia)
{
    if (!rok.hasTable(tabela) || !rok.hasColumn(tabela, QStringLiteral("Partia")) ||
        !rok.hasColumn(tabela, QStringLiteral("NrProbki")))
        return;
    const QString t = db::quoteIdentifier(tabela);
    if (!rok.hasColumn(QStringLiteral("Badanie"), QStringLiteral("PartiaG"))) {
        rok.execute(QStringLiteral("DELETE FROM %1 WHERE Partia = ?").arg(t), {partia});
        return;
    }
    rok.execute(QStringLiteral("DELETE FROM %1 WHERE EXISTS (SELECT 1 FROM Badanie b WHERE b.Partia = ?1 "
                               "AND b.PartiaG = %1.Partia AND b.NrProbki = %1.NrProbki) "
                               "AND NOT EXISTS (SELECT 1 FROM Badanie b WHERE b.Partia IS NOT ?1 "
                               "AND b.PartiaG = %1.Partia AND b.NrProbki = %1.NrProbki)")
                    .arg(t),
                {partia});
}

} // namespace

void deleteBatch(db::Database& rok, qint64 wiersz, const QVariant& partia)
{
    db::Transaction transakcja(rok, db::Transaction::Mode::Immediate);
    for (const QString& tabela : resultTables())
        deleteSampleResults(rok, tabela, partia);
    rok.execute(QStringLiteral("DELETE FROM Badanie WHERE Partia = ?"), {partia});
    rok.execute(QStringLiteral("DELETE FROM Partia WHERE rowid = ?"), {wiersz});
    transakcja.commit();
}

void deleteGroupRows(db::Database& rok, const QString& tabela, const QVariant& partiaG)
{
    db::Transaction transakcja(rok);
    db::Recordset wiersze = rok.openRecordset(
        QStringLiteral("SELECT * FROM %1 WHERE Partia = ?").arg(db::quoteIdentifier(tabela)), {partiaG});
    UsunWszystkie(wiersze);
    transakcja.commit();
}

} // namespace trelimor
