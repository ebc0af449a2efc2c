#include "TestGate.h"
#include "HandBytes.h"

#include "database/GameFiles.h"

#include <gtest/gtest.h>

namespace
{
struct Game : SmallHandGame
{
    CDatabase load() const
    {
        CDatabase db;
        const Bytes d = dbi(), n = names(), p = pnames();
        EXPECT_FALSE(gameformat::loadPlayers(db, d, p));
        EXPECT_FALSE(gameformat::loadTeams(db, d, n));
        EXPECT_FALSE(gameformat::loadLeagues(db, d, n));
        return db;
    }
    // The bytes, then what the save leaves in memory, applied as the editor does.
    gameformat::CSaveImage save(CDatabase& db) const
    {
        CDatabase saved;
        auto img = gameformat::buildSave(db, dbi(), names(), &saved);
        gameformat::applySavedState(gate(db), saved);
        return img;
    }
};

std::vector<uint32_t> slotsOf(const Bytes& dbi, std::size_t k)
{
    const std::size_t at = get32(dbi, 12) + 8 + 80 * k;
    std::vector<uint32_t> out;
    for (int s = 0; s < 26; ++s)
        if (uint16_t id = get16(dbi, at + 28 + 2 * s)) out.push_back(id);
    return out;
}

uint32_t playerCountField(const Bytes& dbi, std::size_t k)
{
    return (get32(dbi, get32(dbi, 12) + 8 + 80 * k + 20) >> 15) & 31;
}

// Moves player p from team `from` to team `to` as a transfer records it.
void recordMove(CDatabase& db, uint32_t p, uint32_t to, bool copy = false)
{
    build(db).player(p)->destinationTeamId = to;
    build(db).player(p)->copyMark = copy ? CPlayer::kCopyMark : 0;
    build(db).team(to)->addIncoming(p);
}
} // namespace

TEST(GameWriter, UnchangedDatabaseIsWrittenByteForByte)
{
    Game g;
    g.playerNames[1] = "Maximilian Oberhuber-Frankenstein";  // longer than the 15 shown
    CDatabase db = g.load();
    const auto img = g.save(db);
    EXPECT_EQ(img.database, g.dbi());
    EXPECT_EQ(img.names, g.names());
    EXPECT_EQ(img.playerNames, g.pnames());
}

TEST(GameWriter, EditedLongNameIsWrittenAsEdited)
{
    Game g;
    g.playerNames[1] = "Maximilian Oberhuber-Frankenstein";
    CDatabase db = g.load();
    build(db).player(2)->name = "Max Oberhuber";
    const auto img = g.save(db);
    g.playerNames[1] = "Max Oberhuber";
    EXPECT_EQ(img.playerNames, g.pnames());
}

TEST(GameWriter, LeagueNamesArePaddedWithOneTwoThree)
{
    Game g;
    CDatabase db = g.load();
    // Names start at 36; "Premier\0" and "ECCu\0" end at 49 = 4*12 + 1.
    build(db).leagues()[1]->displayName = "xECCu";
    build(db).leagues()[0]->displayName = "Premier";
    const auto img = g.save(db);
    ASSERT_GE(img.names.size(), 56u);
    EXPECT_EQ(get32(img.names, 20), 2u);
    EXPECT_EQ(get32(img.names, 24), 0u);
    EXPECT_EQ(get32(img.names, 28), 16u);
    EXPECT_EQ(get32(img.names, 32), 24u);
    EXPECT_EQ(std::string(img.names.begin() + 36, img.names.begin() + 52), std::string("Premier\0ECCu\0" "123", 16));
    EXPECT_EQ(get32(img.names, 12), 52u);
    EXPECT_EQ(get32(img.names, 52), 3u);
    // Header bytes the editor does not interpret are copied.
    const Bytes original = g.names();
    EXPECT_EQ(Bytes(img.names.begin(), img.names.begin() + 12), Bytes(original.begin(), original.begin() + 12));
    EXPECT_EQ(Bytes(img.names.begin() + 16, img.names.begin() + 20), Bytes({'X', 'Y', 'Z', 'W'}));
}

