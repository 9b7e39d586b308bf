#pragma once

#include "BatchSetup.h"

#include "documents/SendMail.h"

#include "support/FakeClock.h"
#include "support/Installed.h"
#include "support/RecordingOpener.h"
#include "support/ScriptedDialogs.h"
#include "support/TempProgramFolder.h"

#include <QDialog>

namespace trelimor::test {

// An installed program folder with a yearly database, the session of prepareDocuments() and a
// batch window double; the clock stands at 31.03.2022 10:00.
class BatchDocumentsFixture : public TempProgramFolder
{
protected:
    void SetUp() override;
    void TearDown() override;

    // A value of the work database's first row of the table.
    static QVariant workValue(const QString& table, const QString& field);
    static int workCount(const QString& table);
    // The HTML of each report shown in the report window from now on.
    void recordReports();

    TestBatchWindow okno;
    QStringList reports;
    Installed<ScriptedDialogs> dialogs;
    Installed<RecordingOpener> opener;
    Installed<FakeClock> clock;

private:
    MailProgram m_savedMailProgram;
};

} // namespace trelimor::test
