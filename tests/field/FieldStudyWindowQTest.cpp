// The window of the field study, driven as a user drives it: wells in,
// start, progress, calling off, the sortable summary, the reports by
// double-click and Enter, the chart, export.
#include <algorithm>
#include <functional>

#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <map>
#include <sstream>

#include "ChartView.h"
#include "DocumentFile.h"
#include "FieldCommand.h"
#include "FieldOutputFiles.h"
#include "FieldRunner.h"
#include "DecimalEdit.h"
#include "FieldStudyWindow.h"
#include "FieldSummaryModel.h"
#include "FieldWellTable.h"
#include "QtFieldGraphExport.h"
#include "RecordingMessageBox.h"
#include "ScratchFolder.h"
#include "SummaryTable.h"
#include "WellDataTestFiles.h"
#include "WellReportWindow.h"

namespace fs = std::filesystem;

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

using Column = keldo::SummaryColumn;

QString SummaryText(CFieldStudyWindow& window, int row, Column column)
{
    return window.SummaryView()->model()->index(row, CFieldSummaryModel::Section(column)).data().toString();
}

} // namespace

class FieldStudyWindowQTest : public QObject {
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
        QTest::mouseClick(w.StartButton(), Qt::LeftButton);
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

    // The Volve field: progress to the end, the summary in the order of the
    // field file, the chart with a column per well, the buttons' states.
    void startRunsTheStudyInTheBackground()
    {
        CFieldStudyWindow& w = NewWindow();
        QVERIFY(w.OpenFieldFile(Q(ExampleFile("volve-field.csv"))));
        QCOMPARE(w.WellTable()->rowCount(), 3);
        QVERIFY(w.ModelLabel()->text().contains(QStringLiteral("oil-well-F-11A.kld")));

        // The window goes on answering while the wells are computed.
        int ticks = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, [&] { ++ticks; });
        timer.start(1);
        QSignalSpy finished(&w, &CFieldStudyWindow::runFinished);
        QTest::mouseClick(w.StartButton(), Qt::LeftButton);
        QVERIFY(w.IsRunning());
        QVERIFY(!w.StartButton()->isEnabled());
        QVERIFY(w.CancelButton()->isEnabled());
        QVERIFY(!w.ExportButton()->isEnabled());
        QVERIFY(!w.WellTable()->isEnabled());
        QVERIFY(finished.wait(60000));
        QVERIFY(ticks > 0);

