#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class CDatabase;
class CTransaction;
class CPrompts;
struct CPlayer;
enum class CTextEncoding;

// The roster's rules: which players a team's roster lists, what each of its 19 columns
// shows, how it sorts, and the limits on Delete and Paste.
namespace roster
{
inline constexpr int kColumnCount = 19;
inline constexpr int kNameColumn = 1;
inline constexpr int kPosColumn = 2;
inline constexpr int kRatingColumn = 4;
inline constexpr int kIndexColumn = 18;
inline constexpr int kMaxRows = 26;
inline constexpr int kMinRowsAfterDelete = 11;

enum class CAlign
{
    Left,
    Centre,
    Right,
};

struct CColumn
{
    const char* header;
    int width;  // 0: hidden
    CAlign align;
};

const std::array<CColumn, kColumnCount>& columns();
}  // namespace roster

// The players a roster lists: the team's players slots whose record exists and that
// have not moved away (or were pasted), then its incoming players whose record exists.
std::vector<uint32_t> rosterPlayers(const CDatabase& db, uint32_t teamId);

// The "Pos" text: position, or altPosition when position is 0 and altPosition is not;
// values beyond the 17 labels are shown as their number.
std::string rosterPositionText(const CPlayer& player);

struct CRosterRow
{
    uint32_t playerId = 0;
    std::array<std::string, roster::kColumnCount> cells;  // 8-bit text, as the database holds it
};

CRosterRow rosterRow(const CDatabase& db, const CPlayer& player);
std::vector<CRosterRow> rosterRows(const CDatabase& db, uint32_t teamId);

// Sort state: -1 until the first header click; a click on the sorted column turns the
// direction round, any other column sorts ascending.
struct CRosterSort
{
    int column = -1;
    bool ascending = true;
    void click(int clickedColumn);
};

// Numbers when the first row's cell in the column holds no letter, else text with case
// ignored. Equal cells keep their order.
void sortRosterRows(std::vector<CRosterRow>& rows, const CRosterSort& sort, CTextEncoding encoding);

// Delete keeps at least 11 players in a roster.
inline bool rosterCanDelete(int rowCount) { return rowCount > roster::kMinRowsAfterDelete; }

// Delete: the first players slot and the first incoming slot that hold the player are
// emptied. False when neither did.
bool removePlayerFromTeam(CTransaction& db, uint32_t teamId, uint32_t playerId);

// Paste on the roster: refused with its message once it lists 26 players, else Paste
// player of the tree. True when the player was pasted.
bool pastePlayerIntoRoster(CTransaction& db, int rowCount, uint32_t teamId, const CPlayer& clipboardPlayer,
                           CTextEncoding encoding, CPrompts& prompts);
