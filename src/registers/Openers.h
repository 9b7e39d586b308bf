#pragma once

namespace trelimor {

// How the main window opens the registers (the program registers these as the openers of its
// window commands): each function sets what the window needs before it is shown (its order,
// its data control's rows) and shows it modally.

// "Zakłady" (menu item and button): sorted by code, "Wg kodów" selected.
void otworzZaklady();
// "Pobrał": veterinarians by surname and first name.
void otworzLekarzy();
// "PIW": district inspectorates by code, "Wg kodów" selected.
void otworzPIW();
// "Klient": the clients register, never as a picker: whatever a picker left is ended first, so
// a pick from here cannot write into the batch window.
void otworzKlientow();
// "Uwagi do Partii", "Uwagi do próbek": the remark hints of batches, of samples; and the
// showing with nothing set, on the list the window edited last.
void otworzUwagiPartii();
void otworzUwagiProbek();
void otworzUwagi();
// "Plan pobierania próbek", "Próbki zostały pobrane ...": the sampling plans, the sampling
// procedures.
void otworzPlanyPobierania();
void otworzProceduryPobierania();
// The regional inspectorates and the species; no command of the main window opens them.
void otworzWIW();
void otworzGatunki();

// The check "Ewidencja danych" makes before the batch window: without a veterinarian, or else
// without an establishment, it tells the user to add one, opens that register and returns
// false (the batch window is not opened this time). True when both exist.
bool sprawdzLekarzaIZaklad();

} // namespace trelimor
