#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

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
