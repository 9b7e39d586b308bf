#pragma once

#include "InstallError.h"
#include "platform/db/Field.h"

#include <QList>
#include <QString>

namespace trelimor::install {

// A schema file that cannot be read or does not follow the format; the message is Polish
// and names the file and line.
class SchemaError : public InstallError
{
public:
    using InstallError::InstallError;
};

struct ColumnSpec
{
    db::Field field;
    QString defaultValue; // empty: no default
};

struct TableSpec
{
    QString name;
    QString description; // the comment lines directly above the table
    QList<ColumnSpec> columns;

    db::TableDef tableDef() const;
};

// The tables of one database as a schema file describes them (the format is documented at
// the head of install/schema/*.schema).
struct Schema
{
    QList<TableSpec> tables;

    // Case-insensitive, as Jet names are; nullptr when absent.
    const TableSpec* table(const QString& name) const;
};

// Reads a schema from its text; sourceName only labels error messages.
Schema parseSchema(const QString& text, const QString& sourceName);
// Reads a schema file (a resource path such as ":/install/schema/Stale.schema" or a file).
Schema loadSchema(const QString& path);

// The schema files built into the program.
QString dictionarySchemaPath();
QString reportWorkSchemaPath();

} // namespace trelimor::install
