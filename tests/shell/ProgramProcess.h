#pragma once

#include "support/TempProgramFolder.h"

#include <QProcess>
#include <QProcessEnvironment>

namespace trelimor::test {

// Base of tests that start the program, or a stand-in of its start-up, as processes of their own
// over the test's installation, headless and with a runtime folder of their own.
class ProgramProcessTest : public TempProgramFolder
{
protected:
    void SetUp() override;

    // Starts the program with the arguments and waits for its end; false when it did not end.
    bool runToItsEnd(QProcess& process, const QString& program, const QStringList& arguments = {});

    QProcessEnvironment environment;
};

} // namespace trelimor::test
