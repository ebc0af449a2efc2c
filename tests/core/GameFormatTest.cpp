#include "HandBytes.h"

#include "database/GameFiles.h"
#include "database/RecordLayouts.h"

#include <gtest/gtest.h>

#include <bitset>

namespace
{
struct Loaded
{
    CDatabase db;
    std::optional<gameformat::CFormatError> error;
};

Loaded loadAll(const Bytes& database, const Bytes& names, const Bytes& playerNames)
{
    Loaded l;
    l.error = gameformat::loadPlayers(l.db, database, playerNames);
    if (!l.error) l.error = gameformat::loadTeams(l.db, database, names);
    if (!l.error) l.error = gameformat::loadLeagues(l.db, database, names);
    return l;
}

// The hand-made game, loaded the way the program loads it.
struct SmallGame : SmallHandGame
{
    Bytes database() const { return dbi(); }
    Bytes playerNameBytes() const { return pnames(); }
    Loaded load() const { return loadAll(dbi(), names(), pnames()); }
};

template <class Table>
void expectEveryBitOnce(const Table& table, std::size_t recordBytes, std::size_t coveredElsewhere)
{
    std::vector<int> owners(recordBytes * 8, 0);
    for (const auto& f : table)
        for (int b = 0; b < f.width; ++b)
        {
            const std::size_t bit = f.offset * 8 + f.firstBit + b;
            ASSERT_LT(f.firstBit + b, f.wordBytes * 8) << f.name << " runs past its word";
            ++owners[bit];
        }
    for (std::size_t bit = coveredElsewhere * 8; bit < owners.size(); ++bit) owners[bit] += 1;
    for (std::size_t bit = 0; bit < owners.size(); ++bit)
        EXPECT_EQ(owners[bit], 1) << "bit " << bit % 8 << " of byte " << bit / 8;
}
} // namespace

TEST(RecordLayout, EveryBitBelongsToExactlyOneField)
{
    // The player record has no bits outside the table; the team record's bytes 28..79
    // are the player slots.
    expectEveryBitOnce(layouts::kPlayerFields, 20, 20);
    expectEveryBitOnce(layouts::kTeamFields, 80, 28);
}

TEST(RecordLayout, PlayerWordsUnpackIntoTheirFields)
{
    // W0: id 0x1ABC, countryId 0x2F5, topByte 0xA0
    // W1: value 0xBEEF, skin 2, hair colour 3, hair style 11, facial hair 5, face 27
    // W2: acceleration 1, nibble1 2, agility 3, nibble2 4, awareness 5, ballControl 6,
    //     creativity 7, fitness 8
    // W3: heading 9, passing 10, nibble3 11, reaction 12, nibble4 13, shotPower 14,
    //     shotAccuracy 15, speed 0
    // W4: tackle 6, jersey 45, altPosition 13, position 16, letterCode 'K', nibble5 9
    const uint32_t w0 = 0x1ABC | (0x2F5u << 14) | (0xA0u << 24);
    const uint32_t w1 = 0xBEEF | (2u << 16) | (3u << 18) | (11u << 20) | (5u << 24) | (27u << 27);
    const uint32_t w2 = 0x87654321;
    const uint32_t w3 = 0x0FEDCBA9;
    const uint32_t w4 = 6 | (45u << 4) | (13u << 10) | (16u << 15) | (uint32_t('K') << 20) | (9u << 28);
    const Bytes dbi = databaseFile({}, {}, {playerRecord({w0, w1, w2, w3, w4})});
    Loaded l = loadAll(dbi, nameFile({}, {}), playerNameFile({"Kai Keller"}));
    ASSERT_FALSE(l.error) << l.error->message;
    const CPlayer* p = l.db.player(0x1ABC);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->countryId, 0x2F5);
    EXPECT_EQ(p->topByte, 0xA0);
    EXPECT_EQ(p->value, 0xBEEFu);
    EXPECT_EQ(p->skinColour, 2);
    EXPECT_EQ(p->hairColour, 3);
    EXPECT_EQ(p->hairStyle, 11);
    EXPECT_EQ(p->facialHair, 5);
    EXPECT_EQ(p->face, 27);
    const int skills[] = {p->acceleration, p->extraNibble1, p->agility, p->extraNibble2, p->awareness,
                          p->ballControl, p->creativity, p->fitness, p->heading, p->passing, p->extraNibble3,
                          p->reaction, p->extraNibble4, p->shotPower, p->shotAccuracy, p->speed};
    for (int i = 0; i < 16; ++i) EXPECT_EQ(skills[i], (i + 1) % 16) << "nibble " << i;
    EXPECT_EQ(p->tackle, 6);
    EXPECT_EQ(p->jerseyNumber, 45);
    EXPECT_EQ(p->altPosition, 13);
    EXPECT_EQ(p->position, 16);
    EXPECT_EQ(p->letterCode, 'K');
    EXPECT_EQ(p->extraNibble5, 9);
    EXPECT_EQ(p->name, "Kai Keller");
    EXPECT_EQ(p->fileIndex, 0u);

    // And back: the record packs to the very same words.
    uint8_t packed[20] = {};
    layouts::packPlayer(*p, packed);
    EXPECT_EQ(Bytes(packed, packed + 20), playerRecord({w0, w1, w2, w3, w4}));
}

