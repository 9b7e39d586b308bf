#include "WindowCommands.h"

#include "Messages.h"

namespace trelimor {

void WindowCommands::setOpener(WindowCommand command, Opener opener)
{
    if (opener)
        m_openers[command] = std::move(opener);
    else
        m_openers.erase(command);
}

bool WindowCommands::hasOpener(WindowCommand command) const
{
    return m_openers.contains(command);
}

void WindowCommands::run(WindowCommand command) const
{
    const auto found = m_openers.find(command);
    if (found == m_openers.end()) {
        pokazNiedostepne(name(command));
        return;
    }
    found->second();
}

void WindowCommands::clear()
{
    m_openers.clear();
}

QString WindowCommands::name(WindowCommand command)
{
    switch (command) {
    case WindowCommand::BatchWindow:
        return QStringLiteral("Ewidencja danych");
    case WindowCommand::ClientsRegister:
        return QStringLiteral("Klient");
    case WindowCommand::OperatorsWindow:
        return QStringLiteral("Operator");
    case WindowCommand::InspectoratesRegister:
        return QStringLiteral("PIW");
    case WindowCommand::VeterinariansRegister:
        return QStringLiteral("Pobrał");
    case WindowCommand::BatchRemarkHints:
        return QStringLiteral("Uwagi do Partii");
    case WindowCommand::SampleRemarkHints:
        return QStringLiteral("Uwagi do próbek");
    case WindowCommand::RemarkHints:
        return QStringLiteral("Podpowiedzi do uwag");
    case WindowCommand::UserRecordWindow:
        return QStringLiteral("Użytkownik");
    case WindowCommand::EstablishmentsRegister:
        return QStringLiteral("Zakłady");
    case WindowCommand::SamplingProcedures:
        return QStringLiteral("Próbki zostały pobrane ...");
    case WindowCommand::SamplingPlans:
        return QStringLiteral("Plan pobierania próbek");
    case WindowCommand::UnitsRegister:
        return QStringLiteral("Jednostki miary");
    case WindowCommand::ScratchWindow:
        return QStringLiteral("Do Excel library 1.1");
    case WindowCommand::Archive:
        return QStringLiteral("Archiwizacja");
    case WindowCommand::Restore:
        return QStringLiteral("Przywrócenie bazy z archiwum");
    case WindowCommand::Statistics:
        return QStringLiteral("Zestawienia");
    case WindowCommand::LockViewer:
        return QStringLiteral("Pracują");
    case WindowCommand::Cleaning:
        return QStringLiteral("Czyszczenie zbiorów");
    case WindowCommand::AutomaticResults:
        return QStringLiteral("Automatyczne uzupełnianie wyników");
    case WindowCommand::OptionsWindow:
        return QStringLiteral("Opcje programu");
    case WindowCommand::SerologyExport:
        return QStringLiteral("Export do WIW");
    }
    return {};
}

WindowCommands& windowCommands()
{
    static WindowCommands commands;
    return commands;
}

void pokazNiedostepne(const QString& name)
{
    PokazInfo(QStringLiteral("Funkcja „%1” nie jest jeszcze dostępna w tej wersji programu.").arg(name),
              kInformationTitle);
}

} // namespace trelimor
