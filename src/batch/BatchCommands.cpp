#include "BatchCommands.h"

#include "common/WindowCommands.h"

#include <QString>

namespace trelimor {

namespace {

std::function<void()> niedostepne(const char* name)
{
    return [name] { pokazNiedostepne(QString::fromUtf8(name)); };
}

} // namespace

PoleceniaOknaPartii::PoleceniaOknaPartii()
    : ComDrukuj_Click(niedostepne("Drukuj"))
    , ComProtokol_Click(niedostepne("Protokół pobrania"))
    , ComProtokolSaria1_Click(niedostepne("Protokół \"SARIA\" - razem"))
    , ComPismoPrzewodnie_Click(niedostepne("Pismo przewodnie"))
    , ComMail_Click(niedostepne("Plik/Mail"))
    , ComWczytPart_Click(niedostepne("Wczytaj partię próbek z pliku"))
    , ComWczyt_Click(niedostepne("Wczytaj próbki"))
    , ComWczytaj_Click(niedostepne("Wczytaj"))
    , ComWczytKolektor_Click(niedostepne("Wczytaj nagłówek partii z pliku kolektora"))
    , ComWczytWynik_Click(niedostepne("Wczytaj wynik"))
    , WczytajPlikZakladu(niedostepne("Wczytaj plik zakładu"))
{}

PoleceniaOknaPartii& poleceniaOknaPartii()
{
    static PoleceniaOknaPartii commands;
    return commands;
}

void resetPoleceniaOknaPartii()
{
    poleceniaOknaPartii() = PoleceniaOknaPartii();
}

} // namespace trelimor
