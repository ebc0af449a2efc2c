#include "database/GameFiles.h"
#include "util/Translatable.h"

#include "database/NameLanguages.h"
#include "database/RecordLayouts.h"
#include "database/RecordLimits.h"
#include "database/SpokenNames.h"
#include "util/ByteReader.h"
#include "util/FolderLock.h"
#include "util/Format.h"
#include "util/GamePath.h"
#include "util/Prefault.h"
#include "util/PathText.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace
{
constexpr std::size_t kDatabaseHeaderSize = 28;
constexpr std::size_t kMaxLeagueNameBytes = 80;

std::size_t tablePosition(const CByteReader& r, std::size_t offset, const char* what)
{
    return r.u32(offset, what) & 0xFFFF;
}

// Checks that count records of size bytes fit after offset without overflowing.
void requireRecords(const CByteReader& r, std::size_t offset, uint64_t count, std::size_t size, const char* what)
{
    if (offset > r.size() || count > (r.size() - offset) / size)
        throw CReadError(std::string(what) + " at offset " + hexOffset(offset) + " announces " + std::to_string(count)
                         + " records of " + std::to_string(size) + " bytes, more than the file ("
                         + std::to_string(r.size()) + " bytes) holds",
                         r.source());
}

std::size_t namePosition(const CByteReader& r, uint64_t base, std::size_t directoryOffset, const char* what)
{
    const uint64_t pos = base + r.u32(directoryOffset, what);
    if (pos >= r.size())
        throw CReadError(std::string(what) + " at offset " + hexOffset(directoryOffset) + " points to "
                         + hexOffset(std::size_t(pos)) + ", outside the file (" + std::to_string(r.size())
                         + " bytes)",
                         r.source());
    return std::size_t(pos);
}

uint32_t slotsFromLength(uint8_t length)
{
    if (length < 2) return 0;
    const uint32_t slots = (uint32_t(length) - 2) / 4 + 1;
    return slots & ~1u;
}

enum : int
{
    kInDatabase = 0,
    kInNames = 1,
};

template <class F>
std::optional<gameformat::CFormatError> guarded(F&& f)
{
    try
    {
        f();
        return std::nullopt;
    }
    catch (const CReadError& e)
    {
        return gameformat::CFormatError{e.source() == kInNames, e.what()};
    }
}
} // namespace

namespace gamepaths
{
std::string nameFilePath(const std::string& languageCode)
{
    return "\\DATA\\CMN\\FE\\FCDB_" + languageCode + ".DBI";
}

std::string playerNameFilePath(const std::string& languageCode)
{
    return languageCode == "JAP" ? "\\DATA\\CMN\\FE\\FCDBPJAP.DBI" : "\\DATA\\CMN\\FE\\FCDBPENG.DBI";
}
} // namespace gamepaths

