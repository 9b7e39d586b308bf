#pragma once

#include "support/Installed.h"
#include "support/RecordingOpener.h"
#include "support/ScriptedDialogs.h"
#include "support/TempProgramFolder.h"

#include "platform/db/Database.h"

#include <QString>

class QLineEdit;
class QWidget;

#include <vector>

namespace trelimor::test {

// A test in its own program folder with a fresh dictionary database as BazaStale, a scripted
// dialog service and an opener that records every alarm; windows, the program state and the
// databases are reset afterwards.
class StaleFixture : public TempProgramFolder
{
protected:
    struct Alarm
    {
        QString title;
        QString text;
    };

    void SetUp() override;
    void TearDown() override;

    db::Database& stale();
    QVariant scalar(const QString& sql, const QVariantList& args = {});

    // Shows the window (when hidden) and waits until it is the active one.
    static void showActive(QWidget& window);
    // Replaces the box's text by typing it.
    static void retype(QLineEdit* box, const QString& text);

    // An operator row; returns its rowid.
    qint64 addOperator(const QString& numer, const QString& nazwisko, const QString& rodzaj,
                       const QString& login, const QString& haslo = {});

    Installed<ScriptedDialogs> dialogs;
    Installed<RecordingOpener> opener;
    std::vector<Alarm> alarms;
};

} // namespace trelimor::test
