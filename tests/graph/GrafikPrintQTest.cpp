#include <QApplication>
#include <QFile>
#include <QPrinter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "Grafik.h"
#include "GraphTestData.h"
#include "RecordingMessageBox.h"

namespace {

int PdfPageCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray pdf = file.readAll();
    return int(pdf.count("/Type /Page")) - int(pdf.count("/Type /Pages"));
}

// Closes the next modal dialog as a user pressing Cancel would.
void CancelNextDialog()
{
    QTimer::singleShot(200, [] {
        if (QWidget* dialog = QApplication::activeModalWidget())
            dialog->close();
    });
}

} // namespace

// Printing the graph: one page in the print layout, then the screen layout.
class GrafikPrintQTest : public QObject {
    Q_OBJECT

    RecordingMessageBox messages;
    QTemporaryDir dir;

    void PrintToPdf(CGrafik& view, const QString& name, QPageLayout::Orientation orientation)
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(name));
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(orientation);
        view.Print(printer);
    }

    void VerifyScreenLayout(const CGrafik& view, int breite = 1300, int hoehe = 750)
    {
        QCOMPARE(view.State().m_bPrint, 0);
        QCOMPARE(view.State().m_bHochformat, 1);
        QCOMPARE(view.State().breite, breite);
        QCOMPARE(view.State().hoehe, hoehe);
    }

private slots:
    void portraitPageThenScreenAgain()
    {
        CKeldoDoc doc(messages);
        FillSaturationGraph(doc);
        CGrafik view(doc);
        QSignalSpy printed(&view, &CGrafik::pagePrinted);
        PrintToPdf(view, "hoch.pdf", QPageLayout::Portrait);
        QCOMPARE(printed.count(), 1);
        QCOMPARE(printed.at(0).at(0).toInt(), 1300);
        QCOMPARE(printed.at(0).at(1).toInt(), 2100);
        QCOMPARE(PdfPageCount(dir.filePath("hoch.pdf")), 1);
        QCOMPARE(doc.m_bSkaliert, 1); // rescaled on the way, as on screen
        VerifyScreenLayout(view);
        // The page points belong to the screen again.
        QCOMPARE(view.State().m_Punkte1[0].y, keldo::Trunc32(750 * double(doc.m_Y[0]) / 2.0 - 750));
    }

    void landscapePageThenScreenAgain()
    {
        CKeldoDoc doc(messages);
        FillHistogram(doc, 1480, 5, {1, 3, 17, 9, 4, 1, 2});
        CGrafik view(doc);
        QSignalSpy printed(&view, &CGrafik::pagePrinted);
        PrintToPdf(view, "quer.pdf", QPageLayout::Landscape);
        QCOMPARE(printed.count(), 1);
        QCOMPARE(printed.at(0).at(0).toInt(), 2200);
        QCOMPARE(printed.at(0).at(1).toInt(), 1300);
        QCOMPARE(PdfPageCount(dir.filePath("quer.pdf")), 1);
        VerifyScreenLayout(view);
        QCOMPARE(view.State().m_Punkte1[6].x, 1300);
    }

    void magnifierSurvivesPrinting()
    {
        CKeldoDoc doc(messages);
        FillSaturationGraph(doc);
        CGrafik view(doc);
        view.OnGrafiklupe();
        PrintToPdf(view, "lupe.pdf", QPageLayout::Portrait);
        VerifyScreenLayout(view, 1950, 1125);
        QVERIFY(view.IsLupeChecked());
    }

    void cancelledPrintDialogKeepsTheScreenLayout()
    {
        CKeldoDoc doc(messages);
        FillSaturationGraph(doc);
        CGrafik view(doc);
        view.show();
        QSignalSpy printed(&view, &CGrafik::pagePrinted);
        CancelNextDialog();
        view.FilePrint();
        QCOMPARE(printed.count(), 0);
        VerifyScreenLayout(view);
        // A rescale now must still give the screen sizes.
        doc.m_bSkaliert = 0;
        view.viewport()->grab();
        VerifyScreenLayout(view);
    }

    void previewDrawsThePageAndReturnsToTheScreen()
    {
        CKeldoDoc doc(messages);
        FillSaturationGraph(doc);
        CGrafik view(doc);
        view.show();
        QSignalSpy printed(&view, &CGrafik::pagePrinted);
        CancelNextDialog();
        view.FilePrintPreview();
        QVERIFY(printed.count() >= 1);
        QCOMPARE(printed.at(0).at(1).toInt(), 2100);
        VerifyScreenLayout(view);
    }
};

QTEST_MAIN(GrafikPrintQTest)
#include "GrafikPrintQTest.moc"
