#include "Counts.h"

#include "AttachedYear.h"
#include "SqlFunctions.h"

#include "common/TextHelpers.h"

#include "platform/db/JetError.h"
#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace trelimor {

namespace {

constexpr int kTypeMismatch = 13;

// The kinds of slaughter in the order of LicznikiUboju.
const std::array<QString, 12>& kinds()
{
    static const std::array<QString, 12> list = {u"E"_s, u"N"_s,     u"K"_s,    u"P"_s,    u"U"_s,    u"UF"_s,
                                                 u"R"_s, u"NNWOK"_s, u"NWOK"_s, u"BSEP"_s, u"BSEZ"_s, u"Z"_s};
    return list;
}

// The counts of a group of samples added up from subgroups that the inner query made by result
// word (column s) with their sizes (column n): each function is then evaluated once per sample.
const QString kWordSums = u"sum(n) AS n, sum(CASE WHEN s = 'dodatni' THEN n ELSE 0 END) AS d, "
                          "sum(CASE WHEN s = 'ujemny' THEN n ELSE 0 END) AS u, "
                          "sum(CASE WHEN s = 'odstąpienie' THEN n ELSE 0 END) AS o"_s;

int regionLength(const QString& rodzaj)
{
    if (rodzaj == u"woj")
        return 2;
    if (rodzaj == u"pow")
        return 4;
    if (rodzaj == u"zak")
        return 0;
    throw db::JetError(5, u"Nieprawidłowe wywołanie procedury lub nieprawidłowy argument."_s);
}

QString regionDescription(const QString& rodzaj)
{
    if (rodzaj == u"woj")
        return u"nazwa_wojewodztwa(klucz)"_s;
    if (rodzaj == u"pow")
        return u"(SELECT klucz || ' - ' || coalesce(PIW.Miasto, '') FROM stale.PIW AS PIW "
               "WHERE PIW.IDPIW = klucz ORDER BY PIW.rowid LIMIT 1)"_s;
    return u"klucz"_s;
}

// A bound of the age band, or the error the count meets when it compares an age with it.
struct Bound
{
    std::optional<qint16> value;
    int error = 0;
};

Bound bound(const QString& text)
{
    if (const std::optional<qint16> value = wholeBound(text))
        return {value, 0};
    return {std::nullopt, isNumeric(text) ? db::jet::Overflow : kTypeMismatch};
}

QVariant boundValue(const Bound& b)
{
    return b.value ? QVariant(int(*b.value)) : QVariant();
}

} // namespace

QString missingAgeText(const MissingAge& sample)
{
    return u"W partii "_s + sample.partia + u", próbka o nr ogólnym "_s + sample.nrOgolny +
           u", występuje brak wieku!"_s;
}

LicznikiUboju ZestRodzUboju(const AttachedYear& year, const Selection& selection)
{
    db::Database& work = year.work();
    const SqlText samples = samplesOf(selection, AreaTest::Skip);
    LicznikiUboju counters{};
    db::Transaction transaction(work);
    {
        QString counts;
        for (const QString& kind : kinds())
            counts += (counts.isEmpty() ? u""_s : u", "_s) +
                      u"count(CASE WHEN rodzaj_uboju(b.RodzajUboju) = '"_s + kind + u"' THEN 1 END)"_s;
        db::Recordset rs =
            work.openRecordset(u"SELECT "_s + counts + u" FROM "_s + samples.sql, samples.params);
        for (size_t i = 0; i < counters.size(); ++i)
            counters[i] = qint32(rs.value(int(i)).toLongLong());
    }
    work.execute(u"DELETE FROM RodzUboju"_s);
    QString columns;
    QString marks;
    QVariantList values;
    for (size_t i = 0; i < counters.size(); ++i) {
        columns += (i ? u", Rodz"_s : u"Rodz"_s) + kinds()[i];
        marks += i ? u", ?"_s : u"?"_s;
        values << counters[i];
    }
    work.execute(u"INSERT INTO RodzUboju ("_s + columns + u") VALUES ("_s + marks + u")"_s, values);
    transaction.commit();
    return counters;
}

