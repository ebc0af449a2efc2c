#pragma once

#include "util/Translatable.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

class CDatabase;
class CTransaction;

namespace globalmodtexts
{
inline constexpr const char* kTitle = QT_TRANSLATE_NOOP("globalmodtexts", "Global Modifications");
//: The amount added to (or, when negative, taken from) each ticked skill.
inline constexpr const char* kValueLabel = QT_TRANSLATE_NOOP("globalmodtexts", "Value to change:");
inline constexpr const char* kTypeGroup = QT_TRANSLATE_NOOP("globalmodtexts", "Type of Players");
inline constexpr const char* kSkillsGroup = QT_TRANSLATE_NOOP("globalmodtexts", "Skills");
inline constexpr std::array<const char*, 4> kGroups = {QT_TRANSLATE_NOOP("globalmodtexts", "Goalkeepers"), QT_TRANSLATE_NOOP("globalmodtexts", "Defenders"), QT_TRANSLATE_NOOP("globalmodtexts", "Midfielders"), QT_TRANSLATE_NOOP("globalmodtexts", "Forwards")};
// In the order of CPlayer::skill(i).
inline constexpr std::array<const char*, 13> kSkills = {
    QT_TRANSLATE_NOOP("globalmodtexts", "Acceleration"), QT_TRANSLATE_NOOP("globalmodtexts", "Agility"), QT_TRANSLATE_NOOP("globalmodtexts", "Awareness"),      QT_TRANSLATE_NOOP("globalmodtexts", "Ball Control"),      QT_TRANSLATE_NOOP("globalmodtexts", "Creativity"), QT_TRANSLATE_NOOP("globalmodtexts", "Fitness"), QT_TRANSLATE_NOOP("globalmodtexts", "Heading"),
    QT_TRANSLATE_NOOP("globalmodtexts", "Passing"),      QT_TRANSLATE_NOOP("globalmodtexts", "Reaction"), QT_TRANSLATE_NOOP("globalmodtexts", "Shot Power"), QT_TRANSLATE_NOOP("globalmodtexts", "Shot Accuracy"), QT_TRANSLATE_NOOP("globalmodtexts", "Speed"),      QT_TRANSLATE_NOOP("globalmodtexts", "Tackle"),
};
inline constexpr const char* kRange = QT_TRANSLATE_NOOP("globalmodtexts", "Please enter an integer between %1 and %2.");
// The status line after OK: %1 the skills, %2 the amount with its sign, %3 the players counted.
inline constexpr const char* kDone = QT_TRANSLATE_NOOP("globalmodtexts", "%1 %2 for %3");
// Under the boxes while OK is greyed: why it is.
inline constexpr const char* kNeedsAmount = QT_TRANSLATE_NOOP("globalmodtexts", "Type an amount other than 0 to enable “OK”.");
inline constexpr const char* kNeedsGroup = QT_TRANSLATE_NOOP("globalmodtexts", "Tick at least one type of players to enable “OK”.");
inline constexpr const char* kAllSkills = QT_TRANSLATE_NOOP("globalmodtexts", "All skills");
inline constexpr const char* kNoSkill = QT_TRANSLATE_NOOP("globalmodtexts", "No skill");
inline constexpr const char* kPlayer = QT_TRANSLATE_NOOP("globalmodtexts", "player");
inline constexpr const char* kPlayers = QT_TRANSLATE_NOOP("globalmodtexts", "players");
}  // namespace globalmodtexts

namespace globalmods
{
inline constexpr int kMinAmount = -60;
inline constexpr int kMaxAmount = 60;
// The spin button covers a full swing of the 16 skill steps either way; larger amounts
// are typed.
inline constexpr int kSpinMin = -16;
inline constexpr int kSpinMax = 16;
inline constexpr int kSkillMax = 15;

enum CGroup
{
    GoalKeepers,
    Defenders,
    Midfielders,
    Forwards,
    GroupCount
};
}  // namespace globalmods

// The group a stored position belongs to; altPosition plays no part.
globalmods::CGroup positionGroup(int position);

struct CGlobalModification
{
    int amount = 0;
    std::array<bool, globalmods::GroupCount> groups{};
    std::array<bool, 13> skills{};
};

// What OK does with the amount field's text: the amount, or the message that refuses it
// (not an integer, or outside -60..60).
struct CAmountCheck
{
    std::optional<int> amount;
    std::string message;
};
CAmountCheck checkAmountText(const std::string& text);

// Where the spin button takes the field's value: one step, held to -16..16 (a typed value
// beyond that comes back to the nearest end). Text that is no integer counts as 0.
int spinAmount(const std::string& text, int steps);

// Adds the amount to the ticked skills of every player of the ticked groups, held to
// 0..15, and marks each of those players modified (with the database's flag) even when
// no skill is ticked. An amount of 0 does nothing. Returns how many players were marked.
int applyGlobalModification(CTransaction& db, const CGlobalModification& modification);

// The same, telling the marked players apart: those with a ticked skill that moved, and
// those whose ticked skills all sat at the limit the amount pushes towards already.
struct CGlobalModificationCount
{
    int marked = 0;
    int changed = 0;
    int atLimit = 0;
};
CGlobalModificationCount applyGlobalModificationCounted(CTransaction& db, const CGlobalModification& modification);

// What was done, for the status line: "Speed +3 for 4,033 players", "Speed, Tackle -2 for
// 12 players", "All skills +1 for 1 player". players: as applyGlobalModification returned.
std::string globalModificationSummary(const CGlobalModification& modification, int players);
