#include "exchange/KeptLeagues.h"
#include "util/Translatable.h"

#include "database/Backup.h"
#include "database/Change.h"
#include "database/Database.h"
#include "exchange/LeagueExport.h"
#include "exchange/LeagueImport.h"
#include "exchange/Packer.h"
#include "settings/Prompts.h"
#include "util/ByteReader.h"
#include "util/FileCommit.h"
#include "util/FolderLock.h"
#include "util/Format.h"
#include "util/PathText.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <deque>
#include <map>
#include <functional>
#include <random>
#include <unordered_set>
#include <fstream>
#include <iterator>
#include <type_traits>

namespace fs = std::filesystem;

// The kept-league file.
//
// Binary, little-endian, because the records are mostly small numbers and the file is
// read at every start: 200 leagues of 20 teams read in a few milliseconds with no text
// to parse, and every length is checked against the bytes that are there before it is
// used (CByteReader), so a cut or hostile file is refused, never believed.
//
//   "OBXKEPT" 0x1A, u32 version (2; version 1 is read too)
//   u32 league count, u32 team count, u32 player count, u32 game-player link count
//   the leagues, the teams, the players: each field of the record in the order the
//     visitors in KeptLeagues.h give (u8, u16, u32 as their type; a text as u32 length
//     and bytes; a slot list as 26 u32; the league's team ids as u32 count and u32s);
//     from version 2 each league is followed by its u64 key
//   the game-player links: u32 player id, team id, destination team id and (from
//     version 2) copy mark of each game player whose team or destination is a kept team
//     (an import lists game players; a transfer moves or copies them there)
//   from version 2: u32 count, then u32 team id and u32 player id of each kept player a
//     game team lists as incoming (moved or copied there and not saved yet)
//   16 hex digits: the checksum (util/FileCommit.h) of every byte before them
//
// A field added to a record goes into its visitor and the version goes up.
namespace
{
constexpr uint8_t kMagic[8] = {'O', 'B', 'X', 'K', 'E', 'P', 'T', 0x1A};
constexpr uint32_t kVersion = 2;
constexpr uint32_t kFirstVersion = 1;
constexpr std::size_t kHeaderBytes = 8 + 5 * 4;
constexpr std::size_t kIncomingBytes = 2 * 4;
constexpr std::size_t kChecksumBytes = 16;
constexpr uint32_t kMaxText = 1u << 16;
constexpr uint32_t kGenerationMask = 0xFFFF0000u;
// At most this many import generations in one file: more would grow the id tables
// beyond what a start should allocate.
constexpr std::size_t kMaxGenerations = 4096;

using keptformat::leagueFields;
using keptformat::playerFields;
using keptformat::teamFields;

// The least bytes a record takes, to refuse a count the file cannot hold before
// anything is allocated for it.
template <class R, class Fields>
std::size_t smallestRecord(Fields fields)
{
    std::size_t n = 0;
    R r{};
    fields(r, [&](const auto& v) {
        using V = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<V, std::string> || std::is_same_v<V, std::vector<uint32_t>>)
            n += 4;
        else if constexpr (std::is_same_v<V, CTeam::Slots>)
            n += 4 * CTeam::kSlots;
        else
            n += sizeof(V);
    });
    return n;
}

class CWriter
{
public:
    std::vector<uint8_t> bytes;
    void put(uint32_t v, int size)
    {
        for (int i = 0; i < size; ++i) bytes.push_back(uint8_t(v >> (8 * i)));
    }
    void operator()(const uint8_t& v) { put(v, 1); }
    void operator()(const uint16_t& v) { put(v, 2); }
    void operator()(const int16_t& v) { put(uint16_t(v), 2); }
    void operator()(const uint32_t& v) { put(v, 4); }
    void operator()(const std::string& v)
    {
        put(uint32_t(v.size()), 4);
        bytes.insert(bytes.end(), v.begin(), v.end());
    }
    void operator()(const CTeam::Slots& v)
    {
        for (uint32_t id : v) put(id, 4);
    }
    void operator()(const std::vector<uint32_t>& v)
    {
        put(uint32_t(v.size()), 4);
        for (uint32_t id : v) put(id, 4);
    }
};

