#include "MeasurementListModel.h"

#include "LineOrder.h"

MeasurementListModel::MeasurementListModel(const std::vector<std::string>& lines, QObject* parent)
    : QAbstractListModel(parent), m_lines(lines)
{
    Refresh();
}

void MeasurementListModel::Refresh()
{
    beginResetModel();
    m_order = keldo::SortedLineOrder(m_lines);
    endResetModel();
}

int MeasurementListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_order.size());
}

QVariant MeasurementListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= static_cast<int>(m_order.size()))
        return {};
    size_t line = static_cast<size_t>(m_order[static_cast<size_t>(index.row())]);
    if (line >= m_lines.size())
        return {};
    return QString::fromStdString(m_lines[line]);
}
