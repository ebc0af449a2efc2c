#pragma once

// Game files written out by hand, byte by byte, for format tests. Deliberately not
// built on the editor's own layout tables: a reader and writer that share a mistake
// would pass a round trip.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

inline void put32(Bytes& b, std::size_t at, uint32_t v)
{
    if (b.size() < at + 4) b.resize(at + 4);
    for (int i = 0; i < 4; ++i) b[at + i] = uint8_t(v >> (8 * i));
}
inline void put16(Bytes& b, std::size_t at, uint16_t v)
{
    if (b.size() < at + 2) b.resize(at + 2);
    b[at] = uint8_t(v);
    b[at + 1] = uint8_t(v >> 8);
}
inline void add32(Bytes& b, uint32_t v) { put32(b, b.size(), v); }
inline void add16(Bytes& b, uint16_t v) { put16(b, b.size(), v); }
inline void addText(Bytes& b, const std::string& s, std::size_t padTo = 0)
{
    b.insert(b.end(), s.begin(), s.end());
    if (padTo)
        b.resize(b.size() + (padTo - s.size()), 0);
    else
        b.push_back(0);
}
inline uint32_t get32(const Bytes& b, std::size_t at)
{
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}
inline uint16_t get16(const Bytes& b, std::size_t at) { return uint16_t(b[at] | b[at + 1] << 8); }

struct HandLeague
{
    uint16_t id;
    std::string name;
    std::vector<uint16_t> teams;
};

struct HandTeam
{
    Bytes record;  // 80 bytes
    std::string abbreviation, shortName, longName;
};

// A player record from its five words.
inline Bytes playerRecord(std::initializer_list<uint32_t> words)
{
    Bytes b;
    for (uint32_t w : words) add32(b, w);
    return b;
}

// A player record with only id and value set.
inline Bytes simplePlayer(uint16_t id, uint16_t value = 100)
{
    return playerRecord({id, value, 0, 0, 0});
}

// A team record with the given id, bankroll and slots; every other bit zero.
inline Bytes simpleTeam(uint16_t id, uint32_t bankroll, std::initializer_list<uint16_t> slots)
{
    Bytes r(80, 0);
    put32(r, 0, uint32_t(id) | (bankroll << 11));
    std::size_t s = 0;
    uint32_t count = 0;
    for (uint16_t p : slots)
    {
        put16(r, 28 + 2 * s++, p);
        count += p != 0;
    }
    put32(r, 20, count << 15);
    return r;
}

// FCDB.DBI laid out the way the game's writer lays it out.
inline Bytes databaseFile(const std::vector<HandLeague>& leagues, const std::vector<Bytes>& teams,
                          const std::vector<Bytes>& players, std::size_t trailing = 7)
{
    Bytes b = {'H', 'E', 'A', 'D', 'E', 'R', '-', 'B', 'Y', 'T', 'E', 'S'};
    add32(b, 0);  // team table, later
    add32(b, 0);  // player table, later
    add32(b, uint32_t(leagues.size()));
    b.insert(b.end(), {0xAA, 0xBB, 0xCC, 0xDD});
    b.resize(28 + 4 * leagues.size());
    for (std::size_t i = 0; i < leagues.size(); ++i)
    {
        put32(b, 28 + 4 * i, uint32_t(b.size() - 20));
        add16(b, leagues[i].id);
        b.push_back(0);
        b.push_back(uint8_t(4 * leagues[i].teams.size() + 2));
        for (auto t : leagues[i].teams) add16(b, t);
    }
    put32(b, 12, uint32_t(b.size()));
    add32(b, uint32_t(teams.size()));
    add32(b, 80);
    for (const auto& t : teams) b.insert(b.end(), t.begin(), t.end());
    put32(b, 16, uint32_t(b.size()));
    add32(b, uint32_t(players.size()));
    add32(b, 20);
    for (const auto& p : players) b.insert(b.end(), p.begin(), p.end());
    b.resize(b.size() + trailing, 0);
    return b;
}

struct HandTeamNames
{
    std::string abbreviation, shortName, longName;
};

inline Bytes nameFile(const std::vector<std::string>& leagueNames, const std::vector<HandTeamNames>& teams)
{
    Bytes b = {'N', 'A', 'M', 'E', 'S', '-', 'H', 'E', 'A', 'D', '!', '!'};
    add32(b, 0);  // B, later
    b.insert(b.end(), {'X', 'Y', 'Z', 'W'});
    add32(b, uint32_t(leagueNames.size()));
    add32(b, 0);
    b.resize(28 + 4 * leagueNames.size());
    for (std::size_t i = 0; i < leagueNames.size(); ++i)
    {
        put32(b, 28 + 4 * i, uint32_t(b.size() - 20));
        addText(b, leagueNames[i]);
    }
    const char* pad = "123";
    for (int i = 0; b.size() % 4; ++i) b.push_back(uint8_t(pad[i]));
    const std::size_t section = b.size();
    put32(b, 12, uint32_t(section));
    add32(b, uint32_t(teams.size()));
    add32(b, 0);
    b.resize(b.size() + 4 * teams.size());
    for (std::size_t k = 0; k < teams.size(); ++k)
    {
        put32(b, section + 8 + 4 * k, uint32_t(b.size() - section));
        addText(b, teams[k].abbreviation, 6);
        addText(b, teams[k].shortName, 11);
        addText(b, teams[k].longName);
    }
    return b;
}

inline Bytes playerNameFile(const std::vector<std::string>& names)
{
    Bytes b = {'S', 'T', 'R', '1'};
    for (uint32_t v : {400u, 20u, 20u, 20u}) add32(b, v);
    add32(b, uint32_t(names.size()));
    add32(b, 0);
    b.resize(28 + 4 * names.size());
    for (std::size_t k = 0; k < names.size(); ++k)
    {
        put32(b, 28 + 4 * k, uint32_t(b.size() - 20));
        addText(b, names[k]);
    }
    return b;
}

// A small, consistent game: two leagues (one a European competition), three teams (the
// last a national team without bankroll that also lists player 2), four players.
struct SmallHandGame
{
    std::vector<HandLeague> leagues = {{7, "Premier", {10, 20}}, {9, "ECCup", {20, 30}}};
    std::vector<Bytes> teams = {simpleTeam(10, 500, {1, 2}), simpleTeam(20, 900, {3}), simpleTeam(30, 0, {2, 4})};
    std::vector<Bytes> players = {simplePlayer(1), simplePlayer(2), simplePlayer(3), simplePlayer(4)};
    std::vector<std::string> leagueNames = {"Premier", "ECCup"};
    std::vector<HandTeamNames> teamNames = {{"ABC", "Abbey", "Abbey Rovers"},
                                            {"BRK", "Brook", "Brookside Athletic"},
                                            {"NAT", "Nation", "National XI"}};
    std::vector<std::string> playerNames = {"Ann Able", "Ben Baker", "Cy Cole", "Dee Dunn"};
    std::size_t trailing = 7;

    Bytes dbi() const { return databaseFile(leagues, teams, players, trailing); }
    Bytes names() const { return nameFile(leagueNames, teamNames); }
    Bytes pnames() const { return playerNameFile(playerNames); }
};
