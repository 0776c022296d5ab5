// The tab "Kapillardruck" of "Modell anpassen": keldo-batch's numbers, the
// user's choices and the keyboard.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "BatchRun.h"
#include "ChartView.h"
#include "DlgFitModel.h"
#include "DlgFitModelPcTab.h"
#include "DocumentFile.h"
#include "KeldoDoc.h"
#include "PcFile.h"
#include "PcMessages.h"
#include "RecordingMessageBox.h"
#include "WellDataTestFiles.h"

namespace {

std::string CorePcExample() { return ExampleFile("core-pc/core-pc.csv"); }

bool SameModel(const keldo::FittedCapillaryModel& a, const keldo::FittedCapillaryModel& b)
{
    return a.alfa == b.alfa && a.beta == b.beta && a.swmin == b.swmin && a.pcsperr == b.pcsperr && a.pcMax == b.pcMax;
}

} // namespace

class DlgFitModelPcTabQTest : public QObject {
    Q_OBJECT

private slots:
    void tabGivesTheNumbersOfKeldoBatch_data()
    {
        QTest::addColumn<QString>("pcMaxText"); // typed into Pc max; empty: left as shown
        QTest::addColumn<float>("batchPcMax");  // keldo-batch's --pc-max; 0: none
        QTest::addColumn<int>("alfaOrder");
        QTest::addColumn<bool>("twoStep");
        QTest::newRow("as it comes") << QString() << 0.0f << 3 << false;
        QTest::newRow("Pc max 150, order 1, two-step") << QStringLiteral("150") << 150.0f << 1 << true;
        // The field as shown is the file's Pc max, as without --pc-max.
        QTest::newRow("Pc max as shown, typed again, order 0") << QStringLiteral("141.7") << 0.0f << 0 << false;
    }

    // The tab and keldo-batch --fit-pc … --save-as on the same file and
    // choices: the same report, the same coefficients; "Übernehmen" then
    // writes exactly what keldo-batch saves.
    void tabGivesTheNumbersOfKeldoBatch()
    {
        QFETCH(QString, pcMaxText);
        QFETCH(float, batchPcMax);
        QFETCH(int, alfaOrder);
        QFETCH(bool, twoStep);

        RecordingMessageBox box;
        CKeldoDoc doc(box);
        QVERIFY(keldo::LoadDocument(GasExampleDocument(), doc));
        DlgFitModel dlg(doc, doc.m_Messwerte, box);
        DlgFitModelPcTab& tab = *dlg.PcTab();
        QVERIFY(tab.OpenFile(CorePcExample()));
        QCOMPARE(tab.Samples()->rowCount(), 12);
        QCOMPARE(tab.PcMaxField()->text(), QStringLiteral("141.7"));
        if (!pcMaxText.isEmpty())
            tab.PcMaxField()->setText(pcMaxText);
        tab.AlfaOrderBox()->setValue(alfaOrder);
        tab.TwoStepBox()->setChecked(twoStep);
        tab.FitButton()->click();
        QVERIFY2(box.shown.empty(), box.shown.empty() ? "" : box.shown.front().c_str());
        QVERIFY(tab.Result());
        for (CChartView* chart : tab.Charts())
            QVERIFY(!chart->Page().list.empty());

        QTemporaryDir folder;
        keldo::BatchOptions options;
        options.inputs.document = GasExampleDocument();
        options.pcFile = CorePcExample();
        if (batchPcMax > 0)
            options.pcMax = batchPcMax;
        options.alfaOrder = alfaOrder;
        options.pcTwoStep = twoStep;
        options.saveAs = folder.filePath(QStringLiteral("out.kld")).toStdString();
        std::ostringstream report, messages;
        QCOMPARE(keldo::RunBatch(options, report, messages), 0);
        RecordingMessageBox savedBox;
        CKeldoDoc saved(savedBox);
        QVERIFY(keldo::LoadDocument(options.saveAs, saved));
        const keldo::FittedCapillaryModel batch = keldo::FittedCapillaryFrom(saved);
        QVERIFY(SameModel(tab.Result()->fitted, batch));
        // The numbers field shows the report keldo-batch prints first.
        const QString shown = tab.Numbers()->toPlainText();
        QVERIFY(!shown.isEmpty());
        QVERIFY2(QString::fromStdString(report.str()).contains(shown), qPrintable(shown));

        QVERIFY(dlg.TakeOverButton()->isEnabled());
        dlg.TakeOverButton()->click();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        keldo::TakeOverFit(doc, dlg.Fitted());
        QVERIFY(doc.IsModified());
        QVERIFY(SameModel(keldo::FittedCapillaryFrom(doc), batch));
    }

