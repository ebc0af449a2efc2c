#include "TestGate.h"
#include "database/Database.h"
#include "database/SpokenNames.h"
#include "util/Prefault.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
CPlayer& addPlayer(CDatabase& db, uint32_t id, const std::string& name)
{
    auto p = std::make_unique<CPlayer>();
    p->id = id;
    p->name = name;
    return build(db).addPlayer(std::move(p));
}

CTeam& addTeam(CDatabase& db, uint32_t id, uint16_t country, std::initializer_list<uint32_t> players)
{
    auto t = std::make_unique<CTeam>();
    t->id = id;
    t->countryId = country;
    t->longName = "Team " + std::to_string(id);
    std::copy(players.begin(), players.end(), t->players.begin());
    return build(db).addTeam(std::move(t));
}

std::vector<uint8_t> speechIndex(int32_t count, std::initializer_list<uint32_t> ids)
{
    std::vector<uint8_t> b;
    auto put = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i) b.push_back(uint8_t(v >> (8 * i)));
    };
    put(uint32_t(count));
    for (auto id : ids) put(id);
    return b;
}
} // namespace

TEST(Database, LookupsYieldNothingOutsideTheTables)
{
    CDatabase db;
    addPlayer(db, 5, "Five");
    EXPECT_EQ(db.player(0), nullptr);
    EXPECT_EQ(db.player(4), nullptr);
    EXPECT_EQ(db.player(6), nullptr);
    EXPECT_EQ(db.player(0xFFFFFFFF), nullptr);
    EXPECT_NE(db.player(5), nullptr);
    EXPECT_EQ(db.team(1), nullptr);
    // Imported ids grow the table on demand.
    addPlayer(db, 0x30005, "Imported");
    EXPECT_EQ(db.playerLabel(0x30005), "Imported");
    EXPECT_EQ(db.playerCount(), 2u);
    EXPECT_EQ(db.highestPlayerId(), 0x30005u);
}

// Tables grown ahead of a load (their pages asked for in one go) keep what they held.
TEST(Database, ReservingKeepsWhatTheTablesHold)
{
    CDatabase db;
    addPlayer(db, 5, "Five");
    CDatabaseBuilder(db).reservePlayers(40000);
    ASSERT_NE(db.player(5), nullptr);
    EXPECT_EQ(db.playerLabel(5), "Five");
    EXPECT_EQ(db.playerNameIndex().size(), 40001u);
    EXPECT_EQ(db.playerNameIndex()[5], "Five");
    EXPECT_TRUE(db.playerNameIndex()[39999].empty());
    EXPECT_EQ(db.player(40000), nullptr);
    CDatabaseBuilder(db).reservePlayers(10);  // never shrinks
    EXPECT_EQ(db.playerNameIndex().size(), 40001u);

    std::vector<uint32_t> filled(100000, 0xA5A5A5A5u);
    prefaultForWriting(filled.data() + 3, (filled.size() - 7) * sizeof(uint32_t));
    prefaultForWriting(nullptr, 1 << 20);
    EXPECT_TRUE(std::ranges::all_of(filled, [](uint32_t v) { return v == 0xA5A5A5A5u; }));
}

TEST(Database, LabelsCarryImportAndEditMarks)
{
    CDatabase db;
    CPlayer& p = addPlayer(db, 1, "Anna");
    EXPECT_EQ(db.playerLabel(1), "Anna");
    p.imported = 1;
    EXPECT_EQ(db.playerLabel(1), "Anna *");
    p.modified = 1;
    EXPECT_EQ(db.playerLabel(1), "Anna * +");
    CTeam& t = addTeam(db, 3, 0, {1});
    t.modified = 1;
    EXPECT_EQ(db.teamLabel(3), "Team 3 +");
    EXPECT_EQ(db.teamLabel(4), "");
    EXPECT_EQ(db.playerNameInSlot(3, 0), "Anna");
    EXPECT_EQ(db.playerNameInSlot(3, 1), "");
    p.name = "Alexandra Featherstonehaugh";
    EXPECT_EQ(db.playerName(1), "Alexandra Feath");
}

