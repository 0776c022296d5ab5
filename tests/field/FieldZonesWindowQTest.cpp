// The field window's net pay, tops and zones, and its chart at the window's
// size: the tables hold what keldo-field writes, the export writes its
// zones.csv and netpay.csv, the chart fills its tab with readable labels.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <sstream>

#include "CsvFields.h"
#include "DocumentFile.h"
#include "FieldChartView.h"
#include "FieldCommand.h"
#include "FieldOutputFiles.h"
#include "FieldStudyWindow.h"
#include "FormationTops.h"
#include "QtFieldGraphExport.h"
#include "RecordingMessageBox.h"
#include "ScratchFolder.h"
#include "TopsField.h"
#include "WellDataTestFiles.h"

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

// The rows of a table view as lines of a CSV file, its headings left out.
QStringList TableLines(const QTableView* view)
{
    const QAbstractItemModel* model = view->model();
    QStringList lines;
    for (int row = 0; row < model->rowCount(); ++row) {
        std::string line;
        for (int column = 0; column < model->columnCount(); ++column)
            line += (column > 0 ? "," : "") + keldo::CsvField(model->index(row, column).data().toString().toStdString());
        lines << Q(line);
    }
    return lines;
}

// The lines of a CSV file after its header.
QStringList FileRows(const QByteArray& bytes)
{
    QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (!lines.isEmpty())
        lines.removeFirst();
    return lines;
}

int Boxes(const keldo::GraphPage& page)
{
    int boxes = 0;
    for (const keldo::GraphPrimitive& p : page.list)
        boxes += p.kind == keldo::GraphPrimitive::Kind::Rectangle && p.brush == keldo::BrushKind::Shade
            && p.points[0].y <= 0;
    return boxes;
}

} // namespace

class FieldZonesWindowQTest : public QObject {
    Q_OBJECT

    RecordingMessageBox messages;
    std::unique_ptr<CKeldoDoc> model;
    std::unique_ptr<CFieldStudyWindow> window;

    CFieldStudyWindow& NewWindow()
    {
        window = std::make_unique<CFieldStudyWindow>(messages, [this] { return keldo::TemplateOfDocument(*model); });
        window->show();
        return *window;
    }
    bool RunToEnd(CFieldStudyWindow& w)
    {
        QSignalSpy finished(&w, &CFieldStudyWindow::runFinished);
        w.Start();
        return finished.count() > 0 || finished.wait(60000);
    }

private slots:
    void init()
    {
        messages.shown.clear();
        model = std::make_unique<CKeldoDoc>(messages);
        QVERIFY(keldo::LoadDocument(OilExampleDocument(), *model));
    }
    void cleanup() { window.reset(); }

    // The Volve field with and without examples/volve-tops.csv: the net-pay
    // tab shows netpay.csv's rows, the zone tab zones.csv's, and the
    // window's export writes both byte for byte as keldo-field does; the
    // chart's choice of zones has one box per zone with contacts.
    void tablesAndExportAreThoseOfKeldoField_data()
    {
        QTest::addColumn<QString>("tops");
        QTest::addColumn<int>("zoneRows"); // zones.csv of keldo-field --tops examples/volve-tops.csv
        QTest::newRow("ohne Formationsgrenzen") << QString() << 0;
        QTest::newRow("mit Formationsgrenzen") << Q(ExampleFile("volve-tops.csv")) << 6;
    }
    void tablesAndExportAreThoseOfKeldoField()
    {
        QFETCH(QString, tops);
        QFETCH(int, zoneRows);
        QTemporaryDir dir;
        CFieldStudyWindow& w = NewWindow();
        QVERIFY(w.OpenFieldFile(Q(ExampleFile("volve-field.csv"))));
        w.TopsField()->SetPath(tops);
        QVERIFY(RunToEnd(w));
        QVERIFY(w.Export(dir.filePath(QStringLiteral("fenster"))));
        QVERIFY2(messages.shown.empty(), messages.shown.empty() ? "" : messages.shown.front().c_str());

        keldo::FieldOptions options;
        options.fieldFile = ExampleFile("volve-field.csv");
        options.templateFile = OilExampleDocument();
        options.topsFile = tops.toStdString();
        options.outDir = dir.filePath(QStringLiteral("werkzeug")).toStdString();
        std::ostringstream progress;
        QCOMPARE(keldo::RunFieldCommand(options, progress, keldo::QtFieldGraphExport()), int(keldo::kFieldCompleted));
        const auto shown = OutputFiles(dir.filePath(QStringLiteral("fenster")).toStdString());
        const auto tool = OutputFiles(options.outDir);
        for (const char* name : {"netpay.csv", "zones.csv", "summary.csv"}) {
            QCOMPARE(shown.count(name), tool.count(name));
            if (tool.count(name))
                QVERIFY2(shown.at(name) == tool.at(name), name);
        }
        QCOMPARE(tool.count("zones.csv"), size_t(zoneRows > 0));

        QCOMPARE(TableLines(w.NetPayView()), FileRows(tool.at("netpay.csv")));
        QCOMPARE(w.NetPayView()->model()->rowCount(), 3);
        QCOMPARE(w.ZonesView()->model()->rowCount(), zoneRows);
        if (zoneRows > 0)
            QCOMPARE(TableLines(w.ZonesView()), FileRows(tool.at("zones.csv")));

        // Zones in the chart only when they were computed.
        QCOMPARE(w.ZonesBox()->isEnabled(), zoneRows > 0);
        QCOMPARE(Boxes(w.Chart()->ScreenPage()), 3);
        if (zoneRows > 0) {
            int withContacts = 0;
            for (const QString& line : FileRows(tool.at("zones.csv")))
                withContacts += line.section(QLatin1Char(','), 5, 5).toInt() > 0; // count
            w.ZonesBox()->setChecked(true);
            QCOMPARE(Boxes(w.Chart()->ScreenPage()), withContacts);
            QCOMPARE(Boxes(w.Chart()->Page()), withContacts); // printed and exported so
            w.ZonesBox()->setChecked(false);
            QCOMPARE(Boxes(w.Chart()->ScreenPage()), 3);
        }
    }

