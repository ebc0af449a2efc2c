#include "shell/MainFrame.h"

#include "exchange/KeptLeagues.h"
#include "app/AboutBox.h"
#include "app/HistoryTexts.h"
#include "app/ObrixApp.h"
#include "database/Change.h"
#include "database/GameFiles.h"
#include "editing/TeamCommands.h"
#include "exchange/KeptLeagues.h"
#include "kits/JerseyThumbnails.h"
#include "kits/KitArtwork.h"
#include "pages/PlayerPage.h"
#include "pages/PreferencesDialog.h"
#include "pages/StatsPage.h"
#include "pages/TeamPage.h"
#include "shell/BulkEditCommands.h"
#include "pages/TransferPage.h"
#include "shell/DataPropSheet.h"
#include "shell/DataView.h"
#include "shell/PaneRoom.h"
#include "shell/FindDialog.h"
#include "shell/FrameStatusBar.h"
#include "shell/FrameTexts.h"
#include "shell/GlobalModificationsDialog.h"
#include "shell/GroupView.h"
#include "shell/HelpWindow.h"
#include "shell/LeagueNameDialog.h"
#include "widgets/LeagueTree.h"
#include "shell/RosterView.h"
#include "shell/DatabaseText.h"
#include "shell/ExchangeCommands.h"
#include "shell/PlayerMoveCommands.h"
#include "editing/EditingTexts.h"
#include "util/Format.h"
#include "util/TextCodec.h"
#include "widgets/AppIcons.h"
#include "widgets/PictureListBox.h"
#include "widgets/WaitCursor.h"


#include <QAbstractItemView>
#include <QApplication>
#include <QUndoStack>
#include <QUndoView>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QItemSelectionModel>
#include <QLayout>
#include <QMenuBar>
#include <QSplitter>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>

#include <algorithm>

namespace
{
using CCommand = CMainFrame::CCommand;

constexpr std::size_t index(CCommand command) { return static_cast<std::size_t>(command); }

// Splits a status text into the status-bar line and the tool tip. A text written with a
// backslash instead of a line break is shown whole in both.
std::pair<QString, QString> splitStatusText(const char* text)
{
    const QString whole = QString::fromUtf8(text);
    const qsizetype lineBreak = whole.indexOf(QLatin1Char('\n'));
    if (lineBreak < 0) return {whole, whole};
    return {whole.left(lineBreak), whole.mid(lineBreak + 1)};
}

// The records a save writes as changed: those carrying the modified mark.
int modifiedRecords(const CDatabase& db)
{
    int records = 0;
    db.forEachPlayer([&](const CPlayer& p) { records += p.modified ? 1 : 0; });
    db.forEachTeam([&](const CTeam& t) { records += t.modified ? 1 : 0; });
    for (const auto& league : db.leagues()) records += league->modified ? 1 : 0;
    return records;
}
}  // namespace

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
    m_moves = std::make_unique<CPlayerMoveCommands>(m_app);
    createActions();
    createMenus();
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
    delete m_helpWindow;
}

CGroupView* CMainFrame::groupView() const { return m_groupView; }
CRosterView* CMainFrame::rosterView() const { return m_rosterView; }
CDataView* CMainFrame::dataView() const { return m_dataView; }

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

QAction* CMainFrame::makeAction(CCommand command, const QString& text, const char* icon, const char* statusText)
{
    auto* action = new QAction(text, this);
    action->setProperty("obrixCommand", static_cast<int>(command));
    if (icon) action->setIcon(appIcon(icon));
    if (statusText)
    {
        const auto [status, tip] = splitStatusText(statusText);
        action->setStatusTip(status);
        action->setToolTip(tip);
    }
    // A command works on what the pages show, text still being typed included; this is
    // connected before the command's own slot, so it runs first. Save Data, Export and
    // Exit commit for themselves, as they must not go on past a refused value.
    if (command != CCommand::SaveData && command != CCommand::Export && command != CCommand::Exit)
        connect(action, &QAction::triggered, this, [this] { m_dataView->sheet()->commitPendingEdits(); });
    // Keys work whether or not the action sits in a menu or on the visible toolbar.
    addAction(action);
    m_actions[index(command)] = action;
    return action;
}

