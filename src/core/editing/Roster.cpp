#include "editing/Roster.h"

#include "database/Change.h"
#include "database/Database.h"
#include "editing/EditingTexts.h"
#include "editing/TeamCommands.h"
#include "editing/TextOrder.h"
#include "settings/Prompts.h"
#include "util/Translatable.h"

#include <algorithm>
#include <charconv>

namespace roster
{
const std::array<CColumn, kColumnCount>& columns()
{
    // The headings are looked up under "roster" where the window shows them; a heading its
    // language makes longer widens its column (shell/RosterView).
    // "Name" is wider than the old 80 pixels: a 15-character name with its " * +" marks
    // was cut off there, with room to spare at the right of the list.
    static const std::array<CColumn, kColumnCount> table{{
        {QT_TRANSLATE_NOOP("roster", "No."), 30, CAlign::Right},   {QT_TRANSLATE_NOOP("roster", "Name"), 135, CAlign::Left},   {QT_TRANSLATE_NOOP("roster", "Pos"), 40, CAlign::Left},
        {"", 0, CAlign::Left},        {QT_TRANSLATE_NOOP("roster", "Rating"), 50, CAlign::Centre}, {QT_TRANSLATE_NOOP("roster", "Acl"), 40, CAlign::Centre},
        {QT_TRANSLATE_NOOP("roster", "Agl"), 40, CAlign::Centre},  {QT_TRANSLATE_NOOP("roster", "Awr"), 40, CAlign::Centre},  {QT_TRANSLATE_NOOP("roster", "Bct"), 40, CAlign::Centre},
        {QT_TRANSLATE_NOOP("roster", "Cre"), 40, CAlign::Centre},  {QT_TRANSLATE_NOOP("roster", "Fit"), 40, CAlign::Centre},  {QT_TRANSLATE_NOOP("roster", "Hea"), 40, CAlign::Centre},
        {QT_TRANSLATE_NOOP("roster", "Pas"), 40, CAlign::Centre},  {QT_TRANSLATE_NOOP("roster", "Rct"), 40, CAlign::Centre},  {QT_TRANSLATE_NOOP("roster", "Spw"), 40, CAlign::Centre},
        {QT_TRANSLATE_NOOP("roster", "Sac"), 40, CAlign::Centre},  {QT_TRANSLATE_NOOP("roster", "Spd"), 40, CAlign::Centre},  {QT_TRANSLATE_NOOP("roster", "Tac"), 40, CAlign::Centre},
        {QT_TRANSLATE_NOOP("roster", "Index"), 0, CAlign::Centre},
    }};
    return table;
}
}  // namespace roster

std::vector<uint32_t> rosterPlayers(const CDatabase& db, uint32_t teamId)
{
    std::vector<uint32_t> out;
    const CTeam* team = db.team(teamId);
    if (!team) return out;
    for (uint32_t id : team->players)
        if (const CPlayer* p = db.player(id); p && (p->destinationTeamId == 0 || p->copyMark == CPlayer::kCopyMark))
            out.push_back(id);
    for (uint32_t id : team->incomingPlayers)
        if (db.player(id)) out.push_back(id);
    return out;
}

std::string rosterPositionText(const CPlayer& player)
{
    const int position = (player.position == 0 && player.altPosition != 0) ? player.altPosition : player.position;
    if (position < kPositionCount) return positionLabel(position);
    return std::to_string(position);
}

CRosterRow rosterRow(const CDatabase& db, const CPlayer& p)
{
    CRosterRow row;
    row.playerId = p.id;
    auto& c = row.cells;
    c[0] = std::to_string(p.jerseyNumber);
    c[1] = db.playerLabel(p.id);
    c[2] = rosterPositionText(p);
    c[4] = std::to_string(p.skillRating());
    // The 13 skills in record order, shown 1..16.
    for (int s = 0; s < CPlayer::kSkillCount; ++s) c[5 + s] = std::to_string(p.skill(s) + 1);
    c[roster::kIndexColumn] = std::to_string(p.id);
    return row;
}

std::vector<CRosterRow> rosterRows(const CDatabase& db, uint32_t teamId)
{
    std::vector<CRosterRow> rows;
    const auto ids = rosterPlayers(db, teamId);
    rows.reserve(ids.size());
    for (uint32_t id : ids) rows.push_back(rosterRow(db, *db.player(id)));
    return rows;
}

void CRosterSort::click(int clickedColumn)
{
    if (clickedColumn == column)
        ascending = !ascending;
    else
        column = clickedColumn, ascending = true;
}

namespace
{
// Bytes above 127 are letters of the name encodings (accented or Japanese).
bool holdsLetter(const std::string& text)
{
    return std::any_of(text.begin(), text.end(), [](char ch) {
        const auto c = static_cast<unsigned char>(ch);
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c >= 0x80;
    });
}

long numberOf(const std::string& text)
{
    long value = 0;
    const char* first = text.data();
    while (first != text.data() + text.size() && *first == ' ') ++first;
    std::from_chars(first, text.data() + text.size(), value);
    return value;
}
}  // namespace

void sortRosterRows(std::vector<CRosterRow>& rows, const CRosterSort& sort, CTextEncoding encoding)
{
    if (sort.column < 0 || sort.column >= roster::kColumnCount || rows.empty()) return;
    const int col = sort.column;
    const bool asc = sort.ascending;
    if (!holdsLetter(rows.front().cells[col]))
    {
        std::stable_sort(rows.begin(), rows.end(), [&](const CRosterRow& a, const CRosterRow& b) {
            const long x = numberOf(a.cells[col]), y = numberOf(b.cells[col]);
            return asc ? x < y : y < x;
        });
        return;
    }
    std::stable_sort(rows.begin(), rows.end(), [&](const CRosterRow& a, const CRosterRow& b) {
        const int c = compareNoCase(a.cells[col], b.cells[col], encoding);
        return asc ? c < 0 : c > 0;
    });
}

bool removePlayerFromTeam(CTransaction& db, uint32_t teamId, uint32_t playerId)
{
    CTeam* team = db.team(teamId);
    if (!team || playerId == 0) return false;
    bool removed = false;
    if (auto it = std::find(team->players.begin(), team->players.end(), playerId); it != team->players.end())
        *it = 0, removed = true;
    if (auto it = std::find(team->incomingPlayers.begin(), team->incomingPlayers.end(), playerId);
        it != team->incomingPlayers.end())
        *it = 0, removed = true;
    db.setModified();
    return removed;
}

bool pastePlayerIntoRoster(CTransaction& db, int rowCount, uint32_t teamId, const CPlayer& clipboardPlayer,
                           CTextEncoding encoding, CPrompts& prompts)
{
    if (rowCount >= roster::kMaxRows)
    {
        prompts.message(translated("editingtexts", editingtexts::kRosterFull), CPrompts::CIcon::Information);
        return false;
    }
    return pastePlayerIntoTeam(db, teamId, clipboardPlayer, encoding, prompts);
}
