#include "TestGate.h"
#include "DatabaseSnapshot.h"
#include "FakePrompts.h"
#include "HandBytes.h"
#include "TempFolder.h"

#include "database/Database.h"
#include "database/RecordLimits.h"
#include "editing/DatabaseCheck.h"
#include "editing/FoldNotes.h"
#include "editing/RecordFields.h"
#include "editing/Transfers.h"
#include "exchange/ExchangeTexts.h"
#include "exchange/LeagueImport.h"
#include "exchange/PackedCodec.h"
#include "exchange/Packer.h"

#include <gtest/gtest.h>

#include "PlantedFiles.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace
{
constexpr uint32_t G = CDatabase::kFirstImportGeneration;

// A small game: three clubs at file positions 0, 1, 2 with ids 5, 7, 9.
//   team 5: players 101 102 103      team 7: players 201 202      team 9: players 301 302
void buildGame(CDatabase& db)
{
    const struct
    {
        uint32_t id;
        std::vector<uint32_t> players;
    } teams[] = {{5, {101, 102, 103}}, {7, {201, 202}}, {9, {301, 302}}};
    uint32_t fileIndex = 0;
    for (const auto& t : teams)
    {
        auto team = std::make_unique<CTeam>();
        team->id = t.id;
        team->fileIndex = fileIndex++;
        team->bankroll = 1000 + t.id;
        team->longName = "Game Team " + std::to_string(t.id);
        team->countryId = 44;
        for (std::size_t s = 0; s < t.players.size(); ++s)
        {
            team->players[s] = t.players[s];
            auto p = std::make_unique<CPlayer>();
            p->id = t.players[s];
            p->value = 5000;
            p->countryId = 44;
            p->speed = 9;
            p->name = "Game Player " + std::to_string(p->id);
            p->teamId = t.id;
            p->hasCommentary = 1;
            build(db).addPlayer(std::move(p));
        }
        team->loadedPlayers = team->players;
        build(db).addTeam(std::move(team));
    }
    build(db).setImportGeneration(G);
}

// The 36-byte header of an exchange file, from the format table.
Bytes exchangeFile(int kind, std::size_t recordSize, const std::vector<Bytes>& records)
{
    const uint32_t n = uint32_t(records.size());
    Bytes b{'F', 'C', 'D', 'B', 0, 0, 1, 0};
    add32(b, uint32_t(n * recordSize + 36));
    add32(b, 0x20);
    add32(b, kind == 5 ? uint32_t(n * 4 + 4) : 0);
    add32(b, 0);
    add32(b, kind == 3 ? uint32_t(n * 44 + 4) : 0);
    add32(b, kind == 4 ? uint32_t(n * 32 + 4) : 0);
    add16(b, uint16_t(n));
    b.push_back(0);
    b.push_back(uint8_t(kind));
    for (const Bytes& r : records) b.insert(b.end(), r.begin(), r.end());
    return b;
}

// A team record: bankroll 3000, teamExtra1 5, home jersey colours 1 2 3 style 9, away
// jersey colours 4 5 6 style 10, shorts styles 2 (home) 3 (away), away socks style 1,
// away socks colours 7 8, every extra field 15.
Bytes teamRecord(uint32_t baseId, const std::string& name)
{
    Bytes b(44, 0);
    put32(b, 0, 3000u | 5u << 20 | 7u << 25 | 1u << 30);
    put16(b, 4, uint16_t(1 | 2 << 5 | 9 << 10));
    put16(b, 6, uint16_t(3 | 11 << 5 | 15 << 10 | 2 << 14));
    put16(b, 8, uint16_t(12 | 13 << 5 | 63 << 10));
    put16(b, 10, uint16_t(14 | 16 << 5 | 15 << 10));
    put16(b, 12, uint16_t(4 | 5 << 5 | 10 << 10));
    put16(b, 14, uint16_t(6 | 17 << 5 | 15 << 10));
    put16(b, 16, uint16_t(baseId | 8 << 11));
    b[20] = uint8_t(3 | 2 << 3);
    for (std::size_t i = 0; i < name.size() && i < 20; ++i) b[24 + i] = uint8_t(name[i]);
    return b;
}

// A player record: hair colour 2, jersey 7, position 9, face 5, skin 1, hair style 3,
// facial hair 6, speed 10 and the other skills 4, extra nibbles 1 and 2, alt position 3.
Bytes playerRecord(uint32_t id, const std::string& name)
{
    Bytes b(32, 0);
    put16(b, 0, uint16_t(id | 2 << 14));
    put16(b, 2, uint16_t(7 | 9 << 7 | 5 << 11 | 1 << 14));
    b[4] = 3 | 6 << 4;
    b[5] = 10 | 4 << 4;
    for (int i = 6; i <= 10; ++i) b[std::size_t(i)] = 4 | 4 << 4;
    b[11] = 4;
    b[12] = 1 | 2 << 4;
    b[13] = 3;
    for (std::size_t i = 0; i < name.size() && i < 15; ++i) b[16 + i] = uint8_t(name[i]);
    b[31] = 'Q';
    return b;
}

Bytes transfer(uint32_t player, uint32_t leaving, uint32_t joining)
{
    Bytes b;
    add32(b, player | leaving << 14 | joining << 23);
    return b;
}

struct ExchangeSet
{
    std::vector<Bytes> players, teams, transfers;
    bool withTransfers = true;
};

void writeSet(const TempFolder& folder, const ExchangeSet& set, const std::string& sub = "League")
{
    folder.write(sub + "/CUSPLYR.DB", packBytes(exchangeFile(4, 32, set.players)));
    folder.write(sub + "/CUSTOM.DB", packBytes(exchangeFile(3, 44, set.teams)));
    if (set.withTransfers) folder.write(sub + "/XFER.DB", packBytes(exchangeFile(5, 4, set.transfers)));
}

// Players 101 and 102 of team 5 and 201 of team 7 exported, 103 not; 101 moves from
// team 5 to team 7, and the game's 301 of team 9 (not exported) joins team 5.
ExchangeSet transferSet()
{
    ExchangeSet s;
    s.players = {playerRecord(101, "Alan Abbot"), playerRecord(102, "A Much Longer Player Name"),
                 playerRecord(201, "Bert Brown")};
    s.teams = {teamRecord(5, "Northby Rovers"), teamRecord(7, "Southby Wanderers And Athletic")};
    s.transfers = {transfer(101, 0, 1), transfer(301, 2, 0)};
    return s;
}

struct ImportFixture : ::testing::Test
{
    CDatabase db;
    TempFolder folder;
    FakePrompts prompts;
    CInProcessPacker packer;
    std::vector<std::string> statuses;

    void SetUp() override { buildGame(db); }
    bool import(const std::string& sub = "League", const std::string& name = "Imported")
    {
        return importDbFiles(gate(db), (folder.path() / sub).string(), name, packer, prompts,
                             [&](const std::string& s) { statuses.push_back(s); });
    }
    std::vector<std::string> messages() const
    {
        std::vector<std::string> out;
        for (const auto& a : prompts.asked) out.push_back(a.text);
        return out;
    }
};
}  // namespace