void CMainFrame::bindKeys(CCommand command, const QList<QKeySequence>& keys, bool shownInMenu)
{
    QAction* action = m_actions[index(command)];
    if (shownInMenu)
    {
        action->setShortcuts(keys);
        return;
    }
    // The menu shows this command without a key, and Qt would print any shortcut the
    // menu's action has; so the key lives on a hidden action of the window.
    auto* keyAction = new QAction(action->text(), this);
    keyAction->setProperty("obrixCommand", static_cast<int>(command));
    keyAction->setProperty("obrixKeyOnly", true);
    keyAction->setShortcuts(keys);
    connect(keyAction, &QAction::triggered, action, [action] {
        if (action->isEnabled()) action->trigger();
    });
    connect(action, &QAction::enabledChanged, keyAction, &QAction::setEnabled);
    keyAction->setEnabled(action->isEnabled());
    addAction(keyAction);
}

void CMainFrame::createActions()
{
    using namespace frametexts;
    const auto key = [](QKeyCombination combination) { return QKeySequence(combination); };

    connect(makeAction(CCommand::SaveData, QStringLiteral("Save Data"), "save", kSaveStatus), &QAction::triggered,
            this, &CMainFrame::saveData);
    bindKeys(CCommand::SaveData, {key(Qt::CTRL | Qt::Key_S)}, true);
    connect(makeAction(CCommand::Import, QStringLiteral("&Import..."), nullptr, kImportStatus), &QAction::triggered,
            this, [this] { m_exchange->importDbFiles(); });
    bindKeys(CCommand::Import, {key(Qt::CTRL | Qt::Key_I)}, true);
    connect(makeAction(CCommand::GlvImport, QStringLiteral("Import &GLV Files..."), nullptr, kGlvImportStatus),
            &QAction::triggered, this, [this] { m_exchange->importGlvFile(); });
    bindKeys(CCommand::GlvImport, {key(Qt::CTRL | Qt::ALT | Qt::Key_I)}, true);
    // "E&xit" has the x already, so the export takes the p.
    connect(makeAction(CCommand::Export, QStringLiteral("Ex&port..."), nullptr, kLeagueExportStatus),
            &QAction::triggered, this, [this] {
                if (!m_groupView->leagueSelected()) return;
                m_exchange->exportLeague(m_groupView->selectedValue() - CDatabase::kLeagueNodeBase);
                updateCommands();
            });
    connect(makeAction(CCommand::MakeThumbnails, QStringLiteral("&Make Jersey Thumbnails"), nullptr,
                       kThumbnailsStatus),
            &QAction::triggered, this, &CMainFrame::makeJerseyThumbnails);
    bindKeys(CCommand::MakeThumbnails, {key(Qt::CTRL | Qt::Key_J)}, true);
    connect(makeAction(CCommand::Restore, QStringLiteral("&Restore")), &QAction::triggered, this,
            [this] { m_app.restoreBackup(); updateCommands(); });
    bindKeys(CCommand::Restore, {key(Qt::CTRL | Qt::Key_R)}, true);
    connect(makeAction(CCommand::Exit, QStringLiteral("E&xit")), &QAction::triggered, this, &QWidget::close);
    bindKeys(CCommand::Exit, {key(Qt::CTRL | Qt::Key_Q)}, true);

    connect(makeAction(CCommand::Copy, QStringLiteral("&Copy"), "copy", kCopyStatus), &QAction::triggered, this,
            [this] {
                if (m_focusedPane == TreePane) m_groupView->copy();
                else if (m_focusedPane == RosterPane && m_rosterView->canCopy())
                {
                    m_rosterView->copy();
                    m_app.document().clipboardCutFrom = 0;
                }
                updateCommands();
            });
    bindKeys(CCommand::Copy, {key(Qt::CTRL | Qt::Key_C), key(Qt::CTRL | Qt::Key_Insert)}, true);
    connect(makeAction(CCommand::Paste, QStringLiteral("&Paste"), "paste", kPasteStatus), &QAction::triggered, this,
            [this] {
                // A cut player moves; the team is the tree's, whichever pane has the focus.
                CLeagueTree* sheetTree = focusedSheetTree();
                if (m_moves->cutPending() && sheetTree)
                {
                    if (sheetTree->isTeam(sheetTree->selectedNode())) m_moves->pasteCut(sheetTree->selectedValue());
                    else m_app.prompts().message(editingtexts::kPastePlayerOnly, CPrompts::CIcon::Information);
                }
                else if (m_moves->cutPending() && m_focusedPane != SheetPane)
                {
                    if (m_groupView->teamSelected()) m_moves->pasteCut(m_groupView->selectedValue());
                    else if (m_focusedPane == TreePane)
                        m_app.prompts().message(editingtexts::kPastePlayerOnly, CPrompts::CIcon::Information);
                }
                else if (m_focusedPane == TreePane) m_groupView->paste();
                else if (m_focusedPane == RosterPane) m_rosterView->paste();
                updateCommands();
            });
    bindKeys(CCommand::Paste, {key(Qt::CTRL | Qt::Key_V), key(Qt::SHIFT | Qt::Key_Insert)}, true);
    // The key does what the menu item does, on the focused pane and under its rules; text
    // boxes keep their own Delete (they claim the key before any shortcut sees it).
    connect(makeAction(CCommand::Delete, QStringLiteral("&Delete"), "delete", kDeleteStatus),
            &QAction::triggered, this, [this] {
                if (m_focusedPane == TreePane) m_groupView->deleteSelected();
                else if (m_focusedPane == RosterPane) m_rosterView->deleteSelected();
                updateCommands();
            });
    bindKeys(CCommand::Delete, {key(QKeyCombination(Qt::Key_Delete))}, true);
    connect(makeAction(CCommand::Cut, QStringLiteral("Cu&t"), nullptr, kCutStatus), &QAction::triggered, this, [this] {
        if (m_focusedPane == RosterPane && m_rosterView->canCopy())
            m_moves->cut(m_rosterView->selectedPlayer(), m_rosterView->teamShown());
        else if (CLeagueTree* tree = focusedSheetTree(); tree && tree->isPlayer(tree->selectedNode()))
            m_moves->cut(tree->selectedValue(), tree->parentValue(tree->selectedNode()));
        updateCommands();
    });
    bindKeys(CCommand::Cut, {key(Qt::CTRL | Qt::Key_X), key(Qt::SHIFT | Qt::Key_Delete)}, true);
    // Undo and Redo carry the step's name ("Undo Swap Teams"), as the history gives it.
    QUndoStack* history = m_app.document().history();
    QAction* undo = makeAction(CCommand::Undo, historytexts::text(historytexts::kUndoMenu), "undo");
    bindKeys(CCommand::Undo, {key(Qt::CTRL | Qt::Key_Z), key(Qt::ALT | Qt::Key_Backspace)}, true);
    connect(undo, &QAction::triggered, history, &QUndoStack::undo);
    QAction* redo = makeAction(CCommand::Redo, historytexts::text(historytexts::kRedoMenu), "redo");
    bindKeys(CCommand::Redo, {key(Qt::CTRL | Qt::Key_Y), key(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}, true);
    connect(redo, &QAction::triggered, history, &QUndoStack::redo);
    const auto nameSteps = [this, history, undo, redo] {
        const QString u = history->undoText(), r = history->redoText();
        undo->setText(historytexts::text(historytexts::kUndoMenu) + (u.isEmpty() ? QString() : QLatin1Char(' ') + u));
        redo->setText(historytexts::text(historytexts::kRedoMenu) + (r.isEmpty() ? QString() : QLatin1Char(' ') + r));
        undo->setToolTip(undo->text().remove(QLatin1Char('&')));
        redo->setToolTip(redo->text().remove(QLatin1Char('&')));
        updateCommands();
    };
    connect(history, &QUndoStack::indexChanged, this, nameSteps);
    connect(history, &QUndoStack::cleanChanged, this, nameSteps);
    connect(makeAction(CCommand::History, historytexts::text(historytexts::kHistoryMenu)), &QAction::triggered, this,
            &CMainFrame::showHistory);
    // Clone has never had an action of its own: it stays out of the menus until it has one,
    // and keeps its key, greyed, so that muscle memory does not land on another command.
    makeAction(CCommand::Clone, QStringLiteral("Clo&ne"));
    bindKeys(CCommand::Clone, {key(Qt::CTRL | Qt::Key_N)}, true);
    connect(makeAction(CCommand::NewLeague, QStringLiteral("&New League")), &QAction::triggered, this, [this] {
        m_groupView->newLeague();
        updateCommands();
    });
    bindKeys(CCommand::NewLeague, {key(Qt::CTRL | Qt::ALT | Qt::Key_L)}, true);

    connect(makeAction(CCommand::Find, QStringLiteral("&Find"), "find", kFindStatus), &QAction::triggered, this,
            &CMainFrame::find);
    bindKeys(CCommand::Find, {key(Qt::CTRL | Qt::Key_F)}, true);
    connect(makeAction(CCommand::FindAgain, QStringLiteral("Find &Again"), nullptr, kFindAgainStatus),
            &QAction::triggered, this, &CMainFrame::findAgain);
    bindKeys(CCommand::FindAgain, {key(Qt::Key_F3)}, true);
    connect(makeAction(CCommand::GlobalModifications, QStringLiteral("&Global Modifications..."), nullptr,
                       kGlobalModsStatus),
            &QAction::triggered, this, &CMainFrame::globalModifications);
    connect(makeAction(CCommand::LeagueName, QStringLiteral("&League Name..."), nullptr, kLeagueNameStatus),
            &QAction::triggered, this, &CMainFrame::leagueName);
    bindKeys(CCommand::LeagueName, {key(Qt::Key_F2)}, true);
    connect(makeAction(CCommand::Preferences, QStringLiteral("&Preferences...")), &QAction::triggered, this,
            &CMainFrame::preferences);

    connect(makeAction(CCommand::Transfer, QStringLiteral("T&ransfer Page"), "transfer", kTransferStatus),
            &QAction::triggered, this, [this] { m_dataView->sheet()->bringToFront(CDataPropSheet::TransferTab); });
    bindKeys(CCommand::Transfer, {key(Qt::CTRL | Qt::Key_T)}, true);
    connect(makeAction(CCommand::StatsTab, QStringLiteral("&Stats Page"), nullptr, kExportStatus), &QAction::triggered,
            this, [this] { m_dataView->sheet()->bringToFront(CDataPropSheet::StatsTab); });
    bindKeys(CCommand::StatsTab, {key(Qt::CTRL | Qt::Key_E)}, true);
    connect(makeAction(CCommand::RememberTeam, QStringLiteral("&Remember Team")), &QAction::triggered, this,
            &CMainFrame::rememberCurrentTeam);
    bindKeys(CCommand::RememberTeam, {key(Qt::Key_F5)}, true);
    connect(makeAction(CCommand::ApplyRememberedTeam, QStringLiteral("Appl&y Remembered Team")), &QAction::triggered,
            this, &CMainFrame::applyRememberedTeam);
    bindKeys(CCommand::ApplyRememberedTeam, {key(Qt::Key_F7)}, true);
    connect(makeAction(CCommand::NextPane, QStringLiteral("&Next Pane")), &QAction::triggered, this,
            [this] { moveFocus(1); });
    bindKeys(CCommand::NextPane, {key(Qt::Key_F6)}, true);
    connect(makeAction(CCommand::PreviousPane, QStringLiteral("Pre&vious Pane")), &QAction::triggered, this,
            [this] { moveFocus(-1); });
    bindKeys(CCommand::PreviousPane, {key(Qt::SHIFT | Qt::Key_F6)}, true);

    QAction* toggleToolbar = makeAction(CCommand::ToggleToolbar, QStringLiteral("&Toolbar"));
    toggleToolbar->setCheckable(true);
    toggleToolbar->setChecked(true);
    toggleToolbar->setStatusTip(QStringLiteral("Show or hide the toolbar"));
    QAction* toggleStatusBar = makeAction(CCommand::ToggleStatusBar, QStringLiteral("&Status Bar"));
    toggleStatusBar->setCheckable(true);
    toggleStatusBar->setChecked(true);
    toggleStatusBar->setStatusTip(QStringLiteral("Show or hide the status bar"));
    connect(toggleStatusBar, &QAction::toggled, m_statusBar, &QWidget::setVisible);

    connect(makeAction(CCommand::HelpTopics, QStringLiteral("&Help Topics...")), &QAction::triggered, this,
            &CMainFrame::helpTopics);
    QAction* aboutAction = makeAction(CCommand::About, QStringLiteral("&About Obrix..."), "about");
    aboutAction->setStatusTip(QStringLiteral("Display program information, version number and copyright"));
    aboutAction->setToolTip(QStringLiteral("About"));
    connect(aboutAction, &QAction::triggered, this, &CMainFrame::about);
}

void CMainFrame::createMenus()
{
    const auto action = [this](CCommand command) { return m_actions[index(command)]; };

    QMenu* file = menuBar()->addMenu(QString::fromLatin1(frametexts::kFileMenu));
    file->addAction(action(CCommand::SaveData));
    file->addSeparator();
    file->addAction(action(CCommand::Import));
    file->addAction(action(CCommand::GlvImport));
    file->addAction(action(CCommand::Export));
    file->addAction(m_bulkEdit->importTableAction());
    file->addAction(m_bulkEdit->exportTableAction());
    file->addSeparator();
    file->addAction(action(CCommand::Restore));
    file->addSeparator();
    file->addAction(action(CCommand::MakeThumbnails));
    file->addSeparator();
    file->addAction(action(CCommand::Exit));

    QMenu* edit = menuBar()->addMenu(QString::fromLatin1(frametexts::kEditMenu));
    edit->addAction(action(CCommand::Undo));
    edit->addAction(action(CCommand::Redo));
    edit->addSeparator();
    edit->addAction(action(CCommand::Cut));
    edit->addAction(action(CCommand::Copy));
    edit->addAction(action(CCommand::Paste));
    edit->addAction(action(CCommand::Delete));
    edit->addSeparator();
    edit->addAction(action(CCommand::Find));
    edit->addAction(action(CCommand::FindAgain));
    edit->addSeparator();
    edit->addAction(action(CCommand::GlobalModifications));
    edit->addAction(m_bulkEdit->checkAction());
    edit->addSeparator();
    edit->addAction(action(CCommand::NewLeague));
    edit->addAction(action(CCommand::LeagueName));
    edit->addSeparator();
    edit->addAction(action(CCommand::RememberTeam));
    edit->addAction(action(CCommand::ApplyRememberedTeam));
    edit->addSeparator();
    edit->addAction(action(CCommand::Preferences));

    QMenu* view = menuBar()->addMenu(QString::fromLatin1(frametexts::kViewMenu));
    view->addAction(action(CCommand::ToggleToolbar));
    view->addAction(action(CCommand::ToggleStatusBar));
    view->addSeparator();
    view->addAction(action(CCommand::Transfer));
    view->addAction(action(CCommand::StatsTab));
    view->addSeparator();
    view->addAction(action(CCommand::NextPane));
    view->addAction(action(CCommand::PreviousPane));
    view->addSeparator();
    view->addAction(action(CCommand::History));
    view->addAction(m_bulkEdit->changesAction());

    QMenu* help = menuBar()->addMenu(QString::fromLatin1(frametexts::kHelpMenu));
    help->addAction(action(CCommand::HelpTopics));
    help->addAction(action(CCommand::About));

    // The rules depend on state that changes without telling us (the Player page sets
    // the modified flag as the user types), so look again whenever a menu opens.
    for (QMenu* menu : {file, edit, view})
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::updateCommands);
}

