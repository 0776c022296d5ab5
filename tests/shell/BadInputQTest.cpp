// Bad documents and failed saves, driven through the main window and the
// real input dialog: what the user sees, and that nothing is lost.
#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <fcntl.h>
#include <functional>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

#include "CommandIds.h"
#include "DlgInput.h"
#include "DocumentFile.h"
#include "FileSizeLimit.h"
#include "KeldoApp.h"
#include "MainFrame.h"
#include "RecordingMessageBox.h"
#include "ShellDocumentHost.h"
#include "ShellTestSupport.h"

using namespace keldo::cmd;

namespace {

using Id = keldo::ControlId;

// Less than any document or report: the write starts, then the "disk" is full.
constexpr rlim_t kFullAfter = 16;

// Runs `act` on the input dialog as soon as its modal loop is up.
void WhenDialogOpens(std::function<void(DlgInput&)> act) { WhenModalDialogOpens<DlgInput>(std::move(act)); }

void Press(DlgInput& dlg, Id id) { static_cast<QAbstractButton*>(dlg.GetDlgItem(id))->click(); }

QString FieldText(DlgInput& dlg, Id id) { return static_cast<QLineEdit*>(dlg.GetDlgItem(id))->text(); }

void SetFieldText(DlgInput& dlg, Id id, const QString& text)
{
    static_cast<QLineEdit*>(dlg.GetDlgItem(id))->setText(text);
}

QString NotANumber(const char* field)
{
    return QStringLiteral("Das Feld \"%1\" enthält keine gültige Zahl!").arg(QString::fromUtf8(field));
}

std::string CannotOpen(const QString& path, const char* reason)
{
    return "Das Dokument \"" + QFileInfo(path).absoluteFilePath().toStdString() + "\" kann nicht geöffnet werden.\n"
        + reason;
}

std::string CannotSave(const QString& path, const char* reason)
{
    return "Das Dokument \"" + QFileInfo(path).absoluteFilePath().toStdString() + "\" kann nicht gespeichert werden.\n"
        + reason;
}

const char* const kResultsFailed = "Die Ergebnisse konnten nicht in die Datei aus.txt geschrieben werden.\n";

// True when this process may write into a folder without write permission
// (root): then a read-only folder cannot make a save fail.
bool PermissionsAreIgnored(const QString& folder)
{
    QDir(folder).mkdir(QStringLiteral("probe"));
    const QString probe = folder + QStringLiteral("/probe");
    ::chmod(probe.toLocal8Bit().constData(), 0555);
    const QByteArray file = (probe + QStringLiteral("/x")).toLocal8Bit();
    int fd = ::open(file.constData(), O_WRONLY | O_CREAT, 0600);
    if (fd >= 0) {
        ::close(fd);
        ::unlink(file.constData());
    }
    ::chmod(probe.toLocal8Bit().constData(), 0755);
    QDir(probe).removeRecursively();
    return fd >= 0;
}

QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

} // namespace

class BadInputQTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    RecordingMessageBox messages;
    std::unique_ptr<CKeldoApp> app;
    QString example;
    int dialogs = 0;

    CKeldoDoc& Doc() { return app->Document(); }
    CMainFrame& Frame() { return app->MainFrame(); }
    QAction* Command(int id) { return Frame().CommandAction(id); }

    // A folder of its own for one test.
    QString Folder(const QString& name)
    {
        QDir(dir.path()).mkpath(name);
        return dir.filePath(name);
    }

    // The example well with some of its inputs changed, saved as `path`.
    QString ChangedExample(const QString& path, const std::function<void(CKeldoDoc&)>& change)
    {
        RecordingMessageBox quiet;
        CKeldoDoc doc(quiet);
        if (const keldo::FileResult loaded = keldo::LoadDocument(example.toStdString(), doc); !loaded)
            qFatal("%s", loaded.Message().c_str());
        change(doc);
        if (const keldo::FileResult saved = keldo::SaveDocument(path.toStdString(), doc); !saved)
            qFatal("%s", saved.Message().c_str());
        return path;
    }

    // Opens a copy of the example in `folder` (the dialog cancelled) and
    // changes it, so that it has something to lose.
    QString OpenAndChange(const QString& folder)
    {
        const QString path = folder + QStringLiteral("/brunnen.kld");
        QFile::copy(example, path);
        if (!app->OpenDocumentFile(path))
            qFatal("cannot open the copy of the example");
        Doc().m_strBohrung = "Geändert";
        Doc().SetModifiedFlag(true);
        messages.shown.clear();
        return path;
    }

    // After a failed save: the message, the mark, the window and the old file.
    void ExpectSaveRefused(const QString& path, const QByteArray& oldBytes, const std::string& message)
    {
        QCOMPARE(messages.shown, std::vector<std::string>{message});
        QVERIFY(Doc().IsModified());
        QCOMPARE(Doc().m_strBohrung, std::string("Geändert"));
        QCOMPARE(Frame().windowTitle(), QStringLiteral("brunnen.kld - Keldo"));
        QCOMPARE(FileBytes(path), oldBytes);
        QCOMPARE(Entries(QFileInfo(path).path()), QStringList{QStringLiteral("brunnen.kld")});
    }

