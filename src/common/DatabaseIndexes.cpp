#include "DatabaseIndexes.h"

#include <QFileInfo>

#include <initializer_list>

namespace trelimor {

namespace {

struct Index
{
    const QString& name;
    QString definition;
};

bool hasIndex(db::Database& database, const QString& name)
{
    return database
               .scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'index' AND name = ?"),
                       {name})
               .toInt() > 0;
}

// Each index the file lacks, made unless the file is read-only; one that cannot be made now
// (busy, refused, or without its table) is left for a later opening. Another program's lock is
// not waited for: an index is no reason to hold up an opening.
void createMissingIndexes(db::Database& database, std::initializer_list<Index> indexes)
{
    if (!database.isOpen() || !QFileInfo(database.name()).isWritable())
        return;
    const db::NoBusyWait atOnce(database);
    for (const Index& index : indexes) {
        try {
            // Looked up first, so that an opening of a file that has it writes nothing.
            if (!hasIndex(database, index.name))
                database.execute(QStringLiteral("CREATE INDEX IF NOT EXISTS ") +
                                 db::quoteIdentifier(index.name) + QLatin1Char(' ') + index.definition);
        } catch (const std::exception&) {
            // The searches read the table without it until a later opening.
        }
    }
}

} // namespace

void createYearlyIndexes(db::Database& yearly)
{
    createMissingIndexes(
        yearly,
        {{kIndeksKoduProbki,
          QStringLiteral("ON Badanie (ifnull(IDProbkiWNI, '') COLLATE PL, ifnull(IDProbkiNr, '') COLLATE PL, "
                         "ifnull(IDProbkiData, '') COLLATE PL)")},
         {kIndeksPartiiProbek, QStringLiteral("ON Badanie (Partia)")}});
}

void createDictionaryIndexes(db::Database& dictionary)
{
    createMissingIndexes(dictionary, {{kEstablishmentNumberIndex, QStringLiteral("ON ZAKLAD (WNI)")}});
}

} // namespace trelimor
