// "Datei → Exportieren → Messwerte als LAS... / als CSV..." and "Ansicht →
// Nettomächtigkeit...": the curves of the computed document into the file
// the user names, byte for byte the curves writer's; refused before a run
// and over the document itself; the net-pay block in its window; and every
// menu keeps its accelerator letters unique.
#include <sstream>

#include <QAction>
#include <QComboBox>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include "BatchRun.h"
#include "BatchStatus.h"
#include "CommandIds.h"
#include "CurvesCsv.h"
#include "CurvesLas.h"
#include "DlgInput.h"
#include "DlgLasImport.h"
#include "KeldoApp.h"
#include "MainFrame.h"
#include "MeasurementCurves.h"
#include "NetPayReport.h"
#include "NetPayWindow.h"
#include "RecordingMessageBox.h"
#include "ShellDocumentHost.h"
#include "ShellTestSupport.h"
#include "WellDataTestFiles.h"

using namespace keldo::cmd;

namespace {

// What the user chooses in the LAS import of "Daten ändern" → "Datei lesen".
struct LasChoice {
    const char* well;      // "15_9-F-12"
    bool survey;           // the well's survey through "Bohrpfad…"
    const char* elevation; // typed into "Bezugshöhe (m)"; nullptr: as the header fills it
    bool shale;            // "Tonanteil" as suggested (VSH); false: "(keine)"
};

// The input dialog as "Daten ändern" shows it, reading the LAS file of
// `choice` (taking its well name) and closed with its values.
bool ReadLasInDialog(CDlgInputValues& values, const LasChoice& choice)
{
    RecordingMessageBox box;
    DlgInput dlg(box);
    dlg.SetValues(values);
    dlg.OnInitDialog();
    dlg.SetFileChooser([&choice](QWidget*) { return VolveWellLas(choice.well); });
    bool seen = false;
    WhenModalDialogOpens<DlgLasImport>([&](DlgLasImport& las) {
        seen = true;
        if (choice.survey) {
            las.SetSurveyChooser([&choice](QWidget*) { return VolveWellSurvey(choice.well); });
            las.OnChooseSurvey();
        }
        if (choice.elevation)
            las.ElevationField()->setText(QString::fromUtf8(choice.elevation));
        QComboBox* shale = las.Chooser(keldo::CurveRole::Shale);
        QVERIFY(shale && shale->currentText().startsWith(QStringLiteral("VSH ("))); // the suggestion
        if (!choice.shale)
            shale->setCurrentIndex(shale->findText(QStringLiteral("(keine)")));
        las.WellNameBox()->setChecked(true);
        las.OnOk();
    });
    dlg.FileOpen();
    dlg.GetValues(values);
    return seen;
}

// keldo-batch on the example document with the same LAS input: its status,
// and its report (with --net-pay).
int RunBatchExport(const LasChoice& choice, std::optional<double> elevation, const std::string& las,
    std::string& report)
{
    keldo::BatchOptions options;
    options.inputs.document = OilExampleDocument();
    options.inputs.lasFile = VolveWellLas(choice.well);
    options.inputs.surveyFile = choice.survey ? VolveWellSurvey(choice.well) : "";
    options.inputs.elevation = elevation;
    options.exportLas = las;
    options.netPay = true;
    std::ostringstream out, messages;
    const int status = keldo::RunBatch(options, out, messages);
    report = out.str();
    return status;
}

// The line of the depth curve in the ~C section of a curves LAS file.
QString DepthCurveLine(const QByteArray& las)
{
    const qsizetype at = las.indexOf("~CURVE");
    const QList<QByteArray> lines = las.mid(at).split('\n');
    return lines.size() > 2 ? QString::fromLatin1(lines[2]).simplified() : QString();
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
        // The example document is never saved over.
        app->m_askSave = [](const std::string&) { return keldo::SaveAnswer::No; };
        QVERIFY(app->InitInstance({}));
        QVERIFY(app->OpenDocumentFile(SourceFile(QStringLiteral("examples/oil-well-F-11A.kld"))));
        app->m_chooseExportFile = [this](const QString&, bool) { return chosen; };
        messages.shown.clear();
    }

    void cleanup() { app.reset(); }

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

