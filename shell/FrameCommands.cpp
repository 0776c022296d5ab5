// Menus, tool bar, status bar, context menu and accelerators of the frame.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "CommandIds.h"
#include "MainFrame.h"
#include "RecentFileList.h"
#include "StringTable.h"

using namespace keldo::cmd;

namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

} // namespace

QAction* CMainFrame::AddCommand(int id, const QString& text, const QString& icon, const QKeySequence& shortcut)
{
    auto* action = new QAction(text, this);
    action->setData(id);
    action->setStatusTip(Text(keldo::CommandPrompt(id)));
    QString tip = Text(keldo::CommandToolTip(id));
    action->setToolTip(tip.isEmpty() ? QString(text).remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0) : tip);
    if (!icon.isEmpty()) {
        action->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(icon)));
        action->setIconVisibleInMenu(false);
    }
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
    }
    // Accelerators work whether or not the item sits in a visible menu.
    addAction(action);
    m_actions.insert(id, action);
    return action;
}

void CMainFrame::CreateMenus()
{
    QMenu* datei = menuBar()->addMenu(QStringLiteral("&Datei"));
    m_pFileMenu = datei;
    datei->addAction(AddCommand(
        ID_FILE_NEW, QStringLiteral("&Neu\tStrg+N"), QStringLiteral("neu"), QKeySequence(Qt::CTRL | Qt::Key_N)));
    datei->addAction(AddCommand(ID_FILE_OPEN, QStringLiteral("Ö&ffnen...\tStrg+O"), QStringLiteral("oeffnen"),
        QKeySequence(Qt::CTRL | Qt::Key_O)));
    datei->addAction(AddCommand(ID_FILE_SAVE, QStringLiteral("S&peichern\tStrg+S"), QStringLiteral("speichern"),
        QKeySequence(Qt::CTRL | Qt::Key_S)));
    datei->addAction(AddCommand(ID_FILE_SAVE_AS, QStringLiteral("Speichern &unter...")));
    datei->addSeparator();
    datei->addAction(AddCommand(ID_FELDSTUDIE, QStringLiteral("Fe&ldstudie...")));
    datei->addSeparator();
    datei->addAction(AddCommand(ID_FILE_PRINT, QStringLiteral("&Drucken...\tStrg+P"), QStringLiteral("drucken"),
        QKeySequence(Qt::CTRL | Qt::Key_P)));
    datei->addAction(AddCommand(ID_FILE_PRINT_PREVIEW, QStringLiteral("Sei&tenansicht")));
    datei->addAction(AddCommand(ID_FILE_PRINT_SETUP, QStringLiteral("Drucker&einrichtung...")));
    datei->addSeparator();
    m_pRecentSeparator = datei->addSeparator();
    datei->addAction(AddCommand(ID_APP_EXIT, QStringLiteral("&Beenden")));
    SetRecentFiles(CRecentFileList());

    QMenu* bearbeiten = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
    bearbeiten->addAction(AddCommand(
        ID_DATEN_AENDERN, QStringLiteral("Daten ändern"), QStringLiteral("daten"), QKeySequence(Qt::Key_F2)));
    bearbeiten->addAction(AddCommand(ID_MODELL_ANPASSEN, QStringLiteral("&Modell anpassen...")));
    bearbeiten->addAction(AddCommand(ID_ERGEBNISSE_AUSGEBEN, QStringLiteral("Ergebnisse ausgeben")));
    bearbeiten->addAction(AddCommand(ID_ERGEBNISSE_EINLESEN, QStringLiteral("Ergebnisse einlesen")));

    QMenu* ansicht = menuBar()->addMenu(QStringLiteral("&Ansicht"));
    ansicht->addAction(
        AddCommand(ID_GRAFIK, QStringLiteral("Grafik"), QStringLiteral("grafik"), QKeySequence(Qt::Key_F3)));
    ansicht->addAction(
        AddCommand(ID_TABELLE, QStringLiteral("Tabelle"), QStringLiteral("tabelle"), QKeySequence(Qt::Key_F4)));
    ansicht->addAction(AddCommand(ID_GRAFIK_EXPORTIEREN, QStringLiteral("Grafik &exportieren...")));
    ansicht->addSeparator();
    QAction* toolBar = AddCommand(ID_VIEW_TOOLBAR, QStringLiteral("&Symbolleiste"));
    QAction* statusLine = AddCommand(ID_VIEW_STATUS_BAR, QStringLiteral("S&tatusleiste"));
    ansicht->addAction(toolBar);
    ansicht->addAction(statusLine);
    toolBar->setCheckable(true);
    toolBar->setChecked(true);
    statusLine->setCheckable(true);
    statusLine->setChecked(true);

    QMenu* hilfe = menuBar()->addMenu(QStringLiteral("&?"));
    hilfe->addAction(AddCommand(ID_APP_ABOUT, QStringLiteral("Inf&o über Keldo..."), QStringLiteral("info")));
    hilfe->addAction(AddCommand(ID_HILFE, QStringLiteral("Hilfe"), QString(), QKeySequence(Qt::Key_F1)));

    // Only on the tool bar.
    AddCommand(ID_GRAFIKLUPE, QStringLiteral("Grafik Lupe"), QStringLiteral("lupe"))->setCheckable(true);
}

