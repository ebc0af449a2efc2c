#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class CDatabase;
struct CTeam;
enum class CTextEncoding;

// One node of a league tree as the tree widgets show it. Values: a league is 200000 +
// its position in the league list, a team its id, a player its id. Texts are the
// database's 8-bit bytes; the widget converts them for display.
struct CTreeNode
{
    uint32_t value = 0;
    std::string text;
    std::vector<CTreeNode> children;
};

// Where a node stands in a tree: league row, then team row under it, then player row;
// -1 where the path ends. A default path means "nothing selected".
struct CTreePath
{
    int league = -1;
    int team = -1;
    int player = -1;

    bool empty() const { return league < 0; }
    bool isLeague() const { return league >= 0 && team < 0; }
    bool isTeam() const { return league >= 0 && team >= 0 && player < 0; }
    bool isPlayer() const { return player >= 0; }
    friend bool operator==(const CTreePath&, const CTreePath&) = default;
};

inline constexpr uint32_t kLeagueNodeBase = 200000;
inline bool isLeagueValue(uint32_t value) { return value >= kLeagueNodeBase; }

// The league's node text: its displayName, with " *" while its modified mark is set.
std::string leagueNodeText(const CDatabase& db, std::size_t position);

// The player nodes of a team: its players slots whose record exists, has not moved away
// (or was pasted) and has a label, then its incoming players with a label.
std::vector<CTreeNode> playerNodes(const CDatabase& db, uint32_t teamId);

// One league's node with its teams (and players), its teams sorted by text.
CTreeNode leagueNode(const CDatabase& db, std::size_t position, bool showPlayers, CTextEncoding encoding);

// The whole tree: every league with its teams, the top level sorted by text.
std::vector<CTreeNode> buildLeagueTree(const CDatabase& db, bool showPlayers, CTextEncoding encoding);

// Sorts nodes by text, case ignored, keeping equal texts in their order.
void sortNodesByText(std::vector<CTreeNode>& nodes, CTextEncoding encoding);

// The three swatch colour values beside a team, left to right: the second home jersey
// colour, the first home shorts colour, the first home jersey colour; when exactly two are
// equal the repeated one goes left and right and the odd one in the middle.
std::array<int, 3> teamSwatchValues(const CTeam& team);
