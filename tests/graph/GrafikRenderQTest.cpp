#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include "Grafik.h"
#include "GraphPixels.h"
#include "GraphTestData.h"
#include "RecordingMessageBox.h"

namespace {

// The right-most and the bottom-most pixel that is not white.
struct OuterInk {
    QPoint right{-1, -1};
    QPoint bottom{-1, -1};
};
OuterInk FindOuterInk(const QImage& shot)
{
    const QImage image = shot.convertToFormat(QImage::Format_RGB32);
    OuterInk ink;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0xffffff) != 0xffffff) {
                if (x > ink.right.x())
                    ink.right = QPoint(x, y);
                ink.bottom = QPoint(x, y);
            }
    }
    return ink;
}

} // namespace

// What the user sees of both kinds of graph, and the view around them.
class GrafikRenderQTest : public QObject {
    Q_OBJECT

    RecordingMessageBox messages;

private slots:
    void saturationPageShowsFrameAndThreeCurves()
    {
        CKeldoDoc doc(messages);
        FillSaturationGraph(doc);
        CGrafikState state;
        state.OnGraf(doc);
        const QImage image = PaintAtOnePixelPerUnit(doc, state, QSize(2600, 2300));

        // Frame from (0, 0) to (1300, -750): pixels 400..1700 and 350..1100.
        QVERIFY(DarkNear(image, 400 + 650, 350));
        QVERIFY(DarkNear(image, 400, 350 + 375));
        QVERIFY(DarkNear(image, 1700, 350 + 375));
        QVERIFY(DarkNear(image, 400 + 650, 1100));
        QVERIFY(!DarkNear(image, 400 + 650, 360, 3)); // inside, off the grid

        const QRect plot(401, 351, 1299, 749);
        QVERIFY(CountColour(image, plot, qRgb(255, 0, 0)) > 500);
        QVERIFY(CountColour(image, plot, qRgb(0, 255, 0)) > 500);
        QVERIFY(CountColour(image, plot, qRgb(0, 0, 255)) > 500);
        // The legend lines under the plot.
        const QRect legend(400, 1100 + 150, 1300, 100);
        QVERIFY(CountColour(image, legend, qRgb(255, 0, 0)) > 100);
        QVERIFY(CountColour(image, legend, qRgb(0, 0, 255)) > 100);

        // Nothing beyond the page.
        const auto extent = state.PageExtent();
        const int right = extent.right - extent.left, bottom = extent.top - extent.bottom;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (x >= right || y >= bottom)
                    QVERIFY2(image.pixel(x, y) == qRgb(255, 255, 255), qPrintable(QString("%1,%2").arg(x).arg(y)));
    }

    void histogramShowsHatchedRedBars()
    {
        CKeldoDoc doc(messages);
        FillHistogram(doc, 1480, 5, {1, 3, 17, 9, 4, 1, 2});
        CGrafikState state;
        state.OnGraf(doc);
        const QImage image = PaintAtOnePixelPerUnit(doc, state, QSize(2200, 1500));

        // Bar of class 2 (count 17 of 18): x 433 +- 103, from y -750 to -41.
        const QRect inside(400 + 433 - 90, 350 + 60, 180, 600);
        const int red = CountColour(image, inside, qRgb(255, 0, 0));
        const int white = CountColour(image, inside, qRgb(255, 255, 255));
        QVERIFY2(red > inside.width() * inside.height() / 20, "no hatch");
        QVERIFY2(white > inside.width() * inside.height() / 2, "filled solid instead of hatched");
        // Red outline on both sides of the bar.
        QCOMPARE(CountColour(image, QRect(400 + 433 - 103 - 1, 350 + 300, 3, 1), qRgb(255, 0, 0)) > 0, true);
        QCOMPARE(CountColour(image, QRect(400 + 433 + 103 - 1, 350 + 300, 3, 1), qRgb(255, 0, 0)) > 0, true);
        // No curves in the histogram.
        QCOMPARE(CountColour(image, image.rect(), qRgb(0, 255, 0)), 0);
        QCOMPARE(CountColour(image, image.rect(), qRgb(0, 0, 255)), 0);
        // Between the bars' tops and the frame top nothing red.
        QCOMPARE(CountColour(image, QRect(400 + 433 - 90, 352, 180, 30), qRgb(255, 0, 0)), 0);
    }

