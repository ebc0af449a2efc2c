#include "shell/MainFrame.h"

#include "app/ObrixApp.h"
#include "database/Change.h"
#include "pages/PlayerPage.h"
#include "pages/TeamPage.h"
#include "shell/BulkEditCommands.h"
#include "shell/DataPropSheet.h"
#include "shell/DataView.h"
#include "shell/ExchangeCommands.h"
#include "shell/FrameCommands.h"
#include "shell/FrameStatusBar.h"
#include "shell/GroupView.h"
#include "shell/PaneRoom.h"
#include "shell/PlayerMoveCommands.h"
#include "shell/RosterView.h"
#include "widgets/AppIcons.h"
#include "widgets/LeagueTree.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QItemSelectionModel>
#include <QLayout>
#include <QMenuBar>
#include <QSplitter>
#include <QToolBar>

void useMainFrame()
{
    CObrixApp::setWindowMaker([](CObrixApp& app) { return std::make_unique<CMainFrame>(app); });
}

CMainFrame* mainFrameOf(const CObrixApp& app) { return qobject_cast<CMainFrame*>(app.window()); }

CMainFrame::CMainFrame(CObrixApp& app, QWidget* parent) : QMainWindow(parent), m_app(app)
{
    setWindowTitle(QString::fromLatin1(CObrixApp::kTitle));
    setWindowIcon(programIcon());

    m_rows = new QSplitter(Qt::Vertical, this);
    m_rows->setObjectName(QStringLiteral("rowSplitter"));
    m_columns = new QSplitter(Qt::Horizontal, m_rows);
    m_columns->setObjectName(QStringLiteral("columnSplitter"));
    m_groupView = new CGroupView(app, m_columns);
    m_dataView = new CDataView(app, m_columns);
    m_rosterView = new CRosterView(app, m_rows);
    // A pane may be squeezed but never vanish: a collapsed pane cannot be found again.
    // When the window grows, the tree and data sheet grow with the roster, and the data
    // sheet takes the larger part of the width: every pane gains something to show.
    for (QSplitter* splitter : {m_rows, m_columns}) splitter->setChildrenCollapsible(false);
    m_rows->setStretchFactor(0, 3);
    m_rows->setStretchFactor(1, 2);
    m_columns->setStretchFactor(0, 1);
    m_columns->setStretchFactor(1, 2);
    setCentralWidget(m_rows);
    applyPaneSizes();
    m_paneRoom = new CPaneRoom(m_rows, m_columns, this);

    m_statusBar = new CFrameStatusBar(this);
    setStatusBar(m_statusBar);

    m_exchange = new CExchangeCommands(m_app, *this);
    m_bulkEdit = new CBulkEditCommands(m_app, *this);
    // Said where the user is, and listed with the check, at the delete rather than at the save.
    connect(m_groupView, &CGroupView::leagueLeftOdd, this, [this](const QString& message) {
        setStatusText(message);
        m_bulkEdit->checkDatabase();
    });
    m_moves = std::make_unique<CPlayerMoveCommands>(m_app, [this] { updateCommands(); });

    m_commands = new CFrameCommands(m_app, *this, *m_exchange, *m_bulkEdit, *m_moves);
    m_commands->table().fillMenus(*menuBar());
    createToolBar();
    connectPanes();

    if (CLeagueTree* tree = m_groupView->tree()) tree->setFocus();
    updateCommands();
}

CMainFrame::~CMainFrame()
{
    qApp->removeEventFilter(this);
    // The panes are torn down after this object has stopped being a main frame; what
    // they signal on the way out must not reach it.
    qApp->disconnect(this);
    m_app.disconnect(this);
    m_groupView->disconnect(this);
    m_rosterView->disconnect(this);
    if (CLeagueTree* tree = m_groupView->tree())
        if (QItemSelectionModel* selection = tree->selectionModel()) selection->disconnect(this);
}

void CMainFrame::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_paneSizesApplied) return;
    m_paneSizesApplied = true;
    // The sizes are those of the window at its final size; set on the window still being
    // built they would be spread again by the stretch factors.
    if (layout()) layout()->activate();
    applyPaneSizes();
}

