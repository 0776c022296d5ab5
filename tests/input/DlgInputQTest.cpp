#include <filesystem>
#include <fstream>

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include "DefaultParameters.h"
#include "DialogUnits.h"
#include "DlgInput.h"
#include "LocaleGuard.h"
#include "RecordingMessageBox.h"

namespace {

using Id = keldo::ControlId;

CDlgInputValues ValidGas()
{
    CDlgInputValues v;
    SetDefaultGasParameters(v);
    v.m_fKontakt = 1520.0f;
    return v;
}

QString Text(DlgInput& dlg, Id id)
{
    QWidget* w = dlg.GetDlgItem(id);
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e->text();
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->text();
    return QStringLiteral("<no control %1>").arg(keldo::ToInt(id));
}

void Type(DlgInput& dlg, Id id, const QString& text)
{
    auto* e = qobject_cast<QLineEdit*>(dlg.GetDlgItem(id));
    QVERIFY(e);
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Delete);
    QTest::keyClicks(e, text);
    QCOMPARE(e->text(), text);
}

void Click(DlgInput& dlg, Id id)
{
    auto* b = qobject_cast<QAbstractButton*>(dlg.GetDlgItem(id));
    QVERIFY(b);
    QTest::mouseClick(b, Qt::LeftButton);
}

bool Checked(DlgInput& dlg, Id id) { return qobject_cast<QAbstractButton*>(dlg.GetDlgItem(id))->isChecked(); }

// A dialog opened as the document opens it, shown on the offscreen screen.
struct OpenDialog {
    explicit OpenDialog(const CDlgInputValues& values) : dlg(box)
    {
        dlg.SetValues(values);
        dlg.OnInitDialog();
        dlg.show();
    }
    bool StillOpen() const { return dlg.isVisible() && dlg.result() == 0; }

    RecordingMessageBox box;
    DlgInput dlg;
};

std::string WriteTempFile(const std::string& name, const std::string& content)
{
    auto path = std::filesystem::temp_directory_path() / name;
    std::ofstream(path, std::ios::binary) << content;
    return path.string();
}

} // namespace

class DlgInputTest : public QObject {
    Q_OBJECT
private slots:
    void controlsOfTheTemplate()
    {
        RecordingMessageBox box;
        DlgInput dlg(box);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Dialogfeld zum Programm KELDO"));
        const DialogUnits du(dlg.font());
        QCOMPARE(dlg.size(), du.Size(404, 285));
        // Button texts and positions in dialog units.
        struct {
            Id id;
            const char* text;
            QRect rect;
        } buttons[] = {
            {Id::DefaultsButton, "Default-Werte", {188, 7, 56, 14}},
            {Id::ReadFileButton, "Datei lesen", {245, 7, 50, 14}},
            {Id::CancelButton, "Abbrechen", {296, 7, 50, 14}},
            {Id::OkButton, "OK", {347, 7, 50, 14}},
            {Id::AllValuesButton, "Alle Werte", {354, 36, 43, 14}},
        };
        for (const auto& b : buttons) {
            auto* pb = qobject_cast<QPushButton*>(dlg.GetDlgItem(b.id));
            QVERIFY2(pb, b.text);
            QCOMPARE(pb->text(), QString::fromUtf8(b.text));
            QCOMPARE(pb->geometry(), du.Rect(b.rect.x(), b.rect.y(), b.rect.width(), b.rect.height()));
            QVERIFY(!pb->isDefault() && !pb->autoDefault());
            QCOMPARE(pb->objectName(), QString::number(keldo::ToInt(b.id)));
            QCOMPARE(pb->property("controlId").toInt(), keldo::ToInt(b.id));
        }
        QCOMPARE(Text(dlg, Id::FluidGas), QStringLiteral("Berechnung des Gas/Wasserkontaktes"));
        QCOMPARE(Text(dlg, Id::FluidOil), QStringLiteral("Berechnung des Öl/Wasserkontaktes"));
        QCOMPARE(Text(dlg, Id::PressureDependentCheck), QStringLiteral("Permeabilität druckabhängig"));
        QCOMPARE(Text(dlg, Id::WarningsCheck), QStringLiteral("Mit Warnungen"));
        QCOMPARE(Text(dlg, Id::DetailCheck), QStringLiteral("Detailausgabe"));
        QCOMPARE(Text(dlg, Id::ModeSaturation), QStringLiteral(" Wassersättigung"));
        QCOMPARE(dlg.GetDlgItem(Id::Contact)->geometry(), du.Rect(108, 94, 40, 14));
        // Moved and widened so that "* log10(K)^2 + " and "-0.0412589" fit.
        QCOMPARE(dlg.GetDlgItem(Id::Alfa3)->geometry(), du.Rect(269, 210, 45, 14));
        QCOMPARE(dlg.GetDlgItem(Id::MeasurementList)->geometry(), du.Rect(161, 50, 128, 114));
        QCOMPARE(dlg.GetDlgItem(Id::ModeContact)->geometry(), du.Rect(312, 183, 16, 8));
        for (Id id : {Id::WellName, Id::InitialPressure, Id::MaxCapillaryPressure, Id::Contact, Id::HydrocarbonDensity,
                 Id::Temperature, Id::WaterDensity, Id::PhiK0, Id::PhiK1, Id::PhiK2, Id::Alfa0, Id::Alfa1, Id::Alfa2,
                 Id::Alfa3, Id::Beta0, Id::Beta1, Id::Swmin0, Id::Swmin1, Id::Pcsperr0, Id::Pcsperr1, Id::MinDepth,
                 Id::MaxDepth, Id::Cutoff, Id::ContactAngle})
            QVERIFY2(qobject_cast<QLineEdit*>(dlg.GetDlgItem(id)), qPrintable(QString::number(keldo::ToInt(id))));
        QVERIFY(qobject_cast<QListView*>(dlg.GetDlgItem(Id::MeasurementList)));
        for (Id id : {Id::LineCountText, Id::ContactLabel, Id::DensityLabel, Id::ContactModeLabel})
            QVERIFY(qobject_cast<QLabel*>(dlg.GetDlgItem(id)));
        // Constructed without values: no radio button is chosen.
        dlg.UpdateData(false);
        for (Id id : {Id::FluidGas, Id::FluidOil, Id::ModeSaturation, Id::ModeContact})
            QVERIFY(!Checked(dlg, id));
        QVERIFY(dlg.findChild<QLabel*>() != nullptr);
    }

