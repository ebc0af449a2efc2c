#pragma once

#include "util/Translatable.h"

#include "database/Change.h"
#include "database/Database.h"
#include "util/FileCommit.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The game's database files below the game folder, as the game names them.
namespace gamepaths
{
inline constexpr const char* kDatabaseFile = "\\DATA\\CMN\\FE\\FCDB.DBI";
inline constexpr const char* kSpeechIndexFile = "\\DATA\\AUDIO\\SPEECH\\PLAYERS.OFF";
inline constexpr const char* kLanguageCodes[] = {"BRP", "DUT", "ENG", "GER", "ITA", "JAP", "SPA", "SWE"};
// "\DATA\CMN\FE\FCDB_%s.DBI"
std::string nameFilePath(const std::string& languageCode);
// FCDBPJAP.DBI for "JAP", else FCDBPENG.DBI
std::string playerNameFilePath(const std::string& languageCode);
} // namespace gamepaths

// Fixed texts of loading and saving.
namespace gametexts
{
inline constexpr const char* kReadBackDiffers = QT_TRANSLATE_NOOP("gametexts", "The save was refused and nothing was written: read back, %1 %2 would have %3 %4 in the files, where the "
    "editor holds %5.");
inline constexpr const char* kReadBackUnreadable = QT_TRANSLATE_NOOP("gametexts", "The save was refused and nothing was written: the files it built could not be read back (%1).");
inline constexpr const char* kReadBackCount = QT_TRANSLATE_NOOP("gametexts", "The save was refused and nothing was written: it meant to write %1 players and %2 teams, and read back %3 "
    "and %4.");
inline constexpr const char* kNotReadWhole = QT_TRANSLATE_NOOP("gametexts", "The save was refused and nothing was written: the data in the editor was not read whole from the game's files in %1, and "
    "saving it would replace them with less than they hold.");
inline constexpr const char* kReadFromElsewhere = QT_TRANSLATE_NOOP("gametexts", "The save was refused and nothing was written: the data in the editor was read from %1, not from %2.");
inline constexpr const char* kTeamDataError = QT_TRANSLATE_NOOP("gametexts", "Error writing to Team Data File.");
inline constexpr const char* kTeamNameError = QT_TRANSLATE_NOOP("gametexts", "Error writing to Team Name File.");
inline constexpr const char* kPlayerDataError = QT_TRANSLATE_NOOP("gametexts", "Error writing to Player Data File.");
inline constexpr const char* kPlayerNameError = QT_TRANSLATE_NOOP("gametexts", "Error writing to Player Name File.");
} // namespace gametexts

// Format readers over bytes. Each fills the database or returns the reason the bytes
// are unreadable (the caller adds which file); nothing is added to the database on
// failure. The loaders run in the order players, teams, leagues.
namespace gameformat
{
struct CFormatError
{
    bool inNameFile;      // false: FCDB.DBI is at fault
    std::string message;  // what is wrong, with the offset
};
std::optional<CFormatError> loadPlayers(CDatabase& db, std::span<const uint8_t> database,
                                        std::span<const uint8_t> playerNames);
std::optional<CFormatError> loadTeams(CDatabase& db, std::span<const uint8_t> database,
                                      std::span<const uint8_t> names);
std::optional<CFormatError> loadLeagues(CDatabase& db, std::span<const uint8_t> database,
                                        std::span<const uint8_t> names);

// The three loaders over the three files' bytes in their order, stopping at the first
// failure: "FILE: what is wrong" naming the file at fault.
std::optional<std::string> loadFromBytes(CDatabase& db, std::span<const uint8_t> database,
                                         std::span<const uint8_t> names, std::span<const uint8_t> playerNames);

// What a save writes, built in memory.
struct CSaveImage
{
    std::vector<uint8_t> database;
    std::vector<uint8_t> names;
    std::vector<uint8_t> playerNames;
};

// Checks that the database can be written at all (recordlimits::saveBlockers, the same
// answer the check gives). Returns the message.
std::optional<std::string> checkWritable(const CDatabase& db);

// Reads the save's bytes back with the loaders and compares the records with meant (the
// savedState of buildSave), field by field, leaving out the editor's bookkeeping. The
// first difference, named by record and field, when they differ.
std::optional<std::string> verifySave(const CDatabase& meant, const CSaveImage& image);

// The save's bytes, built from a const database: the merge of moved, copied and imported
// players and the cleared marks happen on a copy, handed back in savedState (when given)
// for the caller to apply once the files are committed.
CSaveImage buildSave(const CDatabase& db, std::span<const uint8_t> currentDatabase,
                     std::span<const uint8_t> currentNames, CDatabase* savedState = nullptr);

// An imported player the save writes over a game player, which the format makes it do: the
// files have no record for him, so a game player (the one whose id is his id's low 16 bits,
// or the team's player leaving for his team) takes his values and keeps its own id.
struct CFold
{
    uint32_t importedId = 0;
    uint32_t hostId = 0;  // the game player written over
    uint32_t teamId = 0;  // the game team that takes the imported player
};
// What the next save does with the lists: its folds in the order it makes them, and each
// game team's players as it writes them (ascending team id).
struct CSavePlan
{
    std::vector<CFold> folds;
    std::vector<std::pair<uint32_t, std::vector<uint32_t>>> lists;
};
CSavePlan planSave(const CDatabase& db);

// After a committed save: the records and marks as the save left them (savedState of
// buildSave or CGameFiles::save), written through the gate, the modified flag cleared.
void applySavedState(CTransaction& tx, const CDatabase& savedState);
} // namespace gameformat

