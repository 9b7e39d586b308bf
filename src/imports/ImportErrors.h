#pragma once

#include <QString>

#include <exception>

namespace trelimor {

// A failure of an import of samples that ends in its error report: the engine's error number
// (or the run-time number of a missing folder) with its description, and where it happened.
struct ImportError
{
    // The number of a file whose folder is not there.
    static constexpr int PathNotFound = 76;

    int number = 0; // 0 for a file that cannot be read as the import needs it
    QString description;
    int row = 0;        // the sheet's row or the file's line, 0 when none
    QString sampleCode; // the refused sample's code, for a duplicate key
};

// The failure a caught error stands for.
ImportError importErrorOf(const std::exception& error);

// Which text a value of the wrong type gets: the spreadsheet imports name a program option, the
// imports of formats C, D and E ask to check the file.
enum class ConversionText { ProgramOption, CheckFile };

// The error report of the sample imports, by the error's number: a missing folder, a duplicate
// key, a value too long for its field, a value of the wrong type, anything else. A known row is
// appended to the message as " (wiersz N)".
void showImportError(const ImportError& error, ConversionText conversion);

// " (wiersz N)": what a refusal adds to name the row it refers to.
QString rowSuffix(int row);

} // namespace trelimor
