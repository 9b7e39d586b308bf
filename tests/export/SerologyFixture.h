#pragma once

#include "export/SerologyExportHost.h"

#include "support/FakeClock.h"
#include "support/Installed.h"
#include "support/ScriptedDialogs.h"
#include "support/TempProgramFolder.h"

#include <QGuiApplication>
#include <QStringList>
#include <QVariantMap>

#include <functional>

namespace trelimor::test {

// The main window's wait and progress display, recorded.
class RecordingExportHost final : public SerologyExportHost
{
public:
    void setFrameCzekajVisible(bool visible) override { frameCzekaj = visible; }
    void setLabelPrCz(const QString& caption) override { labelPrCz = caption; }
    void setFrameDoWIWVisible(bool visible) override
    {
        frameDoWIW = visible;
        frameDoWIWShown = frameDoWIWShown || visible;
    }
    QString LabTab() const override { return labTab.isEmpty() ? QString() : labTab.last(); }
    void setLabTab(const QString& caption) override
    {
        labTab << caption;
        if (onLabTab)
            onLabTab(caption);
    }
    void setLabIl(const QString& caption) override { labIl = caption; }
    void setProgressBar1Range(int, int maximum) override { progressMaximum = maximum; }
    void setProgressBar1Value(int value) override { progressValue = value; }
    // The wait cursor, which the export puts over the whole program.
    static bool waitCursor() { return QGuiApplication::overrideCursor() != nullptr; }

    bool frameCzekaj = false;
    bool frameDoWIW = false;
    bool frameDoWIWShown = false;
    QString labelPrCz;
    QStringList labTab; // every caption in turn
    QString labIl;
    int progressMaximum = 0;
    int progressValue = 0;
    // Runs at each caption after it is recorded: a test makes the export fail at a chosen table.
    std::function<void(const QString&)> onLabTab;
};

// A program folder with Eksport, a dictionary database holding the user record (place
// "Gniezno"), and the yearly file of 2022 with the serology shape, open as the program holds
// them; working date 15.03.2022, today 31.03.2022, the short date format dd.MM.yyyy.
// Adds one row to a table of the yearly file: the columns named, separated by commas, get the
// values, bound as the program would store them.
void insert(const QString& table, const QString& columns, const QVariantList& values);

class SerologyFixture : public TempProgramFolder
{
protected:
    void SetUp() override;
    void TearDown() override;

    // The export's folder of today, and the file proposed in it.
    static QString todaysFolder();
    static QString proposedFile();
    // Writes Trelimor.ini with the MAILWIW line.
    static void setConfiguredRecipient(const QString& address);
    // The text of the Windows-1250 file, for messages of failed comparisons.
    static QString decoded(const QByteArray& bytes);

    RecordingExportHost host;
    Installed<ScriptedDialogs> dialogs;
    Installed<FakeClock> clock;
};

} // namespace trelimor::test