void CMainFrame::SetRecentFiles(const CRecentFileList& files)
{
    for (QAction* action : m_recentActions) {
        m_pFileMenu->removeAction(action);
        delete action;
    }
    m_recentActions.clear();
    QAction* before = m_pRecentSeparator;
    const QString prompt = QString::fromStdString(keldo::CommandPrompt(ID_FILE_MRU_FILE1));
    if (files.Files().isEmpty()) {
        auto* placeholder = new QAction(QStringLiteral("Letzte Datei"), this);
        placeholder->setEnabled(false);
        placeholder->setStatusTip(prompt);
        m_pFileMenu->insertAction(before, placeholder);
        m_recentActions.append(placeholder);
        return;
    }
    for (int i = 0; i < files.Files().size(); ++i) {
        auto* entry = new QAction(files.MenuText(i), this);
        entry->setData(ID_FILE_MRU_FILE1 + i);
        entry->setStatusTip(prompt);
        const QString path = files.Files()[i];
        connect(entry, &QAction::triggered, this, [this, path] { emit recentFileChosen(path); });
        m_pFileMenu->insertAction(before, entry);
        m_recentActions.append(entry);
    }
}

void CMainFrame::CreateToolBar()
{
    m_pToolBar = addToolBar(QStringLiteral("Symbolleiste"));
    m_pToolBar->setObjectName(QStringLiteral("Symbolleiste"));
    m_pToolBar->setIconSize(QSize(20, 20));
    for (int id : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_GRAFIK, ID_TABELLE, ID_DATEN_AENDERN, ID_GRAFIKLUPE,
             ID_FILE_PRINT, ID_APP_ABOUT})
        m_pToolBar->addAction(m_actions.value(id));
    QAction* shown = m_actions.value(ID_VIEW_TOOLBAR);
    connect(shown, &QAction::toggled, m_pToolBar, &QToolBar::setVisible);
    connect(m_pToolBar, &QToolBar::visibilityChanged, shown, [this, shown](bool visible) {
        // Closing a floating tool bar unchecks the menu item as well.
        if (!isHidden())
            shown->setChecked(visible);
    });
}

