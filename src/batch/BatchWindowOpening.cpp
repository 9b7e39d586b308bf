#include "BatchWindowOpening.h"

#include "FormPartia.h"

#include "common/Messages.h"
#include "common/ModLabor.h"
#include "common/ProgramState.h"
#include "common/WindowCommands.h"
#include "common/YearlyDatabase.h"

#include "registers/Openers.h"

#include "platform/db/Recordset.h"
#include "platform/ui/OverrideCursorGuard.h"
#include "platform/ui/WindowOpener.h"

namespace trelimor {

namespace {

const QString kWbudowanyAdministrator = QStringLiteral("Administrator systemu");
const QString kTylkoDoUstawien =
    QStringLiteral("'Admin' służy wyłącznie do pierwszego logowania oraz ustawiania parametrów systemu!");

// The built-in administrator sets the program up and enters no samples, however many
// operators there are; while he is the only one he is sent to add an operator.
bool operatorMayEnter()
{
    const int operatorzy =
        ModLabor().BazaStale.openRecordset(QStringLiteral("SELECT * FROM OPERATORZY")).recordCount();
    if (programState().operatorName() != kWbudowanyAdministrator)
        return true;
    if (operatorzy == 1) {
        PokazInfo(
            kTylkoDoUstawien +
                QStringLiteral("\rAby wprowadzać próbki dodaj i zaloguj się na innego użytkownika!\r"
                               "Dodaj nowego operatora wprowadzając nazwisko, imię oraz unikalny login!"),
            kInformationTitle);
        windowCommands().run(WindowCommand::OperatorsWindow);
    } else {
        PokazInfo(kTylkoDoUstawien +
                      QStringLiteral("\rAby wprowadzać próbki zaloguj się na innego użytkownika!"),
                  kInformationTitle);
    }
    return false;
}

bool sprawdzDaneUzytkownika()
{
    const ProgramState& state = programState();
    if (!state.countyCode().isEmpty() && !state.mailLab().isEmpty())
        return true;
    PokazInfo(QStringLiteral("Aby prawidłowo definiować próbki wprowadź 4-cyfrowy kod powiatu oraz e-mail "
                             "laboratorium!\rUzupełnij dane użytkownika!"),
              kInformationTitle);
    windowCommands().run(WindowCommand::UserRecordWindow);
    return false;
}

} // namespace

bool batchEntryAllowed()
{
    return operatorMayEnter() && sprawdzDaneUzytkownika() && sprawdzLekarzaIZaklad();
}

void EwidencjaDanych()
{
    if (!batchEntryAllowed())
        return;
    FormPartia* okno = nullptr;
    {
        ui::OverrideCursorGuard wait;
        // Without the working year's database there is nothing to show the batches of.
        if (!openYearlyDatabase())
            return;
        okno = &FormPartia::instance();
        okno->prepareForShowing();
    }
    ui::openModal(*okno);
}

} // namespace trelimor