namespace gameformat
{
std::optional<CFormatError> loadPlayers(CDatabase& db, std::span<const uint8_t> database,
                                        std::span<const uint8_t> playerNames)
{
    std::vector<CPlayer> loaded;
    uint32_t tableOffset = 0;
    auto error = guarded([&] {
        const CByteReader d(database, kInDatabase), n(playerNames, kInNames);
        const CTextEncoding encoding = encodingForLanguage(db.languageCode());
        d.require(0, kDatabaseHeaderSize, "header");
        tableOffset = uint32_t(tablePosition(d, 16, "player table position"));
        const uint32_t count = d.u32(tableOffset, "player record count");
        d.u32(tableOffset + 4, "player record size");
        requireRecords(d, tableOffset + 8, count, layouts::kPlayerRecordSize, "player table");
        // The directory of the name file must hold a position for every record.
        requireRecords(n, 28, count, 4, "player name directory");
        loaded.reserve(count);
        prefaultCapacity(loaded);
        for (uint32_t k = 0; k < count; ++k)
        {
            CPlayer& p = loaded.emplace_back();
            layouts::unpackPlayer(database.data() + tableOffset + 8 + layouts::kPlayerRecordSize * k, p);
            p.fileIndex = k;
            const std::size_t at = namePosition(n, 20, 28 + 4 * std::size_t(k), "player name position");
            // Read whole, however long: a name nobody edits is written back as it stands.
            p.setNameAsStored(n.cString(at, n.size()), encoding);
            if (p.id == 0) loaded.pop_back();  // slot 0 is never a record
        }
    });
    if (error) return error;
    CDatabaseBuilder b(db);
    b.setPlayerTableOffset(tableOffset);
    uint32_t highest = 0;
    for (const auto& p : loaded) highest = std::max(highest, p.id);
    b.reservePlayers(highest);
    b.addPlayers(std::move(loaded));
    return std::nullopt;
}

std::optional<CFormatError> loadTeams(CDatabase& db, std::span<const uint8_t> database, std::span<const uint8_t> names)
{
    std::vector<CTeam> loaded;
    uint32_t tableOffset = 0;
    auto error = guarded([&] {
        const CByteReader d(database, kInDatabase), n(names, kInNames);
        d.require(0, kDatabaseHeaderSize, "header");
        tableOffset = uint32_t(tablePosition(d, 12, "team table position"));
        const uint32_t count = d.u32(tableOffset, "team record count");
        const uint32_t size = d.u32(tableOffset + 4, "team record size");
        if (size != layouts::kTeamRecordSize)
            throw CReadError("team record size " + std::to_string(size) + " at offset " + hexOffset(tableOffset + 4)
                             + " is not 80",
                             kInDatabase);
        requireRecords(d, tableOffset + 8, count, layouts::kTeamRecordSize, "team table");
        const uint32_t section = n.u32(12, "team name section position");
        requireRecords(n, std::size_t(section) + 8, count, 4, "team name directory");
        loaded.reserve(count);
        prefaultCapacity(loaded);
        for (uint32_t k = 0; k < count; ++k)
        {
            CTeam* t = &loaded.emplace_back();
            layouts::unpackTeam(database.data() + tableOffset + 8 + layouts::kTeamRecordSize * k, *t);
            t->fileIndex = k;
            const std::size_t at = namePosition(n, section, std::size_t(section) + 8 + 4 * std::size_t(k),
                                                "team name position");
            t->abbreviation = n.cString(at, CTeam::kAbbreviationBytes);
            t->shortName = n.cString(at + CTeam::kAbbreviationBytes, CTeam::kShortNameBytes);
            t->longName = n.cString(at + CTeam::kAbbreviationBytes + CTeam::kShortNameBytes, n.size());
        }
    });
    if (error) return error;
    CDatabaseBuilder b(db);
    b.setTeamTableOffset(tableOffset);
    uint32_t highest = 0;
    for (const auto& t : loaded) highest = std::max(highest, t.id);
    b.reserveTeams(highest);
    for (const auto& t : loaded)
        for (auto id : t.players)
            if (CPlayer* p = b.player(id)) p->teamId = t.bankroll != 0 ? t.id : CPlayer::kNoTeam;
    std::erase_if(loaded, [](const CTeam& t) { return t.id == 0; });  // slot 0 is never a record
    b.addTeams(std::move(loaded));
    return std::nullopt;
}

std::optional<CFormatError> loadLeagues(CDatabase& db, std::span<const uint8_t> database,
                                        std::span<const uint8_t> names)
{
    std::vector<std::unique_ptr<CLeague>> loaded;
    auto error = guarded([&] {
        const CByteReader d(database, kInDatabase), n(names, kInNames);
        d.require(0, kDatabaseHeaderSize, "header");
        const uint32_t nameSection = n.u32(12, "team name section position");
        const uint32_t count = d.u32(20, "league count");
        requireRecords(d, 28, count, 4, "league directory");
        // Both files keep the count; when the name file's directory is too short for
        // FCDB.DBI's count and the name file counts fewer, FCDB.DBI's count is the odd one.
        if (n.size() >= 24 && count > (n.size() - std::min<std::size_t>(n.size(), 28)) / 4
            && n.u32(20, "league count") < count)
            throw CReadError("league count " + std::to_string(count) + " at offset 0x14 is more than the name file's "
                                 + std::to_string(n.u32(20, "league count")) + " leagues",
                             kInDatabase);
        requireRecords(n, 28, count, 4, "league name directory");
        if (nameSection < 20 || nameSection > n.size())
            throw CReadError("team name section position " + std::to_string(nameSection)
                             + " at offset 0xC lies outside the file",
                             kInNames);
        loaded.reserve(count);
        for (uint32_t i = 0; i < count; ++i)
        {
            auto league = std::make_unique<CLeague>();
            const std::size_t entry = 20 + std::size_t(d.u32(28 + 4 * std::size_t(i), "league entry position"));
            league->id = d.u16(entry, "league entry");
            const uint32_t slots = slotsFromLength(d.u8(entry + 3, "league entry"));
            d.require(entry + 4, 2 * std::size_t(slots), "league team ids");
            league->slotCount = slots;
            league->teamIds.resize(slots);
            for (uint32_t s = 0; s < slots; ++s) league->teamIds[s] = d.u16(entry + 4 + 2 * s);

            const std::size_t start = 20 + std::size_t(n.u32(28 + 4 * std::size_t(i), "league name position"));
            const std::size_t end =
                i + 1 < count ? 20 + std::size_t(n.u32(28 + 4 * std::size_t(i + 1), "league name position"))
                              : std::size_t(nameSection);
            if (start > end || end > n.size())
                throw CReadError("name of league " + std::to_string(i) + " at offset " + hexOffset(start)
                                 + " lies outside the file",
                                 kInNames);
            const std::string stored = n.cString(start, end - start);
            if (stored.size() >= kMaxLeagueNameBytes)
                throw CReadError("name of league " + std::to_string(i) + " at offset " + hexOffset(start) + " is "
                                 + std::to_string(stored.size()) + " bytes long; league names are shorter than 80",
                                 kInNames);
            league->displayName = CLeague::displayNameFromStored(stored);
            loaded.push_back(std::move(league));
        }
    });
    if (error) return error;
    CDatabaseBuilder b(db);
    for (auto& l : loaded) b.addLeague(std::move(l));
    return std::nullopt;
}

std::optional<std::string> checkWritable(const CDatabase& db)
{
    const auto blockers = recordlimits::saveBlockers(db);
    if (blockers.empty()) return std::nullopt;
    return recordlimits::describe(blockers);
}

namespace
{
std::string quoted(const std::string& bytes, CTextEncoding enc)
{
    std::string out(1, '"');
    out.append(toUtf8(bytes, enc));
    out.push_back('"');
    return out;
}

template <class List>
std::string idsText(const List& ids)
{
    std::string out;
    for (uint32_t id : ids)
    {
        if (!out.empty()) out.push_back(' ');
        out.append(std::to_string(id));
    }
    return out;
}

// Compares what the save meant to write with what its bytes read back as, field by field,
// and names the first difference. Values are compared as they are; only a difference is
// made into text.
class CReadBack
{
public:
    explicit CReadBack(CTextEncoding enc) : m_enc(enc) {}

