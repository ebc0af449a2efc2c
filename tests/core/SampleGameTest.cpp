// Checks the sample game generator straight from the bytes it writes, with readers of
// its own here, so that a mistake shared by the generator and the editor's reader does
// not hide itself.
#include "TempFolder.h"

#include "sample/SampleGame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace
{

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

const char* const kLanguages[] = {"BRP", "DUT", "ENG", "GER", "ITA", "JAP", "SPA", "SWE"};

Bytes readBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    Bytes bytes(static_cast<std::size_t>(std::max<std::streamoff>(0, in.tellg())));
    in.seekg(0);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

uint32_t u16(const Bytes& b, std::size_t at)
{
    return at + 2 <= b.size() ? static_cast<uint32_t>(b[at] | b[at + 1] << 8) : 0xFFFFFFFFu;
}

uint32_t u32(const Bytes& b, std::size_t at)
{
    if (at + 4 > b.size())
        return 0xFFFFFFFFu;
    return static_cast<uint32_t>(b[at]) | static_cast<uint32_t>(b[at + 1]) << 8 |
           static_cast<uint32_t>(b[at + 2]) << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

uint32_t bits(uint32_t word, int from, int count) { return (word >> from) & ((1u << count) - 1); }

std::string cString(const Bytes& b, std::size_t at, std::size_t maxLength = std::string::npos)
{
    std::string s;
    while (at < b.size() && b[at] != 0 && s.size() < maxLength)
        s.push_back(static_cast<char>(b[at++]));
    return s;
}

struct League
{
    uint32_t id;
    std::vector<uint32_t> teamIds;
};

struct Team
{
    uint32_t id, bankroll, playerCount, countryId;
    uint32_t homeStyle, homeShortsStyle, homeSocksStyle;
    std::vector<uint32_t> slots;  // all 26
};

struct Player
{
    uint32_t id, position, jerseyNumber, reaction, shotAccuracy, tackle;
};

// FCDB.DBI as its tables describe it; every inconsistency is reported by the parse.
struct Database
{
    uint32_t teamTable = 0, playerTable = 0;
    std::vector<League> leagues;
    std::vector<Team> teams;
    std::vector<Player> players;
};

Database parseDatabase(const Bytes& b)
{
    Database db;
    db.teamTable = u32(b, 12);
    db.playerTable = u32(b, 16);
    const uint32_t n = u32(b, 20);
    std::size_t at = 28 + 4 * static_cast<std::size_t>(n);
    for (uint32_t i = 0; i < n; ++i)
    {
        EXPECT_EQ(u32(b, 28 + 4 * i) + 20, at) << "league entry " << i << " is not where the previous one ended";
        League league{u16(b, at), {}};
        EXPECT_EQ(b[at + 2], 0);
        const uint32_t length = b[at + 3];
        EXPECT_EQ((length - 2) % 4, 0u) << "league " << i;
        for (uint32_t s = 0; s < (length - 2) / 4; ++s)
            league.teamIds.push_back(u16(b, at + 4 + 2 * s));
        at += 4 + 2 * league.teamIds.size();
        db.leagues.push_back(std::move(league));
    }
    EXPECT_EQ(db.teamTable, at) << "the team table must follow the last league entry";
    const uint32_t teamCount = u32(b, db.teamTable);
    EXPECT_EQ(u32(b, db.teamTable + 4), 80u);
    for (uint32_t k = 0; k < teamCount; ++k)
    {
        const std::size_t r = db.teamTable + 8 + 80 * static_cast<std::size_t>(k);
        Team t{};
        t.id = bits(u32(b, r), 0, 11);
        t.bankroll = bits(u32(b, r), 11, 17);
        t.homeStyle = bits(u16(b, r + 4), 10, 6);
        t.homeSocksStyle = bits(u16(b, r + 10), 14, 2);
        t.playerCount = bits(u32(b, r + 20), 15, 5);
        t.countryId = bits(u32(b, r + 20), 20, 12);
        t.homeShortsStyle = bits(u16(b, r + 24), 0, 3);
        for (std::size_t s = 0; s < 26; ++s)
            t.slots.push_back(u16(b, r + 28 + 2 * s));
        db.teams.push_back(std::move(t));
    }
    EXPECT_EQ(db.playerTable, db.teamTable + 8 + 80 * teamCount) << "the player table must follow the teams";
    const uint32_t playerCount = u32(b, db.playerTable);
    EXPECT_EQ(u32(b, db.playerTable + 4), 20u);
    for (uint32_t k = 0; k < playerCount; ++k)
    {
        const std::size_t r = db.playerTable + 8 + 20 * static_cast<std::size_t>(k);
        const uint32_t w3 = u32(b, r + 12), w4 = u32(b, r + 16);
        db.players.push_back({bits(u32(b, r), 0, 14), bits(w4, 15, 5), bits(w4, 4, 6), bits(w3, 12, 4),
                              bits(w3, 24, 4), bits(w4, 0, 4)});
    }
    const std::size_t end = db.playerTable + 8 + 20 * static_cast<std::size_t>(playerCount);
    EXPECT_EQ(b.size(), end + 7) << "the file ends with seven bytes after the last player";
    for (std::size_t i = end; i < b.size(); ++i)
        EXPECT_EQ(b[i], 0) << "trailing byte " << i - end;
    return db;
}

struct TeamNames
{
    std::string abbreviation, shortName, longName;
};

struct NameFile
{
    std::vector<std::string> leagueNames;
    std::vector<TeamNames> teams;
};

NameFile parseNameFile(const Bytes& b)
{
    NameFile f;
    const uint32_t base = u32(b, 12);
    const uint32_t n = u32(b, 20);
    EXPECT_EQ(u32(b, 24), 0u);
    EXPECT_EQ(base % 4, 0u);
    std::size_t at = 28 + 4 * static_cast<std::size_t>(n);
    for (uint32_t i = 0; i < n; ++i)
    {
        EXPECT_EQ(u32(b, 28 + 4 * i) + 20, at) << "league name " << i;
        f.leagueNames.push_back(cString(b, at));
        at += f.leagueNames.back().size() + 1;
    }
    EXPECT_EQ(std::string(b.begin() + static_cast<std::ptrdiff_t>(at), b.begin() + base), std::string("123").substr(0, base - at))
        << "league names are padded with 1, 2, 3";
    const uint32_t count = u32(b, base);
    EXPECT_EQ(u32(b, base + 4), 0u);
    at = base + 8 + 4 * static_cast<std::size_t>(count);
    for (uint32_t k = 0; k < count; ++k)
    {
        EXPECT_EQ(u32(b, base + 8 + 4 * k) + base, at) << "team name " << k;
        TeamNames t{cString(b, at, 6), cString(b, at + 6, 11), cString(b, at + 17)};
        EXPECT_LE(t.abbreviation.size(), 6u);
        EXPECT_LE(t.shortName.size(), 11u);
        at += 17 + t.longName.size() + 1;
        f.teams.push_back(std::move(t));
    }
    EXPECT_EQ(at, b.size());
    return f;
}

std::vector<std::string> parsePlayerNames(const Bytes& b)
{
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "STR1");
    EXPECT_EQ(u32(b, 4), 400u);
    EXPECT_EQ(u32(b, 8), 20u);
    EXPECT_EQ(u32(b, 12), 20u);
    EXPECT_EQ(u32(b, 16), 20u);
    EXPECT_EQ(u32(b, 24), 0u);
    const uint32_t count = u32(b, 20);
    std::vector<std::string> names;
    std::size_t at = 28 + 4 * static_cast<std::size_t>(count);
    for (uint32_t k = 0; k < count; ++k)
    {
        EXPECT_EQ(u32(b, 28 + 4 * k) + 20, at) << "player name " << k;
        names.push_back(cString(b, at));
        at += names.back().size() + 1;
    }
    EXPECT_EQ(at, b.size());
    return names;
}

bool hasByteIn(const std::string& s, unsigned lo, unsigned hi)
{
    return std::any_of(s.begin(), s.end(), [&](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u >= lo && u <= hi;
    });
}

// Every file below a folder, relative path (exact case) to bytes.
std::map<std::string, Bytes> allFiles(const fs::path& folder)
{
    std::map<std::string, Bytes> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), folder).generic_string()] = readBytes(entry.path());
    return files;
}

