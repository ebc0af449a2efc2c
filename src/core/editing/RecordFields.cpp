#include "editing/RecordFields.h"

#include "database/RecordLayouts.h"
#include "database/RecordLimits.h"
#include "editing/TeamEditSession.h"

#include <cstring>
#include <limits>

namespace
{
constexpr int64_t kAny = std::numeric_limits<uint32_t>::max();
// Stored league names are shorter than 80 bytes; a European competition's display
// name carries one more character, so the shown name is held to the stored limit.
constexpr int64_t kLeagueSlots = 63;  // the entry's length byte holds 4 * slots + 2

// The largest value a field's bits hold, looked up by name in the record's bit table.
template <class Table>
constexpr int64_t widest(const Table& table, const char* name)
{
    for (const auto& f : table)
    {
        const char* a = f.name;
        const char* b = name;
        while (*a && *a == *b) ++a, ++b;
        if (*a == *b) return f.mask();
    }
    return kAny;
}

#define NUMBER(T, TABLE, f, role, compared)                                                                            \
    CRecordField<T>                                                                                                    \
    {                                                                                                                  \
        #f, CFieldType::Number, role, compared, 0, widest(TABLE, #f),                                                  \
            [](const T& r) {                                                                                           \
                CFieldValue v;                                                                                         \
                v.number = int64_t(r.f);                                                                               \
                return v;                                                                                              \
            },                                                                                                         \
            [](T& r, const CFieldValue& v) { r.f = decltype(r.f)(v.number); }, 0                                       \
    }
#define TEXT(T, f, bytes)                                                                                              \
    CRecordField<T>                                                                                                    \
    {                                                                                                                  \
        #f, CFieldType::Text, CFieldRole::Editable, true, 0, bytes,                                                    \
            [](const T& r) {                                                                                           \
                CFieldValue v;                                                                                         \
                v.text = r.f;                                                                                          \
                return v;                                                                                              \
            },                                                                                                         \
            [](T& r, const CFieldValue& v) { r.f = v.text; }, 0                                                        \
    }
#define IDS(T, f, entries, role, compared)                                                                             \
    CRecordField<T>                                                                                                    \
    {                                                                                                                  \
        #f, CFieldType::IdList, role, compared, 0, entries,                                                            \
            [](const T& r) {                                                                                           \
                CFieldValue v;                                                                                         \
                v.ids.assign(r.f.begin(), r.f.end());                                                                  \
                return v;                                                                                              \
            },                                                                                                         \
            [](T& r, const CFieldValue& v) { assignIds(r.f, v.ids); }, 0                                               \
    }

void assignIds(CTeam::Slots& slots, const std::vector<uint32_t>& ids)
{
    slots.fill(0);
    for (std::size_t i = 0; i < ids.size() && i < slots.size(); ++i) slots[i] = ids[i];
}

void assignIds(std::vector<uint32_t>& list, const std::vector<uint32_t>& ids)
{
    list = ids;
}

using layouts::kPlayerFields;
using layouts::kTeamFields;
constexpr CFieldRole E = CFieldRole::Editable;
constexpr CFieldRole K = CFieldRole::Key;
constexpr CFieldRole D = CFieldRole::Derived;
constexpr CFieldRole B = CFieldRole::Bookkeeping;

// The Player page spins a skill from 1 to 16 over the stored 0..15.
constexpr CPlayerRecordField shownFromOne(CPlayerRecordField f)
{
    f.shownOffset = 1;
    return f;
}

#define P(f) NUMBER(CPlayer, kPlayerFields, f, E, true)
#define S(f) shownFromOne(P(f))
const CPlayerRecordField kPlayers[] = {
    NUMBER(CPlayer, kPlayerFields, id, K, true),
    P(value), P(hairColour), P(jerseyNumber), P(position), P(face), P(skinColour), P(hairStyle), P(facialHair),
    S(acceleration), S(agility), S(awareness), S(ballControl), S(creativity), S(fitness), S(heading), S(passing),
    S(reaction), S(shotPower), S(shotAccuracy), S(speed), S(tackle), P(countryId), P(topByte), P(extraNibble1),
    P(extraNibble2), P(extraNibble3), P(extraNibble4), P(letterCode), P(extraNibble5), P(altPosition),
    TEXT(CPlayer, name, int64_t(CPlayer::kShownNameLength)),
    NUMBER(CPlayer, kPlayerFields, hasCommentary, D, false),
    NUMBER(CPlayer, kPlayerFields, modified, B, false),
    NUMBER(CPlayer, kPlayerFields, imported, B, true),
    NUMBER(CPlayer, kPlayerFields, destinationTeamId, B, true),
    NUMBER(CPlayer, kPlayerFields, copyMark, B, true),
    NUMBER(CPlayer, kPlayerFields, teamId, D, false),
    NUMBER(CPlayer, kPlayerFields, fileIndex, D, false),
};
#undef S
#undef P

#define T(f) NUMBER(CTeam, kTeamFields, f, E, true)
CTeamRecordField signedTeamExtra15()
{
    CTeamRecordField f = NUMBER(CTeam, kTeamFields, teamExtra15, E, true);
    f.min = std::numeric_limits<int16_t>::min();
    f.max = std::numeric_limits<int16_t>::max();
    return f;
}
const CTeamRecordField kTeams[] = {
    NUMBER(CTeam, kTeamFields, fileIndex, D, false),
    NUMBER(CTeam, kTeamFields, id, K, true),
    T(bankroll), T(teamExtra1), T(homeJerseyStyle), T(homeJerseyColour1), T(homeJerseyColour2),
    T(homeJerseyColour3), T(homeShortsStyle), T(homeShortsColour1), T(homeShortsColour2), T(homeSocksStyle),
    T(homeSocksColour1), T(homeSocksColour2), T(awayJerseyStyle), T(awayJerseyColour1), T(awayJerseyColour2),
    T(awayJerseyColour3), T(awayShortsStyle), T(awayShortsColour1), T(awayShortsColour2), T(awaySocksStyle),
    T(awaySocksColour1), T(awaySocksColour2), T(teamExtra2), T(teamExtra3), T(teamExtra4), T(teamExtra5),
    T(teamExtra6), T(teamExtra7), T(teamExtra8), T(teamExtra9), T(teamExtra10), T(teamExtra11), T(teamExtra12),
    T(teamExtra13), T(teamExtra14),
    NUMBER(CTeam, kTeamFields, playerCount, D, false),
    T(countryId),
    signedTeamExtra15(),
    IDS(CTeam, players, CTeam::kSlots, E, true),
    IDS(CTeam, loadedPlayers, CTeam::kSlots, B, false),
    IDS(CTeam, incomingPlayers, CTeam::kSlots, B, true),
    TEXT(CTeam, longName, int64_t(teampage::kLongNameBytes)),
    TEXT(CTeam, abbreviation, int64_t(recordlimits::kAbbreviationBytes)),
    TEXT(CTeam, shortName, int64_t(recordlimits::kShortNameBytes)),
    NUMBER(CTeam, kTeamFields, modified, B, false),
    NUMBER(CTeam, kTeamFields, imported, B, true),
};
#undef T

// Leagues have no bit table; the id is a 16-bit word of the league entry.
constexpr CBitField<CLeague> kLeagueBits[] = {{"id", 0, 2, 0, 16, &CLeague::id}};
// A league has as many slots as its list has entries.
CLeagueRecordField leagueTeamIds()
{
    CLeagueRecordField f = IDS(CLeague, teamIds, kLeagueSlots, E, true);
    f.set = [](CLeague& l, const CFieldValue& v) {
        l.teamIds = v.ids;
        l.slotCount = uint32_t(v.ids.size());
    };
    return f;
}
const CLeagueRecordField kLeagues[] = {
    NUMBER(CLeague, kLeagueBits, editorOnly, B, true),
    leagueTeamIds(),
    NUMBER(CLeague, kLeagueBits, slotCount, D, false),
    TEXT(CLeague, displayName, int64_t(recordlimits::kLeagueNameBytes)),
    NUMBER(CLeague, kLeagueBits, id, K, true),
    NUMBER(CLeague, kLeagueBits, importedLeague, B, true),
};
#undef NUMBER
#undef TEXT
#undef IDS

template <class F> auto withTable(CRecordKind kind, F&& f)
{
    switch (kind)
    {
    case CRecordKind::League: return f(std::span<const CLeagueRecordField>(kLeagues));
    case CRecordKind::Team: return f(std::span<const CTeamRecordField>(kTeams));
    default: return f(std::span<const CPlayerRecordField>(kPlayers));
    }
}
} // namespace

