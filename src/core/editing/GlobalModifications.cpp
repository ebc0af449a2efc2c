#include "editing/GlobalModifications.h"
#include "util/Translatable.h"

#include "database/Change.h"
#include "database/Database.h"
#include "editing/PageTexts.h"
#include "editing/TeamEditSession.h"
#include "util/Format.h"

#include <algorithm>

globalmods::CGroup positionGroup(int position)
{
    if (position <= 0) return globalmods::GoalKeepers;
    if (position <= 6) return globalmods::Defenders;
    if (position <= 11) return globalmods::Midfielders;
    return globalmods::Forwards;
}

CAmountCheck checkAmountText(const std::string& text)
{
    const std::optional<int64_t> typed = parseBankroll(text);
    if (!typed) return {std::nullopt, pagetexts::kEnterInteger};
    if (*typed < globalmods::kMinAmount || *typed > globalmods::kMaxAmount)
    {
        return {std::nullopt, translatedArgs("globalmodtexts", globalmodtexts::kRange,
                                             {std::to_string(globalmods::kMinAmount), std::to_string(globalmods::kMaxAmount)})};
    }
    return {static_cast<int>(*typed), {}};
}

int spinAmount(const std::string& text, int steps)
{
    const int64_t current = parseBankroll(text).value_or(0);
    const int64_t held = std::clamp<int64_t>(current, globalmods::kSpinMin, globalmods::kSpinMax);
    return static_cast<int>(std::clamp<int64_t>(held + steps, globalmods::kSpinMin, globalmods::kSpinMax));
}

int applyGlobalModification(CTransaction& db, const CGlobalModification& modification)
{
    return applyGlobalModificationCounted(db, modification).marked;
}

CGlobalModificationCount applyGlobalModificationCounted(CTransaction& db, const CGlobalModification& modification)
{
    CGlobalModificationCount count;
    if (modification.amount == 0) return count;
    const bool anySkill = std::find(modification.skills.begin(), modification.skills.end(), true) != modification.skills.end();
    db.forEachPlayer([&](CPlayer& player) {
        if (!modification.groups[std::size_t(positionGroup(player.position))]) return;
        bool moved = false;
        for (int s = 0; s < CPlayer::kSkillCount; ++s)
        {
            if (!modification.skills[std::size_t(s)]) continue;
            const int wanted = int(player.skill(s)) + modification.amount;
            const auto held = static_cast<uint8_t>(std::clamp(wanted, 0, globalmods::kSkillMax));
            moved = moved || held != player.skill(s);
            player.skill(s) = held;
        }
        player.modified = 1;
        ++count.marked;
        if (moved) ++count.changed;
        else if (anySkill) ++count.atLimit;
    });
    if (count.marked > 0) db.setModified();
    return count;
}

std::string globalModificationSummary(const CGlobalModification& modification, int players)
{
    std::string skills;
    std::size_t ticked = 0;
    for (std::size_t s = 0; s < modification.skills.size(); ++s)
    {
        if (!modification.skills[s]) continue;
        skills += (skills.empty() ? "" : ", ") + translated("globalmodtexts", globalmodtexts::kSkills[s]);
        ++ticked;
    }
    if (ticked == modification.skills.size()) skills = translated("globalmodtexts", globalmodtexts::kAllSkills);
    if (ticked == 0) skills = translated("globalmodtexts", globalmodtexts::kNoSkill);
    return translatedArgs("globalmodtexts", globalmodtexts::kDone,
                          {skills, formatText("%+d", modification.amount),
                           counted(players, translated("globalmodtexts", globalmodtexts::kPlayer).c_str(),
                                   translated("globalmodtexts", globalmodtexts::kPlayers).c_str())});
}
