// "Feldstudie..." in the program: the window's model is the open document,
// and a well's document opens in the main window.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "CommandIds.h"
#include "FieldStudyWindow.h"
#include "FieldSummaryModel.h"
#include "KeldoApp.h"
#include "MainFrame.h"
#include "RecordingMessageBox.h"
#include "ShellDocumentHost.h"
#include "ShellTestSupport.h"
#include "WellReportWindow.h"

using namespace keldo::cmd;

class FieldStudyMenuQTest : public QObject {
    Q_OBJECT

    QTemporaryDir settingsDir;
    RecordingMessageBox messages;
    std::unique_ptr<CKeldoApp> app;

private slots:
    void initTestCase() { IsolateSettings(settingsDir.path()); }

    void init()
    {
        ClearSettings();
        messages = RecordingMessageBox();
        app = std::make_unique<CKeldoApp>(&messages);
        app->Host().SetDialogRunner(AcceptWithFullDepthWindow);
        QVERIFY(app->InitInstance({}));
        QVERIFY(app->OpenDocumentFile(SourceFile(QStringLiteral("examples/oil-well-F-11A.kld"))));
    }

    void cleanup() { app.reset(); }

    void theFileMenuOpensTheWindowOnTheOpenDocument()
    {
        QAction* command = app->MainFrame().CommandAction(ID_FELDSTUDIE);
        QVERIFY(command);
        QCOMPARE(command->text(), QStringLiteral("Fe&ldstudie..."));
        QVERIFY(command->statusTip().startsWith(QStringLiteral("Rechnet viele Bohrungen")));
        QVERIFY(app->MainFrame().menuBar()->actions().first()->menu()->actions().contains(command));

        command->trigger();
        CFieldStudyWindow* window = app->FieldStudyWindow();
        QVERIFY(window && window->isVisible());
        QVERIFY(window->ModelLabel()->text().endsWith(QStringLiteral("oil-well-F-11A.kld")));
        command->trigger(); // the same window again
        QCOMPARE(app->FieldStudyWindow(), window);
    }

    // The model is the document as it stands, saved or not: a contact
    // changed in the program is the LAS well's assumed contact.
    void theModelIsTheDocumentAsItStands()
    {
        app->Document().m_fKontakt = 3100.0f;
        app->OnFeldstudie();
        CFieldStudyWindow* window = app->FieldStudyWindow();
        window->AddFiles(
            {SourceFile(QStringLiteral("examples/volve/las/15_9-F-11_A_WLC_PETRO_COMPUTED_OUTPUT_1.LAS"))});
        QSignalSpy finished(window, &CFieldStudyWindow::runFinished);
        window->Start();
        QVERIFY(finished.wait(60000));
        const auto& outcome = window->Outcomes().at(0);
        QCOMPARE(outcome->summary.status, keldo::WellStatus::Completed);
        QCOMPARE(outcome->summary.contact, 3100.0f);
    }

    // "Dokument öffnen" in a well's reports opens it in the main window.
    void aWellsDocumentOpensInTheMainWindow()
    {
        app->OnFeldstudie();
        CFieldStudyWindow* window = app->FieldStudyWindow();
        window->AddFiles({SourceFile(QStringLiteral("examples/gas-well-F-12.kld"))});
        QSignalSpy finished(window, &CFieldStudyWindow::runFinished);
        window->Start();
        QVERIFY(finished.wait(60000));
        window->OpenReport(0);
        auto* reports = window->findChild<CWellReportWindow*>();
        QVERIFY(reports);
        for (QPushButton* button : reports->findChildren<QPushButton*>())
            if (button->text() == QStringLiteral("&Dokument öffnen"))
                button->click();
        QTRY_COMPARE(app->Document().GetTitle(), std::string("gas-well-F-12.kld"));
    }
};

QTEST_MAIN(FieldStudyMenuQTest)
#include "FieldStudyMenuQTest.moc"
