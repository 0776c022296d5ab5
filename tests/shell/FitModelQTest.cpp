// "Modell anpassen..." from the main window: what "Übernehmen" writes into the
// document, and that closing the dialog or a fit that cannot be made leaves
// the document as it was.
#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <functional>

#include "CommandIds.h"
#include "DlgFitModel.h"
#include "DocumentFile.h"
#include "KeldoApp.h"
#include "MainFrame.h"
#include "RecordingMessageBox.h"
#include "ShellDocumentHost.h"
#include "ShellTestSupport.h"

using namespace keldo::cmd;

namespace {

// Runs `act` on the fit dialog as soon as its modal loop is up.
void WhenFitDialogOpens(std::function<void(DlgFitModel&)> act) { WhenModalDialogOpens<DlgFitModel>(std::move(act)); }

// 15/9-F-12 as a core table (tests/data/volve/klogh: TVDSS, PHIF, KLOGH).
std::string VolveCoreTable() { return SourceFile("tests/data/volve/klogh/15_9-F-12_phif_klogh.txt").toStdString(); }

// Both fits, the Phi-K relation from the core table.
void FitBoth(DlgFitModel& dlg)
{
    QVERIFY(dlg.ReadCorePairs(VolveCoreTable()));
    dlg.FitPhiKButton()->click();
    dlg.Tabs()->setCurrentIndex(1);
    dlg.FitContactButton()->click();
    QVERIFY(dlg.TakeOverButton()->isEnabled());
}

// What a document is: the bytes it saves, the inputs the file does not
// store, the report.
struct DocumentState {
    std::string bytes;
    CKeldoInputs inputs;
    std::vector<std::string> report;
    bool modified;

    explicit DocumentState(const CKeldoDoc& doc)
        : bytes(keldo::SerializeDocument(doc)), inputs(doc), report(doc.m_Ergebnisse), modified(doc.IsModified())
    {}
    bool operator==(const DocumentState&) const = default;
};

float Shown(const char* text)
{
    float value = 0;
    keldo::ParseWholeFloat(text, value);
    return value;
}

// A file in `dir` with `text`.
std::string WriteFile(const QTemporaryDir& dir, const char* name, const char* text)
{
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(text);
    return path.toStdString();
}

} // namespace

class FitModelQTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    RecordingMessageBox messages;
    std::unique_ptr<CKeldoApp> app;
    QString document;

    CKeldoDoc& Doc() { return app->Document(); }
    QAction* Command(int id) { return app->MainFrame().CommandAction(id); }

