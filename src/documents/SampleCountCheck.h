#pragma once

namespace trelimor {

class BatchDocumentsHost;

// The number of samples the yearly database holds for the selected batch.
int liczbaProbekPartii(BatchDocumentsHost& okno);

// How the check of the selected batch's declared sample count ended.
enum class KontrolaIlosci {
    Zgodna,    // the declared count equals the samples: nothing was asked
    Wpisana,   // the user let the real count be written into the batch
    Brak,      // no count is declared and the user left it so
    Przerwana, // the counts differ and the user would not correct it (told to correct it)
};

// Compares the declared count (IlProbek) of the selected batch with n, the samples really
// registered, and asks to write n in (Yes the default); stores the answer through the batch
// list at once.
KontrolaIlosci kontrolaIlosciProbek(BatchDocumentsHost& okno, int n);

} // namespace trelimor