class CReader
{
public:
    CReader(std::span<const uint8_t> bytes, std::size_t end) : m_in(bytes), m_end(end) {}
    std::size_t offset() const { return m_at; }
    std::size_t left() const { return m_end - m_at; }
    uint32_t take(int size, const char* what)
    {
        if (left() < std::size_t(size)) fail(m_at, std::string(what) + " lies past the end of the records");
        const uint32_t v = size == 1 ? m_in.u8(m_at, what) : size == 2 ? m_in.u16(m_at, what) : m_in.u32(m_at, what);
        m_at += std::size_t(size);
        return v;
    }
    void operator()(uint8_t& v) { v = uint8_t(take(1, "a byte")); }
    void operator()(uint16_t& v) { v = uint16_t(take(2, "a 16-bit number")); }
    void operator()(int16_t& v) { v = int16_t(take(2, "a 16-bit number")); }
    void operator()(uint32_t& v) { v = take(4, "a 32-bit number"); }
    void operator()(std::string& v)
    {
        const std::size_t at = m_at;
        const uint32_t n = take(4, "the length of a text");
        if (n > kMaxText || n > left()) fail(at, "a text of " + std::to_string(n) + " bytes does not fit");
        const auto text = m_in.slice(m_at, n, "a text");
        v.assign(text.begin(), text.end());
        m_at += n;
    }
    void operator()(CTeam::Slots& v)
    {
        for (uint32_t& id : v) id = take(4, "a player slot");
    }
    void operator()(std::vector<uint32_t>& v)
    {
        const std::size_t at = m_at;
        const uint32_t n = take(4, "the number of teams of a league");
        if (n > left() / 4) fail(at, std::to_string(n) + " team ids do not fit");
        v.resize(n);
        for (uint32_t& id : v) id = take(4, "a team id");
    }
    [[noreturn]] static void fail(std::size_t at, const std::string& what)
    {
        throw CReadError(what + " at offset " + hexOffset(at));
    }

private:
    CByteReader m_in;
    std::size_t m_end;
    std::size_t m_at = 0;
};

bool isImportedId(uint32_t id) { return id >= CDatabase::kImportedIdBase; }

bool hasTeams(const CLeague& league) { return league.slotCount > 0 && !league.teamIds.empty(); }

// Numbered league folders an earlier version kept as exchange sets, in number order.
std::vector<fs::path> oldSets(const fs::path& folder)
{
    std::vector<std::pair<unsigned long, fs::path>> numbered;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    {
        const std::string name = utf8FromPath(it->path().filename());
        const bool number = !name.empty() && name.size() <= 6 &&
                            std::all_of(name.begin(), name.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
        if (!number) continue;
        if (it->is_directory(ec)) numbered.emplace_back(std::stoul(name), it->path());
    }
    std::sort(numbered.begin(), numbered.end());
    std::vector<fs::path> out;
    for (auto& n : numbered) out.push_back(std::move(n.second));
    return out;
}

// Through the file layer: a link or pipe in the name file's place is never followed or
// waited on; the league then goes without its name.
std::string readName(const fs::path& file)
{
    std::vector<uint8_t> bytes;
    if (!CFileSystem::real().readFile(file, bytes)) return {};
    return {bytes.begin(), bytes.end()};
}

// KEPT.OBK, KEPT-2.OBK, ...: the names a keep may write, in the order it tries them.
std::string keptName(int n)
{
    using namespace keptleaguetexts;
    return std::string(kFileStem) + (n == 1 ? "" : "-" + std::to_string(n)) + kFileExtension;
}
constexpr int kMaxKeptFiles = 99;

// The number of a kept file's name, 0 when the name is not one.
int keptNumber(const std::string& name)
{
    for (int n = 1; n <= kMaxKeptFiles; ++n)
        if (name == keptName(n)) return n;
    return 0;
}
} // namespace