private slots:
    void initTestCase() { IsolateSettings(dir.filePath("settings")); }

    // The example gas well opened and computed as the user does it: the
    // input dialog answered with OK, its depth window from the first to the
    // last measurement.
    void init()
    {
        ClearSettings();
        messages = RecordingMessageBox();
        app = std::make_unique<CKeldoApp>(&messages);
        app->Host().SetDialogRunner(AcceptWithFullDepthWindow);
        QVERIFY(app->InitInstance({}));
        document = dir.filePath("gas-well-F-12.kld");
        QFile::remove(document);
        QVERIFY(QFile::copy(SourceFile("examples/gas-well-F-12.kld"), document));
        QVERIFY(app->OpenDocumentFile(document));
        QVERIFY(!Doc().IsModified());
        messages.shown.clear();
    }

    void cleanup() { app.reset(); }

    void menuItemFollowsDatenAendern()
    {
        const QList<QAction*> items = app->MainFrame().menuBar()->actions();
        const auto bearbeiten = std::find_if(
            items.begin(), items.end(), [](QAction* item) { return item->text() == QStringLiteral("&Bearbeiten"); });
        QVERIFY(bearbeiten != items.end());
        const QList<QAction*> commands = (*bearbeiten)->menu()->actions();
        const qsizetype daten = commands.indexOf(Command(ID_DATEN_AENDERN));
        QVERIFY(daten >= 0 && daten + 1 < commands.size());
        QCOMPARE(commands[daten + 1], Command(ID_MODELL_ANPASSEN));
        QCOMPARE(Command(ID_MODELL_ANPASSEN)->text(), QStringLiteral("&Modell anpassen..."));
        QVERIFY(!Command(ID_MODELL_ANPASSEN)->statusTip().isEmpty());
    }

    // The fitted values are those keldo-batch fits from the same data:
    //   keldo-batch --core tests/data/volve/klogh/15_9-F-12_phif_klogh.txt
    //     --fit-phik --fit-contact examples/gas-well-F-12.kld
    // prints log(K) =-4.37189 +42.7949*PHI -85.0671*PHI*PHI and a gas-water
    // contact of 2934.32 m.
    void takeOverWritesTheFitsAndMarksTheDocumentModified()
    {
        const QByteArray onDisk = FileBytes(document);
        WhenFitDialogOpens([](DlgFitModel& dlg) {
            FitBoth(dlg);
            dlg.TakeOverButton()->click();
        });
        Command(ID_MODELL_ANPASSEN)->trigger();

        QVERIFY(Doc().IsModified());
        QCOMPARE(Doc().m_fPhiK0, Shown("-4.37189"));
        QCOMPARE(Doc().m_fPhiK1, Shown("42.7949"));
        QCOMPARE(Doc().m_fPhiK2, Shown("-85.0671"));
        QCOMPARE(keldo::Format("%.2f", Doc().m_fKontakt), std::string("2934.32"));
        // Computed at once with them; the file on disk waits for saving.
        QCOMPARE(Doc().m_bGeaendert, 0);
        QVERIFY(std::any_of(Doc().m_Ergebnisse.begin(), Doc().m_Ergebnisse.end(), [](const std::string& line) {
            return line.find("-4.37189 +42.7949*PHI -85.0671*PHI*PHI") != std::string::npos;
        }));
        QCOMPARE(FileBytes(document), onDisk);
    }

    void closingWithoutTakeOverChangesNothing_data()
    {
        QTest::addColumn<std::function<void(DlgFitModel&)>>("close");
        QTest::newRow("Schließen") << std::function<void(DlgFitModel&)>(
            [](DlgFitModel& dlg) { dlg.CloseButton()->click(); });
        QTest::newRow("Escape") << std::function<void(DlgFitModel&)>(
            [](DlgFitModel& dlg) { QTest::keyClick(dlg.ContactNumbers(), Qt::Key_Escape); });
        QTest::newRow("Fenster geschlossen")
            << std::function<void(DlgFitModel&)>([](DlgFitModel& dlg) { dlg.close(); });
    }

    void closingWithoutTakeOverChangesNothing()
    {
        QFETCH(std::function<void(DlgFitModel&)>, close);
        const DocumentState before(Doc());
        bool closed = false;
        WhenFitDialogOpens([&](DlgFitModel& dlg) {
            FitBoth(dlg);
            close(dlg);
            closed = !dlg.isVisible() && dlg.result() == QDialog::Rejected;
        });
        Command(ID_MODELL_ANPASSEN)->trigger();
        QVERIFY(closed);
        QVERIFY(DocumentState(Doc()) == before);
        QVERIFY(messages.shown.empty());
    }

    // Each refusal: one German message, nothing to take over, the document
    // as it was.
    void badInputGivesOneMessageAndChangesNothing_data()
    {
        using Act = std::function<void(DlgFitModel&, const QTemporaryDir&)>;
        QTest::addColumn<Act>("act");
        QTest::addColumn<bool>("oneRowWell");
        QTest::addColumn<QString>("message");

        const auto core = [](const char* text) {
            return Act([text](DlgFitModel& dlg, const QTemporaryDir& folder) {
                if (dlg.ReadCorePairs(WriteFile(folder, "kern.txt", text)))
                    dlg.FitPhiKButton()->click();
            });
        };
        const auto range = [](const char* from, const char* to) {
            return Act([from, to](DlgFitModel& dlg, const QTemporaryDir&) {
                dlg.Tabs()->setCurrentIndex(1);
                dlg.RangeFromField()->setText(QString::fromLatin1(from));
                dlg.RangeToField()->setText(QString::fromLatin1(to));
                dlg.FitContactButton()->click();
            });
        };
        QTest::newRow("no data chosen") << Act([](DlgFitModel& dlg, const QTemporaryDir&) {
            dlg.FitPhiKButton()->click();
        }) << false << "Für die Phi-K-Anpassung fehlen die Daten";
        QTest::newRow("no pairs in the window")
            << core("1000 0.2 10\n1001 0.25 20\n") << false
            << "ABBRUCH!!Für die Phi-K-Anpassung bleibt kein Wertepaar übrig: 2 von 2 liegen außerhalb";
        QTest::newRow("all K <= 0") << core("2900 0.2 0\n2901 0.25 -3\n2902 0.3 0\n") << false
                                    << "ABBRUCH!!Für die Phi-K-Anpassung bleibt kein Wertepaar übrig: 3 von 3 haben "
                                       "keine Permeabilität > 0";
        QTest::newRow("one pair") << core("2900 0.2 10\n") << false
                                  << "ABBRUCH!!Aus einem einzigen Wertepaar ist die Phi-K-Beziehung nicht bestimmbar";
        QTest::newRow("bad core file") << core("2900 0.2 10\n2901 0,25 20\n") << false << "ABBRUCH in der 2.Zeile";
        QTest::newRow("missing core file") << Act([](DlgFitModel& dlg, const QTemporaryDir& folder) {
            dlg.ReadCorePairs(folder.filePath("fehlt.txt").toStdString());
        }) << false << "ABBRUCH!!Die Datei ";
        QTest::newRow("one-row well") << range("", "") << true
                                      << "ABBRUCH!!Für die Kontaktanpassung liegt nur ein Messwert im Teufenbereich";
        QTest::newRow("range A > B") << range("3000", "2900") << false
                                     << "ABBRUCH!!Der Kontaktbereich von 3000.00 m bis 2900.00 m ist leer";
        QTest::newRow("range A = B") << range("2900", "2900") << false
                                     << "ABBRUCH!!Der Kontaktbereich von 2900.00 m bis 2900.00 m ist leer";
        QTest::newRow("range not a number")
            << range("29OO", "3000") << false << "Das Feld \"Kontaktbereich von (m)\" enthält keine gültige Zahl!";
    }

    void badInputGivesOneMessageAndChangesNothing()
    {
        using Act = std::function<void(DlgFitModel&, const QTemporaryDir&)>;
        QFETCH(Act, act);
        QFETCH(bool, oneRowWell);
        QFETCH(QString, message);
        if (oneRowWell) {
            // The row of the well with the highest porosity, alone in its window.
            const std::string richest = *std::max_element(
                Doc().m_Messwerte.begin(), Doc().m_Messwerte.end(), [](const std::string& a, const std::string& b) {
                    float x[3] = {}, y[3] = {};
                    keldo::ScanFloats(a, x, 3);
                    keldo::ScanFloats(b, y, 3);
                    return x[1] < y[1];
                });
            Doc().m_Messwerte = {richest};
            float row[3] = {};
            keldo::ScanFloats(richest, row, 3);
            Doc().m_fMinTeufe = Doc().m_fMaxTeufe = row[0];
        }
        const DocumentState before(Doc());
        QTemporaryDir folder;
        bool takeOverOffered = true;
        WhenFitDialogOpens([&](DlgFitModel& dlg) {
            act(dlg, folder);
            takeOverOffered = dlg.TakeOverButton()->isEnabled();
            dlg.TakeOverButton()->click();
            dlg.CloseButton()->click();
        });
        Command(ID_MODELL_ANPASSEN)->trigger();

        QCOMPARE(messages.shown.size(), size_t(1));
        QVERIFY2(QString::fromStdString(messages.shown[0]).startsWith(message), messages.shown[0].c_str());
        QVERIFY(!takeOverOffered);
        QVERIFY(DocumentState(Doc()) == before);
    }
};

QTEST_MAIN(FitModelQTest)
#include "FitModelQTest.moc"
