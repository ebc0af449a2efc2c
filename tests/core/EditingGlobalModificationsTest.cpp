#include "TestGate.h"
#include "TempFolder.h"

#include "database/Database.h"
#include "database/GameFiles.h"
#include "editing/GlobalModifications.h"
#include "sample/SampleGame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace
{
enum Skill
{
    Acceleration = 0,
    Fitness = 5,
    ShotPower = 9,
    ShotAccuracy = 10,
    Speed = 11,
    Tackle = 12,
};

struct ModWorld
{
    CDatabase db;

    CPlayer& player(uint32_t id, uint8_t position, uint8_t skillValue, uint8_t altPosition = 0)
    {
        auto p = std::make_unique<CPlayer>();
        p->id = id;
        p->name = "P" + std::to_string(id);
        p->position = position;
        p->altPosition = altPosition;
        for (int s = 0; s < CPlayer::kSkillCount; ++s) p->skill(s) = skillValue;
        return build(db).addPlayer(std::move(p));
    }
    const CPlayer& get(uint32_t id) const { return *db.player(id); }
};

CGlobalModification modification(int amount, std::vector<globalmods::CGroup> groups, std::vector<int> skills)
{
    CGlobalModification m;
    m.amount = amount;
    for (auto g : groups) m.groups[std::size_t(g)] = true;
    for (int s : skills) m.skills[std::size_t(s)] = true;
    return m;
}
}  // namespace

TEST(EditingGlobalModifications, GroupsFollowThePositionAlone)
{
    using namespace globalmods;
    const std::pair<int, CGroup> cases[] = {{0, GoalKeepers}, {1, Defenders},  {6, Defenders}, {7, Midfielders},
                                            {11, Midfielders}, {12, Forwards}, {16, Forwards}, {31, Forwards}};
    for (auto [position, group] : cases) EXPECT_EQ(positionGroup(position), group) << position;

    // A keeper who also plays midfield is changed as a keeper only.
    ModWorld w;
    w.player(1, 0, 5, 9);
    w.player(2, 9, 5);
    EXPECT_EQ(applyGlobalModification(gate(w.db), modification(2, {Midfielders}, {Speed})), 1);
    EXPECT_EQ(w.get(1).speed, 5);
    EXPECT_EQ(w.get(1).modified, 0u);
    EXPECT_EQ(w.get(2).speed, 7);
}

TEST(EditingGlobalModifications, TickedSkillsMoveAndStayWithinTheStoredRange)
{
    using namespace globalmods;
    ModWorld w;
    w.player(1, 14, 14);  // forward
    w.player(2, 3, 5);    // defender
    w.player(3, 8, 10);   // midfielder, not ticked
    w.player(4, 0, 1);    // keeper

    EXPECT_EQ(applyGlobalModification(gate(w.db), modification(3, {Forwards, GoalKeepers}, {Acceleration, ShotPower})), 2);
    EXPECT_EQ(w.get(1).acceleration, 15);  // 14 + 3, held at 15
    EXPECT_EQ(w.get(1).shotPower, 15);
    EXPECT_EQ(w.get(1).shotAccuracy, 14);  // not ticked
    EXPECT_EQ(w.get(4).acceleration, 4);
    EXPECT_EQ(w.get(2).acceleration, 5);
    EXPECT_TRUE(w.db.modified());

    EXPECT_EQ(applyGlobalModification(gate(w.db), modification(-20, {Defenders}, {Tackle, Fitness})), 1);
    EXPECT_EQ(w.get(2).tackle, 0);  // 5 - 20, held at 0
    EXPECT_EQ(w.get(2).fitness, 0);
    EXPECT_EQ(w.get(2).speed, 5);

    EXPECT_EQ(w.get(3).modified, 0u);
    EXPECT_EQ(w.get(3).acceleration, 10);
    for (uint32_t id : {1u, 2u, 4u}) EXPECT_EQ(w.get(id).modified, 1u) << id;
}

TEST(EditingGlobalModifications, CountsTellMovedPlayersFromThoseAtTheLimit)
{
    using namespace globalmods;
    ModWorld w;
    w.player(1, 14, 15);  // at the top: +2 moves nothing
    w.player(2, 13, 14);  // held at 15, still moved
    w.player(3, 2, 0);    // a defender at the bottom
    const CGlobalModificationCount up = applyGlobalModificationCounted(gate(w.db), modification(2, {Forwards}, {Speed}));
    EXPECT_EQ(up.marked, 2);
    EXPECT_EQ(up.changed, 1);
    EXPECT_EQ(up.atLimit, 1);
    const CGlobalModificationCount down = applyGlobalModificationCounted(gate(w.db), modification(-1, {Defenders}, {Speed, Tackle}));
    EXPECT_EQ(down.marked, 1);
    EXPECT_EQ(down.changed, 0);
    EXPECT_EQ(down.atLimit, 1);
}