    std::optional<std::string> difference;

    void differs(const char* kind, uint32_t id, const char* field, const std::string& meant, const std::string& read)
    {
        if (!difference)
            difference = translatedArgs("gametexts", gametexts::kReadBackDiffers, {kind, std::to_string(id), field, read, meant});
    }
    // Asked of every field of every record: the comparison is kept inline, the text out of line.
    void number(const char* kind, uint32_t id, const char* field, int64_t meant, int64_t read)
    {
        if (meant != read) [[unlikely]]
            numberDiffers(kind, id, field, meant, read);
    }
    [[gnu::noinline]] void numberDiffers(const char* kind, uint32_t id, const char* field, int64_t meant, int64_t read)
    {
        differs(kind, id, field, std::to_string(meant), std::to_string(read));
    }
    void text(const char* kind, uint32_t id, const char* field, const std::string& meant, const std::string& read)
    {
        if (meant != read) differs(kind, id, field, quoted(meant, m_enc), quoted(read, m_enc));
    }
    template <class List>
    void ids(const char* kind, uint32_t id, const char* field, const List& meant, const List& read)
    {
        if (!std::equal(meant.begin(), meant.end(), read.begin(), read.end()))
            differs(kind, id, field, idsText(meant), idsText(read));
    }
    template <class T>
    void bits(const char* kind, const T& meant, const T& read, std::span<const CBitField<T>> table)
    {
        for (const auto& f : table)
        {
            const auto value = [&f](const T& r) {
                return std::visit([&r](auto member) { return int64_t(r.*member); }, f.member);
            };
            number(kind, meant.id, f.name, value(meant), value(read));
        }
    }
    CTextEncoding encoding() const { return m_enc; }

private:
    CTextEncoding m_enc;
};
} // namespace

std::optional<std::string> loadFromBytes(CDatabase& db, std::span<const uint8_t> database,
                                         std::span<const uint8_t> names, std::span<const uint8_t> playerNames)
{
    const std::string& language = db.languageCode();
    const auto named = [](const std::string& gamePath, const CFormatError& e) {
        return gamePath.substr(gamePath.find_last_of('\\') + 1) + ": " + e.message;
    };
    if (auto e = loadPlayers(db, database, playerNames))
        return named(e->inNameFile ? gamepaths::playerNameFilePath(language) : gamepaths::kDatabaseFile, *e);
    std::optional<CFormatError> e = loadTeams(db, database, names);
    if (!e) e = loadLeagues(db, database, names);
    if (e) return named(e->inNameFile ? gamepaths::nameFilePath(language) : gamepaths::kDatabaseFile, *e);
    return std::nullopt;
}

std::optional<std::string> verifySave(const CDatabase& meant, const CSaveImage& image)
{
    CDatabase back;
    CDatabaseBuilder(back).setLanguageCode(meant.languageCode());
    if (auto error = loadFromBytes(back, image.database, image.names, image.playerNames))
        return translatedArgs("gametexts", gametexts::kReadBackUnreadable, {*error});

    CReadBack r(encodingForLanguage(meant.languageCode()));
    std::size_t players = 0, teams = 0;
    meant.forEachPlayer([&](const CPlayer& p) {
        if (p.id >= CDatabase::kImportedIdBase || r.difference) return;
        ++players;
        const CPlayer* b = back.player(p.id);
        if (!b)
        {
            r.differs("player", p.id, "id", std::to_string(p.id), "nothing");
            return;
        }
        // Field by field only to name a difference: nearly every record reads back the same.
        if (!bitfields::sameFields<layouts::kPlayerFields>(p, *b)) r.bits<CPlayer>("player", p, *b, layouts::kPlayerFields);
        r.text("player", p.id, "name", p.name, b->name);
        r.text("player", p.id, "name", p.nameToWrite(r.encoding()), b->nameToWrite(r.encoding()));
        r.number("player", p.id, "teamId", p.teamId, b->teamId);
    });
    meant.forEachTeam([&](const CTeam& t) {
        if (t.id >= CDatabase::kImportedIdBase || t.imported || r.difference) return;
        ++teams;
        const CTeam* b = back.team(t.id);
        if (!b)
        {
            r.differs("team", t.id, "id", std::to_string(t.id), "nothing");
            return;
        }
        if (!bitfields::sameFields<layouts::kTeamFields>(t, *b)) r.bits<CTeam>("team", t, *b, layouts::kTeamFields);
        r.text("team", t.id, "longName", t.longName, b->longName);
        r.text("team", t.id, "abbreviation", t.abbreviation, b->abbreviation);
        r.text("team", t.id, "shortName", t.shortName, b->shortName);
        r.ids("team", t.id, "players", t.players, b->players);
    });
    if (!r.difference && (players != back.playerCount() || teams != back.teamCount()))
        r.difference = translatedArgs("gametexts", gametexts::kReadBackCount,
                                      {std::to_string(unsigned(players)), std::to_string(unsigned(teams)),
                                       std::to_string(unsigned(back.playerCount())), std::to_string(unsigned(back.teamCount()))});
    std::size_t k = 0;
    for (const auto& l : meant.leagues())
    {
        if (l->editorOnly || r.difference) continue;
        if (k >= back.leagues().size())
        {
            r.differs("league", l->id, "id", std::to_string(l->id), "nothing");
            break;
        }
        const CLeague& b = *back.leagues()[k++];
        r.number("league", l->id, "id", l->id, b.id);
        r.text("league", l->id, "name", l->displayName, b.displayName);
        // The entry holds slotCount slots: a longer list is cut there, a shorter one padded.
        std::vector<uint32_t> slots(l->slotCount, 0);
        std::copy_n(l->teamIds.begin(), std::min<std::size_t>(l->slotCount, l->teamIds.size()), slots.begin());
        r.ids("league", l->id, "teamIds", slots, b.teamIds);
    }
    if (!r.difference && k != back.leagues().size())
        r.number("league", 0, "count", int64_t(k), int64_t(back.leagues().size()));
    return r.difference;
}

namespace
{
// The team's players as they are to be written: incoming players first (imported ones
// folded into game players), then the players that have not moved away.
void mergeTeamList(CDatabaseBuilder& db, CTeam& team, std::vector<CFold>* folds = nullptr)
{
    std::vector<uint32_t> list;
    list.reserve(CTeam::kSlots);
    auto append = [&](uint32_t id) {
        if (list.size() < CTeam::kSlots && std::find(list.begin(), list.end(), id) == list.end()) list.push_back(id);
    };

    int searchStart = 0;
    for (auto& slot : team.incomingPlayers)
    {
        const CPlayer* incoming = db.player(slot);
        if (!incoming) continue;
        if (slot < CDatabase::kImportedIdBase)
        {
            append(slot);
            slot = 0;
            continue;
        }
        // An imported player cannot be written as a record of its own: a game player
        // of this team takes it over.
        int found = -1;
        for (int s = searchStart; s < CTeam::kSlots; ++s)
            if (db.player(team.players[s]))
            {
                found = s;
                break;
            }
        if (found < 0) continue;
        CPlayer* host = db.player(team.players[found]);
        if (host->destinationTeamId == incoming->teamId)
            searchStart = found + 1;
        else
            host = db.player(slot & 0xFFFF);
        if (!host) continue;
        const uint32_t ownId = host->id;
        if (folds) folds->push_back({slot, ownId, team.id});
        host->copyFrom(*incoming);
        host->id = ownId;
        append(ownId);
        slot = 0;
    }

    for (auto id : team.players)
    {
        CPlayer* p = db.player(id);
        if (!p) continue;
        if (p->destinationTeamId != 0 && p->copyMark != CPlayer::kCopyMark)
        {
            p->destinationTeamId = 0;  // moved away
            continue;
        }
        append(id);
    }
    team.players.fill(0);
    std::copy(list.begin(), list.end(), team.players.begin());
}

bool writtenTeam(const CTeam& t)
{
    return t.id < CDatabase::kImportedIdBase && !t.imported;
}

bool writtenPlayer(const CPlayer& p)
{
    return p.id < CDatabase::kImportedIdBase;
}
} // namespace

CSavePlan planSave(const CDatabase& current)
{
    // The save's own merge, on a copy of its own, so that what is shown is what it does.
    CDatabase work = current.copy();
    CDatabaseBuilder db(work);
    CSavePlan plan;
    db.forEachTeam([&](CTeam& t) {
        if (!writtenTeam(t)) return;
        mergeTeamList(db, t, &plan.folds);
        std::vector<uint32_t> list;
        for (uint32_t id : t.players)
            if (id) list.push_back(id);
        plan.lists.emplace_back(t.id, std::move(list));
    });
    return plan;
}

CSaveImage buildSave(const CDatabase& current, std::span<const uint8_t> currentDatabase,
                     std::span<const uint8_t> currentNames, CDatabase* savedState)
{
    // The merge works on a copy: the database being edited is never touched by a save
    // that may still fail.
    CDatabase work = current.copy();
    CDatabaseBuilder db(work);
    CSaveImage img;
    img.database.assign(currentDatabase.begin(), currentDatabase.end());
    CByteWriter d(img.database);

    // Leagues: the directory, then the entries one after the other.
    std::vector<const CLeague*> leagues;
    for (const auto& l : db.leagues())
        if (!l->editorOnly) leagues.push_back(l.get());
    const uint32_t leagueCount = uint32_t(leagues.size());
    d.putU32(20, leagueCount);
    std::size_t relative = 4 * std::size_t(leagueCount) + 8;
    for (std::size_t k = 0; k < leagues.size(); ++k)
    {
        const CLeague& l = *leagues[k];
        d.putU32(28 + 4 * k, uint32_t(relative));
        const std::size_t at = 20 + relative;
        d.putU16(at, uint16_t(l.id));
        d.putU8(at + 2, 0);
        d.putU8(at + 3, uint8_t(4 * l.slotCount + 2));
        for (uint32_t s = 0; s < l.slotCount; ++s)
            d.putU16(at + 4 + 2 * s, uint16_t(s < l.teamIds.size() ? l.teamIds[s] : 0));
        relative = at + 4 + 2 * std::size_t(l.slotCount) - 20;
    }

    // Teams, with their lists merged.
    const std::size_t teamTable = 20 + relative;
    d.putU32(12, uint32_t(teamTable));
    std::vector<CTeam*> teams;
    db.forEachTeam([&](CTeam& t) {
        if (writtenTeam(t)) teams.push_back(&t);
    });
    uint8_t record[layouts::kTeamRecordSize];
    for (std::size_t k = 0; k < teams.size(); ++k)
    {
        CTeam& t = *teams[k];
        mergeTeamList(db, t);
        t.playerCount = uint8_t(t.nonEmptySlots());
        t.fileIndex = uint32_t(k);
        std::memset(record, 0, sizeof record);
        layouts::packTeam(t, record);
        d.putBytes(teamTable + 8 + layouts::kTeamRecordSize * k, record);
        t.modified = 0;
    }
    d.putU32(teamTable, uint32_t(teams.size()));
    d.putU32(teamTable + 4, layouts::kTeamRecordSize);
    const std::size_t playerTable = teamTable + 8 + layouts::kTeamRecordSize * teams.size();
    d.putU32(16, uint32_t(playerTable));
    db.setTeamTableOffset(uint32_t(teamTable));
    db.setPlayerTableOffset(uint32_t(playerTable));

    // A move or copy is final once the lists are merged.
    db.forEachPlayer([](CPlayer& p) {
        p.destinationTeamId = 0;
        p.copyMark = 0;
    });
    // Club links as a fresh load of the new files would derive them.
    db.forEachPlayer([](CPlayer& p) {
        if (writtenPlayer(p)) p.teamId = 0;
    });
    for (CTeam* t : teams)
        for (auto id : t->players)
            if (CPlayer* p = db.player(id); p && writtenPlayer(*p)) p->teamId = t->bankroll != 0 ? t->id : CPlayer::kNoTeam;

    // The name file: its header, league names, padding, team names.
    {
        img.names.assign(currentNames.begin(), currentNames.begin() + std::min<std::size_t>(32, currentNames.size()));
        CByteWriter n(img.names);
        n.putU32(20, leagueCount);
        for (std::size_t i = 0; i <= leagueCount; ++i) n.putU32(24 + 4 * i, 0);
        n.putU32(28, 4 * leagueCount + 8);
        img.names.resize(std::max<std::size_t>(img.names.size(), 28 + 4 * std::size_t(leagueCount)));
        for (std::size_t k = 0; k < leagues.size(); ++k)
        {
            n.appendString(CLeague::storedNameFromDisplay(leagues[k]->displayName), true);
            if (k + 1 < leagues.size()) n.putU32(32 + 4 * k, uint32_t(n.size() - 20));
        }
        static const char kPad[] = "123";
        for (int i = 0; n.size() % 4 != 0; ++i) img.names.push_back(uint8_t(kPad[i]));
        const std::size_t section = n.size();
        n.putU32(12, uint32_t(section));
        n.appendU32(uint32_t(teams.size()));
        n.appendU32(0);
        img.names.resize(img.names.size() + 4 * teams.size(), 0);
        for (std::size_t k = 0; k < teams.size(); ++k)
        {
            const CTeam& t = *teams[k];
            const std::size_t at = n.size();
            n.appendPadded(t.abbreviation, CTeam::kAbbreviationBytes);
            n.appendPadded(t.shortName, CTeam::kShortNameBytes);
            n.appendString(t.longName, true);
            n.putU32(section + 8 + 4 * k, uint32_t(at - section));
        }
    }

    // Players, then the end of the file, then the player name file.
    std::vector<CPlayer*> players;
    db.forEachPlayer([&](CPlayer& p) {
        if (writtenPlayer(p)) players.push_back(&p);
    });
    uint8_t precord[layouts::kPlayerRecordSize];
    for (std::size_t k = 0; k < players.size(); ++k)
    {
        CPlayer& p = *players[k];
        std::memset(precord, 0, sizeof precord);
        layouts::packPlayer(p, precord);
        d.putBytes(playerTable + 8 + layouts::kPlayerRecordSize * k, precord);
        p.fileIndex = uint32_t(k);
        p.modified = 0;
    }
    // The file ends in seven zero bytes; they never overlap a record.
    const std::size_t recordsEnd = playerTable + 8 + layouts::kPlayerRecordSize * players.size();
    if (img.database.size() < recordsEnd + 7) img.database.resize(recordsEnd + 7, 0);
    std::fill(img.database.end() - 7, img.database.end(), 0);
    d.putU32(playerTable, uint32_t(players.size()));
    d.putU32(playerTable + 4, layouts::kPlayerRecordSize);

    {
        CByteWriter n(img.playerNames);
        static const uint8_t kMagic[] = {'S', 'T', 'R', '1'};
        n.appendBytes(kMagic);
        for (uint32_t v : {400u, 20u, 20u, 20u, uint32_t(players.size()), 0u}) n.appendU32(v);
        img.playerNames.resize(img.playerNames.size() + 4 * players.size(), 0);
        for (std::size_t k = 0; k < players.size(); ++k)
        {
            const std::size_t at = n.size();
            n.appendString(players[k]->nameToWrite(encodingForLanguage(current.languageCode())), true);
            n.putU32(28 + 4 * k, uint32_t(at - 20));
        }
    }
    db.setModified(false);
    if (savedState) *savedState = std::move(work);
    return img;
}

void applySavedState(CTransaction& tx, const CDatabase& saved)
{
    saved.forEachPlayer([&](const CPlayer& p) {
        if (const CPlayer* now = tx.db().player(p.id); now && !(*now == p)) *tx.player(p.id) = p;
    });
    saved.forEachTeam([&](const CTeam& t) {
        if (const CTeam* now = tx.db().team(t.id); now && !(*now == t)) *tx.team(t.id) = t;
    });
    tx.setTableOffsets(saved.teamTableOffset(), saved.playerTableOffset());
    tx.setModified(false);
}
} // namespace gameformat

