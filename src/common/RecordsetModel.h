#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>

namespace trelimor {

class DataControl;

// A grid column: its caption and the field it shows (matched without regard to case).
struct GridColumn
{
    QString caption;
    QString field;
};

// The rows of a data control's recordset as a table model, with fixed columns. Rows follow the
// recordset's order and are read without moving its position; rowidAt() tells which stored
// record a row is, so an edit can stay on its record whatever the grid shows later.
class RecordsetModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    RecordsetModel(DataControl* data, QList<GridColumn> columns, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    const QList<GridColumn>& columns() const { return m_columns; }
    // The rowid of the stored record shown in the row; -1 for none.
    qint64 rowidAt(int row) const;

    // The text a grid shows for a stored value.
    static QString displayText(const QVariant& value);

private:
    void reset();

    DataControl* m_data;
    QList<GridColumn> m_columns;
    QList<int> m_fieldIndex; // recordset field of each column, -1 when the recordset lacks it
};

} // namespace trelimor