    void aNameWithoutExtensionGetsTheFormats()
    {
        const struct {
            int command;
            const char* typed;
            const char* written;
        } cases[] = {
            {ID_MESSWERTE_LAS, "ohne", "ohne.las"},
            {ID_MESSWERTE_CSV, "ohne", "ohne.csv"},
            {ID_MESSWERTE_LAS, "mit.txt", "mit.txt"},
        };
        const CKeldoDoc& doc = app->Document();
        const keldo::MeasurementCurves curves = keldo::ComputeCurves({doc, doc.m_Messwerte});
        for (const auto& c : cases) {
            chosen = out.filePath(QString::fromUtf8(c.typed));
            Command(c.command)->trigger();
            const std::string expected = c.command == ID_MESSWERTE_LAS
                ? keldo::CurvesLasText(curves, keldo::DepthReference::Tvd)
                : keldo::CurvesCsvText(curves, keldo::DepthReference::Tvd);
            QVERIFY2(FileBytes(out.filePath(QString::fromUtf8(c.written))) == QByteArray::fromStdString(expected),
                c.written);
            QVERIFY2(QString::fromUtf8(c.typed) == QString::fromUtf8(c.written) || !QFile::exists(chosen), c.typed);
        }
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

    void lasImportExportsAsTheBatchToolDoes()
    {
        const struct {
            const char* what;
            LasChoice choice;
            std::optional<double> batchElevation; // keldo-batch --elevation; nothing: auto
            bool sameAsBatch; // keldo-batch names every LAS input TVDSS and takes the suggested shale curve
            const char* depthCurve;
        } cases[] = {
            {"F-12, header elevation, VSH", {"15_9-F-12", true, nullptr, true}, std::nullopt, true,
                "TVDSS.M : Vertikale Teufe unter Meeresspiegel TVDSS"},
            {"F-11 B without survey, elevation typed, VSH", {"15_9-F-11_B", false, "54.9", true}, 54.9, true,
                "TVDSS.M : Vertikale Teufe unter Meeresspiegel TVDSS"},
            {"F-11 A, elevation typed, VSH", {"15_9-F-11_A", true, "25", true}, 25.0, true,
                "TVDSS.M : Vertikale Teufe unter Meeresspiegel TVDSS"},
            {"F-12 without shale curve", {"15_9-F-12", true, nullptr, false}, std::nullopt, false,
                "TVDSS.M : Vertikale Teufe unter Meeresspiegel TVDSS"},
            {"F-11 A, elevation 0", {"15_9-F-11_A", true, "0", true}, 0.0, false, "TVD.M : Vertikale Teufe TVD"},
        };
        for (const auto& c : cases) {
            bool seen = false;
            app->Host().SetDialogRunner([&](CDlgInputValues& values) {
                seen = ReadLasInDialog(values, c.choice);
                return true;
            });
            app->OnDataChange();
            QVERIFY2(seen, c.what);
            const CKeldoDoc& doc = app->Document();
            QVERIFY2(doc.LastRunCompleted(), c.what);
            QCOMPARE(doc.m_shaleVolumes.size(), c.choice.shale ? doc.m_Messwerte.size() : size_t(0));

            chosen = out.filePath("program.las");
            messages.shown.clear();
            Command(ID_MESSWERTE_LAS)->trigger();
            QVERIFY2(messages.shown.size() == 1, c.what);
            const QByteArray program = FileBytes(chosen);
            QVERIFY2(DepthCurveLine(program) == QString::fromUtf8(c.depthCurve), qPrintable(DepthCurveLine(program)));
            QVERIFY2(program.contains("VSHCUT") == c.choice.shale, c.what);

            // The net-pay window says whether the shale curve counts.
            Command(ID_NETTOMAECHTIGKEIT)->trigger();
            const QString window = app->NetPayWindow()->Text();
            QVERIFY2(window.contains(QStringLiteral("Ohne Tonanteilkurve")) != c.choice.shale, c.what);

            if (!c.sameAsBatch)
                continue;
            const std::string batchLas = out.filePath("batch.las").toStdString();
            std::string report;
            QCOMPARE(RunBatchExport(c.choice, c.batchElevation, batchLas, report), int(keldo::kBatchCompleted));
            QVERIFY2(program == FileBytes(QString::fromStdString(batchLas)), c.what);
            // Every line of the window's block but the well's stands in the batch report.
            const QStringList block = window.split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(1);
            QVERIFY2(block.size() > 5, c.what);
            for (const QString& line : block)
                QVERIFY2(report.find(line.toStdString()) != std::string::npos, qPrintable(line));
        }

        // Another document opened: its lines are TVD without a shale curve.
        app->Host().SetDialogRunner(AcceptWithFullDepthWindow);
        QVERIFY(app->OpenDocumentFile(SourceFile(QStringLiteral("examples/oil-well-F-11A.kld"))));
        QVERIFY(!app->Document().m_depthsBelowSeaLevel && app->Document().m_shaleVolumes.empty());
        Command(ID_MESSWERTE_LAS)->trigger();
        QCOMPARE(DepthCurveLine(FileBytes(chosen)), QStringLiteral("TVD.M : Vertikale Teufe TVD"));
        QVERIFY(!FileBytes(chosen).contains("VSHCUT"));
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

        // The open window follows "Daten ändern", without "Aktualisieren".
        app->Host().SetDialogRunner([](CDlgInputValues& values) {
            values.m_fCutoff = 0.15f;
            return true;
        });
        app->OnDataChange();
        QVERIFY(window->Text().contains(QStringLiteral("0.1500")));
    }
};

QTEST_MAIN(MeasurementExportQTest)
#include "MeasurementExportQTest.moc"
