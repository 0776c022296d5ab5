#pragma once
#include <vector>

#include "ChartView.h"
#include "FieldChart.h"

// The field chart in the window: laid out anew for the widget's size so
// that it fills it, with its labels as large as the widget's font. Printing
// and "Grafik exportieren..." keep the page of the study's files (Page()),
// in the choice of one column per well or per zone.
class CFieldChartView : public CChartView {
    Q_OBJECT
public:
    explicit CFieldChartView(keldo::IMessageBox& messages, QWidget* parent = nullptr);

    void SetWells(std::vector<keldo::WellSummary> wells);
    // One column per well and zone.
    void SetZones(bool zones);
    bool Zones() const { return m_zones; }

    // The page as the widget shows it now, and its device pixels per
    // logical unit.
    const keldo::GraphPage& ScreenPage();
    double ScreenScale();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QRectF Target() const;
    void Relayout();

    std::vector<keldo::WellSummary> m_wells;
    bool m_zones = false;
    keldo::GraphPage m_screen;
    bool m_stale = true;
};
