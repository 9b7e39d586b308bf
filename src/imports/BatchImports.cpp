#include "BatchImports.h"
#include "ResultsImport.h"

#include "batch/BatchCommands.h"
#include "batch/FormPartia.h"

namespace trelimor {

namespace {

// Each press works on the window as it is at that moment.
template <void (*Import)(FormPartia&)>
std::function<void()> naOknie()
{
    return [] { Import(FormPartia::instance()); };
}

} // namespace

void polaczImportyOknaPartii()
{
    PoleceniaOknaPartii& polecenia = poleceniaOknaPartii();
    polecenia.ComWczyt_Click = naOknie<&ComWczyt_Click>();
    polecenia.ComWczytPart_Click = naOknie<&ComWczytPart_Click>();
    polecenia.ComWczytKolektor_Click = naOknie<&ComWczytKolektor_Click>();
    polecenia.ComWczytaj_Click = naOknie<&ComWczytaj_Click>();
    polecenia.WczytajPlikZakladu = naOknie<&WczytajPlikZakladu>();
    polecenia.ComWczytWynik_Click = naOknie<&ComWczytWynik_Click>();
}

} // namespace trelimor
