#pragma once

#include "OperatorChecks.h"

#include <QAbstractTableModel>

#include <vector>

namespace trelimor {

// The operators grid's rows: a copy of OPERATORZY taken at each reading, each row remembering
// its rowid, so an edit goes to the row it was opened on whatever the grid shows meanwhile.
// The stored password is never among the columns.
class OperatorsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit OperatorsModel(QObject* parent = nullptr);

    void setRows(std::vector<OperatorRow> rows);
    const std::vector<OperatorRow>& rows() const { return m_rows; }
    // The row at the grid's position, or nullptr.
    const OperatorRow* rowAt(int position) const;
    // The grid position of the row with the rowid, or -1.
    int positionOf(qint64 rowid) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<OperatorRow> m_rows;
};

} // namespace trelimor
