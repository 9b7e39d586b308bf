#pragma once

#include "platform/db/Database.h"
#include "platform/db/Recordset.h"

#include <QWidget>

class QToolButton;

namespace trelimor {

// A window's data control: it holds the recordset that the window's grid shows and its code
// works on, with arrows that move to the first, previous, next and last record. Whoever opens
// the window binds it; a window may rebind it (another order, a filter). Code that changes
// the records or the position through recordset() says so with recordsChanged() or
// currentChanged(), so the grids bound to the control follow.
class DataControl : public QWidget
{
    Q_OBJECT

public:
    explicit DataControl(QWidget* parent = nullptr);

    // Makes the recordset the control's recordset; its first record is current.
    void setRecordset(db::Recordset recordset);
    // Opens the query on the database and makes it the control's recordset.
    void bind(db::Database& database, const QString& sql, const QVariantList& params = {});
    bool isBound() const { return m_recordset.isOpen(); }

    db::Recordset& recordset() { return m_recordset; }
    const db::Recordset& recordset() const { return m_recordset; }
    int recordCount() const { return isBound() ? m_recordset.recordCount() : 0; }

    // Runs the query again; the first record becomes current.
    void refresh();
    // Runs the query again and makes the record with the bookmark current when it is still
    // among the records (else the first one).
    void refreshAt(db::Recordset::Bookmark bookmark);

    // The current record's index (from 0), -1 when there is none.
    int currentRow() const;
    // Makes the record at the index current (nothing for an index out of range).
    void moveToRow(int row);

    void recordsChanged();
    void currentChanged();

signals:
    // The set of records is another one (bound, refreshed, a record added or deleted).
    void recordsReset();
    // Another record became current.
    void repositioned();

private:
    void move(void (db::Recordset::*step)());

    db::Recordset m_recordset;
    QToolButton* m_first;
    QToolButton* m_previous;
    QToolButton* m_next;
    QToolButton* m_last;
};

} // namespace trelimor
