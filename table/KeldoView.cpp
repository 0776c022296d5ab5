#include "KeldoView.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>
#include <algorithm>
#include <climits>

#include "PrintPages.h"
#include "PrintPreview.h"
#include "TablePageLayout.h"
#include "Utf8Text.h"

using keldo::TablePageLayout;

namespace {

// A font whose text height (ascent + descent) is `cellHeight` device pixels,
// as a font chosen by cell height would be.
QFont CellFont(const QPaintDevice& device, int cellHeight, QFont::Weight weight)
{
    QFont font;
    // "Courier New" where it exists, else its metric-compatible twin.
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setWeight(weight);
    cellHeight = std::max(cellHeight, 1);
    font.setPixelSize(cellHeight);
    int height = QFontMetrics(font, &device).height();
    if (height > cellHeight) {
        int size = std::max(1, cellHeight * cellHeight / height + 1);
        // Rounded metrics: step down until the text height fits the cell.
        for (; size > 1; --size) {
            font.setPixelSize(size);
            if (QFontMetrics(font, &device).height() <= cellHeight)
                break;
        }
    }
    return font;
}

} // namespace

CKeldoView::CKeldoView(CKeldoDoc& doc, QWidget* parent) : QAbstractScrollArea(parent), m_pDoc(&doc)
{
    setObjectName(QStringLiteral("CKeldoView"));
    setFrameShape(QFrame::StyledPanel);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    MeasureScreenFont();
}

QFont CKeldoView::ScreenFont(const QPaintDevice& device)
{
    // 22 hundredths of an inch.
    return CellFont(device, (22 * device.logicalDpiY() + 50) / 100, QFont::ExtraBold);
}

QFont CKeldoView::PrinterFont(const QPaintDevice& device)
{
    // 4.4 mm.
    return CellFont(device, static_cast<int>(4.4 / 25.4 * device.logicalDpiY() + 0.5), QFont::DemiBold);
}

void CKeldoView::MeasureScreenFont()
{
    QFontMetrics fm(ScreenFont(*viewport()), viewport());
    m_cx = std::max(1, fm.horizontalAdvance(QLatin1Char('W')));
    m_cy = std::max(1, fm.height());
}

void CKeldoView::OnInitialUpdate() { OnUpdate(); }

void CKeldoView::OnUpdate()
{
    long long widest = 0;
    for (const std::string& line : m_pDoc->m_Ergebnisse)
        widest = std::max(widest, static_cast<long long>(keldo::Utf8Length(line)));
    // One character of margin on either side.
    m_nContentWidth = (widest + 2) * m_cx;
    UpdateScrollRange();
    viewport()->update();
}

void CKeldoView::UpdateScrollRange()
{
    // The range follows the report, so every row can be scrolled into view
    // and a short report cannot be scrolled past its end.
    long long contentHeight = static_cast<long long>(m_pDoc->m_Ergebnisse.size()) * m_cy;
    auto clampToInt = [](long long v) { return static_cast<int>(std::clamp(v, 0LL, static_cast<long long>(INT_MAX))); };
    QSize page = viewport()->size();
    verticalScrollBar()->setRange(0, clampToInt(contentHeight - page.height()));
    verticalScrollBar()->setPageStep(std::max(m_cy, page.height() - m_cy));
    verticalScrollBar()->setSingleStep(m_cy);
    horizontalScrollBar()->setRange(0, clampToInt(m_nContentWidth - page.width()));
    horizontalScrollBar()->setPageStep(std::max(m_cx, page.width()));
    horizontalScrollBar()->setSingleStep(m_cx);
}

