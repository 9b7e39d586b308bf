// The main() of every test program: a headless QApplication in a private environment, with
// guards that fail a test instead of showing a box, opening a modal window or ending the run.

#include "platform/ui/Desktop.h"
#include "support/QuitRecorder.h"
#include "support/RecordingOpener.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

bool makePrivateFolder(const QTemporaryDir& scratch, const char* variable, const QString& name)
{
    const QString path = scratch.filePath(name);
    if (!QDir().mkpath(path))
        return false;
    // The runtime folder must be the user's alone, or Qt refuses it.
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv(variable, QFile::encodeName(path));
    return true;
}

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform warns about every window it sizes; nothing a test can act on.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QLatin1String("does not support propagateSizeHints")))
        return;
    defaultHandler(type, context, message);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    // Nothing a test does may reach the user's own settings, program folder or running program.
    QTemporaryDir scratch;
    if (!scratch.isValid() || !makePrivateFolder(scratch, "XDG_RUNTIME_DIR", QStringLiteral("runtime")) ||
        !makePrivateFolder(scratch, "XDG_CONFIG_HOME", QStringLiteral("config")) ||
        !makePrivateFolder(scratch, "TRELIMOR_HOME", QStringLiteral("Trelimor")) ||
        !makePrivateFolder(scratch, "TRELIMOR_NETWORK", QStringLiteral("network"))) {
        std::fputs("Cannot make the private folders of the test run\n", stderr);
        return 1;
    }

    defaultHandler = qInstallMessageHandler(quietHandler);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);

    using namespace trelimor;
    ui::useWindowFont(); // the windows are tested in the font they are laid out for
    ui::setDialogs(std::make_unique<test::ScriptedDialogs>());
    ui::setOpener(std::make_unique<test::RecordingOpener>(true));
    ui::setQuitHandler(std::make_unique<test::QuitRecorder>(true));

    const int result = RUN_ALL_TESTS();

    ui::setDialogs(nullptr);
    ui::setOpener(nullptr);
    ui::setQuitHandler(nullptr);
    return result;
}
