#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

// The twelve typical players the Player page fills the skills from, and the dice that
// vary them a little so that two players made from one preset differ.
namespace playerpresets
{
inline constexpr int kPresetCount = 12;
inline constexpr int kSkillCount = 13;
inline constexpr int kLowestSkill = 1;   // as shown; the record holds one less
inline constexpr int kHighestPresetSkill = 15;
inline constexpr int kHighestShownSkill = 16;

// Preset numbers: Ave./Good/Star Goalie 0..2, Defender 3..5, Midfielder 6..8, Forward 9..11.
const char* presetName(int preset);

// The game's 39..99 value of one skill (in the page's skill order) of a preset.
int presetTableValue(int preset, int skill);

// 2, 5, 8 and 11: their offsets are only -1 or +1.
constexpr bool isStarPreset(int preset) { return (preset - 2) % 3 == 0; }

// The position code a preset gives: GK, RCB, LB or CM.
int presetPosition(int preset);

// The value a skill box shows after the preset: offset + (table - 39) / 4, clamped to 1..15.
int presetSkillValue(int preset, int skill, int offset);
}  // namespace playerpresets

// Before every draw the generator is seeded again from the clock. Two seeds within one
// second would repeat the draw, so the seed steps back 20 when the second has not
// changed since the last seed; within one second the seeds therefore alternate between
// the second and 20 before it. The clock and the generator are given so tests can fix them.
class CPresetDice
{
public:
    // The current time in whole seconds.
    using Clock = std::function<int64_t()>;
    // One number from a generator freshly seeded with the seed.
    using Draw = std::function<uint32_t(uint32_t seed)>;

    CPresetDice();
    CPresetDice(Clock clock, Draw draw);

    // -1 or +1 for a star preset, else -2, -1, +1 or +2; never 0.
    int offset(bool star);

    // The seed of the last draw; nothing before the first.
    std::optional<int64_t> lastSeed() const { return m_lastSeed; }

    static int64_t systemSeconds();
    static uint32_t standardDraw(uint32_t seed);

private:
    int64_t nextSeed();

    Clock m_clock;
    Draw m_draw;
    std::optional<int64_t> m_lastSeed;
};