private slots:
    void initTestCase()
    {
        IsolateSettings(dir.filePath("settings"));
        example = SourceFile("examples/gas-well-F-12.kld");
        QVERIFY2(QFile::exists(example), qPrintable(example));
    }

    void init()
    {
        ClearSettings();
        messages = RecordingMessageBox();
        dialogs = 0;
        app = std::make_unique<CKeldoApp>(&messages);
        app->Host().SetDialogRunner([this](CDlgInputValues&) { return ++dialogs, false; });
        app->m_chooseOpenFile = [] { return QString(); };
        app->m_chooseSaveFile = [](const QString&) { return QString(); };
        QVERIFY(app->InitInstance({}));
    }

    void cleanup() { app.reset(); }

    void nonFiniteNumbersAreShownAndOkRefusesThem()
    {
        const float nan = std::numeric_limits<float>::quiet_NaN();
        const float inf = std::numeric_limits<float>::infinity();
        const QString path = ChangedExample(dir.filePath("unendlich.kld"), [&](CKeldoDoc& doc) {
            doc.m_fTemperatur = nan;
            doc.m_fPcMax = inf;
            doc.m_fKontakt = -inf;
        });
        const QByteArray fileBytes = FileBytes(path);

        app->Host().SetDialogRunner({}); // the real dialog
        QStringList shownTexts;
        std::vector<std::string> afterFirstOk, afterSecondOk;
        bool openAfterFirstOk = false, openAfterSecondOk = false;
        WhenDialogOpens([&](DlgInput& dlg) {
            shownTexts = {
                FieldText(dlg, Id::Temperature), FieldText(dlg, Id::MaxCapillaryPressure), FieldText(dlg, Id::Contact)};
            Press(dlg, Id::OkButton);
            afterFirstOk = messages.shown;
            openAfterFirstOk = dlg.isVisible();
            SetFieldText(dlg, Id::Contact, QStringLiteral("2935"));
            Press(dlg, Id::OkButton);
            afterSecondOk = messages.shown;
            openAfterSecondOk = dlg.isVisible();
            Press(dlg, Id::CancelButton);
        });
        QVERIFY(app->OpenDocumentFile(path));

        // The dialog shows what the file holds ...
        QCOMPARE(shownTexts, (QStringList{"nan", "inf", "-inf"}));
        // ... and OK names the first field that holds no number, in the
        // order of the fields, and keeps the dialog open.
        QCOMPARE(afterFirstOk.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(afterFirstOk[0]), NotANumber("Gas-Wasser-Kontakt (m)"));
        QVERIFY(openAfterFirstOk);
        QCOMPARE(afterSecondOk.size(), std::size_t(2));
        QCOMPARE(QString::fromStdString(afterSecondOk[1]), NotANumber("Max.Kapillardruck (bar)"));
        QVERIFY(openAfterSecondOk);

        // Cancel keeps the loaded document as it is in the file: nothing is
        // computed, nothing is lost, saving gives the same bytes.
        QVERIFY(std::isnan(Doc().m_fTemperatur));
        QCOMPARE(Doc().m_fPcMax, inf);
        QCOMPARE(Doc().m_fKontakt, -inf);
        QVERIFY(Doc().m_Ergebnisse.empty());
        QVERIFY(!Doc().IsModified());
        QCOMPARE(Frame().windowTitle(), QStringLiteral("unendlich.kld - Keldo"));
        const QString again = dir.filePath("unendlich-kopie.kld");
        app->m_chooseSaveFile = [&again](const QString&) { return again; };
        QVERIFY(app->OnFileSaveAs());
        QCOMPARE(FileBytes(again), fileBytes);
    }

    void correctedNumbersAreAcceptedAndComputed()
    {
        float kontakt = 0, pcMax = 0, temperatur = 0;
        const QString path = ChangedExample(dir.filePath("korrigiert.kld"), [&](CKeldoDoc& doc) {
            kontakt = doc.m_fKontakt;
            pcMax = doc.m_fPcMax;
            temperatur = doc.m_fTemperatur;
            doc.m_fTemperatur = std::numeric_limits<float>::quiet_NaN();
            doc.m_fPcMax = -std::numeric_limits<float>::quiet_NaN();
            doc.m_fKontakt = std::numeric_limits<float>::infinity();
        });

        app->Host().SetDialogRunner({});
        QString pcMaxShown;
        bool closedByOk = false;
        WhenDialogOpens([&](DlgInput& dlg) {
            pcMaxShown = FieldText(dlg, Id::MaxCapillaryPressure);
            auto number = [](float v) { return QString::fromStdString(keldo::Format("%.6g", double{v})); };
            SetFieldText(dlg, Id::Contact, number(kontakt));
            SetFieldText(dlg, Id::MaxCapillaryPressure, number(pcMax));
            SetFieldText(dlg, Id::Temperature, number(temperatur));
            Press(dlg, Id::OkButton);
            closedByOk = !dlg.isVisible();
        });
        QVERIFY(app->OpenDocumentFile(path));
        QCOMPARE(pcMaxShown, QStringLiteral("-nan")); // a NaN with its sign bit set
        QVERIFY(closedByOk);
        for (const std::string& shown : messages.shown) // only the run's own messages
            QVERIFY2(shown.find("keine gültige Zahl") == std::string::npos, shown.c_str());
        QCOMPARE(Doc().m_fTemperatur, temperatur);
        QVERIFY(Doc().m_Ergebnisse.size() > 20); // the run took the corrected values
        QCOMPARE(Doc().m_bGeaendert, 0);
    }

    void fluidNeitherGasNorOilMustBeChosen()
    {
        const QString path = ChangedExample(dir.filePath("fluid7.kld"), [](CKeldoDoc& doc) { doc.m_nFluid = 7; });
        app->Host().SetDialogRunner({});
        bool noneChosen = false, openAfterOk = false, closedAfterChoice = false;
        std::vector<std::string> afterOk;
        WhenDialogOpens([&](DlgInput& dlg) {
            noneChosen = !static_cast<QRadioButton*>(dlg.GetDlgItem(Id::FluidGas))->isChecked()
                && !static_cast<QRadioButton*>(dlg.GetDlgItem(Id::FluidOil))->isChecked();
            Press(dlg, Id::OkButton);
            afterOk = messages.shown;
            openAfterOk = dlg.isVisible();
            Press(dlg, Id::FluidGas);
            Press(dlg, Id::OkButton);
            closedAfterChoice = !dlg.isVisible();
        });
        QVERIFY(app->OpenDocumentFile(path));
        QVERIFY(noneChosen);
        // Refused: computed as oil, the gas density of the file would have
        // passed no check.
        QCOMPARE(afterOk,
            std::vector<std::string>{"ABBRUCH!!Bitte wählen Sie die Berechnung des "
                                     "Gas/Wasserkontaktes oder des Öl/Wasserkontaktes!"});
        QVERIFY(openAfterOk);
        QVERIFY(closedAfterChoice);
        QCOMPARE(Doc().m_nFluid, 0);
        QVERIFY(!Doc().m_Ergebnisse.empty());
    }

    void filesThatCannotBeOpenedKeepTheDocument()
    {
        const QString folder = Folder(QStringLiteral("kaputt"));
        const QString empty = folder + QStringLiteral("/leer.kld");
        const QString truncated = folder + QStringLiteral("/kurz.kld");
        const QString directory = folder + QStringLiteral("/ordner.kld");
        const QString pipe = folder + QStringLiteral("/rohr.kld");
        const QString locked = folder + QStringLiteral("/gesperrt.kld");
        QFile(empty).open(QIODevice::WriteOnly);
        {
            QFile file(truncated);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(FileBytes(example).left(40));
        }
        QVERIFY(QDir(folder).mkdir(QStringLiteral("ordner.kld")));
        QCOMPARE(::mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);

        struct Case {
            QString path;
            const char* reason;
        };
        std::vector<Case> cases = {
            {empty, "Die Datei ist leer."},
            {truncated, "Die Datei ist unvollständig: sie endet nach 40 Bytes beim Lesen der Eingabewerte."},
            {directory, "Unter diesem Namen gibt es einen Ordner, keine Datei."},
            {pipe, "Das ist keine gewöhnliche Datei."},
            // a regular file whose reading fails, whoever runs the test
            {QStringLiteral("/proc/self/mem"), "Ein-/Ausgabefehler des Datenträgers."},
        };
        if (PermissionsAreIgnored(folder)) {
            qInfo("running as root: a file without read permission is not tried");
        } else {
            QFile::copy(example, locked);
            QFile::setPermissions(locked, QFileDevice::Permissions());
            cases.push_back({locked, "Zugriff verweigert."});
        }

        for (const Case& c : cases) {
            const QString copy = OpenAndChange(Folder(QStringLiteral("gut")));
            Doc().SetModifiedFlag(false); // no question to save first
            const auto measurements = Doc().m_Messwerte;
            const QStringList recent = app->RecentFiles().Files();
            const int dialogsBefore = dialogs;

            QVERIFY2(!app->OpenDocumentFile(c.path), qPrintable(c.path));
            QCOMPARE(messages.shown, std::vector<std::string>{CannotOpen(c.path, c.reason)});
            QCOMPARE(dialogs, dialogsBefore); // no dialog on a file that was not read
            QCOMPARE(Doc().GetTitle(), std::string("brunnen.kld"));
            QCOMPARE(QString::fromStdString(Doc().GetPathName()), QFileInfo(copy).absoluteFilePath());
            QCOMPARE(Doc().m_strBohrung, std::string("Geändert"));
            QVERIFY(Doc().m_Messwerte == measurements);
            QVERIFY(!Doc().IsModified());
            QCOMPARE(Frame().windowTitle(), QStringLiteral("brunnen.kld - Keldo"));
            QCOMPARE(app->RecentFiles().Files(), recent);
            QFile::remove(copy);
        }
    }

    void missingDocumentOnTheCommandLine()
    {
        app.reset();
        messages = RecordingMessageBox();
        app = std::make_unique<CKeldoApp>(&messages);
        app->Host().SetDialogRunner([this](CDlgInputValues&) { return ++dialogs, false; });
        const QString missing = dir.filePath("gibt-es-nicht.kld");
        QVERIFY(app->InitInstance({missing}));

        // The program comes up with a new document and says why.
        QVERIFY(Frame().isVisible());
        QCOMPARE(messages.shown,
            std::vector<std::string>{CannotOpen(missing, "Die Datei oder der Ordner existiert nicht.")});
        QCOMPARE(Frame().windowTitle(), QStringLiteral("Unbenannt - Keldo"));
        QCOMPARE(dialogs, 0);
        QVERIFY(!Doc().IsModified());
    }

    void fullDiskKeepsTheOldDocument()
    {
        const QString path = OpenAndChange(Folder(QStringLiteral("voll")));
        const QByteArray old = FileBytes(path);
        {
            FileSizeLimit full(kFullAfter);
            QVERIFY(full.active());
            Command(ID_FILE_SAVE)->trigger();
        }
        ExpectSaveRefused(path, old, CannotSave(path, "Die Datei ist zu groß."));

        // Closing the window offers to save; when that fails too, the window
        // stays open with the changes.
        app->m_askSave = [](const std::string&) { return keldo::SaveAnswer::Yes; };
        bool closed = true;
        {
            FileSizeLimit full(kFullAfter);
            closed = Frame().close();
        }
        QVERIFY(!closed);
        QCOMPARE(messages.shown.size(), std::size_t(2));
        QVERIFY(Doc().IsModified());
        QCOMPARE(FileBytes(path), old);

        // With room again, the same command saves the changes.
        messages.shown.clear();
        Command(ID_FILE_SAVE)->trigger();
        QVERIFY(messages.shown.empty());
        QVERIFY(!Doc().IsModified());
        QVERIFY(FileBytes(path).contains("Ge\xE4ndert")); // Windows-1252 on disk
    }

    void folderReplacedByAFileWhenSaving()
    {
        // Root-proof: no rights let a file be created below a plain file.
        const QString folder = Folder(QStringLiteral("verschwunden"));
        const QString path = OpenAndChange(folder);
        const QString moved = dir.filePath("verschoben");
        QVERIFY(QDir().rename(folder, moved));
        {
            QFile file(folder);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("kein Ordner");
        }
        Command(ID_FILE_SAVE)->trigger();
        QCOMPARE(messages.shown, std::vector<std::string>{CannotSave(path, "Ein Teil des Pfades ist kein Ordner.")});
        QVERIFY(Doc().IsModified());
        QCOMPARE(FileBytes(folder), QByteArray("kein Ordner"));
        QCOMPARE(FileBytes(moved + QStringLiteral("/brunnen.kld")), FileBytes(example));
    }

    void saveIntoAReadOnlyFolder()
    {
        const QString folder = Folder(QStringLiteral("nur-lesen"));
        if (PermissionsAreIgnored(folder))
            QSKIP("running as root, where a read-only folder does not stop writing; "
                  "fullDiskKeepsTheOldDocument and folderReplacedByAFileWhenSaving cover the failure");
        const QString path = OpenAndChange(folder);
        const QByteArray old = FileBytes(path);
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        Command(ID_FILE_SAVE)->trigger();
        const QString previous = QDir::currentPath();
        QDir::setCurrent(folder);
        Command(ID_ERGEBNISSE_AUSGEBEN)->trigger();
        QDir::setCurrent(previous);
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

        QCOMPARE(messages.shown.size(), std::size_t(2));
        QCOMPARE(messages.shown[1], std::string(kResultsFailed) + "Zugriff verweigert.");
        messages.shown.pop_back();
        ExpectSaveRefused(path, old, CannotSave(path, "Zugriff verweigert."));
    }

    void fullDiskKeepsTheOldResultsFile()
    {
        const QString folder = Folder(QStringLiteral("aus-voll"));
        const QString previous = QDir::currentPath();
        QDir::setCurrent(folder);
        {
            QFile old(QStringLiteral("aus.txt"));
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("alte Ergebnisse\n");
        }
        app->Host().SetDialogRunner(AcceptWithFullDepthWindow);
        QVERIFY(app->OpenDocumentFile(example));
        const auto report = Doc().m_Ergebnisse;
        QVERIFY(report.size() > 20);
        Doc().SetModifiedFlag(true);
        messages.shown.clear();
        {
            FileSizeLimit full(kFullAfter);
            QVERIFY(full.active());
            Command(ID_ERGEBNISSE_AUSGEBEN)->trigger();
        }
        const QByteArray after = FileBytes(QStringLiteral("aus.txt"));
        const QStringList entries = Entries(folder);
        QDir::setCurrent(previous);

        QCOMPARE(messages.shown, std::vector<std::string>{std::string(kResultsFailed) + "Die Datei ist zu groß."});
        QCOMPARE(after, QByteArray("alte Ergebnisse\n"));
        QCOMPARE(entries, QStringList{QStringLiteral("aus.txt")});
        QVERIFY(Doc().IsModified());
        QVERIFY(Doc().m_Ergebnisse == report);
    }
};

QTEST_MAIN(BadInputQTest)
#include "BadInputQTest.moc"
