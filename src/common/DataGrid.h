#pragma once

#include "RecordsetModel.h"

#include <QTableView>

namespace trelimor {

class DataControl;

// A grid bound to a data control: it shows the control's records in fixed columns and keeps
// its current row and the control's current record in step, both ways.
class DataGrid : public QTableView
{
    Q_OBJECT

public:
    explicit DataGrid(QWidget* parent = nullptr);

    void bind(DataControl* data, const QList<GridColumn>& columns);
    DataControl* dataControl() const { return m_data; }
    RecordsetModel* recordsetModel() const { return m_model; }

signals:
    // The current row or column changed.
    void rowColChange();
    // The grid's pick action: a double click on a row, or Enter.
    void pickAction();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void followDataControl();
    void fitColumns();

    DataControl* m_data = nullptr;
    RecordsetModel* m_model = nullptr;
    bool m_following = false;
    bool m_fitted = false;
};

} // namespace trelimor
