#include "ColumnProbe.h"

#include "Messages.h"

#include "platform/db/JetError.h"

namespace trelimor {

QString probeComparison(db::DataType type, bool integerAsText)
{
    switch (type) {
    case db::DataType::Integer:
        return integerAsText ? QStringLiteral(" = '0'") : QStringLiteral(" = 0");
    case db::DataType::Byte:
    case db::DataType::Long:
    case db::DataType::Double:
        return QStringLiteral(" = 0");
    case db::DataType::Date:
        return QStringLiteral(" = DateValue('11.11.1111')");
    default:
        return QStringLiteral(" = '0'");
    }
}

int probeColumn(db::Database& db, const QString& table, const QString& column, const QString& comparison)
{
    try {
        // Only whether the engine accepts the query matters: LIMIT 0 spares the scan of a
        // large table at every opening.
        db.execute(QStringLiteral("SELECT * FROM ") + table + QStringLiteral(" WHERE ") + column +
                   comparison + QStringLiteral(" LIMIT 0"));
        return 0;
    } catch (const db::JetError& e) {
        if (e.number() == db::jet::TooFewParameters || e.number() == db::jet::TableNotFound)
            return e.number();
        PokazBlad(QStringLiteral("SprBrakKol"), e);
        return -1;
    }
}

} // namespace trelimor