TEST(Database, RatingsAtBothEnds)
{
    CPlayer p;
    EXPECT_EQ(p.skillRating(), 3);
    EXPECT_EQ(p.skillAverage(), 39);
    for (int i = 0; i < CPlayer::kSkillCount; ++i) p.skill(i) = 15;
    EXPECT_EQ(p.skillSum(), 195);
    EXPECT_EQ(p.skillRating(), 10);
    EXPECT_EQ(p.skillAverage(), 99);
    p.tackle = 0;
    EXPECT_EQ(p.skillAverage(), (4 * 180 + 507) / 13);
}

TEST(Database, FileIndexLookups)
{
    CDatabase db;
    addTeam(db, 7, 0, {}).fileIndex = 3;
    EXPECT_EQ(db.fileIndexOfTeam(7), 3);
    EXPECT_EQ(db.fileIndexOfTeam(CPlayer::kNoTeam), 511);
    EXPECT_EQ(db.fileIndexOfTeam(8), -1);
    EXPECT_EQ(db.teamIdAtFileIndex(3), 7);
    EXPECT_EQ(db.teamIdAtFileIndex(4), -1);
}

TEST(Database, InternationalMeansListedByTheFirstTeamOfTheCountry)
{
    CDatabase db;
    addPlayer(db, 1, "A").countryId = 44;
    addPlayer(db, 2, "B").countryId = 44;
    addPlayer(db, 3, "C").countryId = 45;
    addTeam(db, 10, 44, {1});     // first team of country 44
    addTeam(db, 11, 44, {2});     // a later team of the same country does not count
    EXPECT_TRUE(db.isInternational(1));
    EXPECT_FALSE(db.isInternational(2));
    EXPECT_FALSE(db.isInternational(3));  // no team of its country
    build(db).team(10)->addIncoming(2);
    EXPECT_TRUE(db.isInternational(2));
    build(db).player(1)->destinationTeamId = 11;  // moved away
    EXPECT_FALSE(db.isInternational(1));
}

TEST(Database, IncomingSlots)
{
    CTeam t;
    for (uint32_t i = 1; i <= 26; ++i) EXPECT_TRUE(t.addIncoming(i));
    EXPECT_FALSE(t.addIncoming(99));  // all 26 in use
    EXPECT_TRUE(t.removeIncoming(5));
    EXPECT_EQ(t.incomingPlayers[4], 0u);
    EXPECT_TRUE(t.addIncoming(99));
    EXPECT_EQ(t.incomingPlayers[4], 99u);  // the first empty slot
    EXPECT_FALSE(t.removeIncoming(1000));
    t.clearIncoming();
    EXPECT_EQ(t.incomingPlayers, CTeam::Slots{});
}

TEST(Database, PlayerCopiesAndCompare)
{
    CPlayer a, b;
    a.id = 1;
    a.value = 500;
    a.teamId = 9;
    a.speed = 12;
    a.countryId = 33;
    a.letterCode = 'Q';
    a.extraNibble5 = 6;
    a.name = "Source";
    a.imported = 1;
    b.id = 2;
    b.value = 100;
    b.teamId = 4;
    b.copyAttributesFrom(a);
    EXPECT_EQ(b.id, 2u);
    EXPECT_EQ(b.value, 100u);
    EXPECT_EQ(b.teamId, 4u);
    EXPECT_EQ(b.speed, 12);
    EXPECT_EQ(b.countryId, 33);
    EXPECT_EQ(b.letterCode, 'Q');
    EXPECT_EQ(b.extraNibble5, 6);
    EXPECT_EQ(b.name, "Source");
    EXPECT_EQ(b.imported, 1u);
    EXPECT_FALSE(b.sameAs(a));  // id and value differ
    b.copyFrom(a);
    EXPECT_EQ(b.id, 1u);
    EXPECT_EQ(b.teamId, 9u);
    EXPECT_TRUE(b.sameAs(a));
    b.countryId = 34;  // the compare leaves the country out
    EXPECT_TRUE(b.sameAs(a));
    b.extraNibble3 = 1;
    EXPECT_FALSE(b.sameAs(a));
}