TEST(EditingGlobalModifications, MarksFollowTheTickedGroupsOnly)
{
    using namespace globalmods;
    ModWorld w;
    w.player(1, 2, 7);
    w.player(2, 13, 7);
    w.player(5, 4, 7);

    // Amount 0 leaves everything alone, ticked or not.
    EXPECT_EQ(applyGlobalModification(gate(w.db), modification(0, {Defenders, Forwards}, {Speed})), 0);
    // No group ticked: nobody changes and no mark is set.
    EXPECT_EQ(applyGlobalModification(gate(w.db), modification(5, {}, {Speed, Tackle})), 0);
    EXPECT_FALSE(w.db.modified());
    for (uint32_t id : {1u, 2u, 5u})
    {
        EXPECT_EQ(w.get(id).modified, 0u);
        EXPECT_EQ(w.get(id).speed, 7);
    }

    // A group with no skill ticked: its players are marked though no value moves.
    EXPECT_EQ(applyGlobalModification(gate(w.db), modification(5, {Defenders}, {})), 2);
    EXPECT_TRUE(w.db.modified());
    EXPECT_EQ(w.get(1).modified, 1u);
    EXPECT_EQ(w.get(5).modified, 1u);
    EXPECT_EQ(w.get(2).modified, 0u);
    for (uint32_t id : {1u, 2u, 5u}) EXPECT_EQ(w.get(id).skillSum(), 7 * 13);
}

TEST(EditingGlobalModifications, AmountTextAndSpin)
{
    EXPECT_EQ(checkAmountText("60").amount, 60);
    EXPECT_EQ(checkAmountText("-60").amount, -60);
    EXPECT_EQ(checkAmountText(" 7 ").amount, 7);
    for (const char* outside : {"61", "-61", "99999999999999999999999"})
    {
        const CAmountCheck c = checkAmountText(outside);
        EXPECT_FALSE(c.amount) << outside;
        EXPECT_EQ(c.message, "Please enter an integer between -60 and 60.") << outside;
    }
    for (const char* notANumber : {"", "abc", "3x", "-"})
    {
        const CAmountCheck c = checkAmountText(notANumber);
        EXPECT_FALSE(c.amount) << notANumber;
        EXPECT_EQ(c.message, "Please enter an integer.") << notANumber;
    }

    EXPECT_EQ(spinAmount("0", 1), 1);
    EXPECT_EQ(spinAmount("-3", -1), -4);
    EXPECT_EQ(spinAmount("16", 1), 16);
    EXPECT_EQ(spinAmount("-16", -1), -16);
    EXPECT_EQ(spinAmount("40", -1), 15);  // typed beyond the spin's reach
    EXPECT_EQ(spinAmount("junk", 1), 1);
}

// The changed skills have to reach the game's files: a save and a fresh load show the
// held values, and players outside the ticked groups come back as they were.
TEST(EditingGlobalModifications, ClampedValuesSurviveSaveAndLoad)
{
    using namespace globalmods;
    TempFolder folder;
    const auto game = folder.path() / "golvar";
    ASSERT_FALSE(writeSampleGame(game, {3, CSampleScale::Small}));
    const CGameFiles files(game);
    CDatabase db;
    ASSERT_FALSE(files.loadAll(db));

    // What each player should hold after the modification, worked out from the records
    // as they stand before it.
    std::map<uint32_t, std::array<int, 13>> expected;
    auto remember = [&](const CGlobalModification& m) {
        db.forEachPlayer([&](const CPlayer& p) {
            auto& e = expected[p.id];
            const bool ticked = m.groups[std::size_t(positionGroup(p.position))];
            for (int s = 0; s < CPlayer::kSkillCount; ++s)
                e[std::size_t(s)] = ticked && m.skills[std::size_t(s)] ? std::clamp(p.skill(s) + m.amount, 0, 15)
                                                                       : p.skill(s);
        });
    };
    const CGlobalModification up = modification(6, {Forwards, Midfielders}, {ShotPower, ShotAccuracy, Speed});
    remember(up);
    ASSERT_GT(applyGlobalModification(gate(db), up), 0);
    const CGlobalModification down = modification(-9, {GoalKeepers, Midfielders}, {Speed, Tackle});
    remember(down);
    ASSERT_GT(applyGlobalModification(gate(db), down), 0);

    int heldAtTop = 0, heldAtBottom = 0;
    for (const auto& [id, skills] : expected)
    {
        heldAtTop += std::count(skills.begin(), skills.end(), 15);
        heldAtBottom += std::count(skills.begin(), skills.end(), 0);
    }
    ASSERT_GT(heldAtTop, 0);
    ASSERT_GT(heldAtBottom, 0);

    ASSERT_FALSE(files.save(db));
    CDatabase again;
    ASSERT_FALSE(files.loadAll(again));
    std::size_t seen = 0;
    again.forEachPlayer([&](const CPlayer& p) {
        const auto it = expected.find(p.id);
        ASSERT_NE(it, expected.end()) << p.id;
        for (int s = 0; s < CPlayer::kSkillCount; ++s)
            ASSERT_EQ(int(p.skill(s)), it->second[std::size_t(s)]) << "player " << p.id << " skill " << s;
        ++seen;
    });
    EXPECT_EQ(seen, expected.size());
}

// The status line names the ticked skills, the signed amount and the players counted.
TEST(EditingGlobalModifications, SummaryNamesSkillsAmountAndPlayers)
{
    struct Case
    {
        std::vector<int> skills;
        int amount;
        int players;
        const char* text;
    };
    const Case cases[] = {
        {{11}, 3, 4033, "Speed +3 for 4,033 players"},
        {{11, 12}, -2, 12, "Speed, Tackle -2 for 12 players"},
        {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, 1, 1, "All skills +1 for 1 player"},
        {{}, 5, 0, "No skill +5 for 0 players"},
    };
    for (const Case& c : cases)
    {
        CGlobalModification m;
        m.amount = c.amount;
        for (int s : c.skills) m.skills[std::size_t(s)] = true;
        EXPECT_EQ(globalModificationSummary(m, c.players), c.text);
    }
}
