#include "BatchCommands.h"

#include "common/WindowCommands.h"

#include <QString>

namespace trelimor {

namespace {

std::function<void()> notAvailable(const char* name)
{
    return [name] { pokazNiedostepne(QString::fromUtf8(name)); };
}

} // namespace

BatchWindowCommands::BatchWindowCommands()
    : ComDrukuj_Click(notAvailable("Drukuj"))
    , ComProtokol_Click(notAvailable("Protokół pobrania"))
    , ComProtokolSaria1_Click(notAvailable("Protokół \"SARIA\" - razem"))
    , ComPismoPrzewodnie_Click(notAvailable("Pismo przewodnie"))
    , ComMail_Click(notAvailable("Plik/Mail"))
    , ComWczytPart_Click(notAvailable("Wczytaj partię próbek z pliku"))
    , ComWczyt_Click(notAvailable("Wczytaj próbki"))
    , ComWczytaj_Click(notAvailable("Wczytaj"))
    , ComWczytKolektor_Click(notAvailable("Wczytaj nagłówek partii z pliku kolektora"))
    , ComWczytWynik_Click(notAvailable("Wczytaj wynik"))
    , WczytajPlikZakladu(notAvailable("Wczytaj plik zakładu"))
{}

BatchWindowCommands& batchWindowCommands()
{
    static BatchWindowCommands commands;
    return commands;
}

void resetBatchWindowCommands()
{
    batchWindowCommands() = BatchWindowCommands();
}

} // namespace trelimor
