#pragma once

#include <QString>

namespace trelimor {

class SerologyExportHost;

// "Export do WIW": after the user's Yes and the incomplete-sample check, writes the whole yearly
// database's serology data to the file chosen in the Save dialog (proposed in today's folder of
// Eksport), showing its progress table by table, zips it and, when the user agrees, mails the
// archive to the regional inspectorate. A failure of any step is told to the user and ends the
// run before the next step.
void ComZakWIW_Click(SerologyExportHost& host);

// Lists the samples whose EBB test field is an empty text in Eksport/BlednaProbka.txt (written
// anew every time, empty when none is found) and says how many there are. True only when there
// are none: a failure of the check is reported and counts as a stop too. The argument is unused.
bool SprPusteProbki(SerologyExportHost& host, const QString& unused);

// Packs the file into path + ".zip" beside it and returns that path; an empty text when packing
// failed, which has been told to the user.
QString SpakujPlik(const QString& path);

// The incomplete-sample list's path.
QString incompleteSampleListPath();

// One pass of the message loop while the export works: the window repaints, and what the user
// does waits until the work is over.
void letWindowRepaint();

} // namespace trelimor
