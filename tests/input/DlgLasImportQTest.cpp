// "Datei lesen" with a LAS file: the LAS import dialog between the file
// dialog and the measurement list, with mouse and with keyboard alone, and
// the lines it gives beside those of keldo-batch for the same choices.
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include "BatchStatus.h"
#include "DefaultParameters.h"
#include "DlgInput.h"
#include "DlgLasImport.h"
#include "InputFields.h"
#include "KeldoDoc.h"
#include "LasMeasurements.h"
#include "LocaleGuard.h"
#include "RecordingMessageBox.h"
#include "ScratchFolder.h"
#include "TextFormat.h"
#include "WellDataTestFiles.h"

namespace {

using Id = keldo::ControlId;
using keldo::CurveRole;

// What keldo-batch makes of the same choices: its lines, or its one message.
struct BatchImport {
    int status = -1;
    std::vector<std::string> lines;
    std::string message;
};
BatchImport RunBatchImport(const std::string& las, const std::string& survey, std::optional<double> elevation,
    const std::string& porosity = {}, const std::string& sw = {})
{
    keldo::WellInputs inputs;
    inputs.lasFile = las;
    inputs.surveyFile = survey;
    inputs.elevation = elevation;
    inputs.porosityCurve = porosity;
    inputs.swCurve = sw;
    RecordingMessageBox box;
    CKeldoDoc doc(box);
    keldo::WellDataError error;
    BatchImport out;
    out.status = keldo::kBatchCompleted;
    if (!keldo::ImportLasMeasurements(inputs, doc, box, error)) {
        out.status = keldo::StatusOf(error);
        out.message = error.Message();
    }
    out.lines = doc.m_Messwerte;
    return out;
}

// Acts on the next modal LAS dialog as soon as it shows; looks no more once
// it has found one or this object is gone.
class NextLasDialog {
public:
    explicit NextLasDialog(std::function<void(DlgLasImport&)> act) : m_state(std::make_shared<State>())
    {
        m_state->act = std::move(act);
        Poll(m_state);
    }
    ~NextLasDialog() { m_state->stopped = true; }
    bool Seen() const { return m_state->seen; }

private:
    struct State {
        std::function<void(DlgLasImport&)> act;
        bool stopped = false;
        bool seen = false;
    };
    static void Poll(std::shared_ptr<State> state)
    {
        QTimer::singleShot(5, [state] {
            if (state->stopped)
                return;
            if (auto* las = qobject_cast<DlgLasImport*>(QApplication::activeModalWidget())) {
                state->seen = state->stopped = true;
                state->act(*las);
                // A failed check leaves the act early: close the dialog all the same.
                if (las->isVisible())
                    las->reject();
                return;
            }
            Poll(state);
        });
    }
    std::shared_ptr<State> m_state;
};

CDlgInputValues ValidGas()
{
    CDlgInputValues v;
    SetDefaultGasParameters(v);
    v.m_fKontakt = 1520.0f;
    return v;
}

// The input dialog as the document opens it, with the file dialog of "Datei
// lesen" answered by `chosen`.
struct OpenDialog {
    explicit OpenDialog(const CDlgInputValues& values = ValidGas()) : dlg(box)
    {
        dlg.SetValues(values);
        dlg.OnInitDialog();
        dlg.show();
        dlg.SetFileChooser([this](QWidget*) { return chosen; });
    }
    QString Text(Id id) const { return qobject_cast<QLineEdit*>(dlg.GetDlgItem(id))->text(); }
    QString Label(Id id) const { return qobject_cast<QLabel*>(dlg.GetDlgItem(id))->text(); }
    int ListRows() const { return dlg.m_ListMesswerte->model()->rowCount(); }

