#include "Recordset.h"

#include "Connection.h"
#include "JetError.h"

#include <QRegularExpression>

#include <unordered_set>

namespace trelimor::db {

namespace {

constexpr int kPageSize = 128;
constexpr int kInvalidBookmark = 3159;

struct SimpleSelect
{
    QString table;
    QStringList columns; // empty for "*"
    QString rest;
};

// Recognises a SELECT over one table that a dynaset can update.
std::optional<SimpleSelect> parseSimpleSelect(const QString& sql)
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*SELECT\s+(\*|[A-Za-z_]\w*(?:\s*,\s*[A-Za-z_]\w*)*)\s+FROM\s+)"
                       R"(([A-Za-z_]\w*|"[^"]+"|\[[^\]]+\])((?:\s+(?:WHERE|ORDER\s+BY)\b.*)?)\s*;?\s*$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression notSimple(
        QStringLiteral(R"(\b(GROUP\s+BY|UNION|HAVING|JOIN|DISTINCT)\b)"),
        QRegularExpression::CaseInsensitiveOption);
    const auto m = pattern.match(sql);
    if (!m.hasMatch() || notSimple.match(m.captured(3)).hasMatch())
        return std::nullopt;
    SimpleSelect s;
    s.table = m.captured(2);
    if (s.table.startsWith(QLatin1Char('"')) || s.table.startsWith(QLatin1Char('[')))
        s.table = s.table.mid(1, s.table.size() - 2);
    if (m.captured(1) != QLatin1String("*"))
        for (const QString& c : m.captured(1).split(QLatin1Char(',')))
            s.columns << c.trimmed();
    s.rest = m.captured(3);
    return s;
}

bool isPlainTable(Connection& c, const QString& table)
{
    Statement s(c.liveHandle(),
                QStringLiteral("SELECT sql FROM sqlite_master WHERE type = 'table' AND name = ?1 "
                               "COLLATE NOCASE"));
    s.bind(1, table);
    return s.step() && !s.column(0).toString().contains(QLatin1String("WITHOUT ROWID"), Qt::CaseInsensitive);
}

} // namespace

Recordset::Recordset() = default;

Recordset::Recordset(std::shared_ptr<Connection> connection, const QString& sql, const QVariantList& params)
    : m_connection(std::move(connection))
    , m_sql(sql)
    , m_params(params)
{
    load();
}

void Recordset::close()
{
    m_connection.reset();
    m_rowids.clear();
    m_snapshot.clear();
    invalidateCache();
}

void Recordset::load()
{
    Connection& c = *m_connection;
    m_table.clear();
    m_fields.clear();
    m_typed.clear();
    m_fieldIndex.clear();
    m_rowids.clear();
    m_snapshot.clear();
    invalidateCache();

    const auto simple = parseSimpleSelect(m_sql);
    if (simple && isPlainTable(c, simple->table)) {
        std::vector<Field> all;
        Statement info(c.liveHandle(), QStringLiteral("SELECT name, type FROM pragma_table_info(?1)"));
        info.bind(1, simple->table);
        while (info.step())
            all.push_back(fieldFromDeclaredType(info.column(0).toString(), info.column(1).toString()));
        if (simple->columns.isEmpty()) {
            m_fields = all;
        } else {
            for (const QString& name : simple->columns) {
                auto it = std::find_if(all.begin(), all.end(), [&](const Field& f) {
                    return f.name.compare(name, Qt::CaseInsensitive) == 0;
                });
                if (it == all.end())
                    throw JetError::fromNumber(jet::TooFewParameters, name);
                m_fields.push_back(*it);
            }
        }
        QStringList quoted;
        for (const Field& f : m_fields)
            quoted << quoteIdentifier(f.name);
        m_table = simple->table;
        m_columnList = quoted.join(QStringLiteral(", "));
        m_rest = simple->rest;
        m_typed.assign(m_fields.size(), true);

        Statement keys(c.liveHandle(),
                       QStringLiteral("SELECT rowid FROM %1%2").arg(quoteIdentifier(m_table), m_rest));
        keys.bindAll(m_params);
        while (keys.step())
            m_rowids.push_back(keys.columnInt64(0));
    } else {
        Statement query(c.liveHandle(), m_sql);
        query.bindAll(m_params);
        const int columns = query.columnCount();
        for (int i = 0; i < columns; ++i) {
            const QString declared = query.columnDeclaredType(i);
            m_fields.push_back(fieldFromDeclaredType(query.columnName(i), declared));
            m_typed.push_back(!declared.isEmpty());
        }
        while (query.step()) {
            std::vector<QVariant> values(static_cast<size_t>(columns));
            for (int i = 0; i < columns; ++i)
                values[size_t(i)] = m_typed[size_t(i)]
                                        ? fromStorage(m_fields[size_t(i)].type, query.column(i))
                                        : query.column(i);
            m_snapshot.push_back(std::move(values));
        }
    }
    for (int i = int(m_fields.size()) - 1; i >= 0; --i) { // the first of equal names wins
        m_fieldIndex.insert(m_fields[size_t(i)].name, i);
        m_fieldIndex.insert(m_fields[size_t(i)].name.toLower(), i);
    }
    m_position = 0;
    m_onDeleted = false;
    m_noMatch = false;
    m_editMode = EditMode::None;
}

