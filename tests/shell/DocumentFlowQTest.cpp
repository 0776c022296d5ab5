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
#include "DocumentFile.h"
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

// How the input dialog that follows opening is answered, and whether the
// document then counts as modified: exactly when what the file stores
// changed.
struct DialogAnswer {
    const char* name;
    void (*change)(CDlgInputValues&);
    bool ok;
    bool modified;
};

const DialogAnswer kDialogAnswers[] = {
    {"OK without a change", [](CDlgInputValues&) {}, true, false},
    {"OK with only what the file does not store",
        [](CDlgInputValues& v) {
            v.m_fMinTeufe += 1;
            v.m_fCutoff = 0.1f;
            v.m_nModus = 1;
            v.m_bDetail = 1;
            v.m_bDruckabhaengig = 0;
            v.m_bWarnungen = 1;
        },
        true, false},
    {"OK with a new well name", [](CDlgInputValues& v) { v.m_strBohrung += " neu"; }, true, true},
    {"OK with a new contact depth", [](CDlgInputValues& v) { v.m_fKontakt += 0.5f; }, true, true},
    {"OK with a new contact angle", [](CDlgInputValues& v) { v.m_fKontaktwinkel += 1; }, true, true},
    {"OK with the other fluid", [](CDlgInputValues& v) { v.m_nFluid = 1 - v.m_nFluid; }, true, true},
    {"OK with other measurements", [](CDlgInputValues& v) { v.m_Messwerte.pop_back(); }, true, true},
    {"Cancel after a change", [](CDlgInputValues& v) { v.m_strBohrung += " neu"; }, false, false},
};

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
        // OK without a change to what the file stores leaves the document
        // unmodified, although the new depth window made it compute.
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

    void failedOpenKeepsTheDocument_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("modified");     // the current document, not saved when asked
        QTest::addColumn<bool>("inRecentList"); // opened before, chosen again from the list
        const QByteArray damaged("\x05Keldo");
        QTest::newRow("damaged") << true << damaged << false << false;
        QTest::newRow("truncated, modified") << true << FileBytes(example).left(40) << true << false;
        QTest::newRow("empty") << true << QByteArray() << false << false;
        QTest::newRow("missing") << false << QByteArray() << false << false;
        QTest::newRow("damaged since, from the recent list") << true << damaged << false << true;
        QTest::newRow("gone since, from the recent list, modified") << false << QByteArray() << true << true;
    }

    void failedOpenKeepsTheDocument()
    {
        QFETCH(bool, exists);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, modified);
        QFETCH(bool, inRecentList);
        const QString bad = QFileInfo(CopyOfExample("kaputt.kld")).absoluteFilePath();
        app->Host().SetDialogRunner(AcceptWithFullDepthWindow);
        if (inRecentList)
            QVERIFY(app->OpenDocumentFile(bad));
        // A document that has been worked on: opened, computed, changed.
        QVERIFY(app->OpenDocumentFile(CopyOfExample("eigen.kld")));
        Doc().m_strBohrung = "Bearbeitet";
        Doc().SetModifiedFlag(modified);
        QFile::remove(bad);
        if (exists) {
            QFile file(bad);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        const std::string stored = keldo::SerializeDocument(Doc());
        const auto report = Doc().m_Ergebnisse;
        const std::string path = Doc().GetPathName();
        const QString caption = Frame().windowTitle();
        const QStringList recent = app->RecentFiles().Files();
        QCOMPARE(recent.contains(bad), inRecentList);
        int dialogs = 0;
        app->Host().SetDialogRunner([&dialogs](CDlgInputValues&) { return ++dialogs, false; });
        app->m_askSave = [](const std::string&) { return keldo::SaveAnswer::No; };
        messages.shown.clear();

        QVERIFY(!app->OpenDocumentFile(bad));
        QCOMPARE(messages.shown.size(), std::size_t(1));
        QVERIFY(
            messages.shown[0].starts_with("Das Dokument \"" + bad.toStdString() + "\" kann nicht geöffnet werden.\n"));
        QCOMPARE(dialogs, 0);
        QVERIFY(keldo::SerializeDocument(Doc()) == stored); // inputs and measurements
        QCOMPARE(Doc().m_strBohrung, std::string("Bearbeitet"));
        QVERIFY(Doc().m_Ergebnisse == report);
        QCOMPARE(Doc().GetPathName(), path);
        QCOMPARE(Doc().IsModified(), modified);
        QCOMPARE(Frame().windowTitle(), caption);
        QCOMPARE(app->RecentFiles().Files(), recent);
    }

    void okAfterOpeningMarksWhatTheFileStores_data()
    {
        QTest::addColumn<int>("row");
        for (std::size_t i = 0; i < std::size(kDialogAnswers); ++i)
            QTest::newRow(kDialogAnswers[i].name) << static_cast<int>(i);
    }

    void okAfterOpeningMarksWhatTheFileStores()
    {
        QFETCH(int, row);
        const DialogAnswer& answer = kDialogAnswers[row];
        app->Host().SetDialogRunner([&answer](CDlgInputValues& values) {
            AcceptWithFullDepthWindow(values);
            answer.change(values);
            return answer.ok;
        });
        QVERIFY(app->OpenDocumentFile(CopyOfExample("geaendert.kld")));
        QCOMPARE(Doc().IsModified(), answer.modified);
        // A modified document asks before it is given up.
        bool asked = false;
        app->m_askSave = [&asked](const std::string&) { return asked = true, keldo::SaveAnswer::No; };
        QVERIFY(Frame().close());
        QCOMPARE(asked, answer.modified);
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

    void readingResultsReplacesTheReport_data()
    {
        QTest::addColumn<QString>("kind"); // what "aus.txt" is
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("lines");
        QTest::newRow("missing") << "none" << QByteArray() << 0;
        QTest::newRow("a folder") << "folder" << QByteArray() << 0;
        QTest::newRow("empty") << "file" << QByteArray() << 0;
        QTest::newRow("three lines") << "file" << QByteArray("Titel\r\n  Zeile 1\r\n  Zeile 2\r\n") << 3;
    }

    void readingResultsReplacesTheReport()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, content);
        QFETCH(int, lines);
        QTemporaryDir folder;
        const QString aus = folder.filePath(QStringLiteral("aus.txt"));
        if (kind == "folder")
            QVERIFY(QDir().mkdir(aus));
        if (kind == "file") {
            QFile file(aus);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        Doc().m_Ergebnisse = {"alte Zeile"};
        Doc().m_Messwerte = {"  2500.000      0.20000     0.30000"};
        const QString previous = QDir::currentPath();
        QDir::setCurrent(folder.path());
        Command(ID_ERGEBNISSE_EINLESEN)->trigger();
        QDir::setCurrent(previous);

        QCOMPARE(Doc().m_Ergebnisse.size(), std::size_t(lines));
        QCOMPARE(messages.shown, std::vector<std::string>{std::to_string(lines) + " Zeilen wurden eingelesen"});
        QCOMPARE(Doc().m_Messwerte.size(), std::size_t(1));
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