    void openingShowsTheValues()
    {
        GermanLocale german;
        CDlgInputValues v = ValidGas();
        v.m_nFluid = 1;
        v.m_fDichteKW = 812.5f;
        v.m_nModus = 1;
        v.m_fPhiK1 = 0.1000001f;
        v.m_Messwerte = {"  1500.000      0.20000     0.30000", "  1410.000      0.21000     0.31000"};
        OpenDialog o(v);
        DlgInput& dlg = o.dlg;
        QCOMPARE(Text(dlg, Id::HydrocarbonDensity), QStringLiteral("812.5"));
        QCOMPARE(Text(dlg, Id::Alfa3), QStringLiteral("-0.0412589"));
        QCOMPARE(Text(dlg, Id::PhiK1), QStringLiteral("0.1")); // six significant digits
        QCOMPARE(Text(dlg, Id::WellName), QStringLiteral("Name der Bohrung"));
        QCOMPARE(Text(dlg, Id::MinDepth), QStringLiteral("1410")); // window 0..0: from the list
        QCOMPARE(Text(dlg, Id::MaxDepth), QStringLiteral("1500"));
        QCOMPARE(Text(dlg, Id::LineCountText), QString());
        QVERIFY(Checked(dlg, Id::FluidOil) && !Checked(dlg, Id::FluidGas));
        QVERIFY(Checked(dlg, Id::ModeContact) && !Checked(dlg, Id::ModeSaturation));
        QVERIFY(Checked(dlg, Id::PressureDependentCheck) && !Checked(dlg, Id::WarningsCheck)
            && !Checked(dlg, Id::DetailCheck));
        QCOMPARE(Text(dlg, Id::DensityLabel), QStringLiteral("Öldichte"));
        QCOMPARE(Text(dlg, Id::ContactLabel), QStringLiteral("Öl-Wasser-Kontakt (m)"));
        QCOMPARE(Text(dlg, Id::ContactModeLabel), QStringLiteral("Öl-Wasserkontakt"));
        // The list box shows the lines sorted, the shallowest first.
        QAbstractItemModel* model = dlg.m_ListMesswerte->model();
        QCOMPARE(model->rowCount(), 2);
        QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("  1410.000      0.21000     0.31000"));

