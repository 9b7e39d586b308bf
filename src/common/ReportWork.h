#pragma once

#include <QString>

#include <memory>

namespace trelimor {

namespace db {
class Database;
}
namespace report {
class Report;
}
class ReportWindow;

// The road of every printout: empty the report work tables, refill them, set the header lines
// and show the report in the report window.

// Deletes every record of the table; with the check on, a table that still holds records
// afterwards is reported (the program should be restarted).
void OproznijTabele(db::Database& baza, const QString& tabela, bool sprawdz);
// Writes the three header lines into the one record of OGOLNE of the report work database,
// adding that record when the table has none.
void UstawNaglowki(const QString& naglowek1, const QString& naglowek2, const QString& naglowek3);
// Deletes every record of a table of the report work database.
void OproznijRoboczaTabele(const QString& tabela);
// Appends every record of a dictionary table to the same-named table of the report work
// database, field by field by name; null values leave the target's default. A failure is
// reported under "Drukowanie" + the table's name, copies nothing and gives false.
bool KopiujDoRoboczej(const QString& tabela);

// Opens a report file over the report work database with the program's report engine
// (RaportAplikacja, made on first use): the template of the same base name, its texts, and the
// work tables it prints as they stand now. Throws report::ReportError or db::JetError.
std::shared_ptr<report::Report> openWorkReport(const QString& plik, const QString& tekstA,
                                               const QString& tytul, const QString& tekstC);

// Opens the report file (the template of the same base name, see ReportEngine) over the report
// work database, keeps it as RaportBiezacy, hands it the three texts and the scope (what the
// printout holds, which its PDF's name tells: see report::Report::setScope) and shows it in the
// window under the caption; returns when the window is hidden. Failures (a missing template, a
// database error) are thrown to the caller.
void PokazRaport(const QString& plik, ReportWindow& okno, const QString& caption, const QString& tekstA,
                 const QString& tytul, const QString& tekstC, const QString& scope = {});

} // namespace trelimor