namespace
{
// What one kept file holds, as pointers into the records it is written from: a
// database's, another file's decoded ones, or both.
struct CContent
{
    std::vector<const CLeague*> leagues;
    std::vector<uint64_t> keys;
    std::vector<const CTeam*> teams;
    std::vector<const CPlayer*> players;
    std::vector<keptformat::CDecoded::CLink> links;
    std::vector<keptformat::CDecoded::CIncoming> incoming;
};

// A key no other program gives a league: 64 random bits, never 0.
uint64_t newKey()
{
    static std::mt19937_64 random = [] {
        std::random_device device;
        const uint64_t now = uint64_t(std::chrono::steady_clock::now().time_since_epoch().count());
        std::seed_seq seed{device(), device(), device(), device(), uint32_t(now), uint32_t(now >> 32)};
        return std::mt19937_64(seed);
    }();
    uint64_t key = 0;
    while (key == 0) key = random();
    return key;
}

// The key of a league read from a file that gave it none: the same in every program
// that reads that file, so that their keeps agree on which league is which.
uint64_t keyOfFirstVersion(const std::string& checksum, std::size_t index)
{
    uint64_t h = 0xcbf29ce484222325ull;
    auto mix = [&](uint8_t byte) { h = (h ^ byte) * 0x100000001b3ull; };
    for (char c : checksum) mix(uint8_t(c));
    for (int i = 0; i < 8; ++i) mix(uint8_t(uint64_t(index) >> (8 * i)));
    return h == 0 ? 1 : h;
}

// The kept leagues of db, the teams they list and the players those teams reach,
// imported ones only: a game record a kept team lists stays a reference to the game's
// record, with what says where it is listed.
template <class Teams, class Players>
void collect(const std::vector<const CLeague*>& leagues, const Teams& forEachTeam, const Players& forEachPlayer,
             const std::function<bool(uint32_t)>& isPlayer, CContent& out)
{
    std::unordered_set<uint32_t> keptTeams, keptPlayers;
    for (const CLeague* l : leagues)
        for (uint32_t id : l->teamIds)
            if (isImportedId(id)) keptTeams.insert(id);
    std::vector<const CTeam*> teams;
    forEachTeam([&](const CTeam& t) {
        if (!keptTeams.count(t.id)) return;
        teams.push_back(&t);
        for (const auto* list : {&t.players, &t.loadedPlayers, &t.incomingPlayers})
            for (uint32_t id : *list)
                if (isImportedId(id) && isPlayer(id)) keptPlayers.insert(id);
    });
    keptTeams.clear();
    for (const CTeam* t : teams) keptTeams.insert(t->id);
    auto ofKeptTeam = [&](uint32_t id) { return keptTeams.count(id) != 0; };
    std::vector<const CPlayer*> players;
    forEachPlayer([&](const CPlayer& p) {
        const bool ofKept = ofKeptTeam(p.teamId) || ofKeptTeam(p.destinationTeamId);
        if (keptPlayers.count(p.id) || (isImportedId(p.id) && ofKept))
            players.push_back(&p);
        else if (!isImportedId(p.id) && ofKept)
            out.links.push_back({p.id, p.teamId, p.destinationTeamId, p.copyMark});
    });
    std::unordered_set<uint32_t> written;
    for (const CPlayer* p : players) written.insert(p->id);
    // A kept player moved or copied onto a game team is listed there by the game team's
    // incoming list alone, which the game's files never hold.
    forEachTeam([&](const CTeam& t) {
        if (isImportedId(t.id)) return;
        for (uint32_t id : t.incomingPlayers)
            if (written.count(id)) out.incoming.push_back({t.id, id});
    });
    out.teams.insert(out.teams.end(), teams.begin(), teams.end());
    out.players.insert(out.players.end(), players.begin(), players.end());
}

void collect(const CDatabase& db, CContent& out)
{
    for (const CLeague* l : db.leagues())
        if (l->importedLeague && hasTeams(*l)) out.leagues.push_back(l);
    collect(
        out.leagues, [&](auto&& f) { db.forEachTeam(f); }, [&](auto&& f) { db.forEachPlayer(f); },
        [&](uint32_t id) { return db.player(id) != nullptr; }, out);
}

std::vector<uint8_t> bytesOf(const CContent& c)
{
    CWriter w;
    w.bytes.reserve(kHeaderBytes + c.teams.size() * 512 + c.players.size() * 96);
    w.bytes.assign(std::begin(kMagic), std::end(kMagic));
    w.put(kVersion, 4);
    w.put(uint32_t(c.leagues.size()), 4);
    w.put(uint32_t(c.teams.size()), 4);
    w.put(uint32_t(c.players.size()), 4);
    w.put(uint32_t(c.links.size()), 4);
    for (std::size_t i = 0; i < c.leagues.size(); ++i)
    {
        leagueFields(*c.leagues[i], w);
        w.put(uint32_t(c.keys[i]), 4);
        w.put(uint32_t(c.keys[i] >> 32), 4);
    }
    for (const CTeam* t : c.teams) teamFields(*t, w);
    for (const CPlayer* p : c.players) playerFields(*p, w);
    for (const auto& link : c.links)
        for (uint32_t v : {link.playerId, link.teamId, link.destinationTeamId, link.copyMark}) w.put(v, 4);
    w.put(uint32_t(c.incoming.size()), 4);
    for (const auto& entry : c.incoming)
    {
        w.put(entry.teamId, 4);
        w.put(entry.playerId, 4);
    }
    const std::string sum = checksumText(w.bytes);
    w.bytes.insert(w.bytes.end(), sum.begin(), sum.end());
    return std::move(w.bytes);
}
} // namespace

std::vector<uint8_t> keptformat::encode(const CDatabase& db, const std::vector<uint64_t>& keys)
{
    CContent c;
    collect(db, c);
    c.keys = keys;
    c.keys.resize(c.leagues.size());
    for (uint64_t& key : c.keys)
        if (key == 0) key = newKey();
    return bytesOf(c);
}