TEST(ImportNames, ProposedLeagueNameIsTheLastComponent)
{
    EXPECT_EQ(proposedLeagueName("C:\\GOLVAR\\USER\\Northern Counties"), "Northern Counties");
    EXPECT_EQ(proposedLeagueName("/home/u/USER/Harbour/"), "Harbour");
    EXPECT_EQ(proposedLeagueName("Plain"), "Plain");
    EXPECT_EQ(proposedLeagueName("C:\\USER\\\\"), "USER");
}

using ImportDb = ImportFixture;

TEST_F(ImportDb, BuildsTeamsPlayersAndTheLeagueFromTheRecords)
{
    writeSet(folder, transferSet());
    ASSERT_TRUE(import("League", "Northern Counties"));
    EXPECT_TRUE(prompts.asked.empty());

    ASSERT_EQ(db.leagues().size(), 1u);
    const CLeague& league = *db.leagues()[0];
    EXPECT_EQ(league.displayName, "Northern Counties");
    EXPECT_EQ(league.teamIds, (std::vector<uint32_t>{5 + G, 7 + G}));
    EXPECT_EQ(league.slotCount, 2u);
    EXPECT_EQ(league.editorOnly, 1u);
    EXPECT_EQ(league.importedLeague, 1u);

    const CTeam* a = db.team(5 + G);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->longName, "Northby Rovers");
    EXPECT_EQ(db.teamNameIndex()[5 + G], "Northby Rovers");
    EXPECT_EQ(db.team(7 + G)->longName, "Southby Wanderers An");  // cut to 20 in the file
    EXPECT_EQ(a->bankroll, 3000u);
    EXPECT_EQ(a->teamExtra1, 5);
    EXPECT_EQ(a->homeJerseyColour1, 1);
    EXPECT_EQ(a->homeJerseyColour2, 2);
    EXPECT_EQ(a->homeJerseyStyle, 9);
    EXPECT_EQ(a->homeJerseyColour3, 3);
    EXPECT_EQ(a->homeShortsColour1, 11);
    EXPECT_EQ(a->homeSocksStyle, 2);
    EXPECT_EQ(a->homeShortsColour2, 12);
    EXPECT_EQ(a->homeSocksColour1, 13);
    EXPECT_EQ(a->homeSocksColour2, 14);
    EXPECT_EQ(a->awayShortsColour2, 16);
    EXPECT_EQ(a->awayJerseyColour1, 4);
    EXPECT_EQ(a->awayJerseyColour2, 5);
    EXPECT_EQ(a->awayJerseyStyle, 10);
    EXPECT_EQ(a->awayJerseyColour3, 6);
    EXPECT_EQ(a->awayShortsColour1, 17);
    EXPECT_EQ(a->awaySocksColour1, 7);
    EXPECT_EQ(a->awaySocksStyle, 1);
    EXPECT_EQ(a->awaySocksColour2, 8);
    EXPECT_EQ(a->awayShortsStyle, 3);
    EXPECT_EQ(a->homeShortsStyle, 2);
    // The file's extras are not taken; a fresh team's are.
    EXPECT_EQ((std::vector<int>{a->teamExtra2, a->teamExtra3, a->teamExtra4, a->teamExtra5, a->teamExtra6,
                                a->teamExtra7, a->teamExtra8, a->teamExtra9, a->teamExtra10, a->teamExtra11,
                                a->teamExtra12, a->teamExtra13, a->teamExtra14, a->teamExtra15}),
              (std::vector<int>{11, 0, 7, 7, 22, 25, 51, 1, 908, 3, 13, 6, 1, 16}));
    EXPECT_EQ(a->imported, 1u);
    EXPECT_EQ(a->modified, 0u);
    EXPECT_EQ(a->fileIndex, 0u);  // the base team's, so that transfers can name it
    // Exported players replace the base team's; the one not exported stays the game's.
    EXPECT_EQ(a->players[0], 101 + G);
    EXPECT_EQ(a->players[1], 102 + G);
    EXPECT_EQ(a->players[2], 103u);
    EXPECT_EQ(a->loadedPlayers, db.team(5)->players);

    const CPlayer* p = db.player(101 + G);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->name, "Alan Abbot");
    EXPECT_EQ(p->hairColour, 2);
    EXPECT_EQ(p->jerseyNumber, 7);
    EXPECT_EQ(p->position, 9);
    EXPECT_EQ(p->face, 5);
    EXPECT_EQ(p->skinColour, 1);
    EXPECT_EQ(p->hairStyle, 3);
    EXPECT_EQ(p->facialHair, 6);
    EXPECT_EQ(p->speed, 10);
    EXPECT_EQ(p->skillSum(), 10 + 12 * 4);
    EXPECT_EQ(p->extraNibble1, 1);
    EXPECT_EQ(p->extraNibble2, 2);
    EXPECT_EQ(p->altPosition, 3);
    EXPECT_EQ(p->letterCode, 'Q');
    // What the record does not carry.
    EXPECT_EQ(p->value, 1000u);
    EXPECT_EQ(p->countryId, 1);
    EXPECT_EQ(p->topByte, 160);
    EXPECT_EQ(p->extraNibble3, 7);
    EXPECT_EQ(p->extraNibble4, 7);
    EXPECT_EQ(p->extraNibble5, 7);
    EXPECT_EQ(p->hasCommentary, 0u);
    EXPECT_EQ(p->imported, 1u);
    EXPECT_EQ(p->teamId, 5 + G);
    EXPECT_EQ(db.player(102 + G)->name, "A Much Longer P");
    EXPECT_EQ(db.playerNameIndex()[102 + G], "A Much Longer P");
    // The game's player left in the imported roster is now listed by the imported team.
    EXPECT_EQ(db.player(103)->teamId, 5 + G);

    EXPECT_EQ(db.importGeneration(), G + 0x10000);
    EXPECT_TRUE(db.modified());
    ASSERT_GE(statuses.size(), 7u);
    EXPECT_EQ(statuses[0], "Importing Player 1/3 Alan Abbot...");
    EXPECT_EQ(statuses[3], "Importing Xfer 1/2 ...");
    EXPECT_EQ(statuses[5], "Importing Team 1/2 Northby Rovers...");
}

