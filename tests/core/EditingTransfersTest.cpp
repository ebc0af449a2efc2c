#include "TestGate.h"
#include "TempFolder.h"

#include "database/Database.h"
#include "database/GameFiles.h"
#include "editing/PlayerMoves.h"
#include "editing/TransferHint.h"
#include "util/TextCodec.h"
#include "editing/Transfers.h"
#include "sample/SampleGame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace
{
using K = CTransferSide::CKind;

// Teams built by hand: team t holds the players t*100+1 .. t*100+n in its slots.
struct World
{
    CDatabase db;

    CTeam& team(uint32_t id, int players)
    {
        auto t = std::make_unique<CTeam>();
        t->id = id;
        t->longName = "Team " + std::to_string(id);
        for (int i = 0; i < players; ++i)
        {
            auto p = std::make_unique<CPlayer>();
            p->id = id * 100 + uint32_t(i) + 1;
            p->name = "P" + std::to_string(p->id);
            t->players[i] = p->id;
            build(db).addPlayer(std::move(p));
        }
        return build(db).addTeam(std::move(t));
    }
    CTransferSide teamSide(uint32_t id) const { return {K::Team, id, id, db.listedPlayers(id)}; }
    CTransferSide playerSide(uint32_t player, uint32_t teamId) const
    {
        return {K::Player, player, teamId, db.listedPlayers(teamId)};
    }
    bool lists(uint32_t teamId, uint32_t player) const
    {
        const auto l = db.listedPlayers(teamId);
        return std::count(l.begin(), l.end(), player) == 1;
    }
};
}  // namespace

TEST(EditingTransfers, RefusalsComeInTheirOrderAndChangeNothing)
{
    World w;
    w.team(1, 11);
    w.team(2, 20);
    w.team(3, 26);
    w.team(4, 12);
    const CTransferSide league{K::League, 200000, 0, {}};

    auto r = transfer(gate(w.db), league, w.playerSide(101, 1));
    EXPECT_EQ(r.message, "Can't transfer league.");
    EXPECT_EQ(transfer(gate(w.db), w.teamSide(1), league).message, "Can't transfer league.");
    // Full beats too few: the right-hand team is checked first.
    EXPECT_EQ(transfer(gate(w.db), w.playerSide(101, 1), w.teamSide(2)).message, transfertexts::kRightTeamFull);
    EXPECT_EQ(transfer(gate(w.db), w.playerSide(101, 1), w.teamSide(4)).message, transfertexts::kTooFewPlayers);
    // On the left the limit is 26: a team of 20 still takes players.
    EXPECT_EQ(transfer(gate(w.db), w.teamSide(3), w.playerSide(101, 1)).message, transfertexts::kLeftTeamFull);
    EXPECT_EQ(transfer(gate(w.db), w.teamSide(4), w.playerSide(101, 1)).message, transfertexts::kTooFewPlayers);
    EXPECT_FALSE(w.db.modified());
    EXPECT_EQ(w.db.player(101)->destinationTeamId, 0u);
    EXPECT_EQ(transfer(gate(w.db), CTransferSide{}, w.teamSide(1)).kind, CTransferResult::CKind::Nothing);

    r = transfer(gate(w.db), w.teamSide(2), w.playerSide(401, 4));
    EXPECT_EQ(r.kind, CTransferResult::CKind::MovedPlayer);
    EXPECT_TRUE(w.lists(2, 401));
    EXPECT_FALSE(w.lists(4, 401));
}

TEST(EditingTransfers, MoveLimitsCountListedPlayersExactly)
{
    World w;
    w.team(1, 10);
    w.team(2, 14);
    w.team(3, 0);
    w.team(4, 25);
    // From 10 or 12 it goes ahead, into an empty team too.
    EXPECT_TRUE(transfer(gate(w.db), w.playerSide(101, 1), w.teamSide(3)).changed());
    EXPECT_TRUE(transfer(gate(w.db), w.playerSide(201, 2), w.teamSide(3)).changed());
    EXPECT_EQ(w.db.listedPlayers(3), (std::vector<uint32_t>{101, 201}));
    // A right-hand team beyond 20 is not stopped at 20, but one that already lists 26 is
    // full, and is told so in the words of a whole team, not of the 20.
    EXPECT_TRUE(transfer(gate(w.db), w.playerSide(202, 2), w.teamSide(4)).changed());
    EXPECT_EQ(w.db.listedPlayers(4).size(), 26u);
    EXPECT_EQ(transfer(gate(w.db), w.playerSide(203, 2), w.teamSide(4)).message, transfertexts::kLeftTeamFull);
}

