// Draws the operators window and the user record window over sample data into PNG files, for
// a reviewer to look at. Usage: shell_windows_screenshots <output folder>
// (under a display, e.g. xvfb-run -a -s "-screen 0 1280x1024x24").

#include "ShellTables.h"

#include "shell/FormOperat.h"
#include "shell/FormUzytkownik.h"

#include "common/ModLabor.h"
#include "common/Password.h"
#include "common/ProgramState.h"
#include "common/TextHelpers.h"
#include "platform/ui/Desktop.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using namespace trelimor;

namespace {

void fillSampleData(db::Database& stale)
{
    test::createShellTables(stale);
    const QList<QStringList> operators = {
        {"001", "Administrator systemu", "Administrator", "admin"},
        {"002", "Kowalska Łucja", "Operator", "lucja"},
        {"003", "Żak Grzegorz", "Administrator", "gzak"},
    };
    for (const QStringList& o : operators) {
        int length = 0;
        test::addRow(stale, QStringLiteral("OPERATORZY"),
                     {{QStringLiteral("OP_NUMER"), o[0]},
                      {QStringLiteral("OP_NAZWISKO"), o[1]},
                      {QStringLiteral("OP_KLUCZ"), KluczSortowania(o[1], {}, length)},
                      {QStringLiteral("OP_RODZAJ"), o[2]},
                      {QStringLiteral("OP_LOGIN"), o[3]},
                      {QStringLiteral("OP_HASLO"), zakodowaneHaslo(QStringLiteral("haslo"))}});
    }
    test::addRow(stale, QStringLiteral("PODATNIK"),
                 {{QStringLiteral("TX2"), QStringLiteral("Powiatowy Lekarz Weterynarii w Radomiu")},
                  {QStringLiteral("TX3"), QStringLiteral("ul. Lubelska 1")},
                  {QStringLiteral("TX4"), QStringLiteral("26-600 Radom")},
                  {QStringLiteral("TX5"), QStringLiteral("tel. 48 360 00 00")},
                  {QStringLiteral("TX6"), QStringLiteral("e-mail: piw@radom.pl")},
                  {QStringLiteral("KodPIW1"), QStringLiteral("1401")},
                  {QStringLiteral("KodPIW2"), QStringLiteral("1465")},
                  {QStringLiteral("KodPIW"), QStringLiteral("1401")},
                  {QStringLiteral("MailPIW"), QStringLiteral("piw@radom.pl")},
                  {QStringLiteral("MailLab"), QStringLiteral("zhw@radom.pl")},
                  {QStringLiteral("Miejsc"), QStringLiteral("Radom")},
                  {QStringLiteral("Uzytkownik"), QStringLiteral("PIW")}});
}

bool save(QWidget& window, const QString& path)
{
    window.show();
    window.activateWindow();
    const bool exposed = QTest::qWaitForWindowExposed(&window);
    QTest::qWait(200);
    const bool saved = exposed && window.grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    trelimor::ui::useDesktopLook(); // as the program looks
    if (argc != 2) {
        std::fputs("usage: shell_windows_screenshots <output folder>\n", stderr);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir scratch;
    ModLabor().BazaStale = db::Database::create(scratch.filePath(QStringLiteral("Stale.sqlite")));
    fillSampleData(ModLabor().BazaStale);
    programState().setOperator(QStringLiteral("001"), QStringLiteral("Administrator systemu"),
                               QStringLiteral("Administrator"));
    programState().setCountyCode(QStringLiteral("1401"));

    bool ok = save(FormOperat::instance(), out.filePath(QStringLiteral("FormOperat.png")));
    FormOperat::instance().ComOperKor->click();
    ok = save(FormOperat::instance(), out.filePath(QStringLiteral("FormOperat-edit.png"))) && ok;
    FormOperat::instance().reject();
    ok = save(FormUzytkownik::instance(), out.filePath(QStringLiteral("FormUzytkownik.png"))) && ok;
    FormUzytkownik::instance().hide();
    ui::resetAllInstances();
    resetModLabor();
    return ok ? 0 : 1;
}
