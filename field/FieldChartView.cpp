#include "FieldChartView.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "PageExport.h"

CFieldChartView::CFieldChartView(keldo::IMessageBox& messages, QWidget* parent) : CChartView(messages, parent)
{
    SetWells({});
}

void CFieldChartView::SetWells(std::vector<keldo::WellSummary> wells)
{
    m_wells = std::move(wells);
    Relayout();
}

void CFieldChartView::SetZones(bool zones)
{
    m_zones = zones;
    Relayout();
}

void CFieldChartView::Relayout()
{
    keldo::FieldChartLayout layout;
    layout.zones = m_zones;
    SetPage(keldo::FieldChart(m_wells, layout));
    m_stale = true;
    update();
}

QRectF CFieldChartView::Target() const { return QRectF(rect()).adjusted(4, 4, -4, -4); }

const keldo::GraphPage& CFieldChartView::ScreenPage()
{
    if (!m_stale)
        return m_screen;
    // A label's text cell is as high as a line of the widget's font, and the
    // page takes the widget's proportions; the file's page would leave half
    // the tab empty and its labels a few pixels high.
    const double pixelsPerUnit = QFontMetricsF(font()).height() / keldo::FontHeight(keldo::FontKind::Label);
    const QRectF target = Target();
    keldo::FieldChartLayout layout;
    layout.zones = m_zones;
    layout.pageWidth = std::max(1, static_cast<int>(target.width() / pixelsPerUnit));
    layout.pageHeight = std::max(1, static_cast<int>(target.height() / pixelsPerUnit));
    // The window has room for names of zones; the files keep their cut.
    layout.nameChars = 40;
    m_screen = keldo::FieldChart(m_wells, layout);
    m_stale = false;
    return m_screen;
}

double CFieldChartView::ScreenScale()
{
    const keldo::PageExtent& extent = ScreenPage().extent;
    const QRectF target = Target();
    if (extent.Width() <= 0 || extent.Height() <= 0)
        return 0;
    return std::min(target.width() / extent.Width(), target.height() / extent.Height());
}

void CFieldChartView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    keldo::PaintPageFitted(painter, ScreenPage(), Target());
}

void CFieldChartView::resizeEvent(QResizeEvent* event)
{
    m_stale = true;
    CChartView::resizeEvent(event);
}

void CFieldChartView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        m_stale = true;
    CChartView::changeEvent(event);
}