// --- position -----------------------------------------------------------------------------

int Recordset::recordCount() const
{
    return isUpdatable() ? int(m_rowids.size()) : int(m_snapshot.size());
}

bool Recordset::eof() const
{
    return !m_onDeleted && (recordCount() == 0 || m_position >= recordCount());
}

bool Recordset::bof() const
{
    return !m_onDeleted && (recordCount() == 0 || m_position < 0);
}

int Recordset::absolutePosition() const
{
    return (eof() || bof() || m_onDeleted) ? -1 : m_position;
}

void Recordset::setPosition(int position)
{
    m_editMode = EditMode::None;
    m_onDeleted = false;
    m_position = position;
}

void Recordset::setAbsolutePosition(int position)
{
    if (position < 0 || position >= recordCount())
        throw JetError::fromNumber(jet::NoCurrentRecord);
    setPosition(position);
}

void Recordset::moveFirst()
{
    if (recordCount() == 0)
        throw JetError::fromNumber(jet::NoCurrentRecord);
    setPosition(0);
}

void Recordset::moveLast()
{
    if (recordCount() == 0)
        throw JetError::fromNumber(jet::NoCurrentRecord);
    setPosition(recordCount() - 1);
}

void Recordset::moveNext()
{
    if (m_onDeleted) { // the records after a deleted one moved up into its place
        setPosition(m_position);
        return;
    }
    if (eof())
        throw JetError::fromNumber(jet::NoCurrentRecord);
    setPosition(m_position + 1);
}

void Recordset::movePrevious()
{
    if (m_onDeleted) {
        setPosition(m_position - 1);
        return;
    }
    if (bof())
        throw JetError::fromNumber(jet::NoCurrentRecord);
    setPosition(m_position - 1);
}

void Recordset::requireCurrent() const
{
    if (!m_connection || !m_connection->isOpen())
        throw JetError::fromNumber(jet::ObjectInvalid);
    if (m_onDeleted)
        throw JetError::fromNumber(jet::RecordDeleted);
    if (eof() || bof())
        throw JetError::fromNumber(jet::NoCurrentRecord);
}

void Recordset::requireUpdatable() const
{
    if (!m_connection || !m_connection->isOpen())
        throw JetError::fromNumber(jet::ObjectInvalid);
    if (!isUpdatable())
        throw JetError::fromNumber(jet::ReadOnly);
}

// --- values -------------------------------------------------------------------------------