        // A stored window is kept.
        v.m_fMinTeufe = 1420.0f;
        v.m_fMaxTeufe = 1480.0f;
        OpenDialog kept(v);
        QCOMPARE(Text(kept.dlg, Id::MinDepth), QStringLiteral("1420"));
        QCOMPARE(Text(kept.dlg, Id::MaxDepth), QStringLiteral("1480"));
    }

    void fluidLabelsAndDefaults()
    {
        OpenDialog o(ValidGas());
        DlgInput& dlg = o.dlg;
        QCOMPARE(Text(dlg, Id::DensityLabel), QStringLiteral("Relative Gasdichte (Luft=1)"));
        QCOMPARE(Text(dlg, Id::ContactLabel), QStringLiteral("Gas-Wasser-Kontakt (m)"));
        QCOMPARE(Text(dlg, Id::ContactModeLabel), QStringLiteral("Gas-Wasserkontakt"));

        Type(dlg, Id::InitialPressure, QStringLiteral("250"));
        Click(dlg, Id::FluidOil);
        QCOMPARE(Text(dlg, Id::DensityLabel), QStringLiteral("Öldichte (kg/m3)"));
        QCOMPARE(Text(dlg, Id::ContactLabel), QStringLiteral("Öl-Wasser-Kontakt (m)"));
        QCOMPARE(Text(dlg, Id::ContactModeLabel), QStringLiteral("Öl-Wasserkontakt"));
        QCOMPARE(Text(dlg, Id::HydrocarbonDensity), QStringLiteral("0.6")); // not converted
        QCOMPARE(dlg.m_fInitialdruck, 250.0f);                              // read by the click

        Type(dlg, Id::Temperature, QStringLiteral("99")); // a default field: overwritten
        Type(dlg, Id::Contact, QStringLiteral("1600"));   // not a default field: back to its member
        Click(dlg, Id::DefaultsButton);
        QCOMPARE(Text(dlg, Id::HydrocarbonDensity), QStringLiteral("700"));
        QCOMPARE(Text(dlg, Id::Temperature), QStringLiteral("138"));
        QCOMPARE(Text(dlg, Id::Contact), QStringLiteral("1520"));
        QCOMPARE(Text(dlg, Id::InitialPressure), QStringLiteral("250"));
        QCOMPARE(Text(dlg, Id::Alfa0), QStringLiteral("8.29083"));
        QCOMPARE(Text(dlg, Id::Pcsperr0), QStringLiteral("0.503791"));

        Click(dlg, Id::FluidGas);
        QCOMPARE(Text(dlg, Id::DensityLabel), QStringLiteral("Relative Gasdichte (Luft=1)"));
        Click(dlg, Id::DefaultsButton);
        QCOMPARE(Text(dlg, Id::HydrocarbonDensity), QStringLiteral("0.6"));
        QVERIFY(o.box.shown.empty());
        QVERIFY(o.StillOpen());
    }

    void okChecksTheInputs()
    {
        {
            OpenDialog o(ValidGas());
            Type(o.dlg, Id::Cutoff, QStringLiteral("0.4"));
            Click(o.dlg, Id::OkButton);
            QCOMPARE(o.box.shown, std::vector<std::string>{"Der Porositäts-Cutoff muss kleiner 0.4 sein!"});
            QCOMPARE(Text(o.dlg, Id::Cutoff), QStringLiteral("0.06"));
            QVERIFY(o.StillOpen());
            Type(o.dlg, Id::Cutoff, QStringLiteral("0.39"));
            Click(o.dlg, Id::OkButton);
            QCOMPARE(o.dlg.result(), int(QDialog::Accepted));
            QCOMPARE(o.dlg.m_fCutoff, 0.39f);
        }
        {
            OpenDialog o(ValidGas());
            Type(o.dlg, Id::HydrocarbonDensity, QStringLiteral("0.97"));
            Click(o.dlg, Id::OkButton);
            QCOMPARE(o.box.shown.size(), size_t(1));
            QCOMPARE(o.box.shown[0],
                std::string("ABBRUCH!!Die relative Gasdichte liegt nicht im zulässigen Bereich 0.55 - 0.97!"));
            QVERIFY(o.StillOpen());
            QCOMPARE(Text(o.dlg, Id::HydrocarbonDensity), QStringLiteral("0.97")); // the user's value stays
            Type(o.dlg, Id::HydrocarbonDensity, QStringLiteral("0.55"));
            Click(o.dlg, Id::OkButton);
            QCOMPARE(o.dlg.result(), int(QDialog::Accepted));
        }
        {
            OpenDialog o(ValidGas());
            Type(o.dlg, Id::InitialPressure, QStringLiteral("1"));
            Click(o.dlg, Id::OkButton);
            QCOMPARE(o.box.shown, std::vector<std::string>{"ABBRUCH!!Der Initialdruck muß größer 1 sein!"});
            QVERIFY(o.StillOpen());
        }
        {
            // Both warnings, then the dialog closes with OK.
            CDlgInputValues v = ValidGas();
            v.m_fPhiK0 = v.m_fPhiK1 = v.m_fPhiK2 = 0;
            v.m_fAlfa0 = v.m_fAlfa1 = v.m_fAlfa2 = v.m_fAlfa3 = 0;
            OpenDialog o(v);
            Click(o.dlg, Id::OkButton);
            QCOMPARE(o.box.shown.size(), size_t(2));
            QVERIFY(o.box.shown[0].rfind("WARNUNG!!Die Phi-K-Realation fehlt!", 0) == 0);
            QVERIFY(o.box.shown[1].rfind("WARNUNG!!Die Parameter für die Alfa-Funktion fehlen!", 0) == 0);
            QCOMPARE(o.dlg.result(), int(QDialog::Accepted));
        }
    }

    void fieldsThatAreNoNumber()
    {
        for (const QString& bad :
            {QStringLiteral("abc"), QStringLiteral("nan"), QStringLiteral("inf"), QStringLiteral("1,5"), QString()}) {
            OpenDialog o(ValidGas());
            Type(o.dlg, Id::InitialPressure, bad);
            Click(o.dlg, Id::OkButton);
            QCOMPARE(
                o.box.shown, std::vector<std::string>{"Das Feld \"Initialdruck (bar)\" enthält keine gültige Zahl!"});
            QVERIFY(o.StillOpen());
            QCOMPARE(Text(o.dlg, Id::InitialPressure), bad);
            QCOMPARE(o.dlg.m_fInitialdruck, 200.0f); // members untouched
        }
        // A radio click with a bad field: the message, the labels switch, the text stays.
        OpenDialog o(ValidGas());
        Type(o.dlg, Id::Contact, QStringLiteral("x"));
        Click(o.dlg, Id::FluidOil);
        QCOMPARE(
            o.box.shown, std::vector<std::string>{"Das Feld \"Gas-Wasser-Kontakt (m)\" enthält keine gültige Zahl!"});
        QCOMPARE(Text(o.dlg, Id::DensityLabel), QStringLiteral("Öldichte (kg/m3)"));
        QCOMPARE(Text(o.dlg, Id::Contact), QStringLiteral("x"));
    }

    void enterDoesNothingEscapeCancels()
    {
        OpenDialog o(ValidGas());
        auto* edit = qobject_cast<QLineEdit*>(o.dlg.GetDlgItem(Id::MaxCapillaryPressure));
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClick(edit, Qt::Key_Enter);
        QVERIFY(o.StillOpen());
        QVERIFY(o.box.shown.empty());
        QTest::keyClick(qobject_cast<QCheckBox*>(o.dlg.GetDlgItem(Id::WarningsCheck)), Qt::Key_Return);
        QVERIFY(o.StillOpen());
        QTest::keyClick(edit, Qt::Key_Escape);
        QCOMPARE(o.dlg.result(), int(QDialog::Rejected));
        QVERIFY(!o.dlg.isVisible());
    }

    void fileImportAndAlleWerte()
    {
        std::string text;
        for (int i = 0; i < 10; ++i)
            text += std::to_string(1500 - 10 * i) + " 0.2 0.3\r\n";
        const std::string path = WriteTempFile("keldo-dlg-import.txt", text);

        CDlgInputValues v = ValidGas();
        v.m_Messwerte = {"  1000.000      0.20000     0.30000"};
        v.m_fCutoff = 0.1f;
        OpenDialog o(v);
        int chooserCalls = 0;
        std::string chosen; // cancelled first
        o.dlg.SetFileChooser([&](QWidget*) {
            ++chooserCalls;
            return chosen;
        });
        Type(o.dlg, Id::Temperature, QStringLiteral("99"));
        Click(o.dlg, Id::ReadFileButton);
        QCOMPARE(chooserCalls, 1);
        QVERIFY(o.box.questions.empty()); // the file comes first: cancelled, nothing is asked
        QCOMPARE(o.dlg.m_Messwerte.size(), size_t(1)); // cancelled: nothing changes
        QCOMPARE(Text(o.dlg, Id::Temperature), QStringLiteral("99"));

        chosen = path;
        Click(o.dlg, Id::ReadFileButton);
        QCOMPARE(o.box.questions, std::vector<std::string>{"Die Teufenwerte TVD sind absteigend geordnet?"});
        QCOMPARE(o.box.shown, std::vector<std::string>{path + " wird geöffnet"});
        QCOMPARE(Text(o.dlg, Id::LineCountText), QStringLiteral("10 Zeilen wurden eingelesen"));
        QCOMPARE(Text(o.dlg, Id::MinDepth), QStringLiteral("1410"));
        QCOMPARE(Text(o.dlg, Id::MaxDepth), QStringLiteral("1500"));
        QCOMPARE(Text(o.dlg, Id::Cutoff), QStringLiteral("0.06"));
        QCOMPARE(Text(o.dlg, Id::Temperature), QStringLiteral("138")); // typed text replaced by the member
        QAbstractItemModel* model = o.dlg.m_ListMesswerte->model();
        QCOMPARE(model->rowCount(), 10);
        QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("  1410.000      0.20000     0.30000"));
        QCOMPARE(model->index(9, 0).data().toString(), QStringLiteral("  1500.000      0.20000     0.30000"));
        QCOMPARE(o.dlg.m_Messwerte.front(), std::string("  1500.000      0.20000     0.30000"));

        // Answering "No" for this descending file keeps only line 1.
        o.box.shown.clear();
        o.box.answers = {false};
        Click(o.dlg, Id::ReadFileButton);
        QCOMPARE(o.box.shown.size(), size_t(2));
        QCOMPARE(o.box.shown[1], std::string("ABBRUCH in der 2.Zeile\n1490 0.2 0.3\nDie Teufe nimmt nicht zu!"));
        QCOMPARE(model->rowCount(), 1);
        QCOMPARE(Text(o.dlg, Id::LineCountText), QStringLiteral("1 Zeilen wurden eingelesen"));
        QCOMPARE(Text(o.dlg, Id::MinDepth), QStringLiteral("1500"));
        QCOMPARE(Text(o.dlg, Id::MaxDepth), QStringLiteral("1500"));

        // A file that cannot be read: an empty list, the window 0 to 0.
        o.box.shown.clear();
        chosen = "/nonexistent/keldo.txt";
        Click(o.dlg, Id::ReadFileButton);
        QCOMPARE(o.box.shown.size(), size_t(2));
        QCOMPARE(o.box.shown[0], std::string("/nonexistent/keldo.txt wird geöffnet"));
        QCOMPARE(model->rowCount(), 0);
        QCOMPARE(Text(o.dlg, Id::LineCountText), QStringLiteral("0 Zeilen wurden eingelesen"));
        QCOMPARE(Text(o.dlg, Id::MinDepth), QStringLiteral("0"));

        // "Alle Werte" by itself takes the window from the list again.
        o.dlg.m_Messwerte = {"  1300.000      0.20000     0.30000", "  1350.000      0.20000     0.30000"};
        Type(o.dlg, Id::Cutoff, QStringLiteral("0.2"));
        Click(o.dlg, Id::AllValuesButton);
        QCOMPARE(Text(o.dlg, Id::LineCountText), QStringLiteral("2 Zeilen wurden eingelesen"));
        QCOMPARE(Text(o.dlg, Id::MinDepth), QStringLiteral("1300"));
        QCOMPARE(Text(o.dlg, Id::MaxDepth), QStringLiteral("1350"));
        QCOMPARE(Text(o.dlg, Id::Cutoff), QStringLiteral("0.06"));
        std::filesystem::remove(path);
    }

    void runDlgInputWritesBackOnOk()
    {
        RecordingMessageBox box;
        CDlgInputValues v = ValidGas();
        v.m_Messwerte = {"  1500.000      0.20000     0.30000"};
        QTimer::singleShot(0, [] {
            auto* dlg = qobject_cast<DlgInput*>(QApplication::activeModalWidget());
            QVERIFY(dlg);
            Type(*dlg, Id::Temperature, QStringLiteral("140"));
            qobject_cast<QCheckBox*>(dlg->GetDlgItem(Id::WarningsCheck))->setChecked(true);
            Click(*dlg, Id::OkButton);
        });
        QVERIFY(RunDlgInput(nullptr, v, box));
        QCOMPARE(v.m_fTemperatur, 140.0f);
        QCOMPARE(v.m_bWarnungen, 1);
        QCOMPARE(v.m_fMinTeufe, 1500.0f);
        QCOMPARE(v.m_Messwerte.size(), size_t(1));

        const CDlgInputValues before = v;
        QTimer::singleShot(0, [] {
            auto* dlg = qobject_cast<DlgInput*>(QApplication::activeModalWidget());
            QVERIFY(dlg);
            Type(*dlg, Id::Temperature, QStringLiteral("150"));
            Click(*dlg, Id::CancelButton);
        });
        QVERIFY(!RunDlgInput(nullptr, v, box));
        QVERIFY(static_cast<const CKeldoInputs&>(v) == before);
        QCOMPARE(v.m_Messwerte, before.m_Messwerte);
    }
};

QTEST_MAIN(DlgInputTest)
#include "DlgInputQTest.moc"
