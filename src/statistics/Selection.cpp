#include "Selection.h"

#include "platform/db/Database.h"
#include "platform/db/Field.h"
#include "platform/db/JetError.h"

using namespace Qt::StringLiterals;

namespace trelimor {

namespace {

constexpr int kTypeMismatch = 13;

QString dayStart(const QDate& day)
{
    return db::dateToStorage(QDateTime(day, QTime(0, 0)));
}

void appendBatchConditions(const Selection& s, AreaTest area, SqlText& out)
{
    // Both ends are included; a batch dated with a time of day after midnight of the last day
    // lies after it, as the date values compare.
    const QString column = u"p."_s + db::quoteIdentifier(s.PoleDaty);
    out.sql += column + u" >= ? AND "_s + column + u" <= ?"_s;
    out.params << dayStart(s.from) << dayStart(s.to);
    if (s.FiltrPartii) {
        out.sql += u" AND p.KodZakladu = ?"_s;
        out.params << *s.FiltrPartii;
    }
    if (area == AreaTest::Apply && s.areaChosen) {
        // A batch without an establishment code has no region: it fails the test.
        out.sql += u" AND p.KodZakladu IS NOT NULL AND kod_regionu(p.KodZakladu, 2) = ?"_s;
        out.params << s.voivodeshipCode;
        if (!s.countyCode.trimmed().isEmpty()) {
            out.sql += u" AND kod_regionu(p.KodZakladu, 4) = ?"_s;
            out.params << s.countyCode;
        }
    }
}

void appendSampleConditions(const SampleFilter& f, SqlText& out)
{
    switch (f.species) {
    case SampleFilter::Species::All:
        break;
    case SampleFilter::Species::Other:
        out.sql += u" AND ((b.Gatunek <> 'Bydło' AND b.Gatunek <> 'Kozy' AND b.Gatunek <> 'Owce' AND "
                   "b.Gatunek <> 'Jeleniowate') OR b.Gatunek IS NULL)"_s;
        break;
    case SampleFilter::Species::One:
        out.sql += u" AND b.Gatunek = ?"_s;
        out.params << f.speciesText;
        break;
    }
    if (f.result) {
        out.sql += u" AND b.Wynik = ?"_s;
        out.params << *f.result;
    }
}

} // namespace

QDate periodDay(const QString& text)
{
    const QDateTime parsed = db::parseDateText(text);
    if (!parsed.isValid())
        throw db::JetError(kTypeMismatch, u"Niezgodność typów."_s);
    return parsed.date();
}

SqlText batchesOf(const Selection& selection, AreaTest area)
{
    SqlText out{u"rok.Partia AS p WHERE "_s, {}};
    appendBatchConditions(selection, area, out);
    return out;
}

SqlText samplesOf(const Selection& selection, AreaTest area)
{
    SqlText out{u"rok.Partia AS p JOIN rok.Badanie AS b ON b.Partia = p.Partia WHERE "_s, {}};
    appendBatchConditions(selection, area, out);
    appendSampleConditions(selection.FiltrProbki, out);
    return out;
}

} // namespace trelimor
