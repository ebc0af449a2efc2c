#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "sample/SampleGame.h"
#include "sample/SampleNames.h"
#include "sample/SampleRandom.h"
#include "sample/SampleText.h"

// The invented football world of a sample game, before it is laid out as bytes. Every
// field holds exactly what goes into its bits of the game file.
struct CSamplePlayer
{
    uint32_t id = 0;
    uint16_t countryId = 0;
    uint8_t topByte = 0;
    uint16_t value = 0;
    uint8_t skinColour = 0;
    uint8_t hairColour = 0;
    uint8_t hairStyle = 0;
    uint8_t facialHair = 0;
    uint8_t face = 0;
    // acceleration, agility, awareness, ballControl, creativity, fitness, heading,
    // passing, reaction, shotPower, shotAccuracy, speed, tackle
    std::array<uint8_t, 13> skills{};
    std::array<uint8_t, 5> extraNibbles{};
    uint8_t jerseyNumber = 0;
    uint8_t altPosition = 0;
    uint8_t position = 0;
    uint8_t letterCode = 0;
    CSampleName name;

    int skillSum() const;
};

struct CSampleKit
{
    uint8_t jerseyStyle = 0;
    std::array<uint8_t, 3> jersey{};
    uint8_t shortsStyle = 0;
    std::array<uint8_t, 2> shorts{};
    uint8_t socksStyle = 0;
    std::array<uint8_t, 2> socks{};
};

struct CSampleTeam
{
    uint32_t id = 0;
    uint32_t bankroll = 0;  // 0 for national teams
    std::array<uint16_t, 15> extras{};  // teamExtra1..teamExtra14 at [1]..[14], [0] unused
    int16_t extra15 = 0;
    CSampleKit home;
    CSampleKit away;
    uint16_t countryId = 0;
    std::vector<uint32_t> players;  // at most 26, no zero ids, no repeats
    CSampleName longName;
    CSampleName shortName;
    std::string abbreviation;  // ASCII
    int strength = 0;          // 0..100, how good its players are
    int division = 0;          // 1, 2 for clubs, 0 for national teams
};

struct CSampleLeague
{
    uint16_t id = 0;
    std::vector<uint16_t> teamIds;          // 0 = empty slot; always an even count
    std::array<std::string, 8> names;       // UTF-8, by kSampleLanguages order
};

struct CSampleWorld
{
    std::vector<CSamplePlayer> players;  // ascending id
    std::vector<CSampleTeam> teams;      // ascending id
    std::vector<CSampleLeague> leagues;  // game-file order
    std::vector<uint32_t> spokenIds;     // PLAYERS.OFF contents
};

CSampleWorld buildSampleWorld(const CSampleOptions& options);

// The leagues of a world whose teams are made; kept apart because the competitions
// are a concern of their own.
void addSampleLeagues(CSampleWorld& world, CSampleRandom& random);

// `count` distinct sorted ids in 1..maxId, maxId itself among them.
std::vector<uint32_t> pickSampleIds(CSampleRandom& random, std::size_t count, uint32_t maxId);
