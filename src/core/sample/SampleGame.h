#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

// A synthetic game folder in the game's exact layout, for tests, demos and benchmarks:
// the database, the eight name files, the two player name files, the speech index and
// the 64 jersey textures. The same seed gives the same bytes.
enum class CSampleScale
{
    Small,  // about 12 leagues, 200 teams, 4,000 players
    Full,   // the limits the formats allow: 510 teams, player ids up to 16383
};

struct CSampleOptions
{
    uint32_t seed = 1;
    CSampleScale scale = CSampleScale::Small;
};

// Returns the reason when the folder could not be written.
std::optional<std::string> writeSampleGame(const std::filesystem::path& folder, const CSampleOptions& options);