CGameFiles::CGameFiles(std::filesystem::path gameFolder, CFileSystem& fs) : m_folder(std::move(gameFolder)), m_fs(fs)
{
}

std::filesystem::path CGameFiles::resolve(const std::string& gamePath) const
{
    return resolveGamePath(m_folder, gamePath);
}

namespace
{
std::string fileName(const std::string& gamePath)
{
    return gamePath.substr(gamePath.find_last_of('\\') + 1);
}
} // namespace

namespace
{
using CLoadError = CGameFiles::CLoadError;
using CLoadStep = CGameFiles::CLoadStep;

CLoadError unreadable(CLoadStep step, const std::string& gamePath)
{
    return CLoadError{step, fileName(gamePath) + ": the file cannot be read: " + systemReason(errno)};
}

// A name file that is not there at all is a language the installation lacks, which is
// what the user (or the script that passed --language) needs to hear.
CLoadError unreadableNames(CLoadStep step, const CGameFiles& files, const std::string& languageCode,
                           const std::string& gamePath)
{
    const int reason = errno;
    std::error_code ec;
    if (!std::filesystem::exists(files.resolve(gamePath), ec) && !ec)
        return CLoadError{step, namelanguages::missingReason(files.gameFolder(), languageCode, gamePath)};
    errno = reason;
    return unreadable(step, gamePath);
}

template <class Loader>
std::optional<CLoadError> runLoader(CLoadStep step, Loader&& loader, CDatabase& db, std::span<const uint8_t> d,
                                    const std::string& namesFile, std::span<const uint8_t> n)
{
    if (auto e = loader(db, d, n))
        return CLoadError{step, fileName(e->inNameFile ? namesFile : gamepaths::kDatabaseFile) + ": " + e->message};
    return std::nullopt;
}
} // namespace

