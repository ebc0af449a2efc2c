#include "sample/SampleExchange.h"

#include "database/Player.h"
#include "database/Team.h"
#include "exchange/ExchangeRecords.h"
#include "exchange/GlvFile.h"
#include "exchange/PackedCodec.h"
#include "util/TextCodec.h"

#include <algorithm>

namespace
{
// The records of the other users' league keep the base ids but carry names and looks of
// their own, as a league someone made up would.
std::string latin1(const CSampleName& name, std::size_t limit)
{
    std::string out;
    if (!fromUtf8(name.latin, CTextEncoding::Windows1252, out)) out = "Sample";
    return out.substr(0, limit);
}

void putKit(CSampleRandom& r, uint8_t& style, uint8_t& c1, uint8_t& c2, uint8_t styles)
{
    style = uint8_t(r.range(0, styles));
    c1 = uint8_t(r.range(0, 22));
    c2 = uint8_t(r.range(0, 22));
}

CTeam madeUpTeam(CSampleRandom& r, const CSampleTeam& base, std::size_t fileIndex)
{
    CTeam t;
    t.id = base.id;
    t.fileIndex = uint32_t(fileIndex);
    t.bankroll = uint32_t(r.range(500, 60000));
    t.teamExtra1 = uint8_t(base.extras[1] & 0xF);
    putKit(r, t.homeJerseyStyle, t.homeJerseyColour1, t.homeJerseyColour2, 40);
    t.homeJerseyColour3 = uint8_t(r.range(0, 22));
    putKit(r, t.homeShortsStyle, t.homeShortsColour1, t.homeShortsColour2, 7);
    putKit(r, t.homeSocksStyle, t.homeSocksColour1, t.homeSocksColour2, 3);
    putKit(r, t.awayJerseyStyle, t.awayJerseyColour1, t.awayJerseyColour2, 40);
    t.awayJerseyColour3 = uint8_t(r.range(0, 22));
    putKit(r, t.awayShortsStyle, t.awayShortsColour1, t.awayShortsColour2, 7);
    putKit(r, t.awaySocksStyle, t.awaySocksColour1, t.awaySocksColour2, 3);
    t.countryId = base.countryId;
    t.teamExtra15 = base.extra15;
    const CSampleName town = makeTownName(r, CNameStyle::English);
    t.longName = latin1(makeClubName(r, CNameStyle::English, town), 30);
    t.abbreviation = abbreviate(t.longName, CTeam::kAbbreviationBytes);
    t.shortName = t.longName.substr(0, CTeam::kShortNameBytes);
    return t;
}

CPlayer madeUpPlayer(CSampleRandom& r, uint32_t id, int slot)
{
    CPlayer p;
    p.id = id;
    p.value = uint32_t(r.range(200, 9000));
    p.hairColour = uint8_t(r.range(0, 3));
    p.jerseyNumber = uint8_t(slot + 1);
    p.position = uint8_t(slot == 0 ? 0 : r.range(1, 16));
    p.face = uint8_t(r.range(0, 7));
    p.skinColour = uint8_t(r.range(0, 3));
    p.hairStyle = uint8_t(r.range(0, 10));
    p.facialHair = uint8_t(r.range(0, 6));
    for (int s = 0; s < CPlayer::kSkillCount; ++s) p.skill(s) = uint8_t(r.range(3, 13));
    p.countryId = 1;
    p.topByte = 160;
    p.extraNibble1 = uint8_t(r.range(0, 15));
    p.extraNibble2 = uint8_t(r.range(0, 15));
    p.extraNibble3 = p.extraNibble4 = p.extraNibble5 = 7;
    p.letterCode = uint8_t('A' + r.range(0, 25));
    // Some names are longer than the 15 bytes a player record keeps.
    p.name = latin1(makePlayerName(r, CNameStyle::English), 24);
    return p;
}

std::vector<uint8_t> packed(const std::vector<uint8_t>& unpacked)
{
    return packBytes(unpacked);
}

std::vector<std::pair<std::string, std::vector<uint8_t>>> exchangeSet(const CSampleWorld& world, CSampleRandom& r)
{
    // Six clubs with full rosters, each one record; fileIndex is the place in the team table.
    std::vector<std::size_t> clubs;
    for (std::size_t k = 0; k < world.teams.size(); ++k)
        if (world.teams[k].bankroll != 0 && world.teams[k].players.size() >= 16) clubs.push_back(k);
    std::vector<std::size_t> chosen;
    while (chosen.size() < 6 && chosen.size() < clubs.size())
    {
        const std::size_t k = clubs[std::size_t(r.range(0, int(clubs.size()) - 1))];
        if (std::find(chosen.begin(), chosen.end(), k) == chosen.end()) chosen.push_back(k);
    }

    std::vector<CTeam> teams;
    std::vector<CPlayer> players;
    for (std::size_t k : chosen)
    {
        const CSampleTeam& base = world.teams[k];
        teams.push_back(madeUpTeam(r, base, k));
        // The last two of each roster were not exported: the game's own players stay.
        for (std::size_t s = 0; s + 2 < base.players.size(); ++s)
            players.push_back(madeUpPlayer(r, base.players[s], int(s)));
    }

    // One move inside the league, and one player joining from a club outside it whose
    // record the set does not carry.
    std::vector<exchange::CTransferEntry> transfers;
    if (chosen.size() >= 2)
    {
        const CSampleTeam& from = world.teams[chosen[0]];
        transfers.push_back({from.players[1], uint32_t(chosen[0]), uint32_t(chosen[1])});
        for (std::size_t k : clubs)
            if (std::find(chosen.begin(), chosen.end(), k) == chosen.end())
            {
                transfers.push_back({world.teams[k].players[2], uint32_t(k), uint32_t(chosen[2 % chosen.size()])});
                break;
            }
    }

    const std::string folder = std::string(kSampleExchangeLeague) + "/";
    return {
        {folder + "CUSTOM.DB", packed(exchange::writeTeamFile(teams))},
        {folder + "CUSPLYR.DB", packed(exchange::writePlayerFile(players))},
        {folder + "XFER.DB", packed(exchange::writeTransferFile(transfers))},
    };
}

std::vector<uint8_t> glvLeague(const CSampleWorld& world, CSampleRandom& r)
{
    constexpr std::size_t kBaseLeague = 52;
    glv::CGlvFile file;
    file.leagueName = "Harbour League";
    if (world.leagues.size() <= kBaseLeague) return glv::writeGlvFile(file);
    const CSampleLeague& base = world.leagues[kBaseLeague];
    std::size_t count = 0;
    while (count < base.teamIds.size() && count < 8 && base.teamIds[count] != 0) ++count;
    for (std::size_t i = 0; i < count; ++i)
    {
        const auto it = std::find_if(world.teams.begin(), world.teams.end(),
                                     [&](const CSampleTeam& t) { return t.id == base.teamIds[i]; });
        if (it == world.teams.end()) break;
        glv::CGlvTeamBlock block;
        block.team = madeUpTeam(r, *it, std::size_t(it - world.teams.begin()));
        block.name = block.team.longName;
        // One team brings only part of a squad: the rest of its slots stay empty.
        const std::size_t players = i == 1 ? std::min<std::size_t>(11, it->players.size()) : it->players.size();
        for (std::size_t j = 0; j < players; ++j)
        {
            CPlayer p = madeUpPlayer(r, it->players[j], int(j));
            p.altPosition = 0;
            block.team.players[j] = it->players[j];
            block.players.push_back({p.name, p});
        }
        block.team.loadedPlayers = block.team.players;
        block.team.playerCount = uint8_t(players);
        file.teams.push_back(std::move(block));
    }
    return glv::writeGlvFile(file);
}
}  // namespace

std::vector<std::pair<std::string, std::vector<uint8_t>>> makeSampleUserFiles(const CSampleWorld& world,
                                                                                uint32_t seed)
{
    CSampleRandom random(seed ^ 0x55534552ull);
    auto files = exchangeSet(world, random);
    files.emplace_back(kSampleGlvFile, glvLeague(world, random));
    return files;
}