std::optional<std::string> keptformat::decode(std::span<const uint8_t> bytes, const std::string& fileName, CDecoded& out)
{
    out = {};
    try
    {
        if (bytes.size() < kHeaderBytes + kChecksumBytes || !std::equal(std::begin(kMagic), std::end(kMagic), bytes.begin()))
            CReader::fail(0, "not a kept-league file (" + std::to_string(bytes.size()) + " bytes, no header)");
        const std::size_t end = bytes.size() - kChecksumBytes;
        const std::string stored(bytes.begin() + std::ptrdiff_t(end), bytes.end());
        if (checksumText(bytes.first(end)) != stored)
            CReader::fail(end, "the checksum does not match: the file is damaged or cut short");
        CReader r(bytes, end);
        r.take(4, "the magic");
        r.take(4, "the magic");
        const uint32_t version = r.take(4, "the version");
        if (version < kFirstVersion || version > kVersion)
            CReader::fail(8, "format version " + std::to_string(version) + " is not one this Obrix reads (" +
                                 std::to_string(kFirstVersion) + " to " + std::to_string(kVersion) + ")");
        const bool first = version == kFirstVersion;
        const std::size_t linkBytes = first ? 3 * 4 : 4 * 4;
        const uint32_t counts[4] = {r.take(4, "the league count"), r.take(4, "the team count"),
                                    r.take(4, "the player count"), r.take(4, "the link count")};
        const std::size_t smallest[4] = {smallestRecord<CLeague>([](auto& l, auto&& f) { leagueFields(l, f); }) + (first ? 0 : 8),
                                         smallestRecord<CTeam>([](auto& t, auto&& f) { teamFields(t, f); }),
                                         smallestRecord<CPlayer>([](auto& p, auto&& f) { playerFields(p, f); }),
                                         linkBytes};
        uint64_t least = first ? 0 : 4;
        for (int i = 0; i < 4; ++i) least += uint64_t(counts[i]) * smallest[i];
        if (least > r.left()) CReader::fail(12, "the record counts do not fit in the file");

        out.leagues.resize(counts[0]);
        out.keys.resize(counts[0]);
        out.teams.resize(counts[1]);
        out.players.resize(counts[2]);
        for (std::size_t i = 0; i < out.leagues.size(); ++i)
        {
            leagueFields(out.leagues[i], r);
            if (first)
                out.keys[i] = keyOfFirstVersion(stored, i);
            else
            {
                const uint64_t low = r.take(4, "a league key");
                out.keys[i] = low | uint64_t(r.take(4, "a league key")) << 32;
            }
        }
        for (CTeam& t : out.teams) teamFields(t, r);
        for (CPlayer& p : out.players) playerFields(p, r);
        out.links.resize(counts[3]);
        for (auto& link : out.links)
        {
            link.playerId = r.take(4, "a linked player id");
            link.teamId = r.take(4, "a linked team id");
            link.destinationTeamId = r.take(4, "a linked destination");
            // A first-version link said nothing of a copy: a move, as that version read it.
            link.copyMark = first ? 0 : r.take(4, "a linked copy mark");
            if (isImportedId(link.playerId))
                CReader::fail(r.offset() - linkBytes, "a link names the imported player " + std::to_string(link.playerId));
        }
        if (!first)
        {
            const std::size_t at = r.offset();
            const uint32_t n = r.take(4, "the count of incoming players");
            if (n > r.left() / kIncomingBytes) CReader::fail(at, std::to_string(n) + " incoming players do not fit");
            out.incoming.resize(n);
            for (auto& entry : out.incoming)
            {
                entry.teamId = r.take(4, "an incoming player's team");
                entry.playerId = r.take(4, "an incoming player");
                if (isImportedId(entry.teamId) || !isImportedId(entry.playerId))
                    CReader::fail(r.offset() - kIncomingBytes, "an incoming entry names team " + std::to_string(entry.teamId) +
                                                                  " and player " + std::to_string(entry.playerId));
            }
        }
        if (r.left() != 0) CReader::fail(r.offset(), std::to_string(r.left()) + " bytes after the last record");

        // What the database would not hold: kept records are imported ones, each once,
        // and a kept league is an imported league.
        auto unique = [](std::vector<uint32_t> ids, const char* what) {
            std::sort(ids.begin(), ids.end());
            for (std::size_t i = 0; i < ids.size(); ++i)
                if (!isImportedId(ids[i]) || (i > 0 && ids[i] == ids[i - 1]))
                    CReader::fail(0, std::string(what) + " id " + std::to_string(ids[i]) +
                                         " is not one a kept record can have (not imported, or twice)");
        };
        std::vector<uint32_t> ids;
        for (const CTeam& t : out.teams) ids.push_back(t.id);
        unique(std::move(ids), "team");
        ids.clear();
        for (const CPlayer& p : out.players) ids.push_back(p.id);
        unique(std::move(ids), "player");
        for (const CLeague& l : out.leagues)
            if (!l.importedLeague) CReader::fail(0, "the league " + l.displayName + " is not marked as imported");
    }
    catch (const CReadError& e)
    {
        out = {};
        return fileName + ": " + e.what();
    }
    return std::nullopt;
}

