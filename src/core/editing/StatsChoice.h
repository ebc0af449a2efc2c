#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CChange;
class CDatabase;

// Rules of the statistics page that sit between its tree of leagues and its list of
// chosen teams, and the order its grid sorts in.

// Positions in the league list of the leagues that hold the team among their first
// slotCount entries: the league nodes a team goes back under when it leaves the list.
std::vector<std::size_t> leaguesHoldingTeam(const CDatabase& db, uint32_t teamId);

// Appends the ids not yet chosen, keeping the order; returns how many were added. A team
// two leagues hold is chosen once, whichever league brought it first.
std::size_t chooseTeams(std::vector<uint32_t>& chosen, const std::vector<uint32_t>& teamIds);

// The grid's sort order for one column: cells that read as whole numbers compare by
// value and come before texts; texts compare ignoring case.
bool gridCellLess(const std::string& a, const std::string& b);

// Whether a change added, removed, moved or copied teams or players: a record came or
// went, a league lists other teams or the league list grew or shrank, or a team now lists
// other players (its own slots, its incoming players, or a player of its slots moved away
// or back). Edits of fields (names, kits, bankrolls, skills, marks) are not, and neither is
// a save's merge of moved players into the lists of the teams they went to: every team
// lists the same players before and after. The page's chosen teams and grid stand through
// everything else. db is the database on either side of the change: the records the
// change does not hold are the same on both.
bool movesTeamsOrPlayers(const CChange& change, const CDatabase& db);
