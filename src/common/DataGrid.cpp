#include "DataGrid.h"

#include "DataControl.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace trelimor {

DataGrid::DataGrid(QWidget* parent)
    : QTableView(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(true);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setHighlightSections(false);
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            emit pickAction();
    });
}

void DataGrid::bind(DataControl* data, const QList<GridColumn>& columns)
{
    m_data = data;
    m_fitted = false;
    m_model = new RecordsetModel(data, columns, this);
    setModel(m_model);
    connect(data, &DataControl::repositioned, this, &DataGrid::followDataControl);
    connect(m_model, &QAbstractItemModel::modelReset, this, &DataGrid::fitColumns);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current, const QModelIndex& previous) {
                if (!m_following && current.isValid() && current.row() != previous.row())
                    m_data->moveToRow(current.row());
                if (current.isValid())
                    emit rowColChange();
            });
    followDataControl();
    fitColumns();
}

void DataGrid::fitColumns()
{
    // Columns as wide as what they first show, but a long remark does not push the others away.
    // Once fitted they keep their widths, as a designed grid does: the columns do not jump at
    // every reload (the sample grid reloads at every batch row).
    if (m_fitted)
        return;
    if (m_model->rowCount() == 0) {
        // Without rows the headers alone decide, so that none is cut short; the first rows to
        // come fit the columns again.
        horizontalHeader()->resizeSections(QHeaderView::ResizeToContents);
        return;
    }
    m_fitted = true;
    constexpr int widest = 280;
    resizeColumnsToContents();
    for (int column = 0; column < m_model->columnCount(); ++column)
        if (columnWidth(column) > widest)
            setColumnWidth(column, widest);
}

void DataGrid::followDataControl()
{
    const int row = m_data->currentRow();
    const int column = qMax(0, currentIndex().column());
    m_following = true;
    if (row < 0)
        selectionModel()->clearCurrentIndex();
    else if (currentIndex().row() != row)
        setCurrentIndex(m_model->index(row, column));
    m_following = false;
    if (row >= 0)
        scrollTo(m_model->index(row, column));
}

void DataGrid::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentIndex().isValid()) {
        emit pickAction();
        return;
    }
    QTableView::keyPressEvent(event);
}

void DataGrid::mousePressEvent(QMouseEvent* event)
{
    // A grid lies under the frames its window opens over it: a click must not lift it above them.
    lower();
    QTableView::mousePressEvent(event);
}

} // namespace trelimor
