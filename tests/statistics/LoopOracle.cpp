#include "LoopOracle.h"

#include "common/Dates.h"

#include "platform/db/Recordset.h"

#include <array>
#include <cmath>
#include <functional>

using namespace Qt::StringLiterals;

namespace trelimor::test::oracle {

namespace {

// BezNull: the default for a null value or an empty text.
QVariant bezNull(const QVariant& v, const QVariant& def)
{
    if (db::isNull(v) || (v.typeId() == QMetaType::QString && v.toString().isEmpty()))
        return def;
    return v;
}

// Trim: blanks only.
QString trim(const QString& s)
{
    qsizetype a = 0;
    qsizetype b = s.size();
    while (a < b && s[a] == u' ')
        ++a;
    while (b > a && s[b - 1] == u' ')
        --b;
    return s.mid(a, b - a);
}

// A value as text, a single-precision number with its seven significant digits.
QString text(const QVariant& v)
{
    if (v.typeId() == QMetaType::Double)
        return QString::number(float(v.toDouble()), 'g', 7);
    return v.toString();
}

// CInt of a numeric text: to the nearest whole number, a half to the even one.
int cint(const QString& t)
{
    QString n = t.trimmed();
    n.replace(u',', u'.');
    return int(std::nearbyint(n.toDouble()));
}

QString batchQuery(const Settings& s)
{
    return u"SELECT * FROM Partia WHERE "_s + s.PoleDaty + u" >=  DateValue('"_s + s.MebOd + u"') and "_s +
           s.PoleDaty + u" <=  DateValue('"_s + s.MebDo + u"')"_s + s.FiltrPartii;
}

QString sampleQuery(const QVariant& partia, const Settings& s)
{
    return u"SELECT * FROM Badanie WHERE Partia =  "_s + partia.toString() + s.FiltrProbki;
}

// The common loop: each batch of the period (narrowed by the area test when asked), with its
// sample recordset.
void forEachBatch(Databases& d, const Settings& s, bool areaTest,
                  const std::function<void(db::Recordset& partia, db::Recordset& probki)>& body)
{
    db::Recordset partie = d.rok.openRecordset(batchQuery(s));
    if (partie.recordCount() == 0)
        return;
    partie.moveLast();
    partie.moveFirst();
    for (; !partie.eof(); partie.moveNext()) {
        if (areaTest && !s.ComboWoj.isEmpty() && s.ComboWoj != u"wszystkie") {
            const QVariant kod = partie.value(u"KodZakladu"_s);
            if (db::isNull(kod))
                continue;
            const QString code = trim(kod.toString());
            if (code.left(2) != s.LabKodWIW)
                continue;
            if (!s.LabIDPIW.trimmed().isEmpty() && code.left(4) != s.LabIDPIW)
                continue;
        }
        db::Recordset probki = d.rok.openRecordset(sampleQuery(partie.value(u"Partia"_s), s));
        body(partie, probki);
    }
}

// 0 E, 1 N, 2 K, 3 P, 4 U, 5 UF, 6 R, 7 NNWOK, 8 NWOK, 9 BSEP, 10 BSEZ, 11 Z.
int kindIndex(const QVariant& rodzaj)
{
    const QString k = trim(bezNull(rodzaj, u""_s).toString()).toUpper();
    static const std::array<QString, 12> codes = {u""_s,     u"N"_s,    u"K"_s,    u"P"_s,
                                                  u"U"_s,    u"UF"_s,   u"R"_s,    u"NNWOK"_s,
                                                  u"NWOK"_s, u"BSEP"_s, u"BSEZ"_s, u"Z"_s};
    for (int i = 1; i < 12; ++i)
        if (k == codes[std::size_t(i)])
            return i;
    return 0;
}

const std::array<QString, 12>& kindColumns()
{
    static const std::array<QString, 12> columns = {
        u"RodzE"_s, u"RodzN"_s,     u"RodzK"_s,    u"RodzP"_s,    u"RodzU"_s,    u"RodzUF"_s,
        u"RodzR"_s, u"RodzNNWOK"_s, u"RodzNWOK"_s, u"RodzBSEP"_s, u"RodzBSEZ"_s, u"RodzZ"_s};
    return columns;
}

struct Counters
{
    int n = 0, dod = 0, ujem = 0, odst = 0;
    void count(const QVariant& wynik)
    {
        ++n;
        word(wynik);
    }
    void word(const QVariant& wynik)
    {
        const QString w = bezNull(wynik, u""_s).toString().toLower();
        if (w == u"dodatni")
            ++dod;
        else if (w == u"ujemny")
            ++ujem;
        else if (w == u"odstąpienie")
            ++odst;
    }
    void addTo(db::Recordset& row) const
    {
        row.setValue(u"IlProbek"_s, row.value(u"IlProbek"_s).toInt() + n);
        row.setValue(u"IlDod"_s, row.value(u"IlDod"_s).toInt() + dod);
        row.setValue(u"IlUjem"_s, row.value(u"IlUjem"_s).toInt() + ujem);
        row.setValue(u"IlOdstap"_s, row.value(u"IlOdstap"_s).toInt() + odst);
    }
};

QString zakres(const Settings& s)
{
    return s.MebOd + u" - "_s + s.MebDo;
}

// Finding or adding a row of IloscZak: the query's one row is edited; otherwise a row is added,
// with the period and what `fill` sets; then the counters are added and the row saved.
void addToRow(Databases& d, const Settings& s, const QString& query, const Counters& c,
              const std::function<void(db::Recordset&)>& fill)
{
    db::Recordset row = d.robot.openRecordset(query);
    if (row.recordCount() == 1) {
        row.edit();
    } else {
        row.addNew();
        row.setValue(u"DataZakres"_s, zakres(s));
        fill(row);
    }
    c.addTo(row);
    row.update();
}

} // namespace

LicznikiUboju ZestRodzUboju(Databases& d, const Settings& s)
{
    LicznikiUboju liczniki{};
    forEachBatch(d, s, false, [&](db::Recordset&, db::Recordset& probki) {
        for (; !probki.eof(); probki.moveNext())
            ++liczniki[std::size_t(kindIndex(probki.value(u"RodzajUboju"_s)))];
    });
    db::Recordset rs = d.robot.openRecordset(u"SELECT * FROM RodzUboju"_s);
    for (; !rs.eof(); rs.moveNext())
        rs.deleteRecord();
    rs.addNew();
    for (std::size_t i = 0; i < 12; ++i)
        rs.setValue(kindColumns()[i], liczniki[i]);
    rs.update();
    return liczniki;
}

void ZliczWojPowZak(Databases& d, const Settings& s, const QString& rodzaj)
{
    bool anyBatch = false;
    forEachBatch(d, s, true, [&](db::Recordset& partia, db::Recordset& probki) {
        anyBatch = true;
        Counters c;
        for (; !probki.eof(); probki.moveNext())
            c.count(probki.value(u"Wynik"_s));
        if (c.n == 0)
            return;
        const QString code = trim(bezNull(partia.value(u"KodZakladu"_s), u""_s).toString());
        const QString key = rodzaj == u"woj" ? code.left(2) : rodzaj == u"pow" ? code.left(4) : code;
        addToRow(d, s, u"SELECT * FROM IloscZak WHERE Zaklad = '"_s + key + u"'"_s, c,
                 [&](db::Recordset& row) {
                     row.setValue(u"Zaklad"_s, key);
                     if (rodzaj == u"zak")
                         row.setValue(u"ZakladOpis"_s, key);
                 });
    });
    if (!anyBatch)
        return;
    db::Recordset rows = d.robot.openRecordset(u"SELECT * FROM IloscZak"_s);
    for (; !rows.eof(); rows.moveNext()) {
        rows.edit();
        const QString zaklad = bezNull(rows.value(u"Zaklad"_s), u""_s).toString();
        if (rodzaj == u"woj") {
            rows.setValue(u"ZakladOpis"_s, NazwaWojewodztwa(zaklad));
        } else if (rodzaj == u"pow") {
            db::Recordset piw =
                d.stale.openRecordset(u"SELECT * FROM PIW Where IDPIW = '"_s + zaklad + u"'"_s);
            if (!piw.eof())
                rows.setValue(u"ZakladOpis"_s,
                              zaklad + u" - "_s + bezNull(piw.value(u"Miasto"_s), u""_s).toString());
        }
        rows.update();
    }
}

QStringList ZliczWiek(Databases& d, const Settings& s)
{
    QStringList messages;
    forEachBatch(d, s, true, [&](db::Recordset& partia, db::Recordset& probki) {
        Counters c;
        const bool hadSamples = !probki.eof();
        for (; !probki.eof(); probki.moveNext()) {
            const QString wiek = trim(text(bezNull(probki.value(u"Wiek"_s), 0)));
            if (wiek.toDouble() > 0) {
                const int age = cint(wiek);
                if (cint(s.TextWiekOd) <= age && age <= cint(s.TextWiekDo))
                    c.count(probki.value(u"Wynik"_s));
            } else {
                messages << u"W partii "_s + partia.value(u"Partia"_s).toString() +
                                u", próbka o nr ogólnym "_s + probki.value(u"NrOgolny"_s).toString() +
                                u", występuje brak wieku!"_s;
            }
        }
        if (!hadSamples)
            return;
        addToRow(d, s, u"SELECT * FROM IloscZak"_s, c, [&](db::Recordset& row) {
            row.setValue(u"ZakladOpis"_s, s.TextWiekOd + u" - "_s + s.TextWiekDo);
        });
    });
    return messages;
}

void ZliczGatunek(Databases& d, const Settings& s)
{
    forEachBatch(d, s, true, [&](db::Recordset&, db::Recordset& probki) {
        for (; !probki.eof(); probki.moveNext()) {
            const QString gatunek = bezNull(probki.value(u"Gatunek"_s), u""_s).toString();
            Counters c;
            c.count(probki.value(u"Wynik"_s));
            addToRow(d, s, u"SELECT * FROM IloscZak Where ZakladOpis = '"_s + gatunek + u"'"_s, c,
                     [&](db::Recordset& row) { row.setValue(u"ZakladOpis"_s, gatunek); });
        }
    });
}

std::pair<int, int> ZliczBSEmce(Databases& d, const Settings& s)
{
    static const std::array<QString, 12> months = {
        u"STYCZEŃ"_s, u"LUTY"_s,     u"MARZEC"_s,   u"KWIECIEŃ"_s,    u"MAJ"_s,      u"CZERWIEC"_s,
        u"LIPIEC"_s,  u"SIERPIEŃ"_s, u"WRZESIEŃ"_s, u"PAZDZIERNIK"_s, u"LISTOPAD"_s, u"GRUDZIEŃ"_s};
    {
        db::Recordset rs = d.robot.openRecordset(u"SELECT * FROM BSEmceRodzUboju"_s);
        for (; !rs.eof(); rs.moveNext())
            rs.deleteRecord();
        for (int m = 1; m <= 12; ++m) {
            rs.addNew();
            rs.setValue(u"MIESIAC"_s, months[std::size_t(m - 1)]);
            rs.setValue(u"MC"_s, m);
            rs.update();
        }
    }
    int batches = 0;
    int samples = 0;
    forEachBatch(d, s, false, [&](db::Recordset& partia, db::Recordset& probki) {
        ++batches;
        LicznikiUboju liczniki{};
        const bool hadSamples = !probki.eof();
        for (; !probki.eof(); probki.moveNext()) {
            ++samples;
            ++liczniki[std::size_t(kindIndex(probki.value(u"RodzajUboju"_s)))];
        }
        if (!hadSamples)
            return;
        const int month = partia.value(s.PoleDaty).toDateTime().date().month();
        db::Recordset row =
            d.robot.openRecordset(u"SELECT * FROM BSEmceRodzUboju Where MC = "_s + QString::number(month));
        if (row.eof())
            return;
        row.edit();
        // Written in the order N, K, P, U, UF, E, R, NNWOK, NWOK, BSEP, BSEZ, Z.
        for (std::size_t i : {1, 2, 3, 4, 5, 0, 6, 7, 8, 9, 10, 11})
            if (liczniki[i] > 0)
                row.setValue(kindColumns()[i], bezNull(row.value(kindColumns()[i]), 0).toInt() + liczniki[i]);
        row.update();
    });
    return {batches, samples};
}

} // namespace trelimor::test::oracle