// The small sample with one seed, written once for the suite.
class SampleGenerator : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_folder = std::make_unique<TempFolder>();
        const auto error = writeSampleGame(s_folder->path(), {7, CSampleScale::Small});
        ASSERT_FALSE(error) << *error;
        s_files = allFiles(s_folder->path());
        s_db = parseDatabase(s_files["DATA/CMN/FE/FCDB.DBI"]);
    }
    static void TearDownTestSuite()
    {
        s_files.clear();
        s_folder.reset();
    }

    static const Bytes& file(const std::string& name) { return s_files[name]; }

    static std::unique_ptr<TempFolder> s_folder;
    static std::map<std::string, Bytes> s_files;
    static Database s_db;
};
std::unique_ptr<TempFolder> SampleGenerator::s_folder;
std::map<std::string, Bytes> SampleGenerator::s_files;
Database SampleGenerator::s_db;

}  // namespace

TEST_F(SampleGenerator, WritesEveryGameFileUnderOneDataFolder)
{
    std::set<std::string> expected = {"DATA/CMN/FE/FCDB.DBI", "DATA/CMN/FE/FCDBPENG.DBI", "DATA/CMN/FE/FCDBPJAP.DBI",
                                      "DATA/AUDIO/SPEECH/PLAYERS.OFF"};
    for (const char* code : kLanguages)
        expected.insert(std::string("DATA/CMN/FE/FCDB_") + code + ".DBI");
    for (int i = 1; i <= 64; ++i)
    {
        char name[48];
        std::snprintf(name, sizeof name, "DATA/Player/Textures/Pk%03d.fsh", i);
        expected.insert(name);
    }
    // Beside DATA, the files a new user tries the two imports with.
    for (const char* user : {"USER/Harbour League.GLV", "USER/Northern Counties/CUSTOM.DB",
                             "USER/Northern Counties/CUSPLYR.DB", "USER/Northern Counties/XFER.DB"})
        expected.insert(user);
    std::set<std::string> written;
    for (const auto& [name, bytes] : s_files)
    {
        written.insert(name);
        EXPECT_FALSE(bytes.empty()) << name;
    }
    EXPECT_EQ(written, expected);
}

