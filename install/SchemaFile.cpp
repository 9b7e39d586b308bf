#include "SchemaFile.h"

#include "platform/db/JetError.h"

#include <QFile>
#include <QRegularExpression>

namespace trelimor::install {

namespace {

using db::DataType;
using db::Field;

bool isName(const QString& token)
{
    static const QRegularExpression name(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return name.match(token).hasMatch();
}

// The Jet type a schema file names, or false when the word is no type of the format.
bool fieldOfType(const QString& name, const QString& type, Field* field)
{
    static const QRegularExpression text(QStringLiteral("^TEXT\\((\\d{1,3})\\)$"));
    if (const auto m = text.match(type); m.hasMatch()) {
        const int size = m.captured(1).toInt();
        if (size < 1 || size > 255)
            return false;
        *field = Field::text(name, size);
        return true;
    }
    static const QList<std::pair<QString, DataType>> simple = {
        {QStringLiteral("BOOLEAN"), DataType::Boolean}, {QStringLiteral("BYTE"), DataType::Byte},
        {QStringLiteral("INTEGER"), DataType::Integer}, {QStringLiteral("LONG"), DataType::Long},
        {QStringLiteral("SINGLE"), DataType::Single},   {QStringLiteral("DOUBLE"), DataType::Double},
        {QStringLiteral("DATE"), DataType::Date},       {QStringLiteral("MEMO"), DataType::Memo},
        {QStringLiteral("COUNTER"), DataType::Counter},
    };
    for (const auto& [word, dataType] : simple) {
        if (word == type) {
            *field = Field::of(name, dataType);
            return true;
        }
    }
    return false;
}

bool takesNumericDefault(DataType type)
{
    switch (type) {
    case DataType::Boolean:
    case DataType::Byte:
    case DataType::Integer:
    case DataType::Long:
    case DataType::Single:
    case DataType::Double:
        return true;
    default:
        return false;
    }
}

class Parser
{
public:
    explicit Parser(const QString& sourceName)
        : m_source(sourceName)
    {}

    Schema parse(const QString& text)
    {
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (int i = 0; i < lines.size(); ++i) {
            m_line = i + 1;
            parseLine(lines[i].trimmed());
        }
        finishTable();
        if (m_schema.tables.isEmpty())
            fail(QStringLiteral("plik nie opisuje żadnej tabeli"));
        return m_schema;
    }

private:
    [[noreturn]] void fail(const QString& problem) const
    {
        throw SchemaError(QStringLiteral("Błąd w pliku schematu %1, wiersz %2: %3.")
                              .arg(m_source)
                              .arg(m_line)
                              .arg(problem));
    }

    void parseLine(const QString& line)
    {
        if (line.isEmpty()) {
            m_comment.clear(); // a blank line ends a comment block: it describes nothing below
            return;
        }
        if (line.startsWith(QLatin1Char('#'))) {
            m_comment << line.mid(1).trimmed();
            return;
        }
        const QStringList tokens = line.split(QRegularExpression(QStringLiteral("\\s+")));
        if (tokens[0] == u"TABLE")
            startTable(tokens);
        else
            addColumn(tokens);
        m_comment.clear();
    }

    void startTable(const QStringList& tokens)
    {
        if (tokens.size() != 2 || !isName(tokens[1]))
            fail(QStringLiteral("oczekiwano „TABLE nazwa”"));
        finishTable();
        if (m_schema.table(tokens[1]))
            fail(QStringLiteral("tabela %1 jest opisana dwa razy").arg(tokens[1]));
        if (m_comment.isEmpty())
            fail(QStringLiteral("brak komentarza opisującego tabelę %1").arg(tokens[1]));
        m_schema.tables.append({tokens[1], m_comment.join(QLatin1Char(' ')), {}});
        m_open = true;
    }

    void finishTable()
    {
        if (m_open && m_schema.tables.last().columns.isEmpty())
            fail(QStringLiteral("tabela %1 nie ma żadnego pola").arg(m_schema.tables.last().name));
        m_open = false;
    }

    void addColumn(const QStringList& tokens)
    {
        if (!m_open)
            fail(QStringLiteral("pole przed pierwszym wierszem TABLE"));
        if ((tokens.size() != 2 && tokens.size() != 4) || !isName(tokens[0]))
            fail(QStringLiteral("oczekiwano „pole TYP” lub „pole TYP DEFAULT liczba”"));
        TableSpec& table = m_schema.tables.last();
        ColumnSpec column;
        if (!fieldOfType(tokens[0], tokens[1], &column.field))
            fail(QStringLiteral("nieznany typ %1 pola %2").arg(tokens[1], tokens[0]));
        if (table.tableDef().indexOf(tokens[0]) >= 0)
            fail(QStringLiteral("pole %1 występuje w tabeli %2 dwa razy").arg(tokens[0], table.name));
        if (column.field.type == DataType::Counter) {
            for (const ColumnSpec& c : table.columns)
                if (c.field.type == DataType::Counter)
                    fail(QStringLiteral("tabela %1 ma więcej niż jedno pole COUNTER").arg(table.name));
        }
        if (tokens.size() == 4)
            column.defaultValue = checkedDefault(column.field, tokens[2], tokens[3]);
        table.columns.append(column);
    }

    QString checkedDefault(const Field& field, const QString& keyword, const QString& value) const
    {
        if (keyword != u"DEFAULT")
            fail(QStringLiteral("oczekiwano słowa DEFAULT zamiast %1").arg(keyword));
        if (!takesNumericDefault(field.type))
            fail(QStringLiteral("pole %1 tego typu nie może mieć wartości domyślnej").arg(field.name));
        bool ok = false;
        value.toDouble(&ok);
        if (!ok)
            fail(QStringLiteral("wartość domyślna %1 nie jest liczbą").arg(value));
        try {
            db::toStorage(field, value);
        } catch (const db::JetError& e) {
            fail(QStringLiteral("wartość domyślna %1 nie mieści się w polu %2 (%3)")
                     .arg(value, field.name, e.description()));
        }
        return value;
    }

    QString m_source;
    int m_line = 0;
    Schema m_schema;
    QStringList m_comment;
    bool m_open = false;
};

} // namespace

db::TableDef TableSpec::tableDef() const
{
    db::TableDef def;
    def.name = name;
    for (const ColumnSpec& c : columns)
        def.fields << c.field;
    return def;
}

const TableSpec* Schema::table(const QString& name) const
{
    for (const TableSpec& t : tables)
        if (t.name.compare(name, Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

Schema parseSchema(const QString& text, const QString& sourceName)
{
    return Parser(sourceName).parse(text);
}

Schema loadSchema(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw SchemaError(
            QStringLiteral("Nie można odczytać pliku schematu %1: %2.").arg(path, file.errorString()));
    return parseSchema(QString::fromUtf8(file.readAll()), path);
}

QString dictionarySchemaPath()
{
    return QStringLiteral(":/install/schema/Stale.schema");
}

QString reportWorkSchemaPath()
{
    return QStringLiteral(":/install/schema/Robot.schema");
}

} // namespace trelimor::install