TEST_F(ImportDb, TransfersMarkMovedPlayersAndFillIncomingLists)
{
    writeSet(folder, transferSet());
    ASSERT_TRUE(import());

    // 101 moves from team 5 to team 7, both imported.
    const CPlayer* moved = db.player(101 + G);
    EXPECT_EQ(moved->copyMark, 5 + G);
    EXPECT_EQ(moved->destinationTeamId, 7 + G);
    const CTeam* b = db.team(7 + G);
    EXPECT_EQ(b->incomingPlayers[0], 101 + G);
    EXPECT_EQ(b->incomingPlayers[1], 0u);
    EXPECT_EQ(db.listedPlayers(5 + G), (std::vector<uint32_t>{102 + G, 103, 301 + G}));
    EXPECT_EQ(db.listedPlayers(7 + G), (std::vector<uint32_t>{201 + G, 202, 101 + G}));

    // 301 was not exported: a copy of the game's player joins team 5.
    const CPlayer* joined = db.player(301 + G);
    ASSERT_NE(joined, nullptr);
    EXPECT_EQ(joined->name, "Game Player 301");
    EXPECT_EQ(joined->value, 5000u);
    EXPECT_EQ(joined->speed, 9);
    EXPECT_EQ(joined->imported, 1u);
    EXPECT_EQ(joined->copyMark, 9 + G);
    EXPECT_EQ(joined->destinationTeamId, 5 + G);
    EXPECT_EQ(db.team(5 + G)->incomingPlayers[0], 301 + G);
    // The game's own player and team are untouched.
    EXPECT_EQ(db.player(301)->destinationTeamId, 0u);
    EXPECT_EQ(db.player(301)->teamId, 9u);
    EXPECT_EQ(db.team(9)->incomingPlayers[0], 0u);
}

