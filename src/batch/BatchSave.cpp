#include "BatchSave.h"

#include "BatchFields.h"

#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"

namespace trelimor {

namespace {

bool rowExists(db::Database& baza, const QString& sql, const QVariantList& args = {})
{
    return baza.scalar(sql, args).toLongLong() > 0;
}

} // namespace

BatchSaveResult saveBatch(db::Database& rok, db::Database& stale, const FrameValues& values,
                          std::optional<qint64> wiersz)
{
    db::Transaction transakcja(rok, db::Transaction::Mode::Immediate);
    BatchCheckData dane;
    dane.saZaklady = rowExists(stale, QStringLiteral("SELECT count(*) FROM ZAKLAD"));
    dane.zakladIstnieje = [&stale](const QString& wni) {
        return rowExists(stale, QStringLiteral("SELECT count(*) FROM ZAKLAD WHERE WNI = ?"), {wni});
    };
    dane.partiaIstnieje = [&rok](qint64 partia) {
        return rowExists(rok, QStringLiteral("SELECT count(*) FROM Partia WHERE Partia = ?"), {partia});
    };
    BatchSaveResult wynik;
    wynik.odmowa = firstBatchRefusal(values, dane);
    if (wynik.odmowa)
        return wynik;

    db::Recordset partie = values.isNew
                               ? rok.openRecordset(QStringLiteral("SELECT * FROM Partia WHERE 0 = 1"))
                               : rok.openRecordset(QStringLiteral("SELECT * FROM Partia WHERE rowid = ?"),
                                                   {wiersz.value_or(-1)});
    if (values.isNew) {
        partie.addNew();
    } else {
        partie.edit(); // a row another installation deleted meanwhile fails here (no current record)
        wynik.partia = partie.value(QStringLiteral("Partia")).toLongLong();
    }
    for (const BatchFrameField& pole : batchFrameFields()) {
        if (pole.zapis == FieldWrite::NumerPartii && !values.isNew)
            continue;
        const QVariant wartosc = fieldValue(pole, values.text(pole.kontrolka));
        partie.setValue(pole.pole, wartosc);
        if (pole.zapis == FieldWrite::NumerPartii)
            wynik.partia = wartosc.toLongLong();
    }
    partie.update();
    wynik.wiersz = partie.lastModified();
    transakcja.commit();
    return wynik;
}

} // namespace trelimor