TEST(SampleGeneratorSeeds, SameSeedSameBytesOtherSeedOtherBytes)
{
    TempFolder a, b, c;
    ASSERT_FALSE(writeSampleGame(a.path(), {11, CSampleScale::Small}));
    ASSERT_FALSE(writeSampleGame(b.path(), {11, CSampleScale::Small}));
    ASSERT_FALSE(writeSampleGame(c.path(), {12, CSampleScale::Small}));
    const auto first = allFiles(a.path());
    EXPECT_TRUE(first == allFiles(b.path()));
    const auto other = allFiles(c.path());
    for (const char* name : {"DATA/CMN/FE/FCDB.DBI", "DATA/CMN/FE/FCDB_ENG.DBI", "DATA/CMN/FE/FCDBPENG.DBI",
                             "DATA/Player/Textures/Pk001.fsh"})
        EXPECT_NE(first.at(name), other.at(name)) << name;
}

TEST_F(SampleGenerator, DatabaseTablesFollowEachOtherWithinTheLoadersReach)
{
    const Bytes& b = file("DATA/CMN/FE/FCDB.DBI");
    EXPECT_LT(s_db.teamTable, 65536u);
    EXPECT_LT(s_db.playerTable, 65536u);
    // The bytes the editor keeps as found must be something to keep.
    EXPECT_TRUE(std::any_of(b.begin(), b.begin() + 12, [](uint8_t x) { return x != 0; }));
    EXPECT_TRUE(std::any_of(b.begin() + 24, b.begin() + 28, [](uint8_t x) { return x != 0; }));
}