TEST(RecordLayout, TeamWordsUnpackIntoTheirFields)
{
    Bytes r(80, 0);
    put32(r, 0, 1234 | (99999u << 11) | (0xCu << 28));
    put16(r, 4, 17 | (5 << 5) | (42 << 10));   // home jersey colours 1, 2, style
    put16(r, 6, 22 | (3 << 5) | (0x2A << 10)); // home jersey colour 3, shorts colour 1, extra2
    put16(r, 8, 9 | (11 << 5) | (0x15 << 10)); // home shorts colour 2, socks colour 1, extra3
    put16(r, 10, 4 | (0x1B << 5) | (0xA << 10) | (3 << 14)); // socks colour 2, extra6, extra4, socks style
    put16(r, 12, 1 | (2 << 5) | (63 << 10));
    put16(r, 14, 3 | (4 << 5) | (0x33 << 10));
    put16(r, 16, 5 | (6 << 5) | (0x0C << 10));
    put16(r, 18, 7 | (0x55 << 5) | (2 << 12) | (1 << 14)); // away socks colour 2, extra8, away socks style, extra9
    put32(r, 20, 1 | (2 << 4) | (3 << 8) | (5 << 12) | (2u << 15) | (0xABCu << 20));
    put16(r, 24, 4 | (2 << 3) | (0x3FF << 6));
    put16(r, 26, 0xFF85);  // -123
    put16(r, 28, 777);
    put16(r, 28 + 2 * 25, 4321);
    CTeam t;
    layouts::unpackTeam(r.data(), t);
    EXPECT_EQ(t.id, 1234u);
    EXPECT_EQ(t.bankroll, 99999u);
    EXPECT_EQ(t.teamExtra1, 0xC);
    EXPECT_EQ(t.homeJerseyColour1, 17);
    EXPECT_EQ(t.homeJerseyColour2, 5);
    EXPECT_EQ(t.homeJerseyStyle, 42);
    EXPECT_EQ(t.homeJerseyColour3, 22);
    EXPECT_EQ(t.homeShortsColour1, 3);
    EXPECT_EQ(t.teamExtra2, 0x2A);
    EXPECT_EQ(t.homeShortsColour2, 9);
    EXPECT_EQ(t.homeSocksColour1, 11);
    EXPECT_EQ(t.teamExtra3, 0x15);
    EXPECT_EQ(t.homeSocksColour2, 4);
    EXPECT_EQ(t.teamExtra6, 0x1B);
    EXPECT_EQ(t.teamExtra4, 0xA);
    EXPECT_EQ(t.homeSocksStyle, 3);
    EXPECT_EQ(t.awayJerseyColour1, 1);
    EXPECT_EQ(t.awayJerseyColour2, 2);
    EXPECT_EQ(t.awayJerseyStyle, 63);
    EXPECT_EQ(t.awayJerseyColour3, 3);
    EXPECT_EQ(t.awayShortsColour1, 4);
    EXPECT_EQ(t.teamExtra5, 0x33);
    EXPECT_EQ(t.awayShortsColour2, 5);
    EXPECT_EQ(t.awaySocksColour1, 6);
    EXPECT_EQ(t.teamExtra7, 0x0C);
    EXPECT_EQ(t.awaySocksColour2, 7);
    EXPECT_EQ(t.teamExtra8, 0x55);
    EXPECT_EQ(t.awaySocksStyle, 2);
    EXPECT_EQ(t.teamExtra9, 1);
    EXPECT_EQ(t.teamExtra11, 1);
    EXPECT_EQ(t.teamExtra12, 2);
    EXPECT_EQ(t.teamExtra13, 3);
    EXPECT_EQ(t.teamExtra14, 5);
    EXPECT_EQ(t.playerCount, 2);
    EXPECT_EQ(t.countryId, 0xABC);
    EXPECT_EQ(t.homeShortsStyle, 4);
    EXPECT_EQ(t.awayShortsStyle, 2);
    EXPECT_EQ(t.teamExtra10, 0x3FF);
    EXPECT_EQ(t.teamExtra15, -123);
    EXPECT_EQ(t.players[0], 777u);
    EXPECT_EQ(t.players[25], 4321u);
    EXPECT_EQ(t.loadedPlayers, t.players);

    uint8_t packed[80] = {};
    layouts::packTeam(t, packed);
    EXPECT_EQ(Bytes(packed, packed + 80), r);
}

