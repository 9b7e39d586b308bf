#include "BatchSave.h"

#include "BatchFields.h"

#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"

namespace trelimor {

namespace {

bool jestWiersz(db::Database& baza, const QString& sql, const QVariantList& args = {})
{
    return baza.scalar(sql, args).toLongLong() > 0;
}

} // namespace

ZapisPartii zapiszPartie(db::Database& rok, db::Database& stale, const FrameValues& values,
                         std::optional<qint64> wiersz)
{
    db::Transaction transakcja(rok, db::Transaction::Mode::Immediate);
    DaneSprawdzenPartii dane;
    dane.saZaklady = jestWiersz(stale, QStringLiteral("SELECT count(*) FROM ZAKLAD"));
    dane.zakladIstnieje = [&stale](const QString& wni) {
        return jestWiersz(stale, QStringLiteral("SELECT count(*) FROM ZAKLAD WHERE WNI = ?"), {wni});
    };
    dane.partiaIstnieje = [&rok](qint64 partia) {
        return jestWiersz(rok, QStringLiteral("SELECT count(*) FROM Partia WHERE Partia = ?"), {partia});
    };
    ZapisPartii wynik;
    wynik.odmowa = pierwszaOdmowaPartii(values, dane);
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
    for (const PoleRamkiPartii& pole : polaRamkiPartii()) {
        if (pole.zapis == ZapisPola::NumerPartii && !values.isNew)
            continue;
        const QVariant wartosc = wartoscPola(pole, values.text(pole.kontrolka));
        partie.setValue(pole.pole, wartosc);
        if (pole.zapis == ZapisPola::NumerPartii)
            wynik.partia = wartosc.toLongLong();
    }
    partie.update();
    wynik.wiersz = partie.lastModified();
    transakcja.commit();
    return wynik;
}

} // namespace trelimor
