#pragma once
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <string>
#include <vector>

#include "WellSummary.h"

// The summary of a study in the program: the columns of summary.csv with
// German titles, one row per well in the order of the study. Numbers sort
// as numbers (through the proxy), empty cells last.
class CFieldSummaryModel : public QStandardItemModel {
    Q_OBJECT
public:
    static constexpr int kSortRole = Qt::UserRole + 1;

    explicit CFieldSummaryModel(QObject* parent = nullptr);

    // One row per well, each waiting for its result.
    void Reset(const std::vector<std::string>& wells);
    void SetSummary(int row, const keldo::WellSummary& summary);
};

class CSummarySortProxy : public QSortFilterProxyModel {
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
};
