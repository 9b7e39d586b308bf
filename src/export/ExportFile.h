#pragma once

#include "platform/db/Field.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <vector>

class QIODevice;

namespace trelimor {

namespace db {
class Database;
}

// The serology export file for the regional inspectorate, whose own software reads it: up to
// twelve sections "[Table]", each followed by one line per row of its table, every field's text
// followed by "|". Windows-1250, CR LF. The layout and the value texts are fixed by that reader.

struct ExportSection
{
    QString table;
    QStringList fields;
    // The lines of [Partia], [PartiaG] and [Badanie] end with one more "|".
    bool extraBar = false;
};

// The twelve sections in the order of the file.
const std::vector<ExportSection>& exportSections();

// How a value becomes text in the file: Null and "" as nothing, text as stored, a number in its
// ordinary form with a decimal comma, a date in the user's short date format followed by a blank
// and hh:mm:ss when it has a time of day, a yes/no as "True" or "False". The short date format
// is read once, when the object is made.
class ExportValueText
{
public:
    ExportValueText();
    QString operator()(const QVariant& value, db::DataType type) const;

private:
    QString m_dateFormat;
    QLocale m_names;
};

// A remark of the first three sections: each CR a blank; a LF stays (the row goes on in the next
// physical line of the file, as the reader expects).
QString exportRemark(QString remark);

// "ZHW-" + place + "BSEMiesiac" + year + "-" + month of the working date; no extension.
QString proposedExportName(const QString& place, const QDate& workingDate);

// What the writing tells its watcher: a table begins, its row count, each row before it is written.
class ExportProgress
{
public:
    virtual ~ExportProgress() = default;
    virtual void tableStarted(const QString& table) = 0;
    virtual void rowsCounted(qint64 rows) = 0;
    virtual void rowStarted(qint64 row) = 0;
};

// Writes the whole yearly database's sections to out, read as one snapshot: every row of each
// table in the order the database returns them; a table without rows writes nothing. Throws JetError for a
// missing table (3078) or column (3265), PathAccessError when out cannot be written.
void writeExportSections(db::Database& yearly, QIODevice& out, ExportProgress& progress);

// The export file at path, written whole or not at all: an existing file of that name is
// replaced only by a complete file, and a failure leaves no partial file.
void PlikEksportuWIW(db::Database& yearly, const QString& path, ExportProgress& progress);

} // namespace trelimor
