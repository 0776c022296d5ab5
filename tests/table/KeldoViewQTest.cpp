#include <QFile>
#include <QFontInfo>
#include <QPrinter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include "KeldoView.h"
#include "RecordingMessageBox.h"

namespace {

void FillReport(CKeldoDoc& doc, int lines)
{
    doc.m_Ergebnisse.clear();
    for (int i = 0; i < lines; ++i)
        doc.m_Ergebnisse.push_back("Zeile " + std::to_string(i + 1));
}

// Pages of a PDF written by Qt: one "/Type /Page" object per page (the page
// tree is "/Type /Pages").
int PdfPageCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    QByteArray bytes = file.readAll();
    return static_cast<int>(bytes.count("/Type /Page\n") + bytes.count("/Type /Page ") + bytes.count("/Type /Page/"));
}

} // namespace

class KeldoViewQTest : public QObject {
    Q_OBJECT

    RecordingMessageBox messages;
    QTemporaryDir dir;

    int PrintToPdf(CKeldoDoc& doc, const QString& name, int from = 0, int to = 0)
    {
        CKeldoView view(doc);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        QString path = dir.filePath(name);
        printer.setOutputFileName(path);
        if (from > 0) {
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(from, to);
        }
        if (!view.Print(printer))
            return -1;
        return PdfPageCount(path);
    }

private slots:
    void screenFontIsMonospacedAndAFifthOfAnInchHigh()
    {
        CKeldoDoc doc(messages);
        CKeldoView view(doc);
        QFont font = CKeldoView::ScreenFont(*view.viewport());
        QVERIFY(QFontInfo(font).fixedPitch());
        int cell = (22 * view.viewport()->logicalDpiY() + 50) / 100;
        QVERIFY2(view.RowHeight() <= cell && view.RowHeight() >= cell - 3,
            qPrintable(QString("row %1, cell %2").arg(view.RowHeight()).arg(cell)));
        QCOMPARE(QFontMetrics(font).horizontalAdvance('W'), view.MarginWidth());
    }

    void scrollRangeFollowsTheReport()
    {
        CKeldoDoc doc(messages);
        CKeldoView view(doc);
        view.resize(500, 400);
        view.show();
        view.OnInitialUpdate();
        QCOMPARE(view.verticalScrollBar()->maximum(), 0);

        FillReport(doc, 10000); // far beyond the rows a fixed 1000-inch range shows
        view.OnUpdate();
        const int height = view.viewport()->height();
        QCOMPARE(view.verticalScrollBar()->maximum(), 10000 * view.RowHeight() - height);

        FillReport(doc, 3);
        view.OnUpdate();
        QCOMPARE(view.verticalScrollBar()->maximum(), 0);
    }

    void homeAndEndGoToTheFirstAndTheLastLine()
    {
        CKeldoDoc doc(messages);
        FillReport(doc, 500);
        CKeldoView view(doc);
        view.resize(500, 400);
        view.show();
        view.OnInitialUpdate();
        QScrollBar* rows = view.verticalScrollBar();
        const struct {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            bool toLastLine;
        } keys[] = {
            {Qt::Key_End, Qt::NoModifier, true},
            {Qt::Key_Home, Qt::NoModifier, false},
            {Qt::Key_End, Qt::ControlModifier, true},
            {Qt::Key_Home, Qt::ControlModifier, false},
        };
        for (const auto& k : keys) {
            rows->setValue(rows->maximum() / 2);
            QTest::keyClick(&view, k.key, k.modifiers);
            if (k.toLastLine) {
                // Line 500 stands at the bottom of the window.
                QCOMPARE(rows->value() + view.viewport()->height(), 500 * view.RowHeight());
            } else {
                QCOMPARE(rows->value(), 0);
            }
        }
    }

    void paintingDrawsOnlyTheVisibleRows()
    {
        CKeldoDoc doc(messages);
        FillReport(doc, 1000000);
        CKeldoView view(doc);
        view.resize(500, 400);
        view.show();
        view.OnInitialUpdate();
        const int visible = view.viewport()->height() / view.RowHeight() + 2;

        view.viewport()->grab();
        QVERIFY(view.LastPaintedRows() > 0);
        QVERIFY(view.LastPaintedRows() <= visible);

        // The very last row can be reached and is painted.
        view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
        view.viewport()->grab();
        QVERIFY(view.LastPaintedRows() > 0);
        QVERIFY(view.LastPaintedRows() <= visible);
        const int lastTop = (1000000 - 1) * view.RowHeight() - view.verticalScrollBar()->value();
        QVERIFY(lastTop >= 0 && lastTop + view.RowHeight() <= view.viewport()->height());
    }

    void emptyReportPrintsOnePageWithTheHeader()
    {
        CKeldoDoc doc(messages);
        doc.OnNewDocument();
        CKeldoView view(doc);
        QCOMPARE(view.OnPreparePrinting(), 1);
        QCOMPARE(PrintToPdf(doc, "leer.pdf"), 1);
    }

    void longReportPrintsTheAnnouncedPages()
    {
        CKeldoDoc doc(messages);
        FillReport(doc, 130);
        CKeldoView view(doc);
        QCOMPARE(view.OnPreparePrinting(), 3);
        QCOMPARE(PrintToPdf(doc, "lang.pdf"), 3);
        QCOMPARE(view.m_nZeilenProSeite, 0); // only set while printing

        CKeldoView printed(doc);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("state.pdf"));
        QVERIFY(printed.Print(printer));
        QCOMPARE(printed.m_nSeite, 3);
        QCOMPARE(printed.m_nZeilenProSeite, 50);
        QVERIFY(!printed.m_rectDruck.isEmpty());
    }

    void pageRangeOfThePrintDialogIsHonoured()
    {
        CKeldoDoc doc(messages);
        FillReport(doc, 130);
        QCOMPARE(PrintToPdf(doc, "seite2.pdf", 2, 2), 1);
        QCOMPARE(PrintToPdf(doc, "seiten2-9.pdf", 2, 9), 2);
    }
};

QTEST_MAIN(KeldoViewQTest)
#include "KeldoViewQTest.moc"
