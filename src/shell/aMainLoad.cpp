// The main window's part in the start and the end of the program.

#include "aMain.h"

#include "ShellHooks.h"
#include "frmLoginLab.h"

#include "common/Dates.h"
#include "common/InstallationFile.h"
#include "common/Leftovers.h"
#include "common/Messages.h"
#include "common/ModLabor.h"
#include "common/ProgramState.h"
#include "common/TableHelpers.h"

#include "platform/db/Recordset.h"
#include "platform/locale/DatePattern.h"
#include "platform/locale/ShortDateFormat.h"
#include "platform/ui/Clock.h"
#include "platform/ui/Quit.h"
#include "platform/ui/WindowOpener.h"

#include <QDir>
#include <QLabel>

namespace trelimor {

std::optional<int> aMain::Form_Load()
{
    const QDateTime started = QDateTime::currentDateTime(); // compared with the files' own times
    if (!ActivatePrevInstance())
        return 0;
    if (!CzytajParametry()) {
        // Its box has said what is missing; a login over no database could only fail. (When
        // the drive check has asked for the end already, asking again changes nothing.)
        Form_Unload();
        ui::requestQuit(1);
        return 1;
    }
    // Others see in the lock-file viewer that this program works on the dictionary database;
    // a presence file that cannot be written only leaves this program out of that list.
    m_obecnosc.open(ModLabor().BazaStale.name());
    removeLeftoversOfKilledRuns(started);

    frmLoginLab& login = frmLoginLab::instance();
    if (!login.Form_Load()) {
        Form_Unload();
        return 1;
    }
    ui::openModal(login);
    if (login.wynik() == frmLoginLab::Wynik::Zakonczenie) {
        Form_Unload();
        return 0;
    }
    if (!ModLabor().Zalogowany) {
        PokazAlarm(QStringLiteral("Nie masz uprawnień do pracy z tym programem!!!"), kAlarmTitle, 1, false);
        Form_Unload();
        ui::requestQuit(1);
        return 1;
    }

    try {
        wczytajUzytkownika();

        // The working date is today; setting it shows it and opens the year's database.
        const QDate today = ui::today();
        if (programState().workingDate() == today)
            pokazDateRobocza();
        else
            programState().setWorkingDate(today);

        shellHooks().przygotujOknoPartii();
        // Opened once more, as the batch window expects; without a county code the date
        // change has already sent the user to the user record.
        if (isCountyCode(programState().countyCode()))
            ComTworzBazy_Click();

        m_panele[1]->setText(login.TextNazwisko->text());
        m_panele[0]->setText(LabelVer->text());
        m_panele[2]->setText(LabelData->text());

        programState().setDefaultPlan(PobierzDomyslny(QStringLiteral("PlanPobierania"),
                                                      QStringLiteral("Nazwa"), QStringLiteral("Domyslny")));
        programState().setDefaultProcedure(PobierzDomyslny(
            QStringLiteral("ProceduraPobierania"), QStringLiteral("Nazwa"), QStringLiteral("Domyslny")));
        shellHooks().zaladujOknoOpcji();
        ModLabor().PierwszaAktywacja = true;
    } catch (const std::exception& e) {
        // The window is shown as far as it was prepared.
        PokazBlad(QStringLiteral("ŁADOWANIE PROGRAMU"), e);
    }
    show();
    return std::nullopt;
}

void aMain::wczytajUzytkownika()
{
    db::Recordset podatnik = ModLabor().BazaStale.openRecordset(QStringLiteral("SELECT * FROM PODATNIK"));
    if (podatnik.recordCount() == 0)
        return; // a new installation: the labels stay empty until the user record is filled
    QVariantMap record;
    for (int i = 0; i < podatnik.fieldCount(); ++i)
        record.insert(podatnik.field(i).name, BezNullText(podatnik.value(i)));
    const auto field = [&](const char* name) {
        return BezNullText(podatnik.value(QString::fromLatin1(name)));
    };
    ProgramState& state = programState();
    state.setUserRecord(record);
    state.setCountyCode(field("KodPIW"));
    state.setMails(field("MailWIW"), field("MailPIW"), field("MailLab"));
}

bool aMain::ActivatePrevInstance()
{
    if (m_jednaInstancja.tryBecomePrimary())
        return true;
    if (!m_jednaInstancja.askPrimaryToRaise())
        PokazUwage(QStringLiteral("Program TRELIMOR jest już uruchomiony, ale nie odpowiada.\rZamknij go i "
                                  "uruchom program ponownie."),
                   QStringLiteral("Uwaga!"));
    ui::requestQuit(0);
    return false;
}

void aMain::Form_Unload()
{
    ModLaborValues& m = ModLabor();
    m_obecnosc.close();
    try {
        m.BazaStale.close();
        m.BazaRok.close();
        m.BazaRobot.close();
    } catch (...) {
        // The program is ending; a handle that will not close has nothing left to lose.
    }
}

void aMain::ComEnd_Click()
{
    zakoncz(true);
}

void aMain::Men1Exit_Click()
{
    zakoncz(false);
}

void aMain::zakoncz(bool przywrocFormatDaty)
{
    if (przywrocFormatDaty) {
        const QString own = programState().userDateFormat();
        const QDate today = ui::today();
        if (!own.isEmpty() && locale::formatDate(today, own) != locale::formatShortDate(today))
            UstawFormatDaty(own);
        if (!ModLabor().KatalogProgramu.isEmpty())
            QDir::setCurrent(ModLabor().KatalogProgramu);
    }
    m_zamkniete = true;
    Form_Unload();
    hide();
    ui::requestQuit(0);
}

} // namespace trelimor
