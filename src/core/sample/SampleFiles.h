#pragma once

#include <cstdint>
#include <vector>

#include "sample/SampleWorld.h"

// The bytes of each game file of a sample world, laid out field by field from the
// game's file formats, independently of the editor's own reader and writer so that the
// two check each other.
std::vector<uint8_t> makeSampleDatabaseFile(const CSampleWorld& world);
std::vector<uint8_t> makeSampleNameFile(const CSampleWorld& world, CSampleLanguage language);
std::vector<uint8_t> makeSamplePlayerNameFile(const CSampleWorld& world, bool japanese);
std::vector<uint8_t> makeSampleSpeechIndex(const CSampleWorld& world);
