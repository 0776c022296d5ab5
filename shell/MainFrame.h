#pragma once
#include <QMainWindow>
#include <QMap>
#include <functional>

#include "KeldoDoc.h"

class CGrafik;
class CKeldoView;
class CRecentFileList;
class QLabel;
class QMenu;
class QPrinter;

// The main window: menus, tool bar, status bar, accelerators, context menu,
// and the client area that shows either the table or the graph of the one
// document. Document and application commands are connected by CKeldoApp;
// the frame carries out the view commands itself.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(CKeldoDoc& doc, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Shows the table (1) or the graph (2); the graph view is created on
    // its first use and kept from then on.
    void SwitchView(int nID);
    bool IsGraphActive() const { return m_nActiveView == 2; }
    CKeldoView* TableView() const { return m_pTabelle; }
    CGrafik* GraphView() const { return m_pGrafik; }
    QWidget* ActiveView() const;

    // The action of a menu, tool-bar or accelerator command (nullptr for
    // unknown ids); context-menu items are separate actions of ContextMenu().
    QAction* CommandAction(int id) const { return m_actions.value(id); }
    QMenu* ContextMenu() const { return m_pContextMenu; }
    QLabel* MessagePane() const { return m_pMessagePane; }

    // Enable and check states of the view commands for the active view.
    void UpdateCommandUI();
    // Redraws both views after a change of the document.
    void UpdateAllViews();
    // "<title> - Keldo".
    void UpdateCaption();
    void SetRecentFiles(const CRecentFileList& files);

    // Where the help page is read from (the bundled page by default).
    void SetHelpSource(const QString& source) { m_strHelpSource = source; }
    // The printer that "Druckereinrichtung" sets up; the table prints on it.
    void SetPrinter(QPrinter* printer);

    // Asked before the window closes; false keeps it open.
    std::function<bool()> m_queryClose;

    // View commands.
    void OnGrafik() { SwitchView(2); }
    void OnTabelle() { SwitchView(1); }
    void OnGrafiklupe();
    void OnHilfe();
    void OnFilePrint();
    void OnFilePrintPreview();
    void OnGrafikExportieren();

signals:
    void recentFileChosen(const QString& path);
    void fileDropped(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QAction* AddCommand(
        int id, const QString& text, const QString& icon = QString(), const QKeySequence& shortcut = QKeySequence());
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void CreateContextMenu();
    void CreateInertAccelerators();
    void ConnectViewCommands();
    QAction* AddContextItem(const QString& text, int id);
    CGrafik* GraphViewCreated();

    CKeldoDoc* m_pDoc;
    CKeldoView* m_pTabelle = nullptr;
    CGrafik* m_pGrafik = nullptr;
    int m_nActiveView = 1;
    QMap<int, QAction*> m_actions;
    QMenu* m_pFileMenu = nullptr;
    QAction* m_pRecentSeparator = nullptr;
    QList<QAction*> m_recentActions;
    QMenu* m_pContextMenu = nullptr;
    QList<QPair<QAction*, QAction*>> m_contextItems; // (context item, command)
    QToolBar* m_pToolBar = nullptr;
    QLabel* m_pMessagePane = nullptr;
    QString m_strHelpSource;
    QPrinter* m_pPrinter = nullptr;
};