int Recordset::fieldIndex(const QString& name) const
{
    auto it = m_fieldIndex.constFind(name);
    if (it != m_fieldIndex.constEnd())
        return it.value();
    return m_fieldIndex.value(name.toLower(), -1);
}

int Recordset::checkedIndex(const QString& name) const
{
    const int index = fieldIndex(name);
    if (index < 0)
        throw JetError::fromNumber(jet::ItemNotFound, name);
    return index;
}

void Recordset::invalidateCache() const
{
    m_pageStart = -1;
    m_page.clear();
}

void Recordset::fetchPage(int position) const
{
    Connection& c = *m_connection;
    const int start = (position / kPageSize) * kPageSize;
    const int count = std::min<int>(kPageSize, int(m_rowids.size()) - start);
    static const QString placeholders = [] {
        QStringList marks;
        for (int i = 0; i < kPageSize; ++i)
            marks << QStringLiteral("?");
        return marks.join(QLatin1Char(','));
    }();
    StatementUse s(c.statement(QStringLiteral("SELECT rowid, %1 FROM %2 WHERE rowid IN (%3)")
                                   .arg(m_columnList, quoteIdentifier(m_table), placeholders)));
    QHash<qint64, int> slot;
    for (int i = 0; i < kPageSize; ++i) {
        if (i < count) {
            const qint64 rowid = m_rowids[size_t(start + i)];
            s->bind(i + 1, rowid);
            slot.insert(rowid, i);
        } else {
            s->bind(i + 1, QVariant());
        }
    }
    std::vector<std::vector<QVariant>> page(static_cast<size_t>(count));
    const int columns = int(m_fields.size());
    while (s->step()) {
        const int at = slot.value(s->columnInt64(0), -1);
        if (at < 0)
            continue;
        std::vector<QVariant> values(static_cast<size_t>(columns));
        for (int i = 0; i < columns; ++i)
            values[size_t(i)] = fromStorage(m_fields[size_t(i)].type, s->column(i + 1));
        page[size_t(at)] = std::move(values); // a row deleted meanwhile stays empty
    }
    m_page = std::move(page);
    m_pageStart = start;
}

const std::vector<QVariant>& Recordset::row(int position) const
{
    if (!isUpdatable())
        return m_snapshot[size_t(position)];
    if (m_pageStart < 0 || position < m_pageStart || position >= m_pageStart + int(m_page.size()))
        fetchPage(position);
    return m_page[size_t(position - m_pageStart)];
}

QVariant Recordset::value(int index) const
{
    if (index < 0 || index >= fieldCount())
        throw JetError::fromNumber(jet::ItemNotFound, QString::number(index));
    if (m_editMode != EditMode::None)
        return fromStorage(m_fields[size_t(index)].type, m_buffer[size_t(index)]);
    requireCurrent();
    const auto& values = row(m_position);
    if (values.empty())
        throw JetError::fromNumber(jet::RecordDeleted);
    return values[size_t(index)];
}

QVariant Recordset::value(const QString& name) const
{
    return value(checkedIndex(name));
}

QVariant Recordset::valueAt(int rowIndex, int column) const
{
    if (rowIndex < 0 || rowIndex >= recordCount() || column < 0 || column >= fieldCount())
        return {};
    const auto& values = row(rowIndex);
    return values.empty() ? QVariant() : values[size_t(column)];
}

qint64 Recordset::rowidAt(int rowIndex) const
{
    return isUpdatable() && rowIndex >= 0 && rowIndex < recordCount() ? m_rowids[size_t(rowIndex)] : -1;
}

// --- editing ------------------------------------------------------------------------------

void Recordset::setValue(int index, const QVariant& value)
{
    if (index < 0 || index >= fieldCount())
        throw JetError::fromNumber(jet::ItemNotFound, QString::number(index));
    if (m_editMode == EditMode::None)
        throw JetError::fromNumber(jet::UpdateWithoutEdit);
    m_buffer[size_t(index)] = toStorage(m_fields[size_t(index)], value);
    m_assigned[size_t(index)] = true;
}