// Cut then Paste and a drag move as "<---->" does from the left tree to a team on the
// right: the same limits, the same texts, and a refused or idle move changes nothing.
TEST(EditingTransfers, MoveOutsideThePageKeepsItsRulesAndTexts)
{
    World w;
    w.team(1, 11);
    w.team(2, 15);
    w.team(3, 20);
    w.team(4, 15);
    struct Case
    {
        uint32_t player, from, to;
        CTransferResult::CKind kind;
        const char* message;
    } cases[] = {
        {201, 2, 3, CTransferResult::CKind::Refused, transfertexts::kRightTeamFull},
        {101, 1, 2, CTransferResult::CKind::Refused, transfertexts::kTooFewPlayers},
        {201, 2, 2, CTransferResult::CKind::Nothing, ""},
        {101, 2, 4, CTransferResult::CKind::Nothing, ""},  // not listed by the team it was cut from
        {201, 2, 99, CTransferResult::CKind::Nothing, ""},
    };
    for (const Case& c : cases)
    {
        const CTransferResult r = movePlayerToTeam(gate(w.db), c.player, c.from, c.to);
        EXPECT_EQ(r.kind, c.kind) << c.player << " to " << c.to;
        EXPECT_EQ(r.message, c.message);
    }
    EXPECT_FALSE(w.db.modified());

    EXPECT_EQ(checkPlayerMove(w.db, 201, 2, 4).kind, CTransferResult::CKind::MovedPlayer);
    EXPECT_FALSE(w.db.modified());  // asking changes nothing
    EXPECT_EQ(movePlayerToTeam(gate(w.db), 201, 2, 4).kind, CTransferResult::CKind::MovedPlayer);
    EXPECT_TRUE(w.lists(4, 201));
    EXPECT_FALSE(w.lists(2, 201));
    // Cut again from where it went, and home: no longer counted twice anywhere.
    EXPECT_EQ(movePlayerToTeam(gate(w.db), 201, 4, 2).kind, CTransferResult::CKind::MovedPlayer);
    EXPECT_TRUE(w.lists(2, 201));
    EXPECT_FALSE(w.lists(4, 201));
}

TEST(EditingTransfers, HintSaysWhatTheButtonWouldDo)
{
    World w;
    w.team(1, 12);
    w.team(2, 12);
    const CTransferSide none{}, league{K::League, 200000, 0, {}};
    const struct
    {
        CTransferSide left, right;
        std::string hint;
    } cases[] = {
        {none, w.teamSide(2), "Select a player or a team on each side, then \"<---->\" moves or swaps them."},
        {league, w.teamSide(2), "A league cannot be transferred: select a team or a player."},
        {w.playerSide(101, 1), w.teamSide(2), "\"<---->\" moves P101 from Team 1 to Team 2."},
        {w.teamSide(1), w.playerSide(201, 2), "\"<---->\" moves P201 from Team 2 to Team 1."},
        {w.playerSide(101, 1), w.teamSide(1), "P101 is already in Team 1."},
        {w.playerSide(101, 1), w.playerSide(201, 2), "\"<---->\" swaps P101 of Team 1 and P201 of Team 2."},
        {w.teamSide(1), w.teamSide(2), "\"<---->\" swaps Team 1 and Team 2: names, kits and players."},
    };
    for (const auto& c : cases) EXPECT_EQ(describeTransfer(w.db, c.left, c.right, CTextEncoding::Windows1252), c.hint);
}

TEST(EditingTransfers, MoveRecordsThePlayersPlaceAndMarks)
{
    World w;
    w.team(1, 15);
    w.team(2, 15);
    const auto r = transfer(gate(w.db), w.playerSide(103, 1), w.teamSide(2));
    ASSERT_EQ(r.moves.size(), 1u);
    EXPECT_EQ(r.moves[0].fromTeamId, 1u);
    EXPECT_EQ(r.moves[0].toTeamId, 2u);
    const CPlayer& p = *w.db.player(103);
    EXPECT_EQ(p.destinationTeamId, 2u);
    EXPECT_EQ(p.copyMark, 1u);
    EXPECT_TRUE(p.modified);
    EXPECT_TRUE(w.db.team(1)->modified && w.db.team(2)->modified && w.db.modified());
    EXPECT_EQ(w.db.team(1)->players[2], 103u);  // the slots are left for the save
    EXPECT_TRUE(w.lists(2, 103));
    EXPECT_FALSE(w.lists(1, 103));

    // On to a third team: out of 2's incoming list, into 3's.
    w.team(3, 15);
    transfer(gate(w.db), w.teamSide(3), w.playerSide(103, 2));
    EXPECT_EQ(p.destinationTeamId, 3u);
    EXPECT_EQ(p.copyMark, 2u);
    EXPECT_FALSE(w.lists(2, 103));
    EXPECT_TRUE(w.lists(3, 103));
    EXPECT_FALSE(w.lists(1, 103));
}

