#include "support/ProgramFixture.h"

#include "support/TypePolish.h"

#include "shell/ShellHooks.h"
#include "shell/Startup.h"
#include "shell/aMain.h"
#include "shell/frmLoginLab.h"

#include "common/FormAlarm.h"
#include "common/ModLabor.h"
#include "common/ProgramState.h"
#include "common/WindowCommands.h"

#include "platform/ui/Clock.h"
#include "platform/ui/DefaultInstance.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace trelimor::test {

namespace {

// The window must be the active one for its focus to move as the user's would.
bool activate(QWidget& window)
{
    if (!window.isVisible())
        return false;
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

} // namespace

void ProgramFixture::SetUp()
{
    installProgram();
    opener->onOpen(QStringLiteral("FormAlarm"), [this](QDialog& window) {
        m_alarms.push_back({window.windowTitle(), static_cast<FormAlarm&>(window).Label1->text()});
        window.hide();
    });
    ShellHooks& hooks = shellHooks();
    hooks.wybierzDate = [this](const QDate& preselected, const QString&) {
        pickerShownWith.push_back(preselected);
        return pickedDate;
    };
}

void ProgramFixture::TearDown()
{
    ui::resetAllInstances();
    resetModLabor();
    programState().reset();
    windowCommands().clear();
    resetShellHooks();
}

std::optional<int> ProgramFixture::start(const QString& login, const QString& password)
{
    return start({LoginStep::login(login), LoginStep::password(password)});
}

std::optional<int> ProgramFixture::start(const std::vector<LoginStep>& steps)
{
    if (!userRecord.isEmpty()) {
        setUserRecord(userRecord);
        const QString code = userRecord.value(QStringLiteral("KodPIW")).toString();
        if (!code.isEmpty())
            addYearlyDatabase(code, ui::today().year());
    }
    opener->onOpen(QStringLiteral("frmLoginLab"),
                   [this, steps](QDialog& window) { runLogin(window, steps); });
    return uruchomProgram();
}

void ProgramFixture::runLogin(QDialog& window, const std::vector<LoginStep>& steps)
{
    auto& login = static_cast<frmLoginLab&>(window);
    for (const LoginStep& step : steps) {
        if (!activate(login))
            return; // the window has ended
        switch (step.kind) {
        case LoginStep::Kind::Login:
            login.TextLogin->setFocus(Qt::MouseFocusReason);
            login.TextLogin->selectAll();
            typePolish(login.TextLogin, step.text);
            QTest::keyClick(login.TextLogin, Qt::Key_Return);
            // The login is checked once the focus has left the field.
            QCoreApplication::processEvents();
            break;
        case LoginStep::Kind::Password:
            login.txtPassword->setFocus(Qt::MouseFocusReason);
            login.txtPassword->selectAll();
            typePolish(login.txtPassword, step.text);
            QTest::keyClick(login.txtPassword, Qt::Key_Return);
            break;
        case LoginStep::Kind::Cancel:
            QTest::mouseClick(login.cmdCancel, Qt::LeftButton);
            break;
        }
    }
}

aMain& ProgramFixture::mainWindow()
{
    return aMain::instance();
}

frmLoginLab& ProgramFixture::loginWindow()
{
    return frmLoginLab::instance();
}

QStringList ProgramFixture::alarmTexts() const
{
    QStringList texts;
    for (const Alarm& alarm : m_alarms)
        texts << alarm.text;
    return texts;
}

} // namespace trelimor::test
