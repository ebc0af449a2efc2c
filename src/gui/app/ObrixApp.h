#pragma once

#include "app/Document.h"
#include "app/WindowServices.h"
#include "database/Database.h"
#include "database/GameFiles.h"
#include "database/GameFileFingerprints.h"
#include "settings/GameRegistration.h"
#include "settings/GameSettings.h"
#include "settings/Prompts.h"
#include "settings/SettingsStore.h"
#include "settings/WindowLayout.h"

#include <QMainWindow>
#include <QObject>
#include <QPointer>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class CFolderLock;
class CKeptLeagues;
class QMainWindow;
class CSplashWindow;

// The fixed texts of start-up, reload and exit, translated under "apptexts"; %1, %2 and %3
// are filled with QString::arg.
namespace apptexts
{
inline constexpr const char* kLoadingPlayers = QT_TRANSLATE_NOOP(
    "apptexts", "Loading Player Data...");
inline constexpr const char* kLoadingTeams = QT_TRANSLATE_NOOP(
    "apptexts", "Loading Team Data...");
inline constexpr const char* kLoadingLeagues = QT_TRANSLATE_NOOP(
    "apptexts", "Loading League Data...");
inline constexpr const char* kReadingPlayers = QT_TRANSLATE_NOOP(
    "apptexts", "Reading Player Data...");
inline constexpr const char* kReadingTeams = QT_TRANSLATE_NOOP(
    "apptexts", "Reading Team Data...");
inline constexpr const char* kReadingLeagues = QT_TRANSLATE_NOOP(
    "apptexts", "Reading League Data...");
inline constexpr const char* kReady = QT_TRANSLATE_NOOP(
    "apptexts", "Ready");
inline constexpr const char* kCannotReadPlayers = QT_TRANSLATE_NOOP(
    "apptexts", "Cannot read player data.");
inline constexpr const char* kCannotReadTeams = QT_TRANSLATE_NOOP(
    "apptexts", "Cannot read team data.");
inline constexpr const char* kCannotReadLeagues = QT_TRANSLATE_NOOP(
    "apptexts", "Cannot read league data.");
inline constexpr const char* kUnreadableAtStart = QT_TRANSLATE_NOOP(
    "apptexts", "%1 The Golvar database in %2 cannot be read:\n%3");
inline constexpr const char* kWayBackWithBackup = QT_TRANSLATE_NOOP(
    "apptexts", "“Restore Backup” puts back the game's files as they were backed up on %1. “Choose Another Folder” opens a "
    "different Golvar folder.");
inline constexpr const char* kWayBackWithoutBackup = QT_TRANSLATE_NOOP(
    "apptexts", "There is no usable backup of this folder to restore. “Choose Another Folder” opens a different Golvar folder.");
inline constexpr const char* kRestoreBackup = QT_TRANSLATE_NOOP(
    "apptexts", "Restore Backup");
inline constexpr const char* kChooseAnotherFolder = QT_TRANSLATE_NOOP(
    "apptexts", "Choose Another Folder");
inline constexpr const char* kQuit = QT_TRANSLATE_NOOP(
    "apptexts", "Quit");
inline constexpr const char* kSaveBeforeSwitch = QT_TRANSLATE_NOOP(
    "apptexts", "You have made modifications to the data of %1. Do you want to save them there before Obrix opens %2?");
inline constexpr const char* kCannotOpenFolder = QT_TRANSLATE_NOOP(
    "apptexts", "The Golvar database in %1 cannot be read: %2\nObrix goes on with the database of %3.");
inline constexpr const char* kSaveBeforeExit = QT_TRANSLATE_NOOP(
    "apptexts", "You have made modifications to the data. Do you want to save the changes before exiting Obrix?");
inline constexpr const char* kChangedByAnotherProgram = QT_TRANSLATE_NOOP(
    "apptexts", "The game's files were changed by another program since Obrix read them (%1).\n\n"
    "“Reload” reads them again and drops your changes. “Save Over Them” replaces what the other program saved "
    "with the data shown here.");
inline constexpr const char* kReload = QT_TRANSLATE_NOOP(
    "apptexts", "Reload");
inline constexpr const char* kSaveOverThem = QT_TRANSLATE_NOOP(
    "apptexts", "Save Over Them");
inline constexpr const char* kCancel = QT_TRANSLATE_NOOP(
    "apptexts", "Cancel");
inline constexpr const char* kReloadDropsChanges = QT_TRANSLATE_NOOP(
    "apptexts", "Every change you made since the data was last read or saved will be lost. Reload the game's files?");
inline constexpr const char* kUnreadableAgain = QT_TRANSLATE_NOOP(
    "apptexts", "%1 The Golvar database in %2 cannot be read again:\n%3\n\nObrix keeps the data it shows, your changes "
    "included.");
inline constexpr const char* kWayBackInWindowWithBackup = QT_TRANSLATE_NOOP(
    "apptexts", "Keep Current Data goes on with the data shown, which Save Data can write back over the game's files. "
    "Restore Backup puts back the game's files as they were backed up on %1. Choose Another Folder opens a different "
    "Golvar folder.");
inline constexpr const char* kWayBackInWindowWithoutBackup = QT_TRANSLATE_NOOP(
    "apptexts", "Keep Current Data goes on with the data shown, which Save Data can write back over the game's files. "
    "There is no usable backup of this folder to restore. Choose Another Folder opens a different Golvar folder.");
inline constexpr const char* kKeepCurrentData = QT_TRANSLATE_NOOP(
    "apptexts", "Keep Current Data");
inline constexpr const char* kNameLanguageMissing = QT_TRANSLATE_NOOP(
    "apptexts", "The Golvar folder %1 has no names in the language chosen in Preferences (%2 is missing). Obrix shows "
    "the English names for this run; Preferences offers the languages this folder has.");
inline constexpr const char* kFolderInUse = QT_TRANSLATE_NOOP(
    "apptexts", "%1: the game folder is in use by another program. Nothing was saved; please save again once it has finished.");
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
    // The main window, once start() has made it (null before, and after exit).
    QMainWindow* window() const { return m_window.get(); }
    // What views and pages ask of the window: the main window's services, or those of
    // no window while there is none.
    CWindowServices& services() { return m_services ? *m_services : m_noServices; }
    // Says text in the status line.
    void showStatus(const QString& text) { emit statusText(text); }

