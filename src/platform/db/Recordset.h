#pragma once

#include "Field.h"

#include <QHash>
#include <QString>
#include <QVariantList>

#include <memory>
#include <vector>

namespace trelimor::db {

class Connection;
class Statement;

// A DAO dynaset over SQLite. Over "SELECT <columns|*> FROM <table> [WHERE ...] [ORDER BY ...]"
// it is updatable: its rows are the table's rowids taken when it was opened (the tables have
// no keys and may hold duplicate rows), their values read a page at a time as the position
// moves. Any other SELECT gives a read-only snapshot.
//
// Positions follow DAO: on opening the first record is current; EOF and BOF are both true for
// no records; after deleteRecord() the deleted record stays current (reading it is 3167) until
// the next move; addNew()+update() appends the new record and leaves the position as it was.
class Recordset
{
public:
    enum class EditMode { None, Edit, AddNew };
    using Bookmark = qint64;

    Recordset();

    bool isOpen() const { return m_connection != nullptr; }
    bool isUpdatable() const { return !m_table.isEmpty(); }
    const QString& tableName() const { return m_table; }
    void close();

    bool eof() const;
    bool bof() const;
    int recordCount() const;
    // 0-based index of the current record, -1 without one.
    int absolutePosition() const;
    void setAbsolutePosition(int position);
    void moveFirst();
    void moveLast();
    void moveNext();
    void movePrevious();

    int fieldCount() const { return int(m_fields.size()); }
    const Field& field(int index) const { return m_fields[size_t(index)]; }
    // Case-insensitive, as Jet names are; -1 when absent.
    int fieldIndex(const QString& name) const;

    // The current record's value (3021 without a current record, 3265 for an unknown field,
    // 3167 on a deleted record); while editing, the value being edited.
    QVariant value(const QString& name) const;
    QVariant value(int index) const;
    QVariant operator[](const QString& name) const { return value(name); }
    // Only between addNew()/edit() and update() (else 3020); Jet's write rules apply at once.
    void setValue(const QString& name, const QVariant& value);
    void setValue(int index, const QVariant& value);

    void addNew();
    void edit();
    void update();
    void cancelUpdate();
    void deleteRecord();
    EditMode editMode() const { return m_editMode; }

    // Criteria are SQL expressions over the fields with "?" for each bound value.
    bool findFirst(const QString& criterion, const QVariantList& args = {});
    bool findLast(const QString& criterion, const QVariantList& args = {});
    bool findNext(const QString& criterion, const QVariantList& args = {});
    bool findPrevious(const QString& criterion, const QVariantList& args = {});
    bool noMatch() const { return m_noMatch; }

    Bookmark bookmark() const;
    void setBookmark(Bookmark bookmark);
    Bookmark lastModified() const;

    // Runs the query again; the first record becomes current.
    void requery();

    // Random access without moving, for grid models: row is 0..recordCount()-1.
    QVariant valueAt(int row, int column) const;
    // The rowid of a row of an updatable recordset.
    qint64 rowidAt(int row) const;

private:
    friend class Database;
    Recordset(std::shared_ptr<Connection> connection, const QString& sql, const QVariantList& params);

    void load();
    void requireCurrent() const;
    void requireUpdatable() const;
    const std::vector<QVariant>& row(int position) const;
    void fetchPage(int position) const;
    void invalidateCache() const;
    int checkedIndex(const QString& name) const;
    std::vector<char> matches(const QString& criterion, const QVariantList& args) const;
    bool findFrom(int start, int step, const QString& criterion, const QVariantList& args);
    void setPosition(int position);
    std::shared_ptr<Statement> insertStatement();

    std::shared_ptr<Connection> m_connection;
    QString m_sql;
    QVariantList m_params;

    QString m_table;      // empty for a read-only snapshot
    QString m_columnList; // quoted column names of an updatable recordset
    QString m_rest;       // the WHERE/ORDER BY tail of an updatable recordset
    std::vector<Field> m_fields;
    std::vector<bool> m_typed; // false for computed columns, returned as SQLite gives them
    QHash<QString, int> m_fieldIndex;

    std::vector<qint64> m_rowids;                  // updatable: the keyset
    std::vector<std::vector<QVariant>> m_snapshot; // read-only: every row

    mutable int m_pageStart = -1;
    mutable std::vector<std::vector<QVariant>> m_page;

    int m_position = 0;
    bool m_onDeleted = false;
    bool m_noMatch = false;
    EditMode m_editMode = EditMode::None;
    std::vector<QVariant> m_buffer;
    std::vector<bool> m_assigned;
    Bookmark m_lastModified = -1;

    // The last insert's text and statement; the statement belongs to the connection's cache,
    // so closing the database is never held up by a recordset.
    std::vector<bool> m_insertMask;
    QString m_insertSql;
    std::weak_ptr<Statement> m_insertStatement;
};

} // namespace trelimor::db
