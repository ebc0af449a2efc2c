#include "database/RecordLimits.h"
#include "util/Translatable.h"

#include "database/Database.h"
#include "database/RecordLayouts.h"
#include "util/Format.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <variant>

const char* recordKindName(CRecordKind kind)
{
    switch (kind)
    {
    // Looked up under "limittexts" where the window shows them.
    case CRecordKind::League: return QT_TRANSLATE_NOOP("limittexts", "league");
    case CRecordKind::Team: return QT_TRANSLATE_NOOP("limittexts", "team");
    default: return QT_TRANSLATE_NOOP("limittexts", "player");
    }
}

namespace limittexts
{
inline constexpr const char* kLeague = QT_TRANSLATE_NOOP("limittexts", "League \"%1\" (id %2)");
inline constexpr const char* kTeam = QT_TRANSLATE_NOOP("limittexts", "Team \"%1\" (id %2)");
inline constexpr const char* kPlayer = QT_TRANSLATE_NOOP("limittexts", "Player \"%1\" (id %2)");
inline constexpr const char* kTooLong = QT_TRANSLATE_NOOP("limittexts", "%1: the %2 is %3 bytes long in the game's encoding; the game's files hold at most %4.");
inline constexpr const char* kHasNul = QT_TRANSLATE_NOOP("limittexts", "%1: the %2 holds a NUL character, which would end it in the game's files.");
inline constexpr const char* kReserved = QT_TRANSLATE_NOOP("limittexts", "%1: a league name beginning with \"EC\" marks one of the game's European competitions, which the editor "
    "shows with a leading \"x\". Begin the name with \"xEC\" for a competition, or choose another name.");
inline constexpr const char* kTooLarge = QT_TRANSLATE_NOOP("limittexts", "%1: %2 is %3; the game's files hold %4 at most.");
inline constexpr const char* kIdOutOfRange = QT_TRANSLATE_NOOP("limittexts", "%1: the id does not fit the game's files, which hold ids up to %2.");
inline constexpr const char* kSlotId = QT_TRANSLATE_NOOP("limittexts", "%1: %2 names id %3; the game's files hold ids up to 65535.");
inline constexpr const char* kImportedTeam = QT_TRANSLATE_NOOP("limittexts", "%1 is a league of the game, and team %2 was imported: the game's files have no record for it, so the league "
    "cannot list it. To bring its players into the game, move or copy them onto game teams (the Transfer page, "
    "Cut and Paste, or dragging them) and save: the save writes each over the game player whose id is the low "
    "16 bits of his, and names each one before it does.");
inline constexpr const char* kTeamTooMany = QT_TRANSLATE_NOOP("limittexts", "%1 lists %2 players; the game's files hold 26 for a team, the rest would be lost at save.");
inline constexpr const char* kLeagueTooLarge = QT_TRANSLATE_NOOP("limittexts", "%1 has %2 team slots; the game's files hold at most 63 for a league.");
inline constexpr const char* kOddSlots = QT_TRANSLATE_NOOP("limittexts", "%1 League consist an odd number (%2) of teams. Please make sure that only even numbers of teams are used.");
// %1 the player, %2 the game team, %3 the field, %4 his value, %5 the most the game's files hold.
inline constexpr const char* kIntoGame = QT_TRANSLATE_NOOP("limittexts", "%1 cannot go onto %2, a team of the game: his %3 is %4, and the game's files hold %5 at most. "
    "Set his %3 to %5 or less first; on his imported team he may keep %4.");
// %1 the player, %2 the field, %3 the value asked for, %4 the most the game's files hold.
inline constexpr const char* kIntoGameEdited = QT_TRANSLATE_NOOP("limittexts", "%1 is to go onto a team of the game at the next save, whose files hold %4 at most for his %2, "
    "so it cannot be %3. Undo his move onto that team first to give him a larger value.");
inline constexpr const char* kTableTooLarge = QT_TRANSLATE_NOOP("limittexts", "The player table would begin at %1, beyond the 16-bit position the game reads (below 65536): delete "
    "teams or leagues.");
} // namespace limittexts

