#include "KeldoApp.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QSettings>
#include <QToolBar>

#include "AboutDlg.h"
#include "CommandIds.h"
#include "DlgFitModel.h"
#include "DocumentFile.h"
#include "DocumentFits.h"
#include "FieldStudyWindow.h"
#include "CurvesFile.h"
#include "DocumentCurves.h"
#include "FieldTemplate.h"
#include "FileAccess.h"
#include "FileIdentity.h"
#include "MeasurementCurves.h"
#include "NetPayWindow.h"
#include "FileDialogFolder.h"
#include "MainFrame.h"
#include "OutOfMemory.h"
#include "ResultsFile.h"
#include "ShellDocumentHost.h"
#include "StringTable.h"
#include "TextFormat.h"

using namespace keldo::cmd;

namespace {

const char* kOrganisation = "Local AppWizard-Generated Applications";

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

} // namespace

CKeldoApp::CKeldoApp(keldo::IMessageBox* messages) : m_printer(QPrinter::HighResolution)
{
    if (!messages) {
        m_pOwnMessages = std::make_unique<keldo::QtMessageBox>();
        messages = m_pOwnMessages.get();
    }
    m_pMessages = messages;
    m_pDoc = std::make_unique<CKeldoDoc>(*m_pMessages);
    m_pFrame = std::make_unique<CMainFrame>(*m_pDoc);
    m_pHost = std::make_unique<CShellDocumentHost>(*m_pFrame, *m_pMessages);
    m_pDoc->SetHost(m_pHost.get());
    if (m_pOwnMessages)
        m_pOwnMessages->SetParent(m_pFrame.get());
    m_pFrame->SetPrinter(&m_printer);
    m_pFrame->m_queryClose = [this] {
        if (!SaveModified())
            return false;
        SaveSettings();
        return true;
    };

    const QString filter = QString::fromLatin1(keldo::kFileFilter);
    // Both start in the folder of the current document, else in the last
    // folder a file was chosen in.
    m_chooseOpenFile = [this, filter] {
        const QString start = keldo::StartFolder(FromUtf8(m_pDoc->GetPathName()));
        const QString path = QFileDialog::getOpenFileName(m_pFrame.get(), QStringLiteral("Öffnen"), start, filter);
        keldo::RememberFolder(path);
        return path;
    };
    m_chooseSaveFile = [this, filter](const QString& suggestion) {
        const QString start = keldo::StartFolder(FromUtf8(m_pDoc->GetPathName()));
        const QString proposed = QFileInfo(suggestion).isAbsolute() ? suggestion : QDir(start).filePath(suggestion);
        const QString path
            = QFileDialog::getSaveFileName(m_pFrame.get(), QStringLiteral("Speichern unter"), proposed, filter);
        keldo::RememberFolder(path);
        return path;
    };
    m_askSave = [this](const std::string& question) {
        if (m_pOwnMessages)
            return m_pOwnMessages->AskYesNoCancel(question);
        return m_pMessages->AskYesNo(question) ? keldo::SaveAnswer::Yes : keldo::SaveAnswer::No;
    };
    m_runFitDialog = [](DlgFitModel& dialog) { return dialog.exec() == QDialog::Accepted; };
    m_chooseExportFile = [this](const QString& suggestion, bool las) {
        const QString start = keldo::StartFolder(FromUtf8(m_pDoc->GetPathName()));
        const QString path = QFileDialog::getSaveFileName(m_pFrame.get(),
            las ? QStringLiteral("Messwerte als LAS") : QStringLiteral("Messwerte als CSV"),
            QDir(start).filePath(suggestion),
            las ? QStringLiteral("LAS-Dateien (*.las)") : QStringLiteral("CSV-Dateien (*.csv)"));
        keldo::RememberFolder(path);
        return path;
    };
    ConnectCommands();
}

CKeldoApp::~CKeldoApp()
{
    // The document outlives the views that read it.
    m_pDoc->SetHost(nullptr);
    m_pFrame.reset();
}

