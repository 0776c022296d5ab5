// Where the open and save dialogs start: the folder of the current
// document, else the last folder a file was chosen in, else home.
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include "DlgInput.h"
#include "KeldoApp.h"
#include "MainFrame.h"
#include "RecordingMessageBox.h"
#include "ShellDocumentHost.h"
#include "ShellTestSupport.h"

namespace {

// Notes the folder the next file dialog shows, then cancels it or, given a
// file, chooses that file.
void SeeNextFileDialog(QString& folder, const QString& choose = {}, int attempts = 100)
{
    QTimer::singleShot(30, [&folder, choose, attempts] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            if (attempts > 0)
                SeeNextFileDialog(folder, choose, attempts - 1);
            return;
        }
        folder = dialog->directory().absolutePath();
        if (choose.isEmpty()) {
            dialog->reject();
            return;
        }
        // As a user goes to the folder and types the name.
        dialog->setDirectory(QFileInfo(choose).absolutePath());
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QFileInfo(choose).fileName());
        static_cast<QDialog*>(dialog)->accept(); // as the "Öffnen" button does
    });
}

} // namespace

class FileDialogFolderQTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void initTestCase()
    {
        IsolateSettings(dir.filePath("settings"));
        ClearSettings();
    }

    void dialogsStartAtTheDocumentElseTheLastFolder()
    {
        RecordingMessageBox messages;
        CKeldoApp app(&messages);
        app.Host().SetDialogRunner([](CDlgInputValues&) { return false; });
        QVERIFY(app.InitInstance({}));
        QVERIFY(QDir(dir.path()).mkpath("dokumente") && QDir(dir.path()).mkpath("messwerte"));
        const QString documents = dir.filePath("dokumente"), measurements = dir.filePath("messwerte");
        const QString document = documents + "/F-12.kld";
        QVERIFY(QFile::copy(SourceFile("examples/gas-well-F-12.kld"), document));
        const QString measurementFile = measurements + "/F-12.txt";
        QVERIFY(QFile::copy(SourceFile("examples/F-12-measurements.txt"), measurementFile));

        // The three file dialogs of the program, each cancelled.
        const struct {
            const char* name;
            std::function<void()> run;
        } dialogs[] = {
            {"Öffnen", [&] { app.m_chooseOpenFile(); }},
            {"Speichern unter", [&] { app.OnFileSaveAs(); }},
            {"Datei lesen",
                [&] {
                    DlgInput input(messages, &app.MainFrame());
                    input.FileOpen();
                }},
        };
        const struct {
            const char* situation;
            std::function<void()> before;
            QString expected;
        } rows[] = {
            {"new document, nothing chosen yet", [] {}, QDir::homePath()},
            {"a measurement file was read from another folder",
                [&] {
                    DlgInput input(messages, &app.MainFrame());
                    QString seen;
                    SeeNextFileDialog(seen, measurementFile);
                    messages.answers = {false}; // the depths increase
                    input.FileOpen();
                    QCOMPARE(input.m_Messwerte.size(), std::size_t(304));
                },
                measurements},
            {"a document is open", [&] { QVERIFY(app.OpenDocumentFile(document)); }, documents},
        };
        for (const auto& row : rows) {
            row.before();
            for (const auto& dialog : dialogs) {
                QString folder;
                SeeNextFileDialog(folder);
                dialog.run();
                QVERIFY2(folder == row.expected,
                    qPrintable(QStringLiteral("%1 / %2: %3").arg(row.situation, dialog.name, folder)));
            }
        }
    }
};

QTEST_MAIN(FileDialogFolderQTest)
#include "FileDialogFolderQTest.moc"
