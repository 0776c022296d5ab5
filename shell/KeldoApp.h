#pragma once
#include <QObject>
#include <QPrinter>
#include <QStringList>
#include <functional>
#include <memory>

#include "KeldoDoc.h"
#include "QtMessageBox.h"
#include "RecentFileList.h"

class CFieldStudyWindow;
class CNetPayWindow;
class CMainFrame;
class CShellDocumentHost;
class DlgFitModel;
class QSettings;

// The application: one document with its main frame. Carries out the
// document and application commands (new, open, save, results file, print
// setup, about box), keeps the recent-file list and the window settings, and
// asks to save a modified document before it is given up.
class CKeldoApp : public QObject {
    Q_OBJECT
public:
    // Message boxes go to `messages` when given (tests), else on screen.
    explicit CKeldoApp(keldo::IMessageBox* messages = nullptr);
    ~CKeldoApp() override;

    // Shows the main window with a new document, then opens the document
    // named on the command line (`arguments` without the program name).
    bool InitInstance(const QStringList& arguments);

    CKeldoDoc& Document() { return *m_pDoc; }
    CMainFrame& MainFrame() { return *m_pFrame; }
    CShellDocumentHost& Host() { return *m_pHost; }
    const CRecentFileList& RecentFiles() const { return m_recentFiles; }

    // Commands.
    void OnFileNew();
    void OnFileOpen();
    bool OnFileSave();
    bool OnFileSaveAs();
    void OnFilePrintSetup();
    void OnAppAbout();
    void OnDataChange();
    // "Modell anpassen": the fit dialog on the document; "Übernehmen" writes
    // the fitted values into it.
    void OnModellAnpassen();
    void OnErgebnisseAusgeben();
    void OnErgebnisseEinlesen();
    // Shows the window of the field study (created on first use); its
    // model is the open document.
    void OnFeldstudie();
    CFieldStudyWindow* FieldStudyWindow() const { return m_pFieldStudy; }
    // "Exportieren → Messwerte als LAS/CSV": the curves of every measurement
    // of the computed document into a file the user names; refused before a
    // computation, and over the document's own file.
    void OnMesswerteExportieren(bool las);
    // "Nettomächtigkeit": the net-pay window (created on first use).
    void OnNettomaechtigkeit();
    CNetPayWindow* NetPayWindow() const { return m_pNetPay; }

    // Loads `path`, then runs the input dialog on it. A file that cannot be
    // read is reported; the document and the recent-file list then stay as
    // they were.
    bool OpenDocumentFile(const QString& path);
    // Asks whether to save a modified document; false when the user called
    // off (or saving failed), so the document must be kept.
    bool SaveModified();

    // Replaceable choices of the user (tests and automation).
    std::function<QString()> m_chooseOpenFile;
    std::function<QString(const QString& suggestion)> m_chooseSaveFile;
    std::function<keldo::SaveAnswer(const std::string& question)> m_askSave;
    // Runs the fit dialog; true when it ended with "Übernehmen".
    std::function<bool(DlgFitModel& dialog)> m_runFitDialog;
    // The file of an export; empty: called off.
    std::function<QString(const QString& suggestion, bool las)> m_chooseExportFile;

private:
    bool DoSave(const QString& path);
    void DocumentChanged();
    void RefreshNetPay();
    void ConnectCommands();
    void LoadSettings();
    void SaveSettings();
    static QSettings Settings();

    std::unique_ptr<keldo::QtMessageBox> m_pOwnMessages;
    keldo::IMessageBox* m_pMessages;
    std::unique_ptr<CKeldoDoc> m_pDoc;
    std::unique_ptr<CMainFrame> m_pFrame;
    std::unique_ptr<CShellDocumentHost> m_pHost;
    CRecentFileList m_recentFiles;
    QPrinter m_printer;
    CFieldStudyWindow* m_pFieldStudy = nullptr; // a child of the main frame
    CNetPayWindow* m_pNetPay = nullptr;         // a child of the main frame
};