void CKeldoView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    painter.setFont(ScreenFont(*viewport()));
    painter.setPen(palette().color(QPalette::Text));
    QFontMetrics fm = painter.fontMetrics();

    const auto& lines = m_pDoc->m_Ergebnisse;
    const long long top = verticalScrollBar()->value();
    const int left = m_cx - horizontalScrollBar()->value();
    const QRect area = event->rect();
    // Only the rows that reach into the repainted area are drawn.
    long long first = (top + area.top()) / m_cy;
    long long last = std::min<long long>(static_cast<long long>(lines.size()), (top + area.bottom()) / m_cy + 1);
    m_nLastPaintedRows = 0;
    for (long long i = first; i < last; ++i) {
        int y = static_cast<int>(i * m_cy - top);
        painter.drawText(left, y + fm.ascent(), QString::fromStdString(lines[static_cast<std::size_t>(i)]));
        ++m_nLastPaintedRows;
    }
}

void CKeldoView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRange();
}

void CKeldoView::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        MeasureScreenFont();
        OnUpdate();
    }
}

void CKeldoView::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const bool plainOrCtrl = mods == Qt::NoModifier || mods == Qt::ControlModifier;
    if (plainOrCtrl && (event->key() == Qt::Key_Home || event->key() == Qt::Key_End)) {
        QScrollBar* rows = verticalScrollBar();
        rows->setValue(event->key() == Qt::Key_Home ? rows->minimum() : rows->maximum());
        event->accept();
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

int CKeldoView::OnPreparePrinting() const { return TablePageLayout::PageCount(m_pDoc->m_Ergebnisse.size()); }

bool CKeldoView::Print(QPrinter& printer)
{
    const int pages = OnPreparePrinting();
    int from = 1;
    int to = pages;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        from = std::max(1, printer.fromPage());
        to = std::min(pages, printer.toPage() > 0 ? printer.toPage() : pages);
    }
    keldo::LabelPrintJob(printer, *m_pDoc);
    bool painted = false;
    std::string error;
    const bool written = keldo::PrintPages(
        printer,
        [&](QPagedPaintDevice& device) {
            QPainter painter;
            if (!painter.begin(&device))
                return false;
            for (int page = from; page <= to; ++page) {
                if (page > from)
                    device.newPage();
                OnPrint(painter, device, page);
            }
            painted = painter.end();
            return painted;
        },
        error);
    if (!written)
        m_pDoc->Message(error);
    return written && painted;
}

void CKeldoView::OnPrint(QPainter& painter, QPagedPaintDevice& printer, int page)
{
    m_nSeite = page;
    m_rectDruck = printer.pageLayout().paintRectPixels(printer.logicalDpiX());
    m_nZeilenProSeite = static_cast<int>(TablePageLayout::kLinesPerPage);

    painter.setFont(PrinterFont(printer));
    painter.setPen(Qt::black);
    QFontMetrics fm = painter.fontMetrics();
    const int cx = fm.horizontalAdvance(QLatin1Char('0'));
    const int cy = fm.height();

    // The painter's origin is the top left of the printable area.
    const QString header = QStringLiteral(" Dokument:") + QString::fromStdString(m_pDoc->GetTitle());
    painter.drawText(cx, TablePageLayout::kHeaderRow * cy + fm.ascent(), header);

    const auto& lines = m_pDoc->m_Ergebnisse;
    auto range = TablePageLayout::LinesOfPage(page, lines.size());
    for (std::size_t i = range.first; i < range.end; ++i) {
        int y = TablePageLayout::RowOfLine(i) * cy;
        painter.drawText(3 * cx, y + fm.ascent(), QString::fromStdString(lines[i]));
    }
}

void CKeldoView::FilePrint()
{
    QPrinter ownPrinter(QPrinter::HighResolution);
    QPrinter& printer = m_pPrinter ? *m_pPrinter : ownPrinter;
    keldo::LabelPrintJob(printer, *m_pDoc);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Drucken"));
    dialog.setMinMax(1, OnPreparePrinting());
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    if (dialog.exec() == QDialog::Accepted)
        Print(printer);
}

void CKeldoView::FilePrintPreview()
{
    QPrinter ownPrinter(QPrinter::HighResolution);
    QPrinter& printer = m_pPrinter ? *m_pPrinter : ownPrinter;
    keldo::RunPrintPreview(this, printer, [this](QPrinter& target) { Print(target); });
}