TEST(EditingTransfers, SwapPlayersExchangesPlacesAndCommentary)
{
    World w;
    w.team(1, 15);
    w.team(2, 15);
    build(w.db).player(101)->hasCommentary = 1;
    auto r = transfer(gate(w.db), w.playerSide(101, 1), w.playerSide(201, 2));
    EXPECT_EQ(r.kind, CTransferResult::CKind::SwappedPlayers);
    EXPECT_TRUE(w.lists(2, 101) && w.lists(1, 201));
    EXPECT_FALSE(w.lists(1, 101) || w.lists(2, 201));
    EXPECT_EQ(w.db.player(101)->hasCommentary, 0u);
    EXPECT_EQ(w.db.player(201)->hasCommentary, 1u);
    EXPECT_TRUE(w.db.team(1)->modified && w.db.team(2)->modified);

    // Swapped back, both are home: no marks, no incoming entries.
    transfer(gate(w.db), w.playerSide(201, 1), w.playerSide(101, 2));
    for (uint32_t id : {101u, 201u})
    {
        EXPECT_EQ(w.db.player(id)->destinationTeamId, 0u);
        EXPECT_EQ(w.db.player(id)->copyMark, 0u);
    }
    EXPECT_EQ(w.db.team(1)->incomingPlayers[0], 0u);
    EXPECT_EQ(w.db.team(2)->incomingPlayers[0], 0u);
    EXPECT_EQ(w.db.listedPlayers(1).size(), 15u);
    EXPECT_TRUE(w.db.player(101)->hasCommentary);

    // Two players of one team: nothing to do.
    EXPECT_FALSE(transfer(gate(w.db), w.playerSide(101, 1), w.playerSide(102, 1)).changed());
}

TEST(EditingTransfers, SwapWhereOnlyOneGoesHomeListsEachOnce)
{
    World w;
    w.team(1, 15);
    w.team(2, 15);
    w.team(3, 15);
    movePlayer(gate(w.db), 301, 3, 1);  // 301 now in 1's incoming list
    movePlayer(gate(w.db), 102, 1, 2);  // 102 now in 2's incoming list, moved from 1
    transfer(gate(w.db), w.playerSide(301, 1), w.playerSide(102, 2));
    EXPECT_TRUE(w.lists(2, 301));
    EXPECT_FALSE(w.lists(1, 301));
    EXPECT_TRUE(w.lists(1, 102));
    EXPECT_EQ(w.db.player(102)->destinationTeamId, 0u);
}

TEST(EditingTransfers, SwapTeamsExchangesAttributesAndPlacesTheSurplus)
{
    World w;
    CTeam& a = w.team(1, 18);
    CTeam& b = w.team(2, 22);
    a.bankroll = 500;
    b.bankroll = 900;
    b.longName = "Bravo";
    w.team(3, 12);
    movePlayer(gate(w.db), 301, 3, 1);  // listed in 1 through its incoming list: 19 vs 22
    const auto r = transfer(gate(w.db), w.teamSide(1), w.teamSide(2));
    EXPECT_EQ(r.kind, CTransferResult::CKind::SwappedTeams);
    EXPECT_EQ(r.swaps.size(), 19u);
    EXPECT_EQ(r.moves.size(), 3u);
    EXPECT_EQ(a.id, 1u);
    EXPECT_EQ(a.bankroll, 900u);
    EXPECT_EQ(a.longName, "Bravo");
    EXPECT_EQ(b.bankroll, 500u);
    EXPECT_EQ(b.longName, "Team 1");
    EXPECT_EQ(w.db.listedPlayers(1).size(), 22u);
    EXPECT_EQ(w.db.listedPlayers(2).size(), 19u);
    for (int i = 1; i <= 22; ++i) EXPECT_TRUE(w.lists(1, 200 + uint32_t(i))) << i;
    for (int i = 1; i <= 18; ++i) EXPECT_TRUE(w.lists(2, 100 + uint32_t(i))) << i;
    EXPECT_TRUE(w.lists(2, 301));
    EXPECT_FALSE(w.lists(3, 301));

    // Swapped back, every player is home again: 301 too, whose home is now the team
    // it was last moved away from.
    transfer(gate(w.db), w.teamSide(1), w.teamSide(2));
    EXPECT_EQ(a.longName, "Team 1");
    for (uint32_t t : {1u, 2u, 3u})
        w.db.forEachPlayer([&](const CPlayer& p) {
            if (p.id / 100 == t)
            {
                EXPECT_EQ(p.destinationTeamId, 0u) << p.id;
            }
        });
    EXPECT_EQ(w.db.listedPlayers(1).size(), 18u);
    EXPECT_EQ(w.db.listedPlayers(2).size(), 22u);
    EXPECT_TRUE(w.lists(3, 301));
}

