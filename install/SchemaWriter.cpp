#include "SchemaWriter.h"

#include "platform/db/Database.h"
#include "platform/db/Transaction.h"

namespace trelimor::install {

namespace {

QString quoted(const QString& identifier)
{
    QString q = identifier;
    q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

// The engine's createTable knows no default values, so the statement is written here from
// the engine's own declared types; the parser has checked every default is a plain number.
QString createTableSql(const TableSpec& table)
{
    QStringList columns;
    for (const ColumnSpec& c : table.columns) {
        QString column = quoted(c.field.name) + QLatin1Char(' ') + db::declaredType(c.field);
        if (!c.defaultValue.isEmpty())
            column += QStringLiteral(" DEFAULT ") + c.defaultValue;
        columns << column;
    }
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(quoted(table.name), columns.join(QStringLiteral(", ")));
}

} // namespace

void createTables(db::Database& database, const Schema& schema)
{
    db::Transaction transaction(database);
    for (const TableSpec& table : schema.tables)
        database.execute(createTableSql(table));
    transaction.commit();
}

} // namespace trelimor::install
