#pragma once
#include <QDialog>
#include <memory>

#include "WellRun.h"

class QTabWidget;

// The reports of one well of a study, as its table view would show them:
// the water-saturation and the contact report and the well's messages. A
// well with a document of its own offers to open it in the main window.
class CWellReportWindow : public QDialog {
    Q_OBJECT
public:
    CWellReportWindow(std::shared_ptr<const keldo::WellOutcome> outcome, const QString& document, QWidget* parent);
    QTabWidget* Tabs() const { return m_pTabs; }

signals:
    void openDocument(const QString& path);

private:
    std::shared_ptr<const keldo::WellOutcome> m_outcome;
    QTabWidget* m_pTabs;
};