TEST_F(SampleGenerator, LeaguesAreManyEvenAndNameRealTeams)
{
    ASSERT_GE(s_db.leagues.size(), 60u);
    ASSERT_FALSE(s_db.leagues[52].teamIds.empty());
    std::set<uint32_t> teamIds, leagueIds;
    for (const Team& t : s_db.teams)
        teamIds.insert(t.id);
    int empty = 0;
    for (const League& l : s_db.leagues)
    {
        EXPECT_TRUE(leagueIds.insert(l.id).second) << "league id " << l.id << " twice";
        EXPECT_EQ(l.teamIds.size() % 2, 0u) << "league " << l.id;
        empty += l.teamIds.empty();
        for (uint32_t id : l.teamIds)
            EXPECT_TRUE(id == 0 || teamIds.count(id)) << "league " << l.id << " names team " << id;
    }
    EXPECT_LE(empty, 2);
}

TEST_F(SampleGenerator, TeamsListExistingPlayersInCompactSlots)
{
    ASSERT_GE(s_db.teams.size(), 150u);
    ASSERT_LE(s_db.teams.size(), 510u);
    std::set<uint32_t> playerIds;
    for (const Player& p : s_db.players)
        playerIds.insert(p.id);
    uint32_t previous = 0;
    int national = 0;
    std::map<uint32_t, int> listings;
    for (const Team& t : s_db.teams)
    {
        EXPECT_GT(t.id, previous) << "teams in ascending id order";
        previous = t.id;
        const auto used = static_cast<uint32_t>(std::count_if(t.slots.begin(), t.slots.end(), [](uint32_t s) { return s; }));
        EXPECT_EQ(t.playerCount, used) << "team " << t.id;
        EXPECT_TRUE(std::all_of(t.slots.begin(), t.slots.begin() + used, [](uint32_t s) { return s != 0; }))
            << "team " << t.id << " has a gap before its last player";
        std::set<uint32_t> own(t.slots.begin(), t.slots.begin() + used);
        EXPECT_EQ(own.size(), used) << "team " << t.id << " lists a player twice";
        for (uint32_t id : own)
        {
            EXPECT_TRUE(playerIds.count(id)) << "team " << t.id << " lists missing player " << id;
            ++listings[id];
        }
        EXPECT_LE(t.bankroll, 100000u);
        EXPECT_LE(t.homeShortsStyle, 4u);
        national += t.bankroll == 0;
        if (t.bankroll != 0)
        {
            EXPECT_GE(used, 16u) << "club " << t.id;
        }
    }
    EXPECT_GT(national, 0);
    EXPECT_GT(std::count_if(listings.begin(), listings.end(), [](const auto& l) { return l.second == 2; }), 0)
        << "national teams call up club players";
}

TEST_F(SampleGenerator, PlayersHaveDistinctShirtsAndSkillsThatFitTheirPosition)
{
    std::map<uint32_t, const Player*> byId;
    uint32_t previous = 0;
    long keeperReaction = 0, keeperShooting = 0, forwardShooting = 0, forwardTackle = 0;
    for (const Player& p : s_db.players)
    {
        EXPECT_GT(p.id, previous);
        previous = p.id;
        EXPECT_LE(p.position, 16u);
        EXPECT_GE(p.jerseyNumber, 1u);
        byId[p.id] = &p;
        if (p.position == 0)
        {
            keeperReaction += p.reaction;
            keeperShooting += p.shotAccuracy;
        }
        else if (p.position >= 12)
        {
            forwardShooting += p.shotAccuracy;
            forwardTackle += p.tackle;
        }
    }
    EXPECT_GT(keeperReaction, 2 * keeperShooting);
    EXPECT_GT(forwardShooting, 2 * forwardTackle);
    for (const Team& t : s_db.teams)
    {
        if (t.bankroll == 0)
            continue;  // national teams keep their players' club numbers
        std::set<uint32_t> numbers;
        for (uint32_t id : t.slots)
        {
            if (id)
            {
                EXPECT_TRUE(numbers.insert(byId.at(id)->jerseyNumber).second) << "team " << t.id << " shirt clash";
            }
        }
    }
}