TEST(GameWriter, NamesLongerThanTheirFieldsAreCut)
{
    Game g;
    CDatabase db = g.load();
    build(db).team(10)->abbreviation = "ABCDEFGH";
    build(db).team(10)->shortName = "Abbey Road Rovers";
    const auto img = g.save(db);
    const std::size_t section = get32(img.names, 12);
    const std::size_t entry = section + get32(img.names, section + 8);
    EXPECT_EQ(std::string(img.names.begin() + entry, img.names.begin() + entry + 17), "ABCDEFAbbey Road ");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(img.names.data()) + entry + 17), "Abbey Rovers");
}

TEST(GameWriter, MovedPlayerEndsInTheNewTeamOnly)
{
    for (bool towardsLowerId : {false, true})
    {
        Game g;
        CDatabase db = g.load();
        if (towardsLowerId)
            recordMove(db, 3, 10);  // from 20 to 10
        else
            recordMove(db, 1, 20);  // from 10 to 20
        const auto img = g.save(db);
        if (towardsLowerId)
        {
            EXPECT_EQ(slotsOf(img.database, 0), (std::vector<uint32_t>{3, 1, 2}));
            EXPECT_EQ(slotsOf(img.database, 1), (std::vector<uint32_t>{}));
            EXPECT_EQ(playerCountField(img.database, 0), 3u);
            EXPECT_EQ(playerCountField(img.database, 1), 0u);
        }
        else
        {
            EXPECT_EQ(slotsOf(img.database, 0), (std::vector<uint32_t>{2}));
            EXPECT_EQ(slotsOf(img.database, 1), (std::vector<uint32_t>{1, 3}));
        }
        // The move is final: nothing pending remains.
        db.forEachPlayer([](const CPlayer& p) { EXPECT_EQ(p.destinationTeamId, 0u); });
        db.forEachTeam([](const CTeam& t) { EXPECT_EQ(t.incomingPlayers, CTeam::Slots{}); });
    }
}

TEST(GameWriter, CopiedPlayerIsListedByBothTeams)
{
    Game g;
    CDatabase db = g.load();
    recordMove(db, 1, 20, true);
    const auto img = g.save(db);
    EXPECT_EQ(slotsOf(img.database, 0), (std::vector<uint32_t>{1, 2}));
    EXPECT_EQ(slotsOf(img.database, 1), (std::vector<uint32_t>{1, 3}));
    // After the save the copy is an ordinary listing: a later move of the player out of
    // team 10 must not take it out of team 20 as well.
    recordMove(db, 1, 30);
    const auto again = g.save(db);
    EXPECT_EQ(slotsOf(again.database, 0), (std::vector<uint32_t>{2}));
    EXPECT_EQ(slotsOf(again.database, 1), (std::vector<uint32_t>{1, 3}));
}

TEST(GameWriter, ImportedPlayersAreFoldedIntoGamePlayers)
{
    Game g;
    CDatabase db = g.load();
    auto imported = [&](uint32_t id, const char* name, uint32_t teamId) {
        auto p = std::make_unique<CPlayer>();
        p->id = id;
        p->name = name;
        p->imported = 1;
        p->teamId = teamId;
        p->speed = 15;
        return &build(db).addPlayer(std::move(p));
    };
    // Player 1 of team 10 went to imported team 0x30001 in exchange for an imported
    // player: player 1's record takes the newcomer over.
    imported(0x30007, "New Arrival", 0x30001);
    build(db).player(1)->destinationTeamId = 0x30001;
    build(db).team(10)->addIncoming(0x30007);
    // An imported player whose base id is 4 lands on player 4's record.
    imported(0x30004, "Other Newcomer", 0x30002);
    build(db).team(20)->addIncoming(0x30004);

    const auto img = g.save(db);
    EXPECT_EQ(db.player(1)->name, "New Arrival");
    EXPECT_EQ(db.player(1)->id, 1u);
    EXPECT_EQ(db.player(1)->speed, 15);
    EXPECT_EQ(db.player(4)->name, "Other Newcomer");
    EXPECT_EQ(slotsOf(img.database, 0), (std::vector<uint32_t>{1, 2}));
    EXPECT_EQ(slotsOf(img.database, 1), (std::vector<uint32_t>{4, 3}));
    // Imported records are never written as records of their own.
    EXPECT_EQ(get32(img.database, get32(img.database, 16)), 4u);
    const std::size_t pn = get32(img.playerNames, 28) + 20;
    EXPECT_STREQ(reinterpret_cast<const char*>(img.playerNames.data()) + pn, "New Arrival");
}

