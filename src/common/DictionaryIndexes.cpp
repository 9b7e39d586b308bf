#include "DictionaryIndexes.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace trelimor {

void createDictionaryIndexes(db::Database& dictionary)
{
    if (!dictionary.isOpen() || !QFileInfo(dictionary.name()).isWritable())
        return;
    try {
        // Looked up first, so that an opening of a file that has it writes nothing.
        if (dictionary
                .scalar(u"SELECT count(*) FROM sqlite_master WHERE type = 'index' AND name = ?"_s,
                        {kEstablishmentNumberIndex})
                .toInt() == 0)
            dictionary.execute(u"CREATE INDEX IF NOT EXISTS "_s +
                               db::quoteIdentifier(kEstablishmentNumberIndex) + u" ON ZAKLAD (WNI)"_s);
    } catch (const std::exception&) {
        // Busy, refused or no ZAKLAD: the searches read the table without it until a later opening.
    }
}

} // namespace trelimor