namespace
{
constexpr uint32_t kPlayerIdLimit = (1u << 14) - 1;  // 14 bits of the record's first word
constexpr uint32_t kTeamIdLimit = (1u << 11) - 1;    // 11 bits
constexpr uint32_t kSlotIdLimit = 0xFFFF;

std::string shown(const std::string& bytes, CTextEncoding enc)
{
    return toUtf8(bytes, enc);
}

template <class T>
int64_t unsignedValue(const T& record, const CBitField<T>& f)
{
    return std::visit(
        [&](auto member) -> int64_t {
            using V = std::remove_cvref_t<decltype(record.*member)>;
            // A signed field holds every value of its type.
            if constexpr (std::is_signed_v<V>) return 0;
            else return int64_t(record.*member);
        },
        f.member);
}

int64_t beyondValue(const CPlayer& p, std::string_view field)
{
    for (const auto& f : layouts::kPlayerFields)
        if (field == f.name) return unsignedValue(p, f);
    return 0;
}
// "Player "Ann Able" (id 7)", made only for a record that has a problem: the save asks
// about every record, and almost none has one.
class CLabel
{
public:
    CLabel(const char* text, const std::string& name, CTextEncoding enc, uint32_t id)
        : m_text(text), m_name(name), m_enc(enc), m_id(id) {}
    operator std::string_view() const
    {
        if (!m_made) m_made = translatedArgs("limittexts", m_text, {shown(m_name, m_enc), std::to_string(m_id)});
        return *m_made;
    }

private:
    const char* m_text;
    const std::string& m_name;
    CTextEncoding m_enc;
    uint32_t m_id;
    mutable std::optional<std::string> m_made;
};

struct CJudge
{
    std::vector<CLimitProblem>& out;
    CRecordKind kind;
    uint32_t id;
    CLabel label;

    void add(const char* code, const char* field, std::string message)
    {
        out.push_back({code, kind, id, false, field, std::move(message)});
    }

    void text(const char* field, const std::string& value, std::size_t maxBytes)
    {
        if (value.find('\0') != std::string::npos)
            add(limitcodes::kNameHasNul, field, translatedArgs("limittexts", limittexts::kHasNul, {label, field}));
        else if (value.size() > maxBytes)
            add(limitcodes::kNameTooLong, field,
                translatedArgs("limittexts", limittexts::kTooLong, {label, field, std::to_string(int(value.size())), std::to_string(int(maxBytes))}));
    }

    template <class T>
    void bits(const T& record, const CBitField<T>& f)
    {
        const int64_t value = unsignedValue(record, f);
        if (value > int64_t(f.mask()))
            add(limitcodes::kValueTooLarge, f.name,
                translatedArgs("limittexts", limittexts::kTooLarge, {label, f.name, std::to_string((long long)value), std::to_string((long long)f.mask())}));
    }
};

template <class T>
bool sameField(const T* before, const T& now, const CBitField<T>& f)
{
    if (!before) return false;
    return std::visit([&](auto member) { return (*before).*member == now.*member; }, f.member);
}
} // namespace

