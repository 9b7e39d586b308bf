#pragma once

#include "SampleStore.h"

#include <QString>

#include <exception>

namespace trelimor {

// What the messages of an import count in: the rows of a sheet or the lines of a text file.
enum class SourceUnit { Row, Line };

// " (wiersz N)" or " (linia N)": what a refusal adds to name the place in the file it refers to;
// nothing for 0.
QString sourceSuffix(int source, SourceUnit unit);

// A failure of an import of samples that ends in its error report: the engine's error number
// (or the run-time number of a missing folder) with its description, and where it happened.
struct ImportError
{
    // The number of a file whose folder is not there.
    static constexpr int PathNotFound = 76;

    static ImportError of(int number, const QString& description)
    {
        ImportError error;
        error.number = number;
        error.description = description;
        return error;
    }

    int number = 0; // 0 for a file that cannot be read as the import needs it
    QString description;
    int source = 0;     // the sheet's row or the file's line, 0 when none
    QString sampleCode; // the refused sample's code, for a duplicate key
    SourceUnit unit = SourceUnit::Row;
    // A text file refused for what it is or for its size or shape, before anything was taken
    // from it: the description says why and is shown as it stands.
    bool refusedFile = false;
};

// The error's number and description joined by the separator; the description alone without a
// number.
QString numberAndDescription(const ImportError& error, const QString& separator);

// The failure a caught error stands for.
ImportError importErrorOf(const std::exception& error);

// Which text a value of the wrong type gets: the spreadsheet imports name a program option, the
// imports of formats C, D and E ask to check the file.
enum class ConversionText { ProgramOption, CheckFile };

// The error report of the sample imports (a refused file's own warning first), by the error's number: a
// missing folder, a duplicate key, a value too long for its field, a value of the wrong type, anything else.
void showImportError(const ImportError& error, ConversionText conversion);

// The report of a failure that the header and results imports cannot name more closely: the
// error's number (a line break when there is none), its description and where it happened; a
// refused file's own warning.
void showLoadFailure(const ImportError& error);

// The box of a store's refusal of the sample: its code or number taken or repeated, or a value
// the engine refused (the error report).
void showStoreRefusal(const StoreResult& refusal, const ImportedSample& sample, ConversionText conversion,
                      SourceUnit unit);

} // namespace trelimor