TEST_F(SampleGenerator, NameFilesMatchTheDatabaseInEveryLanguage)
{
    for (const char* code : kLanguages)
    {
        SCOPED_TRACE(code);
        const NameFile names = parseNameFile(file(std::string("DATA/CMN/FE/FCDB_") + code + ".DBI"));
        ASSERT_EQ(names.leagueNames.size(), s_db.leagues.size());
        ASSERT_EQ(names.teams.size(), s_db.teams.size());
        int european = 0;
        for (const std::string& name : names.leagueNames)
        {
            EXPECT_LT(name.size(), 80u);
            EXPECT_FALSE(name.empty());
            EXPECT_NE(name[0], 'x') << "a leading x is the editor's own mark";
            european += name.rfind("EC", 0) == 0;
        }
        EXPECT_GT(european, 0);
        for (const TeamNames& t : names.teams)
            EXPECT_FALSE(t.longName.empty() || t.shortName.empty() || t.abbreviation.empty());
    }
}

TEST_F(SampleGenerator, JapaneseFilesHoldShiftJisAndTheOthersAccentedLetters)
{
    const NameFile english = parseNameFile(file("DATA/CMN/FE/FCDB_ENG.DBI"));
    const NameFile japanese = parseNameFile(file("DATA/CMN/FE/FCDB_JAP.DBI"));
    auto anyTeam = [](const NameFile& f, unsigned lo, unsigned hi) {
        return std::any_of(f.teams.begin(), f.teams.end(), [&](const TeamNames& t) { return hasByteIn(t.longName, lo, hi); });
    };
    EXPECT_TRUE(anyTeam(english, 0xC0, 0xFF)) << "some club name has an accented letter";
    EXPECT_TRUE(anyTeam(japanese, 0x83, 0x83)) << "some club name is written in katakana";

    const auto engPlayers = parsePlayerNames(file("DATA/CMN/FE/FCDBPENG.DBI"));
    const auto japPlayers = parsePlayerNames(file("DATA/CMN/FE/FCDBPJAP.DBI"));
    ASSERT_EQ(engPlayers.size(), s_db.players.size());
    ASSERT_EQ(japPlayers.size(), s_db.players.size());
    EXPECT_TRUE(std::any_of(engPlayers.begin(), engPlayers.end(), [](const std::string& n) { return hasByteIn(n, 0xC0, 0xFF); }));
    EXPECT_TRUE(std::any_of(japPlayers.begin(), japPlayers.end(), [](const std::string& n) { return hasByteIn(n, 0x83, 0x83); }));
    EXPECT_TRUE(std::any_of(engPlayers.begin(), engPlayers.end(), [](const std::string& n) { return n.size() > 15; }))
        << "the name file holds names longer than the loader shows";
    // A Shift-JIS lead byte is never the last byte of a name.
    for (const std::string& n : japPlayers)
    {
        for (std::size_t i = 0; i < n.size(); ++i)
        {
            const auto c = static_cast<unsigned char>(n[i]);
            if ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC))
            {
                ASSERT_LT(i + 1, n.size()) << n;
                ++i;
            }
        }
    }
}

