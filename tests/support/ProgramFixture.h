#pragma once

#include "support/FakeClock.h"
#include "support/Installed.h"
#include "support/QuitRecorder.h"
#include "support/RecordingOpener.h"
#include "support/ScriptedDialogs.h"
#include "support/TempProgramFolder.h"
#include "support/TestInstallation.h"

#include <QDate>
#include <QString>
#include <QVariantMap>

#include <optional>
#include <vector>

namespace trelimor {
class aMain;
class frmLoginLab;
} // namespace trelimor

namespace trelimor::test {

// What the user does in the login window, one step after another.
struct LoginStep
{
    enum class Kind { Login, Password, Cancel };
    Kind kind;
    QString text;

    // Types the login into the login field and presses Enter (the focus moves to the password).
    static LoginStep login(const QString& text) { return {Kind::Login, text}; }
    // Types the password into the password field and presses Enter (OK).
    static LoginStep password(const QString& text) { return {Kind::Password, text}; }
    static LoginStep cancel() { return {Kind::Cancel, {}}; }
};

// A test that starts the program as a user does: an installation in the test's own program
// folder (the administrator "admin"/"admin" and, unless the test empties userRecord, a user
// record with the county code 1465), the start-up, and a login typed into the login window.
// Message boxes are scripted (dialogs), the clock stands at 31.03.2022 10:00 (clock), and the
// end of the program is recorded (quit). Alarm windows close at once and are recorded.
//
// The installation has worked in the clock's year already: the yearly database of the user
// record's county code and that year is there. The date picker is a stand-in that records its
// calls.
class ProgramFixture : public TempProgramFolder
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the program and logs in; what the start-up returned (nothing: it runs on).
    std::optional<int> start(const QString& login = kAdminLogin, const QString& password = kAdminPassword);
    std::optional<int> start(const std::vector<LoginStep>& steps);

    aMain& mainWindow();
    frmLoginLab& loginWindow();

    struct Alarm
    {
        QString title;
        QString text;
    };
    // The alarm windows shown so far, in order.
    const std::vector<Alarm>& alarms() const { return m_alarms; }
    QStringList alarmTexts() const;

    // Written to the installation by start(); empty it for a new installation's empty record.
    QVariantMap userRecord = typicalUserRecord();

    // What the date picker answers (nothing: the user cancels), and what it was shown.
    std::optional<QDate> pickedDate;
    std::vector<QDate> pickerShownWith;

    Installed<ScriptedDialogs> dialogs;
    Installed<RecordingOpener> opener;
    Installed<FakeClock> clock;
    Installed<QuitRecorder> quit;

private:
    void runLogin(QDialog& window, const std::vector<LoginStep>& steps);

    std::vector<Alarm> m_alarms;
};

} // namespace trelimor::test
