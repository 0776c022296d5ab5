#pragma once
#include <QAbstractTableModel>

#include "ResultTables.h"

// A table of the study's numbers (net pay, zones) as the window shows it:
// the cells exactly as the study's files hold them, numbers right-aligned
// and sorted by value through CSummarySortProxy.
class CResultTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit CResultTableModel(QObject* parent = nullptr);

    void SetTable(keldo::ResultTable table);
    const keldo::ResultTable& Table() const { return m_table; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    keldo::ResultTable m_table;
};
