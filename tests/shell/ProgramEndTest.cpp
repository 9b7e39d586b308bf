#include "ProgramProcess.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace trelimor;
using namespace trelimor::test;

namespace {

// The program run to the ends it takes during its start: each must end the process with its own
// exit code, never with a signal.
class ProgramEndTest : public ProgramProcessTest
{
protected:
    static void expectExitedWith(QProcess& process, int code)
    {
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit)
            << "ended by a signal: " << process.readAllStandardError().toStdString();
        EXPECT_EQ(process.exitCode(), code);
    }
};

TEST_F(ProgramEndTest, ThreeUnknownLoginsEndTheProgramWithCodeOne)
{
    QProcess program;
    ASSERT_TRUE(runToItsEnd(program, QStringLiteral(UNKNOWN_LOGINS_PROGRAM)));
    expectExitedWith(program, 1);
    EXPECT_EQ(QString::fromUtf8(program.readAllStandardOutput()),
              QStringLiteral("alarm: Nieprawidłowy Login - Spróbuj ponownie!\n"
                             "alarm: Nieprawidłowy Login - Spróbuj ponownie!\n"
                             "alarm: Nieprawidłowy Login - Wyjście z programu!\n"
                             "alarm: Nie masz uprawnień do pracy z tym programem!!!\n"));
}

TEST_F(ProgramEndTest, ADateFormatThatCannotBeSetEndsTheProgramWithCodeOneAndCancelWithZero)
{
    // The program itself, each window it shows named and closed (as Cancel and the message's
    // button close them).
    environment.insert(QStringLiteral("TRELIMOR_START_PROBE"), QStringLiteral("1"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C")); // a short date "M/d/yy"
    const QString config = folders.path(QStringLiteral("config"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    {
        SCOPED_TRACE("the regional settings are no file, so the program's date format cannot be set");
        ASSERT_TRUE(QDir().mkpath(config + QStringLiteral("/Trelimor/regional.ini")));
        QProcess program;
        ASSERT_TRUE(runToItsEnd(program, QStringLiteral(TRELIMOR_PROGRAM)));
        expectExitedWith(program, 1);
        EXPECT_EQ(program.readAllStandardOutput(), "window: QMessageBox \"FORMAT DATY\"\n");
    }
    {
        SCOPED_TRACE("the date format set, the login window closed");
        ASSERT_TRUE(QDir(config + QStringLiteral("/Trelimor/regional.ini")).removeRecursively());
        QProcess program;
        ASSERT_TRUE(runToItsEnd(program, QStringLiteral(TRELIMOR_PROGRAM)));
        expectExitedWith(program, 0);
        EXPECT_EQ(program.readAllStandardOutput(), "window: frmLoginLab \"Logowanie\"\n");
    }
}

} // namespace