namespace
{
// Import generations renumbered from `first` on, in their order, so that the kept
// records take the generations right after the database's own, whatever gaps removed
// leagues left. The low 16 bits of every id stay.
class CGenerationMap
{
public:
    explicit CGenerationMap(const keptformat::CDecoded& d)
    {
        auto note = [&](uint32_t id) {
            if (isImportedId(id)) m_old.push_back(id & kGenerationMask);
        };
        for (const CLeague& l : d.leagues)
            for (uint32_t id : l.teamIds) note(id);
        for (const CTeam& t : d.teams)
        {
            note(t.id);
            for (const auto* list : {&t.players, &t.loadedPlayers, &t.incomingPlayers})
                for (uint32_t id : *list) note(id);
        }
        for (const CPlayer& p : d.players)
        {
            note(p.id);
            note(p.teamId);
            note(p.destinationTeamId);
            note(p.copyMark);
        }
        for (const auto& link : d.links)
        {
            note(link.teamId);
            note(link.destinationTeamId);
            note(link.copyMark);
        }
        std::sort(m_old.begin(), m_old.end());
        m_old.erase(std::unique(m_old.begin(), m_old.end()), m_old.end());
    }
    std::size_t size() const { return m_old.size(); }
    void startAt(uint32_t first) { m_first = first; }
    uint32_t operator()(uint32_t id) const
    {
        if (!isImportedId(id)) return id;
        const auto it = std::lower_bound(m_old.begin(), m_old.end(), id & kGenerationMask);
        return m_first + uint32_t(it - m_old.begin()) * CDatabase::kImportedIdBase + (id & ~kGenerationMask);
    }
    uint32_t next() const { return m_first + uint32_t(m_old.size()) * CDatabase::kImportedIdBase; }

private:
    std::vector<uint32_t> m_old;
    uint32_t m_first = 0;
};

// Every id of a decoded file taken into the generations map gives.
void renumber(keptformat::CDecoded& d, const CGenerationMap& map)
{
    for (CLeague& l : d.leagues)
        for (uint32_t& id : l.teamIds) id = map(id);
    for (CTeam& t : d.teams)
    {
        t.id = map(t.id);
        for (auto* list : {&t.players, &t.loadedPlayers, &t.incomingPlayers})
            for (uint32_t& id : *list) id = map(id);
    }
    for (CPlayer& p : d.players)
        for (uint32_t* id : {&p.id, &p.teamId, &p.destinationTeamId, &p.copyMark}) *id = map(*id);
    for (auto& link : d.links)
        for (uint32_t* id : {&link.teamId, &link.destinationTeamId, &link.copyMark}) *id = map(*id);
    for (auto& entry : d.incoming) entry.playerId = map(entry.playerId);
}

// The leagues of a decoded file at the given positions, with what they reach, added to out.
void collectDecoded(const keptformat::CDecoded& d, const std::vector<std::size_t>& positions, CContent& out)
{
    CContent part;
    for (std::size_t i : positions)
    {
        part.leagues.push_back(&d.leagues[i]);
        out.keys.push_back(d.keys[i]);
    }
    std::unordered_set<uint32_t> ids;
    for (const CPlayer& p : d.players) ids.insert(p.id);
    collect(
        part.leagues,
        [&](auto&& f) {
            for (const CTeam& t : d.teams) f(t);
        },
        [&](auto&& f) {
            for (const CPlayer& p : d.players) f(p);
        },
        [&](uint32_t id) { return ids.count(id) != 0; }, part);
    std::unordered_set<uint32_t> teams, players;
    for (const CTeam* t : part.teams) teams.insert(t->id);
    for (const CPlayer* p : part.players) players.insert(p->id);
    for (const auto& link : d.links)
        if (teams.count(link.teamId) || teams.count(link.destinationTeamId)) out.links.push_back(link);
    for (const auto& entry : d.incoming)
        if (players.count(entry.playerId)) out.incoming.push_back(entry);
    out.leagues.insert(out.leagues.end(), part.leagues.begin(), part.leagues.end());
    out.teams.insert(out.teams.end(), part.teams.begin(), part.teams.end());
    out.players.insert(out.players.end(), part.players.begin(), part.players.end());
}

bool fitsGenerations(const CGenerationMap& map, uint32_t first)
{
    return map.size() <= kMaxGenerations &&
           uint64_t(first) + uint64_t(map.size()) * CDatabase::kImportedIdBase <= 0xFFFF0000ull;
}

// Puts one decoded file's records into db. False (and db untouched) with the reason
// when they would not fit in.
std::optional<std::string> addDecoded(CTransaction& db, keptformat::CDecoded& d)
{
    CGenerationMap map(d);
    const uint32_t first = std::max(db.db().importGeneration(), CDatabase::kFirstImportGeneration);
    if (!fitsGenerations(map, first)) return "it holds more import generations than one run can take";
    map.startAt(first);
    renumber(d, map);
    for (const CTeam& t : d.teams)
        if (db.db().team(t.id)) return "team id " + std::to_string(t.id) + " is already taken";
    for (const CPlayer& p : d.players)
        if (db.db().player(p.id)) return "player id " + std::to_string(p.id) + " is already taken";

    // The tables make room once, for the last id, rather than step by step with each record.
    uint32_t lastPlayer = 0, lastTeam = 0;
    for (const CPlayer& p : d.players) lastPlayer = std::max(lastPlayer, p.id);
    for (const CTeam& t : d.teams) lastTeam = std::max(lastTeam, t.id);
    if (lastPlayer >= db.db().playerTableSize()) db.reservePlayers(lastPlayer);
    if (lastTeam >= db.db().teamTableSize()) db.reserveTeams(lastTeam);
    std::vector<uint32_t> added;
    added.reserve(d.players.size());
    for (CPlayer& p : d.players)
    {
        added.push_back(p.id);
        db.addPlayer(std::make_unique<CPlayer>(std::move(p)));
    }
    for (CTeam& t : d.teams) db.addTeam(std::make_unique<CTeam>(std::move(t)));
    // The game's players a kept team lists point at it, as the import left them; one the
    // game's files no longer have stays out.
    for (const auto& link : d.links)
        if (CPlayer* p = db.db().player(link.playerId) ? db.player(link.playerId) : nullptr)
        {
            p->teamId = link.teamId;
            p->destinationTeamId = link.destinationTeamId;
            p->copyMark = link.copyMark;
        }
    // A kept player on his way to a game team is listed there again; where that team is
    // gone or full, he goes back to the team he came from rather than to no team at all.
    for (const auto& entry : d.incoming)
        if (db.db().team(entry.teamId) && db.db().player(entry.playerId))
        {
            const CTeam& team = *db.db().team(entry.teamId);
            const uint32_t id = entry.playerId;
            if (std::find(team.incomingPlayers.begin(), team.incomingPlayers.end(), id) == team.incomingPlayers.end())
                db.team(entry.teamId)->addIncoming(id);
        }
    for (uint32_t id : added)
    {
        const CPlayer& p = *db.db().player(id);
        if (p.destinationTeamId == 0 || isImportedId(p.destinationTeamId)) continue;
        const CTeam* to = db.db().team(p.destinationTeamId);
        if (to && std::find(to->incomingPlayers.begin(), to->incomingPlayers.end(), p.id) != to->incomingPlayers.end())
            continue;
        CPlayer& back = *db.player(p.id);
        back.destinationTeamId = 0;
        back.copyMark = 0;
    }
    for (CLeague& l : d.leagues) db.addLeague(std::make_unique<CLeague>(std::move(l)));
    db.setImportGeneration(map.next());
    return std::nullopt;
}
} // namespace