    // The main window start() makes: set once by the program (and by tests) before start().
    using CWindowMaker = std::function<std::unique_ptr<QMainWindow>(CObrixApp&)>;
    static void setWindowMaker(CWindowMaker maker);

    // The main frame's close request, before it writes the layout: asks about unsaved
    // changes and saves on Yes (a failed save is reported and the exit goes on). False
    // on Cancel, when the check stops the save, and when the save was held back (Cancel at
    // the question about files another program changed, or its save in progress): the
    // window stays open.
    bool confirmClose(const std::function<bool()>& checkBeforeSave = {});
    // The layout the main frame closes with, written to the settings.
    void writeLayout(const CWindowLayout& layout);
    // Where the folder dialog opens when the user is asked to locate the game.
    static std::string folderDialogStart();

    // Saves the database into the game's files. The first save of a run backs the
    // untouched files up first (or asks to go on without a backup when that fails);
    // a failed save is reported. When another program changed the files since they were
    // read, asks first: Reload (after a second question), Save Over Them or Cancel. False
    // when nothing was saved because the user said No, Cancel or Reload, or another
    // program kept the folder.
    bool saveToGame();

    // Writes the imported leagues into the editor's data folder for the next run (they
    // are never in the game's files); a failure is reported.
    void keepImportedLeagues();

    // Copies the backed-up files back after asking, and reloads the database; the views
    // rebuild on the document's reset().
    void restoreBackup();
    // Reloads players, teams and leagues with the status texts of a reload. The modified
    // flag is kept, or cleared when the files are read again over the edits (a restore, a
    // reload in place of a save). A reload that fails keeps the database shown, says why
    // and offers the ways back (keep the data, which is the default; restore the backup
    // and read again; another folder). True when the files were read.
    bool reloadDatabase(bool keepModified = true);
    // Makes folder the game folder of this run (Preferences): a folder whose database
    // cannot be read is refused with the reason; unsaved edits are offered a save into the
    // folder they were read from first; then the new folder's database and kept leagues are
    // loaded, and its first save backs it up. A folder without the names of the run's
    // language is read in English, and the user is told. False when nothing changed.
    bool openGameFolder(const std::string& folder);


signals:
    void statusText(const QString& text);

private:
    bool finishInterruptedCommit();
    enum class CChangedFiles { SaveOver, Reloaded, Cancelled };
    // Before a save, under the folder's lock: the question about files another program
    // changed, when any did. The lock is let go while the user answers.
    CChangedFiles askAboutChangedFiles(CFolderLock& lock);
    // Takes the game folder's lock for a save; false, the user told why, when it cannot be had.
    bool lockForSave(CFolderLock& lock);
    bool loadDatabase(CDatabase& db, bool atStartUp);
    void restoreKeptLeagues(CDatabase& db);
    // After the database could not be read: the reason, and the ways back (restore the
    // backup, another folder; at start Quit, in the window keeping the data shown, which
    // is the default). True to read again, false to quit or keep.
    bool offerWayBack(bool atStartUp);
    // The language whose names are read from the game folder: the chosen one, or English
    // when the folder lacks it, which the user is told once per folder.
    std::string nameLanguageForStart();
    void showStatus(const QString& text, bool atStartUp);
    void closeWindow();

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
    // Why the last load failed and in which language it read, when it did.
    struct CFailedLoad
    {
        CGameFiles::CLoadError error;
        std::string languageCode;
    };
    std::optional<CFailedLoad> m_loadFailure;
    std::string m_languageToldFor;  // the folder whose missing language the user was told of
    // The last save was held back for a reason that passes (Cancel at the question about
    // changed files, another program's save): the exit question then keeps the window open.
    bool m_saveHeldBack = false;
    CGameFileFingerprints m_fingerprints;  // the game's files as last read or saved
    std::unique_ptr<QMainWindow> m_window;
    CWindowServices* m_services = nullptr;  // m_window's, when it provides them
    CNoWindowServices m_noServices;
    QPointer<CSplashWindow> m_splash;  // it deletes itself when it closes
};