void CKeldoApp::ConnectCommands()
{
    CMainFrame* frame = m_pFrame.get();
    // A command that runs out of memory (reading a file, computing) ends
    // with one message; the program goes on.
    auto on = [frame, this](int id, auto handler) {
        connect(frame->CommandAction(id), &QAction::triggered, this,
            [this, handler] { keldo::RunCatchingOutOfMemory([this, handler] { (this->*handler)(); }, *m_pMessages); });
    };
    on(ID_FILE_NEW, &CKeldoApp::OnFileNew);
    on(ID_FILE_OPEN, &CKeldoApp::OnFileOpen);
    on(ID_FILE_SAVE, &CKeldoApp::OnFileSave);
    on(ID_FILE_SAVE_AS, &CKeldoApp::OnFileSaveAs);
    on(ID_FILE_PRINT_SETUP, &CKeldoApp::OnFilePrintSetup);
    on(ID_APP_ABOUT, &CKeldoApp::OnAppAbout);
    on(ID_DATEN_AENDERN, &CKeldoApp::OnDataChange);
    on(ID_MODELL_ANPASSEN, &CKeldoApp::OnModellAnpassen);
    on(ID_ERGEBNISSE_AUSGEBEN, &CKeldoApp::OnErgebnisseAusgeben);
    on(ID_ERGEBNISSE_EINLESEN, &CKeldoApp::OnErgebnisseEinlesen);
    on(ID_FELDSTUDIE, &CKeldoApp::OnFeldstudie);
    on(ID_NETTOMAECHTIGKEIT, &CKeldoApp::OnNettomaechtigkeit);
    // The two exports compute the curves: out of memory ends with one message too.
    auto exportCurves = [this](bool las) {
        keldo::RunCatchingOutOfMemory([this, las] { OnMesswerteExportieren(las); }, *m_pMessages);
    };
    connect(frame->CommandAction(ID_MESSWERTE_LAS), &QAction::triggered, this, [exportCurves] { exportCurves(true); });
    connect(frame->CommandAction(ID_MESSWERTE_CSV), &QAction::triggered, this, [exportCurves] { exportCurves(false); });
    auto open = [this](const QString& path) {
        keldo::RunCatchingOutOfMemory([this, &path] { OpenDocumentFile(path); }, *m_pMessages);
    };
    connect(frame, &CMainFrame::recentFileChosen, this, open);
    // Opened after the drop has finished, so the dialog does not hold up the
    // program the file came from.
    connect(frame, &CMainFrame::fileDropped, this, open, Qt::QueuedConnection);
}

QSettings CKeldoApp::Settings()
{
    return QSettings(QString::fromLatin1(kOrganisation), QString::fromLatin1(keldo::kAppName));
}

void CKeldoApp::LoadSettings()
{
    QSettings settings = Settings();
    m_recentFiles.Load(settings);
    m_pFrame->SetRecentFiles(m_recentFiles);
    settings.beginGroup(QStringLiteral("Settings"));
    m_pFrame->restoreGeometry(settings.value(QStringLiteral("Geometry")).toByteArray());
    m_pFrame->restoreState(settings.value(QStringLiteral("WindowState")).toByteArray());
    settings.endGroup();
    m_pFrame->CommandAction(ID_VIEW_TOOLBAR)->setChecked(!m_pFrame->findChild<QToolBar*>()->isHidden());
}

void CKeldoApp::SaveSettings()
{
    QSettings settings = Settings();
    m_recentFiles.Save(settings);
    settings.beginGroup(QStringLiteral("Settings"));
    settings.setValue(QStringLiteral("Geometry"), m_pFrame->saveGeometry());
    settings.setValue(QStringLiteral("WindowState"), m_pFrame->saveState());
    settings.endGroup();
}

bool CKeldoApp::InitInstance(const QStringList& arguments)
{
    LoadSettings();
    m_pDoc->OnNewDocument();
    DocumentChanged();
    m_pFrame->show();

    // A document named on the command line (a file manager passes it so).
    for (const QString& argument : arguments) {
        if (argument.startsWith(QLatin1Char('-')))
            continue;
        OpenDocumentFile(argument);
        break;
    }
    return true;
}

void CKeldoApp::DocumentChanged()
{
    m_pFrame->UpdateCaption();
    m_pFrame->UpdateAllViews();
    RefreshNetPay();
}