CKeptLeagues::CKeptLeagues(const fs::path& dataFolder, const fs::path& gameFolder)
    // The same per-game-folder name the backup uses, so both are found side by side.
    : m_folder(dataFolder / "LEAGUES" / CBackup(dataFolder, gameFolder, {}).folder().filename())
{
}

namespace
{
// The kept files in a folder listing, in number order.
std::vector<std::pair<int, std::string>> keptFiles(const std::vector<std::string>& names)
{
    std::vector<std::pair<int, std::string>> kept;
    for (const std::string& name : names)
        if (const int n = keptNumber(name)) kept.emplace_back(n, name);
    std::sort(kept.begin(), kept.end());
    return kept;
}

// The folder's lock, the folder made first when asked: another program may remove it,
// empty, between the two steps, so that is tried again.
CFolderLock::CResult lockFolder(CFolderLock& lock, const fs::path& folder, bool create)
{
    for (int attempt = 0;; ++attempt)
    {
        std::error_code ec;
        if (create) fs::create_directories(folder, ec);
        const CFolderLock::CResult result = lock.acquire(folder, CFolderLock::defaultWait());
        if (result != CFolderLock::CResult::Failed || !create || attempt == 3 || fs::is_directory(folder, ec))
            return result;
    }
}
} // namespace

std::vector<uint64_t> CKeptLeagues::keysFor(const CDatabase& db)
{
    std::vector<uint64_t> keys;
    std::set<uint64_t> used;
    for (const CLeague* l : db.leagues())
    {
        if (!l->importedLeague || !hasTeams(*l)) continue;
        uint64_t key = 0;
        for (uint32_t id : l->teamIds)
            if (const auto it = m_teamKeys.find(id); it != m_teamKeys.end() && !used.count(it->second))
            {
                key = it->second;
                break;
            }
        if (key == 0) key = newKey();
        used.insert(key);
        keys.push_back(key);
        m_known.insert(key);
        for (uint32_t id : l->teamIds)
            if (isImportedId(id)) m_teamKeys[id] = key;
    }
    return keys;
}

