#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include "GraphExport.h"
#include "GraphPixels.h"
#include "GraphTestData.h"
#include "LocaleGuard.h"
#include "RecordingMessageBox.h"

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// Saving the graph as PNG, SVG and PDF without a window.
class GraphExportQTest : public QObject {
    Q_OBJECT

    RecordingMessageBox messages;
    QTemporaryDir dir;

    bool Export(CKeldoDoc& doc, const QString& name, std::string& error)
    {
        return keldo::ExportGraph(doc, dir.filePath(name).toStdString(), error);
    }

private slots:
    void pngShowsTheScreenPage()
    {
        CKeldoDoc doc(messages);
        FillSaturationGraph(doc);
        std::string error;
        QVERIFY2(Export(doc, "sw.png", error), error.c_str());
        const QImage image(dir.filePath("sw.png"));
        QVERIFY(!image.isNull());
        // 210 mm x 145 mm at 150 dpi.
        QCOMPARE(image.size(), QSize(1240, 856));
        QCOMPARE(image.pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(image.pixel(1239, 855), qRgb(255, 255, 255));
        const double s = 150 / 254.0;
        QVERIFY(DarkNear(image, qRound(400 * s), qRound(725 * s), 2));
        QVERIFY(DarkNear(image, qRound(1700 * s), qRound(725 * s), 2));
        QVERIFY(CountColour(image, image.rect(), qRgb(255, 0, 0)) > 100);
        QVERIFY(CountColour(image, image.rect(), qRgb(0, 255, 0)) > 100);
        QVERIFY(CountColour(image, image.rect(), qRgb(0, 0, 255)) > 100);
        // The document's scaling mark belongs to the view.
        QCOMPARE(doc.m_bSkaliert, 0);
    }

    void svgAndPdfOfTheHistogram()
    {
        CKeldoDoc doc(messages);
        FillHistogram(doc, 2510, 3, {0, 1, 3, 5, 9, 14, 17, 12, 8, 6, 3, 2, 1, 0, 1});
        std::string error;
        QVERIFY2(Export(doc, "hist.svg", error), error.c_str());
        const QByteArray svg = ReadAll(dir.filePath("hist.svg"));
        QVERIFY(svg.contains("<svg"));
        QVERIFY(svg.contains("viewBox=\"0 0 2100 1450\""));
        QVERIFY(svg.contains(QString("Häufigkeit der GWC-Teufen").toUtf8()));

        QVERIFY2(Export(doc, "Hist.PDF", error), error.c_str());
        const QByteArray pdf = ReadAll(dir.filePath("Hist.PDF"));
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(pdf.count("/Type /Page") - pdf.count("/Type /Pages"), 1);
    }

    void numbersKeepTheirPointUnderAGermanLocale()
    {
        GermanLocale german;
        CKeldoDoc doc(messages);
        FillSaturationGraph(doc);
        std::string error;
        QVERIFY2(Export(doc, "de.svg", error), error.c_str());
        const QByteArray svg = ReadAll(dir.filePath("de.svg"));
        QVERIFY(svg.contains("0.04"));
        QVERIFY(!svg.contains("0,04"));
    }

    void unknownFormatIsRefused()
    {
        CKeldoDoc doc(messages);
        FillSaturationGraph(doc);
        std::string error;
        QVERIFY(!Export(doc, "grafik.bmp", error));
        QVERIFY(QString::fromStdString(error).contains("PNG, SVG oder PDF"));
        QVERIFY(!QFile::exists(dir.filePath("grafik.bmp")));
        error.clear();
        QVERIFY(!Export(doc, "grafik", error));
        QVERIFY(!error.empty());
    }

    void unwritablePlaceIsReported()
    {
        CKeldoDoc doc(messages);
        FillSaturationGraph(doc);
        std::string error;
        QVERIFY(!Export(doc, "fehlt/grafik.png", error));
        QVERIFY(QString::fromStdString(error).contains("kann nicht in die Datei"));
    }

    void directoryInTheWayIsLeftAlone()
    {
        CKeldoDoc doc(messages);
        FillSaturationGraph(doc);
        QVERIFY(QDir(dir.path()).mkdir("ordner.pdf"));
        std::string error;
        QVERIFY(!Export(doc, "ordner.pdf", error));
        QVERIFY(QString::fromStdString(error).contains("ordner.pdf"));
        QVERIFY(QFileInfo(dir.filePath("ordner.pdf")).isDir());
    }
};

QTEST_MAIN(GraphExportQTest)
#include "GraphExportQTest.moc"