TEST(EditingTransfers, SwapWithAnEmptyTeamMovesEveryone)
{
    World w;
    w.team(1, 0);
    w.team(2, 15);
    transfer(gate(w.db), w.teamSide(1), w.teamSide(2));
    EXPECT_EQ(w.db.listedPlayers(1).size(), 15u);
    EXPECT_TRUE(w.db.listedPlayers(2).empty());
}

// Transfers as the game files keep them: made, saved with the real writer, read back.
class EditingTransfersSave : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_sample = std::make_unique<TempFolder>();
        ASSERT_FALSE(writeSampleGame(s_sample->path() / "golvar", {3, CSampleScale::Small}));
    }
    static void TearDownTestSuite() { s_sample.reset(); }

    void SetUp() override
    {
        m_folder = m_own.path() / "golvar";
        std::filesystem::copy(s_sample->path() / "golvar", m_folder, std::filesystem::copy_options::recursive);
        ASSERT_FALSE(CGameFiles(m_folder).loadAll(m_db));
        // Two clubs with room to spare on both sides, and a third to borrow from.
        m_db.forEachTeam([&](const CTeam& t) {
            const auto n = m_db.listedPlayers(t.id).size();
            if (n < 14 || n > 18 || t.bankroll == 0) return;
            if (!m_low) m_low = t.id;
            else if (!m_high) m_high = t.id;
            else if (!m_third)
            m_third = t.id;
        });
        ASSERT_TRUE(m_third) << "the sample has too few teams of 14..18 players";
    }

    void saveAndReload()
    {
        ASSERT_FALSE(CGameFiles(m_folder).save(m_db));
        m_db = CDatabase();
        ASSERT_FALSE(CGameFiles(m_folder).loadAll(m_db));
    }
    int timesListed(uint32_t teamId, uint32_t playerId) const
    {
        const CTeam* t = m_db.team(teamId);
        return int(std::count(t->players.begin(), t->players.end(), playerId));
    }
    void move(uint32_t player, uint32_t from, uint32_t to)
    {
        CTransferSide left{K::Player, player, from, m_db.listedPlayers(from)};
        CTransferSide right{K::Team, to, to, m_db.listedPlayers(to)};
        ASSERT_EQ(transfer(gate(m_db), left, right).kind, CTransferResult::CKind::MovedPlayer);
    }
    void swap(uint32_t p, uint32_t teamOfP, uint32_t q, uint32_t teamOfQ)
    {
        CTransferSide left{K::Player, p, teamOfP, m_db.listedPlayers(teamOfP)};
        CTransferSide right{K::Player, q, teamOfQ, m_db.listedPlayers(teamOfQ)};
        ASSERT_EQ(transfer(gate(m_db), left, right).kind, CTransferResult::CKind::SwappedPlayers);
    }
    // National sides list club players too, so only the clubs of a test are counted.
    int inClubs(uint32_t playerId) const
    {
        return timesListed(m_low, playerId) + timesListed(m_high, playerId) + timesListed(m_third, playerId);
    }
    int teamCountListing(uint32_t playerId) const
    {
        int n = 0;
        m_db.forEachTeam([&](const CTeam& t) { n += int(std::count(t.players.begin(), t.players.end(), playerId)); });
        return n;
    }

    static std::unique_ptr<TempFolder> s_sample;
    TempFolder m_own;
    std::filesystem::path m_folder;
    CDatabase m_db;
    uint32_t m_low = 0, m_high = 0, m_third = 0;
};
std::unique_ptr<TempFolder> EditingTransfersSave::s_sample;

TEST_F(EditingTransfersSave, MovedPlayerIsWrittenInTheNewTeamOnlyWhicheverIdIsLower)
{
    const uint32_t down = m_db.listedPlayers(m_high).front();  // to the lower id
    const uint32_t up = m_db.listedPlayers(m_low).front();     // to the higher id
    move(down, m_high, m_low);
    move(up, m_low, m_high);
    saveAndReload();
    EXPECT_EQ(timesListed(m_low, down), 1);
    EXPECT_EQ(timesListed(m_high, down), 0);
    EXPECT_EQ(timesListed(m_high, up), 1);
    EXPECT_EQ(timesListed(m_low, up), 0);
    EXPECT_EQ(inClubs(down), 1);
    EXPECT_EQ(inClubs(up), 1);
}

