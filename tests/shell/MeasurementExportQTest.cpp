// "Datei → Exportieren → Messwerte als LAS... / als CSV..." and "Ansicht →
// Nettomächtigkeit...": the curves of the computed document into the file
// the user names, byte for byte the curves writer's; refused before a run
// and over the document itself; the net-pay block in its window; and every
// menu keeps its accelerator letters unique.
#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>

#include "CommandIds.h"
#include "CurvesCsv.h"
#include "CurvesLas.h"
#include "KeldoApp.h"
#include "MainFrame.h"
#include "MeasurementCurves.h"
#include "NetPayReport.h"
#include "NetPayWindow.h"
#include "RecordingMessageBox.h"
#include "ShellDocumentHost.h"
#include "ShellTestSupport.h"

using namespace keldo::cmd;

namespace {

// The letters after '&' of the items of `menu` and, recursively, its submenus'.
void CheckUniqueAccelerators(QMenu* menu)
{
    QSet<QChar> letters;
    for (QAction* item : menu->actions()) {
        if (item->menu())
            CheckUniqueAccelerators(item->menu());
        const qsizetype amp = item->text().indexOf(QLatin1Char('&'));
        if (amp < 0 || amp + 1 >= item->text().size())
            continue;
        const QChar letter = item->text().at(amp + 1).toLower();
        QVERIFY2(!letters.contains(letter), qPrintable(menu->title() + ": " + item->text()));
        letters.insert(letter);
    }
}

} // namespace

class MeasurementExportQTest : public QObject {
    Q_OBJECT

    QTemporaryDir settingsDir;
    QTemporaryDir out;
    RecordingMessageBox messages;
    std::unique_ptr<CKeldoApp> app;
    QString chosen;

    QAction* Command(int id) { return app->MainFrame().CommandAction(id); }

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
        app->m_chooseExportFile = [this](const QString&, bool) { return chosen; };
        messages.shown.clear();
    }

    void cleanup() { app.reset(); }

    void menusKeepTheirAcceleratorsUnique()
    {
        QCOMPARE(Command(ID_MESSWERTE_LAS)->text(), QStringLiteral("Messwerte als &LAS..."));
        QCOMPARE(Command(ID_MESSWERTE_CSV)->text(), QStringLiteral("Messwerte als &CSV..."));
        QCOMPARE(Command(ID_NETTOMAECHTIGKEIT)->text(), QStringLiteral("&Nettomächtigkeit..."));
        for (QAction* popup : app->MainFrame().menuBar()->actions())
            CheckUniqueAccelerators(popup->menu());
    }

    void exportsAreTheCurvesOfTheComputedDocument_data()
    {
        QTest::addColumn<int>("command");
        QTest::newRow("LAS") << int(ID_MESSWERTE_LAS);
        QTest::newRow("CSV") << int(ID_MESSWERTE_CSV);
    }
    void exportsAreTheCurvesOfTheComputedDocument()
    {
        QFETCH(int, command);
        const bool las = command == ID_MESSWERTE_LAS;
        chosen = out.filePath(las ? "f11a.las" : "f11a.csv");
        Command(command)->trigger();
        const CKeldoDoc& doc = app->Document();
        const keldo::MeasurementCurves curves = keldo::ComputeCurves({doc, doc.m_Messwerte});
        const std::string expected = las ? keldo::CurvesLasText(curves, keldo::DepthReference::Tvd)
                                         : keldo::CurvesCsvText(curves, keldo::DepthReference::Tvd);
        QVERIFY(FileBytes(chosen) == QByteArray::fromStdString(expected));
        QCOMPARE(messages.shown.size(), size_t(1));
        QCOMPARE(messages.shown.front(),
            std::to_string(curves.rows.size()) + " Messwerte sind in die Datei " + chosen.toStdString() + " geschrieben.");
    }

    void exportIsRefusedBeforeARunAndOverTheDocument()
    {
        const struct {
            const char* name;
            bool computed;
            QString file;
            const char* message;
        } cases[] = {
            {"not computed", false, out.filePath("a.las"), "erst nach einer vollständigen Berechnung"},
            {"over the document", true, SourceFile(QStringLiteral("examples/oil-well-F-11A.kld")),
                "würden das Dokument"},
            {"into no folder", true, out.filePath("kein/a.las"), "können nicht in die Datei"},
        };
        for (const auto& c : cases) {
            messages.shown.clear();
            app->Document().m_bGeaendert = c.computed ? 0 : 1;
            chosen = c.file;
            const QByteArray before = FileBytes(c.file);
            Command(ID_MESSWERTE_LAS)->trigger();
            QVERIFY2(messages.shown.size() == 1 && messages.shown.front().find(c.message) != std::string::npos,
                c.name);
            QVERIFY2(FileBytes(c.file) == before, c.name);
        }
    }

    void netPayWindowShowsTheBlock()
    {
        Command(ID_NETTOMAECHTIGKEIT)->trigger();
        CNetPayWindow* window = app->NetPayWindow();
        QVERIFY(window && window->isVisible());
        const CKeldoDoc& doc = app->Document();
        const keldo::MeasurementCurves curves = keldo::ComputeCurves({doc, doc.m_Messwerte});
        for (const std::string& line : keldo::NetPayLines(keldo::ComputeNetPay(curves.rows), curves.cutoffs, false))
            QVERIFY2(window->Text().contains(QString::fromStdString(line)), line.c_str());
        // A changed cut-off shows on refreshing.
        app->Document().m_fCutoff = 0.2f;
        Command(ID_NETTOMAECHTIGKEIT)->trigger();
        QCOMPARE(app->NetPayWindow(), window);
        QVERIFY(window->Text().contains(QStringLiteral("0.2000")));
    }
};

QTEST_MAIN(MeasurementExportQTest)
#include "MeasurementExportQTest.moc"
