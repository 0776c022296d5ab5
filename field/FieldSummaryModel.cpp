#include "FieldSummaryModel.h"

namespace {

keldo::SummaryColumn ColumnAt(int section) { return static_cast<keldo::SummaryColumn>(section); }

} // namespace

CFieldSummaryModel::CFieldSummaryModel(QObject* parent) : QAbstractTableModel(parent) {}

void CFieldSummaryModel::Start(const keldo::FieldStudy& study)
{
    beginResetModel();
    m_result = keldo::FieldResult(study);
    endResetModel();
}

bool CFieldSummaryModel::Take(std::shared_ptr<const keldo::WellOutcome> outcome)
{
    const size_t row = outcome ? outcome->index : 0;
    if (!m_result.Take(std::move(outcome)))
        return false;
    const std::array<keldo::SummaryColumn, keldo::kSummaryColumnCount>& columns = keldo::SummaryColumns();
    emit dataChanged(
        index(static_cast<int>(row), Section(columns.front())), index(static_cast<int>(row), Section(columns.back())));
    return true;
}

int CFieldSummaryModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_result.Size());
}

int CFieldSummaryModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : keldo::kSummaryColumnCount;
}

QString CFieldSummaryModel::Text(size_t row, keldo::SummaryColumn column) const
{
    const keldo::WellSummary& summary = m_result.Summaries()[row];
    switch (column) {
    case keldo::SummaryColumn::Status:
        return m_result.Arrived(row) ? QString::fromUtf8(keldo::StatusText(summary.status)) : QStringLiteral("wartet");
    case keldo::SummaryColumn::Fluid:
        if (!summary.prepared)
            return QString();
        return summary.fluid == 1 ? QStringLiteral("Öl") : QStringLiteral("Gas");
    default:
        return QString::fromStdString(keldo::SummaryValue(summary, column));
    }
}

QVariant CFieldSummaryModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    const size_t row = static_cast<size_t>(index.row());
    const keldo::SummaryColumn column = ColumnAt(index.column());
    switch (role) {
    case Qt::DisplayRole:
        return Text(row, column);
    case Qt::ToolTipRole:
        return column == keldo::SummaryColumn::Message ? QVariant(Text(row, column)) : QVariant();
    case Qt::TextAlignmentRole:
        return keldo::IsNumberColumn(column) ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter)) : QVariant();
    case kSortRole:
        if (keldo::IsNumberColumn(column)) {
            const std::optional<double> number = keldo::SummaryNumber(m_result.Summaries()[row], column);
            return number ? QVariant(*number) : QVariant();
        }
        return Text(row, column);
    default:
        return QVariant();
    }
}

QVariant CFieldSummaryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0
        && section < keldo::kSummaryColumnCount)
        return QString::fromUtf8(keldo::SummaryTitle(ColumnAt(section)));
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags CFieldSummaryModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren : Qt::NoItemFlags;
}

bool CSummarySortProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    const QVariant a = left.data(CFieldSummaryModel::kSortRole), b = right.data(CFieldSummaryModel::kSortRole);
    if (!a.isValid() || !b.isValid())
        return a.isValid() && !b.isValid(); // a value before an empty cell
    if (a.typeId() == QMetaType::Double && b.typeId() == QMetaType::Double)
        return a.toDouble() < b.toDouble();
    return QString::localeAwareCompare(a.toString(), b.toString()) < 0;
}
