#include <algorithm>

#include <QAction>
#include <QDir>
#include <QMimeData>
#include <QPrinter>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "CommandIds.h"
#include "Grafik.h"
#include "KeldoApp.h"
#include "KeldoView.h"
#include "MainFrame.h"
#include "RecordingMessageBox.h"
#include "ShellDocumentHost.h"
#include "ShellTestSupport.h"

using namespace keldo::cmd;

namespace {

int PdfPageCount(const QString& path)
{
    QByteArray bytes = FileBytes(path);
    return static_cast<int>(bytes.count("/Type /Page\n") + bytes.count("/Type /Page ") + bytes.count("/Type /Page/"));
}

} // namespace

// Opening, saving, the question to save, the recent-file list and the
// results file, driven through the main window.
class DocumentFlowQTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    RecordingMessageBox messages;
    std::unique_ptr<CKeldoApp> app;
    QString example;

    CKeldoDoc& Doc() { return app->Document(); }
    CMainFrame& Frame() { return app->MainFrame(); }
    QAction* Command(int id) { return Frame().CommandAction(id); }

    QString CopyOfExample(const QString& name)
    {
        QString path = dir.filePath(name);
        QFile::remove(path);
        QFile::copy(example, path);
        return path;
    }

private slots:
    void initTestCase()
    {
        IsolateSettings(dir.filePath("settings"));
        example = SourceFile("examples/gas-well-F-12.kld");
        QVERIFY2(QFile::exists(example), qPrintable(example));
    }

    void init()
    {
        ClearSettings();
        messages = RecordingMessageBox();
        app = std::make_unique<CKeldoApp>(&messages);
        app->Host().SetDialogRunner([](CDlgInputValues&) { return false; });
        app->m_chooseOpenFile = [] { return QString(); };
        app->m_chooseSaveFile = [](const QString&) { return QString(); };
        QVERIFY(app->InitInstance({}));
    }

    void cleanup() { app.reset(); }

    void openRunsTheDialogAndOkComputesIntoTheTable()
    {
        // The real input dialog, answered with its OK button.
        app->Host().SetDialogRunner({});
        PressOkWhenDialogOpens();
        QVERIFY(app->OpenDocumentFile(example));

        QVERIFY(Doc().m_Ergebnisse.size() > 20);
        QCOMPARE(Doc().m_bGeaendert, 0); // the run completed
        QVERIFY(Doc().m_MaxWerte > 0);
        // The framework's rule: a document just opened is unmodified, also
        // when its dialog ran a computation.
        QVERIFY(!Doc().IsModified());
        QCOMPARE(Frame().windowTitle(), QStringLiteral("gas-well-F-12.kld - Keldo"));

        CKeldoView* table = Frame().TableView();
        QVERIFY(table->verticalScrollBar()->maximum() > 0);
        table->viewport()->grab();
        QVERIFY(table->LastPaintedRows() > 0);
    }

    void okWithoutEditsKeepsTheDeepestMeasurement()
    {
        // The dialog shows Max. Teufe 2959.795 as "2959.79"; read back as
        // typed, the window would end above the deepest row.
        app->Host().SetDialogRunner({});
        PressOkWhenDialogOpens();
        QVERIFY(app->OpenDocumentFile(example));
        QCOMPARE(Doc().m_fMaxTeufe, 2959.795f);
        const auto& report = Doc().m_Ergebnisse;
        QVERIFY(std::any_of(
            report.begin(), report.end(), [](const std::string& line) { return line.rfind("  2959.8 ", 0) == 0; }));
    }

    void cancelledDialogAfterOpenKeepsTheFileValues()
    {
        QString path = CopyOfExample("abbrechen.kld");
        QVERIFY(app->OpenDocumentFile(path));
        QVERIFY(Doc().m_Ergebnisse.empty());
        QVERIFY(!Doc().m_Messwerte.empty());
        QCOMPARE(QString::fromStdString(Doc().GetPathName()), QFileInfo(path).absoluteFilePath());
    }

    void saveThenReopenGivesTheSameBytes()
    {
        QVERIFY(app->OpenDocumentFile(example));
        QString saved = dir.filePath("kopie"); // the extension is added
        app->m_chooseSaveFile = [&saved](const QString& suggestion) {
            // The suggestion is the document's own file.
            return suggestion.endsWith(QStringLiteral("gas-well-F-12.kld")) ? saved : QString();
        };
        Command(ID_FILE_SAVE_AS)->trigger();
        QCOMPARE(Frame().windowTitle(), QStringLiteral("kopie.kld - Keldo"));
        QCOMPARE(FileBytes(saved + ".kld"), FileBytes(example));

        QVERIFY(app->OpenDocumentFile(saved + ".kld"));
        QString again = dir.filePath("nochmal.kld");
        app->m_chooseSaveFile = [&again](const QString&) { return again; };
        QVERIFY(app->OnFileSaveAs());
        QCOMPARE(FileBytes(again), FileBytes(example));
        QVERIFY(messages.shown.empty());
    }

    void saveWritesToTheDocumentsOwnFile()
    {
        QString path = CopyOfExample("eigen.kld");
        QVERIFY(app->OpenDocumentFile(path));
        Doc().m_strBohrung = "Umbenannt";
        Doc().SetModifiedFlag(true);
        Command(ID_FILE_SAVE)->trigger();
        QVERIFY(!Doc().IsModified());
        QVERIFY(FileBytes(path) != FileBytes(example));
        QVERIFY(FileBytes(path).contains("Umbenannt"));
    }

    void failedSaveKeepsTheDocumentModified()
    {
        Doc().SetModifiedFlag(true);
        app->m_chooseSaveFile = [this](const QString&) { return dir.filePath("fehlt/ordner/datei.kld"); };
        QVERIFY(!app->OnFileSave());
        QCOMPARE(messages.shown.size(), std::size_t(1));
        QVERIFY(Doc().IsModified());
        QCOMPARE(Frame().windowTitle(), QStringLiteral("Unbenannt - Keldo"));
    }

    void unreadableFileLeavesANewDocument()
    {
        QVERIFY(app->OpenDocumentFile(example));
        QString broken = dir.filePath("kaputt.kld");
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\x05Keldo");
        file.close();

        QVERIFY(!app->OpenDocumentFile(broken));
        QCOMPARE(messages.shown.size(), std::size_t(1));
        QVERIFY(!messages.shown[0].empty());
        QCOMPARE(Doc().GetTitle(), std::string("Unbenannt"));
        QVERIFY(Doc().GetPathName().empty());
        QCOMPARE(Doc().m_strBohrung, std::string("Name der Bohrung"));
        QCOMPARE(Frame().windowTitle(), QStringLiteral("Unbenannt - Keldo"));
        QVERIFY(!app->RecentFiles().Files().contains(QFileInfo(broken).absoluteFilePath()));
    }

    void modifiedDocumentIsOfferedForSaving()
    {
        Doc().SetModifiedFlag(true);
        std::vector<std::string> questions;
        keldo::SaveAnswer answer = keldo::SaveAnswer::Cancel;
        app->m_askSave = [&](const std::string& question) {
            questions.push_back(question);
            return answer;
        };

        // Called off: nothing is opened, the window stays.
        QVERIFY(!app->OpenDocumentFile(example));
        QCOMPARE(Doc().GetTitle(), std::string("Unbenannt"));
        QVERIFY(!Frame().close());
        QCOMPARE(questions.size(), std::size_t(2));
        QCOMPARE(questions[0], std::string("Änderungen in Unbenannt speichern?"));

        // "Nein": the changes are given up and the file opens.
        answer = keldo::SaveAnswer::No;
        QVERIFY(app->OpenDocumentFile(example));
        QCOMPARE(questions.size(), std::size_t(3));

        // "Ja" before "Neu": saved first, then the dialog of "Neu".
        Doc().SetModifiedFlag(true);
        QString target = CopyOfExample("vor-neu.kld");
        Doc().SetPathName(target.toStdString());
        Doc().m_strBohrung = "Vor Neu";
        answer = keldo::SaveAnswer::Yes;
        int dialogs = 0;
        app->Host().SetDialogRunner([&dialogs](CDlgInputValues&) { return ++dialogs, false; });
        Command(ID_FILE_NEW)->trigger();
        QCOMPARE(dialogs, 1);
        QVERIFY(FileBytes(target).contains("Vor Neu"));

        // An unmodified document closes without a question.
        QVERIFY(Frame().close());
        QCOMPARE(questions.size(), std::size_t(4));
    }

    void recentFilesKeepTheLastFour()
    {
        QStringList opened;
        for (int i = 1; i <= 5; ++i) {
            opened.prepend(QFileInfo(CopyOfExample(QStringLiteral("brunnen%1.kld").arg(i))).absoluteFilePath());
            QVERIFY(app->OpenDocumentFile(opened.first()));
        }
        QCOMPARE(app->RecentFiles().Files(), opened.mid(0, 4));
        QSettings settings(QStringLiteral("Local AppWizard-Generated Applications"), QStringLiteral("Keldo"));
        QCOMPARE(settings.value("Recent File List/File1").toString(), opened[0]);
        QCOMPARE(settings.value("Recent File List/File4").toString(), opened[3]);

        // Reopening an entry moves it to the top; the menu entry opens it.
        QAction* entry = nullptr;
        for (QAction* item : Frame().findChildren<QAction*>())
            if (item->data().toInt() == ID_FILE_MRU_FILE1 + 2)
                entry = item;
        QVERIFY(entry);
        QVERIFY(entry->text().startsWith(QStringLiteral("&3 ")));
        entry->trigger();
        QCOMPARE(QString::fromStdString(Doc().GetPathName()), opened[2]);
        QCOMPARE(app->RecentFiles().Files().first(), opened[2]);

        // A fresh start reads the list back.
        app.reset();
        app = std::make_unique<CKeldoApp>(&messages);
        app->InitInstance({});
        QCOMPARE(app->RecentFiles().Files().first(), opened[2]);
    }

    void fileOnTheCommandLineIsOpened()
    {
        app.reset();
        app = std::make_unique<CKeldoApp>(&messages);
        int dialogs = 0;
        app->Host().SetDialogRunner([&dialogs](CDlgInputValues&) { return ++dialogs, false; });
        QVERIFY(app->InitInstance({example}));
        QCOMPARE(dialogs, 1);
        QCOMPARE(Frame().windowTitle(), QStringLiteral("gas-well-F-12.kld - Keldo"));
    }

    void droppedFileIsOpened()
    {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(example)});
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&Frame(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&Frame(), &drop);
        QTRY_COMPARE(Frame().windowTitle(), QStringLiteral("gas-well-F-12.kld - Keldo"));
        QVERIFY(!Doc().m_Messwerte.empty());
    }

    void resultsFileRoundTrip()
    {
        QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        app->Host().SetDialogRunner(AcceptWithFullDepthWindow);
        QVERIFY(app->OpenDocumentFile(example));
        const std::size_t n = Doc().m_Ergebnisse.size();
        QVERIFY(n > 0);
        messages.shown.clear();

        Command(ID_ERGEBNISSE_AUSGEBEN)->trigger();
        Command(ID_ERGEBNISSE_EINLESEN)->trigger();
        QDir::setCurrent(previous);

        QCOMPARE(Doc().m_Ergebnisse.size(), n + 1);
        QCOMPARE(Doc().m_Ergebnisse.front(), std::string("gas-well-F-12.kld"));
        QCOMPARE(messages.shown.size(), std::size_t(2));
        QCOMPARE(messages.shown[0], std::string("Die Detailergebnisse sind in die Datei aus.txt geschrieben!"));
        QCOMPARE(messages.shown[1], std::to_string(n + 1) + " Zeilen wurden eingelesen");
        QVERIFY(!Doc().IsModified());
    }

    void bothViewsPrintToPdf()
    {
        app->Host().SetDialogRunner(AcceptWithFullDepthWindow);
        QVERIFY(app->OpenDocumentFile(example));
        const int pages = Frame().TableView()->OnPreparePrinting();
        QCOMPARE(pages, static_cast<int>((Doc().m_Ergebnisse.size() + 49) / 50));

        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("tabelle.pdf"));
        QVERIFY(Frame().TableView()->Print(printer));
        QCOMPARE(PdfPageCount(dir.filePath("tabelle.pdf")), pages);

        Command(ID_GRAFIK)->trigger();
        QPrinter graphPrinter(QPrinter::HighResolution);
        graphPrinter.setOutputFormat(QPrinter::PdfFormat);
        graphPrinter.setOutputFileName(dir.filePath("grafik.pdf"));
        Frame().GraphView()->Print(graphPrinter);
        QCOMPARE(PdfPageCount(dir.filePath("grafik.pdf")), 1);
    }

    void emptyReportAnnouncesOnePage()
    {
        QVERIFY(Doc().m_Ergebnisse.empty());
        QCOMPARE(Frame().TableView()->OnPreparePrinting(), 1);
    }
};

QTEST_MAIN(DocumentFlowQTest)
#include "DocumentFlowQTest.moc"
