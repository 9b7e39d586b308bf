#pragma once

#include "ImportErrors.h"
#include "SampleStore.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace trelimor {

class BatchImportHost;

// Why the samples of a file cannot be taken, found at its row or line.
struct ReadProblem
{
    enum class Kind {
        NoSamples,    // no row or line of the file is a sample
        BadHeader,    // the file's first line is not the header its layout requires
        LongNumber,   // a sample number of more than three digits (text: as the file gives it)
        BadNumber,    // a sample number that is no whole number from 1 to 999
        AgeNotNumber, // an age cell (column) holding something other than a number
    };
    static ReadProblem of(Kind kind, int source = 0, const QString& text = {})
    {
        return {kind, source, 0, text};
    }

    Kind kind = Kind::NoSamples;
    int source = 0;
    int column = 0;
    QString text;
};

// The samples of a file, read and checked before anything is stored. Reading stops at the first
// row or line that cannot be taken (problem); the samples before it are in samples.
struct ImportRead
{
    QList<ImportedSample> samples;
    std::optional<ReadProblem> problem;
    // A sample has no district inspectorate's code: the user is asked to complete them.
    bool missingDistrictCode = false;
};

// The problem of a sample number of more than three digits (counted as UzupelnijZerami counts
// them), for the row or line source.
std::optional<ReadProblem> longNumber(const QString& text, int source);
// Sets the sample's number from the text of a file: a whole number from 1 to 999, written
// zero-padded to three digits. Otherwise the problem (for the row or line source).
std::optional<ReadProblem> setSampleNumber(ImportedSample& sample, const QString& text, int source);

// How an import of samples into the current batch reports.
struct SampleImportKind
{
    QString filter;            // of its own Open dialog
    ConversionText conversion; // the text of a value of the wrong type
    SourceUnit unit;           // rows of a sheet or lines of a text file
    bool checkNumbers = false; // the sample numbers must be free in the file and the batch
};

// One import of samples into the window's current batch, from the file handed over in
// LabelWczytajPlik or chosen in the Open dialog: the window locked meanwhile, the file read and
// checked whole, then every sample stored in one transaction, or none. On success the sample
// list shows them with the last one selected; otherwise one box tells why, once the window is
// free again. The file may be read with a wait notice.
void runSampleImport(BatchImportHost& okno, const SampleImportKind& kind,
                     const std::function<ImportRead(const QString& path)>& read, bool waitNotice);

} // namespace trelimor
