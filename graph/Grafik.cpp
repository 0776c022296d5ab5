#include "Grafik.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QPageLayout>
#include <QPaintEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>
#include <algorithm>

#include "ExportFileDialog.h"
#include "GraphExport.h"
#include "GraphPainter.h"
#include "KeldoDoc.h"
#include "PrintPages.h"
#include "PrintPreview.h"

CGrafik::CGrafik(CKeldoDoc& doc, QWidget* parent) : QAbstractScrollArea(parent), m_doc(doc)
{
    setObjectName(QStringLiteral("CGrafik"));
    viewport()->setAutoFillBackground(false);
    OnInitialUpdate();
}

void CGrafik::OnInitialUpdate()
{
    m_state.m_bHochformat = 1;
    m_state.m_bPrint = 0;
    UpdateScrollBars();
}

void CGrafik::OnUpdate()
{
    UpdateScrollBars();
    viewport()->update();
}

void CGrafik::ScaleIfNeeded()
{
    // The axes are computed once per computation; a view that has never
    // scaled has no ranges yet and scales as well.
    if (m_doc.m_bSkaliert == 0 || !m_state.IsScaled())
        m_state.OnCompute(m_doc);
}

QSize CGrafik::ContentSize()
{
    ScaleIfNeeded();
    const keldo::QtTextMeasure measure;
    const keldo::DrawingBounds drawn = keldo::BoundsOf(m_state.zeichnen(m_doc, measure), measure);
    return QSize(std::max(kTotalWidth, drawn.right + kDrawingMargin - CGrafikState::kOriginX),
        std::max(kTotalHeight, CGrafikState::kOriginY - drawn.bottom + kDrawingMargin));
}

void CGrafik::UpdateScrollBars()
{
    const double sx = keldo::PixelsPerUnit(viewport()->logicalDpiX());
    const double sy = keldo::PixelsPerUnit(viewport()->logicalDpiY());
    const QSize view = viewport()->size();
    const QSize content = ContentSize();
    horizontalScrollBar()->setRange(0, std::max(0, int(content.width() * sx + 0.5) - view.width()));
    verticalScrollBar()->setRange(0, std::max(0, int(content.height() * sy + 0.5) - view.height()));
    horizontalScrollBar()->setPageStep(std::max(1, int(kPageWidth * sx + 0.5)));
    verticalScrollBar()->setPageStep(std::max(1, int(kPageHeight * sy + 0.5)));
    horizontalScrollBar()->setSingleStep(std::max(1, int(kLineWidth * sx + 0.5)));
    verticalScrollBar()->setSingleStep(std::max(1, int(kLineHeight * sy + 0.5)));
}

void CGrafik::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void CGrafik::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const bool plainOrCtrl = mods == Qt::NoModifier || mods == Qt::ControlModifier;
    if (plainOrCtrl && (event->key() == Qt::Key_Home || event->key() == Qt::Key_End)) {
        // Both directions: a magnified page is wider than most windows, and
        // its start and its end are corners.
        const bool start = event->key() == Qt::Key_Home;
        for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()})
            bar->setValue(start ? bar->minimum() : bar->maximum());
        event->accept();
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void CGrafik::scrollContentsBy(int, int) { viewport()->update(); }

void CGrafik::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), Qt::white);
    keldo::SetPageTransform(painter, QPointF(horizontalScrollBar()->value(), verticalScrollBar()->value()));
    OnDraw(painter);
}

void CGrafik::OnDraw(QPainter& painter)
{
    ScaleIfNeeded();
    const keldo::QtTextMeasure measure;
    keldo::PaintDisplayList(painter, m_state.zeichnen(m_doc, measure));
}

void CGrafik::OnGrafiklupe()
{
    m_state.m_bGrafiklupe = m_state.m_bGrafiklupe == 1 ? 0 : 1;
    m_state.OnCompute(m_doc); // the plot size changes with the magnifier
    UpdateScrollBars();
    // The unmagnified page is shown from its start, with the titles on top,
    // wherever the magnified one had been scrolled to.
    if (!IsLupeChecked()) {
        horizontalScrollBar()->setValue(horizontalScrollBar()->minimum());
        verticalScrollBar()->setValue(verticalScrollBar()->minimum());
    }
    viewport()->update();
    emit lupeChanged(IsLupeChecked());
}

bool CGrafik::OnUpdateGrafiklupe()
{
    if (m_state.m_bGrafiklupe != 1)
        m_state.m_bGrafiklupe = 0;
    return IsLupeChecked();
}

void CGrafik::Print(QPrinter& printer)
{
    m_state.m_bPrint = 1;
    // Whatever happens on the way, the screen gets its own layout back.
    struct EndPrinting {
        CGrafik* view;
        ~EndPrinting() { view->OnEndPrinting(); }
    } end{this};

    printer.setFromTo(1, 1);
    keldo::LabelPrintJob(printer, m_doc);
    bool painted = false;
    std::string error;
    const bool written = keldo::PrintPages(
        printer,
        [&](QPagedPaintDevice& device) {
            QPainter painter;
            if (!painter.begin(&device))
                return false;
            // The printable part of the sheet decides between portrait and landscape.
            const QRectF printable = device.pageLayout().paintRect(QPageLayout::Millimeter);
            m_state.m_bHochformat = printable.height() > printable.width() ? 1 : 0;
            m_state.worldtrans(m_doc);
            keldo::SetPageTransform(painter);
            OnDraw(painter);
            painted = painter.end();
            return painted;
        },
        error);
    if (!written)
        m_doc.Message(error);
    else if (painted)
        emit pagePrinted(m_state.breite, m_state.hoehe);
}

void CGrafik::OnEndPrinting()
{
    m_state.m_bHochformat = 1;
    m_state.m_bPrint = 0;
    m_state.worldtrans(m_doc);
    UpdateScrollBars();
    viewport()->update();
}

void CGrafik::FilePrint()
{
    // The printer set up through "Druckereinrichtung" is used when one is given.
    QPrinter ownPrinter(QPrinter::HighResolution);
    QPrinter& printer = m_pPrinter ? *m_pPrinter : ownPrinter;
    keldo::LabelPrintJob(printer, m_doc);
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, 1);
    // The print layout is only set up once the user has chosen to print, so
    // a cancelled dialog leaves the screen as it was.
    if (dialog.exec() != QDialog::Accepted)
        return;
    Print(printer);
}

void CGrafik::FilePrintPreview()
{
    QPrinter ownPrinter(QPrinter::HighResolution);
    QPrinter& printer = m_pPrinter ? *m_pPrinter : ownPrinter;
    keldo::RunPrintPreview(this, printer, [this](QPrinter& target) { Print(target); });
}

void CGrafik::ExportGraphDialog()
{
    QString proposal = QFileInfo(QString::fromStdString(m_doc.GetTitle())).completeBaseName();
    if (proposal.isEmpty())
        proposal = QStringLiteral("Grafik");
    const QString path = keldo::AskGraphExportPath(this, proposal);
    if (path.isEmpty())
        return;
    std::string error;
    if (!keldo::ExportGraph(m_doc, path.toStdString(), error))
        m_doc.Message(error);
}