TEST(Database, TeamCopiesAndCompare)
{
    CDatabase db;
    addPlayer(db, 1, "In");
    CTeam& src = addTeam(db, 10, 5, {1});
    src.bankroll = 700;
    src.homeJerseyColour2 = 14;
    src.teamExtra7 = 3;
    src.abbreviation = "SRC";
    src.imported = 1;
    src.modified = 1;
    src.addIncoming(1);
    CTeam& dst = addTeam(db, 20, 6, {});
    dst.copyAttributesFrom(src);
    EXPECT_EQ(dst.id, 20u);
    EXPECT_EQ(dst.bankroll, 700u);
    EXPECT_EQ(dst.teamExtra7, 3);
    EXPECT_EQ(dst.countryId, 5);
    EXPECT_EQ(dst.abbreviation, "SRC");
    EXPECT_EQ(dst.modified, 1u);
    EXPECT_EQ(dst.imported, 0u);
    EXPECT_EQ(dst.players, CTeam::Slots{});

    CTeam full;
    build(db).copyTeamFull(full, src);
    EXPECT_EQ(full.id, 10u);
    EXPECT_EQ(full.modified, 0u);
    EXPECT_EQ(full.players, src.players);
    EXPECT_EQ(full.incomingPlayers, src.incomingPlayers);
    EXPECT_EQ(db.player(1)->destinationTeamId, 10u);

    CTeam other = src;
    other.teamExtra7 = 9;  // not part of the compare
    other.playerCount = 4;
    EXPECT_TRUE(other.sameAs(src));
    other.awaySocksColour2 = 1;
    EXPECT_FALSE(other.sameAs(src));
}

TEST(Database, ListedPlayersSkipMovesAwayAndAddIncoming)
{
    CDatabase db;
    for (uint32_t i = 1; i <= 4; ++i) addPlayer(db, i, "P");
    addTeam(db, 10, 0, {1, 2, 3});
    build(db).player(2)->destinationTeamId = 11;  // moved away
    build(db).player(3)->destinationTeamId = 11;  // copied: stays
    build(db).player(3)->copyMark = CPlayer::kCopyMark;
    build(db).team(10)->addIncoming(4);
    EXPECT_EQ(db.listedPlayers(10), (std::vector<uint32_t>{1, 3, 4}));
}

TEST(Database, LeagueNamesOfEuropeanCompetitions)
{
    EXPECT_EQ(CLeague::displayNameFromStored("EC Champions"), "xEC Champions");
    EXPECT_EQ(CLeague::displayNameFromStored("Super EC"), "Super EC");
    EXPECT_EQ(CLeague::displayNameFromStored("E"), "E");
    EXPECT_EQ(CLeague::storedNameFromDisplay("xEC Champions"), "EC Champions");
    EXPECT_EQ(CLeague::storedNameFromDisplay("Premier"), "Premier");
    // A name the user began with "x" is not a competition's mark: stored as typed.
    for (const char* shown : {"xTreme League", "x", "xE", "xEC Cup", "EC Cup"})
        EXPECT_EQ(CLeague::displayNameFromStored(CLeague::storedNameFromDisplay(shown)) == shown,
                  std::string(shown) != "EC Cup")
            << shown;
}

TEST(SpokenNames, MarksListedPlayersOnce)
{
    CDatabase db;
    addPlayer(db, 1, "A");
    addPlayer(db, 2, "B");
    addPlayer(db, 3, "C");
    EXPECT_EQ(markSpokenNames(db, speechIndex(0, {1, 2})), 0);
    EXPECT_EQ(db.player(1)->hasCommentary, 0u);
    // Listed twice, not a player, beyond the table.
    EXPECT_EQ(markSpokenNames(db, speechIndex(5, {1, 1, 7, 900000, 3})), 2);
    EXPECT_EQ(db.player(1)->hasCommentary, 1u);
    EXPECT_EQ(db.player(2)->hasCommentary, 0u);
    EXPECT_EQ(db.player(3)->hasCommentary, 1u);
}

TEST(SpokenNames, CountIsCutToWhatTheFileHolds)
{
    CDatabase db;
    addPlayer(db, 1, "A");
    addPlayer(db, 2, "B");
    auto bytes = speechIndex(1000000, {1, 2});
    bytes.push_back(0x02);  // half an id at the end
    EXPECT_EQ(markSpokenNames(db, bytes), 2);
    EXPECT_EQ(markSpokenNames(db, speechIndex(-5, {1})), 0);
    EXPECT_EQ(markSpokenNames(db, {}), 0);
}
