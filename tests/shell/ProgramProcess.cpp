#include "ProgramProcess.h"

#include "support/TestInstallation.h"

#include <QDir>
#include <QFile>

namespace trelimor::test {

void ProgramProcessTest::SetUp()
{
    installProgram();
    const QString runtime = folders.path(QStringLiteral("runtime"));
    ASSERT_TRUE(QDir().mkpath(runtime));
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
}

bool ProgramProcessTest::runToItsEnd(QProcess& process, const QString& program, const QStringList& arguments)
{
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForStarted(10000) || !process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished(5000);
        return false;
    }
    return true;
}

} // namespace trelimor::test