namespace recordlimits
{
void checkPlayer(const CPlayer& p, CTextEncoding enc, std::vector<CLimitProblem>& out, const CPlayer* before,
                 bool intoGame)
{
    CJudge j{out, CRecordKind::Player, p.id, {limittexts::kPlayer, p.name, enc, p.id}};
    const bool imported = p.id >= CDatabase::kImportedIdBase;
    // Imported players are written as the game players that take them over, under the
    // game player's id; their own id never reaches the files.
    if (!imported && p.id > kPlayerIdLimit && !before)
        j.add(limitcodes::kIdOutOfRange, "id", translatedArgs("limittexts", limittexts::kIdOutOfRange, {j.label, std::to_string(kPlayerIdLimit)}));
    if (!imported)
    {
        // The save asks this of every player; nearly all fit whole, and only those that do
        // not are gone through field by field.
        if (before || !bitfields::allFit<layouts::kPlayerFields>(p))
            for (const auto& f : layouts::kPlayerFields)
                if (std::strcmp(f.name, "id") != 0 && !sameField(before, p, f)) j.bits(p, f);
    }
    else if (intoGame)
    {
        for (const CBeyondGame& b : beyondGame(p))
            if (!before || b.value != beyondValue(*before, b.field))
                j.add(limitcodes::kValueTooLarge, b.field,
                      translatedArgs("limittexts", limittexts::kIntoGameEdited,
                                     {j.label, b.field, std::to_string((long long)b.value), std::to_string((long long)b.limit)}));
    }
    if (!before || before->name != p.name) j.text("name", p.name, kPlayerNameBytes);
    if ((!before || before->storedName != p.storedName) && p.storedName.find('\0') != std::string::npos)
        j.add(limitcodes::kNameHasNul, "name", translatedArgs("limittexts", limittexts::kHasNul, {j.label, "name"}));
}

void checkTeam(const CTeam& t, const CDatabase& db, CTextEncoding enc, std::vector<CLimitProblem>& out,
               const CTeam* before)
{
    // Imported teams stay in the editor; the game's files never hold them.
    if (t.id >= CDatabase::kImportedIdBase || t.imported) return;
    CJudge j{out, CRecordKind::Team, t.id, {limittexts::kTeam, t.longName, enc, t.id}};
    if (t.id > kTeamIdLimit && !before)
        j.add(limitcodes::kIdOutOfRange, "id", translatedArgs("limittexts", limittexts::kIdOutOfRange, {j.label, std::to_string(kTeamIdLimit)}));
    for (const auto& f : layouts::kTeamFields)
        if (std::strcmp(f.name, "id") != 0 && std::strcmp(f.name, "playerCount") != 0 && !sameField(before, t, f))
            j.bits(t, f);
    if (!before || before->longName != t.longName) j.text("longName", t.longName, std::string::npos - 1);
    if (!before || before->abbreviation != t.abbreviation) j.text("abbreviation", t.abbreviation, kAbbreviationBytes);
    if (!before || before->shortName != t.shortName) j.text("shortName", t.shortName, kShortNameBytes);
    if (!before || before->players != t.players)
        for (uint32_t id : t.players)
            if (id > kSlotIdLimit)
            {
                j.add(limitcodes::kIdOutOfRange, "players", translatedArgs("limittexts", limittexts::kSlotId, {j.label, "players", std::to_string(id)}));
                break;
            }
    // An imported player this team is to take is written as one of the game's at the save: he
    // must fit the game's fields from now on. One already on the list was judged when he came.
    if (!before || before->incomingPlayers != t.incomingPlayers)
        for (uint32_t id : t.incomingPlayers)
        {
            const CPlayer* p = id >= CDatabase::kImportedIdBase ? db.player(id) : nullptr;
            if (!p || (before && std::find(before->incomingPlayers.begin(), before->incomingPlayers.end(), id) != before->incomingPlayers.end()))
                continue;
            const std::string who = translatedArgs("limittexts", limittexts::kPlayer, {shown(p->name, enc), std::to_string(p->id)});
            for (const CBeyondGame& b : beyondGame(*p))
                out.push_back({limitcodes::kValueTooLarge, CRecordKind::Player, p->id, false, b.field,
                               translatedArgs("limittexts", limittexts::kIntoGame,
                                              {who, j.label, b.field, std::to_string((long long)b.value), std::to_string((long long)b.limit)})});
        }
    if (!before || before->players != t.players || before->incomingPlayers != t.incomingPlayers)
    {
        // What the save's merge would list: each existing player once.
        std::vector<uint32_t> listed;
        for (uint32_t id : db.listedPlayers(t.id))
            if (db.player(id)) listed.push_back(id);
        std::sort(listed.begin(), listed.end());
        listed.erase(std::unique(listed.begin(), listed.end()), listed.end());
        if (listed.size() > std::size_t(CTeam::kSlots))
            j.add(limitcodes::kTeamTooMany, "players",
                  translatedArgs("limittexts", limittexts::kTeamTooMany, {j.label, std::to_string(int(listed.size()))}));
    }
}

void checkLeague(const CLeague& l, CTextEncoding enc, std::vector<CLimitProblem>& out, const CLeague* before)
{
    // Leagues the editor keeps for itself never reach the game's files.
    if (l.editorOnly) return;
    CJudge j{out, CRecordKind::League, l.id, {limittexts::kLeague, l.displayName, enc, l.id}};
    if (l.id > 0xFFFF && (!before || before->id != l.id))
        j.add(limitcodes::kIdOutOfRange, "id", translatedArgs("limittexts", limittexts::kIdOutOfRange, {j.label, std::to_string(0xFFFFu)}));
    if (!before || before->displayName != l.displayName || before->editorOnly != l.editorOnly)
    {
        const std::string stored = CLeague::storedNameFromDisplay(l.displayName);
        const std::size_t problemsBefore = out.size();
        j.text("name", stored, kLeagueNameBytes);
        if (out.size() == problemsBefore && CLeague::displayNameFromStored(stored) != l.displayName)
            j.add(limitcodes::kLeagueNameReserved, "name", translatedArgs("limittexts", limittexts::kReserved, {j.label}));
    }
    if (!before || before->teamIds != l.teamIds || before->slotCount != l.slotCount || before->editorOnly != l.editorOnly)
    {
        if (l.slotCount > kLeagueSlots)
            j.add(limitcodes::kLeagueTooLarge, "teamIds",
                  translatedArgs("limittexts", limittexts::kLeagueTooLarge, {j.label, std::to_string(int(l.slotCount))}));
        for (uint32_t id : l.teamIds)
            if (id > kSlotIdLimit)
            {
                // Only an imported team has such an id: the game has no record to list.
                j.add(limitcodes::kIdOutOfRange, "teamIds", translatedArgs("limittexts", limittexts::kImportedTeam, {j.label, std::to_string(id)}));
                break;
            }
    }
}

std::vector<CBeyondGame> beyondGame(const CPlayer& p)
{
    std::vector<CBeyondGame> out;
    for (const auto& f : layouts::kPlayerFields)
        if (std::string_view(f.name) != "id" && unsignedValue(p, f) > int64_t(f.mask()))
            out.push_back({f.name, unsignedValue(p, f), int64_t(f.mask())});
    return out;
}

std::unordered_set<uint32_t> playersIntoGame(const CDatabase& db)
{
    std::unordered_set<uint32_t> out;
    db.forEachTeam([&](const CTeam& t) {
        if (t.id >= CDatabase::kImportedIdBase || t.imported) return;
        for (uint32_t id : t.incomingPlayers)
            if (id >= CDatabase::kImportedIdBase) out.insert(id);
    });
    return out;
}

void checkTables(const CDatabase& db, std::vector<CLimitProblem>& out)
{
    // The same sum the save makes before it writes the team table.
    uint64_t pos = 28;
    for (const auto& l : db.leagues())
        if (!l->editorOnly) pos += 8 + 2 * uint64_t(l->slotCount);
    uint64_t teams = 0;
    db.forEachTeam([&](const CTeam& t) { teams += t.id < CDatabase::kImportedIdBase && !t.imported; });
    const uint64_t playerTable = pos + 8 + layouts::kTeamRecordSize * teams;
    if (playerTable >= kTableAddressLimit)
        out.push_back({limitcodes::kTableTooLarge, CRecordKind::League, 0, true, "",
                       translatedArgs("limittexts", limittexts::kTableTooLarge, {std::to_string((unsigned long long)playerTable)})});
}

std::vector<CLimitProblem> checkDatabase(const CDatabase& db)
{
    const CTextEncoding enc = encodingForLanguage(db.languageCode());
    std::vector<CLimitProblem> out;
    for (const auto& l : db.leagues()) checkLeague(*l, enc, out);
    checkTables(db, out);
    db.forEachTeam([&](const CTeam& t) { checkTeam(t, db, enc, out); });
    db.forEachPlayer([&](const CPlayer& p) { checkPlayer(p, enc, out); });
    return out;
}

std::vector<CLimitProblem> saveBlockers(const CDatabase& db)
{
    const CTextEncoding enc = encodingForLanguage(db.languageCode());
    std::vector<CLimitProblem> odd;
    for (const auto& l : db.leagues())
        if (!l->importedLeague && !l->editorOnly && l->slotCount % 2 != 0)
            odd.push_back({limitcodes::kLeagueOddSlots, CRecordKind::League, l->id, false, "teamIds",
                           translatedArgs("limittexts", limittexts::kOddSlots, {shown(l->displayName, enc), std::to_string(int(l->slotCount))})});
    std::vector<CLimitProblem> out = checkDatabase(db);
    out.insert(out.begin(), std::make_move_iterator(odd.begin()), std::make_move_iterator(odd.end()));
    return out;
}

std::string describe(const std::vector<CLimitProblem>& problems)
{
    constexpr std::size_t kShown = 5;
    std::string text;
    for (std::size_t i = 0; i < problems.size() && i < kShown; ++i)
    {
        if (i) text += '\n';
        text += problems[i].message;
    }
    if (problems.size() > kShown) text += formatText("\n(and %d more)", int(problems.size() - kShown));
    return text;
}
} // namespace recordlimits
