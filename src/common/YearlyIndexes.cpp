#include "YearlyIndexes.h"

#include <QFileInfo>

namespace trelimor {

namespace {

struct Index
{
    const QString& name;
    QString definition;
};

bool hasIndex(db::Database& yearly, const QString& name)
{
    return yearly
               .scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'index' AND name = ?"),
                       {name})
               .toInt() > 0;
}

} // namespace

void createYearlyIndexes(db::Database& yearly)
{
    const Index indexes[] = {
        {kIndeksKoduProbki,
         QStringLiteral("ON Badanie (ifnull(IDProbkiWNI, '') COLLATE PL, ifnull(IDProbkiNr, '') COLLATE PL, "
                        "ifnull(IDProbkiData, '') COLLATE PL)")},
        {kIndeksPartiiProbek, QStringLiteral("ON Badanie (Partia)")},
    };
    if (!yearly.isOpen() || !QFileInfo(yearly.name()).isWritable())
        return;
    for (const Index& index : indexes) {
        try {
            if (!hasIndex(yearly, index.name))
                yearly.execute(QStringLiteral("CREATE INDEX IF NOT EXISTS ") +
                               db::quoteIdentifier(index.name) + QLatin1Char(' ') + index.definition);
        } catch (const std::exception&) {
            // Busy or refused: the searches read the table without it until a later opening.
        }
    }
}

} // namespace trelimor
