// "Modell anpassen" on the Volve wells and at the keyboard.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QCheckBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "ChartView.h"
#include "DlgFitModel.h"
#include "DlgFitModelPcTab.h"
#include "DlgFitModelPressure.h"
#include "DlgLasImport.h"
#include "DocumentFile.h"
#include "KeldoDoc.h"
#include "MeasurementImport.h"
#include "RecordingMessageBox.h"
#include "WellDataTestFiles.h"

namespace {

// A Volve well as keldo-batch prepares it for its fits: the example
// document's model, the measurement lines of the well's LAS file and survey
// (tests/data/volve holds them as made by the same import, elevation 54.9 m),
// the depth window from the first to the last line, keldo-batch's cut-off
// and mode.
std::unique_ptr<CKeldoDoc> VolveDocument(const std::string& well, const std::string& document, RecordingMessageBox& box)
{
    auto doc = std::make_unique<CKeldoDoc>(box);
    if (!keldo::LoadDocument((SourceFolder() / "examples" / document).string(), *doc))
        return nullptr;
    std::vector<std::string> lines;
    if (!keldo::ImportMeasurementFile(VolveMeasurementPath(well + ".txt"), false, box, lines))
        return nullptr;
    doc->m_Messwerte = std::move(lines);
    keldo::DepthWindowFromLines(doc->m_Messwerte, doc->m_fMinTeufe, doc->m_fMaxTeufe);
    doc->m_fCutoff = 0.06f;
    doc->m_nModus = 0;
    return doc;
}

// The LAS import as the user answers it: the well's survey chosen, the
// suggested curves (KLOGH for the permeability) and the header's elevation
// kept, OK.
DlgFitModel::LasImportRunner ChooseSurveyAndOk(const std::string& survey)
{
    return [survey](DlgLasImport& las) {
        las.SetSurveyChooser([survey](QWidget*) { return survey; });
        las.OnChooseSurvey();
        las.OnOk();
        return las.result() == QDialog::Accepted;
    };
}

QStringList Lines(const QPlainTextEdit* field) { return field->toPlainText().split(QLatin1Char('\n')); }

void SetFocusTo(QWidget& window, QWidget* widget)
{
    widget->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(QApplication::focusWidget() == widget || !window.isActiveWindow());
}

} // namespace

class DlgFitModelQTest : public QObject {
    Q_OBJECT

private slots:
    // The lines of keldo-batch's fit report for each well, printed by
    //   keldo-batch --las examples/volve/las/WELL_WLC_PETRO_COMPUTED_OUTPUT_1.LAS
    //     --survey examples/volve/trajectories/WELL_ACTUAL.txt --elevation auto
    //     --fit-phik --fit-contact examples/DOCUMENT
    // (the README's worked example for 15/9-F-11 A); only the "Daten:" line,
    // which names the file as given, is left out.
    void volveFitsGiveTheNumbersOfKeldoBatch_data()
    {
        QTest::addColumn<QString>("well");
        QTest::addColumn<QString>("document");
        QTest::addColumn<QStringList>("phiK");
        QTest::addColumn<QStringList>("contact");

        QTest::newRow("15/9-F-11 A") << "15_9-F-11_A" << "oil-well-F-11A.kld"
                                     << QStringList{
                                            "  Teufenbereich                      (m):    2928.3 bis 3052.2",
                                            "  Gelesene Wertepaare                (-):      1533",
                                            "  davon Permeabilität <= 0           (-):         6",
                                            "  Angepasste Wertepaare n            (-):      1527",
                                            "  Ordnung                            (-):         2",
                                            "  PHI/K-Korrelation: log(K) =-3.97035 +42.6272*PHI -67.4057*PHI*PHI",
                                            "  Bestimmtheitsmaß R²                (-):    0.6557",
                                            "  RMS von log10(K)             (Dekaden):    1.1582",
                                        }
                                     << QStringList{
                                            "  ANPASSUNG DES ÖL-WASSER-KONTAKTES",
                                            "  Kontaktbereich                     (m):   2928.28 bis 3352.20",
                                            "  Messwerte mit Porosität ab Cut-off (-):      1413",
                                            "  Angepasster Öl-Wasser-Kontakt      (m):   3027.90",
                                            "  RMS von Sw                         (-):    0.1881",
                                            "  RMS bis 5 % über dem Minimum       (m):   3025.68 bis 3045.59",
                                        };
        QTest::newRow("15/9-F-12") << "15_9-F-12" << "gas-well-F-12.kld"
                                   << QStringList{
                                          "  Angepasste Wertepaare n            (-):      2647",
                                          "  PHI/K-Korrelation: log(K) =-4.25352 +38.2515*PHI -72.5834*PHI*PHI",
                                          "  Bestimmtheitsmaß R²                (-):    0.4585",
                                      }
                                   << QStringList{
                                          "  Angepasster Gas-Wasser-Kontakt     (m):   2950.08",
                                          "  RMS von Sw                         (-):    0.1658",
                                          "  RMS bis 5 % über dem Minimum       (m):   2930.85 bis 2970.31",
                                      };
        QTest::newRow("15/9-F-11 B") << "15_9-F-11_B" << "oil-well-F-11A.kld"
                                     << QStringList{
                                            "  Angepasste Wertepaare n            (-):     13709",
                                            "  PHI/K-Korrelation: log(K) =-1.88064 +16.5132*PHI +10.5877*PHI*PHI",
                                            "  Bestimmtheitsmaß R²                (-):    0.6607",
                                        }
                                     << QStringList{
                                            "  Angepasster Öl-Wasser-Kontakt      (m):   3145.19",
                                            "  RMS von Sw                         (-):    0.2429",
                                            "  RMS bis 5 % über dem Minimum       (m):   3106.43 bis 3170.89",
                                        };
    }