TEST_F(ImportDb, TransfersToTeamsNotInTheFileAreDroppedAndUnknownPlayersSkipped)
{
    ExchangeSet s = transferSet();
    // joining fileIndex 40 names no team; player 999 exists nowhere.
    s.transfers = {transfer(101, 0, 40), transfer(999, 2, 0), transfer(301, 2, 0), transfer(301, 2, 0)};
    writeSet(folder, s);
    ASSERT_TRUE(import());
    EXPECT_EQ(db.player(101 + G)->destinationTeamId, 0u);
    EXPECT_EQ(db.player(999 + G), nullptr);
    const CTeam* a = db.team(5 + G);
    EXPECT_EQ(a->incomingPlayers[0], 301 + G);
    EXPECT_EQ(a->incomingPlayers[1], 0u);  // a repeated entry lists him once
}

TEST_F(ImportDb, WithoutTransfersFileAndWhateverTheCaseOfTheNames)
{
    ExchangeSet s = transferSet();
    folder.write("lower/cusplyr.db", packBytes(exchangeFile(4, 32, s.players)));
    folder.write("lower/Custom.Db", packBytes(exchangeFile(3, 44, s.teams)));
    ASSERT_TRUE(import("lower"));
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_EQ(db.player(101 + G)->destinationTeamId, 0u);
    EXPECT_EQ(db.player(301 + G), nullptr);
    for (uint32_t id : {5 + G, 7 + G})
        for (uint32_t slot : db.team(id)->incomingPlayers) EXPECT_EQ(slot, 0u);
}

TEST_F(ImportDb, ImportingTwiceGivesIdsOneGenerationApart)
{
    writeSet(folder, transferSet());
    ASSERT_TRUE(import());
    ASSERT_TRUE(import());
    ASSERT_EQ(db.leagues().size(), 2u);
    EXPECT_EQ(db.leagues()[1]->teamIds, (std::vector<uint32_t>{5 + G + 0x10000, 7 + G + 0x10000}));
    EXPECT_EQ(db.player(101 + G + 0x10000)->copyMark, 5 + G + 0x10000);
    EXPECT_EQ(db.team(5 + G + 0x10000)->players[0], 101 + G + 0x10000);
    EXPECT_NE(db.player(101 + G), nullptr);
    EXPECT_EQ(db.importGeneration(), G + 0x20000);
}

TEST_F(ImportDb, APlayerRecordWithIdZeroAddsNoPlayer)
{
    ExchangeSet s = transferSet();
    s.players.push_back(playerRecord(0, "Nobody"));
    writeSet(folder, s);
    const std::size_t before = db.playerCount();
    ASSERT_TRUE(import());
    EXPECT_EQ(db.playerCount(), before + 4);  // 101, 102, 201 and the copy of 301
    EXPECT_EQ(db.player(G), nullptr);
    db.forEachPlayer([](const CPlayer& p) { EXPECT_NE(p.id, 0u); });
}

