#include "editing/PlayerPresets.h"

#include <algorithm>
#include <chrono>
#include <random>

namespace playerpresets
{
namespace
{
const char* const kNames[kPresetCount] = {
    "Ave. Goalie",     "Good Goalie",     "Star Goalie",     "Ave. Defender", "Good Defender", "Star Defender",
    "Ave. Midfielder", "Good Midfielder", "Star Midfielder", "Ave. Forward",  "Good Forward",  "Star Forward",
};

// Acc Agi Awa Bal Cre Fit Hea Pas Rea SPo SAc Spe Tac
constexpr int kTable[kPresetCount][kSkillCount] = {
    {63, 67, 63, 63, 51, 55, 59, 51, 55, 51, 51, 47, 63},
    {79, 91, 83, 75, 67, 67, 83, 71, 83, 71, 71, 71, 75},
    {83, 91, 91, 95, 91, 95, 87, 95, 87, 79, 79, 87, 83},
    {55, 55, 71, 55, 63, 59, 59, 55, 59, 67, 67, 71, 71},
    {79, 71, 67, 79, 75, 71, 63, 83, 87, 79, 71, 75, 75},
    {79, 83, 83, 83, 83, 87, 71, 87, 79, 99, 99, 87, 91},
    {63, 63, 71, 75, 63, 67, 59, 67, 71, 59, 67, 63, 75},
    {79, 63, 79, 83, 71, 87, 76, 67, 79, 79, 63, 71, 79},
    {87, 99, 91, 95, 99, 91, 95, 91, 91, 91, 95, 79, 99},
    {71, 63, 75, 67, 67, 63, 63, 55, 63, 67, 79, 63, 63},
    {79, 75, 71, 71, 75, 75, 91, 67, 75, 67, 83, 83, 59},
    {99, 95, 91, 95, 83, 95, 99, 95, 99, 95, 99, 95, 87},
};

// Goalies keep goal, defenders go to RCB, midfielders to LB, forwards to CM: the codes
// 0, 3, 6 and 9 of the position list.
constexpr int kPositions[4] = {0, 3, 6, 9};
}  // namespace

const char* presetName(int preset)
{
    return preset >= 0 && preset < kPresetCount ? kNames[preset] : "";
}

int presetTableValue(int preset, int skill)
{
    return kTable[preset][skill];
}

int presetPosition(int preset)
{
    return kPositions[preset / 3];
}

int presetSkillValue(int preset, int skill, int offset)
{
    return std::clamp(offset + (kTable[preset][skill] - 39) / 4, kLowestSkill, kHighestPresetSkill);
}
}  // namespace playerpresets

CPresetDice::CPresetDice() : CPresetDice(&CPresetDice::systemSeconds, &CPresetDice::standardDraw) {}

CPresetDice::CPresetDice(Clock clock, Draw draw) : m_clock(std::move(clock)), m_draw(std::move(draw)) {}

int64_t CPresetDice::systemSeconds()
{
    using namespace std::chrono;
    return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

uint32_t CPresetDice::standardDraw(uint32_t seed)
{
    std::mt19937 generator(seed);
    return uint32_t(generator());
}

int64_t CPresetDice::nextSeed()
{
    const int64_t now = m_clock();
    if (!m_lastSeed) m_lastSeed = now;
    const int64_t seed = now == *m_lastSeed ? *m_lastSeed - 20 : now;
    m_lastSeed = seed;
    return seed;
}

int CPresetDice::offset(bool star)
{
    const uint32_t r = m_draw(uint32_t(nextSeed()));
    if (star) return r % 2 == 0 ? -1 : 1;
    static constexpr int kOffsets[4] = {-2, -1, 1, 2};
    return kOffsets[r % 4];
}