TEST_F(SampleGenerator, SpeechIndexNamesAbout40PercentOfPlayers)
{
    const Bytes& b = file("DATA/AUDIO/SPEECH/PLAYERS.OFF");
    const uint32_t count = u32(b, 0);
    ASSERT_EQ(b.size(), 4 + 4 * static_cast<std::size_t>(count));
    std::set<uint32_t> players;
    for (const Player& p : s_db.players)
        players.insert(p.id);
    std::set<uint32_t> listed;
    for (uint32_t i = 0; i < count; ++i)
        listed.insert(u32(b, 4 + 4 * i));
    const auto known = std::count_if(listed.begin(), listed.end(), [&](uint32_t id) { return players.count(id) != 0; });
    EXPECT_GE(known * 100, static_cast<long>(players.size()) * 30);
    EXPECT_LE(known * 100, static_cast<long>(players.size()) * 50);
    EXPECT_LE(listed.size() - static_cast<std::size_t>(known), 2u);
}

TEST_F(SampleGenerator, JerseyTexturesHoldAShirtInTheKitRampsAndATrailer)
{
    std::set<Bytes> pictures;
    int presets = 0;
    for (int i = 1; i <= 64; ++i)
    {
        char name[48];
        std::snprintf(name, sizeof name, "DATA/Player/Textures/Pk%03d.fsh", i);
        SCOPED_TRACE(name);
        const Bytes& b = file(name);
        ASSERT_GE(b.size(), 128u);
        EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "SHPI");
        EXPECT_EQ(u32(b, 8), 14u);
        const uint32_t trailer = u32(b, 4);
        ASSERT_LT(trailer, 65536u);
        ASSERT_EQ(b.size(), trailer + 280u);
        std::vector<uint32_t> mjfr;
        for (std::size_t e = 0; e < 14; ++e)
            if (std::string(b.begin() + 16 + 8 * e, b.begin() + 20 + 8 * e) == "mjfr")
                mjfr.push_back(u32(b, 20 + 8 * e));
        ASSERT_EQ(mjfr.size(), 1u);
        const std::size_t at = mjfr[0];
        ASSERT_LE(at + 16 + 4096 + 16 + 1024, trailer);

        const Bytes pixels(b.begin() + static_cast<std::ptrdiff_t>(at + 16), b.begin() + static_cast<std::ptrdiff_t>(at + 16 + 4096));
        EXPECT_EQ(pixels[0], 0) << "background around the shirt";
        EXPECT_EQ(pixels[4095], 0);
        std::set<int> ramps;
        for (uint8_t p : pixels)
        {
            EXPECT_TRUE(p == 0 || (p >= 32 && p < 80)) << "index " << int(p) << " outside the jersey ramps";
            if (p >= 32)
                ramps.insert((p - 32) / 16);
        }
        EXPECT_GE(ramps.size(), 2u) << "a design and a collar at least";
        pictures.insert(pixels);

        EXPECT_LE(b[trailer], 1);
        presets += b[trailer] == 1;
        for (int c = 1; c <= 7; ++c)
            EXPECT_LE(b[trailer + static_cast<std::size_t>(c)], 22);
        EXPECT_EQ(b.back(), 0) << "the description is NUL-terminated";
        EXPECT_EQ(cString(b, trailer + 24).rfind("Model " + std::to_string(i) + ":", 0), 0u);
    }
    EXPECT_EQ(pictures.size(), 64u) << "every model is drawn differently";
    EXPECT_GT(presets, 16);
    EXPECT_LT(presets, 48);
}

TEST(SampleGeneratorFull, ReachesTheLimitsOfTheFormats)
{
    TempFolder folder;
    ASSERT_FALSE(writeSampleGame(folder.path(), {3, CSampleScale::Full}));
    const Database db = parseDatabase(readBytes(folder.path() / "DATA/CMN/FE/FCDB.DBI"));
    EXPECT_EQ(db.teams.size(), 510u);
    EXPECT_EQ(db.teams.back().id, 2047u);
    EXPECT_EQ(db.players.back().id, 16383u);
    EXPECT_GE(db.players.size(), 12000u);
    EXPECT_LE(db.players.size(), 16000u);
    EXPECT_LT(db.playerTable, 65536u);
    EXPECT_GE(db.leagues.size(), 60u);
    EXPECT_FALSE(db.leagues[52].teamIds.empty());
}
