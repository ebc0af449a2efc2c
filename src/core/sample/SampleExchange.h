#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "sample/SampleWorld.h"

// What a new user finds in the sample game's USER folder to try the two imports with:
// an exchange set of a league with transfers in a folder named after the league, and a
// GLV file of a league based on the teams of league 52. Paths are relative to USER.
inline constexpr const char* kSampleExchangeLeague = "Northern Counties";
inline constexpr const char* kSampleGlvFile = "Harbour League.GLV";

std::vector<std::pair<std::string, std::vector<uint8_t>>> makeSampleUserFiles(const CSampleWorld& world,
                                                                                uint32_t seed);