template <class Loader>
std::optional<CGameFiles::CLoadError> CGameFiles::loadWith(CDatabase& db, CLoadStep step, const std::string& namesFile,
                                                           Loader&& loader) const
{
    CFileBytes d, n;
    if (!m_fs.viewFile(resolve(gamepaths::kDatabaseFile), d)) return unreadable(step, gamepaths::kDatabaseFile);
    if (!m_fs.viewFile(resolve(namesFile), n)) return unreadableNames(step, *this, db.languageCode(), namesFile);
    return runLoader(step, loader, db, d.bytes(), namesFile, n.bytes());
}

std::optional<CGameFiles::CLoadError> CGameFiles::loadPlayers(CDatabase& db) const
{
    return loadWith(db, CLoadStep::Players, gamepaths::playerNameFilePath(db.languageCode()), gameformat::loadPlayers);
}

std::optional<CGameFiles::CLoadError> CGameFiles::loadTeams(CDatabase& db) const
{
    return loadWith(db, CLoadStep::Teams, gamepaths::nameFilePath(db.languageCode()), gameformat::loadTeams);
}

std::optional<CGameFiles::CLoadError> CGameFiles::loadLeagues(CDatabase& db) const
{
    return loadWith(db, CLoadStep::Leagues, gamepaths::nameFilePath(db.languageCode()), gameformat::loadLeagues);
}

