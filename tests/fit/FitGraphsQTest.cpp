#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <cstdlib>
#include <string>

#include "ContactFit.h"
#include "CoreTable.h"
#include "FitGraphs.h"
#include "GraphPixels.h"
#include "PageExport.h"
#include "PhiKFit.h"

namespace {

// The Phi-K cross plot of 15/9-F-12 (PHIF, KLOGH, 2850 to 2960 m TVDSS).
keldo::GraphPage VolveCrossPlot()
{
    std::vector<keldo::PhiKSample> samples;
    std::string error;
    const std::string path
        = std::string(std::getenv("KELDO_SOURCE_DIR")) + "/tests/data/volve/klogh/15_9-F-12_phif_klogh.txt";
    if (!keldo::ReadCoreTable(path, samples, error))
        qFatal("%s", error.c_str());
    const auto selection = keldo::SelectPhiKPairs(samples, 2850, 2960);
    return keldo::PhiKCrossPlot(selection, keldo::FitPhiK(selection, 2), "15/9-F-12");
}

// RMS against contact for a valley at 2893.46 m.
keldo::GraphPage ValleyMisfitGraph()
{
    const auto fit = keldo::FitContact(
        [](float c) {
            return keldo::ContactMisfit{std::sqrt(0.0025 + 4e-5 * (c - 2893.46) * (c - 2893.46)), 242};
        },
        2850, 3150);
    return keldo::ContactMisfitGraph(fit, 0, "15/9-F-12");
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// PDF text strings are UTF-16 with a byte-order mark.
QByteArray Utf16(const QString& text)
{
    QByteArray bytes("\xFE\xFF", 2);
    for (const QChar c : text)
        bytes.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
    return bytes;
}

} // namespace

// The fit pages saved as PNG, SVG and PDF, as the user gets them.
class FitGraphsQTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void crossPlotShowsPointsCurveAndLabels()
    {
        const keldo::GraphPage page = VolveCrossPlot();
        std::string error;
        QVERIFY2(keldo::ExportPage(page, dir.filePath("phik.png").toStdString(), error), error.c_str());
        const QImage image(dir.filePath("phik.png"));
        QVERIFY(!image.isNull());
        // 1215 blue points and the red curve through them.
        QVERIFY(CountColour(image, image.rect(), qRgb(0, 0, 255)) > 2000);
        QVERIFY(CountColour(image, image.rect(), qRgb(255, 0, 0)) > 300);
        // Dark text above the plot (title, subtitle, formula) and left of it
        // (tick labels and the y axis label).
        const double s = 150 / 254.0;
        int titlePixels = 0, leftPixels = 0;
        for (int y = 0; y < qRound(380 * s); ++y)
            for (int x = 0; x < image.width(); ++x)
                titlePixels += IsDark(image.pixel(x, y));
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < qRound(400 * s); ++x)
                leftPixels += IsDark(image.pixel(x, y));
        QVERIFY(titlePixels > 1000);
        QVERIFY(leftPixels > 500);

        QVERIFY2(keldo::ExportPage(page, dir.filePath("phik.svg").toStdString(), error), error.c_str());
        const QString svg = QString::fromUtf8(ReadAll(dir.filePath("phik.svg")));
        QVERIFY(svg.contains("<title>Phi-K-Korrelation: 15/9-F-12</title>"));
        for (const char* text :
            {"Porosität PHI (-)", "Permeabilität K (mD)", "log(K) =-4.37812 +42.8346*PHI -85.1207*PHI*PHI"})
            QVERIFY2(svg.contains(QString::fromUtf8(text)), text);
        QVERIFY2(keldo::ExportPage(page, dir.filePath("phik.pdf").toStdString(), error), error.c_str());
        const QByteArray pdf = ReadAll(dir.filePath("phik.pdf"));
        QVERIFY(pdf.startsWith("%PDF"));
        QVERIFY(pdf.contains(Utf16("Phi-K-Korrelation: 15/9-F-12")));
    }

    void misfitGraphShowsCurveBandAndContact()
    {
        const keldo::GraphPage page = ValleyMisfitGraph();
        std::string error;
        QVERIFY2(keldo::ExportPage(page, dir.filePath("kontakt.png").toStdString(), error), error.c_str());
        const QImage image(dir.filePath("kontakt.png"));
        QVERIFY(!image.isNull());
        QVERIFY(CountColour(image, image.rect(), qRgb(0, 0, 255)) > 300);     // the scan
        QVERIFY(CountColour(image, image.rect(), qRgb(190, 215, 245)) > 500); // the band
        QVERIFY(CountColour(image, image.rect(), qRgb(255, 0, 0)) > 100);     // the contact

        QVERIFY2(keldo::ExportPage(page, dir.filePath("kontakt.svg").toStdString(), error), error.c_str());
        const QString svg = QString::fromUtf8(ReadAll(dir.filePath("kontakt.svg")));
        QVERIFY(svg.contains("<title>Anpassung des Gas-Wasser-Kontaktes: 15/9-F-12</title>"));
        for (const char* text : {"Kontakt TVD (m)", "RMS von Sw (-)", "2893.46 m"})
            QVERIFY2(svg.contains(QString::fromUtf8(text)), text);
        QVERIFY2(keldo::ExportPage(page, dir.filePath("kontakt.pdf").toStdString(), error), error.c_str());
        const QByteArray pdf = ReadAll(dir.filePath("kontakt.pdf"));
        QVERIFY(pdf.startsWith("%PDF"));
        QVERIFY(pdf.contains(Utf16("Anpassung des Gas-Wasser-Kontaktes: 15/9-F-12")));
    }
};

QTEST_MAIN(FitGraphsQTest)
#include "FitGraphsQTest.moc"
