// The program's own outputs besides the document and aus.txt: printing into
// a PDF file from the table, the graph and a chart, and the graph export.
// A file size limit at several sizes keeps the old file byte for byte with
// one message naming the file and the reason; a link in the output's place
// is replaced, the file it points at keeps its bytes.
#include <QDir>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "ChartFrame.h"
#include "ChartView.h"
#include "FileSizeLimit.h"
#include "Grafik.h"
#include "GraphExport.h"
#include "KeldoApp.h"
#include "KeldoView.h"
#include "MainFrame.h"
#include "PrintPages.h"
#include "RecordingMessageBox.h"
#include "ShellDocumentHost.h"
#include "ShellTestSupport.h"

namespace {

keldo::GraphPage SmallChart()
{
    keldo::ChartFrame frame;
    frame.x = keldo::ChartAxis::Linear(0, 1);
    frame.y = keldo::ChartAxis::Linear(0, 1);
    keldo::GraphPage page;
    frame.Draw(page.list);
    page.extent = frame.Extent();
    page.title = "Kreuzplot";
    return page;
}

void PrintToFile(const QString& path, const std::function<void(QPrinter&)>& print)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    print(printer);
}

QStringList Entries(const QString& folder) { return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System); }

} // namespace

class ProgramOutputFaultsQTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void initTestCase() { IsolateSettings(dir.filePath("settings")); }

    void aFailedWriteKeepsTheOldFileAndSaysWhy()
    {
        RecordingMessageBox messages;
        CKeldoApp app(&messages);
        app.Host().SetDialogRunner(AcceptWithFullDepthWindow);
        QVERIFY(app.InitInstance({}));
        QVERIFY(app.OpenDocumentFile(SourceFile("examples/gas-well-F-12.kld")));
        CMainFrame& frame = app.MainFrame();
        frame.SwitchView(2);
        CChartView chart(messages);
        chart.SetPage(SmallChart());

        const QString printFailed = QStringLiteral("Der Ausdruck kann nicht in die Datei %1 geschrieben werden.\n%2");
        const QString graphFailed = QStringLiteral("Die Grafik kann nicht in die Datei %1 geschrieben werden.\n%2");
        // Each output: its file name, how the program writes it, the message of a failure.
        const struct {
            const char* file;
            std::function<void(const QString& path)> write;
            QString failure;
        } outputs[] = {
            {"tabelle.pdf",
                [&](const QString& path) { PrintToFile(path, [&](QPrinter& p) { frame.TableView()->Print(p); }); },
                printFailed},
            {"grafik-druck.pdf",
                [&](const QString& path) { PrintToFile(path, [&](QPrinter& p) { frame.GraphView()->Print(p); }); },
                printFailed},
            {"kreuzplot.pdf", [&](const QString& path) { PrintToFile(path, [&](QPrinter& p) { chart.Print(p); }); },
                printFailed},
            {"grafik.svg",
                [&](const QString& path) {
                    std::string error;
                    if (!keldo::ExportGraph(app.Document(), path.toStdString(), error))
                        messages.Show(error);
                },
                graphFailed},
            {"grafik.png",
                [&](const QString& path) {
                    std::string error;
                    if (!keldo::ExportGraph(app.Document(), path.toStdString(), error))
                        messages.Show(error);
                },
                graphFailed},
        };
        for (const auto& output : outputs) {
            QTemporaryDir folder;
            const QString path = folder.filePath(QString::fromLatin1(output.file));
            messages.shown.clear(); // "Berechnung der Saettigung abgeschlossen" of the opening
            output.write(path);
            const qint64 size = FileBytes(path).size();
            QVERIFY2(size > 2 && messages.shown.empty(),
                qPrintable(QStringLiteral("%1: %2 bytes, %3")
                        .arg(QString::fromLatin1(output.file))
                        .arg(size)
                        .arg(QString::fromStdString(messages.shown.empty() ? "" : messages.shown.front()))));

            for (const qint64 limit : {qint64(0), size / 2, size - 1}) {
                const QByteArray old = "alte Ausgabe";
                QFile::remove(path);
                QFile file(path);
                QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
                file.close();
                messages.shown.clear();
                {
                    FileSizeLimit full(static_cast<rlim_t>(limit));
                    QVERIFY(full.active());
                    output.write(path);
                }
                const QString where = QStringLiteral("%1 at %2 bytes").arg(QString::fromLatin1(output.file)).arg(limit);
                QCOMPARE(FileBytes(path), old);
                QVERIFY2(messages.shown.size() == 1, qPrintable(where));
                QCOMPARE(QString::fromStdString(messages.shown.front()),
                    output.failure.arg(path, QStringLiteral("Die Datei ist zu groß.")));
                QCOMPARE(Entries(folder.path()), QStringList{QString::fromLatin1(output.file)});
            }

            // A link in the output's place: replaced, its target untouched.
            messages.shown.clear();
            const QString outside = dir.filePath(QStringLiteral("kostbar-") + QString::fromLatin1(output.file));
            QFile precious(outside);
            QVERIFY(precious.open(QIODevice::WriteOnly) && precious.write("kostbar") == 7);
            precious.close();
            QFile::remove(path);
            QVERIFY(QFile::link(outside, path));
            output.write(path);
            QVERIFY2(messages.shown.empty(), output.file);
            QCOMPARE(FileBytes(outside), QByteArray("kostbar"));
            QVERIFY(!QFileInfo(path).isSymLink());
            QCOMPARE(FileBytes(path).size(), size);
        }
    }

    // A printer set up to print into a file keeps that file's name while it
    // shows a preview: the pages go to the preview, no file is written.
    void aPreviewWritesNoFile()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("druck.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        QPrintPreviewWidget preview(&printer);
        bool written = false;
        connect(&preview, &QPrintPreviewWidget::paintRequested, this, [&](QPrinter* target) {
            std::string error;
            written = keldo::PrintPages(
                *target,
                [&](QPagedPaintDevice& device) {
                    QPainter painter(&device);
                    painter.drawLine(0, 0, 100, 100);
                    return painter.end();
                },
                error);
        });
        preview.show();
        preview.updatePreview();
        QCoreApplication::processEvents();
        QVERIFY(written);
        QCOMPARE(preview.pageCount(), 1);
        QCOMPARE(Entries(folder.path()), QStringList{});
    }
};

QTEST_MAIN(ProgramOutputFaultsQTest)
#include "ProgramOutputFaultsQTest.moc"
