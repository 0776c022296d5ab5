#include "MainFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>

#include "CommandIds.h"
#include "Grafik.h"
#include "HelpWindow.h"
#include "KeldoView.h"
#include "ScreenFit.h"
#include "StringTable.h"

using namespace keldo::cmd;

// The icons and the help page live in a static library: their registration
// must be pulled in explicitly.
static void InitShellResources() { Q_INIT_RESOURCE(keldo); }

CMainFrame::CMainFrame(CKeldoDoc& doc, QWidget* parent)
    : QMainWindow(parent), m_pDoc(&doc), m_strHelpSource(QStringLiteral(":/help/keldo-hilfe.html"))
{
    InitShellResources();
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/keldo.svg")));
    setAcceptDrops(true);

    auto* client = new QStackedWidget(this);
    setCentralWidget(client);
    // The table view exists from the start; it is the first view.
    m_pTabelle = new CKeldoView(doc, client);
    client->addWidget(m_pTabelle);
    m_pTabelle->OnInitialUpdate();

    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    CreateContextMenu();
    CreateInertAccelerators();
    ConnectViewCommands();
    UpdateCommandUI();
    UpdateCaption();
    resize(900, 680);
    keldo::FitIntoScreen(this);
}

CMainFrame::~CMainFrame() = default;

QWidget* CMainFrame::ActiveView() const { return IsGraphActive() ? m_pGrafik : static_cast<QWidget*>(m_pTabelle); }

void CMainFrame::SwitchView(int nID)
{
    if (nID != VIEW_TABELLE && nID != VIEW_GRAFIK)
        return;
    auto* client = static_cast<QStackedWidget*>(centralWidget());
    QWidget* view = nID == VIEW_GRAFIK ? static_cast<QWidget*>(GraphViewCreated()) : m_pTabelle;
    m_nActiveView = nID;
    client->setCurrentWidget(view);
    view->setFocus();
    UpdateCommandUI();
}

CGrafik* CMainFrame::GraphViewCreated()
{
    // Created once, on first use, and kept attached to the document.
    if (!m_pGrafik) {
        auto* client = static_cast<QStackedWidget*>(centralWidget());
        m_pGrafik = new CGrafik(*m_pDoc, client);
        m_pGrafik->SetPrinter(m_pPrinter);
        client->addWidget(m_pGrafik);
    }
    return m_pGrafik;
}

void CMainFrame::UpdateCommandUI()
{
    const bool graph = IsGraphActive();
    m_actions.value(ID_GRAFIK)->setEnabled(!graph);
    m_actions.value(ID_TABELLE)->setEnabled(graph);
    QAction* lupe = m_actions.value(ID_GRAFIKLUPE);
    lupe->setEnabled(graph);
    lupe->setChecked(graph && m_pGrafik->IsLupeChecked());
    for (const auto& [item, command] : m_contextItems)
        item->setEnabled(command->isEnabled());
}

void CMainFrame::UpdateAllViews()
{
    // The hidden view is brought up to date as well.
    m_pTabelle->OnUpdate();
    if (m_pGrafik)
        m_pGrafik->OnUpdate();
}

void CMainFrame::UpdateCaption()
{
    // The file shown, for the dialogs of this window that start in its folder.
    setWindowFilePath(QString::fromStdString(m_pDoc->GetPathName()));
    setWindowTitle(
        QString::fromStdString(m_pDoc->GetTitle()) + QStringLiteral(" - ") + QString::fromLatin1(keldo::kAppName));
}

void CMainFrame::SetPrinter(QPrinter* printer)
{
    m_pPrinter = printer;
    m_pTabelle->SetPrinter(printer);
    if (m_pGrafik)
        m_pGrafik->SetPrinter(printer);
}

void CMainFrame::OnGrafiklupe()
{
    if (!IsGraphActive())
        return;
    m_pGrafik->OnGrafiklupe();
    UpdateCommandUI();
}

void CMainFrame::OnHilfe()
{
    auto* help = findChild<CHelpWindow*>();
    if (!help)
        help = new CHelpWindow(this);
    if (!help->Load(m_strHelpSource)) {
        delete help;
        m_pDoc->Messages().Show(keldo::kHelpNotFound);
        return;
    }
    help->show();
    help->raise();
    help->activateWindow();
}

void CMainFrame::OnFilePrint()
{
    if (IsGraphActive())
        m_pGrafik->FilePrint();
    else
        m_pTabelle->FilePrint();
}

void CMainFrame::OnFilePrintPreview()
{
    if (IsGraphActive())
        m_pGrafik->FilePrintPreview();
    else
        m_pTabelle->FilePrintPreview();
}

void CMainFrame::OnGrafikExportieren() { GraphViewCreated()->ExportGraphDialog(); }

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (m_queryClose && !m_queryClose()) {
        event->ignore();
        return;
    }
    event->accept();
}

void CMainFrame::contextMenuEvent(QContextMenuEvent* event)
{
    // Only a click in the view opens the program's context menu; the tool
    // bar area keeps the usual one.
    if (!centralWidget()->geometry().contains(event->pos())) {
        QMainWindow::contextMenuEvent(event);
        return;
    }
    UpdateCommandUI();
    m_pContextMenu->popup(event->globalPos());
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    const QMimeData* data = event->mimeData();
    if (data->hasUrls() && !data->urls().isEmpty() && data->urls().first().isLocalFile())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile())
        return;
    event->acceptProposedAction();
    emit fileDropped(urls.first().toLocalFile());
}
