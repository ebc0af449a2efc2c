#include "TestGate.h"
#include "database/Database.h"
#include "editing/StatsChoice.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
CDatabase leaguesOf(const std::vector<std::pair<std::vector<uint32_t>, uint32_t>>& leagues)
{
    CDatabase db;
    for (const auto& [teams, slots] : leagues)
    {
        auto l = std::make_unique<CLeague>();
        l->teamIds = teams;
        l->slotCount = slots;
        build(db).addLeague(std::move(l));
    }
    return db;
}
}  // namespace

TEST(StatsChoice, ATeamGoesBackUnderEveryLeagueThatHoldsItWithinItsUsedSlots)
{
    // The third league keeps 7 past its slot count: a stale entry, not a member.
    const CDatabase db = leaguesOf({{{5, 7, 9}, 3}, {{7, 0, 0}, 1}, {{9, 7}, 1}, {{1}, 1}});
    EXPECT_EQ(leaguesHoldingTeam(db, 7), (std::vector<std::size_t>{0, 1}));
    EXPECT_EQ(leaguesHoldingTeam(db, 9), (std::vector<std::size_t>{0, 2}));
    EXPECT_TRUE(leaguesHoldingTeam(db, 4).empty());
}

TEST(StatsChoice, ASlotCountPastTheListIsReadOnlyAsFarAsTheList)
{
    const CDatabase db = leaguesOf({{{3}, 40}});
    EXPECT_EQ(leaguesHoldingTeam(db, 3), (std::vector<std::size_t>{0}));
}

TEST(StatsChoice, ChoosingKeepsOrderAndTakesEachTeamOnce)
{
    std::vector<uint32_t> chosen{4};
    EXPECT_EQ(chooseTeams(chosen, {8, 4, 0, 2, 8}), 2u);
    EXPECT_EQ(chosen, (std::vector<uint32_t>{4, 8, 2}));
}

TEST(StatsChoice, NumbersSortByValueBeforeTextsWhichIgnoreCase)
{
    std::vector<std::string> cells{"12", "b", "9", "", "A", "-3", "100", "7a"};
    std::stable_sort(cells.begin(), cells.end(), gridCellLess);
    EXPECT_EQ(cells, (std::vector<std::string>{"-3", "9", "12", "100", "", "7a", "A", "b"}));
}
