#pragma once

#include <QString>

#include <functional>
#include <map>

namespace trelimor {

// The windows the main window opens that other parts of the program build. Each command is
// the whole show of its window, including what the window needs set on itself before it is
// shown (the main window sets only program-wide values, such as PierwszaAktywacja, first).
enum class WindowCommand {
    BatchWindow,            // "Ewidencja danych": its checks, then FormPartia
    ClientsRegister,        // FormKlient with its pick button ComUzyj hidden
    OperatorsWindow,        // FormOperat
    InspectoratesRegister,  // FormPIW: OptionK, DataZlew "SELECT * FROM PIW ORDER BY IdPiw"
    VeterinariansRegister,  // FormLekarz: DataLekarz "SELECT * FROM Lekarz ORDER BY Nazwisko, Imie"
    BatchRemarkHints,       // FormPodp "Uwagi do partii" over UwagiPartia
    SampleRemarkHints,      // FormPodp "Uwagi do próbek", LabelCaption, over UwagiProbka
    RemarkHints,            // FormPodp with nothing set
    UserRecordWindow,       // FormUzytkownik
    EstablishmentsRegister, // FormZlew: OptionK, DataZlew "SELECT * FROM ZAKLAD ORDER BY WNI"
    SamplingProcedures,     // FormPlanProcedura over ProceduraPobierania
    SamplingPlans,          // FormPlanProcedura over PlanPobierania
    UnitsRegister,          // FormPodpAll over Miara
    ScratchWindow,          // FormRoboczy
    Archive,                // archive of the databases
    Restore,                // restore from the archive
    Statistics,             // FormZestawienieBSE with MebOd and MebDo set to the working date
    LockViewer,             // FormPracuja
    Cleaning,               // cleaning of the result tables
    AutomaticResults,       // automatic general results
    OptionsWindow,          // FormOpcje
    SerologyExport,         // the serology export to the regional inspectorate
};

// Who opens each of those windows: the part of the program that builds a window registers its
// opener here when the program is put together. A command without an opener tells the user
// that the window is not available in this version yet, so no menu item does nothing.
class WindowCommands
{
public:
    using Opener = std::function<void()>;

    void setOpener(WindowCommand command, Opener opener);
    bool hasOpener(WindowCommand command) const;
    // Runs the command's opener, or shows the "not available" message.
    void run(WindowCommand command) const;
    // Forgets every opener (the end of a test).
    void clear();

    // The window's name as the user knows it from the menu, for the message.
    static QString name(WindowCommand command);

private:
    std::map<WindowCommand, Opener> m_openers;
};

WindowCommands& windowCommands();

// The message of a window or function that is not in this version yet.
void pokazNiedostepne(const QString& name);

} // namespace trelimor
