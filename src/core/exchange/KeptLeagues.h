#pragma once

#include "database/League.h"
#include "database/Player.h"
#include "database/Team.h"
#include "util/Translatable.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

class CDatabase;
class CTransaction;
class CPrompts;

namespace keptleaguetexts
{
inline constexpr const char* kImportedLeagueNote = QT_TRANSLATE_NOOP(
    "keptleaguetexts",
    "Imported leagues are kept by Obrix, not in the Golvar data files: they come back the next time "
    "Obrix starts. To bring their players into the game, move or copy them onto game teams (the Transfer "
    "page, Cut and Paste, or dragging them). The files have no record of their own for such a player: the "
    "save writes him over the game player whose id is the low 16 bits of his, often of another club, who is "
    "then gone; the save's question and the Changes view name each one first. "
    "Use File/Export to share the league.");
inline constexpr const char* kImportedLeagueTip = QT_TRANSLATE_NOOP(
    "keptleaguetexts",
    "Imported league: kept by Obrix, not in the Golvar data files.\n"
    "To bring its players into the game, move or copy them onto game teams: the save writes each over the game "
    "player whose id is the low 16 bits of his (named first); export it with File/Export to share it.");
// %1 the league's name.
inline constexpr const char* kRemoveQuestion = QT_TRANSLATE_NOOP(
    "keptleaguetexts",
    "Remove the imported league %1 from Obrix? Its teams and its edits will be gone, "
    "and it will not come back at the next start.");
inline constexpr const char* kKeepFailed = QT_TRANSLATE_NOOP("keptleaguetexts", "The imported leagues could not be kept in %1: %2");
inline constexpr const char* kUnreadable = QT_TRANSLATE_NOOP("keptleaguetexts", "The kept leagues in %1 could not be read: %2.\n"
    "The file is left as it is; the leagues it holds are not in this run.");
inline constexpr const char* kFolderUnreadable = QT_TRANSLATE_NOOP("keptleaguetexts", "The folder of the kept leagues, %1, could not be read: %2.\n"
    "Nothing in it is changed; the leagues kept there are not in this run.");
inline constexpr const char* kOldSetUnreadable = QT_TRANSLATE_NOOP("keptleaguetexts", "The kept league %1 (kept by an earlier version of Obrix in %2) could not be read again.\n"
    "Its files are left as they are, where File/Import can try them again.");
inline constexpr const char* kKeptElsewhere = QT_TRANSLATE_NOOP("keptleaguetexts", "The imported leagues were kept in %1, because %2 was not read in this run and is left as it is.");
// The reason given in kKeepFailed.
inline constexpr const char* kInUse = QT_TRANSLATE_NOOP("keptleaguetexts", "another program is keeping leagues there and did not finish in time; nothing there was changed");
inline constexpr const char* kFileName = "KEPT.OBK";
inline constexpr const char* kFileStem = "KEPT";
inline constexpr const char* kFileExtension = ".OBK";
inline constexpr const char* kNameFile = "LEAGUE.TXT";
} // namespace keptleaguetexts

// Imported leagues live in the editor, never in the game's files, so they are kept
// between runs in the editor's data folder: below "LEAGUES", a folder per game folder
// (named as its backup folder is), and in it one file, KEPT.OBK, holding every kept
// league with its teams and players exactly as the document holds them (see the format
// in KeptLeagues.cpp). The file is replaced through the file layer's commit, so a failed
// or interrupted keep leaves the last one whole.
//
// Several programs may keep leagues for one game folder (the window, obrix-cli). Each
// kept league carries a key of its own, and a keep runs under the folder's lock and reads
// the kept files again first: a league whose key this object never read is another
// program's and is written along with this object's own, so nothing kept elsewhere is
// lost and no league is listed twice. A kept file that cannot be read (damaged,
// unreadable) is never replaced, moved or removed: the leagues then go to the next free
// name, KEPT-2.OBK and so on, and every such file is read at the next start. Leagues an
// earlier version kept as numbered exchange sets are imported once, and their folders go
// when the next keep has written them in the new form.
class CKeptLeagues
{
public:
    CKeptLeagues(const std::filesystem::path& dataFolder, const std::filesystem::path& gameFolder);

    std::filesystem::path folder() const { return m_folder; }
    std::filesystem::path file() const { return m_folder / keptleaguetexts::kFileName; }

    // Writes every imported league of db that has teams, with its edits, in place of the
    // leagues kept before that this object read or wrote, together with the leagues other
    // programs kept there meanwhile. A message for the user when
    // there is one: the failure (the leagues kept before are then still there), or where
    // the leagues went when the usual file was not this object's to replace; failed (when
    // given) tells the two apart.
    std::optional<std::string> keep(const CDatabase& db, bool* failed = nullptr);

    // Adds the kept leagues to db in their order, with their records as they were kept,
    // leaving db's modified flag as it was. Their import generations are renumbered from
    // db's next one on (the low 16 bits of every id stay), and db's generation moves past
    // them, so later imports never collide. What cannot be read is reported with its path
    // and the reason, and left where it is. Returns how many leagues came back.
    std::size_t restore(CTransaction& db, CPrompts& prompts);

private:
    std::size_t restoreFiles(CTransaction& db, CPrompts& prompts, bool recover);
    // The keys of db's kept leagues, in the order encode writes them: each league keeps
    // the key it came with (found through its teams), a new one gets a new key.
    std::vector<uint64_t> keysFor(const CDatabase& db);

