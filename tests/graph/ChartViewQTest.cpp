#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

#include "ChartFrame.h"
#include "ChartView.h"
#include "ExportedFiles.h"
#include "GraphPixels.h"
#include "RecordingMessageBox.h"

namespace {

keldo::GraphPage MarkerPage()
{
    keldo::ChartFrame frame;
    frame.x = keldo::ChartAxis::Linear(0, 1);
    frame.y = keldo::ChartAxis::Linear(0, 1);
    keldo::GraphPage page;
    frame.Draw(page.list);
    page.list.push_back(
        keldo::GraphPrimitive::Markers({frame.Map(0.5, 0.5)}, 60, keldo::PenKind::Points, keldo::BrushKind::Solid));
    page.extent = frame.Extent();
    page.title = "Kreuzplot";
    return page;
}

} // namespace

// The chart widget shows, prints and exports the same page.
class ChartViewQTest : public QObject {
    Q_OBJECT

    RecordingMessageBox messages;

private slots:
    void showsThePageFittedIntoTheWidget()
    {
        CChartView view(messages);
        view.SetPage(MarkerPage());
        for (QSize size : {QSize(400, 300), QSize(900, 400), QSize(300, 700)}) {
            view.resize(size);
            const QImage image = view.grab().toImage();
            // The marker in the middle of the plot is always on screen.
            QVERIFY2(CountColour(image, image.rect(), qRgb(0, 0, 255)) > 10, qPrintable(QString::number(size.width())));
        }
    }

    void printsToAPdfWithTitleAndCreator()
    {
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("chart.pdf"));
        CChartView view(messages);
        view.SetPage(MarkerPage());
        view.Print(printer);
        const QByteArray pdf = FileBytes(dir.filePath("chart.pdf").toStdString());
        QVERIFY(pdf.startsWith("%PDF"));
        QVERIFY(pdf.contains(PdfText(QStringLiteral("Kreuzplot"))));
        QVERIFY(pdf.contains(PdfText(QStringLiteral("Keldo"))));
        QVERIFY(messages.shown.empty());
    }
};

QTEST_MAIN(ChartViewQTest)
#include "ChartViewQTest.moc"
