#pragma once

#include <QString>
#include <QStringList>

#include <memory>

namespace trelimor {

namespace db {
class Database;
}
namespace report {
class Report;
}

// The engine the printouts open their reports with (the program keeps one as RaportAplikacja).
// The printouts name their report files with the extension .rpt ("zlewnia.rpt"); the report
// read is the template of the same base name with the extension .html, and it prints the tables
// of the report work database that the template names.
class ReportEngine
{
public:
    // The template of a report file: ".rpt" (in any letter case) becomes ".html"; any other
    // name is taken as it stands.
    static QString templatePath(const QString& reportPath);

    // Opens the report's template. Throws report::ReportError naming the file.
    std::shared_ptr<report::Report> open(const QString& reportPath) const;

    // The tables a template prints: the names of its sections ({{#T}}, {{^T}}) and of its
    // first.T / count.T / total.T references, in the order they first appear, each once.
    static QStringList namedTables(const QString& templateText);

    // Reads into a newly opened report every table of the database that its template names
    // (a name that is no table of the database is left out: a section of a row's field).
    // Database failures are thrown as db::JetError.
    void readTables(report::Report& report, db::Database& database) const;
};

} // namespace trelimor
