// Pictures of the login window and of the main window with each of its menus open, after
// logging in as the administrator of a fresh installation in a temporary folder, for a look
// by eye. Run under a virtual screen:
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/tests/shell/shell_screenshots <folder>

#include "support/TestInstallation.h"

#include "platform/ui/Desktop.h"
#include "shell/Startup.h"
#include "shell/aMain.h"
#include "shell/frmLoginLab.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

using namespace trelimor;

namespace {

QString outFolder;

void save(const QPixmap& picture, const QString& name)
{
    const QString path = QDir(outFolder).filePath(name);
    if (!picture.save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
    std::fflush(stdout);
}

void privateFolder(const QTemporaryDir& scratch, const char* variable, const QString& name)
{
    const QString path = scratch.filePath(name);
    QDir().mkpath(path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv(variable, QFile::encodeName(path));
}

void logIn()
{
    frmLoginLab& login = frmLoginLab::instance();
    login.TextLogin->setText(QStringLiteral("admin"));
    login.CmdTmp_Click();
    login.TextLogin_LostFocus();
    save(login.grab(), QStringLiteral("login-found.png"));
    login.txtPassword->setText(QStringLiteral("admin"));
    login.cmdOK_Click();
}

// Opens the menus one after another, a picture of the screen with each.
void showMenus(int index)
{
    const QList<QAction*> menus = aMain::instance().menuBar()->actions();
    if (index > 0)
        menus[index - 1]->menu()->hide();
    if (index == menus.size()) {
        QApplication::quit();
        return;
    }
    aMain::instance().menuBar()->setActiveAction(menus[index]);
    QTimer::singleShot(400, [index] {
        save(QGuiApplication::primaryScreen()->grabWindow(0),
             QStringLiteral("main-menu-%1.png").arg(index + 1));
        showMenus(index + 1);
    });
}

} // namespace

int main(int argc, char* argv[])
{
    // Nothing of the user's own settings, program folder or running program is touched.
    QTemporaryDir scratch;
    privateFolder(scratch, "XDG_RUNTIME_DIR", QStringLiteral("runtime"));
    privateFolder(scratch, "XDG_CONFIG_HOME", QStringLiteral("config"));
    privateFolder(scratch, "TRELIMOR_HOME", QStringLiteral("Trelimor"));
    privateFolder(scratch, "TRELIMOR_NETWORK", QStringLiteral("network"));
    QApplication app(argc, argv);
    trelimor::ui::useDesktopLook(); // as the program looks
    if (argc < 2) {
        std::fputs("usage: shell_screenshots <folder for the PNG files>\n", stderr);
        return 2;
    }
    outFolder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(outFolder);

    test::installProgram();
    test::setUserRecord(test::typicalUserRecord());
    test::addYearlyDatabase(QStringLiteral("1465"), QDate::currentDate().year());

    QTimer::singleShot(500, [] {
        save(frmLoginLab::instance().grab(), QStringLiteral("login.png"));
        logIn();
    });
    QTimer::singleShot(1500, [] {
        save(aMain::instance().grab(), QStringLiteral("main.png"));
        showMenus(0);
    });
    return wykonajProgram();
}
