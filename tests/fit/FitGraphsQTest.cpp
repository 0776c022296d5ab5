#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "ContactFit.h"
#include "FitGraphs.h"
#include "GraphPixels.h"
#include "PageExport.h"
#include "PhiKFit.h"
#include "VolveTable.h"

namespace {

// The Phi-K cross plot of 15/9-F-12 (PHIF, KLOGH, 2850 to 2960 m TVDSS).
keldo::GraphPage VolveCrossPlot()
{
    std::string error;
    const auto selection = keldo::SelectPhiKPairs(ReadVolveTable(error), 2850, 2960);
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

// Dark pixels in the rows above the plot (titles) and in the columns left
// of it (tick labels, the y axis label), at the PNG's 150 dpi.
int DarkPixels(const QImage& image, QRect area)
{
    int count = 0;
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += IsDark(image.pixel(x, y));
    return count;
}

struct Colour {
    QRgb rgb;
    int atLeast;
    const char* what;
};

struct PageCase {
    const char* file;
    std::function<keldo::GraphPage()> make;
    const char* title;
    std::vector<const char*> texts;
    std::vector<Colour> colours;
};

} // namespace

// The fit pages saved as PNG, SVG and PDF, as the user gets them.
class FitGraphsQTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void pagesShowDataAndLabelsInEveryFileType()
    {
        const PageCase cases[] = {
            {"phik", VolveCrossPlot, "Phi-K-Korrelation: 15/9-F-12",
                {"Porosität PHI (-)", "Permeabilität K (mD)", "log(K) =-4.37812 +42.8346*PHI -85.1207*PHI*PHI"},
                {{qRgb(0, 0, 255), 2000, "1215 blue points"}, {qRgb(255, 0, 0), 300, "the red curve"}}},
            {"kontakt", ValleyMisfitGraph, "Anpassung des Gas-Wasser-Kontaktes: 15/9-F-12",
                {"Kontakt TVD (m)", "RMS von Sw (-)", "2893.46 m"},
                {{qRgb(0, 0, 255), 300, "the blue scan"}, {qRgb(190, 215, 245), 500, "the shaded band"},
                    {qRgb(255, 0, 0), 100, "the red contact"}}},
        };
        for (const PageCase& c : cases) {
            const keldo::GraphPage page = c.make();
            const QString base = dir.filePath(c.file);
            std::string error;
            for (const char* suffix : {".png", ".svg", ".pdf"})
                QVERIFY2(keldo::ExportPage(page, (base + suffix).toStdString(), error), error.c_str());

            const QImage image(base + ".png");
            QVERIFY(!image.isNull());
            for (const Colour& colour : c.colours)
                QVERIFY2(CountColour(image, image.rect(), colour.rgb) > colour.atLeast, colour.what);
            const double s = 150 / 254.0;
            QVERIFY2(DarkPixels(image, QRect(0, 0, image.width(), qRound(380 * s))) > 1000, c.file);
            QVERIFY2(DarkPixels(image, QRect(0, 0, qRound(400 * s), image.height())) > 500, c.file);

            const QString svg = QString::fromUtf8(ReadAll(base + ".svg"));
            QVERIFY2(svg.contains(QString("<title>%1</title>").arg(QString::fromUtf8(c.title))), c.file);
            for (const char* text : c.texts)
                QVERIFY2(svg.contains(QString::fromUtf8(text)), text);

            const QByteArray pdf = ReadAll(base + ".pdf");
            QVERIFY(pdf.startsWith("%PDF"));
            QVERIFY2(pdf.contains(Utf16(QString::fromUtf8(c.title))), c.file);
        }
    }
};

QTEST_MAIN(FitGraphsQTest)
#include "FitGraphsQTest.moc"