void Recordset::setValue(const QString& name, const QVariant& value)
{
    setValue(checkedIndex(name), value);
}

void Recordset::addNew()
{
    requireUpdatable();
    m_buffer.assign(m_fields.size(), QVariant());
    m_assigned.assign(m_fields.size(), false);
    m_editMode = EditMode::AddNew;
}

void Recordset::edit()
{
    requireUpdatable();
    m_editMode = EditMode::None;
    requireCurrent();
    const auto& values = row(m_position);
    if (values.empty())
        throw JetError::fromNumber(jet::RecordDeleted);
    m_buffer.resize(m_fields.size());
    for (size_t i = 0; i < m_fields.size(); ++i)
        m_buffer[i] = toStorage(m_fields[i], values[i]);
    m_assigned.assign(m_fields.size(), false);
    m_editMode = EditMode::Edit;
}

void Recordset::cancelUpdate()
{
    if (m_editMode == EditMode::None)
        throw JetError::fromNumber(jet::UpdateWithoutEdit);
    m_editMode = EditMode::None;
}

std::shared_ptr<Statement> Recordset::insertStatement()
{
    // Imports add thousands of rows with the same fields assigned: build the text once.
    if (m_assigned != m_insertMask || m_insertSql.isEmpty()) {
        QStringList columns, marks;
        for (size_t i = 0; i < m_fields.size(); ++i) {
            if (m_assigned[i]) {
                columns << quoteIdentifier(m_fields[i].name);
                marks << QStringLiteral("?");
            }
        }
        m_insertSql = columns.isEmpty()
                          ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoteIdentifier(m_table))
                          : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(quoteIdentifier(m_table), columns.join(QLatin1Char(',')),
                                     marks.join(QLatin1Char(',')));
        m_insertMask = m_assigned;
        m_insertStatement.reset();
    }
    if (auto cached = m_insertStatement.lock())
        return cached;
    auto statement = m_connection->statement(m_insertSql);
    m_insertStatement = statement;
    return statement;
}

void Recordset::update()
{
    if (m_editMode == EditMode::None)
        throw JetError::fromNumber(jet::UpdateWithoutEdit);
    Connection& c = *m_connection;

    if (m_editMode == EditMode::AddNew) {
        StatementUse s(insertStatement());
        int param = 1;
        for (size_t i = 0; i < m_fields.size(); ++i)
            if (m_assigned[i])
                s->bind(param++, m_buffer[i]);
        s->step();
        const bool wasAtEnd = m_position >= recordCount();
        m_lastModified = c.lastInsertRowid();
        m_rowids.push_back(m_lastModified);
        if (wasAtEnd && !m_onDeleted)
            m_position = recordCount();
    } else {
        const qint64 rowid = m_rowids[size_t(m_position)];
        QStringList columns;
        QVariantList values;
        for (size_t i = 0; i < m_fields.size(); ++i) {
            if (m_assigned[i]) {
                columns << quoteIdentifier(m_fields[i].name);
                values << m_buffer[i];
            }
        }
        if (!columns.isEmpty()) {
            StatementUse s(
                c.statement(QStringLiteral("UPDATE %1 SET %2 = ? WHERE rowid = ?")
                                .arg(quoteIdentifier(m_table), columns.join(QStringLiteral(" = ?, ")))));
            s->bindAll(values);
            s->bind(int(values.size()) + 1, rowid);
            s->step();
            if (c.changes() == 0)
                throw JetError::fromNumber(jet::RecordDeleted);
            invalidateCache();
        }
        m_lastModified = rowid;
    }
    m_editMode = EditMode::None;
}

void Recordset::deleteRecord()
{
    requireUpdatable();
    m_editMode = EditMode::None;
    requireCurrent();
    Connection& c = *m_connection;
    StatementUse s(
        c.statement(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoteIdentifier(m_table))));
    s->bind(1, m_rowids[size_t(m_position)]);
    s->step();
    m_rowids.erase(m_rowids.begin() + m_position);
    m_onDeleted = true;
    invalidateCache();
}