TEST_F(ImportDb, EveryFailureLeavesTheDatabaseExactlyAsItWas)
{
    struct Case
    {
        const char* what;
        std::function<void(const TempFolder&)> make;
        std::string message;
        std::string detail = {};  // the file and what is wrong with it, on the next line
    };
    const Bytes notPacked = {1, 2, 3, 4, 5, 6, 7, 8};
    std::string notHere;  // cases this system cannot set up
    const std::vector<Case> cases = {
        {"base team missing",
         [](const TempFolder& f) {
             ExchangeSet s = transferSet();
             s.teams.push_back(teamRecord(33, "Nowhere Town"));
             writeSet(f, s);
         },
         exchangetexts::kTeamsCorrupted},
        {"no players file",
         [](const TempFolder& f) {
             f.write("League/CUSTOM.DB", packBytes(exchangeFile(3, 44, {teamRecord(5, "X")})));
         },
         exchangetexts::kErrorReadingPlayers},
        {"no teams file",
         [](const TempFolder& f) {
             f.write("League/CUSPLYR.DB", packBytes(exchangeFile(4, 32, {playerRecord(101, "X")})));
         },
         exchangetexts::kErrorReadingTeams},
        {"players do not unpack",
         [&](const TempFolder& f) {
             writeSet(f, transferSet());
             Bytes bad = {0x10, 0xFB, 0x00, 0x01, 0x00, 0xFF, 0xFF};
             f.write("League/CUSPLYR.DB", bad);
         },
         exchangetexts::kErrorImporting},
        {"transfers cut short",
         [&](const TempFolder& f) {
             writeSet(f, transferSet());
             Bytes cut = packBytes(Bytes(400, 7));
             cut.resize(cut.size() / 2);
             f.write("League/XFER.DB", cut);
         },
         exchangetexts::kErrorImporting, "\nXFER.DB: The packed file is cut short."},
        {"players announce far more than any exchange file holds",
         [&](const TempFolder& f) {
             writeSet(f, transferSet());
             Bytes big = packBytes(exchangeFile(4, 32, {playerRecord(101, "X")}));
             big[2] = 0xC8, big[3] = 0, big[4] = 0;
             f.write("League/CUSPLYR.DB", big);
         },
         exchangetexts::kErrorImporting, "\nCUSPLYR.DB announces 13107200 bytes when unpacked"},
        // The other header forms keep their length elsewhere; it is that length that counts.
        {"players announce 256 MiB in the 4-byte form",
         [&](const TempFolder& f) {
             writeSet(f, transferSet());
             Bytes big = packBytes(exchangeFile(4, 32, {playerRecord(101, "X")}));
             big.erase(big.begin(), big.begin() + 5);
             big.insert(big.begin(), {0x90, 0xFB, 0x10, 0x00, 0x00, 0x00});
             f.write("League/CUSPLYR.DB", big);
         },
         exchangetexts::kErrorImporting, "\nCUSPLYR.DB announces 268435456 bytes when unpacked"},
        {"teams announce 4 MiB after a skipped field",
         [&](const TempFolder& f) {
             writeSet(f, transferSet());
             Bytes big = packBytes(exchangeFile(3, 44, {teamRecord(5, "X")}));
             big.erase(big.begin(), big.begin() + 5);
             big.insert(big.begin(), {0x91, 0xFB, 0x00, 0x00, 0x00, 0x10, 0x00, 0x40, 0x00, 0x00});
             f.write("League/CUSTOM.DB", big);
         },
         exchangetexts::kErrorImporting, "\nCUSTOM.DB announces 4194304 bytes when unpacked"},
        {"players file is a pipe",
         [&](const TempFolder& f) {
             writeSet(f, transferSet());
             std::filesystem::remove(f.path() / "League/CUSPLYR.DB");
             std::string why;
             if (!plantPipe(f.path() / "League/CUSPLYR.DB", why)) notHere += "players file is a pipe: " + why;
         },
         exchangetexts::kErrorReadingPlayers, "not a regular file"},
        {"transfers do not unpack",
         [&](const TempFolder& f) {
             writeSet(f, transferSet());
             f.write("League/XFER.DB", notPacked);
         },
         exchangetexts::kErrorImporting},
        {"teams do not unpack",
         [&](const TempFolder& f) {
             writeSet(f, transferSet());
             f.write("League/CUSTOM.DB", notPacked);
         },
         exchangetexts::kErrorImporting},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        CDatabase fresh;
        buildGame(fresh);
        TempFolder f;
        const std::size_t skipped = notHere.size();
        c.make(f);
        if (notHere.size() != skipped) continue;
        const std::string before = databaseSnapshot(fresh);
        FakePrompts p;
        EXPECT_FALSE(importDbFiles(gate(fresh), (f.path() / "League").string(), "L", packer, p));
        ASSERT_EQ(p.asked.size(), 1u);
        // The fixed text first, then which file and what is wrong with it.
        EXPECT_EQ(p.asked[0].text.substr(0, p.asked[0].text.find('\n')), c.message);
        EXPECT_NE(p.asked[0].text.find(c.detail), std::string::npos) << p.asked[0].text;
        EXPECT_EQ(databaseSnapshot(fresh), before);
        EXPECT_EQ(fresh.importGeneration(), G);
        EXPECT_FALSE(fresh.modified());
    }
    if (!notHere.empty()) GTEST_SKIP() << notHere;
}

// ---------------------------------------------------------------------------------------
// GLV

