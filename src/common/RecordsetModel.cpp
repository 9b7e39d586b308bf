#include "RecordsetModel.h"

#include "DataControl.h"

#include "platform/db/Field.h"

#include <QDateTime>

namespace trelimor {

RecordsetModel::RecordsetModel(DataControl* data, QList<GridColumn> columns, QObject* parent)
    : QAbstractTableModel(parent)
    , m_data(data)
    , m_columns(std::move(columns))
{
    connect(m_data, &DataControl::recordsReset, this, &RecordsetModel::reset);
    reset();
}

void RecordsetModel::reset()
{
    beginResetModel();
    m_fieldIndex.clear();
    for (const GridColumn& column : std::as_const(m_columns))
        m_fieldIndex << (m_data->isBound() ? m_data->recordset().fieldIndex(column.field) : -1);
    endResetModel();
}

int RecordsetModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_data->recordCount();
}

int RecordsetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant RecordsetModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || !m_data->isBound())
        return {};
    const int field = m_fieldIndex.value(index.column(), -1);
    if (field < 0)
        return {};
    return displayText(m_data->recordset().valueAt(index.row(), field));
}

QVariant RecordsetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::DisplayRole && orientation == Qt::Horizontal && section >= 0 &&
        section < m_columns.size())
        return m_columns[section].caption;
    return QAbstractTableModel::headerData(section, orientation, role);
}

qint64 RecordsetModel::rowidAt(int row) const
{
    return m_data->isBound() ? m_data->recordset().rowidAt(row) : -1;
}

QString RecordsetModel::displayText(const QVariant& value)
{
    if (db::isNull(value))
        return {};
    if (value.typeId() == QMetaType::QDateTime) {
        const QDateTime moment = value.toDateTime();
        if (moment.date() == QDate(1899, 12, 30))
            return moment.time().toString(QStringLiteral("hh:mm:ss"));
        return moment.time() == QTime(0, 0) ? moment.date().toString(QStringLiteral("dd.MM.yyyy"))
                                            : moment.toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"));
    }
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("Prawda") : QStringLiteral("Fałsz");
    if (value.typeId() == QMetaType::Double)
        return QString::number(value.toDouble(), 'g', 15);
    return value.toString();
}

} // namespace trelimor
