#pragma once

#include "TextHelpers.h"

#include "platform/db/Database.h"

#include <QString>

#include <memory>

namespace trelimor {

namespace report {
class Report;
}
class ReportEngine;

// The program-wide values of the common library, as the whole program shares them.
struct ModLaborValues
{
    QString FormatDaty;      // display format of the working date, "dd.mm.yyyy"
    QString KatalogRaportow; // the report templates' folder, followed directly by a file name
    QString KatalogProgramu; // the program folder, without a closing "/"
    db::Database BazaStale;  // dictionary database
    db::Database BazaRobot;  // report work database
    db::Database BazaRok;    // yearly database of the working year and county code
    TablicaZnakow TablicaPolskichZnakow;

    std::shared_ptr<ReportEngine> RaportAplikacja; // made by the first report shown, kept for the run
    std::shared_ptr<report::Report> RaportBiezacy; // the report shown last

    bool Zalogowany = false;
    QString NazwiskoOperatora;

    QString TrybSlownika;           // why a register window was opened ("Uzyj" to pick)
    bool PierwszaAktywacja = false; // the next activation does its one-time filling
};

ModLaborValues& ModLabor();

// Closes the three databases and forgets every value (the end of a run, or a test).
void resetModLabor();

} // namespace trelimor
