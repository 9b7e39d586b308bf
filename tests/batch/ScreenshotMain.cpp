// Pictures of the batch window with a few batches and samples, for a look by eye: the window
// itself, its batch frame, its sample frame (a deer sample) and its print frame. Built, never run
// by CTest; run it under a virtual screen:
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/tests/batch/batch_screenshots <folder>

#include "BatchRows.h"

#include "batch/FormPartia.h"

#include "common/ModLabor.h"
#include "common/ProgramState.h"
#include "common/YearlyDatabase.h"

#include "support/Installed.h"
#include "support/ScriptedDialogs.h"
#include "support/TempProgramFolder.h"
#include "support/TestInstallation.h"

#include "platform/paths/Folders.h"
#include "platform/ui/DefaultInstance.h"

#include <QApplication>
#include <QDir>
#include <QTest>

#include <cstdio>

using namespace trelimor;

namespace {

QString outFolder;

bool save(QWidget& window, const QString& name)
{
    QTest::qWait(200);
    const QString path = QDir(outFolder).filePath(name);
    const bool saved = window.grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "cannot write", qPrintable(path));
    return saved;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fputs("usage: batch_screenshots <folder>\n", stderr);
        return 2;
    }
    outFolder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(outFolder);

    test::ProgramFolderScope folders;
    test::Installed<test::ScriptedDialogs> dialogs; // the new yearly file's notice
    test::installProgram();
    ModLabor().BazaStale =
        db::Database::open(paths::join(paths::dataFolder(), QStringLiteral("Stale.sqlite")));
    ProgramState& state = programState();
    state.setUserRecord(test::typicalUserRecord());
    state.setCountyCode(QStringLiteral("1465"));
    state.setMails({}, {}, QStringLiteral("lab@zhw.example.pl"));
    state.setWorkingDate(QDate(2022, 3, 31));
    test::dodajLekarzaIZaklad(ModLabor().BazaStale);
    if (!ComTworzBazy_Click())
        return 1;
    test::dodajPartie(ModLabor().BazaRok, 1, 4);
    test::dodajPartie(ModLabor().BazaRok, 2, 12);
    test::dodajPartie(ModLabor().BazaRok, 3, 2, QStringLiteral("Jeleniowate"));

    FormPartia& window = FormPartia::instance();
    window.WypelnijUwagi();
    window.przygotujDoPokazania();
    window.show();
    window.DBGridPartia->setCurrentIndex(window.DBGridPartia->model()->index(1, 0));
    bool ok = save(window, QStringLiteral("partia.png"));

    window.ComDodajPr_Click();
    ok = save(window, QStringLiteral("partia-ramka.png")) && ok;
    window.ComAnulujFr_Click();

    window.ComDodajG_Click();
    window.ComboGatunek->setEditText(QStringLiteral("Jeleniowate"));
    window.ComboRodzajUboju->setEditText(QStringLiteral("CHJ"));
    window.ComboSystemUtrzymania->setEditText(QStringLiteral("FJ"));
    ok = save(window, QStringLiteral("probka-ramka.png")) && ok;
    window.ComAnulujFrNaPIW_Click();

    window.FrameWynik->show();
    window.FrameWynik->raise();
    window.Klawisze(false, true);
    window.ComDrukuj->setEnabled(true);
    ok = save(window, QStringLiteral("wydruk.png")) && ok;

    ui::resetAllInstances();
    resetModLabor();
    return ok ? 0 : 1;
}
