#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include "ChartFrame.h"
#include "ExportedFiles.h"
#include "GraphPixels.h"
#include "PageExport.h"

namespace {

// A small chart: a depth axis downward, three markers, a dashed line and a
// rotated axis label, as the field chart and the fit graphs use them.
keldo::GraphPage SampleChart()
{
    keldo::ChartFrame frame;
    frame.width = 1000;
    frame.height = 600;
    frame.x = keldo::ChartAxis::Linear(0, 1);
    frame.y = keldo::ChartAxis::Linear(2900, 3000);
    frame.yDownward = true;
    frame.title = "Feldstudie";
    frame.yLabel = "Vertikale Teufe TVD (m)";
    keldo::GraphPage page;
    frame.Draw(page.list);
    page.list.push_back(
        keldo::GraphPrimitive::Markers({frame.Map(0.2, 2920), frame.Map(0.5, 2950), frame.Map(0.8, 2980)}, 15,
            keldo::PenKind::Points, keldo::BrushKind::Solid));
    page.list.push_back(keldo::GraphPrimitive::Line(frame.Map(0, 2990), frame.Map(1, 2990), keldo::PenKind::Dashed));
    // A curve in a colour of its own (the capillary-pressure curves).
    page.list.push_back(keldo::GraphPrimitive::Line(frame.Map(0, 2910), frame.Map(1, 2910), keldo::PenKind::Series1));
    page.list.back().colour = 0x00a000;
    page.extent = frame.Extent();
    page.title = "Feldstudie Volve";
    return page;
}

} // namespace

// Saving a chart page as PNG, SVG and PDF without a window.
class PageExportQTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void pngShowsThePage()
    {
        const keldo::GraphPage page = SampleChart();
        std::string error;
        QVERIFY2(keldo::ExportPage(page, dir.filePath("chart.png").toStdString(), error), error.c_str());
        const QImage image(dir.filePath("chart.png"));
        const double s = 150 / 254.0;
        QCOMPARE(image.size(), QSize(qRound(page.extent.Width() * s), qRound(page.extent.Height() * s)));
        // Blue markers, the red dashed line and the line in its own green
        // (its pen would be red) are there.
        QVERIFY(CountColour(image, image.rect(), qRgb(0, 0, 255)) > 50);
        QVERIFY(CountColour(image, image.rect(), qRgb(255, 0, 0)) > 20);
        QVERIFY(CountColour(image, image.rect(), qRgb(0, 160, 0)) > 200);
        // The y axis label runs upward: its dark pixels left of the tick
        // labels stand in a column taller than it is wide.
        const QRect labelStrip(0, 0, qRound(120 * s), image.height());
        int top = image.height(), bottom = -1, left = image.width(), right = -1;
        for (int y = labelStrip.top(); y <= labelStrip.bottom(); ++y)
            for (int x = labelStrip.left(); x <= labelStrip.right(); ++x)
                if (IsDark(image.pixel(x, y))) {
                    top = std::min(top, y), bottom = std::max(bottom, y);
                    left = std::min(left, x), right = std::max(right, x);
                }
        QVERIFY(bottom > top);
        QVERIFY(bottom - top > 4 * (right - left));
    }

    void svgAndPdfCarryTheTitle()
    {
        const keldo::GraphPage page = SampleChart();
        std::string error;
        QVERIFY2(keldo::ExportPage(page, dir.filePath("chart.svg").toStdString(), error), error.c_str());
        QVERIFY2(keldo::ExportPage(page, dir.filePath("chart.pdf").toStdString(), error), error.c_str());
        QVERIFY(FileBytes(dir.filePath("chart.svg").toStdString()).contains("<title>Feldstudie Volve</title>"));
        const QByteArray pdf = FileBytes(dir.filePath("chart.pdf").toStdString());
        QVERIFY(pdf.startsWith("%PDF"));
        QVERIFY(pdf.contains(PdfText(QStringLiteral("Feldstudie Volve"))));
        QVERIFY(pdf.contains(PdfText(QStringLiteral("Keldo"))));
    }

    void refusesOtherFileTypesAndKeepsNoHalfFile()
    {
        std::string error;
        QVERIFY(!keldo::ExportPage(SampleChart(), dir.filePath("chart.jpg").toStdString(), error));
        QVERIFY(QString::fromStdString(error).contains(".png, .svg oder .pdf"));
        QVERIFY(!keldo::ExportPage(SampleChart(), dir.filePath("missing/chart.png").toStdString(), error));
        QVERIFY(QString::fromStdString(error).contains("kann nicht in die Datei"));
        QVERIFY(!QFile::exists(dir.filePath("chart.jpg")));
    }
};

QTEST_MAIN(PageExportQTest)
#include "PageExportQTest.moc"
