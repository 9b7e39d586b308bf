#pragma once

#include "BatchDocumentsHost.h"

#include <QString>

namespace trelimor {

// The documents of the batch selected in the batch window: the print frame and its three
// printouts, and the protocol file with its checks and mail. Each handler runs on the window
// that hosts it and reports its own failures.

// "D&rukuj": opens the print frame and locks the window, or closes it and unlocks the window;
// without samples it says there is nothing to print. Every printout ends by running it again.
void ComDrukuj_Click(BatchDocumentsHost& okno);
// "Protokół pobrania": the sampling protocol in the report window.
void ComProtokol_Click(BatchDocumentsHost& okno);
// Protokół "SARIA" - razem: the combined protocol of the batch, run by the window's report control.
void ComProtokolSaria1_Click(BatchDocumentsHost& okno);
// "Pismo przewodnie": the covering letter in the report window.
void ComPismoPrzewodnie_Click(BatchDocumentsHost& okno);

// "&Plik/Mail": the checks of the selected batch, then the protocol file and its mail.
void ComMail_Click(BatchDocumentsHost& okno);
// The first of those checks: no fallen animal ("P") of the batch may lack its district code.
// False after it told the user why (a failed check stops the export).
bool SprBrak(BatchDocumentsHost& okno);
// Writes the protocol file of the selected batch where the user chooses and offers to mail it
// to the laboratory and the district inspectorate.
void EksportProtokolu(BatchDocumentsHost& okno);

} // namespace trelimor