std::filesystem::path CGameFiles::databaseFolder() const
{
    return resolve(gamepaths::kDatabaseFile).parent_path();
}

CRecovery CGameFiles::recoverInterrupted() const
{
    const std::filesystem::path folder = databaseFolder();
    CFolderLock lock;
    switch (lock.acquire(folder, CFolderLock::defaultWait()))
    {
    case CFolderLock::CResult::Locked:
        break;
    case CFolderLock::CResult::Busy:
    {
        CRecovery skipped;
        skipped.state = CRecovery::CState::Skipped;
        skipped.message = translatedArgs("locktexts", locktexts::kRecoverySkipped, {utf8FromPath(m_folder)});
        return skipped;
    }
    case CFolderLock::CResult::Failed:
    {
        // No program of ours saves there while the lock cannot be taken, but the set is
        // not ours to change unlocked either: it is left for a load that can lock it.
        CRecovery skipped;
        skipped.state = CRecovery::CState::Skipped;
        skipped.message = lock.failure();
        return skipped;
    }
    case CFolderLock::CResult::NoLockFile:
        // A missing or read-only folder: no program of ours can be saving through it
        // either, and recovery fails on its own if it must change something it cannot.
        break;
    }
    return recoverCommit(m_fs, folder);
}

std::optional<CGameFiles::CLoadError> CGameFiles::loadSteps(CDatabase& db,
                                                             const std::function<void(CLoadStep)>& starting) const
{
    const auto step = [&starting](CLoadStep s) {
        if (starting) starting(s);
    };
    const std::string playerNamesFile = gamepaths::playerNameFilePath(db.languageCode());
    const std::string namesFile = gamepaths::nameFilePath(db.languageCode());
    CFileBytes d, n, p;
    step(CLoadStep::Players);
    if (!m_fs.viewFile(resolve(gamepaths::kDatabaseFile), d)) return unreadable(CLoadStep::Players, gamepaths::kDatabaseFile);
    if (!m_fs.viewFile(resolve(playerNamesFile), p))
        return unreadableNames(CLoadStep::Players, *this, db.languageCode(), playerNamesFile);
    if (auto e = runLoader(CLoadStep::Players, gameformat::loadPlayers, db, d.bytes(), playerNamesFile, p.bytes()))
        return e;
    p = CFileBytes();
    step(CLoadStep::Teams);
    if (!m_fs.viewFile(resolve(namesFile), n)) return unreadableNames(CLoadStep::Teams, *this, db.languageCode(), namesFile);
    if (auto e = runLoader(CLoadStep::Teams, gameformat::loadTeams, db, d.bytes(), namesFile, n.bytes())) return e;
    step(CLoadStep::Leagues);
    if (auto e = runLoader(CLoadStep::Leagues, gameformat::loadLeagues, db, d.bytes(), namesFile, n.bytes())) return e;
    if (auto e = readSpokenNames(db)) return e;
    CDatabaseBuilder(db).setReadFrom(m_folder);
    return std::nullopt;
}

