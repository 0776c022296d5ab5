// PDFs of the program name the document, its well and the program: printed
// to a file from either view, or exported from the graph.
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "Grafik.h"
#include "GraphExport.h"
#include "KeldoApp.h"
#include "KeldoView.h"
#include "MainFrame.h"
#include "RecordingMessageBox.h"
#include "ShellDocumentHost.h"
#include "ShellTestSupport.h"

namespace {

// A text entry of the PDF's document information ("/Title (...)"): a
// literal string with backslash escapes, UTF-16 when it starts with a byte
// order mark.
QString PdfInfoText(const QByteArray& pdf, const QByteArray& key)
{
    const qsizetype start = pdf.indexOf("/" + key + " (");
    if (start < 0)
        return QStringLiteral("<no /%1>").arg(QString::fromLatin1(key));
    QByteArray raw;
    for (qsizetype i = start + key.size() + 3; i < pdf.size() && pdf[i] != ')'; ++i) {
        if (pdf[i] == '\\' && i + 1 < pdf.size())
            ++i;
        raw += pdf[i];
    }
    if (!raw.startsWith("\xfe\xff"))
        return QString::fromLatin1(raw);
    QString text;
    for (qsizetype i = 2; i + 1 < raw.size(); i += 2)
        text += QChar(char16_t((uchar(raw[i]) << 8) | uchar(raw[i + 1])));
    return text;
}

bool PrintToPdf(const QString& path, const std::function<void(QPrinter&)>& print)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    print(printer);
    return QFile::exists(path);
}

} // namespace

class PrintedPdfQTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void initTestCase() { IsolateSettings(dir.filePath("settings")); }

    void everyPdfCarriesTitleWellAndCreator()
    {
        RecordingMessageBox messages;
        CKeldoApp app(&messages);
        app.Host().SetDialogRunner(AcceptWithFullDepthWindow);
        QVERIFY(app.InitInstance({}));
        QVERIFY(app.OpenDocumentFile(SourceFile("examples/gas-well-F-12.kld")));
        CMainFrame& frame = app.MainFrame();
        frame.SwitchView(2);

        const struct {
            const char* what;
            std::function<bool(const QString& path)> write;
        } outputs[] = {
            {"table printed",
                [&](const QString& path) {
                    return PrintToPdf(path, [&](QPrinter& p) { frame.TableView()->Print(p); });
                }},
            {"graph printed",
                [&](const QString& path) {
                    return PrintToPdf(path, [&](QPrinter& p) { frame.GraphView()->Print(p); });
                }},
            {"graph exported",
                [&](const QString& path) {
                    std::string error;
                    return keldo::ExportGraph(app.Document(), path.toStdString(), error);
                }},
        };
        for (const auto& output : outputs) {
            const QString path = dir.filePath(QString::fromLatin1(output.what) + ".pdf");
            QVERIFY2(output.write(path), output.what);
            const QByteArray pdf = FileBytes(path);
            QCOMPARE(PdfInfoText(pdf, "Title"), QStringLiteral("gas-well-F-12.kld - 15/9-F-12 Hugin, Gasfall"));
            QCOMPARE(PdfInfoText(pdf, "Creator"), QStringLiteral("Keldo"));
        }
    }
};

QTEST_MAIN(PrintedPdfQTest)
#include "PrintedPdfQTest.moc"