void CMainFrame::createToolBar()
{
    const auto action = [this](CCommand command) { return m_actions[index(command)]; };

    m_toolBar = new QToolBar(QStringLiteral("Toolbar"), this);
    m_toolBar->setObjectName(QStringLiteral("mainToolBar"));
    m_toolBar->setMovable(true);
    m_toolBar->setFloatable(true);
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_toolBar->setIconSize(QSize(20, 20));
    m_toolBar->addAction(action(CCommand::SaveData));
    m_toolBar->addSeparator();
    m_toolBar->addAction(action(CCommand::Transfer));
    m_toolBar->addSeparator();
    m_toolBar->addAction(action(CCommand::Find));
    m_toolBar->addSeparator();
    m_toolBar->addAction(action(CCommand::Copy));
    m_toolBar->addAction(action(CCommand::Paste));
    m_toolBar->addAction(action(CCommand::Delete));
    m_toolBar->addSeparator();
    m_toolBar->addAction(action(CCommand::Undo));
    m_toolBar->addAction(action(CCommand::Redo));
    m_toolBar->addSeparator();
    m_toolBar->addAction(action(CCommand::About));
    addToolBar(Qt::TopToolBarArea, m_toolBar);

    QAction* toggle = action(CCommand::ToggleToolbar);
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

void CMainFrame::showTeamInRoster(uint32_t teamId) { m_rosterView->showTeam(teamId); }
void CMainFrame::selectPlayer(uint32_t playerId) { m_rosterView->selectPlayer(playerId); }

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

void CMainFrame::showHistory()
{
    if (!m_historyWindow)
    {
        auto* view = new QUndoView(m_app.document().history(), this);
        view->setWindowFlag(Qt::Tool);
        view->setWindowTitle(historytexts::text(historytexts::kHistoryTitle));
        view->setEmptyLabel(historytexts::text(historytexts::kLoaded));
        // The state the files hold carries the save mark, wherever undo and redo have gone.
        view->setCleanIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
        view->setObjectName(QStringLiteral("historyView"));
        view->resize(360, 360);  // room for "Bankroll of <team> 61544 -> 70000"
        m_historyWindow = view;
    }
    m_historyWindow->show();
    m_historyWindow->raise();
}

void CMainFrame::setStatusText(const QString& text) { m_statusBar->setMessage(text); }
QString CMainFrame::lastSearchText() const { return m_lastSearchText; }
uint32_t CMainFrame::rememberedTeam() const { return m_rememberedTeam; }

QAction* CMainFrame::commandAction(CCommand command) const
{
    return command == CCommand::Count ? nullptr : m_actions[index(command)];
}

CMainFrame::CCommand CMainFrame::commandForKey(const QKeySequence& key) const
{
    for (const QAction* action : actions())
        if (action->shortcuts().contains(key)) return static_cast<CCommand>(action->property("obrixCommand").toInt());
    return CCommand::Count;
}

void CMainFrame::updateCommands()
{
    const auto enable = [this](CCommand command, bool on) { m_actions[index(command)]->setEnabled(on); };
    const bool tree = m_focusedPane == TreePane;
    const bool roster = m_focusedPane == RosterPane;

    m_rosterView->showCutPlayer(m_moves->cutPending() ? m_app.document().clipboardPlayer.id : 0);
    // A name still being typed counts: Save Data (and Ctrl+S) commit it first.
    enable(CCommand::SaveData, m_app.document().isModified() || m_dataView->sheet()->hasPendingEdits());
    enable(CCommand::Restore, m_app.backupFlag());
    enable(CCommand::Import, true);
    enable(CCommand::GlvImport, true);
    enable(CCommand::Export, m_groupView->leagueSelected());
    enable(CCommand::GlobalModifications, true);
    CLeagueTree* sheetTree = focusedSheetTree();
    const QModelIndex sheetNode = sheetTree ? sheetTree->selectedNode() : QModelIndex();
    enable(CCommand::Cut, (roster && m_rosterView->canCopy()) || (sheetTree && sheetTree->isPlayer(sheetNode)));
    enable(CCommand::Undo, m_app.document().history()->canUndo());
    enable(CCommand::Redo, m_app.document().history()->canRedo());
    enable(CCommand::History, true);
    enable(CCommand::Copy, tree ? m_groupView->canCopy() : roster && m_rosterView->canCopy());
    const bool pasteCut = m_moves->cutPending() && m_groupView->teamSelected();
    enable(CCommand::Paste, tree     ? m_groupView->canPaste() || pasteCut
                            : roster ? m_rosterView->canPaste() || pasteCut
                                     : m_moves->cutPending() && sheetTree && sheetTree->isTeam(sheetNode));
    enable(CCommand::Delete, tree ? m_groupView->canDelete() : roster && m_rosterView->canDelete());
    enable(CCommand::Clone, false);
    enable(CCommand::NewLeague, tree);
    enable(CCommand::FindAgain, !m_lastSearchText.isEmpty());
    enable(CCommand::LeagueName, m_groupView->leagueSelected());
    enable(CCommand::RememberTeam, m_app.document().currentTeam() != 0);
    enable(CCommand::ApplyRememberedTeam, m_rememberedTeam != 0);
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

void CMainFrame::saveData()
{
    if (!m_dataView->sheet()->commitPendingEdits()) return;
    if (!m_app.document().isModified()) return;
    // What the save or the game would stumble on is listed in full before anything is
    // asked, rather than refused with one line after.
    if (!m_bulkEdit->checkBeforeSave())
    {
        updateCommands();
        return;
    }
    if (!m_app.prompts().askYesNo(withImportedLeagueNote(frametexts::kSaveWarning, m_app.db()), CPrompts::CIcon::Warning))
        return;
    {
        const CWaitCursor wait;
        setStatusText(QString::fromLatin1(frametexts::kSavingData));
        const int records = modifiedRecords(m_app.db());
        m_app.saveToGame();
        m_bulkEdit->filesChanged();
        // Said only when the files took it: a save held back or failed leaves the data modified.
        const QString folder = QDir::toNativeSeparators(QString::fromStdString(m_app.settings().gameFolder));
        setStatusText(m_app.document().isModified()
                          ? QString::fromLatin1(frametexts::kNotSaved)
                          : QString::fromStdString(formatText(frametexts::kSaved,
                                                              counted(records, frametexts::kChangedRecord,
                                                                      frametexts::kChangedRecords)
                                                                  .c_str(),
                                                              folder.toStdString().c_str())));
    }
    updateCommands();
}

void CMainFrame::makeJerseyThumbnails()
{
    const CWaitCursor wait;
    // The kit pictures of the Team page need our shorts and socks artwork beside the
    // jerseys, so a fresh Jerseys folder is made complete in one go.
    ensureKitArtwork(m_app.jerseysFolder());
    std::vector<std::string> skipped;
    ::makeJerseyThumbnails(std::filesystem::path(m_app.settings().gameFolder), m_app.jerseysFolder(),
                           CFileSystem::unflushed(), &skipped);
    // The lists remember pictures they could not draw; the team on show gets the new ones now.
    for (CPictureListBox* list : m_dataView->findChildren<CPictureListBox*>()) list->reloadPictures();
    setStatusText(QString::fromLatin1(frametexts::kReady));
    if (!skipped.empty()) m_app.prompts().message(skippedThumbnailsMessage(skipped), CPrompts::CIcon::Warning);
}

void CMainFrame::find()
{
    CFindDialog dialog(m_lastSearchText, this);
    if (dialog.exec() != QDialog::Accepted) return;
    m_lastSearchText = dialog.text();
    updateCommands();
    runFind();
}

void CMainFrame::findAgain()
{
    if (m_lastSearchText.isEmpty()) return;
    runFind();
}

void CMainFrame::runFind()
{
    const uint32_t playerId = m_groupView->find(m_lastSearchText.toStdString());
    if (playerId != 0) m_rosterView->selectPlayer(playerId);
    updateCommands();
}

void CMainFrame::leagueName()
{
    if (!m_groupView->leagueSelected()) return;
    const QString nodeText = m_groupView->selectedText();
    if (!leagueNameEditable(nodeText.toStdString(), m_app.prompts())) return;
    const std::optional<QString> entered = CLeagueNameDialog::ask(this, nodeText, editingtexts::kLeagueNameTitle);
    if (!entered) return;
    const std::size_t position = m_groupView->selectedValue() - CDatabase::kLeagueNodeBase;
    const std::string name = toDatabaseText(*entered, encodingForLanguage(m_app.db().languageCode()));
    m_app.document().run(historytexts::step(historytexts::kLeagueName, *entered),
                         [&](CTransaction& tx) { renameLeague(tx, position, name); });
    updateCommands();
}

void CMainFrame::globalModifications()
{
    // The page is emptied while the dialog changes the skills it would show.
    CPlayerPage* playerPage = m_dataView->sheet()->playerPage();
    if (!m_dataView->sheet()->commitPendingEdits()) return;
    playerPage->clearPage();
    std::string summary;
    if (CGlobalModificationsDialog::run(m_app, this, &summary))
    {
        if (!summary.empty()) setStatusText(QString::fromStdString(summary));
        const uint32_t current = m_app.document().currentPlayer();
        if (current != 0) playerPage->selectPlayer(current);
    }
    updateCommands();
}

void CMainFrame::rememberCurrentTeam()
{
    if (m_app.document().currentTeam() == 0) return;
    const uint32_t team = rememberTeam(m_app.db(), m_app.document().currentTeam(),
                                       encodingForLanguage(m_app.db().languageCode()), m_app.prompts());
    if (team != 0) m_rememberedTeam = team;
    updateCommands();
}

void CMainFrame::applyRememberedTeam()
{
    CDocument& doc = m_app.document();
    if (m_rememberedTeam == 0 || doc.currentTeam() == 0) return;
    const uint32_t currentTeam = doc.currentTeam();
    doc.run(historytexts::step(historytexts::kApplyRememberedTeam),
            [&](CTransaction& tx) { ::applyRememberedTeam(tx, m_rememberedTeam, currentTeam); });
    updateCommands();
}

void CMainFrame::preferences()
{
    CPreferencesDialog::run(m_app, this);
    updateCommands();
}

void CMainFrame::helpTopics()
{
    // The help has no owner: it stays open beside the editor and outlives no one but
    // is closed with the main window.
    if (!m_helpWindow) m_helpWindow = new CHelpWindow(nullptr);
    auto* help = static_cast<CHelpWindow*>(m_helpWindow);
    help->browser()->home();
    help->show();
    help->raise();
    help->activateWindow();
}

void CMainFrame::about()
{
    CAboutBox::showAbout(m_app, this);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    // The question is asked about everything the pages show, a box still being typed
    // into included; a value the page refuses keeps the window open for correcting.
    if (!m_dataView->sheet()->commitPendingEdits()
        || !m_app.confirmClose([this] { return m_bulkEdit->checkBeforeSave(); }))
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
    if (m_helpWindow) m_helpWindow->close();
    event->accept();
}