    RecordingMessageBox box;
    DlgInput dlg;
    std::string chosen;
};

void ChooseSurvey(DlgLasImport& las, const std::string& survey)
{
    las.SetSurveyChooser([survey](QWidget*) { return survey; });
    QTest::mouseClick(las.SurveyButton(), Qt::LeftButton);
}

void SetText(QLineEdit* field, const QString& text)
{
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

int IndexOf(QComboBox* combo, const QString& mnemonic)
{
    for (int i = 0; i < combo->count(); ++i)
        if (combo->itemText(i).section(QLatin1Char(' '), 0, 0) == mnemonic)
            return i;
    return -1;
}

QString Cell(QTableWidget* table, int row, int column) { return table->item(row, column)->text(); }

} // namespace

class DlgLasImportTest : public QObject {
    Q_OBJECT
private slots:
    void volveWellsGiveTheLinesOfTheBatchTool()
    {
        GermanLocale german; // as under LC_ALL=de_DE.UTF-8: numbers still with a point
        const struct {
            const char* what;
            const char* well;
            bool survey;
            const char* elevation; // typed into "Bezugshöhe (m)"; nullptr: as the header fills it
            std::optional<double> batchElevation;
            const char* countsSay;
            bool renamed = false; // copied under a .txt name: recognised by its first line
        } cases[] = {
            {"F-12 as suggested", "15_9-F-12", true, nullptr, std::nullopt, "2647 von 2650 Zeilen übernommen."},
            {"F-11 A with elevation 0", "15_9-F-11_A", true, "0", 0.0, "1533 von 1869 Zeilen übernommen."},
            {"F-11 B as suggested", "15_9-F-11_B", true, nullptr, std::nullopt,
                "224 mit nicht fortschreitender Teufe."},
            {"F-11 B without survey", "15_9-F-11_B", false, " 54.9 ", 54.9, "(gemessene Teufe MD) als TVD genommen"},
            {"F-11 B, elevation with a decimal comma", "15_9-F-11_B", false, "54,9", 54.9,
                "(gemessene Teufe MD) als TVD genommen"},
            {"F-12 under a .txt name", "15_9-F-12", true, nullptr, std::nullopt, "2647 von 2650 Zeilen übernommen.",
                true},
        };
        ScratchFolder folder;
        for (const auto& c : cases) {
            const BatchImport batch
                = RunBatchImport(VolveWellLas(c.well), c.survey ? VolveWellSurvey(c.well) : "", c.batchElevation);
            QCOMPARE(batch.status, int(keldo::kBatchCompleted));

            OpenDialog o;
            o.chosen = VolveWellLas(c.well);
            if (c.renamed) {
                o.chosen = folder.file(std::string(c.well) + "-log.txt");
                std::filesystem::copy_file(VolveWellLas(c.well), o.chosen);
            }
            QString counts;
            NextLasDialog answer([&](DlgLasImport& las) {
                if (c.survey)
                    ChooseSurvey(las, VolveWellSurvey(c.well));
                if (c.elevation)
                    SetText(las.ElevationField(), QString::fromUtf8(c.elevation));
                counts = las.CountsText()->text();
                QTest::mouseClick(las.OkButton(), Qt::LeftButton);
            });
            QTest::mouseClick(qobject_cast<QPushButton*>(o.dlg.GetDlgItem(Id::ReadFileButton)), Qt::LeftButton);
            QVERIFY2(answer.Seen(), c.what);
            QVERIFY2(counts.contains(QString::fromUtf8(c.countsSay)), qPrintable(counts));
            QVERIFY2(o.dlg.m_Messwerte == batch.lines, c.what);
            // Every Volve depth is taken below sea level but with elevation 0.
            QCOMPARE(o.dlg.m_depthsBelowSeaLevel, c.batchElevation != 0.0);
            // As after a text import: the list, the count, the window, the cut-off.
            QCOMPARE(o.ListRows(), int(batch.lines.size()));
            QCOMPARE(o.Label(Id::LineCountText), QStringLiteral("%1 Zeilen wurden eingelesen").arg(batch.lines.size()));
            // The Volve depths increase: the first line is the top of the window.
            float top = 0, bottom = 0;
            QCOMPARE(keldo::ScanFloats(batch.lines.front(), &top, 1), 1);
            QCOMPARE(keldo::ScanFloats(batch.lines.back(), &bottom, 1), 1);
            QCOMPARE(o.dlg.m_fMinTeufe, top);
            QCOMPARE(o.dlg.m_fMaxTeufe, bottom);
            QCOMPARE(o.Text(Id::Cutoff), QStringLiteral("0.06"));
            QVERIFY(o.box.shown.empty() && o.box.questions.empty()); // no order question for a LAS file
        }
    }