namespace
{
void addString(Bytes& b, const std::string& s)
{
    b.push_back(uint8_t(s.size()));
    b.insert(b.end(), s.begin(), s.end());
}

// An 80-byte game team record: id, bankroll, and player ids in the 26 slots.
Bytes gameTeamRecord(uint32_t id, uint32_t bankroll, const std::vector<uint16_t>& players)
{
    Bytes b(80, 0);
    put32(b, 0, id | bankroll << 11);
    for (std::size_t s = 0; s < players.size(); ++s) put16(b, 28 + 2 * s, players[s]);
    return b;
}

// A GLV player record: id, value, jersey number and an 8-bit position in word 4.
Bytes glvPlayerRecord(uint32_t id, uint32_t value, uint32_t jersey, uint32_t position)
{
    Bytes b(20, 0);
    put32(b, 0, id | 3u << 14);
    put32(b, 4, value);
    put32(b, 16, jersey << 4 | position << 12);
    return b;
}

struct GlvTeam
{
    std::string name;
    Bytes record;
    std::vector<std::pair<std::string, Bytes>> players;
};

Bytes glvFile(const std::string& signature, const std::string& league, const std::vector<GlvTeam>& teams)
{
    Bytes b(signature.begin(), signature.end());
    addString(b, league);
    add32(b, uint32_t(teams.size()));
    for (const GlvTeam& t : teams)
    {
        addString(b, t.name);
        b.insert(b.end(), t.record.begin(), t.record.end());
        b.push_back(uint8_t(t.players.size()));
        for (const auto& [name, record] : t.players)
        {
            addString(b, name);
            b.insert(b.end(), record.begin(), record.end());
        }
    }
    return b;
}

// League 52 holds teams 5 and 7; team 7's second slot is empty.
void addBaseLeague(CDatabase& db)
{
    for (int i = 0; i < 52; ++i) build(db).addLeague(std::make_unique<CLeague>());
    auto league = std::make_unique<CLeague>();
    league->teamIds = {5, 7};
    league->slotCount = 2;
    build(db).addLeague(std::move(league));
    CTeam* b = build(db).team(7);
    b->players[1] = 0;
    b->players[2] = 202;
}

GlvTeam glvTeamA()
{
    return {"Harbour Town",
            gameTeamRecord(600, 2500, {1, 2, 3, 4}),
            {{"Sam Seaman", glvPlayerRecord(1, 700, 12, 14)},
             {"Peregrine Longname-Harbourside", glvPlayerRecord(2, 800, 3, 4)}}};
}
}  // namespace

struct ImportGlv : ImportFixture
{
    void SetUp() override
    {
        ImportFixture::SetUp();
        addBaseLeague(db);
    }
    bool importFile(const Bytes& bytes)
    {
        folder.write("League.GLV", bytes);
        return importGlvFile(gate(db), (folder.path() / "League.GLV").string(), prompts,
                             [&](const std::string& s) { statuses.push_back(s); });
    }
};

TEST_F(ImportGlv, TeamsAndPlayersTakeTheBaseIdsOfLeague52)
{
    GlvTeam b{"Quay Rangers", gameTeamRecord(601, 100, {11, 12, 13}),
              {{"First", glvPlayerRecord(11, 1, 1, 0)},
               {"Dropped", glvPlayerRecord(12, 1, 2, 0)},
               {"Third", glvPlayerRecord(13, 1, 3, 0)}}};
    ASSERT_TRUE(importFile(glvFile("GLV", "Harbour League", {glvTeamA(), b})));
    EXPECT_TRUE(prompts.asked.empty());

    const CLeague& league = *db.leagues().back();
    EXPECT_EQ(league.displayName, "Harbour League");
    EXPECT_EQ(league.teamIds, (std::vector<uint32_t>{5 + G, 7 + G}));
    EXPECT_EQ(league.editorOnly, 1u);
    EXPECT_EQ(league.importedLeague, 1u);

    const CTeam* a = db.team(5 + G);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->longName, "Harbour Town");
    EXPECT_EQ(a->bankroll, 2500u);
    EXPECT_EQ(a->fileIndex, db.team(5)->fileIndex);
    EXPECT_EQ(a->imported, 1u);
    // Two player blocks: slots 0 and 1 get new players, slots 2 to 25 are cleared.
    EXPECT_EQ(a->players[0], 101 + G);
    EXPECT_EQ(a->players[1], 102 + G);
    for (int s = 2; s < CTeam::kSlots; ++s) EXPECT_EQ(a->players[std::size_t(s)], 0u);

    const CPlayer* p = db.player(101 + G);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->name, "Sam Seaman");
    EXPECT_EQ(p->value, 700u);
    EXPECT_EQ(p->jerseyNumber, 12);
    EXPECT_EQ(p->position, 14);
    EXPECT_EQ(p->teamId, 5u);  // the base team's id
    EXPECT_EQ(p->imported, 1u);
    const CPlayer* longName = db.player(102 + G);
    EXPECT_EQ(longName->name, "Peregrine Longn");
    EXPECT_EQ(longName->storedName, "Peregrine Longname-Harbourside");
    EXPECT_EQ(db.playerNameIndex()[102 + G], "Peregrine Longn");

    // Base slot 1 of team 7 is empty: the block is dropped and the slot keeps the
    // record's id; the third block goes on with slot 2.
    const CTeam* t = db.team(7 + G);
    EXPECT_EQ(t->players[0], 201 + G);
    EXPECT_EQ(t->players[1], 12u);
    EXPECT_EQ(t->players[2], 202 + G);
    EXPECT_EQ(db.player(202 + G)->name, "Third");
    EXPECT_EQ(db.player(G + 12), nullptr);

    EXPECT_EQ(db.player(101)->teamId, 5u);  // game records unchanged
    EXPECT_EQ(db.importGeneration(), G + 0x10000);
    EXPECT_TRUE(db.modified());
    EXPECT_EQ(statuses.front(), "Importing Team 1/2 Harbour Town...");
}

