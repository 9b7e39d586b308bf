#pragma once

#include "platform/db/Database.h"
#include "platform/db/JetError.h"
#include "platform/db/Recordset.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <optional>
#include <utility>

namespace trelimor {

// One sample an import writes into a batch: where it stands in its file (for the messages),
// its code and number, and the fields of Badanie it sets. A field the list does not name is
// left as a new row gets it.
struct ImportedSample
{
    int source = 0;   // the sheet's row or the file's line
    QString wni;      // IDProbkiWNI
    QString nr;       // IDProbkiNr
    QString data;     // IDProbkiData
    int nrProbki = 0; // NrProbki
    // The date as the file shows it, when the code holds it rewritten (for the messages).
    QString dateAsRead;
    // Every field to write but Partia, in the order they are written (the code and number too).
    QList<std::pair<QString, QVariant>> fields;
};

// Appends a field to the sample's fields.
void setField(ImportedSample& sample, const char* field, const QVariant& value);
// Appends the sample's number and code to its fields (NrProbki, IDProbkiWNI, IDProbkiNr,
// IDProbkiData), the fields every import writes first.
void addIdentityFields(ImportedSample& sample);

// What became of a store: every sample stored, or the first one refused and why.
struct StoreResult
{
    enum class Kind {
        Stored,
        CodeRepeated,   // the code stands at an earlier sample of the file
        CodeTaken,      // a stored sample of the year has the code (batch: its batch)
        NumberRepeated, // the number stands at an earlier sample of the file
        NumberTaken,    // a stored sample of the batch has the number
        WriteFailed,    // the engine refused a value of the sample (error)
    };
    Kind kind = Kind::Stored;
    int index = -1; // the refused sample, counted from 0
    QVariant batch;
    std::optional<db::JetError> error;
    db::Recordset::Bookmark last = -1; // the sample stored last
};

// Stores the samples into the batch, in their order, each after its checks, as the sample save
// makes them: with checkNumbers, its number may stand neither at an earlier sample nor in the
// batch; its code may stand neither at an earlier sample nor anywhere in the year (a code of the
// current batch is reported before one of another batch). All of it is one transaction that takes the write
// lock at once: a refusal or a failure stores nothing, and so does keep = false (a file refused further on).
// Nothing is shown: the caller tells the user once the transaction has ended. Errors other than
// the engine's refusal of a value are thrown, with everything rolled back.
StoreResult storeSamples(db::Database& year, qint64 batch, const QList<ImportedSample>& samples,
                         bool checkNumbers, bool keep = true);

} // namespace trelimor
