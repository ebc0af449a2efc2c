#include "shell/FrameCommands.h"

#include "app/AboutBox.h"
#include "app/HistoryTexts.h"
#include "app/CatalogueText.h"
#include "app/ObrixApp.h"
#include "app/UiLanguage.h"
#include "database/GameFiles.h"
#include "editing/EditingTexts.h"
#include "editing/FoldNotes.h"
#include "editing/TeamCommands.h"
#include "exchange/KeptLeagues.h"
#include "kits/JerseyThumbnails.h"
#include "kits/KitArtwork.h"
#include "pages/PlayerPage.h"
#include "pages/PreferencesDialog.h"
#include "pages/TransferPage.h"
#include "shell/BulkEditCommands.h"
#include "shell/CommandTable.h"
#include "shell/DataPropSheet.h"
#include "shell/DataView.h"
#include "shell/DatabaseText.h"
#include "shell/ExchangeCommands.h"
#include "shell/FindDialog.h"
#include "shell/FrameStatusBar.h"
#include "shell/FrameTexts.h"
#include "shell/GlobalModificationsDialog.h"
#include "shell/GroupView.h"
#include "shell/HelpWindow.h"
#include "shell/LeagueNameDialog.h"
#include "shell/MainFrame.h"
#include "shell/PlayerMoveCommands.h"
#include "shell/RosterView.h"
#include "util/Format.h"
#include "util/TextCodec.h"
#include "widgets/LeagueTree.h"
#include "widgets/PictureListBox.h"
#include "widgets/WaitCursor.h"
#include "util/PathText.h"

#include <QAction>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QDir>
#include <QStatusBar>
#include <QStyle>
#include <QTextBrowser>
#include <QUndoStack>
#include <QUndoView>