        QCOMPARE(w.Progress()->maximum(), 3);
        QCOMPARE(w.Progress()->value(), 3);
        QCOMPARE(w.StatusLabel()->text(), QStringLiteral("Fertig: 3 abgeschlossen, 0 abgebrochen, 0 nicht gelesen"));
        QVERIFY(w.StartButton()->isEnabled());
        QVERIFY(!w.CancelButton()->isEnabled());
        QVERIFY(w.ExportButton()->isEnabled());
        QCOMPARE(w.SummaryView()->model()->rowCount(), 3);
        const QStringList wells = {"15/9-F-12", "15/9-F-11 A", "15/9-F-11 B"};
        for (int row = 0; row < 3; ++row) {
            QCOMPARE(SummaryText(w, row, Column::Well), wells[row]);
            QCOMPARE(SummaryText(w, row, Column::Status), QStringLiteral("abgeschlossen"));
            QCOMPARE(SummaryText(w, row, Column::Fluid), QStringLiteral("Öl"));
        }
        QCOMPARE(SummaryText(w, 2, Column::Contact), QStringLiteral("3137.00"));
        int named = 0;
        for (const keldo::GraphPrimitive& p : w.Chart()->Page().list)
            named += p.kind == keldo::GraphPrimitive::Kind::Text && wells.contains(Q(p.text));
        QCOMPARE(named, 3);
    }

    // Calling off stops between wells: the wells not begun stay not
    // computed, the progress shows the wells done.
    void cancelStopsBetweenWells()
    {
        CFieldStudyWindow& w = NewWindow();
        QStringList files;
        for (int i = 0; i < 30; ++i)
            files << Q(VolveWellLas("15_9-F-11_B"));
        w.AddFiles(files);
        QCOMPARE(w.WellTable()->rowCount(), 30);
        // Named after the well of the file's ~W WELL, made unique.
        QCOMPARE(w.WellTable()->item(1, CFieldWellTable::Name)->text(), QStringLiteral("15/9-F-11 B (2)"));
        w.JobsBox()->setValue(1);
        QSignalSpy finished(&w, &CFieldStudyWindow::runFinished);
        // "Abbrechen" as soon as the first well is done.
        auto* runner = w.findChild<CFieldRunner*>();
        QVERIFY(runner);
        QMetaObject::Connection first = connect(runner, &CFieldRunner::wellFinished, &w, [&] {
            disconnect(first);
            QTest::mouseClick(w.CancelButton(), Qt::LeftButton);
            QVERIFY(!w.CancelButton()->isEnabled());
            QCOMPARE(w.StatusLabel()->text(), QStringLiteral("Wird nach den laufenden Bohrungen abgebrochen ..."));
        });
        QTest::mouseClick(w.StartButton(), Qt::LeftButton);
        QVERIFY(finished.wait(60000));

        const int done = w.Progress()->value();
        // The first well, and at most the one begun meanwhile and the next.
        QVERIFY2(done >= 1 && done <= 3, qPrintable(QString::number(done)));
        int notRun = 0;
        for (int row = 0; row < 30; ++row)
            notRun += SummaryText(w, row, Column::Status) == QStringLiteral("nicht gerechnet");
        QCOMPARE(notRun, 30 - done);
        QVERIFY(w.StatusLabel()->text().startsWith(QStringLiteral("Abgebrochen nach %1 von 30 Bohrungen: ").arg(done)));
        // The wells called off before their turn are counted too.
        QVERIFY2(w.StatusLabel()->text().endsWith(QStringLiteral(", %1 nicht gerechnet").arg(notRun)),
            qPrintable(w.StatusLabel()->text()));
        QVERIFY(w.StartButton()->isEnabled());
    }

    // A click on a header sorts by that column, numbers as numbers; a
    // double-click or Enter on a well opens its reports.
    void summarySortsAndOpensReports()
    {
        CFieldStudyWindow& w = NewWindow();
        QVERIFY(w.OpenFieldFile(Q(ExampleFile("volve-field.csv"))));
        w.AddFiles({Q(GasExampleDocument())});
        QVERIFY(RunToEnd(w));
        QTableView* view = w.SummaryView();
        view->horizontalHeader()->setSortIndicatorShown(true);
        QCOMPARE(view->model()->rowCount(), 4);
        // The counts of rows have four and five digits: sorted as text, 13709
        // would stand before 1533.
        for (const Column key : {Column::Median, Column::Measurements}) {
            const int column = CFieldSummaryModel::Section(key);
            QTest::mouseClick(view->horizontalHeader()->viewport(), Qt::LeftButton, {},
                QPoint(view->horizontalHeader()->sectionViewportPosition(column) + 5, 5));
            QCOMPARE(view->horizontalHeader()->sortIndicatorSection(), column);
            double last = -1;
            for (int row = 0; row < 4; ++row) {
                bool number = false;
                const double value = view->model()->index(row, column).data().toString().toDouble(&number);
                QVERIFY2(number && value >= last,
                    qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(keldo::SummaryKey(key))).arg(value)));
                last = value;
            }
        }

        // Double-click: the reports of the well in that row.
        const int row = 1;
        const int wellColumn = CFieldSummaryModel::Section(Column::Well);
        const QString well = view->model()->index(row, wellColumn).data().toString();
        view->scrollTo(view->model()->index(row, wellColumn));
        const QRect cell = view->visualRect(view->model()->index(row, wellColumn));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
        auto* reports = w.findChild<CWellReportWindow*>();
        QVERIFY(reports);
        QCOMPARE(reports->windowTitle(), QStringLiteral("Bohrung ") + well);
        QCOMPARE(reports->Tabs()->count(), 3);
        reports->close();
        QTRY_VERIFY(!w.findChild<CWellReportWindow*>());

        // Enter on the gas document's row: it offers to open the document.
        // The row is named after the document's well.
        int gasRow = 0;
        while (gasRow < 4
            && view->model()->index(gasRow, wellColumn).data().toString() != QStringLiteral("15/9-F-12 Hugin, Gasfall"))
            ++gasRow;
        QVERIFY(gasRow < 4);
        view->setFocus();
        view->setCurrentIndex(view->model()->index(gasRow, wellColumn));
        QTest::keyClick(view, Qt::Key_Return);
        reports = w.findChild<CWellReportWindow*>();
        QVERIFY(reports);
        QSignalSpy open(&w, &CFieldStudyWindow::openDocument);
        QPushButton* openButton = nullptr;
        for (QPushButton* b : reports->findChildren<QPushButton*>())
            if (b->text() == QStringLiteral("&Dokument öffnen"))
                openButton = b;
        QVERIFY(openButton);
        QTest::mouseClick(openButton, Qt::LeftButton);
        QCOMPARE(open.count(), 1);
        QCOMPARE(open.at(0).at(0).toString(), QFileInfo(Q(GasExampleDocument())).absoluteFilePath());
    }

    // "Exportieren..." writes what keldo-field writes for the same wells.
    void exportWritesTheFolderOfKeldoField()
    {
        QTemporaryDir dir;
        CFieldStudyWindow& w = NewWindow();
        QVERIFY(w.OpenFieldFile(Q(ExampleFile("volve-field.csv"))));
        QVERIFY(RunToEnd(w));
        w.m_chooseExportFolder = [&] { return dir.filePath(QStringLiteral("fenster")); };
        QTest::mouseClick(w.ExportButton(), Qt::LeftButton);
        QVERIFY2(messages.shown.empty(), messages.shown.empty() ? "" : messages.shown.front().c_str());
        QVERIFY(w.StatusLabel()->text().startsWith(QStringLiteral("Exportiert nach ")));

        keldo::FieldOptions options;
        options.fieldFile = ExampleFile("volve-field.csv");
        options.templateFile = OilExampleDocument();
        options.outDir = dir.filePath(QStringLiteral("werkzeug")).toStdString();
        std::ostringstream progress;
        QCOMPARE(keldo::RunFieldCommand(options, progress, keldo::QtFieldGraphExport()), int(keldo::kFieldCompleted));

        const auto window = OutputFiles(dir.filePath(QStringLiteral("fenster")).toStdString());
        const auto tool = OutputFiles(options.outDir);
        // summary, netpay, chart ×3, the study's marker; per well 2 reports,
        // 2 graphs, curves, messages
        QCOMPARE(window.size(), size_t(6 + 3 * 6));
        QCOMPARE(window.size(), tool.size());
        for (const auto& [name, bytes] : tool) {
            QVERIFY2(window.count(name), name.c_str());
            QVERIFY2(window.at(name) == bytes, name.c_str());
        }
    }

    // The window's export takes a folder as keldo-field does: one that holds
    // the user's files is refused and left alone; an earlier export is
    // replaced whole.
    void exportRefusesAFolderOfOtherFilesAndReplacesAnEarlierExport()
    {
        QTemporaryDir dir;
        CFieldStudyWindow& w = NewWindow();
        w.AddFiles({Q(GasExampleDocument())});
        QVERIFY(RunToEnd(w));
        const std::string own = dir.filePath(QStringLiteral("eigene")).toStdString();
        std::filesystem::create_directory(own);
        WriteBytes(own + "/notizen.txt", "Notiz");
        messages.shown.clear();
        QVERIFY(!w.Export(Q(own)));
        QCOMPARE(messages.shown.size(), size_t(1));
        QCOMPARE(messages.shown.front(), "Der Ausgabeordner \"" + own
                + "\" enthält \"notizen.txt\", das nicht von einer Feldstudie stammt; bitte einen leeren oder neuen "
                  "Ordner nennen.");
        QCOMPARE(OutputFiles(own).size(), size_t(1));

        const std::string out = dir.filePath(QStringLiteral("export")).toStdString();
        messages.shown.clear();
        QVERIFY(w.Export(Q(out)));
        const auto first = OutputFiles(out);
        QVERIFY(w.Export(Q(out)));
        QVERIFY2(messages.shown.empty(), messages.shown.empty() ? "" : messages.shown.front().c_str());
        QCOMPARE(OutputFiles(out).size(), first.size());
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList({QStringLiteral("eigene"), QStringLiteral("export")}));
    }

    // Cells edited in the table count as a field file's cells and show a
    // decimal point; a cell that cannot be read is refused at Start, named
    // by the row and the column the table shows, and marked.
    void editedCellsAreReadAsTheFieldFile()
    {
        CFieldStudyWindow& w = NewWindow();
        w.AddFiles({Q(GasExampleDocument()), Q(GasExampleDocument())});
        // Named after the document's well, made unique.
        QCOMPARE(w.WellTable()->item(0, CFieldWellTable::Name)->text(), QStringLiteral("15/9-F-12 Hugin, Gasfall"));
        QCOMPARE(w.WellTable()->item(1, CFieldWellTable::Name)->text(), QStringLiteral("15/9-F-12 Hugin, Gasfall (2)"));
        w.WellTable()->item(0, CFieldWellTable::Contact)->setText(QStringLiteral("2960,5"));
        QCOMPARE(w.WellTable()->item(0, CFieldWellTable::Contact)->text(), QStringLiteral("2960.5"));
        w.WellTable()->item(1, CFieldWellTable::Contact)->setText(QStringLiteral("tief"));
        w.WellTable()->item(1, CFieldWellTable::Name)->setText(QStringLiteral("zweite"));
        QTest::mouseClick(w.StartButton(), Qt::LeftButton);
        QVERIFY(!w.IsRunning());
        QCOMPARE(messages.shown.size(), size_t(1));
        QCOMPARE(Q(messages.shown[0]),
            QStringLiteral("Zeile 2, Spalte „Kontakt (m)“: „tief“ ist keine Zahl. Bitte berichtigen."));
        QTableWidgetItem* refused = w.WellTable()->item(1, CFieldWellTable::Contact);
        QVERIFY(refused->background().style() != Qt::NoBrush);
        QCOMPARE(w.WellTable()->currentItem(), refused);
        QCOMPARE(w.Outcomes().size(), size_t(0));

        // Mended, the mark goes and the study runs.
        refused->setText(QStringLiteral("2970"));
        QCOMPARE(refused->background().style(), Qt::NoBrush);
        QVERIFY(RunToEnd(w));
        QCOMPARE(messages.shown.size(), size_t(1));
        QCOMPARE(SummaryText(w, 0, Column::Contact), QStringLiteral("2960.50"));
        QCOMPARE(SummaryText(w, 1, Column::Well), QStringLiteral("zweite"));
        QCOMPARE(SummaryText(w, 1, Column::Contact), QStringLiteral("2970.00"));

        // Rows go with Delete, as with "Entfernen".
        w.WellTable()->setFocus();
        w.WellTable()->selectRow(0);
        QTest::keyClick(w.WellTable(), Qt::Key_Delete);
        QCOMPARE(w.WellTable()->rowCount(), 1);
        QCOMPARE(w.WellTable()->item(0, CFieldWellTable::Name)->text(), QStringLiteral("zweite"));
    }

    // Before any run every heading of the summary shows in full.
    void summaryHeadingsShowInFull()
    {
        CFieldStudyWindow& w = NewWindow();
        QHeaderView* header = w.SummaryView()->horizontalHeader();
        for (int section = 0; section < header->count(); ++section) {
            const QString text = header->model()->headerData(section, Qt::Horizontal).toString();
            QVERIFY2(header->sectionSize(section) >= header->fontMetrics().horizontalAdvance(text), qPrintable(text));
        }
    }

    // Results stay on show after the model, the wells or the cut-off
    // changed, but marked as made with the model of their run.
    void resultsOfOtherInputsAreMarked()
    {
        CFieldStudyWindow& w = NewWindow();
        w.AddFiles({Q(VolveWellLas("15_9-F-12"))});
        QVERIFY(!w.OutdatedLabel()->isVisibleTo(&w)); // nothing run yet
        QVERIFY(RunToEnd(w));
        QVERIFY(!w.OutdatedLabel()->isVisibleTo(&w));
        const QString runModel = Q(model->GetTitle());

        const struct {
            const char* name;
            std::function<void()> change, undo;
            QString what;
        } cases[] = {
            {"cut-off", [&] { w.CutoffField()->setText(QStringLiteral("0.08")); },
                [&] { w.CutoffField()->setText(QStringLiteral("0.060")); }, QStringLiteral("der Cutoff")},
            {"contact of a well", [&] { w.WellTable()->item(0, CFieldWellTable::Contact)->setText("2900"); },
                [&] { w.WellTable()->item(0, CFieldWellTable::Contact)->setText(QString()); },
                QStringLiteral("die Bohrungen")},
            {"another document as the model",
                [&] {
                    w.hide();
                    QVERIFY(keldo::LoadDocument(GasExampleDocument(), *model));
                    w.show();
                },
                [&] {
                    w.hide();
                    QVERIFY(keldo::LoadDocument(OilExampleDocument(), *model));
                    w.show();
                },
                QStringLiteral("das Modell")},
        };
        for (const auto& c : cases) {
            c.change();
            QVERIFY2(w.OutdatedLabel()->isVisibleTo(&w), c.name);
            QVERIFY2(w.OutdatedLabel()->text().contains(QStringLiteral("mit dem Modell „%1“").arg(runModel)), c.name);
            QVERIFY2(w.OutdatedLabel()->text().contains(c.what), qPrintable(w.OutdatedLabel()->text()));
            c.undo();
            QVERIFY2(!w.OutdatedLabel()->isVisibleTo(&w), c.name);
        }
        // A new start makes the results current again.
        w.CutoffField()->setText(QStringLiteral("0.08"));
        QVERIFY(RunToEnd(w));
        QVERIFY(!w.OutdatedLabel()->isVisibleTo(&w));
    }

    // Closing the window calls the study off: the wells running finish, the
    // others are not begun.
    void closingCallsTheStudyOff()
    {
        CFieldStudyWindow& w = NewWindow();
        QStringList files;
        for (int i = 0; i < 40; ++i)
            files << Q(VolveWellLas("15_9-F-11_B"));
        w.AddFiles(files);
        w.JobsBox()->setValue(2);
        w.Start();
        QVERIFY(w.IsRunning());
        w.close();
        QCOMPARE(w.StatusLabel()->text(), QStringLiteral("Wird nach den laufenden Bohrungen abgebrochen ..."));
        // The wells running finish; those not begun are never computed.
        QTRY_VERIFY_WITH_TIMEOUT(!w.IsRunning(), 120000);
        const auto& outcomes = w.Outcomes();
        QVERIFY(std::any_of(outcomes.begin(), outcomes.end(),
            [](const auto& outcome) { return outcome && outcome->summary.status == keldo::WellStatus::NotRun; }));
        window.reset();
    }

    // The cut-off takes a point or a comma and shows a point; what it cannot
    // take is refused at Start with one message, marked, never replaced.
    void cutoffTakesWhatIsTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("used"); // 0: refused
        QTest::newRow("point") << QStringLiteral("0.08") << 0.08;
        QTest::newRow("comma") << QStringLiteral("0,08") << 0.08;
        QTest::newRow("text") << QStringLiteral("abc") << 0.0;
        QTest::newRow("above 0.4") << QStringLiteral("0.5") << 0.0;
        QTest::newRow("zero") << QStringLiteral("0") << 0.0;
    }

    void cutoffTakesWhatIsTyped()
    {
        QFETCH(QString, typed);
        QFETCH(double, used);
        CFieldStudyWindow& w = NewWindow();
        QCOMPARE(w.CutoffField()->text(), QStringLiteral("0.060"));
        w.AddFiles({Q(VolveWellLas("15_9-F-12"))});
        w.CutoffField()->selectAll();
        QTest::keyClicks(w.CutoffField(), typed);
        if (used == 0) {
            QTest::mouseClick(w.StartButton(), Qt::LeftButton);
            QVERIFY(!w.IsRunning());
            QCOMPARE(messages.shown.size(), size_t(1));
            QVERIFY(Q(messages.shown[0]).startsWith(QStringLiteral("Der Porositäts-Cutoff „%1“").arg(typed)));
            QCOMPARE(w.CutoffField()->text(), typed);
            QVERIFY(w.CutoffField()->property("refused").toBool());
            return;
        }
        QVERIFY(RunToEnd(w));
        QVERIFY(messages.shown.empty());
        const auto& outcome = w.Outcomes().at(0);
        QCOMPARE(outcome->summary.status, keldo::WellStatus::Completed);
        QVERIFY2(std::abs(outcome->summary.classes[0].cutoff - used) < 1e-6,
            qPrintable(QString::number(outcome->summary.classes[0].cutoff)));
    }

    // Without wells nothing starts; a field file that cannot be used says why.
    void refusesWhatCannotBeComputed()
    {
        CFieldStudyWindow& w = NewWindow();
        QTest::mouseClick(w.StartButton(), Qt::LeftButton);
        QVERIFY(!w.IsRunning());
        QCOMPARE(messages.shown.size(), size_t(1));
        QVERIFY(!w.OpenFieldFile(Q(OilExampleDocument())));
        QCOMPARE(messages.shown.size(), size_t(2));
        QVERIFY(Q(messages.shown.back()).startsWith(QStringLiteral("Die Felddatei \"")));
    }

    // The keys: Alt+S starts, the chart tab is reached with its mnemonic.
    void worksWithTheKeyboard()
    {
        CFieldStudyWindow& w = NewWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QVERIFY(w.OpenFieldFile(Q(ExampleFile("volve-field.csv"))));
        QSignalSpy finished(&w, &CFieldStudyWindow::runFinished);
        QTest::keyClick(&w, Qt::Key_S, Qt::AltModifier);
        QVERIFY(finished.count() > 0 || finished.wait(60000));
        QCOMPARE(w.Progress()->value(), 3);
        QTest::keyClick(&w, Qt::Key_R, Qt::AltModifier);
        QCOMPARE(w.ResultTabs()->currentIndex(), 1);

        // Ctrl+P prints the chart: the print dialog opens (and is called off here).
        QString dialog;
        QTimer::singleShot(100, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                dialog = QString::fromLatin1(modal->metaObject()->className());
                modal->close();
            }
        });
        w.ResultTabs()->setCurrentIndex(0);
        QTest::keyClick(&w, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(dialog, QStringLiteral("QPrintDialog"));
        QCOMPARE(w.ResultTabs()->currentIndex(), 1);
    }

    // The chart prints onto one sheet, titled as the study.
    void theChartPrints()
    {
        QTemporaryDir dir;
        CFieldStudyWindow& w = NewWindow();
        QVERIFY(w.OpenFieldFile(Q(ExampleFile("volve-field.csv"))));
        QVERIFY(RunToEnd(w));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("feld.pdf")));
        w.Chart()->Print(printer);
        const QByteArray pdf = FileBytes(dir.filePath(QStringLiteral("feld.pdf")).toStdString());
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page "), qsizetype(1));
        QVERIFY(pdf.contains(PdfText(QStringLiteral("Feldstudie"))));
    }
};

QTEST_MAIN(FieldStudyWindowQTest)
#include "FieldStudyWindowQTest.moc"