    // At the default size (fitted into the screen) and with the fonts a
    // desktop uses, the chart fills its tab, and its labels are as high as a
    // line of the widget's font.
    void chartFillsItsTabWithReadableLabels_data()
    {
        QTest::addColumn<int>("points");
        QTest::newRow("9 pt") << 9;
        QTest::newRow("10 pt") << 10;
        QTest::newRow("12 pt") << 12;
    }
    void chartFillsItsTabWithReadableLabels()
    {
        QFETCH(int, points);
        CFieldStudyWindow& w = NewWindow();
        QVERIFY(w.OpenFieldFile(Q(ExampleFile("volve-field.csv"))));
        QVERIFY(RunToEnd(w));
        w.ResultTabs()->setCurrentWidget(w.Chart()->parentWidget());
        QFont font = w.Chart()->font();
        font.setPointSize(points);
        w.Chart()->setFont(font);
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        CFieldChartView* chart = w.Chart();
        const keldo::PageExtent extent = chart->ScreenPage().extent;
        const double scale = chart->ScreenScale();
        const double labelPixels = scale * keldo::FontHeight(keldo::FontKind::Label);
        QVERIFY2(labelPixels >= QFontMetricsF(font).height() - 0.5,
            qPrintable(QStringLiteral("%1 px").arg(labelPixels)));
        // Both directions filled: the page takes the widget's proportions.
        QVERIFY2(extent.Width() * scale >= chart->width() - 10, qPrintable(QString::number(extent.Width() * scale)));
        QVERIFY2(
            extent.Height() * scale >= chart->height() - 10, qPrintable(QString::number(extent.Height() * scale)));
    }

    // The tops file is one of the study's inputs: another file, or the same
    // file changed, marks the results; back to the file as it was, they
    // apply again.
    void aChangedTopsFileMarksTheResults()
    {
        ScratchFolder folder;
        const std::string topsPath = folder.file("tops.csv");
        const std::string bytes = ReadBytes(ExampleFile("volve-tops.csv"));
        WriteBytes(topsPath, bytes);
        CFieldStudyWindow& w = NewWindow();
        w.AddFiles({Q(VolveWellLas("15_9-F-12"))});
        w.TopsField()->SetPath(Q(topsPath));
        QVERIFY(RunToEnd(w));
        QVERIFY(!w.OutdatedLabel()->isVisibleTo(&w));

        const struct {
            const char* name;
            std::function<void()> change, undo;
        } cases[] = {
            {"no tops file", [&] { w.TopsField()->SetPath({}); }, [&] { w.TopsField()->SetPath(Q(topsPath)); }},
            {"another tops file", [&] { w.TopsField()->SetPath(Q(ExampleFile("volve-tops.csv"))); },
                [&] { w.TopsField()->SetPath(Q(topsPath)); }},
            {"the file changed on disk",
                // Seen when the window is shown again, as after an editor.
                [&] {
                    WriteBytes(topsPath, bytes + "15/9-F-12,Basis,3100.0,tvdss\n");
                    w.hide();
                    w.show();
                },
                [&] {
                    WriteBytes(topsPath, bytes);
                    w.hide();
                    w.show();
                }},
        };
        for (const auto& c : cases) {
            c.change();
            QVERIFY2(w.OutdatedLabel()->isVisibleTo(&w), c.name);
            QVERIFY2(w.OutdatedLabel()->text().contains(QStringLiteral("die Formationsgrenzen")), c.name);
            c.undo();
            QVERIFY2(!w.OutdatedLabel()->isVisibleTo(&w), c.name);
        }
    }

    // A tops file that cannot be used stops the start with its message;
    // nothing is computed.
    void aBadTopsFileIsRefusedAtStart()
    {
        ScratchFolder folder;
        const std::string topsPath = folder.file("tops.csv");
        WriteBytes(topsPath, "well,surface,depth\n15/9-F-12,Hugin,abc\n");
        CFieldStudyWindow& w = NewWindow();
        w.AddFiles({Q(VolveWellLas("15_9-F-12"))});
        w.TopsField()->SetPath(Q(topsPath));
        w.Start();
        QVERIFY(!w.IsRunning());
        QCOMPARE(messages.shown.size(), size_t(1));
        keldo::TopsError error;
        std::vector<keldo::FormationTop> tops;
        QVERIFY(!keldo::ReadFormationTopsFile(topsPath, tops, error));
        QCOMPARE(messages.shown.front(), keldo::TopsMessage(error, topsPath));
        QCOMPARE(w.SummaryView()->model()->rowCount(), 0);
    }
};

QTEST_MAIN(FieldZonesWindowQTest)
#include "FieldZonesWindowQTest.moc"
