#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolBar>
#include <QtTest>

#include "AboutDlg.h"
#include "CommandIds.h"
#include "Grafik.h"
#include "HelpWindow.h"
#include "KeldoApp.h"
#include "KeldoView.h"
#include "MainFrame.h"
#include "RecordingMessageBox.h"
#include "ShellDocumentHost.h"
#include "ShellTestSupport.h"

using namespace keldo::cmd;

class MainFrameQTest : public QObject {
    Q_OBJECT

    QTemporaryDir settingsDir;
    RecordingMessageBox messages;
    std::unique_ptr<CKeldoApp> app;

    CMainFrame& Frame() { return app->MainFrame(); }
    QAction* Command(int id) { return Frame().CommandAction(id); }

    void ActivateFrame()
    {
        Frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&Frame()));
    }

private slots:
    void initTestCase() { IsolateSettings(settingsDir.path()); }

    void init()
    {
        messages = RecordingMessageBox();
        app = std::make_unique<CKeldoApp>(&messages);
        app->Host().SetDialogRunner([](CDlgInputValues&) { return false; });
        QVERIFY(app->InitInstance({}));
    }

    void cleanup() { app.reset(); }

    void startsWithTheTableOfANewDocument()
    {
        QCOMPARE(Frame().windowTitle(), QStringLiteral("Unbenannt - Keldo"));
        QVERIFY(Command(ID_GRAFIK)->isEnabled());
        QVERIFY(!Command(ID_TABELLE)->isEnabled());
        QVERIFY(!Command(ID_GRAFIKLUPE)->isEnabled());
        QVERIFY(Frame().GraphView() == nullptr);
        QCOMPARE(Frame().ActiveView(), static_cast<QWidget*>(Frame().TableView()));
        QCOMPARE(Frame().MessagePane()->text(), QStringLiteral("Bereit"));
        QCOMPARE(app->Document().m_strBohrung, std::string("Name der Bohrung"));
        QVERIFY(messages.shown.empty());
    }

    void menusCarryTheirTextsAndAccelerators()
    {
        QStringList popups;
        for (QAction* popup : Frame().menuBar()->actions())
            popups << popup->text();
        QCOMPARE(popups, (QStringList{"&Datei", "&Bearbeiten", "&Ansicht", "&?"}));

        QCOMPARE(Command(ID_FILE_NEW)->text(), QStringLiteral("&Neu\tStrg+N"));
        QCOMPARE(Command(ID_FILE_OPEN)->text(), QStringLiteral("Ö&ffnen...\tStrg+O"));
        QCOMPARE(Command(ID_APP_ABOUT)->text(), QStringLiteral("Inf&o über Keldo..."));
        QCOMPARE(Command(ID_FILE_NEW)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
        QCOMPARE(Command(ID_FILE_PRINT)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
        QCOMPARE(Command(ID_HILFE)->shortcut(), QKeySequence(Qt::Key_F1));
        QCOMPARE(Command(ID_DATEN_AENDERN)->shortcut(), QKeySequence(Qt::Key_F2));
        QCOMPARE(Command(ID_GRAFIK)->shortcut(), QKeySequence(Qt::Key_F3));
        QCOMPARE(Command(ID_TABELLE)->shortcut(), QKeySequence(Qt::Key_F4));

        // "Letzte Datei" stands grayed while the recent-file list is empty.
        QAction* placeholder = nullptr;
        for (QAction* item : Frame().menuBar()->actions().first()->menu()->actions())
            if (item->text() == QStringLiteral("Letzte Datei"))
                placeholder = item;
        QVERIFY(placeholder && !placeholder->isEnabled());
    }

    void toolBarHoldsNineButtonsWithTheirTips()
    {
        auto* toolBar = Frame().findChild<QToolBar*>();
        QVERIFY(toolBar);
        QList<int> ids;
        QStringList tips;
        for (QAction* action : toolBar->actions()) {
            ids << action->data().toInt();
            tips << action->toolTip();
            QVERIFY(!action->icon().isNull());
        }
        QCOMPARE(ids,
            (QList<int>{ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_GRAFIK, ID_TABELLE, ID_DATEN_AENDERN, ID_GRAFIKLUPE,
                ID_FILE_PRINT, ID_APP_ABOUT}));
        QCOMPARE(tips,
            (QStringList{
                "Neu", "Öffnen", "Speichern", "Grafik", "Tabelle", "Daten ändern", "Grafik lupe", "Drucken", "Info"}));
    }

    void statusBarShowsThePromptOfACommand()
    {
        Command(ID_GRAFIK)->showStatusText(&Frame());
        QCOMPARE(Frame().statusBar()->currentMessage(), QStringLiteral("Zeigt die Ergebnisse als Grafik an "));
        Command(ID_ERGEBNISSE_AUSGEBEN)->showStatusText(&Frame());
        QCOMPARE(Frame().statusBar()->currentMessage(), QStringLiteral("Schreibt die Ergebnisse in die Datei AUS.TXT"));
        // "Ergebnisse einlesen" has no prompt: the idle text comes back.
        Command(ID_ERGEBNISSE_EINLESEN)->showStatusText(&Frame());
        QCOMPARE(Frame().statusBar()->currentMessage(), QString());
        QCOMPARE(Frame().MessagePane()->text(), QStringLiteral("Bereit"));

        QStringList indicators;
        for (auto* label : Frame().statusBar()->findChildren<QLabel*>())
            if (label != Frame().MessagePane())
                indicators << label->text();
        QCOMPARE(indicators, (QStringList{"UF", "NUM", "RF"}));
    }

    void switchingViewsCreatesTheGraphOnce()
    {
        Command(ID_GRAFIK)->trigger();
        QVERIFY(Frame().IsGraphActive());
        CGrafik* graph = Frame().GraphView();
        QVERIFY(graph && graph->isVisible());
        QVERIFY(!Frame().TableView()->isVisible());
        QVERIFY(!Command(ID_GRAFIK)->isEnabled());
        QVERIFY(Command(ID_TABELLE)->isEnabled());
        QVERIFY(Command(ID_GRAFIKLUPE)->isEnabled());

        Command(ID_TABELLE)->trigger();
        QVERIFY(!Frame().IsGraphActive());
        QVERIFY(Frame().TableView()->isVisible());
        QVERIFY(!Command(ID_GRAFIKLUPE)->isEnabled());

        Command(ID_GRAFIK)->trigger();
        QCOMPARE(Frame().GraphView(), graph);
        QCOMPARE(Frame().findChildren<CGrafik*>().size(), 1);
        QCOMPARE(Frame().findChildren<CKeldoView*>().size(), 1);
    }

    void magnifierIsCheckedWhileOn()
    {
        Command(ID_GRAFIK)->trigger();
        Command(ID_GRAFIKLUPE)->trigger();
        QVERIFY(Frame().GraphView()->IsLupeChecked());
        QVERIFY(Command(ID_GRAFIKLUPE)->isChecked());
        Command(ID_TABELLE)->trigger();
        QVERIFY(!Command(ID_GRAFIKLUPE)->isChecked());
        QVERIFY(!Command(ID_GRAFIKLUPE)->isEnabled());
    }

    void disabledViewKeysDoNothing()
    {
        ActivateFrame();
        QTest::keyClick(&Frame(), Qt::Key_F3);
        QVERIFY(Frame().IsGraphActive());
        CGrafik* graph = Frame().GraphView();

        // F3 again while the graph shows: the command is disabled.
        QTest::keyClick(&Frame(), Qt::Key_F3);
        QVERIFY(Frame().IsGraphActive());
        QCOMPARE(Frame().GraphView(), graph);

        QTest::keyClick(&Frame(), Qt::Key_F4);
        QVERIFY(!Frame().IsGraphActive());
        QTest::keyClick(&Frame(), Qt::Key_F4);
        QVERIFY(!Frame().IsGraphActive());
        QTest::keyClick(&Frame(), Qt::Key_F3);
        QVERIFY(Frame().IsGraphActive());
        QCOMPARE(Frame().findChildren<CGrafik*>().size(), 1);
    }

    void contextMenuOffersSixCommandsInEitherView()
    {
        for (int view : {VIEW_TABELLE, VIEW_GRAFIK}) {
            Frame().SwitchView(view);
            auto* area = static_cast<QAbstractScrollArea*>(Frame().ActiveView());
            QPoint local(40, 40);
            QContextMenuEvent event(QContextMenuEvent::Mouse, local, area->viewport()->mapToGlobal(local));
            QApplication::sendEvent(area->viewport(), &event);

            QMenu* menu = Frame().ContextMenu();
            QTRY_VERIFY(menu->isVisible());
            QCOMPARE(menu->title(), QStringLiteral("Kontextmenü"));
            QStringList texts;
            QList<int> ids;
            for (QAction* item : menu->actions()) {
                texts << item->text();
                ids << item->data().toInt();
            }
            QCOMPARE(texts,
                (QStringList{
                    "Daten ändern", "Datei neu", "Datei öffnen", "Datei speichern unter", "Grafik", "Tabelle"}));
            QCOMPARE(
                ids, (QList<int>{ID_DATEN_AENDERN, ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE_AS, ID_GRAFIK, ID_TABELLE}));
            QCOMPARE(menu->actions()[4]->isEnabled(), view == VIEW_TABELLE);
            QCOMPARE(menu->actions()[5]->isEnabled(), view == VIEW_GRAFIK);
            menu->close();
        }
        // Its "Tabelle" switches like the menu command.
        Frame().ContextMenu()->actions()[5]->trigger();
        QVERIFY(!Frame().IsGraphActive());
        Frame().ContextMenu()->actions()[5]->trigger(); // disabled in the table: nothing happens
        QVERIFY(!Frame().IsGraphActive());
    }

    void ctrlNOpensTheDialogWithResetInputs()
    {
        CKeldoDoc& doc = app->Document();
        doc.m_strBohrung = "Alte Bohrung";
        doc.m_fCutoff = 0.2f;
        doc.m_nModus = 1;
        doc.m_Messwerte = {"  2500.000      0.20000     0.30000"};
        std::vector<CDlgInputValues> shown;
        app->Host().SetDialogRunner([&shown](CDlgInputValues& values) {
            shown.push_back(values);
            return false;
        });
        ActivateFrame();
        QTest::keyClick(&Frame(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(shown.size(), std::size_t(1));
        QCOMPARE(shown[0].m_strBohrung, std::string("Name der Bohrung"));
        QCOMPARE(shown[0].m_fCutoff, 0.06f);
        QCOMPARE(shown[0].m_nModus, 0);
        // The measurements stay and are shown with the reset inputs.
        QCOMPARE(shown[0].m_Messwerte, doc.m_Messwerte);
        QVERIFY(!doc.IsModified());
    }

    void helpShowsTheBundledPage()
    {
        Command(ID_HILFE)->trigger();
        auto* help = Frame().findChild<CHelpWindow*>();
        QVERIFY(help && help->isVisible());
        QString text = help->Browser()->toPlainText();
        QVERIFY(text.contains(QStringLiteral("Wassersättigung")));
        QVERIFY(text.contains(QStringLiteral("aus.txt")));
        QVERIFY(messages.shown.empty());
    }

    void missingHelpIsReported()
    {
        Frame().SetHelpSource(settingsDir.filePath("fehlt.html"));
        Command(ID_HILFE)->trigger();
        QCOMPARE(messages.shown, (std::vector<std::string>{"Onlinehilfe nicht gefunden!"}));
        QVERIFY(!Frame().findChild<CHelpWindow*>());
    }

    void aboutBoxNamesProgramAndMaker()
    {
        CAboutDlg about(&Frame());
        QCOMPARE(about.windowTitle(), QStringLiteral("Info über Keldo"));
        auto* version = about.findChild<QLabel*>(QStringLiteral("Version"));
        QVERIFY(version);
        QCOMPARE(version->text(), QStringLiteral("Keldo, Version 2.0"));
        QCOMPARE(about.findChildren<QLabel*>(QStringLiteral("Maker")).size(), 5);
    }

    void toolBarAndStatusBarCanBeHidden()
    {
        Command(ID_VIEW_TOOLBAR)->trigger();
        QVERIFY(Frame().findChild<QToolBar*>()->isHidden());
        Command(ID_VIEW_STATUS_BAR)->trigger();
        QVERIFY(Frame().statusBar()->isHidden());
        Command(ID_VIEW_TOOLBAR)->trigger();
        QVERIFY(!Frame().findChild<QToolBar*>()->isHidden());
    }
};

QTEST_MAIN(MainFrameQTest)
#include "MainFrameQTest.moc"