void CMainFrame::CreateStatusBar()
{
    m_pMessagePane = new QLabel(QString::fromLatin1(keldo::kIdleText));
    m_pMessagePane->setObjectName(QStringLiteral("MessagePane"));
    m_pMessagePane->setIndent(3);
    statusBar()->addWidget(m_pMessagePane, 1);
    // Caps, Num and Scroll Lock. Their state cannot be read portably here, so
    // the panes stand in the grey of an inactive indicator.
    for (const char* indicator : {"UF", "NUM", "RF"}) {
        auto* pane = new QLabel(QString::fromLatin1(indicator));
        pane->setObjectName(QStringLiteral("Indicator") + QString::fromLatin1(indicator));
        pane->setFrameShape(QFrame::Panel);
        pane->setFrameShadow(QFrame::Sunken);
        pane->setAlignment(Qt::AlignCenter);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QStringLiteral("NUM")) + 12);
        pane->setEnabled(false);
        statusBar()->addPermanentWidget(pane);
    }
    connect(m_actions.value(ID_VIEW_STATUS_BAR), &QAction::toggled, statusBar(), &QStatusBar::setVisible);
}

QAction* CMainFrame::AddContextItem(const QString& text, int id)
{
    QAction* command = m_actions.value(id);
    QAction* item = m_pContextMenu->addAction(text);
    item->setData(id);
    item->setStatusTip(command->statusTip());
    // Carried out as the menu command is, so its enable rule holds here too.
    connect(item, &QAction::triggered, command, &QAction::trigger);
    m_contextItems.append(qMakePair(item, command));
    return item;
}

void CMainFrame::CreateContextMenu()
{
    m_pContextMenu = new QMenu(QStringLiteral("Kontextmenü"), this);
    AddContextItem(QStringLiteral("Daten ändern"), ID_DATEN_AENDERN);
    AddContextItem(QStringLiteral("Datei neu"), ID_FILE_NEW);
    AddContextItem(QStringLiteral("Datei öffnen"), ID_FILE_OPEN);
    AddContextItem(QStringLiteral("Datei speichern unter"), ID_FILE_SAVE_AS);
    AddContextItem(QStringLiteral("Grafik"), ID_GRAFIK);
    AddContextItem(QStringLiteral("Tabelle"), ID_TABELLE);
}

void CMainFrame::CreateInertAccelerators()
{
    // Pane switching and the edit keys are accelerators without a command:
    // they are taken here so that they do nothing.
    const QList<QPair<int, QList<QKeySequence>>> keys = {
        {ID_NEXT_PANE, {QKeySequence(Qt::Key_F6)}},
        {ID_PREV_PANE, {QKeySequence(Qt::SHIFT | Qt::Key_F6)}},
        {ID_EDIT_COPY, {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)}},
        {ID_EDIT_PASTE, {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)}},
        {ID_EDIT_CUT, {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)}},
        {ID_EDIT_UNDO, {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)}},
    };
    for (const auto& [id, sequences] : keys) {
        auto* action = new QAction(this);
        action->setData(id);
        action->setShortcuts(sequences);
        addAction(action);
        m_actions.insert(id, action);
    }
}

void CMainFrame::ConnectViewCommands()
{
    connect(m_actions.value(ID_GRAFIK), &QAction::triggered, this, &CMainFrame::OnGrafik);
    connect(m_actions.value(ID_TABELLE), &QAction::triggered, this, &CMainFrame::OnTabelle);
    connect(m_actions.value(ID_GRAFIKLUPE), &QAction::triggered, this, &CMainFrame::OnGrafiklupe);
    connect(m_actions.value(ID_HILFE), &QAction::triggered, this, &CMainFrame::OnHilfe);
    connect(m_actions.value(ID_FILE_PRINT), &QAction::triggered, this, &CMainFrame::OnFilePrint);
    connect(m_actions.value(ID_FILE_PRINT_PREVIEW), &QAction::triggered, this, &CMainFrame::OnFilePrintPreview);
    connect(m_actions.value(ID_GRAFIK_EXPORTIEREN), &QAction::triggered, this, &CMainFrame::OnGrafikExportieren);
    connect(m_actions.value(ID_APP_EXIT), &QAction::triggered, this, &QWidget::close);
}