// Loading from and saving to a game folder.
class CGameFiles
{
public:
    explicit CGameFiles(std::filesystem::path gameFolder, CFileSystem& fs = CFileSystem::real());

    const std::filesystem::path& gameFolder() const { return m_folder; }
    // A game path ("\DATA\CMN\FE\FCDB.DBI") below the game folder, found without regard
    // to case.
    std::filesystem::path resolve(const std::string& gamePath) const;

    enum class CLoadStep { Players, Teams, Leagues };
    struct CLoadError
    {
        CLoadStep step;
        std::string message;  // names the file and what is wrong with it
    };
    // The three loaders; each adds nothing on failure.
    std::optional<CLoadError> loadPlayers(CDatabase& db) const;
    std::optional<CLoadError> loadTeams(CDatabase& db) const;
    std::optional<CLoadError> loadLeagues(CDatabase& db) const;
    // The folder that holds FCDB.DBI: where the game's files are committed and locked.
    std::filesystem::path databaseFolder() const;
    // Finishes a save, restore or backup of the game's files that was interrupted (see
    // commitFiles); its message is the line to show the user. Every load runs it first.
    // Only under the folder's lock (CFolderLock): while another program holds it, the
    // unfinished set may be that program's save in progress, so it is left alone (Skipped,
    // with a note) once the wait is over.
    CRecovery recoverInterrupted() const;
    // All three in turn, then the spoken names, reading each file once; starting (when
    // given) is told each step before it runs. Stops at the first step that fails; a
    // database read whole records this folder as where it was read from.
    std::optional<CLoadError> loadSteps(CDatabase& db, const std::function<void(CLoadStep)>& starting = {}) const;
    // The same, with an interrupted save finished first (its line put in recoveryNote),
    // and the import generation started over.
    std::optional<CLoadError> loadAll(CDatabase& db, std::string* recoveryNote = nullptr) const;
    // Marks the players the speech index names (how many in marked); a missing file marks
    // nobody. One that cannot be read (something else in its place, more bytes than any
    // index holds) is refused as the other files are, never taken for a missing one.
    std::optional<CLoadError> readSpokenNames(CDatabase& db, int* marked = nullptr) const;

    // Refuses a database that was not read whole from this folder (CDatabase::readFrom):
    // the save's first check.
    std::optional<std::string> checkReadFrom(const CDatabase& db) const;
    // The save step; it never changes db. Only a database read whole from this folder is
    // written (checkReadFrom). It holds the folder's lock while it reads the
    // current files and commits the new ones (a caller may already hold it). On success savedState (when given) holds the
    // database as the save leaves it (lists merged, marks and modified flag cleared), to be
    // applied with gameformat::applySavedState; on failure nothing in the game folder has
    // changed and the message says which file failed.
    std::optional<std::string> save(const CDatabase& db, CDatabase* savedState = nullptr) const;

private:
    template <class Loader>
    std::optional<CLoadError> loadWith(CDatabase& db, CLoadStep step, const std::string& namesFile,
                                       Loader&& loader) const;

    std::filesystem::path m_folder;
    CFileSystem& m_fs;
};
