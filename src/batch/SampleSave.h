#pragma once

#include "SampleChecks.h"

#include "platform/db/Database.h"
#include "platform/db/Recordset.h"

#include <optional>

namespace trelimor {

// What the store needs of the window's state beside the frame's values.
struct SampleSaveState
{
    bool nowa = true;            // NowyRekord: a new sample, else the current row of the samples
    QString edytowanyNrProbki;   // EdytowanyNrProbki
    QString edytowanyNrKolczyka; // EdytowanyNrKolczyka
    bool czekaNaImport = false;  // CzekaNaPierwszaProbke
    qint64 partia = 0;           // the batch the sample belongs to
};

struct SampleSaveResult
{
    enum class Rodzaj {
        Odmowa,    // a uniqueness search refused the sample: nothing was written
        DoImportu, // the ear tag is free and an establishment-file import waits: nothing was written
        Zapisano,  // the sample was written
    };
    Rodzaj rodzaj = Rodzaj::Odmowa;
    std::optional<Refusal> odmowa;
    db::Recordset::Bookmark zapisany = -1; // the row written
};

// Stores the checked sample through the recordset of the batch's samples: a new row, or the
// current one for an edited sample. Before it, in this order: the ear tag must be free in the
// whole year (for a new sample or a changed tag), then a waiting import takes over, then the
// number must be free in the batch (new or changed number) and the code too (new samples).
// The searches ignore letter case and blanks around stored tags, and leave out the edited row
// itself. Searches and write are one transaction that takes the write lock at once, so another
// installation sharing the file cannot store the same tag or number in between.
SampleSaveResult saveSample(db::Database& rok, db::Recordset& probki, const SampleFrameValues& v,
                            const SampleSaveState& stan);

// The samples of the year whose ear tag is the given one (trimmed; letter case and blanks
// around stored tags ignored), leaving out the row with the rowid pominWiersz.
db::Recordset samplesWithEarTag(db::Database& rok, const QString& kolczyk, qint64 pominWiersz = -1);

} // namespace trelimor
