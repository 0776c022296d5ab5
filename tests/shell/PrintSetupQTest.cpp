#include <QApplication>
#include <QPrinter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "CommandIds.h"
#include "Grafik.h"
#include "KeldoApp.h"
#include "MainFrame.h"
#include "RecordingMessageBox.h"
#include "ShellDocumentHost.h"
#include "ShellTestSupport.h"

using namespace keldo::cmd;

namespace {

// Closes the next modal dialog (the print preview) once it has drawn.
void CloseNextDialog(int attempts = 100)
{
    QTimer::singleShot(50, [attempts] {
        if (QWidget* dialog = QApplication::activeModalWidget())
            dialog->close();
        else if (attempts > 0)
            CloseNextDialog(attempts - 1);
    });
}

// The title and size of the next modal dialog, which is then closed.
struct SeenDialog {
    QString title;
    QSize size;
};
void CloseNextDialogSeeing(SeenDialog& seen, int attempts = 100)
{
    QTimer::singleShot(50, [&seen, attempts] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            seen = {dialog->windowTitle(), dialog->size()};
            dialog->close();
        } else if (attempts > 0) {
            CloseNextDialogSeeing(seen, attempts - 1);
        }
    });
}

} // namespace

// The printer chosen with "Druckereinrichtung" is the one every view prints
// on: a landscape sheet set up there gives the landscape graph layout.
class PrintSetupQTest : public QObject {
    Q_OBJECT

    QTemporaryDir settingsDir;
    RecordingMessageBox messages;

private slots:
    void initTestCase() { IsolateSettings(settingsDir.path()); }

    void graphPreviewUsesThePrinterOfThePrintSetup()
    {
        CKeldoApp app(&messages);
        app.Host().SetDialogRunner([](CDlgInputValues&) { return false; });
        QVERIFY(app.InitInstance({}));

        QTemporaryDir out;
        QPrinter landscape(QPrinter::HighResolution);
        landscape.setOutputFormat(QPrinter::PdfFormat);
        landscape.setOutputFileName(out.filePath("quer.pdf"));
        landscape.setPageSize(QPageSize(QPageSize::A4));
        landscape.setPageOrientation(QPageLayout::Landscape);
        // Set up before the graph view exists, as the application does.
        app.MainFrame().SetPrinter(&landscape);

        app.MainFrame().CommandAction(ID_GRAFIK)->trigger();
        CGrafik* graph = app.MainFrame().GraphView();
        QVERIFY(graph);
        QSignalSpy printed(graph, &CGrafik::pagePrinted);
        CloseNextDialog();
        app.MainFrame().CommandAction(ID_FILE_PRINT_PREVIEW)->trigger();
        QVERIFY(printed.count() >= 1);
        QCOMPARE(printed.at(0).at(0).toInt(), 2200);
        QCOMPARE(printed.at(0).at(1).toInt(), 1300);
        QCOMPARE(graph->State().breite, 1300);
        QCOMPARE(graph->State().hoehe, 750);
        app.MainFrame().SetPrinter(nullptr);
    }

    void bothPreviewsAreTitledSeitenansichtAndOpenAlike()
    {
        CKeldoApp app(&messages);
        app.Host().SetDialogRunner([](CDlgInputValues&) { return false; });
        QVERIFY(app.InitInstance({}));
        CMainFrame& frame = app.MainFrame();
        frame.resize(1000, 720);

        SeenDialog views[2];
        for (int view : {VIEW_TABELLE, VIEW_GRAFIK}) {
            frame.SwitchView(view);
            SeenDialog& seen = views[view == VIEW_GRAFIK];
            CloseNextDialogSeeing(seen);
            frame.CommandAction(ID_FILE_PRINT_PREVIEW)->trigger();
            QCOMPARE(seen.title, QStringLiteral("Seitenansicht"));
        }
        QCOMPARE(views[1].size, views[0].size);
        QVERIFY(!views[0].size.isEmpty());
    }
};

QTEST_MAIN(PrintSetupQTest)
#include "PrintSetupQTest.moc"