void ZliczWojPowZak(const AttachedYear& year, const Selection& selection, const QString& rodzaj)
{
    const int length = regionLength(rodzaj);
    const SqlText samples = samplesOf(selection, AreaTest::Apply);
    // Batch by batch (in the table's order) the samples are counted, then the batches' counts
    // are added up by region; a region's row comes where its first batch did, keyed as that batch
    // wrote its code.
    const QString sql =
        u"INSERT INTO IloscZak (Zaklad, ZakladOpis, DataZakres, IlProbek, IlDod, IlUjem, IlOdstap) "
        "SELECT klucz, "_s +
        regionDescription(rodzaj) +
        u", ?, n, d, u, o FROM ("
        "SELECT klucz, min(pierwszy) AS pierwszy, "_s +
        kWordSums +
        u" FROM (SELECT kod_regionu(p.KodZakladu, ?) AS klucz, p.rowid AS pierwszy, "
        "slowo_wyniku(b.Wynik) AS s, count(*) AS n FROM "_s +
        samples.sql + u" GROUP BY p.rowid, s) GROUP BY klucz COLLATE PL) ORDER BY pierwszy"_s;
    db::Database& work = year.work();
    db::Transaction transaction(work);
    work.execute(sql, QVariantList{selection.DataZakres(), length} + samples.params);
    transaction.commit();
}

QList<MissingAge> ZliczWiek(const AttachedYear& year, const Selection& selection, const QString& wiekOd,
                            const QString& wiekDo)
{
    db::Database& work = year.work();
    const SqlText samples = samplesOf(selection, AreaTest::Apply);
    const Bound from = bound(wiekOd);
    const Bound to = bound(wiekDo);

    db::Transaction transaction(work);
    if (from.error || to.error) {
        const bool aged =
            work.scalar(u"SELECT EXISTS (SELECT 1 FROM "_s + samples.sql + u" AND wiek(b.Wiek) > 0)"_s,
                        samples.params)
                .toBool();
        if (aged)
            throw db::JetError::fromNumber(from.error ? from.error : to.error);
    }

    QList<MissingAge> missing;
    if (year.yearHas(u"Badanie"_s, u"NrOgolny"_s)) {
        db::Recordset rs = work.openRecordset(u"SELECT p.Partia, b.NrOgolny FROM "_s + samples.sql +
                                                  u" AND wiek(b.Wiek) <= 0 ORDER BY "_s + kSampleOrder,
                                              samples.params);
        for (; !rs.eof(); rs.moveNext())
            missing.append({rs.value(0).toString(), rs.value(1).toString()});
    } else if (work.scalar(u"SELECT EXISTS (SELECT 1 FROM "_s + samples.sql + u" AND wiek(b.Wiek) <= 0)"_s,
                           samples.params)
                   .toBool()) {
        throw db::JetError::fromNumber(db::jet::ItemNotFound, u"NrOgolny"_s);
    }

    work.execute(
        u"INSERT INTO IloscZak (ZakladOpis, DataZakres, IlProbek, IlDod, IlUjem, IlOdstap) "
        "SELECT ?, ?, n, d, u, o FROM (SELECT sum(n) AS wszystkie, "
        "sum(CASE WHEN k = 1 THEN n ELSE 0 END) AS n, "
        "sum(CASE WHEN k = 1 AND s = 'dodatni' THEN n ELSE 0 END) AS d, "
        "sum(CASE WHEN k = 1 AND s = 'ujemny' THEN n ELSE 0 END) AS u, "
        "sum(CASE WHEN k = 1 AND s = 'odstąpienie' THEN n ELSE 0 END) AS o "
        "FROM (SELECT pasmo_wieku(b.Wiek, ?, ?) AS k, slowo_wyniku(b.Wynik) AS s, count(*) AS n FROM "_s +
            samples.sql + u" GROUP BY k, s)) WHERE wszystkie > 0"_s,
        QVariantList{wiekOd + u" - "_s + wiekDo, selection.DataZakres(), boundValue(from), boundValue(to)} +
            samples.params);
    transaction.commit();
    return missing;
}

void ZliczGatunek(const AttachedYear& year, const Selection& selection)
{
    const SqlText samples = samplesOf(selection, AreaTest::Apply);
    // Samples are grouped by their exact species first (cheap), then the few groups under the
    // Polish collation, keeping the spelling met first.
    const QString sql =
        u"INSERT INTO IloscZak (ZakladOpis, DataZakres, IlProbek, IlDod, IlUjem, IlOdstap) "
        "SELECT gatunek, ?, n, d, u, o FROM ("
        "SELECT gatunek, min(pierwszy) AS pierwszy, "_s +
        kWordSums + u" FROM (SELECT coalesce(b.Gatunek, '') AS gatunek, slowo_wyniku(b.Wynik) AS s, min("_s +
        kSampleOrder + u") AS pierwszy, count(*) AS n FROM "_s + samples.sql +
        u" GROUP BY gatunek, s) GROUP BY gatunek COLLATE PL) ORDER BY pierwszy"_s;
    db::Database& work = year.work();
    db::Transaction transaction(work);
    work.execute(sql, QVariantList{selection.DataZakres()} + samples.params);
    transaction.commit();
}

} // namespace trelimor