// --- finding and bookmarks ----------------------------------------------------------------

std::vector<char> Recordset::matches(const QString& criterion, const QVariantList& args) const
{
    if (!m_connection)
        throw JetError::fromNumber(jet::ObjectInvalid);
    Connection& c = *m_connection;
    std::vector<char> hit(size_t(recordCount()), 0);
    if (isUpdatable()) {
        Statement s(
            c.liveHandle(),
            QStringLiteral("SELECT rowid FROM %1 WHERE (%2)").arg(quoteIdentifier(m_table), criterion));
        s.bindAll(args);
        std::unordered_set<qint64> found;
        while (s.step())
            found.insert(s.columnInt64(0));
        for (size_t i = 0; i < m_rowids.size(); ++i)
            hit[i] = found.count(m_rowids[i]) ? 1 : 0;
    } else {
        Statement s(
            c.liveHandle(),
            QStringLiteral("SELECT __position FROM (SELECT row_number() OVER () - 1 AS "
                           "__position, * FROM (%1)) WHERE (%2)")
                .arg(m_sql.trimmed().remove(QRegularExpression(QStringLiteral(";\\s*$"))), criterion));
        s.bindAll(m_params);
        s.bindAll(args, int(m_params.size()) + 1);
        while (s.step()) {
            const qint64 at = s.columnInt64(0);
            if (at >= 0 && at < qint64(hit.size()))
                hit[size_t(at)] = 1;
        }
    }
    return hit;
}

bool Recordset::findFrom(int start, int step, const QString& criterion, const QVariantList& args)
{
    const std::vector<char> hit = matches(criterion, args);
    for (int i = start; i >= 0 && i < int(hit.size()); i += step) {
        if (hit[size_t(i)]) {
            setPosition(i);
            m_noMatch = false;
            return true;
        }
    }
    m_noMatch = true;
    return false;
}

bool Recordset::findFirst(const QString& criterion, const QVariantList& args)
{
    return findFrom(0, 1, criterion, args);
}

bool Recordset::findLast(const QString& criterion, const QVariantList& args)
{
    return findFrom(recordCount() - 1, -1, criterion, args);
}

bool Recordset::findNext(const QString& criterion, const QVariantList& args)
{
    const int start = m_onDeleted ? m_position : (m_position < 0 ? 0 : m_position + 1);
    return findFrom(start, 1, criterion, args);
}

bool Recordset::findPrevious(const QString& criterion, const QVariantList& args)
{
    const int start = m_position >= recordCount() ? recordCount() - 1 : m_position - 1;
    return findFrom(start, -1, criterion, args);
}

Recordset::Bookmark Recordset::bookmark() const
{
    requireCurrent();
    return isUpdatable() ? m_rowids[size_t(m_position)] : Bookmark(m_position);
}

void Recordset::setBookmark(Bookmark bookmark)
{
    if (!isUpdatable()) {
        if (bookmark < 0 || bookmark >= recordCount())
            throw JetError(kInvalidBookmark, QStringLiteral("Nieprawidłowa zakładka."));
        setPosition(int(bookmark));
        return;
    }
    const auto it = std::find(m_rowids.begin(), m_rowids.end(), bookmark);
    if (it == m_rowids.end())
        throw JetError(kInvalidBookmark, QStringLiteral("Nieprawidłowa zakładka."));
    setPosition(int(it - m_rowids.begin()));
}

Recordset::Bookmark Recordset::lastModified() const
{
    if (m_lastModified < 0)
        throw JetError::fromNumber(jet::NoCurrentRecord);
    return m_lastModified;
}

void Recordset::requery()
{
    if (!m_connection)
        throw JetError::fromNumber(jet::ObjectInvalid);
    load();
}

} // namespace trelimor::db
