#pragma once

#include "statistics/Counts.h"

#include "platform/db/Database.h"

#include <QString>
#include <QStringList>

// A literal, slow transcription of the statistics window's per-batch loops, the definition the
// set-based summaries are held to: one batch query, one sample query per batch, one work-table
// lookup per batch or sample, through recordsets, with the query texts built as the loops built
// them (test data hold no quote characters). Only the mends of the summaries are taken over:
// a batch without an establishment code counts under the empty region key.
namespace trelimor::test::oracle {

// The window's values as the loops read them.
struct Settings
{
    QString MebOd;
    QString MebDo;
    QString PoleDaty = QStringLiteral("DataUboju");
    QString FiltrPartii; // " And KodZakladu = '...'" or empty
    QString FiltrProbki; // the species and result conditions, as the dispatcher writes them
    QString ComboWoj = QStringLiteral("wszystkie");
    QString LabKodWIW;
    QString LabIDPIW;
    QString TextWiekOd;
    QString TextWiekDo;
};

// The three databases the loops work on: the yearly file, the dictionary and the work database.
struct Databases
{
    db::Database rok;
    db::Database stale;
    db::Database robot;
};

LicznikiUboju ZestRodzUboju(Databases& d, const Settings& s);
void ZliczWojPowZak(Databases& d, const Settings& s, const QString& rodzaj);
// The missing-age messages, in the loop's order.
QStringList ZliczWiek(Databases& d, const Settings& s);
void ZliczGatunek(Databases& d, const Settings& s);
// Lays out the twelve month rows, then counts; the batches and samples gone through.
std::pair<int, int> ZliczBSEmce(Databases& d, const Settings& s);

} // namespace trelimor::test::oracle