void CKeldoApp::RefreshNetPay()
{
    // An open net-pay window follows the document, as the views do.
    if (m_pNetPay && m_pNetPay->isVisible())
        m_pNetPay->Refresh();
}

bool CKeldoApp::SaveModified()
{
    if (!m_pDoc->IsModified())
        return true;
    std::string question = "Änderungen in " + m_pDoc->GetTitle() + " speichern?";
    switch (m_askSave(question)) {
    case keldo::SaveAnswer::Yes:
        return OnFileSave();
    case keldo::SaveAnswer::No:
        return true;
    case keldo::SaveAnswer::Cancel:
        break;
    }
    return false;
}

void CKeldoApp::OnFileNew()
{
    // "Neu" keeps the document object: its inputs are reset and the input
    // dialog follows. A modified document may be saved first.
    if (!SaveModified())
        return;
    m_pDoc->OnDateiNeu();
    DocumentChanged();
}

void CKeldoApp::OnFileOpen()
{
    QString path = m_chooseOpenFile();
    if (!path.isEmpty())
        OpenDocumentFile(path);
}

bool CKeldoApp::OpenDocumentFile(const QString& path)
{
    if (!SaveModified())
        return false;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (const keldo::FileResult loaded = keldo::LoadDocument(absolute.toStdString(), *m_pDoc); !loaded) {
        // Nothing of the file was taken over: the document, the window and
        // the recent-file list stay as they were.
        m_pMessages->Show(loaded.Message());
        return false;
    }
    m_recentFiles.Add(absolute);
    m_pFrame->SetRecentFiles(m_recentFiles);
    SaveSettings();
    DocumentChanged();
    // The loaded values are shown for checking; a computation may follow.
    // Afterwards the document counts as modified exactly when saving would
    // write other bytes than it was loaded with: the depth window, the
    // cut-off and the mode, which the dialog always sets anew, are not
    // stored.
    const std::string loadedBytes = keldo::SerializeDocument(*m_pDoc);
    m_pDoc->OnDataChange();
    m_pDoc->SetModifiedFlag(keldo::SerializeDocument(*m_pDoc) != loadedBytes);
    DocumentChanged();
    return true;
}

bool CKeldoApp::OnFileSave()
{
    if (m_pDoc->GetPathName().empty())
        return OnFileSaveAs();
    return DoSave(FromUtf8(m_pDoc->GetPathName()));
}

bool CKeldoApp::OnFileSaveAs()
{
    QString suggestion = FromUtf8(m_pDoc->GetPathName());
    if (suggestion.isEmpty())
        suggestion = FromUtf8(m_pDoc->GetTitle()) + QString::fromLatin1(keldo::kFileExtension);
    QString path = m_chooseSaveFile(suggestion);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QString::fromLatin1(keldo::kFileExtension);
    return DoSave(path);
}

bool CKeldoApp::DoSave(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (const keldo::FileResult saved = keldo::SaveDocument(absolute.toStdString(), *m_pDoc); !saved) {
        // The document keeps its modified mark: nothing is lost by closing
        // the message.
        m_pMessages->Show(saved.Message());
        return false;
    }
    m_pDoc->SetPathName(absolute.toStdString());
    m_pDoc->SetModifiedFlag(false);
    m_recentFiles.Add(absolute);
    m_pFrame->SetRecentFiles(m_recentFiles);
    SaveSettings();
    m_pFrame->UpdateCaption();
    return true;
}

void CKeldoApp::OnFilePrintSetup()
{
    QPageSetupDialog dialog(&m_printer, m_pFrame.get());
    dialog.setWindowTitle(QStringLiteral("Druckereinrichtung"));
    dialog.exec();
}

void CKeldoApp::OnAppAbout()
{
    CAboutDlg about(m_pFrame.get());
    about.exec();
}

void CKeldoApp::OnDataChange()
{
    m_pDoc->OnDataChange();
    RefreshNetPay();
}

void CKeldoApp::OnModellAnpassen()
{
    DlgFitModel dialog(*m_pDoc, m_pDoc->m_Messwerte, *m_pMessages, m_pFrame.get());
    dialog.SetDepthsBelowSeaLevel(m_pDoc->m_depthsBelowSeaLevel);
    if (!m_runFitDialog(dialog))
        return; // closed: the document stays exactly as it was
    keldo::TakeOverFit(*m_pDoc, dialog.Fitted());
    m_pFrame->UpdateCaption();
    RefreshNetPay();
}

