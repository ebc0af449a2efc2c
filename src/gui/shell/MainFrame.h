#pragma once

#include "app/WindowServices.h"
#include "shell/CommandTable.h"

#include <QMainWindow>

#include <cstdint>
#include <memory>

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
class CFrameCommands;
class QAction;
class QSplitter;
class QToolBar;

// The single main window: the three panes, the menus, toolbar and keys made from one
// command table, and the status bar.
class CMainFrame : public QMainWindow, public CWindowServices
{
    Q_OBJECT

public:
    explicit CMainFrame(CObrixApp& app, QWidget* parent = nullptr);
    ~CMainFrame() override;

    using CCommand = ::CCommand;

    CGroupView* groupView() const { return m_groupView; }
    CRosterView* rosterView() const { return m_rosterView; }
    CDataView* dataView() const { return m_dataView; }
    CBulkEditCommands* bulkEdit() const { return m_bulkEdit; }
    CPlayerMoveCommands& playerMoves() const { return *m_moves; }
    const CCommandTable& commands() const;

    void setStatusText(const QString& text);
    QString lastSearchText() const;
    uint32_t rememberedTeam() const;

    QAction* commandAction(CCommand command) const { return commands().action(command); }
    CCommand commandForKey(const QKeySequence& key) const { return commands().commandForKey(key); }
    // Enables each command by its rule for the focus and state of this moment.
    void updateCommands();

    QSplitter* rowSplitter() const { return m_rows; }
    QSplitter* columnSplitter() const { return m_columns; }
    QToolBar* toolBar() const { return m_toolBar; }
    enum CPane
    {
        TreePane = 0,
        SheetPane = 1,
        RosterPane = 2,
    };
    // The pane that commands are routed to.
    int focusedPane() const { return m_focusedPane; }
    // The tree of the data sheet (the Transfer page's) that has the keyboard focus, if any:
    // Cut and Paste of players work on its player and team nodes too.
    CLeagueTree* focusedSheetTree() const;
    // F6 and Shift+F6: the next or previous pane takes the focus.
    void moveFocus(int step);

    // What the views and pages ask of the window.
    void showStatus(const QString& text) override { setStatusText(text); }
    bool commitPendingEdits() override;
    bool checkBeforeSave() override;
    bool canDropPlayer(uint32_t playerId, uint32_t fromTeam, uint32_t toTeam, bool copying) override;
    bool dropPlayer(uint32_t playerId, uint32_t fromTeam, uint32_t toTeam, bool copying) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createToolBar();
    void connectPanes();
    void applyPaneSizes();

    void onDocumentChanged(const CChange& change);
    void onDocumentReset();
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
    CFrameCommands* m_commands = nullptr;
    int m_focusedPane = TreePane;
    bool m_updatePending = false;
    bool m_paneSizesApplied = false;
    CExchangeCommands* m_exchange = nullptr;
    CBulkEditCommands* m_bulkEdit = nullptr;
    std::unique_ptr<CPlayerMoveCommands> m_moves;
    CPaneRoom* m_paneRoom = nullptr;
};

// Makes CMainFrame the window the application starts with.
void useMainFrame();
// The application's main window, when it is a CMainFrame.
CMainFrame* mainFrameOf(const CObrixApp& app);