std::optional<CGameFiles::CLoadError> CGameFiles::loadAll(CDatabase& db, std::string* recoveryNote) const
{
    const CRecovery recovery = recoverInterrupted();
    if (recovery.state == CRecovery::CState::Failed) return CLoadError{CLoadStep::Players, recovery.message};
    if (recoveryNote) *recoveryNote = recovery.message;
    if (auto e = loadSteps(db)) return e;
    CDatabaseBuilder(db).setImportGeneration(CDatabase::kFirstImportGeneration);
    return std::nullopt;
}

std::optional<CGameFiles::CLoadError> CGameFiles::readSpokenNames(CDatabase& db, int* marked) const
{
    if (marked) *marked = 0;
    CFileBytes bytes;
    if (!viewFileAtMost(m_fs, resolve(gamepaths::kSpeechIndexFile), kMaxSpeechIndexBytes, bytes))
    {
        if (errno == ENOENT || errno == ENOTDIR) return std::nullopt;
        return unreadable(CLoadStep::Players, gamepaths::kSpeechIndexFile);
    }
    const int n = markSpokenNames(db, bytes.bytes());
    if (marked) *marked = n;
    return std::nullopt;
}

std::optional<std::string> CGameFiles::checkReadFrom(const CDatabase& db) const
{
    // The save writes every record of the files from the database: one that was never read
    // whole from them (a read that failed half way, a database of another folder) would
    // replace them with less than they hold.
    const std::filesystem::path& from = db.readFrom();
    if (from.empty()) return translatedArgs("gametexts", gametexts::kNotReadWhole, {utf8FromPath(m_folder)});
    std::error_code ec;
    if (from != m_folder && !std::filesystem::equivalent(from, m_folder, ec))
        return translatedArgs("gametexts", gametexts::kReadFromElsewhere, {utf8FromPath(from), utf8FromPath(m_folder)});
    return std::nullopt;
}