TEST(GameReader, LoadsLeaguesTeamsAndPlayersWithTheirLinks)
{
    SmallGame g;
    Loaded l = g.load();
    ASSERT_FALSE(l.error) << l.error->message;
    ASSERT_EQ(l.db.leagues().size(), 2u);
    EXPECT_EQ(l.db.leagues()[0]->displayName, "Premier");
    EXPECT_EQ(l.db.leagues()[0]->id, 7u);
    EXPECT_EQ(l.db.leagues()[0]->teamIds, (std::vector<uint32_t>{10, 20}));
    // A stored name beginning "EC" is a European competition.
    EXPECT_EQ(l.db.leagues()[1]->displayName, "xECCup");
    EXPECT_TRUE(l.db.leagues()[1]->isEuropeanCompetition());

    const CTeam* t = l.db.team(20);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->abbreviation, "BRK");
    EXPECT_EQ(t->shortName, "Brook");
    EXPECT_EQ(t->longName, "Brookside Athletic");
    EXPECT_EQ(t->fileIndex, 1u);
    EXPECT_EQ(l.db.teamNameIndex()[30], "National XI");
    EXPECT_EQ(l.db.playerNameIndex()[3], "Cy Cole");

    // Player 2 is listed by team 10 and then by the national team 30 (bankroll 0).
    EXPECT_EQ(l.db.player(1)->teamId, 10u);
    EXPECT_EQ(l.db.player(2)->teamId, CPlayer::kNoTeam);
    EXPECT_EQ(l.db.player(3)->teamId, 20u);
    EXPECT_EQ(l.db.highestPlayerId(), 4u);
    EXPECT_EQ(l.db.highestTeamId(), 30u);
}

TEST(GameReader, LeagueSlotsComeFromTheLengthByte)
{
    auto slotsFor = [](uint8_t lengthByte) {
        Bytes dbi = databaseFile({{1, "L", std::vector<uint16_t>(20, 0)}}, {}, {});
        dbi[20 + 12 + 3] = lengthByte;  // the entry is right after a one-league directory
        Loaded l = loadAll(dbi, nameFile({"L"}, {}), playerNameFile({}));
        EXPECT_FALSE(l.error) << l.error->message;
        return l.db.leagues().empty() ? -1 : int(l.db.leagues()[0]->slotCount);
    };
    EXPECT_EQ(slotsFor(82), 20);
    EXPECT_EQ(slotsFor(2), 0);
    EXPECT_EQ(slotsFor(0), 0);
    EXPECT_EQ(slotsFor(78), 20);  // an odd count is read rounded up to even
    EXPECT_EQ(slotsFor(74), 18);
}

