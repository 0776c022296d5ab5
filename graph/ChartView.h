#pragma once
#include <QWidget>

#include "GraphPrimitives.h"

class QPrinter;

namespace keldo {
class IMessageBox;
}

// Shows one chart page (the field chart, a fit graph) as large as the
// widget allows, and prints and exports exactly that page.
class CChartView : public QWidget {
    Q_OBJECT
public:
    explicit CChartView(keldo::IMessageBox& messages, QWidget* parent = nullptr);

    void SetPage(keldo::GraphPage page);
    const keldo::GraphPage& Page() const { return m_page; }
    // The printer that print and preview use (nullptr: a default one).
    void SetPrinter(QPrinter* printer) { m_pPrinter = printer; }

    // One sheet with the page as large as the printable area allows.
    void Print(QPrinter& printer);
    void FilePrint();
    void FilePrintPreview();
    // Asks for a file name and saves the page as PNG, SVG or PDF.
    void ExportDialog();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    keldo::IMessageBox& m_messages;
    keldo::GraphPage m_page;
    QPrinter* m_pPrinter = nullptr;
};
