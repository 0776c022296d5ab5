#include "ResultTableModel.h"

#include "FieldSummaryModel.h"

CResultTableModel::CResultTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void CResultTableModel::SetTable(keldo::ResultTable table)
{
    // Same headings: only the cells change, so a sorted view keeps its order
    // and the user's column widths.
    if (table.headings == m_table.headings && table.rows.size() == m_table.rows.size()) {
        m_table = std::move(table);
        if (!m_table.rows.empty())
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        return;
    }
    beginResetModel();
    m_table = std::move(table);
    endResetModel();
}

int CResultTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_table.rows.size());
}

int CResultTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_table.headings.size());
}

QVariant CResultTableModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    const std::string& cell = m_table.rows[size_t(index.row())][size_t(index.column())];
    const bool number = m_table.numbers[size_t(index.column())];
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(cell);
    case Qt::TextAlignmentRole:
        return number ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter)) : QVariant();
    case CFieldSummaryModel::kSortRole:
        if (!number)
            return QString::fromStdString(cell);
        // The cells hold C-formatted numbers with a decimal point.
        if (bool ok = false; !cell.empty()) {
            const double value = QString::fromStdString(cell).toDouble(&ok);
            return ok ? QVariant(value) : QVariant();
        }
        return QVariant();
    default:
        return QVariant();
    }
}

QVariant CResultTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < columnCount())
        return QString::fromStdString(m_table.headings[size_t(section)]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags CResultTableModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren : Qt::NoItemFlags;
}