void CMainFrame::applyPaneSizes()
{
    const CWindowLayout& layout = m_app.layout();
    m_columns->setSizes({std::max(10, layout.groupWidth), std::max(10, layout.dataWidth)});
    m_rows->setSizes({std::max(10, layout.groupHeight), std::max(10, layout.rosterHeight)});
}

void CMainFrame::createToolBar()
{
    m_toolBar = new QToolBar(tr("Toolbar"), this);
    m_toolBar->setObjectName(QStringLiteral("mainToolBar"));
    m_toolBar->setMovable(true);
    m_toolBar->setFloatable(true);
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_toolBar->setIconSize(QSize(20, 20));
    m_commands->table().fillToolBar(*m_toolBar);
    addToolBar(Qt::TopToolBarArea, m_toolBar);

    QAction* toggle = m_commands->table().action(CCommand::ToggleToolbar);
    toggle->setChecked(true);
    connect(toggle, &QAction::toggled, m_toolBar, &QWidget::setVisible);
    // Closing a floating toolbar hides it; the menu's tick must follow.
    connect(m_toolBar, &QToolBar::visibilityChanged, toggle, [this, toggle](bool visible) {
        if (!isVisible()) return;  // a window still being built or closing says nothing
        const QSignalBlocker block(toggle);
        toggle->setChecked(visible);
    });
}

void CMainFrame::connectPanes()
{
    connect(m_dataView->sheet(), &QTabWidget::currentChanged, this,
            [this](int tab) { m_paneRoom->setSheetWide(tab == CDataPropSheet::StatsTab); });
    // The panes and pages follow the document's selection by themselves.
    connect(m_groupView, qOverload<uint32_t>(&CGroupView::teamSelected), this, [this] { updateCommands(); });
    connect(m_groupView, &CGroupView::nodeDoubleClicked, this,
            [this] { m_dataView->sheet()->bringToFront(CDataPropSheet::TeamTab); });
    connect(m_rosterView, &CRosterView::playerSelected, this, [this](uint32_t playerId) {
        m_app.document().setCurrentPlayer(playerId);
        updateCommands();
    });
    if (CLeagueTree* tree = m_groupView->tree())
        if (QItemSelectionModel* selection = tree->selectionModel())
            connect(selection, &QItemSelectionModel::currentChanged, this, &CMainFrame::scheduleUpdate);

    connect(&m_app, &CObrixApp::statusText, this, &CMainFrame::setStatusText);
    CDocument& doc = m_app.document();
    connect(&doc, &CDocument::changed, this, &CMainFrame::onDocumentChanged);
    connect(&doc, &CDocument::reset, this, &CMainFrame::onDocumentReset);
    connect(&doc, &CDocument::reset, this, [this] { m_bulkEdit->filesChanged(); });
    connect(&doc, &CDocument::modifiedChanged, this, [this](bool modified) {
        setWindowModified(modified);
        updateCommands();
    });
    setWindowModified(doc.isModified());
    connect(qApp, &QApplication::focusChanged, this, &CMainFrame::onFocusChanged);
    // The command rules are looked at again after each click and key, much as an idle
    // pass would: cheap, and nothing can go stale for longer than one user action.
    qApp->installEventFilter(this);
}

void CMainFrame::onDocumentChanged(const CChange& change)
{
    // The trees and the roster follow the document by themselves.
    CDataPropSheet* sheet = m_dataView->sheet();
    const std::vector<uint32_t> players = change.players();
    const std::vector<uint32_t> teams = change.teams();
    // A page reloads the record it shows (its own commits come back to it unchanged).
    const uint32_t player = sheet->playerPage()->playerShown();
    if (player != 0 && std::find(players.begin(), players.end(), player) != players.end())
        sheet->playerPage()->showPlayer(player);
    CTeamPage* teamPage = sheet->teamPageIfMade();
    const uint32_t team = teamPage ? teamPage->teamShown() : 0;
    if (team != 0 && std::find(teams.begin(), teams.end(), team) != teams.end()) teamPage->showTeam(team);
    scheduleUpdate();
}

void CMainFrame::onDocumentReset()
{
    m_rosterView->clear();
    m_groupView->refresh();
    m_dataView->sheet()->refreshActivePage();
    m_dataView->sheet()->followSelection();
    updateCommands();
}

void CMainFrame::setStatusText(const QString& text) { m_statusBar->setMessage(text); }

