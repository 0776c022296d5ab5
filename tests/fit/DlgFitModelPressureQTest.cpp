// The tab "Druck" of "Modell anpassen": keldo-batch's numbers, the contact
// taken over, a refused file and the keyboard.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

#include <memory>
#include <string>

#include "ChartView.h"
#include "DlgFitModel.h"
#include "DlgFitModelPressure.h"
#include "DocumentFile.h"
#include "KeldoDoc.h"
#include "MeasurementImport.h"
#include "RecordingMessageBox.h"
#include "WellDataTestFiles.h"

namespace {

constexpr int kPressureTab = 3; // after Phi-K, Kontakt and Kapillardruck

std::unique_ptr<CKeldoDoc> GasExample(RecordingMessageBox& box)
{
    auto doc = std::make_unique<CKeldoDoc>(box);
    if (!keldo::LoadDocument(GasExampleDocument(), *doc))
        return nullptr;
    // keldo-batch's depth window and cut-off.
    keldo::DepthWindowFromLines(doc->m_Messwerte, doc->m_fMinTeufe, doc->m_fMaxTeufe);
    doc->m_fCutoff = 0.06f;
    return doc;
}

QStringList Lines(const QPlainTextEdit* field) { return field->toPlainText().split(QLatin1Char('\n')); }

// The block of
//   keldo-batch --fit-contact --fit-pressure examples/pressure/F-12-pressures.csv examples/gas-well-F-12.kld
// but its "Druckdatei:" line, which names the file as given.
const QStringList kBatchBlock = {
    "  FREIES WASSERNIVEAU AUS FORMATIONSDRÜCKEN",
    "  Druckpunkte                        (-):        15",
    "  Ausgelassene Punkte (use = 0)      (-):         1",
    "  Wassergradient: 7 Punkte von 2950.00 bis 3010.00 m",
    "  Gradient                       (bar/m):   0.10528 ± 0.00039",
    "  Druck in Teufe 0                 (bar):     -4.53 ± 1.15",
    "  RMS der Punkte                   (bar):     0.017",
    "  Dichte aus dem Gradienten      (kg/m3):    1073.2 ± 3.9",
    "  Dichte im Dokument             (kg/m3):    1070.0",
    "  Gasgradient: 8 Punkte von 2860.00 bis 2930.00 m",
    "  Gradient                       (bar/m):   0.01447 ± 0.00035",
    "  Druck in Teufe 0                 (bar):    262.47 ± 1.01",
    "  RMS der Punkte                   (bar):     0.020",
    "  Dichte aus dem Gradienten      (kg/m3):     147.5 ± 3.6",
    "  Dichte im Dokument             (kg/m3):     147.1",
    "  Freies Wasserniveau                (m):   2940.19",
    "  Standardabweichung                 (m):      0.27",
    "  P90 (flacher)                      (m):   2939.84",
    "  P10 (tiefer)                       (m):   2940.54",
    "  Gas-Wasser-Kontakt aus den Logs    (m):   2919.51",
    "  Freies Wasserniveau - Kontakt      (m):     20.68",
};

} // namespace

class DlgFitModelPressureQTest : public QObject {
    Q_OBJECT

private slots:
    // The block, the points and the contact as keldo-batch gives them for the
    // same files; the level is taken over on this tab, the log fit's contact
    // on the tab "Kontakt" (as with --fit-contact).
    void tabGivesTheNumbersOfKeldoBatch_data()
    {
        QTest::addColumn<int>("takeOverOn");
        QTest::addColumn<float>("contact");
        QTest::newRow("Übernehmen on Druck: the level") << kPressureTab << 2940.19f;
        QTest::newRow("Übernehmen on Kontakt: the log fit's") << 1 << 2919.51f;
    }
    void tabGivesTheNumbersOfKeldoBatch()
    {
        QFETCH(int, takeOverOn);
        QFETCH(float, contact);
        RecordingMessageBox box;
        const auto doc = GasExample(box);
        QVERIFY(doc);
        DlgFitModel dlg(*doc, doc->m_Messwerte, box);
        DlgFitModelPressure* page = dlg.PressurePage();
        page->SetFileChooser([](QWidget*) { return ExampleFile("pressure/F-12-pressures.csv"); });

        dlg.Tabs()->setCurrentIndex(kPressureTab);
        page->OpenButton()->click();
        QVERIFY(dlg.TakeOverButton()->isEnabled());
        QCOMPARE(page->Points()->rowCount(), 16);
        QCOMPARE(page->Points()->item(15, 3)->text(), QStringLiteral("ausgelassen (use = 0)"));
        QVERIFY(!page->Chart()->Page().list.empty());
        QVERIFY(!Lines(page->Numbers()).contains(kBatchBlock.back()));

        // The contact fitted meanwhile appears when the tab is shown again.
        dlg.Tabs()->setCurrentIndex(1);
        dlg.FitContactButton()->click();
        QVERIFY2(box.shown.empty(), box.shown.empty() ? "" : box.shown.front().c_str());
        QVERIFY(dlg.ContactResult());
        dlg.Tabs()->setCurrentIndex(kPressureTab);
        QStringList shown = Lines(page->Numbers());
        shown.removeIf([](const QString& line) { return line.startsWith(QStringLiteral("  Druckdatei: ")); });
        shown.removeAll(QString());
        QCOMPARE(shown, kBatchBlock);

        dlg.Tabs()->setCurrentIndex(takeOverOn);
        dlg.TakeOverButton()->click();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QVERIFY(dlg.Fitted().contact);
        QCOMPARE(*dlg.Fitted().contact, contact);
        QVERIFY2(box.shown.empty(), box.shown.empty() ? "" : box.shown.front().c_str());
    }

    // A file that gives no level says why once and leaves the tab as it was.
    void refusedFileLeavesNothingToTakeOver()
    {
        RecordingMessageBox box;
        const auto doc = GasExample(box);
        QVERIFY(doc);
        DlgFitModel dlg(*doc, doc->m_Messwerte, box);
        QVERIFY(!dlg.PressurePage()->OpenFile(ExampleFile("volve-field.csv")));
        QCOMPARE(box.shown.size(), size_t(1));
        QVERIFY(QString::fromStdString(box.shown.front()).startsWith(QStringLiteral("ABBRUCH!!Druckdatei ")));
        QVERIFY(!dlg.PressurePage()->Contact());
        QVERIFY(!dlg.TakeOverButton()->isEnabled());
        QCOMPARE(dlg.PressurePage()->Points()->rowCount(), 0);
    }
};

QTEST_MAIN(DlgFitModelPressureQTest)
#include "DlgFitModelPressureQTest.moc"