namespace
{
QKeySequence key(QKeyCombination combination) { return QKeySequence(combination); }

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

CFrameCommands::CFrameCommands(CObrixApp& app, CMainFrame& frame, CExchangeCommands& exchange,
                               CBulkEditCommands& bulkEdit, CPlayerMoveCommands& moves)
    : QObject(&frame), m_app(app), m_frame(frame), m_exchange(exchange), m_bulkEdit(bulkEdit), m_moves(moves)
{
    // The rows go in menu order: that is their order within a menu's group.
    m_table = new CCommandTable(frame, [this] { return m_frame.commitPendingEdits(); });
    // A command that took a step of the history says so in the status line, unless it said
    // something of its own (Save Data, a move, a league left odd); Undo and Redo say theirs.
    m_table->setRunner([this](CCommand id, const std::function<void()>& run) {
        if (id == CCommand::Undo || id == CCommand::Redo) return run();
        const int stepsBefore = m_app.document().history()->index();
        const QString statusBefore = statusMessage();
        run();
        sayStepTaken(stepsBefore, statusBefore);
    });
    addFileCommands();
    addEditCommands();
    addViewAndHelpCommands();
}

CFrameCommands::~CFrameCommands() { delete m_helpWindow; }

QString CFrameCommands::statusMessage() const
{
    auto* status = qobject_cast<CFrameStatusBar*>(m_frame.statusBar());
    return status ? status->message() : QString();
}

void CFrameCommands::closeHelp()
{
    if (m_helpWindow) m_helpWindow->close();
}

void CFrameCommands::addFileCommands()
{
    using namespace frametexts;
    CCommandTable& t = *m_table;
    // Save Data and Exit store the typed text themselves: they must not go on past a refused value.
    t.add({.id = CCommand::SaveData, .text = QT_TRANSLATE_NOOP("commands", "&Save Data"), .icon = "save", .keys = {key(Qt::CTRL | Qt::Key_S)},
           .status = kSaveStatus, .menu = CMenuPlace::File, .menuGroup = 0, .toolbarGroup = 0,
           // A name still being typed counts: Save Data commits it first.
           .enabled = [this] { return m_app.document().isModified() || m_frame.dataView()->sheet()->hasPendingEdits(); },
           .run = [this] { saveData(); }, .commitsFirst = false});
    m_exchange.addCommands(t);
    m_bulkEdit.addTableCommands(t);
    t.add({.id = CCommand::Restore, .text = QT_TRANSLATE_NOOP("commands", "&Restore"), .keys = {key(Qt::CTRL | Qt::Key_R)}, .status = kRestoreStatus,
           .menu = CMenuPlace::File, .menuGroup = 2, .enabled = [this] { return m_app.backupFlag(); },
           .run = [this] {
               m_app.restoreBackup();
               m_frame.updateCommands();
           }});
    t.add({.id = CCommand::MakeThumbnails, .text = QT_TRANSLATE_NOOP("commands", "&Make Jersey Thumbnails"), .keys = {key(Qt::CTRL | Qt::Key_J)},
           .status = kThumbnailsStatus, .menu = CMenuPlace::File, .menuGroup = 3,
           .run = [this] { makeJerseyThumbnails(); }});
    t.add({.id = CCommand::Exit, .text = QT_TRANSLATE_NOOP("commands", "E&xit"), .keys = {key(Qt::CTRL | Qt::Key_Q)}, .status = kExitStatus,
           .menu = CMenuPlace::File, .menuGroup = 4, .run = [this] { m_frame.close(); }, .commitsFirst = false});
}

void CFrameCommands::addEditCommands()
{
    using namespace frametexts;
    CCommandTable& t = *m_table;
    const auto tree = [this] { return m_frame.focusedPane() == CMainFrame::TreePane; };
    const auto roster = [this] { return m_frame.focusedPane() == CMainFrame::RosterPane; };
    QUndoStack* history = m_app.document().history();
    // Undo and Redo carry the step's name ("Undo Swap Teams"), as the history gives it.
    t.add({.id = CCommand::Undo, .text = kUndoMenu, .icon = "undo",
           .keys = {key(Qt::CTRL | Qt::Key_Z), key(Qt::ALT | Qt::Key_Backspace)}, .status = kUndoStatus,
           .menu = CMenuPlace::Edit, .menuGroup = 0, .toolbarGroup = 4,
           .enabled = [history] { return history->canUndo(); },
           .run = [this, history] { stepThrough(history, true); }});
    t.add({.id = CCommand::Redo, .text = kRedoMenu, .icon = "redo",
           .keys = {key(Qt::CTRL | Qt::Key_Y), key(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}, .status = kRedoStatus,
           .menu = CMenuPlace::Edit, .menuGroup = 0, .toolbarGroup = 4,
           .enabled = [history] { return history->canRedo(); },
           .run = [this, history] { stepThrough(history, false); }});
    connect(history, &QUndoStack::indexChanged, this, &CFrameCommands::nameUndoSteps);
    connect(history, &QUndoStack::cleanChanged, this, &CFrameCommands::nameUndoSteps);
    t.add({.id = CCommand::Cut, .text = QT_TRANSLATE_NOOP("commands", "Cu&t"), .keys = {key(Qt::CTRL | Qt::Key_X), key(Qt::SHIFT | Qt::Key_Delete)},
           .status = kCutStatus, .menu = CMenuPlace::Edit, .menuGroup = 1,
           .enabled = [this, roster] {
               const CLeagueTree* sheetTree = m_frame.focusedSheetTree();
               return (roster() && m_frame.rosterView()->canCopy())
                      || (sheetTree && sheetTree->isPlayer(sheetTree->selectedNode()));
           },
           .run = [this] { cut(); }});
    t.add({.id = CCommand::Copy, .text = QT_TRANSLATE_NOOP("commands", "&Copy"), .icon = "copy",
           .keys = {key(Qt::CTRL | Qt::Key_C), key(Qt::CTRL | Qt::Key_Insert)}, .status = kCopyStatus,
           .menu = CMenuPlace::Edit, .menuGroup = 1, .toolbarGroup = 3,
           .enabled = [this, tree, roster] {
               return tree() ? m_frame.groupView()->canCopy() : roster() && m_frame.rosterView()->canCopy();
           },
           .run = [this] { copy(); }});
    t.add({.id = CCommand::Paste, .text = QT_TRANSLATE_NOOP("commands", "&Paste"), .icon = "paste",
           .keys = {key(Qt::CTRL | Qt::Key_V), key(Qt::SHIFT | Qt::Key_Insert)}, .status = kPasteStatus,
           .menu = CMenuPlace::Edit, .menuGroup = 1, .toolbarGroup = 3, .enabled = [this] { return canPaste(); },
           .run = [this] { paste(); }});
    // The key does what the menu item does, on the focused pane and under its rules; text
    // boxes keep their own Delete (they claim the key before any shortcut sees it).
    t.add({.id = CCommand::Delete, .text = QT_TRANSLATE_NOOP("commands", "&Delete"), .icon = "delete", .keys = {key(QKeyCombination(Qt::Key_Delete))},
           .status = kDeleteStatus, .menu = CMenuPlace::Edit, .menuGroup = 1, .toolbarGroup = 3,
           .enabled = [this, tree, roster] {
               return tree() ? m_frame.groupView()->canDelete() : roster() && m_frame.rosterView()->canDelete();
           },
           .run = [this] { deleteSelected(); }});
    // Clone has never had an action of its own: it stays out of the menus until it has one,
    // and keeps its key, greyed, so that muscle memory does not land on another command.
    t.add({.id = CCommand::Clone, .text = QT_TRANSLATE_NOOP("commands", "Clo&ne"), .keys = {key(Qt::CTRL | Qt::Key_N)}, .status = kCloneStatus,
           .enabled = [] { return false; }});
    t.add({.id = CCommand::Find, .text = QT_TRANSLATE_NOOP("commands", "&Find"), .icon = "find", .keys = {key(Qt::CTRL | Qt::Key_F)},
           .status = kFindStatus, .menu = CMenuPlace::Edit, .menuGroup = 2, .toolbarGroup = 2,
           .run = [this] { find(); }});
    t.add({.id = CCommand::FindAgain, .text = QT_TRANSLATE_NOOP("commands", "Find &Again"), .keys = {key(Qt::Key_F3)}, .status = kFindAgainStatus,
           .menu = CMenuPlace::Edit, .menuGroup = 2, .enabled = [this] { return !m_lastSearchText.isEmpty(); },
           .run = [this] {
               if (!m_lastSearchText.isEmpty()) runFind();
           }});
    t.add({.id = CCommand::GlobalModifications, .text = QT_TRANSLATE_NOOP("commands", "&Global Modifications..."), .status = kGlobalModsStatus,
           .menu = CMenuPlace::Edit, .menuGroup = 3, .run = [this] { globalModifications(); }});
    // (Check Database... joins this group from the bulk-edit commands, at the end.)
    t.add({.id = CCommand::NewLeague, .text = QT_TRANSLATE_NOOP("commands", "&New League"), .keys = {key(Qt::CTRL | Qt::ALT | Qt::Key_L)},
           .status = kNewLeagueStatus, .menu = CMenuPlace::Edit, .menuGroup = 4, .enabled = tree,
           .run = [this] {
               m_frame.groupView()->newLeague();
               m_frame.updateCommands();
           }});
    t.add({.id = CCommand::LeagueName, .text = QT_TRANSLATE_NOOP("commands", "&League Name..."), .keys = {key(Qt::Key_F2)},
           .status = kLeagueNameStatus, .menu = CMenuPlace::Edit, .menuGroup = 4,
           .enabled = [this] { return m_frame.groupView()->leagueSelected(); }, .run = [this] { leagueName(); }});
    t.add({.id = CCommand::SwapTeams, .text = QT_TRANSLATE_NOOP("commands", "Swap Tea&ms"), .status = kSwapTeamsStatus, .menu = CMenuPlace::Edit,
           .menuGroup = 5, .enabled = [this] { return canSwap(true); }, .run = [this] { swap(); }});
    t.add({.id = CCommand::SwapPlayers, .text = QT_TRANSLATE_NOOP("commands", "S&wap Players"), .status = kSwapPlayersStatus,
           .menu = CMenuPlace::Edit, .menuGroup = 5, .enabled = [this] { return canSwap(false); },
           .run = [this] { swap(); }});
    t.add({.id = CCommand::RememberTeam, .text = QT_TRANSLATE_NOOP("commands", "Remem&ber Team"), .keys = {key(Qt::Key_F5)},
           .status = kRememberStatus, .menu = CMenuPlace::Edit, .menuGroup = 6,
           .enabled = [this] { return m_app.document().currentTeam() != 0; }, .run = [this] { rememberCurrentTeam(); }});
    t.add({.id = CCommand::ApplyRememberedTeam, .text = QT_TRANSLATE_NOOP("commands", "Appl&y Remembered Team"), .keys = {key(Qt::Key_F7)},
           .status = kApplyRememberedStatus, .menu = CMenuPlace::Edit, .menuGroup = 6,
           .enabled = [this] { return m_rememberedTeam != 0; }, .run = [this] { applyRememberedTeam(); }});
    t.add({.id = CCommand::Preferences, .text = QT_TRANSLATE_NOOP("commands", "Pr&eferences..."), .menu = CMenuPlace::Edit, .menuGroup = 7,
           .run = [this] {
               CPreferencesDialog::run(m_app, &m_frame);
               m_frame.updateCommands();
           }});
}

void CFrameCommands::addViewAndHelpCommands()
{
    using namespace frametexts;
    CCommandTable& t = *m_table;
    t.add({.id = CCommand::ToggleToolbar, .text = QT_TRANSLATE_NOOP("commands", "&Toolbar"), .status = kToolbarStatus,
           .menu = CMenuPlace::View, .menuGroup = 0, .checkable = true});
    QAction* statusBarShown = t.add({.id = CCommand::ToggleStatusBar, .text = QT_TRANSLATE_NOOP("commands", "&Status Bar"),
                                     .status = kStatusBarStatus, .menu = CMenuPlace::View,
                                     .menuGroup = 0, .checkable = true});
    statusBarShown->setChecked(true);
    connect(statusBarShown, &QAction::toggled, m_frame.statusBar(), &QWidget::setVisible);
    t.add({.id = CCommand::Transfer, .text = QT_TRANSLATE_NOOP("commands", "T&ransfer Page"), .icon = "transfer", .keys = {key(Qt::CTRL | Qt::Key_T)},
           .status = kTransferStatus, .menu = CMenuPlace::View, .menuGroup = 1, .toolbarGroup = 1,
           .run = [this] { m_frame.dataView()->sheet()->bringToFront(CDataPropSheet::TransferTab); }});
    t.add({.id = CCommand::StatsTab, .text = QT_TRANSLATE_NOOP("commands", "St&ats Page"), .keys = {key(Qt::CTRL | Qt::Key_E)},
           .status = kExportStatus, .menu = CMenuPlace::View, .menuGroup = 1,
           .run = [this] { m_frame.dataView()->sheet()->bringToFront(CDataPropSheet::StatsTab); }});
    t.add({.id = CCommand::NextPane, .text = QT_TRANSLATE_NOOP("commands", "&Next Pane"), .keys = {key(Qt::Key_F6)}, .status = kNextPaneStatus,
           .menu = CMenuPlace::View, .menuGroup = 2, .run = [this] { m_frame.moveFocus(1); }});
    t.add({.id = CCommand::PreviousPane, .text = QT_TRANSLATE_NOOP("commands", "Pre&vious Pane"), .keys = {key(Qt::SHIFT | Qt::Key_F6)},
           .status = kPreviousPaneStatus, .menu = CMenuPlace::View, .menuGroup = 2, .run = [this] { m_frame.moveFocus(-1); }});
    t.add({.id = CCommand::History, .text = kHistoryMenu, .menu = CMenuPlace::View, .menuGroup = 3,
           .run = [this] { showHistory(); }});
    // Check Database... and Changes join their groups last.
    m_bulkEdit.addReviewCommands(t);
    t.add({.id = CCommand::HelpTopics, .text = QT_TRANSLATE_NOOP("commands", "&Help Topics..."), .menu = CMenuPlace::Help,
           .run = [this] { showHelp(QStringLiteral("index.html")); }});
    t.add({.id = CCommand::Keyboard, .text = QT_TRANSLATE_NOOP("commands", "&Keyboard"), .status = kKeyboardStatus, .menu = CMenuPlace::Help,
           .run = [this] { showHelp(QStringLiteral("keys.html")); }});
    t.add({.id = CCommand::About, .text = QT_TRANSLATE_NOOP("commands", "&About Obrix..."), .icon = "about",
                            .status = kAboutStatus,
                            .menu = CMenuPlace::Help, .toolbarGroup = 5,
                            .run = [this] { CAboutBox::showAbout(m_app, &m_frame); }});
    nameUndoSteps();
}

void CFrameCommands::stepThrough(QUndoStack* history, bool back)
{
    const QString name = back ? history->undoText() : history->redoText();
    if (back) history->undo();
    else history->redo();
    if (!name.isEmpty())
        m_frame.setStatusText(historytexts::text(back ? historytexts::kUndone : historytexts::kRedone).arg(name));
}

void CFrameCommands::sayStepTaken(int stepsBefore, const QString& statusBefore)
{
    // What the command said itself (a move, a league left odd) stands; otherwise the step.
    const QUndoStack* history = m_app.document().history();
    auto* status = qobject_cast<CFrameStatusBar*>(m_frame.statusBar());
    if (history->index() <= stepsBefore || (status && status->message() != statusBefore)) return;
    m_frame.setStatusText(historytexts::text(historytexts::kDone).arg(history->text(history->index() - 1)));
}

void CFrameCommands::nameUndoSteps()
{
    QUndoStack* history = m_app.document().history();
    QAction* undo = m_table->action(CCommand::Undo);
    QAction* redo = m_table->action(CCommand::Redo);
    const QString u = history->undoText(), r = history->redoText();
    // "&Undo %1" whole, so that a translation may put the step's name where its language wants it.
    const auto named = [](const char* bare, const char* withName, const QString& step) {
        return step.isEmpty() ? QCoreApplication::translate(kCommandsContext, bare)
                              : QCoreApplication::translate(kCommandsContext, withName).arg(step);
    };
    undo->setText(named(frametexts::kUndoMenu, frametexts::kUndoNamed, u));
    redo->setText(named(frametexts::kRedoMenu, frametexts::kRedoNamed, r));
    static const QRegularExpression accessKey(QStringLiteral("\\(&[^)]\\)|&"));
    undo->setToolTip(undo->text().remove(accessKey));
    redo->setToolTip(redo->text().remove(accessKey));
    m_frame.updateCommands();
}

void CFrameCommands::saveData()
{
    if (!m_frame.dataView()->sheet()->commitPendingEdits()) return;
    if (!m_app.document().isModified()) return;
    // What the save or the game would stumble on is listed in full before anything is
    // asked, rather than refused with one line after.
    if (!m_bulkEdit.checkBeforeSave())
    {
        m_frame.updateCommands();
        return;
    }
    if (!m_app.prompts().askYesNo(withFoldNotes(withImportedLeagueNote(catalogueUtf8("frametexts", frametexts::kSaveWarning), m_app.db()), m_app.db()),
                                  CPrompts::CIcon::Warning))
        return;
    {
        const CWaitCursor wait;
        m_frame.setStatusText(catalogueText("frametexts", frametexts::kSavingData));
        const int records = modifiedRecords(m_app.db());
        // Said only when the files took it: a save held back or failed leaves the data
        // modified, and one given up for a reload leaves it unmodified with nothing saved.
        const bool saved = m_app.saveToGame() && !m_app.document().isModified();
        m_bulkEdit.filesChanged();
        const QString folder = QDir::toNativeSeparators(QString::fromStdString(m_app.settings().gameFolder));
        m_frame.setStatusText(saved ? catalogueText("frametexts", frametexts::kSaved, records).arg(folder)
                                    : catalogueText("frametexts", frametexts::kNotSaved));
    }
    m_frame.updateCommands();
}

void CFrameCommands::copy()
{
    if (m_frame.focusedPane() == CMainFrame::TreePane) m_frame.groupView()->copy();
    else if (m_frame.focusedPane() == CMainFrame::RosterPane && m_frame.rosterView()->canCopy())
    {
        m_frame.rosterView()->copy();
        m_app.document().clipboardCutFrom = 0;
    }
    m_frame.updateCommands();
}

bool CFrameCommands::canPaste() const
{
    const bool tree = m_frame.focusedPane() == CMainFrame::TreePane, roster = m_frame.focusedPane() == CMainFrame::RosterPane;
    const bool pasteCut = m_moves.cutPending() && m_frame.groupView()->teamSelected();
    if (tree) return m_frame.groupView()->canPaste() || pasteCut;
    if (roster) return m_frame.rosterView()->canPaste() || pasteCut;
    const CLeagueTree* sheetTree = m_frame.focusedSheetTree();
    return m_moves.cutPending() && sheetTree && sheetTree->isTeam(sheetTree->selectedNode());
}

void CFrameCommands::paste()
{
    // A cut player moves; the team is the tree's, whichever pane has the focus.
    CLeagueTree* sheetTree = m_frame.focusedSheetTree();
    const uint32_t cutPlayer = m_moves.cutPending() ? m_app.document().clipboardPlayer.id : 0;
    bool moved = false;
    if (m_moves.cutPending() && sheetTree)
    {
        if (sheetTree->isTeam(sheetTree->selectedNode())) moved = m_moves.pasteCut(sheetTree->selectedValue());
        else m_app.prompts().message(catalogueUtf8("editingtexts", editingtexts::kPastePlayerOnly), CPrompts::CIcon::Information);
    }
    else if (m_moves.cutPending() && m_frame.focusedPane() != CMainFrame::SheetPane)
    {
        if (m_frame.groupView()->teamSelected()) moved = m_moves.pasteCut(m_frame.groupView()->selectedValue());
        else if (m_frame.focusedPane() == CMainFrame::TreePane)
            m_app.prompts().message(catalogueUtf8("editingtexts", editingtexts::kPastePlayerOnly), CPrompts::CIcon::Information);
    }
    else if (m_frame.focusedPane() == CMainFrame::TreePane) m_frame.groupView()->paste();
    else if (m_frame.focusedPane() == CMainFrame::RosterPane) m_frame.rosterView()->paste();
    // The roster kept its row while its players changed: the one who came is the one the
    // user wants to see, when the roster shows his new team.
    if (moved) m_frame.rosterView()->selectPlayer(cutPlayer);
    m_frame.updateCommands();
}

void CFrameCommands::cut()
{
    if (m_frame.focusedPane() == CMainFrame::RosterPane && m_frame.rosterView()->canCopy())
        m_moves.cut(m_frame.rosterView()->selectedPlayer(), m_frame.rosterView()->teamShown());
    else if (CLeagueTree* tree = m_frame.focusedSheetTree(); tree && tree->isPlayer(tree->selectedNode()))
        m_moves.cut(tree->selectedValue(), tree->parentValue(tree->selectedNode()));
    m_frame.updateCommands();
}

void CFrameCommands::deleteSelected()
{
    if (m_frame.focusedPane() == CMainFrame::TreePane) m_frame.groupView()->deleteSelected();
    else if (m_frame.focusedPane() == CMainFrame::RosterPane) m_frame.rosterView()->deleteSelected();
    m_frame.updateCommands();
}

bool CFrameCommands::canSwap(bool teams) const
{
    // The Transfer page's two selections, while it is in front.
    CDataPropSheet* sheet = m_frame.dataView()->sheet();
    if (sheet->activePage() != CDataPropSheet::TransferTab) return false;
    const CTransferPage* page = sheet->transferPage();
    return teams ? page->canSwapTeams() : page->canSwapPlayers();
}

void CFrameCommands::swap()
{
    m_frame.dataView()->sheet()->transferPage()->transfer();
    m_frame.updateCommands();
}

void CFrameCommands::showHistory()
{
    if (!m_historyWindow)
    {
        auto* view = new QUndoView(m_app.document().history(), &m_frame);
        view->setWindowFlag(Qt::Tool);
        view->setWindowTitle(historytexts::text(historytexts::kHistoryTitle));
        view->setEmptyLabel(historytexts::text(historytexts::kLoaded));
        // The state the files hold carries the save mark, wherever undo and redo have gone.
        view->setCleanIcon(m_frame.style()->standardIcon(QStyle::SP_DialogSaveButton));
        view->setObjectName(QStringLiteral("historyView"));
        view->resize(360, 360);  // room for "Bankroll of <team> 61544 -> 70000"
        m_historyWindow = view;
    }
    m_historyWindow->show();
    m_historyWindow->raise();
}

void CFrameCommands::showHelp(const QString& page)
{
    // The help has no owner: it stays open beside the editor and is closed with the main
    // window. Its keyboard page is made from the command table, so it lists the keys as
    // they are.
    if (!m_helpWindow) m_helpWindow = new CHelpWindow(m_table->keyboardPage(), nullptr);
    CHelpWindow* help = m_helpWindow;
    help->browser()->setSource(helpPageUrl(uiLanguageInEffect(), page));
    help->show();
    help->raise();
    help->activateWindow();
}

void CFrameCommands::makeJerseyThumbnails()
{
    const CWaitCursor wait;
    // The kit pictures of the Team page need our shorts and socks artwork beside the
    // jerseys, so a fresh Jerseys folder is made complete in one go.
    ensureKitArtwork(m_app.jerseysFolder());
    std::vector<std::string> skipped;
    ::makeJerseyThumbnails(pathFromUtf8(m_app.settings().gameFolder), m_app.jerseysFolder(),
                           CFileSystem::unflushed(), &skipped);
    // The lists remember pictures they could not draw; the team on show gets the new ones now.
    for (CPictureListBox* list : m_frame.dataView()->findChildren<CPictureListBox*>()) list->reloadPictures();
    m_frame.setStatusText(catalogueText("frametexts", frametexts::kReady));
    if (!skipped.empty()) m_app.prompts().message(skippedThumbnailsMessage(skipped), CPrompts::CIcon::Warning);
}

void CFrameCommands::find()
{
    CFindDialog dialog(m_lastSearchText, &m_frame);
    if (dialog.exec() != QDialog::Accepted) return;
    m_lastSearchText = dialog.text();
    m_frame.updateCommands();
    runFind();
}

void CFrameCommands::runFind()
{
    const uint32_t playerId = m_frame.groupView()->find(m_lastSearchText.toStdString());
    if (playerId != 0) m_frame.rosterView()->selectPlayer(playerId);
    m_frame.updateCommands();
}

void CFrameCommands::leagueName()
{
    if (!m_frame.groupView()->leagueSelected()) return;
    const QString nodeText = m_frame.groupView()->selectedText();
    if (!leagueNameEditable(nodeText.toStdString(), m_app.prompts())) return;
    const CTextEncoding encoding = encodingForLanguage(m_app.db().languageCode());
    // Leagues the editor keeps for itself never reach the game's files.
    const CLeague* league = m_app.db().league(m_frame.groupView()->selectedValue() - CDatabase::kLeagueNodeBase);
    const std::optional<QString> entered =
        CLeagueNameDialog::ask(&m_frame, nodeText, editingtexts::kLeagueNameTitle,
                               league && !league->editorOnly ? std::optional(encoding) : std::nullopt);
    if (!entered) return;
    const std::size_t position = m_frame.groupView()->selectedValue() - CDatabase::kLeagueNodeBase;
    const std::string name = toDatabaseText(*entered, encoding);
    m_app.document().run(historytexts::step(historytexts::kLeagueName, *entered),
                         [&](CTransaction& tx) { renameLeague(tx, position, name); });
    m_frame.updateCommands();
}

void CFrameCommands::globalModifications()
{
    // The page is emptied while the dialog changes the skills it would show.
    CPlayerPage* playerPage = m_frame.dataView()->sheet()->playerPage();
    if (!m_frame.dataView()->sheet()->commitPendingEdits()) return;
    playerPage->clearPage();
    std::string summary;
    if (CGlobalModificationsDialog::run(m_app, &m_frame, &summary))
    {
        if (!summary.empty()) m_frame.setStatusText(QString::fromStdString(summary));
        const uint32_t current = m_app.document().currentPlayer();
        if (current != 0) playerPage->selectPlayer(current);
    }
    m_frame.updateCommands();
}

void CFrameCommands::rememberCurrentTeam()
{
    if (m_app.document().currentTeam() == 0) return;
    const uint32_t team = rememberTeam(m_app.db(), m_app.document().currentTeam(),
                                       encodingForLanguage(m_app.db().languageCode()), m_app.prompts());
    if (team != 0) m_rememberedTeam = team;
    m_frame.updateCommands();
}

void CFrameCommands::applyRememberedTeam()
{
    CDocument& doc = m_app.document();
    if (m_rememberedTeam == 0 || doc.currentTeam() == 0) return;
    const uint32_t currentTeam = doc.currentTeam();
    doc.run(historytexts::step(historytexts::kApplyRememberedTeam),
            [&](CTransaction& tx) { ::applyRememberedTeam(tx, m_rememberedTeam, currentTeam); });
    m_frame.updateCommands();
}