void CMainFrame::updateCommands()
{
    if (!m_commands) return;  // the panes report while the window is still being built
    m_rosterView->showCutPlayer(m_moves->cutPending() ? m_app.document().clipboardPlayer.id : 0);
    m_commands->table().updateEnabled();
}

bool CMainFrame::commitPendingEdits() { return m_dataView->sheet()->commitPendingEdits(); }
bool CMainFrame::checkBeforeSave() { return m_bulkEdit->checkBeforeSave(); }

bool CMainFrame::canDropPlayer(uint32_t playerId, uint32_t fromTeam, uint32_t toTeam, bool copying)
{
    return m_moves->canDrop(playerId, fromTeam, toTeam, copying);
}

bool CMainFrame::dropPlayer(uint32_t playerId, uint32_t fromTeam, uint32_t toTeam, bool copying)
{
    return copying ? m_moves->copy(playerId, toTeam) : m_moves->move(playerId, fromTeam, toTeam);
}

void CMainFrame::scheduleUpdate()
{
    if (m_updatePending) return;
    m_updatePending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_updatePending = false;
            updateCommands();
        },
        Qt::QueuedConnection);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type())
    {
    case QEvent::KeyRelease:
        m_statusBar->refreshLocks();
        [[fallthrough]];
    case QEvent::MouseButtonRelease:
        if (auto* widget = qobject_cast<QWidget*>(watched); widget && widget->window() == this) scheduleUpdate();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

CLeagueTree* CMainFrame::focusedSheetTree() const
{
    if (m_focusedPane != SheetPane) return nullptr;
    auto* tree = qobject_cast<CLeagueTree*>(QApplication::focusWidget());
    return tree && m_dataView->isAncestorOf(tree) ? tree : nullptr;
}

void CMainFrame::onFocusChanged(QWidget*, QWidget* now)
{
    if (!now) return;
    // Focus in a dialog, the menu bar or the toolbar leaves the commands on the pane the
    // user was working in.
    if (now == m_groupView || m_groupView->isAncestorOf(now)) m_focusedPane = TreePane;
    else if (now == m_dataView || m_dataView->isAncestorOf(now)) m_focusedPane = SheetPane;
    else if (now == m_rosterView || m_rosterView->isAncestorOf(now)) m_focusedPane = RosterPane;
    else return;
    updateCommands();
}

void CMainFrame::focusPane(int pane)
{
    QWidget* target = nullptr;
    switch (pane)
    {
    case TreePane:
        target = m_groupView->tree();
        if (!target) target = m_groupView;
        break;
    case SheetPane:
        target = m_dataView->sheet();
        break;
    default:
        target = m_rosterView->findChild<QAbstractItemView*>();
        if (!target) target = m_rosterView;
        break;
    }
    target->setFocus(Qt::ShortcutFocusReason);
    // Focus is not handed out to a window that is not active (tests, a minimised
    // window); the commands follow the pane the user asked for all the same.
    m_focusedPane = pane;
    updateCommands();
}

void CMainFrame::moveFocus(int step) { focusPane((m_focusedPane + 3 + step) % 3); }

void CMainFrame::closeEvent(QCloseEvent* event)
{
    // The question is asked about everything the pages show, a box still being typed
    // into included; a value the page refuses keeps the window open for correcting.
    if (!commitPendingEdits() || !m_app.confirmClose([this] { return checkBeforeSave(); }))
    {
        event->ignore();
        return;
    }
    const bool maximised = isMaximized();
    const QRect frame = maximised ? normalGeometry() : QRect(pos(), size());
    const QList<int> rows = m_paneRoom->rowSizes();
    const QList<int> columns = m_paneRoom->columnSizes();
    m_app.writeLayout(windowLayoutFromPanes(maximised, frame.x(), frame.y(), frame.width(), frame.height(),
                                            rows.value(0), rows.value(1), columns.value(0), columns.value(1),
                                            m_rows->width()));
    m_commands->closeHelp();
    event->accept();
}

const CCommandTable& CMainFrame::commands() const { return m_commands->table(); }
QString CMainFrame::lastSearchText() const { return m_commands->lastSearchText(); }
uint32_t CMainFrame::rememberedTeam() const { return m_commands->rememberedTeam(); }