    // The Phi-K pairs come through the LAS import in its permeability mode,
    // the contact is fitted with the relation just fitted, over the range the
    // tab proposes: what keldo-batch does with the same files.
    void volveFitsGiveTheNumbersOfKeldoBatch()
    {
        QFETCH(QString, well);
        QFETCH(QString, document);
        QFETCH(QStringList, phiK);
        QFETCH(QStringList, contact);

        RecordingMessageBox box;
        const auto doc = VolveDocument(well.toStdString(), document.toStdString(), box);
        QVERIFY(doc);
        box.shown.clear();
        DlgFitModel dlg(*doc, doc->m_Messwerte, box);
        dlg.SetLasFileChooser([&](QWidget*) { return VolveWellLas(well.toStdString()); });
        dlg.SetLasImportRunner(ChooseSurveyAndOk(VolveWellSurvey(well.toStdString())));

        dlg.LasButton()->click();
        QVERIFY2(QString::fromStdString(dlg.PairSource()).endsWith(QStringLiteral(", Kurve KLOGH (mD)")),
            dlg.PairSource().c_str());
        dlg.FitPhiKButton()->click();
        const QStringList phiKShown = Lines(dlg.PhiKNumbers());
        for (const QString& line : phiK)
            QVERIFY2(phiKShown.contains(line), qPrintable(line + "\nnot in\n" + phiKShown.join('\n')));
        QVERIFY(!dlg.PhiKChart()->Page().list.empty());

        dlg.Tabs()->setCurrentIndex(1);
        dlg.FitContactButton()->click();
        const QStringList contactShown = Lines(dlg.ContactNumbers());
        for (const QString& line : contact)
            QVERIFY2(contactShown.contains(line), qPrintable(line + "\nnot in\n" + contactShown.join('\n')));
        QVERIFY(!dlg.ContactChart()->Page().list.empty());

        // The LAS import shows its counts in itself; a fit says nothing.
        QVERIFY2(box.shown.empty(), box.shown.empty() ? "" : box.shown.front().c_str());
        QVERIFY(dlg.TakeOverButton()->isEnabled());
    }