TEST_F(EditingTransfersSave, MovedThereAndBackIsListedOnceAtHome)
{
    const uint32_t p = m_db.listedPlayers(m_low).back();
    move(p, m_low, m_high);
    move(p, m_high, m_low);
    EXPECT_EQ(m_db.player(p)->destinationTeamId, m_low);
    EXPECT_EQ(m_db.player(p)->copyMark, m_high);
    saveAndReload();
    EXPECT_EQ(timesListed(m_low, p), 1);
    EXPECT_EQ(inClubs(p), 1);
}

TEST_F(EditingTransfersSave, SwappedBackIsInItsOldSlot)
{
    const auto before = m_db.team(m_low)->players;
    const uint32_t p = m_db.listedPlayers(m_low)[2];
    const uint32_t q = m_db.listedPlayers(m_high)[0];
    swap(p, m_low, q, m_high);
    swap(q, m_low, p, m_high);
    saveAndReload();
    EXPECT_EQ(m_db.team(m_low)->players, before);
    EXPECT_EQ(inClubs(p), 1);
    EXPECT_EQ(inClubs(q), 1);
    EXPECT_EQ(timesListed(m_high, q), 1);
}

TEST_F(EditingTransfersSave, MovedThenSwappedBackIsInItsPlayersSlot)
{
    const uint32_t p = m_db.listedPlayers(m_low)[2];
    const uint32_t r = m_db.listedPlayers(m_low)[0];
    move(p, m_low, m_high);
    swap(r, m_low, p, m_high);
    EXPECT_EQ(m_db.player(p)->destinationTeamId, 0u);
    EXPECT_EQ(m_db.player(p)->copyMark, 0u);
    EXPECT_EQ(std::count(m_db.team(m_low)->incomingPlayers.begin(), m_db.team(m_low)->incomingPlayers.end(), p), 0);
    saveAndReload();
    EXPECT_EQ(timesListed(m_low, p), 1);
    EXPECT_EQ(inClubs(p), 1);
    EXPECT_EQ(timesListed(m_high, r), 1);
    EXPECT_EQ(inClubs(r), 1);
}

TEST_F(EditingTransfersSave, TeamsOf18And22SwapTheirPlayers)
{
    // Shape the two teams to 18 and 22 with one player from each of other clubs.
    std::vector<std::pair<uint32_t, uint32_t>> spare;  // player, team
    m_db.forEachTeam([&](const CTeam& t) {
        const auto listed = m_db.listedPlayers(t.id);
        // A player of one club only: national sides list club players as well.
        if (t.id != m_low && t.id != m_high && t.bankroll != 0 && listed.size() > 12 &&
            teamCountListing(listed.front()) == 1)
            spare.emplace_back(listed.front(), t.id);
    });
    auto fill = [&](uint32_t team, std::size_t size) {
        while (m_db.listedPlayers(team).size() < size && !spare.empty())
        {
            movePlayer(gate(m_db), spare.back().first, spare.back().second, team);
            spare.pop_back();
        }
    };
    fill(m_low, 18);
    fill(m_high, 22);
    saveAndReload();
    const auto low = m_db.listedPlayers(m_low);
    const auto high = m_db.listedPlayers(m_high);
    ASSERT_EQ(low.size(), 18u);
    ASSERT_EQ(high.size(), 22u);
    const std::string lowName = m_db.team(m_low)->longName;

    const auto r = swapTeams(gate(m_db), m_low, m_high, low, high);
    EXPECT_EQ(r.swaps.size(), 18u);
    EXPECT_EQ(r.moves.size(), 4u);
    saveAndReload();
    const CTeam& a = *m_db.team(m_low);
    const CTeam& b = *m_db.team(m_high);
    EXPECT_EQ(b.longName, lowName);
    EXPECT_EQ(a.nonEmptySlots(), 22);
    EXPECT_EQ(b.nonEmptySlots(), 18);
    for (uint32_t id : high) EXPECT_EQ(timesListed(m_low, id), 1) << id;
    for (uint32_t id : low) EXPECT_EQ(timesListed(m_high, id), 1) << id;
    for (uint32_t id : high) EXPECT_EQ(timesListed(m_high, id), 0) << id;
    for (uint32_t id : low) EXPECT_EQ(timesListed(m_low, id), 0) << id;
}
