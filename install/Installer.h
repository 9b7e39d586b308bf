#pragma once

#include "InstallError.h"

#include <QString>
#include <QStringList>

namespace trelimor::install {

// What a new installation consists of, with absolute paths.
struct Installation
{
    QString programFolder;
    QString iniFile;         // <program folder>/Trelimor.ini
    QString dictionaryFile;  // <program folder>/Dane/Stale.sqlite
    QString reportWorkFile;  // <program folder>/Dane/Robot.sqlite
    QString reportsFolder;   // <program folder>/Raporty/
    QStringList reportFiles; // copied templates, relative to the reports folder
};

// The installation a program folder holds or would hold: the paths only, nothing is read.
Installation installationIn(const QString& programFolder);

// Lays out a new program folder: Dane/, Eksport/, Archiwum/ and Raporty/, the databases
// Stale.sqlite and Robot.sqlite with every table and their shipped rows, the report
// templates copied from reportsSourceFolder (every file of it, subfolders included; an empty
// text copies none) and Trelimor.ini pointing at them.
//
// Refuses, changing nothing, when the folder already holds Trelimor.ini, Dane/Stale.sqlite
// or Dane/Robot.sqlite, or when a report template would overwrite a file. The databases are
// built under temporary names and moved into place only when complete; on any failure
// everything made so far is removed again. Throws InstallError with a Polish message.
Installation createInstallation(const QString& programFolder, const QString& reportsSourceFolder);

} // namespace trelimor::install
