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

CDlgInputValues ValidGas()
{
    CDlgInputValues v;
    SetDefaultGasParameters(v);
    v.m_fKontakt = 1520.0f;
    return v;
}

QString Text(DlgInput& dlg, int id)
{
    QWidget* w = dlg.GetDlgItem(id);
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e->text();
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->text();
    return QStringLiteral("<no control %1>").arg(id);
}

void Type(DlgInput& dlg, int id, const QString& text)
{
    auto* e = qobject_cast<QLineEdit*>(dlg.GetDlgItem(id));
    QVERIFY(e);
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Delete);
    QTest::keyClicks(e, text);
    QCOMPARE(e->text(), text);
}

void Click(DlgInput& dlg, int id)
{
    auto* b = qobject_cast<QAbstractButton*>(dlg.GetDlgItem(id));
    QVERIFY(b);
    QTest::mouseClick(b, Qt::LeftButton);
}

bool Checked(DlgInput& dlg, int id) { return qobject_cast<QAbstractButton*>(dlg.GetDlgItem(id))->isChecked(); }

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
            int id;
            const char* text;
            QRect rect;
        } buttons[] = {
            {1027, "Default-Werte", {194, 7, 50, 14}},
            {1022, "Datei lesen", {245, 7, 50, 14}},
            {2, "Abbrechen", {296, 7, 50, 14}},
            {1007, "OK", {347, 7, 50, 14}},
            {1032, "Alle Werte", {354, 36, 43, 14}},
        };
        for (const auto& b : buttons) {
            auto* pb = qobject_cast<QPushButton*>(dlg.GetDlgItem(b.id));
            QVERIFY2(pb, b.text);
            QCOMPARE(pb->text(), QString::fromUtf8(b.text));
            QCOMPARE(pb->geometry(), du.Rect(b.rect.x(), b.rect.y(), b.rect.width(), b.rect.height()));
            QVERIFY(!pb->isDefault() && !pb->autoDefault());
            QCOMPARE(pb->objectName(), QString::number(b.id));
            QCOMPARE(pb->property("controlId").toInt(), b.id);
        }
        QCOMPARE(Text(dlg, 1033), QStringLiteral("Berechnung des Gas/Wasserkontaktes"));
        QCOMPARE(Text(dlg, 1034), QStringLiteral("Berechnung des Öl/Wasserkontaktes"));
        QCOMPARE(Text(dlg, 1039), QStringLiteral("Permeabilität druckabhängig"));
        QCOMPARE(Text(dlg, 1028), QStringLiteral("Mit Warnungen"));
        QCOMPARE(Text(dlg, 1026), QStringLiteral("Detailausgabe"));
        QCOMPARE(Text(dlg, 1024), QStringLiteral(" Wassersättigung"));
        QCOMPARE(dlg.GetDlgItem(1003)->geometry(), du.Rect(108, 94, 40, 14));
        QCOMPARE(dlg.GetDlgItem(1014)->geometry(), du.Rect(263, 210, 40, 14));
        QCOMPARE(dlg.GetDlgItem(1021)->geometry(), du.Rect(161, 50, 130, 114));
        QCOMPARE(dlg.GetDlgItem(1025)->geometry(), du.Rect(312, 183, 16, 8));
        for (int id : {1000, 1001, 1002, 1003, 1004, 1005, 1006, 1008, 1009, 1010, 1011, 1012, 1013, 1014, 1015, 1016,
                 1017, 1018, 1019, 1020, 1029, 1030, 1031, 1037})
            QVERIFY2(qobject_cast<QLineEdit*>(dlg.GetDlgItem(id)), qPrintable(QString::number(id)));
        QVERIFY(qobject_cast<QListView*>(dlg.GetDlgItem(1021)));
        for (int id : {1023, 1035, 1036, 1038})
            QVERIFY(qobject_cast<QLabel*>(dlg.GetDlgItem(id)));
        // Constructed without values: no radio button is chosen.
        dlg.UpdateData(false);
        for (int id : {1033, 1034, 1024, 1025})
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
        QCOMPARE(Text(dlg, 1004), QStringLiteral("812.5"));
        QCOMPARE(Text(dlg, 1014), QStringLiteral("-0.0412589"));
        QCOMPARE(Text(dlg, 1009), QStringLiteral("0.1")); // six significant digits
        QCOMPARE(Text(dlg, 1000), QStringLiteral("Name der Bohrung"));
        QCOMPARE(Text(dlg, 1029), QStringLiteral("1410")); // window 0..0: from the list
        QCOMPARE(Text(dlg, 1030), QStringLiteral("1500"));
        QCOMPARE(Text(dlg, 1023), QString());
        QVERIFY(Checked(dlg, 1034) && !Checked(dlg, 1033));
        QVERIFY(Checked(dlg, 1025) && !Checked(dlg, 1024));
        QVERIFY(Checked(dlg, 1039) && !Checked(dlg, 1028) && !Checked(dlg, 1026));
        QCOMPARE(Text(dlg, 1036), QStringLiteral("Öldichte"));
        QCOMPARE(Text(dlg, 1035), QStringLiteral("Öl-Wasser-Kontakt (m)"));
        QCOMPARE(Text(dlg, 1038), QStringLiteral("Öl-Wasserkontakt"));
        // The list box shows the lines sorted, the shallowest first.
        QAbstractItemModel* model = dlg.m_ListMesswerte->model();
        QCOMPARE(model->rowCount(), 2);
        QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("  1410.000      0.21000     0.31000"));

        // A stored window is kept.
        v.m_fMinTeufe = 1420.0f;
        v.m_fMaxTeufe = 1480.0f;
        OpenDialog kept(v);
        QCOMPARE(Text(kept.dlg, 1029), QStringLiteral("1420"));
        QCOMPARE(Text(kept.dlg, 1030), QStringLiteral("1480"));
    }

    void fluidLabelsAndDefaults()
    {
        OpenDialog o(ValidGas());
        DlgInput& dlg = o.dlg;
        QCOMPARE(Text(dlg, 1036), QStringLiteral("Relative Gasdichte (Luft=1)"));
        QCOMPARE(Text(dlg, 1035), QStringLiteral("Gas-Wasser-Kontakt (m)"));
        QCOMPARE(Text(dlg, 1038), QStringLiteral("Gas-Wasserkontakt"));

        Type(dlg, 1001, QStringLiteral("250"));
        Click(dlg, 1034);
        QCOMPARE(Text(dlg, 1036), QStringLiteral("Öldichte (kg/m3)"));
        QCOMPARE(Text(dlg, 1035), QStringLiteral("Öl-Wasser-Kontakt (m)"));
        QCOMPARE(Text(dlg, 1038), QStringLiteral("Öl-Wasserkontakt"));
        QCOMPARE(Text(dlg, 1004), QStringLiteral("0.6")); // not converted
        QCOMPARE(dlg.m_fInitialdruck, 250.0f);            // read by the click

        Type(dlg, 1005, QStringLiteral("99"));   // a default field: overwritten
        Type(dlg, 1003, QStringLiteral("1600")); // not a default field: back to its member
        Click(dlg, 1027);
        QCOMPARE(Text(dlg, 1004), QStringLiteral("700"));
        QCOMPARE(Text(dlg, 1005), QStringLiteral("138"));
        QCOMPARE(Text(dlg, 1003), QStringLiteral("1520"));
        QCOMPARE(Text(dlg, 1001), QStringLiteral("250"));
        QCOMPARE(Text(dlg, 1011), QStringLiteral("8.29083"));
        QCOMPARE(Text(dlg, 1019), QStringLiteral("0.503791"));

        Click(dlg, 1033);
        QCOMPARE(Text(dlg, 1036), QStringLiteral("Relative Gasdichte (Luft=1)"));
        Click(dlg, 1027);
        QCOMPARE(Text(dlg, 1004), QStringLiteral("0.6"));
        QVERIFY(o.box.shown.empty());
        QVERIFY(o.StillOpen());
    }

    void okChecksTheInputs()
    {
        {
            OpenDialog o(ValidGas());
            Type(o.dlg, 1031, QStringLiteral("0.4"));
            Click(o.dlg, 1007);
            QCOMPARE(o.box.shown, std::vector<std::string>{"Der Porositäts-Cutoff muss kleiner 0.4 sein!"});
            QCOMPARE(Text(o.dlg, 1031), QStringLiteral("0.06"));
            QVERIFY(o.StillOpen());
            Type(o.dlg, 1031, QStringLiteral("0.39"));
            Click(o.dlg, 1007);
            QCOMPARE(o.dlg.result(), int(QDialog::Accepted));
            QCOMPARE(o.dlg.m_fCutoff, 0.39f);
        }
        {
            OpenDialog o(ValidGas());
            Type(o.dlg, 1004, QStringLiteral("0.97"));
            Click(o.dlg, 1007);
            QCOMPARE(o.box.shown.size(), size_t(1));
            QCOMPARE(o.box.shown[0],
                std::string("ABBRUCH!!Die relative Gasdichte liegt nicht im zulässigen Bereich 0.55 - 0.97!"));
            QVERIFY(o.StillOpen());
            QCOMPARE(Text(o.dlg, 1004), QStringLiteral("0.97")); // the user's value stays
            Type(o.dlg, 1004, QStringLiteral("0.55"));
            Click(o.dlg, 1007);
            QCOMPARE(o.dlg.result(), int(QDialog::Accepted));
        }
        {
            OpenDialog o(ValidGas());
            Type(o.dlg, 1001, QStringLiteral("1"));
            Click(o.dlg, 1007);
            QCOMPARE(o.box.shown, std::vector<std::string>{"ABBRUCH!!Der Initialdruck muß größer 1 sein!"});
            QVERIFY(o.StillOpen());
        }
        {
            // Both warnings, then the dialog closes with OK.
            CDlgInputValues v = ValidGas();
            v.m_fPhiK0 = v.m_fPhiK1 = v.m_fPhiK2 = 0;
            v.m_fAlfa0 = v.m_fAlfa1 = v.m_fAlfa2 = v.m_fAlfa3 = 0;
            OpenDialog o(v);
            Click(o.dlg, 1007);
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
            Type(o.dlg, 1001, bad);
            Click(o.dlg, 1007);
            QCOMPARE(
                o.box.shown, std::vector<std::string>{"Das Feld \"Initialdruck (bar)\" enthält keine gültige Zahl!"});
            QVERIFY(o.StillOpen());
            QCOMPARE(Text(o.dlg, 1001), bad);
            QCOMPARE(o.dlg.m_fInitialdruck, 200.0f); // members untouched
        }
        // A radio click with a bad field: the message, the labels switch, the text stays.
        OpenDialog o(ValidGas());
        Type(o.dlg, 1003, QStringLiteral("x"));
        Click(o.dlg, 1034);
        QCOMPARE(
            o.box.shown, std::vector<std::string>{"Das Feld \"Gas-Wasser-Kontakt (m)\" enthält keine gültige Zahl!"});
        QCOMPARE(Text(o.dlg, 1036), QStringLiteral("Öldichte (kg/m3)"));
        QCOMPARE(Text(o.dlg, 1003), QStringLiteral("x"));
    }

    void enterDoesNothingEscapeCancels()
    {
        OpenDialog o(ValidGas());
        auto* edit = qobject_cast<QLineEdit*>(o.dlg.GetDlgItem(1002));
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClick(edit, Qt::Key_Enter);
        QVERIFY(o.StillOpen());
        QVERIFY(o.box.shown.empty());
        QTest::keyClick(qobject_cast<QCheckBox*>(o.dlg.GetDlgItem(1028)), Qt::Key_Return);
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
        Type(o.dlg, 1005, QStringLiteral("99"));
        Click(o.dlg, 1022);
        QCOMPARE(chooserCalls, 1);
        QCOMPARE(o.box.questions, std::vector<std::string>{"Die Teufenwerte TVD sind absteigend geordnet?"});
        QCOMPARE(o.dlg.m_Messwerte.size(), size_t(1)); // cancelled: nothing changes
        QCOMPARE(Text(o.dlg, 1005), QStringLiteral("99"));

        chosen = path;
        Click(o.dlg, 1022);
        QCOMPARE(o.box.shown, std::vector<std::string>{path + " wird geöffnet"});
        QCOMPARE(Text(o.dlg, 1023), QStringLiteral("10 Zeilen wurden eingelesen"));
        QCOMPARE(Text(o.dlg, 1029), QStringLiteral("1410"));
        QCOMPARE(Text(o.dlg, 1030), QStringLiteral("1500"));
        QCOMPARE(Text(o.dlg, 1031), QStringLiteral("0.06"));
        QCOMPARE(Text(o.dlg, 1005), QStringLiteral("138")); // typed text replaced by the member
        QAbstractItemModel* model = o.dlg.m_ListMesswerte->model();
        QCOMPARE(model->rowCount(), 10);
        QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("  1410.000      0.20000     0.30000"));
        QCOMPARE(model->index(9, 0).data().toString(), QStringLiteral("  1500.000      0.20000     0.30000"));
        QCOMPARE(o.dlg.m_Messwerte.front(), std::string("  1500.000      0.20000     0.30000"));

        // Answering "No" for this descending file keeps only line 1.
        o.box.shown.clear();
        o.box.answers = {false};
        Click(o.dlg, 1022);
        QCOMPARE(o.box.shown.size(), size_t(2));
        QCOMPARE(o.box.shown[1], std::string("ABBRUCH in der 2.Zeile\n1490 0.2 0.3\nDie Teufe nimmt nicht zu!"));
        QCOMPARE(model->rowCount(), 1);
        QCOMPARE(Text(o.dlg, 1023), QStringLiteral("1 Zeilen wurden eingelesen"));
        QCOMPARE(Text(o.dlg, 1029), QStringLiteral("1500"));
        QCOMPARE(Text(o.dlg, 1030), QStringLiteral("1500"));

        // A file that cannot be read: an empty list, the window 0 to 0.
        o.box.shown.clear();
        chosen = "/nonexistent/keldo.txt";
        Click(o.dlg, 1022);
        QCOMPARE(o.box.shown.size(), size_t(2));
        QCOMPARE(o.box.shown[0], std::string("/nonexistent/keldo.txt wird geöffnet"));
        QCOMPARE(model->rowCount(), 0);
        QCOMPARE(Text(o.dlg, 1023), QStringLiteral("0 Zeilen wurden eingelesen"));
        QCOMPARE(Text(o.dlg, 1029), QStringLiteral("0"));

        // "Alle Werte" by itself takes the window from the list again.
        o.dlg.m_Messwerte = {"  1300.000      0.20000     0.30000", "  1350.000      0.20000     0.30000"};
        Type(o.dlg, 1031, QStringLiteral("0.2"));
        Click(o.dlg, 1032);
        QCOMPARE(Text(o.dlg, 1023), QStringLiteral("2 Zeilen wurden eingelesen"));
        QCOMPARE(Text(o.dlg, 1029), QStringLiteral("1300"));
        QCOMPARE(Text(o.dlg, 1030), QStringLiteral("1350"));
        QCOMPARE(Text(o.dlg, 1031), QStringLiteral("0.06"));
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
            Type(*dlg, 1005, QStringLiteral("140"));
            qobject_cast<QCheckBox*>(dlg->GetDlgItem(1028))->setChecked(true);
            Click(*dlg, 1007);
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
            Type(*dlg, 1005, QStringLiteral("150"));
            Click(*dlg, 2);
        });
        QVERIFY(!RunDlgInput(nullptr, v, box));
        QVERIFY(static_cast<const CKeldoInputs&>(v) == before);
        QCOMPARE(v.m_Messwerte, before.m_Messwerte);
    }
};

QTEST_MAIN(DlgInputTest)
#include "DlgInputQTest.moc"