    // Tab follows the layout of each tab, from its data down to its numbers,
    // then "Übernehmen" and "Schließen"; the order buttons are one stop,
    // entered at the first, the arrow keys choose. Enter in a field and Alt+A
    // press "Anpassen" of the tab shown, Enter on a button that button; Alt+T
    // opens a file on "Kapillardruck", Alt+D shows "Druck". (That every Alt
    // key of the dialog is its own is checked for every window of the
    // program together.)
    void keyboardReachesTheControlsOfEachTab()
    {
        RecordingMessageBox box;
        CKeldoDoc doc(box);
        DlgFitModel dlg(doc, {}, box);
        DlgFitModelPcTab& pc = *dlg.PcTab();
        DlgFitModelPressure& pressure = *dlg.PressurePage();
        int fitPhiK = 0, fitContact = 0, fitPc = 0, pcFiles = 0, pressureFiles = 0;
        pc.SetFileChooser([&](QWidget*) {
            ++pcFiles;
            return std::string();
        });
        pressure.SetFileChooser([&](QWidget*) {
            ++pressureFiles;
            return std::string();
        });
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        connect(dlg.FitPhiKButton(), &QPushButton::clicked, [&] { ++fitPhiK; });
        connect(dlg.FitContactButton(), &QPushButton::clicked, [&] { ++fitContact; });
        connect(pc.FitButton(), &QPushButton::clicked, [&] { ++fitPc; });

        dlg.TakeOverButton()->setEnabled(true); // as after a fit
        const std::vector<QWidget*> tabOrders[] = {
            {dlg.LasButton(), dlg.CoreButton(), dlg.OrderButton(1), dlg.FitPhiKButton(), dlg.PhiKNumbers(),
                dlg.TakeOverButton(), dlg.CloseButton()},
            {dlg.RangeFromField(), dlg.RangeToField(), dlg.FitContactButton(), dlg.ContactNumbers(),
                dlg.TakeOverButton(), dlg.CloseButton()},
            {pc.FileButton(), pc.Samples(), pc.PcMaxField(), pc.AlfaOrderBox(), pc.TwoStepBox(), pc.FitButton(),
                pc.Numbers(), dlg.TakeOverButton(), dlg.CloseButton()},
            {pressure.OpenButton(), pressure.Points(), pressure.Numbers(), dlg.TakeOverButton(), dlg.CloseButton()},
        };
        for (int tab = 0; tab < 4; ++tab) {
            dlg.Tabs()->setCurrentIndex(tab);
            const std::vector<QWidget*>& order = tabOrders[tab];
            SetFocusTo(dlg, order.front());
            for (size_t i = 1; i < order.size(); ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QVERIFY2(QApplication::focusWidget() == order[i], qPrintable(QStringLiteral("%1/%2").arg(tab).arg(i)));
            }
        }

        const struct {
            const char* what;
            int tab;
            QWidget* focus;
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            int* counter; // what the key must press once
        } presses[] = {
            {"Enter on an order button", 0, dlg.OrderButton(1), Qt::Key_Return, Qt::NoModifier, &fitPhiK},
            {"Enter in the Phi-K numbers", 0, dlg.PhiKNumbers(), Qt::Key_Enter, Qt::NoModifier, &fitPhiK},
            {"Alt+A on Phi-K", 0, dlg.OrderButton(2), Qt::Key_A, Qt::AltModifier, &fitPhiK},
            {"Enter in the contact range", 1, dlg.RangeFromField(), Qt::Key_Return, Qt::NoModifier, &fitContact},
            {"Alt+A on Kontakt", 1, dlg.RangeToField(), Qt::Key_A, Qt::AltModifier, &fitContact},
            {"Enter in Pc max", 2, pc.PcMaxField(), Qt::Key_Return, Qt::NoModifier, &fitPc},
            {"Alt+A on Kapillardruck", 2, pc.AlfaOrderBox(), Qt::Key_A, Qt::AltModifier, &fitPc},
            {"Alt+T on Kapillardruck", 2, pc.AlfaOrderBox(), Qt::Key_T, Qt::AltModifier, &pcFiles},
            {"Enter in the pressure numbers", 3, pressure.Numbers(), Qt::Key_Return, Qt::NoModifier, &pressureFiles},
        };
        for (const auto& press : presses) {
            dlg.Tabs()->setCurrentIndex(press.tab);
            SetFocusTo(dlg, press.focus);
            fitPhiK = fitContact = fitPc = pcFiles = pressureFiles = 0;
            QTest::keyClick(press.focus, press.key, press.modifiers);
            // A mnemonic clicks after the button has shown itself pressed.
            QTRY_VERIFY2(*press.counter == 1, press.what);
            QVERIFY2(fitPhiK + fitContact + fitPc + pcFiles + pressureFiles == 1, press.what);
        }
        dlg.Tabs()->setCurrentIndex(0);
        QTest::keyClick(&dlg, Qt::Key_D, Qt::AltModifier);
        QTRY_COMPARE(dlg.Tabs()->currentIndex(), 3);

        // Enter on a button presses that button, not "Anpassen".
        dlg.Tabs()->setCurrentIndex(0);
        SetFocusTo(dlg, dlg.CloseButton());
        fitPhiK = 0;
        QTest::keyClick(dlg.CloseButton(), Qt::Key_Return);
        QCOMPARE(fitPhiK, 0);
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QVERIFY(!dlg.isVisible());
    }

