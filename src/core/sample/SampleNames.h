#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sample/SampleRandom.h"

// How the people and places of a country are named.
enum class CNameStyle
{
    English,
    German,
    Spanish,
    Italian,
    French,
    Dutch,
    Nordic,
    Portuguese,
    Japanese,
    Slavic,
    Greek,
    Turkish,
    African,
};

struct CSampleCountry
{
    const char* name;  // UTF-8
    uint16_t id;       // the game's nation code, below 1024 so that players can hold it
    CNameStyle style;
    const char* kana;  // the Japanese name, or "" when the Japanese files use `name`
};

// Countries in the order the sample gives them clubs and national teams.
const std::vector<CSampleCountry>& sampleCountries();

// A text in UTF-8, with its katakana form for the Japanese files when it has one.
struct CSampleName
{
    std::string latin;
    std::string kana;
};

CSampleName makeTownName(CSampleRandom& random, CNameStyle style);
CSampleName makeClubName(CSampleRandom& random, CNameStyle style, const CSampleName& town);
CSampleName makePlayerName(CSampleRandom& random, CNameStyle style);

// Up to `length` upper-case ASCII letters taken from a name, for team abbreviations.
std::string abbreviate(const std::string& utf8, std::size_t length);