namespace recordfields
{
std::span<const CPlayerRecordField> players() { return kPlayers; }
std::span<const CTeamRecordField> teams() { return kTeams; }
std::span<const CLeagueRecordField> leagues() { return kLeagues; }

const char* fieldName(CRecordKind kind, int field)
{
    return withTable(kind, [&](auto t) { return t[std::size_t(field)].name; });
}

CFieldType fieldType(CRecordKind kind, int field)
{
    return withTable(kind, [&](auto t) { return t[std::size_t(field)].type; });
}

CFieldRole fieldRole(CRecordKind kind, int field)
{
    return withTable(kind, [&](auto t) { return t[std::size_t(field)].role; });
}

int fieldCount(CRecordKind kind)
{
    return withTable(kind, [&](auto t) { return int(t.size()); });
}

int64_t shownNumber(CRecordKind kind, int field, int64_t stored)
{
    return withTable(kind, [&](auto t) { return stored + t[std::size_t(field)].shownOffset; });
}

int64_t storedNumber(CRecordKind kind, int field, int64_t shown)
{
    return withTable(kind, [&](auto t) { return shown - t[std::size_t(field)].shownOffset; });
}

int fieldIndex(CRecordKind kind, const std::string& name)
{
    return withTable(kind, [&](auto t) {
        for (std::size_t i = 0; i < t.size(); ++i)
            if (name == t[i].name) return int(i);
        return -1;
    });
}
} // namespace recordfields