std::optional<std::string> CKeptLeagues::keep(const CDatabase& db, bool* failed)
{
    if (failed) *failed = false;
    auto failure = [&](const std::string& why) -> std::optional<std::string> {
        if (failed) *failed = true;
        return translatedArgs("keptleaguetexts", keptleaguetexts::kKeepFailed, {utf8FromPath(m_folder), why});
    };
    using namespace keptleaguetexts;
    CFileSystem& files = CFileSystem::real();
    CContent content;
    collect(db, content);
    content.keys = keysFor(db);
    const bool ours = !content.leagues.empty();
    std::error_code ec;
    auto dropOldSets = [&] {
        for (const fs::path& set : m_oldSets)
        {
            fs::remove_all(set, ec);
            if (set.parent_path() != m_folder) fs::remove(set.parent_path(), ec);  // the earlier ".old", when empty
        }
        m_oldSets.clear();
    };

    CFileStatus st;
    if (!files.status(m_folder, st)) return failure(fileFailure(m_folder, "examine", errno));
    if (!st.exists && !ours)
    {
        m_owned.clear();
        dropOldSets();
        return std::nullopt;
    }
    if (ours)
    {
        fs::create_directories(m_folder, ec);
        if (ec) return failure(ec.message());
    }
    // Under the lock, so that two programs keeping at once take in each other's leagues
    // rather than writing past them (or into each other's commit).
    CFolderLock lock;
    switch (lockFolder(lock, m_folder, ours))
    {
    case CFolderLock::CResult::Locked: break;
    // The folder takes no new file: no other program can keep there either, and the
    // commit below fails with its own reason.
    case CFolderLock::CResult::NoLockFile: break;
    case CFolderLock::CResult::Busy: return failure(translated("keptleaguetexts", kInUse));
    case CFolderLock::CResult::Failed:
        if (!ours && !fs::exists(m_folder, ec)) return std::nullopt;  // gone meanwhile: nothing to remove
        return failure(lock.failure());
    }
    const CRecovery recovery = recoverCommit(files, m_folder);
    if (recovery.state == CRecovery::CState::Failed) return failure(recovery.message);

    // What is kept there now: this object's leagues are written as db holds them (a
    // known key db no longer has was removed here); any other league another program
    // kept meanwhile, and goes along, its ids moved past db's own.
    std::vector<std::string> names;
    if (!files.listFolder(m_folder, names)) return failure(fileFailure(m_folder, "list", errno));
    std::deque<keptformat::CDecoded> others;
    std::map<std::string, std::string> readable;  // name -> checksum of its bytes
    std::vector<std::string> unreadable;
    std::set<uint64_t> taken(content.keys.begin(), content.keys.end());
    uint32_t nextGeneration = std::max(db.importGeneration(), CDatabase::kFirstImportGeneration);
    for (const auto& [n, name] : keptFiles(names))
    {
        std::vector<uint8_t> bytes;
        keptformat::CDecoded decoded;
        if (!files.readFile(m_folder / name, bytes) || keptformat::decode(bytes, name, decoded))
        {
            unreadable.push_back(name);
            continue;
        }
        std::vector<std::size_t> foreign;
        for (std::size_t i = 0; i < decoded.leagues.size(); ++i)
            if (!m_known.count(decoded.keys[i]) && taken.insert(decoded.keys[i]).second) foreign.push_back(i);
        if (!foreign.empty())
        {
            CGenerationMap map(decoded);
            if (!fitsGenerations(map, nextGeneration)) return failure(name + ": too many import generations to take in");
            map.startAt(nextGeneration);
            nextGeneration = map.next();
            renumber(decoded, map);
            others.push_back(std::move(decoded));
            collectDecoded(others.back(), foreign, content);
        }
        readable[name] = checksumText(bytes);
    }
    const bool any = !content.leagues.empty();

    std::string target;
    for (int n = 1; n <= kMaxKeptFiles && target.empty(); ++n)
        if (std::find(unreadable.begin(), unreadable.end(), keptName(n)) == unreadable.end()) target = keptName(n);
    if (any && target.empty()) return failure("no free file name is left");

    std::string note;
    if (any)
    {
        const std::vector<uint8_t> bytes = bytesOf(content);
        // Most saves change no imported league: the file already holds these bytes.
        const auto there = readable.find(target);
        if (there == readable.end() || there->second != checksumText(bytes))
            if (const auto error = commitFiles(files, {{m_folder / target, bytes, {}}}, "keep")) return failure(*error);
        const bool wasOurs = std::find(m_owned.begin(), m_owned.end(), target) != m_owned.end();
        if (!unreadable.empty() && keptNumber(unreadable.front()) < keptNumber(target) && !wasOurs)
            note = translatedArgs("keptleaguetexts", kKeptElsewhere, {utf8FromPath(m_folder / target), utf8FromPath(m_folder / unreadable.front())});
    }
    // Every other file read whole is in the new one now (or was removed by the user).
    for (const auto& [name, checksum] : readable)
        if (!(any && name == target)) files.removeFile(m_folder / name);
    m_owned.clear();
    if (any) m_owned.push_back(target);
    dropOldSets();
    files.syncFolder(m_folder);
    lock.release();
    if (!any) fs::remove(m_folder, ec);  // only when empty
    if (note.empty()) return std::nullopt;
    return note;
}