    std::filesystem::path m_folder;
    std::vector<std::string> m_owned;              // kept files this object read or wrote
    std::vector<std::filesystem::path> m_oldSets;  // exchange sets imported by restore
    std::set<uint64_t> m_known;                    // keys of the leagues this object holds or held
    std::unordered_map<uint32_t, uint64_t> m_teamKeys;  // an imported team's league key
};

// The kept-league file format on its own, for the keep, the restore and tests.
namespace keptformat
{
// The fields the file holds of each record, in the order it holds them, for the writer
// and the reader alike, so that they cannot disagree. Every field of the record is here
// at the width the record holds it (a test ties these lists to the records).
template <class L, class F>
void leagueFields(L& l, F&& f)
{
    f(l.editorOnly); f(l.teamIds); f(l.slotCount); f(l.displayName); f(l.id); f(l.importedLeague); f(l.modified);
}

template <class T, class F>
void teamFields(T& t, F&& f)
{
    f(t.fileIndex); f(t.id); f(t.bankroll); f(t.teamExtra1);
    f(t.homeJerseyStyle); f(t.homeJerseyColour1); f(t.homeJerseyColour2); f(t.homeJerseyColour3);
    f(t.homeShortsStyle); f(t.homeShortsColour1); f(t.homeShortsColour2);
    f(t.homeSocksStyle); f(t.homeSocksColour1); f(t.homeSocksColour2);
    f(t.awayJerseyStyle); f(t.awayJerseyColour1); f(t.awayJerseyColour2); f(t.awayJerseyColour3);
    f(t.awayShortsStyle); f(t.awayShortsColour1); f(t.awayShortsColour2);
    f(t.awaySocksStyle); f(t.awaySocksColour1); f(t.awaySocksColour2);
    f(t.teamExtra2); f(t.teamExtra3); f(t.teamExtra4); f(t.teamExtra5); f(t.teamExtra6); f(t.teamExtra7);
    f(t.teamExtra8); f(t.teamExtra9); f(t.teamExtra10); f(t.teamExtra11); f(t.teamExtra12); f(t.teamExtra13);
    f(t.teamExtra14); f(t.playerCount); f(t.countryId); f(t.teamExtra15);
    f(t.players); f(t.loadedPlayers); f(t.incomingPlayers);
    f(t.longName); f(t.abbreviation); f(t.shortName);
    f(t.modified); f(t.imported);
}

template <class P, class F>
void playerFields(P& p, F&& f)
{
    f(p.id); f(p.value); f(p.hairColour); f(p.jerseyNumber); f(p.position); f(p.face); f(p.skinColour);
    f(p.hairStyle); f(p.facialHair);
    f(p.acceleration); f(p.agility); f(p.awareness); f(p.ballControl); f(p.creativity); f(p.fitness);
    f(p.heading); f(p.passing); f(p.reaction); f(p.shotPower); f(p.shotAccuracy); f(p.speed); f(p.tackle);
    f(p.countryId); f(p.topByte); f(p.extraNibble1); f(p.extraNibble2); f(p.extraNibble3); f(p.extraNibble4);
    f(p.letterCode); f(p.extraNibble5); f(p.altPosition); f(p.name);
    f(p.hasCommentary); f(p.modified); f(p.imported); f(p.destinationTeamId); f(p.copyMark); f(p.teamId);
    f(p.fileIndex); f(p.storedName);
}

// The imported leagues of db that have teams, with the records they reach, as bytes.
// keys gives each such league's key in order; a league beyond them gets a new one.
std::vector<uint8_t> encode(const CDatabase& db, const std::vector<uint64_t>& keys = {});
struct CDecoded
{
    std::vector<CLeague> leagues;
    std::vector<uint64_t> keys;  // one per league, the same in every program that reads it
    std::vector<CTeam> teams;
    std::vector<CPlayer> players;
    struct CLink
    {
        uint32_t playerId = 0, teamId = 0, destinationTeamId = 0, copyMark = 0;
    };
    std::vector<CLink> links;  // the game's players the kept teams list
    struct CIncoming
    {
        uint32_t teamId = 0, playerId = 0;
    };
    std::vector<CIncoming> incoming;  // kept players a game team lists as incoming
};
// The records of a kept-league file; the error text (naming the file and the offset)
// when the bytes are not a whole one.
std::optional<std::string> decode(std::span<const uint8_t> bytes, const std::string& fileName, CDecoded& out);
} // namespace keptformat

// The save warning, with the note on imported leagues put before its closing question when
// the database holds any.
std::string withImportedLeagueNote(const std::string& warning, const CDatabase& db);

// Takes an imported league out of the database (its records stay, belonging to no
// league, as records of a league never are written to the game). False when the league
// at position is not an imported one.
bool removeImportedLeague(CTransaction& db, std::size_t position);
