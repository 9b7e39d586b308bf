// The commands of the main window's menus and buttons.

#include "aMain.h"

#include "ui_aMain.h"

#include "FrmInfLMrec.h"
#include "ShellHooks.h"

#include "common/Messages.h"
#include "common/ModLabor.h"
#include "common/ProgramState.h"
#include "common/WindowCommands.h"

#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"
#include "platform/paths/Folders.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/OverrideCursorGuard.h"
#include "platform/ui/WindowOpener.h"

#include <functional>

namespace trelimor {

namespace {

const QString kDrukowanie = QStringLiteral("Drukowanie");

void otworz(WindowCommand command)
{
    windowCommands().run(command);
}

// A report template of the reports folder, named as the installation ships it.
void drukuj(const QString& baseName)
{
    shellHooks().pokazRaport(ModLabor().KatalogRaportow + baseName + QStringLiteral(".html"), kDrukowanie);
}

} // namespace

void aMain::polaczPolecenia()
{
    // A command's failure is reported under its caption instead of escaping into the event loop.
    const auto wykonaj = [](const QString& caption, const std::function<void()>& command) {
        try {
            command();
        } catch (const std::exception& e) {
            PokazBlad(QString(caption).remove(QLatin1Char('&')), e);
        }
    };
    const auto menu = [this, wykonaj](QAction* item, void (aMain::*command)()) {
        connect(item, &QAction::triggered, this, [this, item, command, wykonaj] {
            wykonaj(item->text(), [this, command] { (this->*command)(); });
        });
    };
    const auto przycisk = [this, wykonaj](QPushButton* button, std::function<void()> command) {
        connect(button, &QPushButton::clicked, this,
                [button, command, wykonaj] { wykonaj(button->text(), command); });
    };
    const auto metoda = [this](void (aMain::*command)()) { return [this, command] { (this->*command)(); }; };

    Ui::aMain& u = *m_ui;
    menu(u.Men2Red, &aMain::Command1_Click);
    menu(u.menKlient, &aMain::menKlient_Click);
    menu(u.Operatorzy, &aMain::Operatorzy_Click);
    menu(u.menPIW, &aMain::menPIW_Click);
    menu(u.menLekarz, &aMain::menLekarz_Click);
    menu(u.menUwagiP, &aMain::menUwagiP_Click);
    menu(u.MenUwagiB, &aMain::MenUwagiB_Click);
    menu(u.Men2Uzytkownik, &aMain::Men2Uzytkownik_Click);
    menu(u.menZaklad, &aMain::menZaklad_Click);
    menu(u.menProceduraPobierania, &aMain::menProceduraPobierania_Click);
    menu(u.menPlanPobierania, &aMain::menPlanPobierania_Click);
    menu(u.Archiwizacja, &aMain::Archiwizacja_Click);
    menu(u.Zestawienie, &aMain::Zestawienie_Click);
    menu(u.MenZwiazek, &aMain::MenZwiazek_Click);
    menu(u.menPracuja, &aMain::menPracuja_Click);
    menu(u.menCzyszc, &aMain::menCzyszc_Click);
    menu(u.menWynik, &aMain::menWynik_Click);
    menu(u.Opcje, &aMain::Opcje_Click);
    menu(u.menOdzysk, &aMain::menOdzysk_Click);
    menu(u.Men1Tech, &aMain::Men1Tech_Click);
    menu(u.Men1Exit, &aMain::Men1Exit_Click);
    menu(u.OAutorze, &aMain::OAutorze_Click);

    przycisk(u.Command1, metoda(&aMain::Command1_Click));
    przycisk(u.ComWczytaj, metoda(&aMain::Men2Uzytkownik_Click));
    przycisk(u.ComArchiwizacja, metoda(&aMain::Archiwizacja_Click));
    przycisk(u.ComEnd, metoda(&aMain::ComEnd_Click));
    przycisk(u.ComAuj, metoda(&aMain::menZaklad_Click));
    przycisk(u.ComCLab, metoda(&aMain::ComCLab_Click));
    przycisk(u.ComDodKol, metoda(&aMain::ComDodKol_Click));
    przycisk(u.ComDoExcelNewMethod, metoda(&aMain::ComDoExcelNewMethod_Click));
    przycisk(u.Command4, metoda(&aMain::Command4_Click));
    przycisk(u.Command5, metoda(&aMain::Command5_Click));
    przycisk(u.ComTworzBazy, [this] { ComTworzBazy_Click(); });
    przycisk(u.ComZakWIW, metoda(&aMain::ComZakWIW_Click));
}

void aMain::Command1_Click()
{
    otworz(WindowCommand::BatchWindow);
}

void aMain::menKlient_Click()
{
    ModLabor().PierwszaAktywacja = true;
    otworz(WindowCommand::ClientsRegister);
}

void aMain::Operatorzy_Click()
{
    otworz(WindowCommand::OperatorsWindow);
}

void aMain::menPIW_Click()
{
    otworz(WindowCommand::InspectoratesRegister);
}

void aMain::menLekarz_Click()
{
    otworz(WindowCommand::VeterinariansRegister);
}

void aMain::menUwagiP_Click()
{
    otworz(WindowCommand::BatchRemarkHints);
}

void aMain::MenUwagiB_Click()
{
    otworz(WindowCommand::SampleRemarkHints);
}

void aMain::Men2Uzytkownik_Click()
{
    otworz(WindowCommand::UserRecordWindow);
}

void aMain::menZaklad_Click()
{
    otworz(WindowCommand::EstablishmentsRegister);
}

void aMain::menProceduraPobierania_Click()
{
    otworz(WindowCommand::SamplingProcedures);
}

void aMain::menPlanPobierania_Click()
{
    otworz(WindowCommand::SamplingPlans);
}

void aMain::Archiwizacja_Click()
{
    otworz(WindowCommand::Archive);
}

void aMain::Zestawienie_Click()
{
    // Summaries of a year whose database could not be opened would count another year's data.
    if (!ComTworzBazy_Click())
        return;
    ModLabor().PierwszaAktywacja = true;
    otworz(WindowCommand::Statistics);
}

void aMain::MenZwiazek_Click()
{
    ui::OverrideCursorGuard wait;
    drukuj(QStringLiteral("zwiazek"));
}

void aMain::menPracuja_Click()
{
    ModLabor().PierwszaAktywacja = true;
    otworz(WindowCommand::LockViewer);
}

void aMain::menCzyszc_Click()
{
    otworz(WindowCommand::Cleaning);
}

void aMain::menWynik_Click()
{
    otworz(WindowCommand::AutomaticResults);
}

void aMain::Opcje_Click()
{
    if (!programState().operatorIsAdministrator()) {
        PokazAlarm(QStringLiteral("Nie posiadasz uprawnień administratora!"), kAlarmTitle, 1, false);
        return;
    }
    otworz(WindowCommand::OptionsWindow);
}

void aMain::menOdzysk_Click()
{
    otworz(WindowCommand::Restore);
}

void aMain::Men1Tech_Click()
{
    pokazNiedostepne(QStringLiteral("Funkcje techniczne"));
}

void aMain::OAutorze_Click()
{
    FrmInfLMrec& about = FrmInfLMrec::instance();
    about.lblPlatform->setText(LabelVer->text());
    ui::openModal(about);
}

void aMain::ComCLab_Click()
{
    PokazInfo(QStringLiteral("Eksport do cLAB będzie możliwy po uzgodnieniu szczegółów!"), kInformationTitle);
}

void aMain::ComDodKol_Click()
{
    // The installed report work database by its fixed place, not the open handle.
    db::Database robot = db::Database::open(paths::join(paths::dataFolder(), QStringLiteral("Robot.sqlite")));
    robot.addColumn(QStringLiteral("Badanie"), db::Field::text(QStringLiteral("NieBadaj"), 1));
    robot.close();
    ui::plainMessage(QString());
}

void aMain::ComDoExcelNewMethod_Click()
{
    otworz(WindowCommand::ScratchWindow);
}

void aMain::Command4_Click()
{
    db::Database& rok = ModLabor().BazaRok;
    db::Transaction whole(rok);
    db::Recordset br = rok.openRecordset(QStringLiteral("SELECT * FROM Br"));
    if (br.recordCount() > 0) {
        br.moveLast();
        br.moveFirst();
        for (; !br.eof(); br.moveNext()) {
            br.edit();
            br.setValue(QStringLiteral("WynikOgolny"), QStringLiteral("ujemny"));
            br.update();
        }
    }
    br.close();
    whole.commit();
}

void aMain::ComZakWIW_Click()
{
    otworz(WindowCommand::SerologyExport);
}

void aMain::DrukujZlewnie()
{
    drukuj(QStringLiteral("zlewnia"));
}

void aMain::DrukujProducentow()
{
    drukuj(QStringLiteral("producen"));
}

void aMain::OpcjeBezKontroli()
{
    otworz(WindowCommand::OptionsWindow);
}

void aMain::OknoRobocze()
{
    otworz(WindowCommand::ScratchWindow);
}

void aMain::Zaklady()
{
    menZaklad_Click();
}

void aMain::Podpowiedzi()
{
    otworz(WindowCommand::RemarkHints);
}

void aMain::JednostkiMiary()
{
    otworz(WindowCommand::UnitsRegister);
}

void aMain::Laboratoria()
{
    pokazNiedostepne(QStringLiteral("Laboratoria"));
}

void aMain::OknoPierwszejAktywacji()
{
    // The window it was meant for is not part of the program; the flag is left alone, or the
    // next window to be activated would refill itself for nothing.
    pokazNiedostepne(QStringLiteral("Okno pierwszej aktywacji"));
}

} // namespace trelimor
