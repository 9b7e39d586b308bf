// Pictures of the batch window with a few batches and samples, for a look by eye: the window
// itself, its batch frame, its sample frame (a deer sample) and its print frame; the clients
// register, on its own and as the sample frame's picker; and the open-file dialog the program
// shows. Built, never run by CTest; run it under a virtual screen:
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/tests/batch/batch_screenshots <folder>

#include "BatchRows.h"

#include "batch/FormPartia.h"
#include "registers/FormKlient.h"

#include "common/ModLabor.h"
#include "common/ProgramState.h"
#include "common/YearlyDatabase.h"

#include "support/Installed.h"
#include "support/ScriptedDialogs.h"
#include "support/TempProgramFolder.h"
#include "support/TestInstallation.h"

#include "platform/paths/Folders.h"
#include "platform/ui/DefaultInstance.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/QtDialogService.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QTest>
#include <QTimer>

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

// The open-file dialog as the program shows it, pictured once it is up and then cancelled.
bool saveFileDialog()
{
    bool saved = false;
    QTimer::singleShot(500, [&saved] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<QFileDialog*>(top); dialog && dialog->isVisible()) {
                saved = save(*dialog, QStringLiteral("plik-otworz.png"));
                dialog->reject();
            }
        }
    });
    ui::QtDialogService().openFile(QStringLiteral("Wybierz plik z danymi partii"), paths::exportFolder(),
                                   QStringLiteral("Arkusz Excel (*.xls)|*.xls|Wszystkie pliki (*.*)|*.*"), 1);
    return saved;
}

void addClients(db::Database& stale)
{
    test::wstaw(stale, QStringLiteral("Klient"),
                {{QStringLiteral("WNI"), QStringLiteral("PL0123456789001")},
                 {QStringLiteral("Nazwisko"), QStringLiteral("Nowak")},
                 {QStringLiteral("Imie"), QStringLiteral("Jan")},
                 {QStringLiteral("Miejscowosc"), QStringLiteral("Łowicz")},
                 {QStringLiteral("Wojewodztwo"), QStringLiteral("Łódzkie")},
                 {QStringLiteral("Gmina"), QStringLiteral("Łowicz")}});
    test::wstaw(stale, QStringLiteral("Klient"),
                {{QStringLiteral("WNI"), QStringLiteral("PL0987654321001")},
                 {QStringLiteral("Nazwisko"), QStringLiteral("Żurawska-Wiśniewska")},
                 {QStringLiteral("Imie"), QStringLiteral("Małgorzata")},
                 {QStringLiteral("Miejscowosc"), QStringLiteral("Sochaczew")},
                 {QStringLiteral("Wojewodztwo"), QStringLiteral("Mazowieckie")},
                 {QStringLiteral("Gmina"), QStringLiteral("Brochów")}});
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ui::useDesktopLook();
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
    if (!openYearlyDatabase())
        return 1;
    test::dodajPartie(ModLabor().BazaRok, 1, 4);
    test::dodajPartie(ModLabor().BazaRok, 2, 12);
    test::dodajPartie(ModLabor().BazaRok, 3, 2, QStringLiteral("Jeleniowate"));

    FormPartia& window = FormPartia::instance();
    window.fillRemarkHints();
    window.prepareForShowing();
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

    addClients(ModLabor().BazaStale);
    FormKlient& clients = FormKlient::instance();
    clients.endPicking();
    ModLabor().PierwszaAktywacja = true;
    clients.show();
    ok = save(clients, QStringLiteral("klienci.png")) && ok;
    clients.hide();
    window.ComDodajG_Click();
    ClientTarget target;
    target.TextNrGospod = window.TextNrGospod;
    ModLabor().PierwszaAktywacja = true;
    clients.startPicking(target, QStringLiteral("W"));
    clients.show();
    ok = save(clients, QStringLiteral("klienci-wybor.png")) && ok;
    clients.hide();
    clients.endPicking();
    window.ComAnulujFrNaPIW_Click();

    ok = saveFileDialog() && ok;

    window.FrameWynik->show();
    window.FrameWynik->raise();
    window.Klawisze(false, true);
    window.ComDrukuj->setEnabled(true);
    ok = save(window, QStringLiteral("wydruk.png")) && ok;

    ui::resetAllInstances();
    resetModLabor();
    return ok ? 0 : 1;
}
