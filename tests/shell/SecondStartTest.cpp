#include "ProgramProcess.h"

#include <gtest/gtest.h>

using namespace trelimor;
using namespace trelimor::test;

namespace {

// Two real processes on one desktop: the first waits at its login window, the second is the
// shipped program started again.
class SecondStartTest : public ProgramProcessTest
{
protected:
    void TearDown() override
    {
        if (first.state() != QProcess::NotRunning) {
            first.kill();
            first.waitForFinished(5000);
        }
    }

    // Reads the first instance's output until the line comes.
    bool firstSays(const QByteArray& line)
    {
        for (int wait = 0; wait < 100; ++wait) {
            if (firstOutput.contains(line + '\n'))
                return true;
            first.waitForReadyRead(100);
            firstOutput += first.readAllStandardOutput();
        }
        return false;
    }

    QProcess first;
    QByteArray firstOutput;
};

TEST_F(SecondStartTest, TheSecondStartRaisesTheFirstAndEnds)
{
    first.setProcessEnvironment(environment);
    first.start(QStringLiteral(FIRST_INSTANCE_PROGRAM), {});
    ASSERT_TRUE(first.waitForStarted(10000));
    ASSERT_TRUE(firstSays("started")) << "the first instance did not reach its login window";

    QProcess second;
    // It ends on its own, before anything of the installation could open a window of its own.
    ASSERT_TRUE(runToItsEnd(second, QStringLiteral(TRELIMOR_PROGRAM))) << "the second start did not end";
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(firstSays("raised")) << "the first instance was not asked to come to the front";
    EXPECT_EQ(first.state(), QProcess::Running);
}

} // namespace
