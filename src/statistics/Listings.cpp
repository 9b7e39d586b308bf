#include "Listings.h"

#include "AttachedYear.h"
#include "ErrorText.h"

#include "platform/db/JetError.h"
#include "platform/db/Transaction.h"

#include <QStringList>

#include <functional>

using namespace Qt::StringLiterals;

namespace trelimor {

namespace {

// The county of a batch (the first four characters of its trimmed establishment code) and the
// town of the first district inspectorate of that code, an empty text when there is none.
const QString kCounty = u"kod_regionu(p.KodZakladu, 4)"_s;
const QString kTown = u"coalesce(piw.Miasto, '')"_s;
const QString kTownJoin =
    u"LEFT JOIN (SELECT IDPIW, Miasto, min(rowid) FROM stale.PIW GROUP BY IDPIW) AS piw "
    "ON piw.IDPIW = kod_regionu(p.KodZakladu, 4)"_s;
// The type of the establishment whose veterinary number the batch carries (the first such row).
const QString kTypeJoin = u"LEFT JOIN (SELECT WNI, TypWNI, min(rowid) FROM stale.ZAKLAD GROUP BY WNI) AS z "
                          "ON z.WNI = p.KodZakladu"_s;

// A batch date that a listing copies only when it holds a date.
QString whenADate(const QString& column)
{
    return u"CASE WHEN typeof("_s + column + u") = 'text' AND julianday("_s + column +
           u") IS NOT NULL THEN "_s + column + u" END"_s;
}

// One IloscZak row per sample of the selection, batches in the order of the batch query and
// each batch's samples in theirs: columns of the row and the values they take.
void list(const AttachedYear& year, const Selection& selection,
          const QList<std::pair<QString, QString>>& columns, const QString& joins,
          const QString& condition = {})
{
    QStringList names;
    QStringList values;
    for (const auto& [name, value] : columns) {
        names << name;
        values << value;
    }
    const SqlText samples = samplesOf(selection, AreaTest::Apply, joins);
    db::Database& work = year.work();
    db::Transaction transaction(work);
    work.execute(u"INSERT INTO IloscZak ("_s + names.join(u", "_s) + u") SELECT "_s + values.join(u", "_s) +
                     u" FROM "_s + samples.sql + condition + u" ORDER BY p.rowid, b.rowid"_s,
                 samples.params);
    transaction.commit();
}

// Whether the listing can read the sample column it needs. A yearly file without it stops the
// listing with the error its reading meets: at the first sample, or (for a column of the sample
// query's own condition) at the first batch taken; when it meets none, there is nothing to list.
bool columnThere(const AttachedYear& year, const Selection& selection, const QString& column,
                 bool readByTheQuery)
{
    if (year.yearHas(u"Badanie"_s, column))
        return true;
    const SqlText met =
        readByTheQuery ? batchesOf(selection, AreaTest::Apply) : samplesOf(selection, AreaTest::Apply);
    if (!year.work().scalar(u"SELECT EXISTS (SELECT 1 FROM "_s + met.sql + u")"_s, met.params).toBool())
        return false;
    throw db::JetError::fromNumber(readByTheQuery ? db::jet::TooFewParameters : db::jet::ItemNotFound,
                                   column);
}

// The listings report their own errors and return normally: the report follows.
void reported(const std::function<void()>& listing)
{
    try {
        listing();
    } catch (const std::exception& e) {
        showListingError(e);
    }
}

} // namespace

void ListaAnalizPowt(const AttachedYear& year, const Selection& selection, bool wykonane)
{
    reported([&] {
        if (!columnThere(year, selection, u"BadaniaPowtorzone"_s, true))
            return;
        const QString analyses = u"coalesce(nullif(b.BadaniaPowtorzone, ''), 0)"_s;
        list(year, selection,
             {{u"KodPIW"_s, kCounty},
              {u"PiwNazwa"_s, kTown},
              {u"NrKolczyka"_s, u"b.NrKolczyka"_s},
              {u"IlProbek"_s, wykonane ? analyses + u" + 1"_s : analyses}},
             kTownJoin, wykonane ? QString() : u" AND b.BadaniaPowtorzone IS NOT NULL"_s);
    });
}

void ListaNrKolczykaWiek(const AttachedYear& year, const Selection& selection)
{
    reported([&] {
        list(year, selection,
             {{u"KodPIW"_s, kCounty},
              {u"PiwNazwa"_s, kTown},
              {u"NrKolczyka"_s, u"b.NrKolczyka"_s},
              {u"DataUboju"_s, u"p.DataUboju"_s},
              {u"Wiek"_s, u"tekst_wartosci(b.Wiek)"_s},
              {u"DataWyniku"_s, whenADate(u"p.DataWyniku"_s)},
              {u"RodzajUboju"_s, u"b.RodzajUboju"_s},
              {u"Wynik"_s, u"b.Wynik"_s},
              {u"DataWprow"_s, whenADate(u"p.DataWprow"_s)},
              {u"Uwagi"_s, u"b.Uwagi"_s},
              {u"Gatunek"_s, u"b.Gatunek"_s}},
             kTownJoin);
    });
}

void ListaNrKolczykaWNI(const AttachedYear& year, const Selection& selection)
{
    reported([&] {
        if (!columnThere(year, selection, u"Opis"_s, false))
            return;
        list(year, selection,
             {{u"KodPIW"_s, kCounty},
              {u"PiwNazwa"_s, kTown},
              {u"NrKolczyka"_s, u"b.NrKolczyka"_s},
              {u"Wiek"_s, u"tekst_wartosci(b.Wiek)"_s},
              {u"DataUboju"_s, whenADate(u"p.DataUboju"_s)},
              {u"RodzajUboju"_s, u"b.RodzajUboju"_s},
              {u"Opis"_s, u"b.Opis"_s},
              {u"KodZakladu"_s, u"p.KodZakladu"_s},
              {u"TypWNI"_s, u"z.TypWNI"_s},
              {u"Uwagi"_s, u"b.Uwagi"_s},
              {u"Gatunek"_s, u"b.Gatunek"_s}},
             kTownJoin + u" "_s + kTypeJoin);
    });
}

void ListaGIW1(const AttachedYear& year, const Selection& selection)
{
    reported([&] {
        if (!columnThere(year, selection, u"NrOgolny"_s, false))
            return;
        list(year, selection,
             {{u"KodPIW"_s, kCounty},
              {u"KodZakladu"_s, u"p.KodZakladu"_s},
              {u"NrKolczyka"_s, u"b.NrKolczyka"_s},
              {u"Wiek"_s, u"tekst_wartosci(b.Wiek)"_s},
              {u"IDProbki"_s, u"tekst_wartosci(b.NrOgolny)"_s},
              {u"DataPobr"_s, whenADate(u"p.DataPobr"_s)},
              {u"DataWprow"_s, whenADate(u"p.DataWprow"_s)},
              {u"DataWyniku"_s, whenADate(u"p.DataWyniku"_s)},
              {u"RodzajUboju"_s, u"b.RodzajUboju"_s},
              {u"Gatunek"_s, u"b.Gatunek"_s},
              {u"Wynik"_s, u"b.Wynik"_s}},
             {});
    });
}

} // namespace trelimor