TEST(GameWriter, EditorOnlyLeaguesAndImportedTeamsAreNotWritten)
{
    Game g;
    CDatabase db = g.load();
    auto league = std::make_unique<CLeague>();
    league->displayName = "Imported";
    league->editorOnly = 1;
    league->importedLeague = 1;
    league->slotCount = 3;
    league->teamIds = {0x30001, 0, 0};
    build(db).addLeague(std::move(league));
    auto team = std::make_unique<CTeam>();
    team->id = 0x30001;
    team->imported = 1;
    build(db).addTeam(std::move(team));
    EXPECT_FALSE(gameformat::checkWritable(db));
    const auto img = g.save(db);
    EXPECT_EQ(img.database, g.dbi());
    EXPECT_EQ(img.names, g.names());
}

TEST(GameWriter, RefusesLeaguesItCannotWrite)
{
    Game g;
    CDatabase db = g.load();
    build(db).leagues()[0]->slotCount = 19;
    build(db).leagues()[0]->teamIds.resize(19);
    auto msg = gameformat::checkWritable(db);
    ASSERT_TRUE(msg);
    EXPECT_EQ(*msg, "Premier League consist an odd number (19) of teams. Please make sure that only even numbers of "
                    "teams are used.");
    build(db).leagues()[0]->importedLeague = 1;  // an imported league is not checked for odd counts
    EXPECT_FALSE(gameformat::checkWritable(db));

    build(db).leagues()[0]->slotCount = 64;  // the entry's length byte would overflow
    build(db).leagues()[0]->teamIds.resize(64);
    msg = gameformat::checkWritable(db);
    ASSERT_TRUE(msg);
    EXPECT_NE(msg->find("Premier"), std::string::npos);
    EXPECT_NE(msg->find("64"), std::string::npos);
    build(db).leagues()[0]->slotCount = 62;
    build(db).leagues()[0]->teamIds.resize(62);
    EXPECT_FALSE(gameformat::checkWritable(db));
}

TEST(GameWriter, LastSevenBytesNeverTouchRecords)
{
    {
        Game g;
        g.trailing = 0;  // the player table reaches the end of the file
        CDatabase db = g.load();
        const auto img = g.save(db);
        const Bytes original = g.dbi();
        ASSERT_EQ(img.database.size(), original.size() + 7);
        EXPECT_TRUE(std::equal(original.begin(), original.end(), img.database.begin()));
        EXPECT_EQ(Bytes(img.database.end() - 7, img.database.end()), Bytes(7, 0));
    }
    {
        Game g;
        g.trailing = 10;
        Bytes withTail = g.dbi();
        std::fill(withTail.end() - 10, withTail.end(), 0xEE);
        CDatabase db = g.load();
        const auto img = gameformat::buildSave(db, withTail, g.names());
        ASSERT_EQ(img.database.size(), withTail.size());
        EXPECT_EQ(Bytes(img.database.end() - 10, img.database.end()),
                  Bytes({0xEE, 0xEE, 0xEE, 0, 0, 0, 0, 0, 0, 0}));
    }
}

TEST(GameWriter, FewerLeaguesRewriteTheTablesInPlace)
{
    Game g;
    CDatabase db = g.load();
    build(db).leagues().pop_back();
    const auto img = g.save(db);
    // One directory entry and one league of two slots: the team table moves up.
    EXPECT_EQ(get32(img.database, 20), 1u);
    EXPECT_EQ(get32(img.database, 28), 12u);
    EXPECT_EQ(get32(img.database, 12), 20u + 12 + 8);
    EXPECT_EQ(get32(img.database, 16), 40u + 8 + 3 * 80);
    // The file is rewritten in place: it keeps its length, and its first bytes.
    const Bytes original = g.dbi();
    EXPECT_EQ(img.database.size(), original.size());
    EXPECT_EQ(Bytes(img.database.begin(), img.database.begin() + 12), Bytes(original.begin(), original.begin() + 12));
    EXPECT_EQ(Bytes(img.database.begin() + 24, img.database.begin() + 28), Bytes({0xAA, 0xBB, 0xCC, 0xDD}));
    CDatabase again;
    EXPECT_FALSE(gameformat::loadPlayers(again, img.database, img.playerNames));
    EXPECT_FALSE(gameformat::loadTeams(again, img.database, img.names));
    EXPECT_FALSE(gameformat::loadLeagues(again, img.database, img.names));
    EXPECT_EQ(again.leagues().size(), 1u);
    EXPECT_EQ(again.playerCount(), 4u);
}
