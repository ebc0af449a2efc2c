#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <vector>

class QAction;
class QMenuBar;
class QToolBar;
class QWidget;

// Every command of the main window, whether it sits in a menu, on the toolbar or only
// behind a key.
enum class CCommand
{
    SaveData,
    Import,
    GlvImport,
    Export,
    ImportTable,
    ExportTable,
    Restore,
    MakeThumbnails,
    Exit,
    Undo,
    Redo,
    Cut,
    Copy,
    Paste,
    Delete,
    Clone,
    Find,
    FindAgain,
    GlobalModifications,
    CheckDatabase,
    NewLeague,
    LeagueName,
    SwapTeams,
    SwapPlayers,
    RememberTeam,
    ApplyRememberedTeam,
    Preferences,
    ToggleToolbar,
    ToggleStatusBar,
    Transfer,
    StatsTab,
    NextPane,
    PreviousPane,
    History,
    Changes,
    HelpTopics,
    Keyboard,
    About,
    Count
};

enum class CMenuPlace
{
    None,  // behind its keys only
    File,
    Edit,
    View,
    Help,
};

// The translation context of every text a row holds (menu text, status text) and of the
// menu titles: mark them QT_TRANSLATE_NOOP("commands", ...); the table looks them up.
inline constexpr const char* kCommandsContext = "commands";

// One command: what it is called and where it sits, when it may run and what it does.
struct CCommandRow
{
    CCommand id = CCommand::Count;
    const char* text = "";             // the menu text, "&" before the access key (untranslated)
    const char* icon = nullptr;        // a name of appIcon(), for the toolbar and menu
    QList<QKeySequence> keys{};        // the first is the one the menu shows
    const char* status = nullptr;      // the status line; after a line break, the tool tip (untranslated)
    CMenuPlace menu = CMenuPlace::None;
    int menuGroup = 0;                 // a separator stands between two groups of a menu
    int toolbarGroup = -1;             // -1: not on the toolbar
    std::function<bool()> enabled{};   // none: always
    std::function<void()> run{};       // none: the owner connects to the action itself
    bool commitsFirst = true;          // what the pages' boxes hold is stored before run
    bool checkable = false;
};

// The command table: rows in the order they are added (which is their order within a
// menu group and a toolbar group). Menus, toolbar, keys and the keyboard help page are all
// made from it.
class CCommandTable : public QObject
{
    Q_OBJECT

public:
    // window: where the actions live, so that keys work with menus and toolbar hidden.
    // commitPendingEdits: run before every command whose row says so.
    CCommandTable(QWidget& window, std::function<bool()> commitPendingEdits);

    QAction* add(CCommandRow row);
    // Runs every command's run function (given the command's id); set before the rows are
    // added. Without one, the function is called as it is.
    using CRunner = std::function<void(CCommand, const std::function<void()>&)>;
    void setRunner(CRunner runner) { m_runner = std::move(runner); }
    QAction* action(CCommand id) const;
    const std::vector<CCommandRow>& rows() const { return m_rows; }
    // The command a key starts, or Count when it starts none.
    CCommand commandForKey(const QKeySequence& key) const;

    void fillMenus(QMenuBar& bar) const;
    void fillToolBar(QToolBar& bar) const;
    // Each command enabled by its rule, as things stand now.
    void updateEnabled() const;
    // The keyboard page of the help: every key of every command in the menus, in menu order.
    QString keyboardPage() const;

private:
    // A menu's rows, group by group, in the order they were added within a group.
    std::vector<const CCommandRow*> menuRows(CMenuPlace place) const;

    QWidget& m_window;
    std::function<bool()> m_commitPendingEdits;
    CRunner m_runner;
    std::vector<CCommandRow> m_rows;
    std::array<QAction*, static_cast<std::size_t>(CCommand::Count)> m_actions{};
};