    void viewRescalesOnFirstPaintAndScrolls()
    {
        CKeldoDoc doc(messages);
        FillSaturationGraph(doc);
        CGrafik view(doc);
        view.resize(700, 500);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QImage shot = view.viewport()->grab().toImage();
        QCOMPARE(doc.m_bSkaliert, 1);
        QCOMPARE(view.State().xmax, 1590.0);

        const double s = view.viewport()->logicalDpiX() / 254.0;
        QVERIFY(DarkNear(shot, qRound(400 * s), qRound((350 + 375) * s), 2));
        QVERIFY(DarkNear(shot, qRound(1700 * s), qRound((350 + 375) * s), 2));
        QVERIFY(DarkNear(shot, qRound(1050 * s), qRound(350 * s), 2));
        QVERIFY(CountColour(shot, shot.rect(), qRgb(255, 0, 0)) > 0);

        // Scroll sizes: 250 mm x 220 mm in all, half a page, a fiftieth a line.
        QCOMPARE(view.horizontalScrollBar()->maximum(), qMax(0, qRound(2500 * s) - view.viewport()->width()));
        QCOMPARE(view.verticalScrollBar()->pageStep(), qRound(1100 * s));
        QCOMPARE(view.horizontalScrollBar()->singleStep(), qRound(50 * s));

        // A new computation marks the data unscaled; the next paint rescales.
        FillHistogram(doc, 1480, 5, {1, 3, 17});
        view.OnUpdate();
        view.viewport()->grab();
        QCOMPARE(doc.m_bSkaliert, 1);
        QCOMPARE(view.State().xmax, 1490.0);
    }

    void magnifierScrollRangeReachesTheWholeDrawing()
    {
        CKeldoDoc doc(messages);
        FillSaturationGraph(doc);
        CGrafik view(doc);
        view.OnGrafiklupe();
        // Where ink lies on the unscrolled page, from a window that shows it all.
        view.resize(1300, 1100);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QImage page = view.viewport()->grab().toImage();
        const OuterInk outer = FindOuterInk(page);
        const QPoint right = outer.right, bottom = outer.bottom;
        // The right axis title "Porosität(-)" reaches beyond the page of 250 mm.
        QVERIFY(right.x() > qRound(2500 * view.viewport()->logicalDpiX() / 254.0));
        QVERIFY(right.x() < page.width() - 1 && bottom.y() < page.height() - 1);

        for (QSize size : {QSize(300, 200), QSize(640, 480), QSize(880, 560), QSize(960, 900), QSize(1100, 500)}) {
            view.resize(size);
            QApplication::processEvents();
            const QString at = QStringLiteral("%1 x %2").arg(size.width()).arg(size.height());
            // Scrolled as far as the bars go, the outermost ink is on screen.
            for (QPoint ink : {right, bottom}) {
                QScrollBar* h = view.horizontalScrollBar();
                QScrollBar* v = view.verticalScrollBar();
                h->setValue(ink == right ? h->maximum() : ink.x() - view.viewport()->width() / 2);
                v->setValue(ink == bottom ? v->maximum() : ink.y() - view.viewport()->height() / 2);
                const QPoint onScreen = ink - QPoint(h->value(), v->value());
                const QImage shot = view.viewport()->grab().toImage();
                QVERIFY2(shot.rect().contains(onScreen), qPrintable(at));
                QVERIFY2(shot.pixel(onScreen) == page.pixel(ink), qPrintable(at));
            }
        }
    }

    void magnifierTogglesThePlotSize()
    {
        CKeldoDoc doc(messages);
        FillSaturationGraph(doc);
        CGrafik view(doc);
        QSignalSpy spy(&view, &CGrafik::lupeChanged);
        QVERIFY(!view.IsLupeChecked());

        view.OnGrafiklupe();
        QVERIFY(view.IsLupeChecked());
        QVERIFY(view.OnUpdateGrafiklupe());
        QCOMPARE(view.State().breite, 1950);
        QCOMPARE(view.State().hoehe, 1125);
        QCOMPARE(doc.m_bSkaliert, 1);

        view.OnGrafiklupe();
        QVERIFY(!view.IsLupeChecked());
        QCOMPARE(view.State().breite, 1300);
        QCOMPARE(view.State().hoehe, 750);
        QCOMPARE(view.State().ymax, 2.0);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(0).at(0).toBool(), true);
    }
};

QTEST_MAIN(GrafikRenderQTest)
#include "GrafikRenderQTest.moc"
