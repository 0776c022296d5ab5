#pragma once
#include <QAbstractScrollArea>
#include <QRect>

#include "KeldoDoc.h"

class QPainter;
class QPagedPaintDevice;
class QPaintDevice;
class QPrinter;

// The table view: the document's report as monospaced rows, scrolled and
// printed page by page under a " Dokument:" header. It only reads the
// document.
class CKeldoView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit CKeldoView(CKeldoDoc& doc, QWidget* parent = nullptr);

    CKeldoDoc* GetDocument() const { return m_pDoc; }

    // Sets the scroll range; called once after creation.
    void OnInitialUpdate();
    // The document changed: new scroll range and a full repaint.
    void OnUpdate();

    // Pages the report needs; the print dialog offers this range.
    int OnPreparePrinting() const;
    // Prints the pages selected on `printer` (all pages without a range).
    // False when the printer could not be opened or, printing into a file,
    // the file could not be written (the document's message box says why).
    bool Print(QPrinter& printer);
    // Print dialog, then printing; print preview. The printer set up through
    // "Druckereinrichtung" is used when one is given.
    void FilePrint();
    void FilePrintPreview();
    void SetPrinter(QPrinter* printer) { m_pPrinter = printer; }

    // The screen font (0.22 inch extra bold) and the printer font (4.4 mm
    // semibold), both "Courier New" or its metric twin.
    static QFont ScreenFont(const QPaintDevice& device);
    static QFont PrinterFont(const QPaintDevice& device);

    // Height of one row and width of the left margin on screen, in pixels.
    int RowHeight() const { return m_cy; }
    int MarginWidth() const { return m_cx; }
    // Rows painted by the last paint, for checking that painting stays
    // proportional to the window, not to the report.
    int LastPaintedRows() const { return m_nLastPaintedRows; }

    // Print state of the page being output.
    int m_nSeite = 0;
    QRect m_rectDruck;
    int m_nZeilenProSeite = 0;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Home and End (also with Ctrl) go to the first and the last line.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnPrint(QPainter& painter, QPagedPaintDevice& printer, int page);
    void MeasureScreenFont();
    void UpdateScrollRange();

    CKeldoDoc* m_pDoc;
    QPrinter* m_pPrinter = nullptr;
    int m_cx = 1;
    int m_cy = 1;
    long long m_nContentWidth = 0;
    int m_nLastPaintedRows = 0;
};