    // What the user sets in the tab is what the normalization gets; what
    // cannot be used is said in one message and changes nothing.
    void choicesOfTheUser_data()
    {
        using Change = std::function<void(DlgFitModelPcTab&)>;
        QTest::addColumn<Change>("change");
        QTest::addColumn<QString>("message"); // the beginning of the one message, empty: none
        const auto cell = [](int row, int column, const char* text) {
            return Change([=](DlgFitModelPcTab& tab) { tab.Samples()->item(row, column)->setText(text); });
        };
        QTest::newRow("a sample left out") << Change([](DlgFitModelPcTab& tab) {
            tab.Samples()->item(2, DlgFitModelPcTab::kSample)->setCheckState(Qt::Unchecked);
        }) << QString();
        QTest::newRow("no closure correction for P12") << cell(11, DlgFitModelPcTab::kClosure, "") << QString();
        QTest::newRow("another closure pressure for P06") << cell(5, DlgFitModelPcTab::kClosure, "0.15") << QString();
        QTest::newRow("a closure that is no number") << cell(1, DlgFitModelPcTab::kClosure, "0,1 bar")
                                                     << QStringLiteral("Das Feld \"Schließdruck (bar) der Probe");
        QTest::newRow("a Pc max that is no number")
            << Change([](DlgFitModelPcTab& tab) { tab.PcMaxField()->setText(QStringLiteral("viel")); })
            << QStringLiteral("Das Feld \"Pc max (bar)\" enthält keine gültige Zahl!");
        QTest::newRow("a Pc max the input dialog refuses")
            << Change([](DlgFitModelPcTab& tab) { tab.PcMaxField()->setText(QStringLiteral("5")); })
            << QStringLiteral("ABBRUCH!!Der Max.Kapillardruck 5.0 bar ist zu niedrig");
    }

    void choicesOfTheUser()
    {
        using Change = std::function<void(DlgFitModelPcTab&)>;
        QFETCH(Change, change);
        QFETCH(QString, message);

        RecordingMessageBox box;
        CKeldoDoc doc(box);
        QVERIFY(keldo::LoadDocument(GasExampleDocument(), doc));
        DlgFitModelPcTab tab(doc, box);
        QVERIFY(tab.OpenFile(CorePcExample()));
        change(tab);
        tab.FitButton()->click();
        if (!message.isEmpty()) {
            QCOMPARE(box.shown.size(), size_t{1});
            QVERIFY2(QString::fromStdString(box.shown.front()).startsWith(message), box.shown.front().c_str());
            QVERIFY(!tab.Result());
            return;
        }
        QVERIFY2(box.shown.empty(), box.shown.empty() ? "" : box.shown.front().c_str());
        QVERIFY(tab.Result());

        // The same choice made on the table read by keldo-batch's reader.
        keldo::PcTableResult read = keldo::ReadPcFile(CorePcExample());
        QVERIFY(read.ok);
        for (int row = 0; row < tab.Samples()->rowCount(); ++row) {
            keldo::PcSample& s = read.table.samples[static_cast<size_t>(row)];
            s.takesPart = tab.Samples()->item(row, DlgFitModelPcTab::kSample)->checkState() == Qt::Checked;
            const QString closure = tab.Samples()->item(row, DlgFitModelPcTab::kClosure)->text();
            if (closure.isEmpty())
                s.closure.reset();
            else if (closure == QStringLiteral("0.15"))
                s.closure = 0.15f; // as typed: a float, as the dialog's fields read it
        }
        const keldo::PcDocumentFit want = keldo::FitPcForDocument(read.table, {}, CorePcExample(), doc);
        QVERIFY(want.normalization.ok);
        QVERIFY(SameModel(tab.Result()->fitted, want.fitted));
        QCOMPARE(tab.Result()->report, want.report);
        QCOMPARE(tab.Result()->normalization.samples.size() + tab.Result()->normalization.excluded.size(), size_t{12});
    }

    void aFileThatCannotBeReadKeepsTheOneShown()
    {
        RecordingMessageBox box;
        CKeldoDoc doc(box);
        DlgFitModelPcTab tab(doc, box);
        tab.FitButton()->click();
        QCOMPARE(box.shown.size(), size_t{1});
        QVERIFY(tab.OpenFile(CorePcExample()));
        QVERIFY(!tab.OpenFile(ExampleFile("gas-well-F-12.kld")));
        QCOMPARE(box.shown.size(), size_t{2});
        QVERIFY2(box.shown.back().rfind("ABBRUCH!!", 0) == 0, box.shown.back().c_str());
        QCOMPARE(tab.Samples()->rowCount(), 12);
        QCOMPARE(QString::fromStdString(tab.Source()), QString::fromStdString(keldo::PcFileSource(CorePcExample())));
    }
};

QTEST_MAIN(DlgFitModelPcTabQTest)
#include "DlgFitModelPcTabQTest.moc"
