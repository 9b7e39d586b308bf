#include "OperatorsModel.h"

#include <array>

namespace trelimor {

namespace {

struct Column
{
    const char* caption;
    QString OperatorRow::*value;
};

// The grid's columns in their order; OP_HASLO is left out on purpose.
const std::array<Column, 5> kColumns = {{
    {"NUMER", &OperatorRow::numer},
    {"NAZWISKO", &OperatorRow::nazwisko},
    {"OP_KLUCZ", &OperatorRow::klucz},
    {"RODZAJ", &OperatorRow::rodzaj},
    {"LOGIN", &OperatorRow::login},
}};

} // namespace

OperatorsModel::OperatorsModel(QObject* parent)
    : QAbstractTableModel(parent)
{}

void OperatorsModel::setRows(std::vector<OperatorRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

const OperatorRow* OperatorsModel::rowAt(int position) const
{
    if (position < 0 || position >= int(m_rows.size()))
        return nullptr;
    return &m_rows[size_t(position)];
}

int OperatorsModel::positionOf(qint64 rowid) const
{
    for (size_t i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].rowid == rowid)
            return int(i);
    return -1;
}

int OperatorsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int OperatorsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(kColumns.size());
}

QVariant OperatorsModel::data(const QModelIndex& index, int role) const
{
    const OperatorRow* row = rowAt(index.row());
    if (row == nullptr || index.column() < 0 || index.column() >= int(kColumns.size()) ||
        role != Qt::DisplayRole)
        return {};
    return row->*kColumns[size_t(index.column())].value;
}

QVariant OperatorsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= int(kColumns.size()))
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromLatin1(kColumns[size_t(section)].caption);
}

} // namespace trelimor
