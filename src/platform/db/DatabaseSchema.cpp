// The schema operations of Database: DAO's TableDefs, CreateField and Append, over SQLite.

#include "Connection.h"
#include "Database.h"
#include "JetError.h"
#include "Transaction.h"

#include <sqlite3.h>

namespace trelimor::db {

namespace {

QString columnDefinition(const Field& field)
{
    return quoteIdentifier(field.name) + QLatin1Char(' ') + declaredType(field);
}

QString createTableSql(const QString& name, const QList<Field>& fields)
{
    QStringList columns;
    for (const Field& f : fields)
        columns << columnDefinition(f);
    return QStringLiteral("CREATE TABLE %1 (%2)")
        .arg(quoteIdentifier(name), columns.join(QStringLiteral(", ")));
}

} // namespace

QStringList Database::tableNames() const
{
    Statement s(
        connection().liveHandle(),
        QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite*' "
                       "ORDER BY name"));
    QStringList names;
    while (s.step())
        names << s.column(0).toString();
    return names;
}

bool Database::hasTable(const QString& table) const
{
    Statement s(
        connection().liveHandle(),
        QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?1 COLLATE NOCASE"));
    s.bind(1, table);
    return s.step();
}

bool Database::hasColumn(const QString& table, const QString& column) const
{
    return hasTable(table) && tableDef(table).indexOf(column) >= 0;
}

TableDef Database::tableDef(const QString& table) const
{
    if (!hasTable(table))
        throw JetError::fromNumber(jet::TableNotFound, table);
    Statement s(connection().liveHandle(), QStringLiteral("SELECT name, type FROM pragma_table_info(?1)"));
    s.bind(1, table);
    TableDef def;
    def.name = table;
    while (s.step())
        def.fields << fieldFromDeclaredType(s.column(0).toString(), s.column(1).toString());
    return def;
}

void Database::createTable(const TableDef& table)
{
    if (hasTable(table.name))
        throw JetError::fromNumber(jet::TableExists, table.name);
    execute(createTableSql(table.name, table.fields));
}

void Database::dropTable(const QString& table)
{
    if (!hasTable(table))
        throw JetError::fromNumber(jet::TableNotFound, table);
    execute(QStringLiteral("DROP TABLE %1").arg(quoteIdentifier(table)));
}

void Database::addColumn(const QString& table, const Field& field)
{
    if (tableDef(table).indexOf(field.name) >= 0)
        throw JetError::fromNumber(jet::FieldDefinedTwice, field.name);
    execute(
        QStringLiteral("ALTER TABLE %1 ADD COLUMN %2").arg(quoteIdentifier(table), columnDefinition(field)));
}

void Database::dropColumn(const QString& table, const QString& column)
{
    TableDef def = tableDef(table);
    const int index = def.indexOf(column);
    if (index < 0)
        throw JetError::fromNumber(jet::NoSuchField, table, column);
    def.fields.removeAt(index);
    rebuildTable(table, def);
}

void Database::renameTable(const QString& from, const QString& to)
{
    if (!hasTable(from))
        throw JetError::fromNumber(jet::TableNotFound, from);
    if (hasTable(to))
        throw JetError::fromNumber(jet::TableExists, to);
    execute(QStringLiteral("ALTER TABLE %1 RENAME TO %2").arg(quoteIdentifier(from), quoteIdentifier(to)));
}

void Database::renameColumn(const QString& table, const QString& from, const QString& to)
{
    const TableDef def = tableDef(table);
    if (def.indexOf(from) < 0)
        throw JetError::fromNumber(jet::NoSuchField, table, from);
    if (def.indexOf(to) >= 0)
        throw JetError::fromNumber(jet::FieldDefinedTwice, to);
    execute(QStringLiteral("ALTER TABLE %1 RENAME COLUMN %2 TO %3")
                .arg(quoteIdentifier(table), quoteIdentifier(from), quoteIdentifier(to)));
}

void Database::retypeColumn(const QString& table, const Field& field)
{
    TableDef def = tableDef(table);
    const int index = def.indexOf(field.name);
    if (index < 0)
        throw JetError::fromNumber(jet::NoSuchField, table, field.name);
    def.fields[index] = field;
    rebuildTable(table, def);
}

void Database::rebuildTable(const QString& table, const TableDef& target)
{
    const TableDef source = tableDef(table);
    const QString scratch = table + QStringLiteral("__rebuild");

    QStringList indexSql;
    {
        Statement s(connection().liveHandle(),
                    QStringLiteral("SELECT sql FROM sqlite_master WHERE type = 'index' AND tbl_name = ?1 "
                                   "AND sql IS NOT NULL"));
        s.bind(1, table);
        while (s.step())
            indexSql << s.column(0).toString();
    }

    // Which source column feeds each target column, and whether its value must be converted.
    QList<int> from;
    QList<bool> convert;
    QStringList sourceColumns, targetColumns;
    bool keepsRowid = true;
    for (const Field& f : target.fields) {
        const int i = source.indexOf(f.name);
        if (i < 0)
            continue;
        from << i;
        const Field& old = source.fields[i];
        convert << (old.type != f.type || (f.type == DataType::Text && old.size > f.size && f.size > 0));
        sourceColumns << quoteIdentifier(old.name);
        targetColumns << quoteIdentifier(f.name);
        if (f.type == DataType::Counter)
            keepsRowid = false; // the counter column is the rowid itself
    }

    Transaction transaction(*this, Transaction::Mode::Immediate);
    if (hasTable(scratch))
        dropTable(scratch);
    execute(createTableSql(scratch, target.fields));

    if (!targetColumns.isEmpty()) {
        QStringList placeholders;
        for (int i = 0; i < targetColumns.size() + (keepsRowid ? 1 : 0); ++i)
            placeholders << QStringLiteral("?");
        Statement read(connection().liveHandle(),
                       QStringLiteral("SELECT rowid, %1 FROM %2 ORDER BY rowid")
                           .arg(sourceColumns.join(QStringLiteral(", ")), quoteIdentifier(table)));
        Statement write(connection().liveHandle(),
                        QStringLiteral("INSERT INTO %1 (%2%3) VALUES (%4)")
                            .arg(quoteIdentifier(scratch), keepsRowid ? QStringLiteral("rowid, ") : QString(),
                                 targetColumns.join(QStringLiteral(", ")),
                                 placeholders.join(QStringLiteral(", "))));
        while (read.step()) {
            int param = 1;
            if (keepsRowid)
                write.bind(param++, read.columnInt64(0));
            int t = 0;
            for (const Field& f : target.fields) {
                if (source.indexOf(f.name) < 0)
                    continue;
                QVariant value = read.column(t + 1);
                if (convert[t])
                    value = toStorage(f, fromStorage(source.fields[from[t]].type, value));
                write.bind(param++, value);
                ++t;
            }
            write.step();
            write.reset();
        }
    }

    execute(QStringLiteral("DROP TABLE %1").arg(quoteIdentifier(table)));
    execute(
        QStringLiteral("ALTER TABLE %1 RENAME TO %2").arg(quoteIdentifier(scratch), quoteIdentifier(table)));
    for (const QString& sql : indexSql) {
        try {
            execute(sql);
        } catch (const JetError&) {
            // An index over a column that is gone goes with it.
        }
    }
    transaction.commit();
}

QString Database::integrityCheck()
{
    Statement s(connection().liveHandle(), QStringLiteral("PRAGMA integrity_check"));
    return s.step() ? s.column(0).toString() : QStringLiteral("brak odpowiedzi");
}

void Database::compactInto(const QString& destinationPath)
{
    execute(QStringLiteral("VACUUM INTO ?1"), {destinationPath});
}

} // namespace trelimor::db