std::optional<std::string> CGameFiles::save(const CDatabase& db, CDatabase* savedState) const
{
    CDatabase state;
    if (!savedState) savedState = &state;
    if (auto e = checkReadFrom(db)) return e;
    if (auto e = gameformat::checkWritable(db)) return e;
    // The current files are read and replaced under the lock, so that no other program's
    // save lands between the two. A lock file that cannot be made (a missing or read-only
    // folder) leaves the save to fail on its own with its own message.
    CFolderLock lock;
    if (auto refused = lock.refusal(lock.acquire(databaseFolder(), CFolderLock::defaultWait()), utf8FromPath(m_folder)))
        return refused;
    const auto dbPath = resolve(gamepaths::kDatabaseFile);
    const auto namesPath = resolve(gamepaths::nameFilePath(db.languageCode()));
    const auto playerNamesPath = resolve(gamepaths::playerNameFilePath(db.languageCode()));
    std::vector<uint8_t> currentDatabase, currentNames;
    if (!m_fs.readFile(dbPath, currentDatabase))
        return translated("gametexts", gametexts::kTeamDataError) + " " + fileFailure(dbPath, "read", errno);
    if (!m_fs.readFile(namesPath, currentNames))
        return translated("gametexts", gametexts::kTeamNameError) + " " + fileFailure(namesPath, "read", errno);

    gameformat::CSaveImage image = gameformat::buildSave(db, currentDatabase, currentNames, savedState);
    // The bytes are read back as the next start will read them before anything is written.
    if (auto e = gameformat::verifySave(*savedState, image)) return e;
    std::vector<CPendingFile> files;
    files.push_back({dbPath, std::move(image.database), gametexts::kTeamDataError});
    files.push_back({namesPath, std::move(image.names), gametexts::kTeamNameError});
    files.push_back({playerNamesPath, std::move(image.playerNames), gametexts::kPlayerNameError});
    if (auto e = commitFiles(m_fs, files, "save")) return e;
    return std::nullopt;
}
