#include "Wiring.h"

#include "batch/BatchWindowDocuments.h"
#include "batch/BatchWindowImports.h"
#include "batch/BatchWindowOpening.h"
#include "batch/FormPartia.h"
#include "common/Archive.h"
#include "common/FormPracuja.h"
#include "common/ModLabor.h"
#include "common/Pickers.h"
#include "common/ReportWindow.h"
#include "common/ReportWork.h"
#include "common/Restore.h"
#include "common/ResultCleaning.h"
#include "common/WindowCommands.h"
#include "common/YearlyDatabase.h"
#include "documents/FormDrukRap.h"
#include "export/SerologyExport.h"
#include "registers/FormPodpAll.h"
#include "registers/FormRoboczy.h"
#include "registers/Openers.h"
#include "shell/FormOpcje.h"
#include "shell/FormOperat.h"
#include "shell/FormUzytkownik.h"
#include "shell/MainWindowExportHost.h"
#include "shell/ShellHooks.h"
#include "shell/aMain.h"
#include "statistics/FormZestawienieBSE.h"

#include "platform/ui/WindowOpener.h"

#include <QFrame>

namespace trelimor {

namespace {

ResultCommandHooks resultCommandHooks()
{
    ResultCommandHooks hooks;
    hooks.openYearlyDatabase = &openYearlyDatabase;
    hooks.showWaitFrame = [](bool visible) {
        QFrame* frame = aMain::instance().FrameCzekaj;
        frame->setVisible(visible);
        frame->repaint();
    };
    return hooks;
}

void wireShellServices()
{
    ShellHooks& hooks = shellHooks();
    hooks.wybierzDate = [](const QDate& preselected, const QString& caption) -> std::optional<QDate> {
        QString text = preselected.toString(QStringLiteral("dd.MM.yyyy"));
        const QDate chosen = WybierzDate(text, caption);
        // Cancelling gives back the date the picker opened with: nothing changes then.
        if (!chosen.isValid() || chosen == preselected)
            return std::nullopt;
        return chosen;
    };
    hooks.pokazRaport = [](const QString& reportPath, const QString& caption) {
        PokazRaport(reportPath, reportWindow(), caption, QString(), QString(), QString());
    };
    hooks.zaladujOknoOpcji = [] { FormOpcje::instance().Form_Activate(); };
}

void wireShellWindows()
{
    WindowCommands& commands = windowCommands();
    commands.setOpener(WindowCommand::OperatorsWindow, [] { ui::openModal(FormOperat::instance()); });
    commands.setOpener(WindowCommand::UserRecordWindow, [] { ui::openModal(FormUzytkownik::instance()); });
    commands.setOpener(WindowCommand::OptionsWindow, [] { ui::openModal(FormOpcje::instance()); });
}

void wireRegisters()
{
    WindowCommands& commands = windowCommands();
    commands.setOpener(WindowCommand::EstablishmentsRegister, &otworzZaklady);
    commands.setOpener(WindowCommand::VeterinariansRegister, &otworzLekarzy);
    commands.setOpener(WindowCommand::InspectoratesRegister, &otworzPIW);
    commands.setOpener(WindowCommand::ClientsRegister, &otworzKlientow);
    commands.setOpener(WindowCommand::BatchRemarkHints, &otworzUwagiPartii);
    commands.setOpener(WindowCommand::SampleRemarkHints, &otworzUwagiProbek);
    commands.setOpener(WindowCommand::RemarkHints, &otworzUwagi);
    commands.setOpener(WindowCommand::SamplingPlans, &otworzPlanyPobierania);
    commands.setOpener(WindowCommand::SamplingProcedures, &otworzProceduryPobierania);
}

// Windows only the main window's hidden button and uncalled operations reach.
void wireHiddenWindows()
{
    WindowCommands& commands = windowCommands();
    commands.setOpener(WindowCommand::UnitsRegister, &otworzJednostkiMiary);
    commands.setOpener(WindowCommand::ScratchWindow, &otworzOknoRobocze);
}

void wireBatchWindow()
{
    windowCommands().setOpener(WindowCommand::BatchWindow, &EwidencjaDanych);
    // The start-up makes the batch window and fills its remark hints; it refills them itself
    // whenever the hints are edited.
    shellHooks().przygotujOknoPartii = [] { FormPartia::instance().fillRemarkHints(); };
    connectBatchWindowDocuments();
    connectBatchWindowImports();
}

void wireStatistics()
{
    windowCommands().setOpener(WindowCommand::Statistics, &otworzZestawienia);
}

void wireSerologyExport()
{
    windowCommands().setOpener(WindowCommand::SerologyExport, [] {
        MainWindowExportHost host(aMain::instance());
        ComZakWIW_Click(host);
    });
}

void wireMaintenance()
{
    WindowCommands& commands = windowCommands();
    commands.setOpener(WindowCommand::Archive, &ComArchiwizacja_Click);
    commands.setOpener(WindowCommand::Restore, &menOdzysk_Click);
    commands.setOpener(WindowCommand::Cleaning, [] { menCzyszc_Click(resultCommandHooks()); });
    commands.setOpener(WindowCommand::AutomaticResults, [] { menWynik_Click(resultCommandHooks()); });
    commands.setOpener(WindowCommand::LockViewer, [] {
        ModLabor().PierwszaAktywacja = true;
        ui::openModal(FormPracuja::instance());
    });
}

} // namespace

void polaczPodsystemy()
{
    registerFormDrukRap();
    wireShellServices();
    wireShellWindows();
    wireRegisters();
    wireHiddenWindows();
    wireBatchWindow();
    wireStatistics();
    wireMaintenance();
    wireSerologyExport();
}

} // namespace trelimor
