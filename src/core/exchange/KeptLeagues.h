#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class CDatabase;
class CTransaction;
class CPrompts;

namespace keptleaguetexts
{
inline constexpr const char* kImportedLeagueNote =
    "Imported leagues are kept by Obrix, not in the Golvar data files: they come back the next time\n"
    "Obrix starts. To put their teams into the game, paste them into a game league, or use\n"
    "File/Export to share the league.";
inline constexpr const char* kImportedLeagueTip =
    "Imported league: kept by Obrix, not in the Golvar data files.\n"
    "To put its teams into the game, paste them into a game league, or export it with File/Export.";
inline constexpr const char* kRemoveQuestion =
    "Remove the imported league %s from Obrix? Its teams and its edits will be gone, "
    "and it will not come back at the next start.";
inline constexpr const char* kKeepFailed = "The imported leagues could not be kept in %s: %s";
inline constexpr const char* kUnreadable =
    "The kept league %s could not be imported again. Its files were moved to\n%s\n"
    "where File/Import can try them again.";
inline constexpr const char* kNameFile = "LEAGUE.TXT";
} // namespace keptleaguetexts

// Imported leagues live in the editor, never in the game's files, so they are kept
// between runs in the editor's data folder: below "LEAGUES", a folder per game folder
// (named as its backup folder is), and in it one exchange set per league, numbered in
// league order, with the league's name beside it. The whole set is written anew each
// time and swapped in by renames, so a failed or interrupted write leaves the last set.
class CKeptLeagues
{
public:
    CKeptLeagues(const std::filesystem::path& dataFolder, const std::filesystem::path& gameFolder);

    std::filesystem::path folder() const { return m_folder; }

    // Writes every imported league of db that has teams, with its edits, in place of the
    // leagues kept before (none left: the folder goes). The error text when that failed;
    // the leagues kept before are then still there.
    std::optional<std::string> keep(const CDatabase& db) const;

    // Imports the kept leagues into db in their order, marked as imported, leaving db's
    // modified flag as it was. One that cannot be imported is moved out of the way (and
    // the user told where) rather than dropped by the next keep. Returns how many came back.
    std::size_t restore(CTransaction& db, CPrompts& prompts) const;

private:
    std::filesystem::path m_folder;
};

// The save warning, with the note on imported leagues put before its closing question when
// the database holds any.
std::string withImportedLeagueNote(const std::string& warning, const CDatabase& db);

// Takes an imported league out of the database (its records stay, belonging to no
// league, as records of a league never are written to the game). False when the league
// at position is not an imported one.
bool removeImportedLeague(CTransaction& db, std::size_t position);
