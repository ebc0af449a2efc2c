#pragma once

#include "app/Document.h"
#include "database/Database.h"
#include "settings/GameRegistration.h"
#include "settings/GameSettings.h"
#include "settings/Prompts.h"
#include "settings/SettingsStore.h"
#include "settings/WindowLayout.h"

#include <QObject>
#include <QPointer>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

class CKeptLeagues;
class CMainFrame;
class CSplashWindow;

// The fixed texts of start-up, reload and exit.
namespace apptexts
{
inline constexpr const char* kLoadingPlayers = "Loading Player Data...";
inline constexpr const char* kLoadingTeams = "Loading Team Data...";
inline constexpr const char* kLoadingLeagues = "Loading League Data...";
inline constexpr const char* kReadingPlayers = "Reading Player Data...";
inline constexpr const char* kReadingTeams = "Reading Team Data...";
inline constexpr const char* kReadingLeagues = "Reading League Data...";
inline constexpr const char* kReady = "Ready";
inline constexpr const char* kCannotReadPlayers =
    "Cannot read player data. Would you like to locate Golvar folder?";
inline constexpr const char* kCannotReadTeams = "Cannot read team data. Would you like to locate Golvar folder?";
inline constexpr const char* kFolderLocated =
    "Golvar folder has been located. Please re-start Obrix for it to take effect.";
inline constexpr const char* kSaveBeforeExit =
    "You have made modifications to the data. Do you want to save the changes before exiting Obrix?";
} // namespace apptexts

// The application object: owns the database, the settings and the state the whole run
// shares (current team and player, the editor's clipboard), runs start-up and exit.
// Everything that talks to the user goes through the prompts it was given, so tests
// drive it with scripted answers.
class CObrixApp : public QObject
{
    Q_OBJECT

public:
    static constexpr const char* kVersion = "1.1L - Mar 15 1999";
    static constexpr const char* kTitle = "Obrix";

    CObrixApp(CSettingsStore& store, CPrompts& prompts, CGameRegistration& registration,
              std::filesystem::path dataFolder, QObject* parent = nullptr);
    ~CObrixApp() override;

    struct CStartOptions
    {
        std::optional<std::string> gameFolder;  // --game-folder: used for this run without asking
        bool showSplash = true;
        bool showWindow = true;
        int screenWidth = 1024;
        // The screen's free area, which a first start's window fills.
        int freeWidth = 1024;
        int freeHeight = 768;
    };
    // The start-up steps in order; true when the main window is open, false to end.
    bool startUp(const CStartOptions& options);
    // At exit: the language written, the records destroyed.
    void exitInstance();

    // The database, read-only: every change goes through the document.
    const CDatabase& db() const { return m_doc.db(); }
    CDocument& document() { return m_doc; }
    CGameSettings& settings() { return m_settings; }
    CWindowLayout& layout() { return m_layout; }
    CSettingsStore& store() { return m_store; }
    CPrompts& prompts() { return m_prompts; }
    bool backupFlag() const { return m_backupFlag; }
    const std::filesystem::path& dataFolder() const { return m_dataFolder; }
    std::filesystem::path jerseysFolder() const { return m_dataFolder / "Jerseys"; }
    CMainFrame* mainFrame() { return m_mainFrame.get(); }

    // The main frame's close request, before it writes the layout: asks about unsaved
    // changes and saves on Yes (a failed save is reported and the exit goes on). False
    // on Cancel: the window stays open and nothing is written.
    bool confirmClose();
    // The layout the main frame closes with, written to the settings.
    void writeLayout(const CWindowLayout& layout);
    // Where the folder dialog opens when the user is asked to locate the game.
    static std::string folderDialogStart();

    // Saves the database into the game's files. The first save of a run backs the
    // untouched files up first (or asks to go on without a backup when that fails);
    // a failed save is reported. False when nothing was saved because the user said No.
    bool saveToGame();

    // Writes the imported leagues into the editor's data folder for the next run (they
    // are never in the game's files); a failure is reported.
    void keepImportedLeagues();

    // Copies the backed-up files back after asking, and reloads the database; the views
    // rebuild on the document's reset().
    void restoreBackup();
    // Reloads players, teams and leagues with the status texts of a reload.
    bool reloadDatabase();


signals:
    void statusText(const QString& text);

private:
    bool finishInterruptedCommit();
    bool loadDatabase(CDatabase& db, bool atStartUp);
    void restoreKeptLeagues(CDatabase& db);
    bool offerToLocate(const char* question);
    void showStatus(const QString& text, bool atStartUp);

    CSettingsStore& m_store;
    CPrompts& m_prompts;
    CGameRegistration& m_registration;
    std::filesystem::path m_dataFolder;
    CDocument m_doc;
    CGameSettings m_settings;
    CWindowLayout m_layout;
    bool m_backupFlag = false;
    bool m_leaguesRestored = false;  // until then the database holds no kept league to keep
    // The kept leagues read at the last restore: only what it read is replaced by a keep.
    std::unique_ptr<CKeptLeagues> m_keptLeagues;
    bool m_savedThisRun = false;  // the game's files may hold edits: too late for a backup
    bool m_languageRead = false;
    std::unique_ptr<CMainFrame> m_mainFrame;
    QPointer<CSplashWindow> m_splash;  // it deletes itself when it closes
};
