#pragma once

#include <QMainWindow>

#include <array>
#include <memory>
#include <cstdint>

class CObrixApp;
class CLeagueTree;
class CChange;
class CGroupView;
class CRosterView;
class CDataView;
class CFrameStatusBar;
class CExchangeCommands;
class CBulkEditCommands;
class CPaneRoom;
class CPlayerMoveCommands;
class QAction;
class QSplitter;
class QToolBar;

// The single main window: the three panes, menu, toolbar, status bar, shortcuts, and
// the commands that act on them.
class CMainFrame : public QMainWindow
{
    Q_OBJECT

public:
    explicit CMainFrame(CObrixApp& app, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CGroupView* groupView() const;
    CRosterView* rosterView() const;
    CDataView* dataView() const;
    CBulkEditCommands* bulkEdit() const { return m_bulkEdit; }
    CPlayerMoveCommands& playerMoves() const { return *m_moves; }

    // Show team in roster, and select player on the Player page.
    void showTeamInRoster(uint32_t teamId);
    void selectPlayer(uint32_t playerId);
    // The roster cleared (with the Player page) and the league tree refreshed.
    void setStatusText(const QString& text);

    QString lastSearchText() const;
    uint32_t rememberedTeam() const;

    // Every command of the window, whether it sits in a menu, on the toolbar or only
    // behind a key.
    enum class CCommand
    {
        SaveData,
        Import,
        GlvImport,
        Export,
        MakeThumbnails,
        Restore,
        Exit,
        Copy,
        Paste,
        Delete,
        Cut,
        Undo,
        Redo,
        History,
        Clone,
        NewLeague,
        Find,
        FindAgain,
        GlobalModifications,
        LeagueName,
        Preferences,
        Transfer,
        StatsTab,
        RememberTeam,
        ApplyRememberedTeam,
        NextPane,
        PreviousPane,
        ToggleToolbar,
        ToggleStatusBar,
        HelpTopics,
        About,
        Count
    };
    // The action of a command; a key bound to a command whose menu text shows no key
    // is carried by a second, hidden action that forwards to this one.
    QAction* commandAction(CCommand command) const;
    // The command a key starts, or Count when the key starts none.
    CCommand commandForKey(const QKeySequence& key) const;
    // Enables each command by its rule for the focus and state of this moment.
    void updateCommands();

    QSplitter* rowSplitter() const { return m_rows; }
    QSplitter* columnSplitter() const { return m_columns; }
    QToolBar* toolBar() const { return m_toolBar; }
    // The pane that commands are routed to: 0 league tree, 1 data sheet, 2 roster.
    int focusedPane() const { return m_focusedPane; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The tree of the data sheet (the Transfer page's) that has the keyboard focus, if any:
    // Cut and Paste of players work on its player and team nodes too.
    CLeagueTree* focusedSheetTree() const;
    enum CPane
    {
        TreePane = 0,
        SheetPane = 1,
        RosterPane = 2,
    };

    void createActions();
    void createMenus();
    void createToolBar();
    void connectPanes();
    void applyPaneSizes();
    QAction* makeAction(CCommand command, const QString& text, const char* icon = nullptr,
                        const char* statusText = nullptr);
    void bindKeys(CCommand command, const QList<QKeySequence>& keys, bool shownInMenu);

    void saveData();
    // Every view follows the document: a change in place, a new database from scratch.
    void onDocumentChanged(const CChange& change);
    void onDocumentReset();
    void showHistory();
    void makeJerseyThumbnails();
    void find();
    void findAgain();
    void runFind();
    void leagueName();
    void globalModifications();
    void rememberCurrentTeam();
    void applyRememberedTeam();
    void preferences();
    void helpTopics();
    void about();
    void moveFocus(int step);
    void focusPane(int pane);
    void onFocusChanged(QWidget* old, QWidget* now);
    void scheduleUpdate();

    CObrixApp& m_app;
    QSplitter* m_rows = nullptr;
    QSplitter* m_columns = nullptr;
    CGroupView* m_groupView = nullptr;
    CRosterView* m_rosterView = nullptr;
    CDataView* m_dataView = nullptr;
    QToolBar* m_toolBar = nullptr;
    CFrameStatusBar* m_statusBar = nullptr;
    std::array<QAction*, static_cast<std::size_t>(CCommand::Count)> m_actions{};
    QString m_lastSearchText;
    uint32_t m_rememberedTeam = 0;
    int m_focusedPane = TreePane;
    bool m_updatePending = false;
    bool m_paneSizesApplied = false;
    QWidget* m_helpWindow = nullptr;
    QWidget* m_historyWindow = nullptr;
    CExchangeCommands* m_exchange = nullptr;
    CBulkEditCommands* m_bulkEdit = nullptr;
    std::unique_ptr<CPlayerMoveCommands> m_moves;
    CPaneRoom* m_paneRoom = nullptr;
};