std::size_t CKeptLeagues::restoreFiles(CTransaction& db, CPrompts& prompts, bool recover)
{
    using namespace keptleaguetexts;
    CFileSystem& files = CFileSystem::real();
    // A keep cut off half way is finished or undone first; never one another program
    // is making while this one could not have the lock.
    if (recover)
    {
        const CRecovery recovery = recoverCommit(files, m_folder);
        if (recovery.state == CRecovery::CState::Failed) prompts.message(recovery.message, CPrompts::CIcon::Warning);
    }

    std::vector<std::string> names;
    if (!files.listFolder(m_folder, names))
    {
        prompts.message(translatedArgs("keptleaguetexts", kFolderUnreadable, {utf8FromPath(m_folder), systemReason(errno)}),
                        CPrompts::CIcon::Warning);
        return 0;
    }
    std::size_t restored = 0;
    for (const auto& [n, name] : keptFiles(names))
    {
        const fs::path path = m_folder / name;
        std::vector<uint8_t> bytes;
        keptformat::CDecoded decoded;
        std::optional<std::string> why;
        if (!files.readFile(path, bytes))
            why = systemReason(errno);
        else if (auto error = keptformat::decode(bytes, name, decoded))
            why = *error;
        else
        {
            // A league another file already brought back is listed once.
            for (std::size_t i = decoded.leagues.size(); i-- > 0;)
                if (m_known.count(decoded.keys[i]) ||
                    std::find(decoded.keys.begin(), decoded.keys.begin() + std::ptrdiff_t(i), decoded.keys[i]) !=
                        decoded.keys.begin() + std::ptrdiff_t(i))
                {
                    decoded.leagues.erase(decoded.leagues.begin() + std::ptrdiff_t(i));
                    decoded.keys.erase(decoded.keys.begin() + std::ptrdiff_t(i));
                }
            const std::vector<uint64_t> keys = decoded.keys;
            why = addDecoded(db, decoded);
            if (!why)
            {
                restored += keys.size();
                const auto leagues = db.db().leagues();
                for (std::size_t i = 0; i < keys.size(); ++i)
                {
                    m_known.insert(keys[i]);
                    for (uint32_t id : leagues[leagues.size() - keys.size() + i]->teamIds)
                        if (isImportedId(id)) m_teamKeys[id] = keys[i];
                }
                m_owned.push_back(name);
            }
        }
        if (why) prompts.message(translatedArgs("keptleaguetexts", kUnreadable, {utf8FromPath(path), why->c_str()}), CPrompts::CIcon::Warning);
    }

    return restored;
}

std::size_t CKeptLeagues::restore(CTransaction& db, CPrompts& prompts)
{
    using namespace keptleaguetexts;
    CFileSystem& files = CFileSystem::real();
    m_owned.clear();
    m_oldSets.clear();
    m_known.clear();
    m_teamKeys.clear();
    const bool wasModified = db.db().modified();
    std::size_t restored = 0;

    CFileStatus folderStatus;
    if (!files.status(m_folder, folderStatus))
    {
        prompts.message(translatedArgs("keptleaguetexts", kFolderUnreadable, {utf8FromPath(m_folder), systemReason(errno)}),
                        CPrompts::CIcon::Warning);
        return 0;
    }
    if (folderStatus.exists)
    {
        // Read under the lock, so that a keep another program has half done is neither
        // read half way nor undone; when the lock cannot be had, the files are read as
        // they stand (each is replaced whole) and any unfinished keep is left to its maker.
        CFolderLock lock;
        const bool locked = lockFolder(lock, m_folder, false) == CFolderLock::CResult::Locked;
        restored += restoreFiles(db, prompts, locked);
    }

    // Leagues an earlier version kept as exchange sets: imported once more, then written
    // in the new form by the next keep. One that cannot be read is left where it is.
    CInProcessPacker packer;
    fs::path oldFolder = m_folder;
    std::vector<fs::path> sets = oldSets(m_folder);
    if (sets.empty())
    {
        // That version swapped its sets by two renames; cut off between them, the
        // whole set is under this name.
        oldFolder = m_folder.parent_path() / (utf8FromPath(m_folder.filename()) + ".old");
        sets = oldSets(oldFolder);
    }
    for (const fs::path& set : sets)
    {
        const std::string name = readName(set / kNameFile);
        if (importDbFiles(db, utf8FromPath(set), name.empty() ? utf8FromPath(set.filename()) : name, packer, prompts))
        {
            ++restored;
            m_oldSets.push_back(set);
            continue;
        }
        prompts.message(translatedArgs("keptleaguetexts", kOldSetUnreadable, {name, utf8FromPath(set)}), CPrompts::CIcon::Warning);
    }
    db.setModified(wasModified);
    return restored;
}

bool removeImportedLeague(CTransaction& db, std::size_t position)
{
    auto& leagues = db.leagues();
    if (position >= leagues.size() || !leagues[position]->importedLeague) return false;
    // Nothing of the game's files changes, so there is nothing to save.
    leagues.erase(leagues.begin() + std::ptrdiff_t(position));
    return true;
}

std::string withImportedLeagueNote(const std::string& warning, const CDatabase& db)
{
    const bool any = std::any_of(db.leagues().begin(), db.leagues().end(),
                                 [](const auto& league) { return league->importedLeague != 0; });
    if (!any) return warning;
    const std::string note = translated("keptleaguetexts", keptleaguetexts::kImportedLeagueNote) + "\n\n";
    const std::size_t question = warning.rfind("\n\n");
    if (question == std::string::npos) return warning + "\n\n" + note;
    return warning.substr(0, question + 2) + note + warning.substr(question + 2);
}
