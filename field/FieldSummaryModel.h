#pragma once
#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <memory>

#include "FieldResult.h"
#include "SummaryTable.h"

// The summary of a study in the program: a table over the study's result,
// the columns of summary.csv with German titles, one row per well in the
// order of the study. The result is held here and nowhere else in the
// window. Number columns sort by the numbers themselves (through the proxy),
// empty cells last.
class CFieldSummaryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // What the proxy sorts by: the unrounded number of a number column
    // (none for an empty cell), else the text shown.
    static constexpr int kSortRole = Qt::UserRole + 1;

    // The model's column of a summary column.
    static int Section(keldo::SummaryColumn column) { return static_cast<int>(column); }

    explicit CFieldSummaryModel(QObject* parent = nullptr);

    // One row per well of `study`, each waiting for its outcome.
    void Start(const keldo::FieldStudy& study);
    // A finished well's outcome; false for one that is not of this study.
    bool Take(std::shared_ptr<const keldo::WellOutcome> outcome);
    const keldo::FieldResult& Result() const { return m_result; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QString Text(size_t row, keldo::SummaryColumn column) const;

    keldo::FieldResult m_result;
};

class CSummarySortProxy : public QSortFilterProxyModel {
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
};
