#include "MonthlySummary.h"

#include "AttachedYear.h"
#include "ErrorText.h"

#include "common/Messages.h"

#include "platform/db/Database.h"
#include "platform/db/JetError.h"
#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"

#include <array>

using namespace Qt::StringLiterals;

namespace trelimor {

namespace {

// The kind columns in the order the month row is written.
const std::array<QString, 12>& kindColumns()
{
    static const std::array<QString, 12> list = {u"N"_s, u"K"_s,     u"P"_s,    u"U"_s,    u"UF"_s,   u"E"_s,
                                                 u"R"_s, u"NNWOK"_s, u"NWOK"_s, u"BSEP"_s, u"BSEZ"_s, u"Z"_s};
    return list;
}

const std::array<QString, 12>& monthNames()
{
    static const std::array<QString, 12> names = {
        u"STYCZEŃ"_s, u"LUTY"_s,     u"MARZEC"_s,   u"KWIECIEŃ"_s,    u"MAJ"_s,      u"CZERWIEC"_s,
        u"LIPIEC"_s,  u"SIERPIEŃ"_s, u"WRZESIEŃ"_s, u"PAZDZIERNIK"_s, u"LISTOPAD"_s, u"GRUDZIEŃ"_s};
    return names;
}

} // namespace

void PrzygotujBSEmce(db::Database& BazaZ, const QString& NazTabZ)
{
    try {
        const QString table = db::quoteIdentifier(NazTabZ);
        db::Transaction transaction(BazaZ);
        BazaZ.execute(u"DELETE FROM "_s + table);
        for (int month = 1; month <= 12; ++month)
            BazaZ.execute(u"INSERT INTO "_s + table + u" (MIESIAC, MC) VALUES (?, ?)"_s,
                          {monthNames()[size_t(month - 1)], month});
        transaction.commit();
    } catch (const std::exception& e) {
        PokazBlad(u"Tworzenie tabeli "_s + NazTabZ, e);
    }
}

void ZliczBSEmce(const AttachedYear& year, const Selection& selection, const MonthlyProgress& progress)
{
    db::Database& work = year.work();
    int samplesCounted = 0;
    try {
        const SqlText batches = batchesOf(selection, AreaTest::Skip);
        const SqlText samples = samplesOf(selection, AreaTest::Skip);
        int batchCount = 0;
        int sampleCount = 0;
        {
            db::Recordset rs = work.openRecordset(u"SELECT (SELECT count(*) FROM "_s + batches.sql +
                                                      u"), (SELECT count(*) FROM "_s + samples.sql + u")"_s,
                                                  batches.params + samples.params);
            batchCount = rs.value(0).toInt();
            if (batchCount == 0) {
                progress.finished();
                return;
            }
            sampleCount = rs.value(1).toInt();
            progress.started(batchCount);
        }

        // Each month row gets the counts of its batches; a column no batch adds to keeps its value.
        // The samples are first grouped by month and kind, so that each is classified once.
        QString set;
        QString counts;
        for (const QString& kind : kindColumns()) {
            const QString column = u"Rodz"_s + kind;
            set += (set.isEmpty() ? u""_s : u", "_s) + column + u" = CASE WHEN a."_s + column +
                   u" > 0 THEN coalesce(m."_s + column + u", 0) + a."_s + column + u" ELSE m."_s + column +
                   u" END"_s;
            counts += u", sum(CASE WHEN k = '"_s + kind + u"' THEN n ELSE 0 END) AS "_s + column;
        }
        const QString column = u"p."_s + db::quoteIdentifier(selection.PoleDaty);
        db::Transaction transaction(work);
        work.execute(u"UPDATE BSEmceRodzUboju AS m SET "_s + set + u" FROM (SELECT mc"_s + counts +
                         u" FROM (SELECT CAST(strftime('%m', "_s + column +
                         u") AS INTEGER) AS mc, rodzaj_uboju(b.RodzajUboju) AS k, count(*) AS n FROM "_s +
                         samples.sql + u" GROUP BY mc, k) GROUP BY mc) AS a WHERE m.MC = a.mc"_s,
                     samples.params);
        transaction.commit();
        samplesCounted = sampleCount;
        progress.counted(batchCount, samplesCounted);
        progress.finished();
    } catch (const std::exception& e) {
        progress.finished();
        const QString counter = samplesCounted > 0 ? QString::number(samplesCounted) : QString();
        PokazInfo(counter + u" Błąd przetwarzania! Poinformuj dostawcę programu!"_s + numberAndDescription(e),
                  u"ZESTAWIENIA"_s);
    }
}

} // namespace trelimor