TEST(GameReader, NamesAreCutAsTheGameReadsThem)
{
    SmallGame g;
    g.playerNames[0] = "Bartholomew Smithers";  // 20 characters
    g.teamNames[0].abbreviation = "ABCDEF";       // fills its 6 bytes without a NUL
    g.leagueNames[1] = "EC Winners";
    Loaded l = g.load();
    ASSERT_FALSE(l.error) << l.error->message;
    EXPECT_EQ(l.db.player(1)->name, "Bartholomew Smi");
    EXPECT_EQ(l.db.player(1)->storedName, "Bartholomew Smithers");
    EXPECT_EQ(l.db.team(10)->abbreviation, "ABCDEF");
    EXPECT_EQ(l.db.team(10)->shortName, "Abbey");
    // The last league name ends where the team name section begins.
    EXPECT_EQ(l.db.leagues()[1]->displayName, "xEC Winners");
}

TEST(GameReader, DanglingSlotStaysAndSetsNothing)
{
    SmallGame g;
    g.teams[1] = simpleTeam(20, 900, {3, 999});
    Loaded l = g.load();
    ASSERT_FALSE(l.error) << l.error->message;
    EXPECT_EQ(l.db.team(20)->players[1], 999u);
    EXPECT_EQ(l.db.player(999), nullptr);
}

TEST(GameReader, RefusesMalformedFilesWithoutCreatingRecords)
{
    SmallGame g;
    const Bytes dbi = g.database(), names = g.names(), pnames = g.playerNameBytes();
    struct Case
    {
        const char* what;
        Bytes dbi, names, pnames;
        bool inNames;
    };
    std::vector<Case> cases;
    // Every truncation of FCDB.DBI that cuts into the tables.
    const std::size_t playerTable = get32(dbi, 16);
    cases.push_back({"truncated player table", Bytes(dbi.begin(), dbi.begin() + playerTable + 8 + 20 * 3 + 5), names,
                     pnames, false});
    cases.push_back({"header only", Bytes(dbi.begin(), dbi.begin() + 20), names, pnames, false});
    cases.push_back({"empty", Bytes(), names, pnames, false});
    Bytes hugeCount = dbi;
    put32(hugeCount, playerTable, 0x7FFFFFFF);
    cases.push_back({"player count the file cannot hold", hugeCount, names, pnames, false});
    Bytes badSize = dbi;
    put32(badSize, get32(dbi, 12) + 4, 81);
    cases.push_back({"team record size 81", badSize, names, pnames, false});
    Bytes manyLeagues = dbi;
    put32(manyLeagues, 20, 0x40000000);
    cases.push_back({"league count", manyLeagues, names, pnames, false});
    Bytes farName = pnames;
    put32(farName, 28 + 4 * 2, 0x10000);
    cases.push_back({"player name outside the file", dbi, names, farName, true});
    Bytes farTeamName = names;
    put32(farTeamName, get32(names, 12) + 8 + 4, 0xFFFFFFF0);
    cases.push_back({"team name outside the file", dbi, farTeamName, pnames, true});
    Bytes badSection = names;
    put32(badSection, 12, 0xFFFFFF00);
    cases.push_back({"team name section outside the file", dbi, badSection, pnames, true});
    SmallGame longLeague;
    longLeague.leagueNames[0] = std::string(80, 'L');
    cases.push_back({"league name of 80 bytes", dbi, longLeague.names(), pnames, true});
    Bytes farEntry = dbi;
    put32(farEntry, 28, 0x00FFFFFF);
    cases.push_back({"league entry outside the file", farEntry, names, pnames, false});

    for (const auto& c : cases)
    {
        Loaded l = loadAll(c.dbi, c.names, c.pnames);
        ASSERT_TRUE(l.error) << c.what;
        EXPECT_EQ(l.error->inNameFile, c.inNames) << c.what << ": " << l.error->message;
        EXPECT_FALSE(l.error->message.empty());
    }

    // A loader that refuses adds nothing.
    CDatabase db;
    EXPECT_TRUE(gameformat::loadPlayers(db, cases[0].dbi, pnames));
    EXPECT_EQ(db.playerCount(), 0u);
    EXPECT_TRUE(gameformat::loadTeams(db, badSize, names));
    EXPECT_EQ(db.teamCount(), 0u);
}

TEST(GameReader, LeagueNameOf79BytesIsAccepted)
{
    SmallGame g;
    g.leagueNames[0] = std::string(79, 'L');
    Loaded l = g.load();
    ASSERT_FALSE(l.error) << l.error->message;
    EXPECT_EQ(l.db.leagues()[0]->displayName.size(), 79u);
}