    void keyboardAlone()
    {
        OpenDialog o;
        o.chosen = VolveWellLas("15_9-F-11_B");
        QString swChosen;
        NextLasDialog answer([&](DlgLasImport& las) {
            QVERIFY(QTest::qWaitForWindowActive(&las));
            QCOMPARE(QApplication::focusWidget(), las.Chooser(CurveRole::Depth));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), las.Chooser(CurveRole::Porosity));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), las.Chooser(CurveRole::WaterSaturation));
            // SW, then the next curve of the file: VSH
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
            swChosen = las.Chooser(CurveRole::WaterSaturation)->currentText();
            // Past "Tonanteil", with VSH suggested, on to "Bohrpfad…", pressed
            // with the space bar.
            las.SetSurveyChooser([](QWidget*) { return VolveWellSurvey("15_9-F-11_B"); });
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), las.Chooser(CurveRole::Shale));
            QCOMPARE(las.Chooser(CurveRole::Shale)->currentText(), QStringLiteral("VSH (v/v)"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), las.SurveyButton());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            QCOMPARE(las.SurveyField()->text(), QStringLiteral("15_9-F-11_B_ACTUAL.txt"));
            QCOMPARE(las.SurveyField()->toolTip(), QString::fromStdString(VolveWellSurvey("15_9-F-11_B")));
            // The elevation by its mnemonic, typed over.
            QTest::keyClick(&las, Qt::Key_Z, Qt::AltModifier);
            QCOMPARE(QApplication::focusWidget(), las.ElevationField());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("50"));
            // Back to the Sw chooser by its mnemonic; Enter there is OK.
            QTest::keyClick(&las, Qt::Key_W, Qt::AltModifier);
            QCOMPARE(QApplication::focusWidget(), las.Chooser(CurveRole::WaterSaturation));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        o.dlg.FileOpen();
        QVERIFY(answer.Seen());
        QCOMPARE(swChosen, QStringLiteral("VSH (v/v)"));
        const BatchImport batch
            = RunBatchImport(VolveWellLas("15_9-F-11_B"), VolveWellSurvey("15_9-F-11_B"), 50.0, "", "VSH");
        QCOMPARE(batch.status, int(keldo::kBatchCompleted));
        QVERIFY(o.dlg.m_Messwerte == batch.lines);
    }

    void cancelChangesNothing()
    {
        CDlgInputValues v = ValidGas();
        v.m_strBohrung.clear();
        v.m_Messwerte = {"  1000.000      0.20000     0.30000"};
        v.m_fMinTeufe = 900;
        v.m_fMaxTeufe = 1100;
        OpenDialog o(v);
        SetText(qobject_cast<QLineEdit*>(o.dlg.GetDlgItem(Id::Temperature)), QStringLiteral("99"));
        o.chosen = VolveWellLas("15_9-F-12");
        const struct {
            const char* what;
            std::function<void(DlgLasImport&)> close;
        } ways[] = {
            {"Escape", [](DlgLasImport& las) { QTest::keyClick(&las, Qt::Key_Escape); }},
            {"Abbrechen",
                [](DlgLasImport& las) {
                    for (auto* b : las.findChildren<QPushButton*>())
                        if (b->text() == QStringLiteral("Abbrechen"))
                            QTest::mouseClick(b, Qt::LeftButton);
                }},
        };
        for (const auto& way : ways) {
            NextLasDialog answer([&](DlgLasImport& las) {
                ChooseSurvey(las, VolveWellSurvey("15_9-F-12"));
                las.Chooser(CurveRole::Porosity)->setCurrentIndex(IndexOf(las.Chooser(CurveRole::Porosity), "BVW"));
                SetText(las.ElevationField(), QStringLiteral("10"));
                way.close(las);
            });
            o.dlg.FileOpen();
            QVERIFY2(answer.Seen(), way.what);
            QCOMPARE(o.dlg.m_Messwerte, v.m_Messwerte);
            QCOMPARE(o.ListRows(), 1);
            QCOMPARE(o.Text(Id::WellName), QString());
            QCOMPARE(o.Text(Id::Temperature), QStringLiteral("99"));
            QCOMPARE(o.Text(Id::MinDepth), QStringLiteral("900"));
            QCOMPARE(o.Label(Id::LineCountText), QString());
            QVERIFY(o.box.shown.empty() && o.box.questions.empty());
        }
    }

    void wellNameFillsAnEmptyField()
    {
        ScratchFolder folder;
        const std::string nameless = folder.file("ohne-name.las");
        WriteBytes(nameless, "~V\n VERS. 2.0 :\n~W\n EKB.M 30 :\n~C\n DEPT.M :\n PHIE. :\n SW. :\n~A\n 1000 0.2 0.3\n");
        const struct {
            const char* what;
            const char* stored; // the document's name
            const char* typed;  // typed into "Bohrung" before "Datei lesen"; nullptr: left
            std::string las;
            bool offered; // the check box to take the file's name is shown
            bool ticked;  // and the user ticks it
            const char* after;
        } cases[] = {
            {"empty field", "", nullptr, VolveWellLas("15_9-F-11_B"), false, false, "15/9-F-11 B"},
            {"blanks only", "", "   ", VolveWellLas("15_9-F-11_B"), false, false, "15/9-F-11 B"},
            {"a name is kept", "F-11 B (Neuberechnung)", nullptr, VolveWellLas("15_9-F-11_B"), true, false,
                "F-11 B (Neuberechnung)"},
            {"another well's name replaced", "15/9-F-11 A", nullptr, VolveWellLas("15_9-F-11_B"), true, true,
                "15/9-F-11 B"},
            {"the file's own name", "15/9-F-11 B", nullptr, VolveWellLas("15_9-F-11_B"), false, false, "15/9-F-11 B"},
            {"a typed name is kept", "", "Meine Bohrung", VolveWellLas("15_9-F-11_B"), true, false, "Meine Bohrung"},
            {"the stored name cleared", "Alt", "", VolveWellLas("15_9-F-11_A"), false, false, "15/9-F-11 A"},
            {"a file without a name", "", nullptr, nameless, false, false, ""},
            {"a file without a name, a name kept", "Alt", nullptr, nameless, false, false, "Alt"},
        };
        for (const auto& c : cases) {
            CDlgInputValues v = ValidGas();
            v.m_strBohrung = c.stored;
            OpenDialog o(v);
            if (c.typed)
                SetText(qobject_cast<QLineEdit*>(o.dlg.GetDlgItem(Id::WellName)), QString::fromUtf8(c.typed));
            o.chosen = c.las;
            bool offered = false;
            NextLasDialog answer([&](DlgLasImport& las) {
                offered = las.WellNameBox()->isVisible();
                if (c.ticked)
                    QTest::mouseClick(las.WellNameBox(), Qt::LeftButton);
                QTest::mouseClick(las.OkButton(), Qt::LeftButton);
            });
            o.dlg.FileOpen();
            QVERIFY2(answer.Seen(), c.what);
            QVERIFY2(offered == c.offered, c.what);
            QVERIFY2(o.Text(Id::WellName) == QString::fromUtf8(c.after), c.what);
            QVERIFY2(o.dlg.m_strBohrung == c.after, c.what);
            QVERIFY2(!o.dlg.m_Messwerte.empty(), c.what);
        }
    }

    void unreadableFilesGiveOneMessageAndChangeNothing()
    {
        ScratchFolder folder;
        const struct {
            const char* name;
            const char* content; // nullptr: no such file
        } files[] = {
            {"messwerte.las", "1500 0.2 0.3\n1490 0.2 0.3\n"},
            {"v3.las", "~V\n VERS. 3.0 : CWLS LOG ASCII STANDARD -VERSION 3.0\n WRAP. NO :\n"},
            {"ohne-daten.las", "~V\n VERS. 2.0 :\n~C\n DEPT.M :\n PHIE. :\n SW. :\n"},
            {"falsche-anzahl.txt", "~V\n VERS. 2.0 :\n~C\n DEPT.M :\n PHIE. :\n SW. :\n~A\n 1000 0.2 0.3\n 1001 0.2\n"},
            {"abgeschnitten.las", "~V\n VERS. 2.0 :\n WRAP. YES :\n~C\n DEPT.M :\n PHIE. :\n SW. :\n~A\n 1000\n 0.2\n"},
            {"fehlt.las", nullptr},
        };
        for (const auto& f : files) {
            const std::string path = folder.file(f.name);
            if (f.content)
                WriteBytes(path, f.content);
            const BatchImport batch = RunBatchImport(path, "", 0.0);
            QCOMPARE(batch.status, int(keldo::kBatchUnreadable));

            CDlgInputValues v = ValidGas();
            v.m_Messwerte = {"  1000.000      0.20000     0.30000"};
            OpenDialog o(v);
            o.chosen = path;
            NextLasDialog answer([](DlgLasImport& las) { las.reject(); });
            o.dlg.FileOpen();
            QVERIFY2(!answer.Seen(), f.name);
            QCOMPARE(o.box.shown, std::vector<std::string>{batch.message});
            QVERIFY(o.box.questions.empty());
            QCOMPARE(o.dlg.m_Messwerte, v.m_Messwerte);
            QCOMPARE(o.Label(Id::LineCountText), QString());
        }
    }

    void unreadableSurveyGivesOneMessageAndChangesNothing()
    {
        ScratchFolder folder;
        const struct {
            const char* name;
            const char* content;
        } surveys[] = {
            {"rueckwaerts.txt", "MD INC AZI\n100 5 10\n90 5 10\n"},
            {"eine-station.txt", "MD INC AZI\n100 5 10\n"},
            {"ohne-spalten.txt", "Tiefe Winkel\n100 5\n"},
        };
        const BatchImport withoutSurvey = RunBatchImport(VolveWellLas("15_9-F-12"), "", std::nullopt);
        for (const auto& s : surveys) {
            const std::string path = folder.file(s.name);
            WriteBytes(path, s.content);
            const BatchImport batch = RunBatchImport(VolveWellLas("15_9-F-12"), path, std::nullopt);
            QCOMPARE(batch.status, int(keldo::kBatchUnreadable));

            OpenDialog o;
            o.chosen = VolveWellLas("15_9-F-12");
            NextLasDialog answer([&](DlgLasImport& las) {
                const QString counts = las.CountsText()->text(), preview = las.Preview()->toPlainText();
                ChooseSurvey(las, path);
                QCOMPARE(o.box.shown, std::vector<std::string>{batch.message});
                QCOMPARE(las.SurveyField()->text(), QString());
                QCOMPARE(las.CountsText()->text(), counts);
                QCOMPARE(las.Preview()->toPlainText(), preview);
                QTest::mouseClick(las.OkButton(), Qt::LeftButton);
            });
            o.dlg.FileOpen();
            QVERIFY2(answer.Seen(), s.name);
            QVERIFY2(o.dlg.m_Messwerte == withoutSurvey.lines, s.name);
        }
    }

    void okIsRefusedUntilTheChoiceGivesRows()
    {
        const struct {
            const char* what;
            std::string las;
            std::function<void(DlgLasImport&)> change;
            std::string message;
            std::string live; // how the count line begins meanwhile
        } cases[] = {
            // DEPT and DT only: nothing is suggested for porosity and Sw.
            {"no porosity chosen", TestLasPath("utf8-bom.las"), [](DlgLasImport&) {},
                "Bitte die Kurve für Porosität wählen.", "Bitte die Kurve für Porosität wählen."},
            {"no Sw chosen", TestLasPath("utf8-bom.las"),
                [](DlgLasImport& las) { las.Chooser(CurveRole::Porosity)->setCurrentIndex(1); },
                "Bitte die Kurve für Wassersättigung wählen.", "Bitte die Kurve für Wassersättigung wählen."},
            // A decimal comma is taken (volveWellsGiveTheLinesOfTheBatchTool); a
            // text is refused and marked.
            {"elevation no number", VolveWellLas("15_9-F-12"),
                [](DlgLasImport& las) { SetText(las.ElevationField(), QStringLiteral("54 m")); },
                keldo::NotANumberMessage("Bezugshöhe (m)"), keldo::NotANumberMessage("Bezugshöhe (m)")},
            {"no row in range", TestLasPath("feet-percent.las"),
                [](DlgLasImport& las) {
                    las.Chooser(CurveRole::Porosity)->setCurrentIndex(0); // the depth as porosity
                },
                "Keine Zeile ist verwertbar.\n0 von 7 Zeilen übernommen. Verworfen: 1 mit fehlendem Wert, 6 mit Wert "
                "außerhalb des Bereichs, 0 mit nicht fortschreitender Teufe.",
                "0 von 7 Zeilen übernommen."},
        };
        for (const auto& c : cases) {
            OpenDialog o;
            o.chosen = c.las;
            NextLasDialog answer([&](DlgLasImport& las) {
                c.change(las);
                QTest::mouseClick(las.OkButton(), Qt::LeftButton);
                QVERIFY2(las.isVisible(), c.what);
                QCOMPARE(las.ElevationField()->property("refused").toBool(),
                    c.message == keldo::NotANumberMessage("Bezugshöhe (m)"));
                QVERIFY2(o.box.shown.size() == 1 && o.box.shown[0].rfind(c.message, 0) == 0,
                    qPrintable(QString::fromStdString(o.box.shown.empty() ? "-" : o.box.shown[0])));
                // The live count says the same while the choice stands.
                QVERIFY2(las.CountsText()->text().startsWith(QString::fromStdString(c.live)),
                    qPrintable(las.CountsText()->text()));
                QTest::keyClick(&las, Qt::Key_Escape);
            });
            o.dlg.FileOpen();
            QVERIFY2(answer.Seen(), c.what);
            QVERIFY2(o.dlg.m_Messwerte.empty(), c.what);
        }
    }

    void fileDialogOffersMeasurementAndLasFiles()
    {
        RecordingMessageBox box;
        DlgInput dlg(box);
        dlg.show();
        QStringList filters;
        std::function<void(int)> poll = [&](int attempts) {
            QTimer::singleShot(10, [&, attempts] {
                if (auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                    filters = files->nameFilters();
                    files->reject();
                } else if (attempts > 0) {
                    poll(attempts - 1);
                }
            });
        };
        poll(300);
        dlg.FileOpen();
        QCOMPARE(filters,
            (QStringList{QStringLiteral("Messwertdateien (*.txt *.TXT)"), QStringLiteral("LAS-Dateien (*.las *.LAS)"),
                QStringLiteral("Alle Dateien (*)")}));
        // Cancelled: no order question, nothing read.
        QVERIFY(box.questions.empty() && box.shown.empty());
    }

    // The depth columns of the curve table keep one precision, enough for
    // every value of the file (las12.las: 1200 to 1200.5 m; wrapped.las:
    // 1500.0 to 1500.2 m; F-11 B: 3351.6 to 4759.2 m).
    void curveTableDepthsShareOnePrecision()
    {
        const struct {
            std::string las;
            const char* first; // the first curve's first depth as shown
            int decimals;
        } files[] = {
            {TestLasPath("las12.las"), "1200.0", 1},
            {TestLasPath("wrapped.las"), "1500.0", 1},
            {VolveWellLas("15_9-F-11_B"), "3351.6", 1},
        };
        for (const auto& f : files) {
            RecordingMessageBox box;
            DlgLasImport las(box);
            QVERIFY(las.Open(f.las));
            QTableWidget* table = las.CurveTable();
            QCOMPARE(Cell(table, 0, 4), QString::fromLatin1(f.first));
            for (int row = 0; row < table->rowCount(); ++row)
                for (int column : {4, 5}) {
                    const QString text = Cell(table, row, column);
                    if (!text.isEmpty())
                        QVERIFY2(text.size() - text.indexOf(QLatin1Char('.')) - 1 == f.decimals, qPrintable(text));
                }
        }
    }

    // A log in feet: the counts and the preview say the depths were
    // converted (feet-percent.las: DEPT.FT, 9000.0 ft = 2743.2 m, less
    // EKB 82.0 ft = 24.9936 m).
    void feetAreSaidToBeConverted()
    {
        RecordingMessageBox box;
        DlgLasImport las(box);
        QVERIFY(las.Open(TestLasPath("feet-percent.las")));
        const QStringList preview = las.Preview()->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(preview[0], QStringLiteral("Teufe in FT, umgerechnet in m."));
        QCOMPARE(preview[1], QStringLiteral("Teufe(TVDSS)  Porosität          Sw"));
        QVERIFY2(preview[3].startsWith(QStringLiteral("  2718.206")), qPrintable(preview[3]));
        QVERIFY(las.CountsText()->text().contains(QStringLiteral("\nTeufe in FT, umgerechnet in m.")));
    }

    void curveTableAndChoosersShowTheFile()
    {
        RecordingMessageBox box;
        DlgLasImport las(box);
        QVERIFY(las.Open(VolveWellLas("15_9-F-11_B")));
        QTableWidget* table = las.CurveTable();
        QCOMPARE(table->rowCount(), 9);
        QCOMPARE(table->horizontalHeaderItem(4)->text(), QStringLiteral("Erste Teufe (M)"));
        // Counted in the file with awk: PHIF has 13933 values from 3351.6 to
        // 4744.8 m MD, VSH all 14077 rows to 4759.2 m.
        const struct {
            int row;
            const char* cells[6];
        } rows[] = {
            {5, {"PHIF", "v/v", "5  PHIF:CPI:rC:NONE:v1", "13933", "3351.6", "4744.8"}},
            {8, {"VSH", "v/v", "8  VSH:CPI:rC:NONE:v1", "14077", "3351.6", "4759.2"}},
        };
        for (const auto& r : rows)
            for (int column = 0; column < 6; ++column)
                QCOMPARE(Cell(table, r.row, column), QString::fromUtf8(r.cells[column]));
        QCOMPARE(las.Chooser(CurveRole::Depth)->currentText(), QStringLiteral("DEPTH (M)"));
        QCOMPARE(las.Chooser(CurveRole::Porosity)->currentText(), QStringLiteral("PHIF (v/v)"));
        QCOMPARE(las.Chooser(CurveRole::WaterSaturation)->currentText(), QStringLiteral("SW (v/v)"));
        QVERIFY(las.Chooser(CurveRole::Permeability) == nullptr);       // only where a caller asks for it
        QCOMPARE(las.ElevationField()->text(), QStringLiteral("54.9")); // EDF .M 54.900
        QVERIFY(las.OkButton()->isDefault());
        // Without a survey the MD curve is taken as TVD, and the dialog says so.
        QVERIFY(
            las.CountsText()->text().contains(QStringLiteral("als TVD genommen, wie bei einer senkrechten Bohrung")));
        const QStringList preview = las.Preview()->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(preview.size(), int(2 + DlgLasImport::kPreviewLines + 2)); // heading, lines, "…", end
        // the first row of the LAS file, 3351.6 m MD taken as TVD less 54.9 m
        QCOMPARE(preview[2], QStringLiteral("  3296.700      0.05500     1.00000"));
        // less the elevation: below sea level, and the heading says so
        QCOMPARE(preview[0], QStringLiteral("Teufe(TVDSS)  Porosität          Sw"));

        // The survey and back: the counts follow each time (tests/data/volve/README.md).
        ChooseSurvey(las, VolveWellSurvey("15_9-F-11_B"));
        QVERIFY(las.CountsText()->text().contains(QStringLiteral("224 mit nicht fortschreitender Teufe")));
        QCOMPARE(las.Preview()->toPlainText().split(QLatin1Char('\n'))[2],
            QStringLiteral("  2791.782      0.05500     1.00000")); // the first line of 15_9-F-11_B.txt
        QTest::mouseClick(las.NoSurveyButton(), Qt::LeftButton);
        QCOMPARE(las.SurveyField()->text(), QString());
        QVERIFY(las.CountsText()->text().contains(QStringLiteral("0 mit nicht fortschreitender Teufe")));
        QVERIFY(las.CountsText()->text().contains(QStringLiteral("als TVD genommen")));
        // Without the elevation the depths are those of the log's reference.
        SetText(las.ElevationField(), QStringLiteral("0"));
        QTest::keyClick(las.ElevationField(), Qt::Key_Tab);
        QCOMPARE(las.Preview()->toPlainText().split(QLatin1Char('\n'))[0], QStringLiteral("Teufe(TVD)    Porosität          Sw"));
        QVERIFY(box.shown.empty());
    }

    void permeabilityForTheCallerThatAsks()
    {
        RecordingMessageBox box;
        const struct {
            const char* choose; // nullptr: the suggestion
            size_t permeabilities;
            double first;
        } cases[] = {
            // tests/data/volve/klogh/15_9-F-12_phif_klogh.txt: 2647 rows, the first with KLOGH 0.001 mD
            {nullptr, 2647, 0.001},
            {"(keine)", 0, 0},
        };
        for (const auto& c : cases) {
            DlgLasImport las(box, nullptr, true);
            QVERIFY(las.Open(VolveWellLas("15_9-F-12")));
            QComboBox* permeability = las.Chooser(CurveRole::Permeability);
            QVERIFY(permeability);
            QCOMPARE(permeability->currentText(), QStringLiteral("KLOGH (mD)"));
            if (c.choose)
                permeability->setCurrentIndex(permeability->findText(QString::fromUtf8(c.choose)));
            las.SetSurveyChooser([](QWidget*) { return VolveWellSurvey("15_9-F-12"); });
            las.OnChooseSurvey();
            las.OnOk();
            QCOMPARE(las.result(), int(QDialog::Accepted));
            // The values themselves are checked against that table with the session.
            const keldo::KeptRowValues values = las.KeptValues();
            QCOMPARE(values.permeabilities.size(), c.permeabilities);
            if (c.permeabilities)
                QCOMPARE(values.permeabilities.front(), c.first);
            QCOMPARE(las.Session().Curve(CurveRole::Permeability).has_value(), c.choose == nullptr);
        }
        QVERIFY(box.shown.empty());
    }
};

QTEST_MAIN(DlgLasImportTest)
#include "DlgLasImportQTest.moc"
