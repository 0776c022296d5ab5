#pragma once
#include <string>
#include <vector>

#include <QAbstractListModel>

// The measurement list box: shows the dialog's lines sorted by their text,
// without copying them. Call Refresh whenever the lines have changed, before
// the event loop runs again.
class MeasurementListModel : public QAbstractListModel {
    Q_OBJECT
public:
    MeasurementListModel(const std::vector<std::string>& lines, QObject* parent = nullptr);

    void Refresh();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    const std::vector<std::string>& m_lines;
    std::vector<int> m_order;
};
