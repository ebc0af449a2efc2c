#pragma once

#include "util/Translatable.h"

#include "settings/GameRegistration.h"
#include "settings/Prompts.h"
#include "settings/SettingsStore.h"

#include <optional>
#include <string>

// The settings the application object keeps for the whole run.
struct CGameSettings
{
    std::string gameFolder;
    std::string commentaryFolder;
    std::string languageCode = "ENG";
};

namespace settingtexts
{
inline constexpr const char* kCannotLocate = QT_TRANSLATE_NOOP("settingtexts", "Cannot locate Golvar directory in the Registry. Do you want to select it yourself?");
inline constexpr const char* kSelectFolderTitle = QT_TRANSLATE_NOOP("settingtexts", "Select Golvar directory");
// Where the folder dialog starts on Windows; elsewhere the caller passes the home folder.
inline constexpr const char* kDefaultStartFolder = "C:\\";
} // namespace settingtexts

namespace settingnames
{
inline constexpr const char* kPath = "Path";
// Written at discovery with a space, read at start-up without one: two different values,
// and a hand-set "CommentaryPath" is how a user moves the commentary elsewhere.
inline constexpr const char* kCommentaryPathWritten = "Commentary Path";
inline constexpr const char* kCommentaryPathRead = "CommentaryPath";
inline constexpr const char* kLanguage = "Language";
inline constexpr const char* kBackup = "Backup";
} // namespace settingnames

// The language code has always been read into a 40-byte buffer, terminator included; a
// longer value cannot be read and gives the default like a missing one.
inline constexpr std::size_t kLanguageBufferBytes = 40;

// The commentary folder derived from a game folder: "<folder>\Audio\Plrs". On Linux the
// separator is '/', and "Audio/Plrs" keeps the case the game's own path has, since the
// speech files are looked up through case-insensitive path resolution anyway. The game
// folder is used as given, so a root such as "C:\" gives "C:\\Audio\Plrs", which both
// systems read as the same folder.
std::string commentaryFolderFor(const std::string& gameFolder);

// Finds the game folder on start-up: the editor's saved "Path" (with "CommentaryPath"),
// else the game's own registration, else the user's choice after a question. Fills
// gameFolder and commentaryFolder; false when start-up must stop.
bool discoverGameFolder(CGameSettings& settings, CSettingsStore& store, CPrompts& prompts,
                        CGameRegistration& registration,
                        const std::string& startFolder = settingtexts::kDefaultStartFolder);

// The game folder found without asking or saving anything, for command-line tools: the
// saved "Path" as discovery would use it, else the game's registration (which discovery
// would only fall back on after a question when the editor's key exists).
std::optional<std::string> locateGameFolderQuietly(CSettingsStore& store, CGameRegistration& registration);

// Shows the folder dialog; a chosen folder becomes gameFolder and is saved as "Path"
// (a failed write is ignored). The commentary folder is left alone. False on cancel.
bool chooseGameFolder(CGameSettings& settings, CSettingsStore& store, CPrompts& prompts,
                      const std::string& startFolder = settingtexts::kDefaultStartFolder);

// "Language" at start-up: "ENG" when missing, empty or unreadable.
void readLanguage(CGameSettings& settings, CSettingsStore& store);
// "Language" at exit; a failed write is ignored.
void writeLanguage(const CGameSettings& settings, CSettingsStore& store);
