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
#include "util/Format.h"
#include "util/PathText.h"

#include <algorithm>
#include <cctype>
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
//   "OBXKEPT" 0x1A, u32 version (1)
//   u32 league count, u32 team count, u32 player count, u32 game-player link count
//   the leagues, the teams, the players: each field of the record in the order the
//     visitors below give (u8, u16, u32 as their type; a text as u32 length and bytes;
//     a slot list as 26 u32; the league's team ids as u32 count and u32s)
//   the game-player links: u32 player id, team id, destination team id of each game
//     player whose team or destination is a kept team (an import lists game players)
//   16 hex digits: the checksum (util/FileCommit.h) of every byte before them
//
// The fields are listed once, in the visitors, for both directions, so the writer and
// the reader cannot disagree. A field added to a record goes into its visitor and the
// version goes up.
namespace
{
constexpr uint8_t kMagic[8] = {'O', 'B', 'X', 'K', 'E', 'P', 'T', 0x1A};
constexpr uint32_t kVersion = 1;
constexpr std::size_t kHeaderBytes = 8 + 5 * 4;
constexpr std::size_t kLinkBytes = 3 * 4;
constexpr std::size_t kChecksumBytes = 16;
constexpr uint32_t kMaxText = 1u << 16;
constexpr uint32_t kGenerationMask = 0xFFFF0000u;
// At most this many import generations in one file: more would grow the id tables
// beyond what a start should allocate.
constexpr std::size_t kMaxGenerations = 4096;

template <class L, class F>
void leagueFields(L& l, F&& f)
{
    f(l.editorOnly);
    f(l.teamIds);
    f(l.slotCount);
    f(l.displayName);
    f(l.id);
    f(l.importedLeague);
    f(l.modified);
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

std::vector<uint8_t> keptformat::encode(const CDatabase& db)
{
    std::vector<const CLeague*> leagues;
    for (const CLeague* l : db.leagues())
        if (l->importedLeague && hasTeams(*l)) leagues.push_back(l);

    // The teams the leagues list and the players those teams reach, imported ones only:
    // a game record a kept team lists stays a reference to the game's record.
    std::vector<bool> keptTeam(db.teamTableSize()), keptPlayer(db.playerTableSize());
    for (const CLeague* l : leagues)
        for (uint32_t id : l->teamIds)
            if (isImportedId(id) && db.team(id)) keptTeam[id] = true;
    auto reach = [&](uint32_t id) {
        if (isImportedId(id) && db.player(id)) keptPlayer[id] = true;
    };
    std::vector<const CTeam*> teams;
    db.forEachTeam([&](const CTeam& t) {
        if (!keptTeam[t.id]) return;
        teams.push_back(&t);
        for (const auto* list : {&t.players, &t.loadedPlayers, &t.incomingPlayers})
            for (uint32_t id : *list) reach(id);
    });
    std::vector<const CPlayer*> players, linked;
    auto ofKeptTeam = [&](uint32_t id) { return id < keptTeam.size() && keptTeam[id]; };
    db.forEachPlayer([&](const CPlayer& p) {
        const bool ofKept = ofKeptTeam(p.teamId) || ofKeptTeam(p.destinationTeamId);
        if (keptPlayer[p.id] || (isImportedId(p.id) && ofKept))
            players.push_back(&p);
        else if (!isImportedId(p.id) && ofKept)
            linked.push_back(&p);
    });

    CWriter w;
    w.bytes.reserve(kHeaderBytes + teams.size() * 512 + players.size() * 96);
    w.bytes.assign(std::begin(kMagic), std::end(kMagic));
    w.put(kVersion, 4);
    w.put(uint32_t(leagues.size()), 4);
    w.put(uint32_t(teams.size()), 4);
    w.put(uint32_t(players.size()), 4);
    w.put(uint32_t(linked.size()), 4);
    for (const CLeague* l : leagues) leagueFields(*l, w);
    for (const CTeam* t : teams) teamFields(*t, w);
    for (const CPlayer* p : players) playerFields(*p, w);
    for (const CPlayer* p : linked)
    {
        w.put(p->id, 4);
        w.put(p->teamId, 4);
        w.put(p->destinationTeamId, 4);
    }
    const std::string sum = checksumText(w.bytes);
    w.bytes.insert(w.bytes.end(), sum.begin(), sum.end());
    return std::move(w.bytes);
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
        if (version != kVersion)
            CReader::fail(8, "format version " + std::to_string(version) + " is not one this Obrix reads (" +
                                 std::to_string(kVersion) + ")");
        const uint32_t counts[4] = {r.take(4, "the league count"), r.take(4, "the team count"),
                                    r.take(4, "the player count"), r.take(4, "the link count")};
        const std::size_t smallest[4] = {smallestRecord<CLeague>([](auto& l, auto&& f) { leagueFields(l, f); }),
                                         smallestRecord<CTeam>([](auto& t, auto&& f) { teamFields(t, f); }),
                                         smallestRecord<CPlayer>([](auto& p, auto&& f) { playerFields(p, f); }),
                                         kLinkBytes};
        uint64_t least = 0;
        for (int i = 0; i < 4; ++i) least += uint64_t(counts[i]) * smallest[i];
        if (least > r.left()) CReader::fail(12, "the record counts do not fit in the file");

        out.leagues.resize(counts[0]);
        out.teams.resize(counts[1]);
        out.players.resize(counts[2]);
        for (CLeague& l : out.leagues) leagueFields(l, r);
        for (CTeam& t : out.teams) teamFields(t, r);
        for (CPlayer& p : out.players) playerFields(p, r);
        out.links.resize(counts[3]);
        for (auto& link : out.links)
        {
            link.playerId = r.take(4, "a linked player id");
            link.teamId = r.take(4, "a linked team id");
            link.destinationTeamId = r.take(4, "a linked destination");
            if (isImportedId(link.playerId))
                CReader::fail(r.offset() - kLinkBytes, "a link names the imported player " + std::to_string(link.playerId));
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
        }
        for (const auto& link : d.links)
        {
            note(link.teamId);
            note(link.destinationTeamId);
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

// Puts one decoded file's records into db. False (and db untouched) with the reason
// when they would not fit in.
std::optional<std::string> addDecoded(CTransaction& db, keptformat::CDecoded& d)
{
    CGenerationMap map(d);
    const uint32_t first = std::max(db.db().importGeneration(), CDatabase::kFirstImportGeneration);
    if (map.size() > kMaxGenerations ||
        uint64_t(first) + uint64_t(map.size()) * CDatabase::kImportedIdBase > 0xFFFF0000ull)
        return "it holds more import generations than one run can take";
    map.startAt(first);
    for (const CTeam& t : d.teams)
        if (db.db().team(map(t.id))) return "team id " + std::to_string(map(t.id)) + " is already taken";
    for (const CPlayer& p : d.players)
        if (db.db().player(map(p.id))) return "player id " + std::to_string(map(p.id)) + " is already taken";

    // The tables grow once, to the last id, rather than step by step with each record:
    // 200 leagues reach ids of 13 million, and each step would move the tables again.
    uint32_t lastPlayer = 0, lastTeam = 0;
    for (const CPlayer& p : d.players) lastPlayer = std::max(lastPlayer, map(p.id));
    for (const CTeam& t : d.teams) lastTeam = std::max(lastTeam, map(t.id));
    if (lastPlayer >= db.db().playerTableSize()) db.reservePlayers(lastPlayer);
    if (lastTeam >= db.db().teamTableSize()) db.reserveTeams(lastTeam);
    for (CPlayer& p : d.players)
    {
        p.id = map(p.id);
        p.teamId = map(p.teamId);
        p.destinationTeamId = map(p.destinationTeamId);
        db.addPlayer(std::make_unique<CPlayer>(std::move(p)));
    }
    for (CTeam& t : d.teams)
    {
        t.id = map(t.id);
        for (auto* list : {&t.players, &t.loadedPlayers, &t.incomingPlayers})
            for (uint32_t& id : *list) id = map(id);
        db.addTeam(std::make_unique<CTeam>(std::move(t)));
    }
    // The game's players a kept team lists point at it, as the import left them; one the
    // game's files no longer have stays out.
    for (const auto& link : d.links)
        if (CPlayer* p = db.db().player(link.playerId) ? db.player(link.playerId) : nullptr)
        {
            p->teamId = map(link.teamId);
            p->destinationTeamId = map(link.destinationTeamId);
        }
    for (CLeague& l : d.leagues)
    {
        for (uint32_t& id : l.teamIds) id = map(id);
        db.addLeague(std::make_unique<CLeague>(std::move(l)));
    }
    db.setImportGeneration(map.next());
    return std::nullopt;
}
} // namespace

CKeptLeagues::CKeptLeagues(const fs::path& dataFolder, const fs::path& gameFolder)
    // The same per-game-folder name the backup uses, so both are found side by side.
    : m_folder(dataFolder / "LEAGUES" / CBackup(dataFolder, gameFolder, {}).folder().filename())
{
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
    const std::vector<uint8_t> bytes = keptformat::encode(db);
    const bool any = std::any_of(db.leagues().begin(), db.leagues().end(),
                                 [](const CLeague* l) { return l->importedLeague && hasTeams(*l); });

    // A file is this object's to replace or remove only while it holds what this object
    // read or wrote: anything else (a file not read at the start, or changed since) stays.
    auto stillOurs = [&](const COwned& owned) {
        std::vector<uint8_t> now;
        return files.readFile(m_folder / owned.name, now) && checksumText(now) == owned.checksum;
    };
    auto owned = [&](const std::string& name) {
        return std::find_if(m_owned.begin(), m_owned.end(), [&](const COwned& o) { return o.name == name; });
    };

    std::string target;
    std::string notOurs;
    for (int n = 1; n <= kMaxKeptFiles && target.empty(); ++n)
    {
        const std::string name = keptName(n);
        CFileStatus st;
        if (!files.status(m_folder / name, st))
        {
            if (!any) break;
            return failure(fileFailure(m_folder / name, "examine", errno));
        }
        if (!st.exists || (owned(name) != m_owned.end() && stillOurs(*owned(name))))
            target = name;
        else if (notOurs.empty())
            notOurs = name;
    }
    if (any && target.empty()) return failure("no free file name is left");

    std::string note;
    if (any)
    {
        const bool wasOurs = owned(target) != m_owned.end();
        // Most saves change no imported league: the file already holds these bytes.
        if (!wasOurs || owned(target)->checksum != checksumText(bytes))
        {
            std::error_code ec;
            fs::create_directories(m_folder, ec);
            if (ec) return failure(ec.message());
            if (const auto error = commitFiles(files, {{m_folder / target, bytes, {}}}, "keep")) return failure(*error);
        }
        if (!notOurs.empty() && !wasOurs)
            note = translatedArgs("keptleaguetexts", kKeptElsewhere, {utf8FromPath(m_folder / target), utf8FromPath(m_folder / notOurs)});
    }

    // What this object kept before is now in the new file (or was removed by the user).
    std::vector<COwned> still;
    for (const COwned& o : m_owned)
    {
        if (any && o.name == target) continue;
        if (!stillOurs(o) || !files.removeFile(m_folder / o.name)) still.push_back(o);
    }
    m_owned = std::move(still);
    if (any) m_owned.push_back({target, checksumText(bytes)});
    std::error_code ec;
    for (const fs::path& set : m_oldSets)
    {
        fs::remove_all(set, ec);
        if (set.parent_path() != m_folder) fs::remove(set.parent_path(), ec);  // the earlier ".old", when empty
    }
    m_oldSets.clear();
    if (!any) fs::remove(m_folder, ec);  // only when empty
    files.syncFolder(m_folder);
    if (note.empty()) return std::nullopt;
    return note;
}

std::size_t CKeptLeagues::restoreFiles(CTransaction& db, CPrompts& prompts)
{
    using namespace keptleaguetexts;
    CFileSystem& files = CFileSystem::real();
    // A keep cut off half way is finished or undone first.
    const CRecovery recovery = recoverCommit(files, m_folder);
    if (recovery.state == CRecovery::CState::Failed) prompts.message(recovery.message, CPrompts::CIcon::Warning);

    std::vector<std::string> names;
    if (!files.listFolder(m_folder, names))
    {
        prompts.message(translatedArgs("keptleaguetexts", kFolderUnreadable, {utf8FromPath(m_folder), systemReason(errno)}),
                        CPrompts::CIcon::Warning);
        return 0;
    }
    std::size_t restored = 0;
    std::vector<std::pair<int, std::string>> kept;
    for (const std::string& name : names)
        if (const int n = keptNumber(name)) kept.emplace_back(n, name);
    std::sort(kept.begin(), kept.end());

    for (const auto& [n, name] : kept)
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
            const std::size_t leagues = decoded.leagues.size();
            why = addDecoded(db, decoded);
            if (!why)
            {
                restored += leagues;
                m_owned.push_back({name, checksumText(bytes)});
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
    const bool wasModified = db.db().modified();
    std::size_t restored = 0;

    CFileStatus folderStatus;
    if (!files.status(m_folder, folderStatus))
    {
        prompts.message(translatedArgs("keptleaguetexts", kFolderUnreadable, {utf8FromPath(m_folder), systemReason(errno)}),
                        CPrompts::CIcon::Warning);
        return 0;
    }
    if (folderStatus.exists) restored += restoreFiles(db, prompts);

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
