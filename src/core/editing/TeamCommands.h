#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class CDatabase;
class CTransaction;
class CPrompts;
struct CPlayer;
struct CTeam;
enum class CTextEncoding;

// The commands of the league tree and the main window that change leagues and teams.
// Texts handed to the prompts are UTF-8; names are converted with the given encoding.

// Copy: the team into the clipboard team (full copy, lists and all). False when the
// team does not exist.
bool copyTeamToClipboard(CTransaction& db, uint32_t teamId, CTeam& clipboardTeam);

// Paste on a league: the clipboard team joins the league's used slots. False when
// nothing was copied or the league does not exist.
bool pasteTeamIntoLeague(CTransaction& db, std::size_t leaguePosition, const CTeam& clipboardTeam);

// Paste player onto a team: the clipboard player's record is marked as copied to the
// team and joins its incoming players, then the message. False (nothing changed, no
// message) when the team or the player is missing or the team's slots are all in use.
bool pastePlayerIntoTeam(CTransaction& db, uint32_t teamId, const CPlayer& clipboardPlayer, CTextEncoding encoding,
                         CPrompts& prompts);

// Delete on a team node: the first used slot holding the team is taken out of the
// league, the later ones move down. False when the league does not list the team.
bool removeTeamFromLeague(CTransaction& db, std::size_t leaguePosition, uint32_t teamId);

// The id New League gives: the smallest of 1..254 no league but the first uses; 0 when
// all are taken.
uint32_t newLeagueId(const CDatabase& db);

// New League: a league with the name and no teams at the end of the list; returns its
// position.
std::size_t addNewLeague(CTransaction& db, const std::string& name);

// League Name: a league whose shown name starts with "x" is a European competition's
// fixtures and keeps its name (the message is shown, false returned).
bool leagueNameEditable(std::string_view nodeText, CPrompts& prompts);
bool renameLeague(CTransaction& db, std::size_t leaguePosition, const std::string& name);

// Remember team: the message naming the team; returns the team to remember (0 when
// the team does not exist, with no message).
uint32_t rememberTeam(const CDatabase& db, uint32_t teamId, CTextEncoding encoding, CPrompts& prompts);

// Apply remembered team: the remembered team's attributes and names onto the current
// team, then its listed players' attributes onto the current team's players slots in
// slot order, until a slot is empty or the players run out. Returns the number of
// players that received fields; nullopt when either team is missing.
std::optional<int> applyRememberedTeam(CTransaction& db, uint32_t rememberedTeamId, uint32_t currentTeamId);