    // Enter in a dialog just opened presses "Anpassen", as the README says:
    // without data that is the message asking for them, not a file dialog.
    // The contact range shows both ends to the centimetre, takes a point or
    // a comma, and marks what it refuses; the graph names the depths as the
    // document's lines hold them.
    void contactRangeTakesPointAndComma()
    {
        RecordingMessageBox box;
        const auto doc = VolveDocument("15_9-F-12", "gas-well-F-12.kld", box);
        QVERIFY(doc);
        const QRegularExpression centimetres(QStringLiteral("^\\d+\\.\\d\\d$"));
        const struct {
            const char* name;
            const char* from;
            const char* to;
            bool belowSeaLevel;
            std::string message; // empty: fitted
        } cases[] = {
            {"as shown", nullptr, nullptr, false, ""},
            {"decimal comma", "2800,5", "3100", true, ""},
            {"comma read as the point", "3000,5", "2900", false,
                "ABBRUCH!!Der Kontaktbereich von 3000.50 m bis 2900.00 m ist leer"},
            {"no number", "29OO", "3000", false, "Das Feld \"Kontaktbereich von (m)\" enthält keine gültige Zahl!"},
        };
        for (const auto& c : cases) {
            box.shown.clear();
            DlgFitModel dlg(*doc, doc->m_Messwerte, box);
            dlg.SetDepthsBelowSeaLevel(c.belowSeaLevel);
            QVERIFY2(centimetres.match(dlg.RangeFromField()->text()).hasMatch(), qPrintable(dlg.RangeFromField()->text()));
            QVERIFY2(centimetres.match(dlg.RangeToField()->text()).hasMatch(), qPrintable(dlg.RangeToField()->text()));
            dlg.Tabs()->setCurrentIndex(1);
            if (c.from) {
                dlg.RangeFromField()->setText(QString::fromLatin1(c.from));
                dlg.RangeToField()->setText(QString::fromLatin1(c.to));
            }
            dlg.FitContactButton()->click();
            if (c.message.empty()) {
                QVERIFY2(box.shown.empty(), c.name);
                const auto& list = dlg.ContactChart()->Page().list;
                const std::string axis = c.belowSeaLevel ? "Kontakt TVDSS (m)" : "Kontakt TVD (m)";
                QVERIFY2(std::any_of(list.begin(), list.end(), [&](const auto& p) { return p.text == axis; }), c.name);
                continue;
            }
            QVERIFY2(box.shown.size() == 1 && box.shown[0].rfind(c.message, 0) == 0,
                box.shown.empty() ? c.name : box.shown[0].c_str());
            QCOMPARE(dlg.RangeFromField()->property("refused").toBool(), c.message.rfind("Das Feld", 0) == 0);
        }
    }

    void enterInAFreshDialogPressesFit()
    {
        RecordingMessageBox box;
        CKeldoDoc doc(box);
        DlgFitModel dlg(doc, {}, box);
        int chooserOpened = 0;
        dlg.SetLasFileChooser([&](QWidget*) {
            ++chooserOpened;
            return std::string();
        });
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(chooserOpened, 0);
        QCOMPARE(box.shown.size(), size_t(1));
        QVERIFY(box.shown[0].rfind("Für die Phi-K-Anpassung fehlen die Daten", 0) == 0);
    }
};

QTEST_MAIN(DlgFitModelQTest)
#include "DlgFitModelQTest.moc"
