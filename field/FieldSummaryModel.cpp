#include "FieldSummaryModel.h"

#include <cmath>

#include "NumberText.h"
#include "SummaryTable.h"

CFieldSummaryModel::CFieldSummaryModel(QObject* parent) : QStandardItemModel(parent)
{
    QStringList titles;
    for (const keldo::SummaryColumn& column : keldo::SummaryColumns())
        titles << QString::fromUtf8(column.title);
    setHorizontalHeaderLabels(titles);
}

void CFieldSummaryModel::Reset(const std::vector<std::string>& wells)
{
    removeRows(0, rowCount());
    for (const std::string& well : wells) {
        keldo::WellSummary waiting;
        waiting.well = well;
        QList<QStandardItem*> items;
        for (size_t c = 0; c < keldo::SummaryColumns().size(); ++c)
            items << new QStandardItem();
        appendRow(items);
        SetSummary(rowCount() - 1, waiting);
        item(rowCount() - 1, 2)->setText(QStringLiteral("wartet"));
    }
}

void CFieldSummaryModel::SetSummary(int row, const keldo::WellSummary& summary)
{
    const std::vector<keldo::SummaryColumn>& columns = keldo::SummaryColumns();
    const std::vector<std::string> values = keldo::SummaryValues(summary);
    for (size_t c = 0; c < columns.size(); ++c) {
        const std::string key = columns[c].key;
        QString text = QString::fromStdString(values[c]);
        if (key == "status")
            text = QString::fromUtf8(keldo::StatusText(summary.status));
        else if (key == "fluid" && !text.isEmpty())
            text = summary.fluid == 1 ? QStringLiteral("Öl") : QStringLiteral("Gas");
        QStandardItem* cell = item(row, static_cast<int>(c));
        cell->setEditable(false);
        cell->setText(text);
        cell->setToolTip(key == "message" ? text : QString());
        if (columns[c].numeric) {
            cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            double number = 0; // read without the locale, as written
            cell->setData(keldo::ParseNumber(values[c], number) ? QVariant(number) : QVariant(), kSortRole);
        } else {
            cell->setData(text, kSortRole);
        }
    }
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
