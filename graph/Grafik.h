#pragma once
#include <QAbstractScrollArea>

#include "GrafikState.h"

class CKeldoDoc;
class QPainter;
class QPrinter;

// The graph view: draws the document's graph data (saturation and porosity
// over depth, or the histogram of contact depths) in a scrolling page of
// 250 mm x 220 mm, on screen, in the print preview and on paper alike.
//
// Public interface, kept stable for the main frame:
//   CGrafik(CKeldoDoc& doc, QWidget* parent = nullptr)
//   void OnInitialUpdate()          layout and scroll sizes (the constructor runs it)
//   void OnUpdate()                 the document changed: repaint
//   void OnGrafiklupe()             command 32781 "Grafik Lupe": magnifier on/off (off: back to the page's start)
//   bool IsLupeChecked() const      check mark of the magnifier button
//   bool OnUpdateGrafiklupe()       the same, tidying the flag; always enabled
//   void FilePrint()                print dialog, then one page
//   void FilePrintPreview()         print preview of the page
//   void Print(QPrinter& printer)   one page on `printer`, no dialog
//   void SetPrinter(QPrinter*)      the printer of "Druckereinrichtung" (nullptr: a default one)
//   void ExportGraphDialog()        save the graph as PNG, SVG or PDF
//   signal lupeChanged(bool)        after every magnifier toggle
//   signal pagePrinted(int, int)    a page went to a printer: plot width, height
// The document line under the graph shows doc.GetTitle().
class CGrafik : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit CGrafik(CKeldoDoc& doc, QWidget* parent = nullptr);

    CKeldoDoc& GetDocument() const { return m_doc; }

    void OnInitialUpdate();
    void OnUpdate();

    void OnGrafiklupe();
    bool IsLupeChecked() const { return m_state.m_bGrafiklupe == 1; }
    bool OnUpdateGrafiklupe();

    void FilePrint();
    void FilePrintPreview();
    void Print(QPrinter& printer);
    void SetPrinter(QPrinter* printer) { m_pPrinter = printer; }

    void ExportGraphDialog();

    // Draws the page with `painter`, whose transform is already set to
    // logical units; rescales first when the document has new data.
    void OnDraw(QPainter& painter);

    // The scaling and layout state, for the tests and the frame.
    const CGrafikState& State() const { return m_state; }

    // Scroll sizes in logical units (0.1 mm). The total grows where the
    // drawing reaches further (the magnifier's right axis), plus a margin.
    static constexpr int kTotalWidth = 2500, kTotalHeight = 2200;
    static constexpr int kDrawingMargin = 50;
    static constexpr int kPageWidth = 1250, kPageHeight = 1100;
    static constexpr int kLineWidth = 50, kLineHeight = 44;

signals:
    void lupeChanged(bool checked);
    // One page has been drawn on a printer with this plot size (0.1 mm).
    void pagePrinted(int breite, int hoehe);

protected:
    // Ctrl+Home / Ctrl+End (and Home / End, as in the table view): to the
    // start of the page (top left) or to its end (bottom right).
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void ScaleIfNeeded();
    // The scrolled surface in logical units: the fixed total, or the whole
    // drawing from the window origin on where that is larger.
    QSize ContentSize();
    void UpdateScrollBars();
    void OnEndPrinting();

    CKeldoDoc& m_doc;
    CGrafikState m_state;
    QPrinter* m_pPrinter = nullptr;
};
