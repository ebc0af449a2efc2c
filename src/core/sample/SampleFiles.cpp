#include "sample/SampleFiles.h"

#include <string>

#include "util/ByteReader.h"

namespace
{

std::span<const uint8_t> asBytes(const std::string& s)
{
    return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

uint16_t word(std::initializer_list<std::pair<unsigned, unsigned>> fields)
{
    unsigned w = 0;
    for (const auto& [value, shift] : fields)
        w |= value << shift;
    return static_cast<uint16_t>(w);
}

void putTeamRecord(CByteWriter& out, std::size_t at, const CSampleTeam& t)
{
    const auto& x = t.extras;
    const auto& h = t.home;
    const auto& a = t.away;
    out.putU32(at, t.id | (t.bankroll << 11) | (static_cast<uint32_t>(x[1]) << 28));
    out.putU16(at + 4, word({{h.jersey[0], 0}, {h.jersey[1], 5}, {h.jerseyStyle, 10}}));
    out.putU16(at + 6, word({{h.jersey[2], 0}, {h.shorts[0], 5}, {x[2], 10}}));
    out.putU16(at + 8, word({{h.shorts[1], 0}, {h.socks[0], 5}, {x[3], 10}}));
    out.putU16(at + 10, word({{h.socks[1], 0}, {x[6], 5}, {x[4], 10}, {h.socksStyle, 14}}));
    out.putU16(at + 12, word({{a.jersey[0], 0}, {a.jersey[1], 5}, {a.jerseyStyle, 10}}));
    out.putU16(at + 14, word({{a.jersey[2], 0}, {a.shorts[0], 5}, {x[5], 10}}));
    out.putU16(at + 16, word({{a.shorts[1], 0}, {a.socks[0], 5}, {x[7], 10}}));
    out.putU16(at + 18, word({{a.socks[1], 0}, {x[8], 5}, {a.socksStyle, 12}, {x[9], 14}}));
    const auto count = static_cast<uint32_t>(t.players.size());
    out.putU32(at + 20, x[11] | (x[12] << 4u) | (x[13] << 8u) | (x[14] << 12u) | (count << 15) |
                            (static_cast<uint32_t>(t.countryId) << 20));
    out.putU16(at + 24, word({{h.shortsStyle, 0}, {a.shortsStyle, 3}, {x[10], 6}}));
    out.putU16(at + 26, static_cast<uint16_t>(t.extra15));
    for (std::size_t s = 0; s < 26; ++s)
        out.putU16(at + 28 + 2 * s, static_cast<uint16_t>(s < t.players.size() ? t.players[s] : 0));
}

void putPlayerRecord(CByteWriter& out, std::size_t at, const CSamplePlayer& p)
{
    auto nib = [](uint32_t v, unsigned shift) { return (v & 0xFu) << shift; };
    const auto& s = p.skills;
    const auto& e = p.extraNibbles;
    out.putU32(at, p.id | (static_cast<uint32_t>(p.countryId) << 14) | (static_cast<uint32_t>(p.topByte) << 24));
    out.putU32(at + 4, p.value | (static_cast<uint32_t>(p.skinColour) << 16) | (static_cast<uint32_t>(p.hairColour) << 18) |
                           (static_cast<uint32_t>(p.hairStyle) << 20) | (static_cast<uint32_t>(p.facialHair) << 24) |
                           (static_cast<uint32_t>(p.face) << 27));
    out.putU32(at + 8, nib(s[0], 0) | nib(e[0], 4) | nib(s[1], 8) | nib(e[1], 12) | nib(s[2], 16) | nib(s[3], 20) |
                           nib(s[4], 24) | nib(s[5], 28));
    out.putU32(at + 12, nib(s[6], 0) | nib(s[7], 4) | nib(e[2], 8) | nib(s[8], 12) | nib(e[3], 16) | nib(s[9], 20) |
                            nib(s[10], 24) | nib(s[11], 28));
    out.putU32(at + 16, nib(s[12], 0) | (static_cast<uint32_t>(p.jerseyNumber) << 4) |
                            (static_cast<uint32_t>(p.altPosition) << 10) | (static_cast<uint32_t>(p.position) << 15) |
                            (static_cast<uint32_t>(p.letterCode) << 20) | nib(e[4], 28));
}

std::size_t languageIndex(CSampleLanguage language)
{
    for (std::size_t i = 0; i < kSampleLanguages.size(); ++i)
        if (kSampleLanguages[i] == language)
            return i;
    return 0;
}

}  // namespace

std::vector<uint8_t> makeSampleDatabaseFile(const CSampleWorld& world)
{
    std::vector<uint8_t> bytes;
    CByteWriter out(bytes);
    out.putBytes(0, asBytes(std::string("FCDB\x02\x00\x01\x00SAMP", 12)));
    out.putBytes(24, asBytes(std::string("LG\x01\x00", 4)));
    const auto leagueCount = static_cast<uint32_t>(world.leagues.size());
    out.putU32(20, leagueCount);

    std::size_t at = 28 + 4 * static_cast<std::size_t>(leagueCount);
    for (std::size_t i = 0; i < world.leagues.size(); ++i)
    {
        const CSampleLeague& league = world.leagues[i];
        out.putU32(28 + 4 * i, static_cast<uint32_t>(at - 20));
        out.putU16(at, league.id);
        out.putU8(at + 2, 0);
        out.putU8(at + 3, static_cast<uint8_t>(4 * league.teamIds.size() + 2));
        at += 4;
        for (uint16_t id : league.teamIds)
        {
            out.putU16(at, id);
            at += 2;
        }
    }

    const std::size_t teamTable = at;
    out.putU32(12, static_cast<uint32_t>(teamTable));
    out.putU32(teamTable, static_cast<uint32_t>(world.teams.size()));
    out.putU32(teamTable + 4, 80);
    for (std::size_t k = 0; k < world.teams.size(); ++k)
        putTeamRecord(out, teamTable + 8 + 80 * k, world.teams[k]);

    const std::size_t playerTable = teamTable + 8 + 80 * world.teams.size();
    out.putU32(16, static_cast<uint32_t>(playerTable));
    out.putU32(playerTable, static_cast<uint32_t>(world.players.size()));
    out.putU32(playerTable + 4, 20);
    for (std::size_t k = 0; k < world.players.size(); ++k)
        putPlayerRecord(out, playerTable + 8 + 20 * k, world.players[k]);
    // The game's file ends with seven zero bytes after the last player.
    const std::size_t end = playerTable + 8 + 20 * world.players.size();
    bytes.resize(end + 7, 0);
    return bytes;
}

std::vector<uint8_t> makeSampleNameFile(const CSampleWorld& world, CSampleLanguage language)
{
    const bool japanese = language == CSampleLanguage::JAP;
    const std::size_t l = languageIndex(language);
    std::vector<uint8_t> bytes;
    CByteWriter out(bytes);
    out.putBytes(0, asBytes(std::string("FCDBNAME") + sampleLanguageCode(language) + std::string(1, '\0')));
    out.putBytes(16, asBytes("TXT1"));
    const auto leagueCount = static_cast<uint32_t>(world.leagues.size());
    out.putU32(20, leagueCount);
    out.putU32(24, 0);

    std::size_t at = 28 + 4 * static_cast<std::size_t>(leagueCount);
    for (std::size_t i = 0; i < world.leagues.size(); ++i)
    {
        out.putU32(28 + 4 * i, static_cast<uint32_t>(at - 20));
        const std::string name = encodeFor(language, world.leagues[i].names[l]);
        out.putBytes(at, asBytes(name));
        out.putU8(at + name.size(), 0);
        at += name.size() + 1;
    }
    for (char pad = '1'; at % 4 != 0; ++pad)
        out.putU8(at++, static_cast<uint8_t>(pad));

    const std::size_t base = at;
    out.putU32(12, static_cast<uint32_t>(base));
    out.putU32(base, static_cast<uint32_t>(world.teams.size()));
    out.putU32(base + 4, 0);
    at = base + 8 + 4 * world.teams.size();
    for (std::size_t k = 0; k < world.teams.size(); ++k)
    {
        const CSampleTeam& team = world.teams[k];
        out.putU32(base + 8 + 4 * k, static_cast<uint32_t>(at - base));
        auto local = [&](const CSampleName& n) { return japanese && !n.kana.empty() ? n.kana : n.latin; };
        const std::string shortName = cutEncoded(encodeFor(language, local(team.shortName)), 11, japanese);
        std::string fixed = team.abbreviation.substr(0, 6);
        fixed.resize(6, '\0');
        fixed += shortName;
        fixed.resize(17, '\0');
        out.putBytes(at, asBytes(fixed));
        const std::string longName = encodeFor(language, local(team.longName));
        out.putBytes(at + 17, asBytes(longName));
        out.putU8(at + 17 + longName.size(), 0);
        at += 17 + longName.size() + 1;
    }
    return bytes;
}

std::vector<uint8_t> makeSamplePlayerNameFile(const CSampleWorld& world, bool japanese)
{
    std::vector<uint8_t> bytes;
    CByteWriter out(bytes);
    out.putBytes(0, asBytes("STR1"));
    out.putU32(4, 400);
    out.putU32(8, 20);
    out.putU32(12, 20);
    out.putU32(16, 20);
    out.putU32(20, static_cast<uint32_t>(world.players.size()));
    out.putU32(24, 0);
    std::size_t at = 28 + 4 * world.players.size();
    for (std::size_t k = 0; k < world.players.size(); ++k)
    {
        const CSampleName& n = world.players[k].name;
        const std::string name = japanese ? (n.kana.empty() ? foldAccents(n.latin) : toShiftJis(n.kana))
                                          : toWindows1252(n.latin);
        out.putU32(28 + 4 * k, static_cast<uint32_t>(at - 20));
        out.putBytes(at, asBytes(name));
        out.putU8(at + name.size(), 0);
        at += name.size() + 1;
    }
    return bytes;
}

std::vector<uint8_t> makeSampleSpeechIndex(const CSampleWorld& world)
{
    std::vector<uint8_t> bytes;
    CByteWriter out(bytes);
    out.putU32(0, static_cast<uint32_t>(world.spokenIds.size()));
    for (std::size_t i = 0; i < world.spokenIds.size(); ++i)
        out.putU32(4 + 4 * i, world.spokenIds[i]);
    return bytes;
}