TEST_F(ImportGlv, ATeamBlockWithoutPlayersHasEveryslotEmpty)
{
    ASSERT_TRUE(importFile(glvFile("GLV", "L", {{"Empty", gameTeamRecord(600, 1, {1, 2, 3}), {}}})));
    for (uint32_t id : db.team(5 + G)->players) EXPECT_EQ(id, 0u);
}

TEST_F(ImportGlv, TwoImportsAreOneGenerationApart)
{
    const Bytes file = glvFile("GLV", "L", {glvTeamA()});
    ASSERT_TRUE(importFile(file));
    ASSERT_TRUE(importFile(file));
    EXPECT_NE(db.team(5 + G), nullptr);
    EXPECT_EQ(db.leagues().back()->teamIds, (std::vector<uint32_t>{5 + G + 0x10000}));
    EXPECT_EQ(db.team(5 + G + 0x10000)->players[0], 101 + G + 0x10000);
}

TEST_F(ImportGlv, RefusedFilesChangeNothing)
{
    Bytes truncated = glvFile("GLV", "L", {glvTeamA()});
    truncated.resize(truncated.size() - 5);
    Bytes tooManyPlayers = glvFile("GLV", "L", {glvTeamA()});
    tooManyPlayers[3 + 2 + 4 + 13 + 80] = 27;
    const struct
    {
        const char* what;
        Bytes bytes;
        std::string message;  // empty: the reader's own
    } cases[] = {
        {"lower case signature", glvFile("glv", "L", {glvTeamA()}), exchangetexts::kNotGlv},
        {"more teams than league 52", glvFile("GLV", "L", {glvTeamA(), glvTeamA(), glvTeamA()}), ""},
        {"cut short", truncated, ""},
        {"27 players", tooManyPlayers, ""},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        const std::string before = databaseSnapshot(db);
        prompts.asked.clear();
        EXPECT_FALSE(importFile(c.bytes));
        ASSERT_EQ(prompts.asked.size(), 1u);
        if (!c.message.empty())
            EXPECT_EQ(prompts.asked[0].text, c.message);
        else
            EXPECT_FALSE(prompts.asked[0].text.empty());
        EXPECT_EQ(databaseSnapshot(db), before);
    }

    prompts.asked.clear();
    EXPECT_FALSE(importGlvFile(gate(db), (folder.path() / "missing.GLV").string(), prompts));
    EXPECT_EQ(messages(), (std::vector<std::string>{exchangetexts::kCannotOpenGlv}));
}

TEST(ImportGlvBase, ADatabaseWithoutLeague52RefusesTeams)
{
    CDatabase db;
    buildGame(db);
    TempFolder folder;
    folder.write("x.GLV", glvFile("GLV", "L", {glvTeamA()}));
    const std::string before = databaseSnapshot(db);
    FakePrompts prompts;
    EXPECT_FALSE(importGlvFile(gate(db), (folder.path() / "x.GLV").string(), prompts));
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_NE(prompts.asked[0].text.find("52"), std::string::npos);
    EXPECT_EQ(databaseSnapshot(db), before);
}

// ---------------------------------------------------------------------------------------
// What other users' files hold beyond the game's fields

namespace
{
struct CWideCase
{
    const char* field;
    int64_t value;
    int64_t limit;  // what the game's field holds
    Bytes dbRecord;  // empty: a GLV file
    Bytes glvRecord;
};
} // namespace