void CKeldoApp::OnErgebnisseAusgeben()
{
    const keldo::FileResult written = keldo::WriteResultsFile(m_pDoc->GetTitle(), m_pDoc->m_Ergebnisse);
    if (written)
        m_pDoc->Notice("Die Detailergebnisse sind in die Datei aus.txt geschrieben!");
    else
        m_pDoc->Message(written.Message());
}

void CKeldoApp::OnErgebnisseEinlesen()
{
    // The report is replaced even when nothing could be read; the views show
    // it before the count is announced. A file that is there but cannot be
    // read says why first.
    const keldo::FileResult read = keldo::ReadResultsFile(".", m_pDoc->m_Ergebnisse);
    if (!read)
        m_pDoc->Message(read.Message());
    m_pDoc->UpdateAllViews();
    m_pDoc->m_strZeile = keldo::Format("%d Zeilen wurden eingelesen", static_cast<int>(m_pDoc->m_Ergebnisse.size()));
    m_pDoc->Notice(m_pDoc->m_strZeile);
}

void CKeldoApp::OnMesswerteExportieren(bool las)
{
    // The curves are the computed document's: not before a run completed.
    if (!m_pDoc->LastRunCompleted() || m_pDoc->m_Ergebnisse.empty()) {
        m_pDoc->Message("Die Messwerte können erst nach einer vollständigen Berechnung exportiert werden.");
        return;
    }
    const QString title = QFileInfo(FromUtf8(m_pDoc->GetTitle())).completeBaseName();
    const QString path
        = m_chooseExportFile((title.isEmpty() ? QStringLiteral("messwerte") : title) + (las ? ".las" : ".csv"), las);
    if (path.isEmpty())
        return;
    // A name typed without an extension gets the one of the format, as a
    // document gets ".kld".
    const std::string target
        = (QFileInfo(path).suffix().isEmpty() ? path + (las ? ".las" : ".csv") : path).toStdString();
    if (!m_pDoc->GetPathName().empty()
        && keldo::SameFile(keldo::IdentifyFile(target), keldo::IdentifyFile(m_pDoc->GetPathName()))) {
        m_pDoc->Message("Die Messwerte würden das Dokument \"" + m_pDoc->GetPathName()
            + "\" überschreiben; bitte eine andere Datei wählen.");
        return;
    }
    const keldo::MeasurementCurves curves = keldo::ComputeDocumentCurves(*m_pDoc);
    int err = 0;
    if (!keldo::SaveCurves(target, las ? keldo::CurveFileFormat::Las : keldo::CurveFileFormat::Csv, curves,
            keldo::DepthReferenceOf(*m_pDoc), err)) {
        m_pDoc->Message("Die Messwerte können nicht in die Datei " + target + " geschrieben werden.\n"
            + keldo::SystemErrorReason(err));
        return;
    }
    m_pDoc->Notice(keldo::Format("%d Messwerte sind in die Datei ", static_cast<int>(curves.rows.size())) + target
        + " geschrieben.");
}

void CKeldoApp::OnNettomaechtigkeit()
{
    if (!m_pNetPay)
        m_pNetPay = new CNetPayWindow(*m_pDoc, m_pFrame.get());
    m_pNetPay->Refresh();
    m_pNetPay->show();
    m_pNetPay->raise();
    m_pNetPay->activateWindow();
}

void CKeldoApp::OnFeldstudie()
{
    if (!m_pFieldStudy) {
        m_pFieldStudy = new CFieldStudyWindow(
            *m_pMessages, [this] { return keldo::TemplateOfDocument(*m_pDoc); }, m_pFrame.get());
        m_pFieldStudy->SetPrinter(&m_printer);
        // A well's own document opens in the main window, as "Öffnen" would.
        connect(
            m_pFieldStudy, &CFieldStudyWindow::openDocument, this, &CKeldoApp::OpenDocumentFile, Qt::QueuedConnection);
    }
    m_pFieldStudy->show();
    m_pFieldStudy->raise();
    m_pFieldStudy->activateWindow();
}