// Imported as read; the check lists the player on his imported team; a game team may take him
// only once the value fits, and from then on the value may not grow past the game's again.
TEST(ImportBeyondGame, ValuesTheGameCannotHoldAreImportedAndKeptOffGameTeams)
{
    const auto dbPlayer = [](auto patch) {
        Bytes b = playerRecord(101, "Wide Player");
        patch(b);
        return b;
    };
    const CWideCase cases[] = {
        {"jerseyNumber", 70, 63, dbPlayer([](Bytes& b) { put16(b, 2, uint16_t(70 | 9 << 7 | 5 << 11 | 1 << 14)); }), {}},
        {"altPosition", 200, 31, dbPlayer([](Bytes& b) { b[13] = 200; }), {}},
        {"facialHair", 9, 7, dbPlayer([](Bytes& b) { b[4] = 3 | 9 << 4; }), {}},
        {"jerseyNumber", 200, 63, {}, glvPlayerRecord(1, 700, 200, 14)},
        {"position", 40, 31, {}, glvPlayerRecord(1, 700, 12, 40)},
    };
    for (const CWideCase& c : cases)
    {
        SCOPED_TRACE(std::string(c.field) + (c.dbRecord.empty() ? " (GLV)" : " (DB files)"));
        CDatabase db;
        buildGame(db);
        TempFolder folder;
        FakePrompts prompts;
        if (!c.dbRecord.empty())
        {
            ExchangeSet set;
            set.players = {c.dbRecord};
            set.teams = {teamRecord(5, "Northby Rovers")};
            set.withTransfers = false;
            writeSet(folder, set);
            CInProcessPacker packer;
            ASSERT_TRUE(importDbFiles(gate(db), (folder.path() / "League").string(), "Wide", packer, prompts));
        }
        else
        {
            addBaseLeague(db);
            folder.write("Wide.GLV", glvFile("GLV", "Wide", {{"Harbour Town", gameTeamRecord(600, 2500, {1}), {{"Wide Player", c.glvRecord}}}}));
            ASSERT_TRUE(importGlvFile(gate(db), (folder.path() / "Wide.GLV").string(), prompts));
        }
        EXPECT_TRUE(prompts.asked.empty());
        const uint32_t id = 101 + G, home = 5 + G;
        const CPlayer* p = db.player(id);
        ASSERT_NE(p, nullptr);
        const auto beyond = recordlimits::beyondGame(*p);
        ASSERT_EQ(beyond.size(), 1u);
        EXPECT_STREQ(beyond[0].field, c.field);
        EXPECT_EQ(beyond[0].value, c.value);
        EXPECT_EQ(beyond[0].limit, c.limit);

        const auto problems = checkDatabase(db, CTextEncoding::Windows1252);
        EXPECT_FALSE(hasErrors(problems));
        const auto listed = std::find_if(problems.begin(), problems.end(), [](const CCheckProblem& q) {
            return q.code == checkcodes::kPlayerBeyondGame;
        });
        ASSERT_NE(listed, problems.end());
        EXPECT_EQ(listed->kind, CRecordKind::Team);
        EXPECT_EQ(listed->id, home);

        // Onto a game team: refused, naming the player, the field, his value and the limit.
        CDirectRunner runner(db);
        const std::string before = databaseSnapshot(db);
        const auto refusal = runner.run("move", [&](CTransaction& tx) { movePlayer(tx, id, home, 7); });
        ASSERT_TRUE(refusal);
        for (const std::string& part : {std::string("Wide Player"), std::string(c.field), std::to_string(c.value), std::to_string(c.limit)})
            EXPECT_NE(refusal->find(part), std::string::npos) << part << " in " << *refusal;
        EXPECT_EQ(databaseSnapshot(db), before);

        // Made to fit, he goes; then the value cannot grow past the game's while he is to go.
        const int field = recordfields::fieldIndex(CRecordKind::Player, c.field);
        const auto setTo = [&](int64_t v) {
            return runner.run("edit", [&](CTransaction& tx) {
                CFieldValue value;
                value.number = v;
                recordfields::players()[std::size_t(field)].set(*tx.player(id), value);
            });
        };
        ASSERT_FALSE(setTo(c.limit));
        ASSERT_FALSE(runner.run("move", [&](CTransaction& tx) { movePlayer(tx, id, home, 7); }));
        EXPECT_TRUE(setTo(c.value));
        EXPECT_TRUE(recordlimits::saveBlockers(db).empty());
    }
}

// The save writes an imported player over the game player with his id's low 16 bits, here one
// of another club: the question names him first, and the check sees him listed by two clubs.
TEST_F(ImportDb, TheSaveSaysWhomAnImportedPlayerTakesThePlaceOf)
{
    ExchangeSet set;
    set.players = {playerRecord(101, "Alan Abbot")};
    set.teams = {teamRecord(5, "Northby Rovers")};
    set.withTransfers = false;
    writeSet(folder, set);
    ASSERT_TRUE(import());
    EXPECT_TRUE(foldNotes(db).empty());
    CDirectRunner runner(db);
    ASSERT_FALSE(runner.run("move", [&](CTransaction& tx) { movePlayer(tx, 101 + G, 5 + G, 9); }));

    const std::string note = "'Alan Abbot' takes the place of the game's 'Game Player 101' of Game Team 5";
    EXPECT_EQ(foldNotes(db), std::vector<std::string>{note});
    const std::string question = withFoldNotes("This saves.\n\nContinue?", db);
    EXPECT_LT(question.find(note), question.find("\n\nContinue?")) << question;
    EXPECT_EQ(question.substr(0, 13), "This saves.\n\n");

    const auto problems = checkDatabase(db, CTextEncoding::Windows1252);
    const auto twice = std::find_if(problems.begin(), problems.end(), [](const CCheckProblem& q) {
        return q.code == checkcodes::kPlayerTwoClubs;
    });
    ASSERT_NE(twice, problems.end());
    EXPECT_EQ(twice->id, 101u);
}
