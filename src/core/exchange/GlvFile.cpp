#include "exchange/GlvFile.h"

#include "database/RecordLayouts.h"
#include "exchange/ExchangeTexts.h"
#include "util/BitFields.h"
#include "util/ByteReader.h"
#include "util/Format.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace glv
{
namespace
{
constexpr std::size_t kMaxStringBytes = 255;

// The fifth word of the player record as the GLV writers lay it out: jersey number and
// position get a whole byte each, which leaves no room for altPosition. The other four
// words are the game's own.
using PF = CBitField<CPlayer>;
constexpr PF kGlvWord4Fields[] = {
    {"tackle", 16, 4, 0, 4, &CPlayer::tackle},
    {"jerseyNumber", 16, 4, 4, 8, &CPlayer::jerseyNumber},
    {"position", 16, 4, 12, 8, &CPlayer::position},
    {"letterCode", 16, 4, 20, 8, &CPlayer::letterCode},
    {"extraNibble5", 16, 4, 28, 4, &CPlayer::extraNibble5},
};

// Reads the file front to back; every read is checked, and a short one throws.
class CCursor
{
public:
    explicit CCursor(std::span<const uint8_t> bytes) : m_reader(bytes) {}

    std::string string(const char* what)
    {
        const std::size_t length = m_reader.u8(m_at, what);
        const auto text = m_reader.slice(m_at + 1, length, what);
        m_at += 1 + length;
        return std::string(text.begin(), text.end());
    }
    uint8_t u8(const char* what) { return m_reader.u8(m_at++, what); }
    int32_t i32(const char* what)
    {
        const uint32_t v = m_reader.u32(m_at, what);
        m_at += 4;
        return int32_t(v);
    }
    const uint8_t* record(std::size_t length, const char* what)
    {
        const uint8_t* p = m_reader.slice(m_at, length, what).data();
        m_at += length;
        return p;
    }
    std::size_t remaining() const { return m_reader.size() - m_at; }

private:
    CByteReader m_reader;
    std::size_t m_at = 0;
};

CGlvReadResult refuse(CGlvProblem problem, std::string message)
{
    CGlvReadResult result;
    result.problem = problem;
    result.message = std::move(message);
    return result;
}

void appendString(std::vector<uint8_t>& out, const std::string& text)
{
    const std::size_t length = std::min(text.size(), kMaxStringBytes);
    out.push_back(uint8_t(length));
    out.insert(out.end(), text.begin(), text.begin() + std::ptrdiff_t(length));
}

int clampToInt(std::size_t n) { return n > std::size_t(INT_MAX) ? INT_MAX : int(n); }
}  // namespace

void unpackGlvPlayer(const uint8_t* bytes, CPlayer& player)
{
    layouts::unpackPlayer(bytes, player);
    bitfields::unpack<kGlvWord4Fields>(bytes, player);
    player.altPosition = 0;
}

void packGlvPlayer(const CPlayer& player, uint8_t* bytes)
{
    layouts::packPlayer(player, bytes);
    // Every bit of the fifth word is replaced here, so nothing of the game's altPosition
    // field survives the game's packing above.
    bitfields::pack<kGlvWord4Fields>(player, bytes);
}

CGlvReadResult readGlvFile(std::span<const uint8_t> bytes, std::size_t maxTeams)
{
    // Case matters: a file starting "glv" is not one.
    if (bytes.size() < 3 || std::memcmp(bytes.data(), "GLV", 3) != 0)
        return refuse(CGlvProblem::NotGlv, exchangetexts::kNotGlv);

    CCursor cursor(bytes.subspan(3));
    CGlvReadResult result;
    int team = 0;  // the block being read, from 1; 0 while in the file's own header
    try
    {
        result.file.leagueName = cursor.string("league name");
        const int32_t count = cursor.i32("team count");
        if (count < 0) return refuse(CGlvProblem::TooManyTeams, formatText(exchangetexts::kGlvNegativeTeams, count));
        if (std::size_t(count) > maxTeams)
            return refuse(CGlvProblem::TooManyTeams,
                          formatText(exchangetexts::kGlvTooManyTeams, count, clampToInt(maxTeams)));

        // A team block is at least a name length, a record and a player count; a count
        // the file cannot hold is not allowed to reserve memory for itself.
        result.file.teams.reserve(std::min(std::size_t(count), cursor.remaining() / (1 + layouts::kTeamRecordSize + 1)));
        for (team = 1; team <= count; ++team)
        {
            CGlvTeamBlock& block = result.file.teams.emplace_back();
            block.name = cursor.string("team name");
            layouts::unpackTeam(cursor.record(layouts::kTeamRecordSize, "team record"), block.team);
            block.team.longName = block.name;

            const std::size_t players = cursor.u8("player count");
            if (players > kMaxPlayersPerTeam)
                return refuse(CGlvProblem::TooManyPlayers,
                              formatText(exchangetexts::kGlvTooManyPlayers, team, int(players),
                                         int(kMaxPlayersPerTeam)));
            block.players.reserve(players);
            for (std::size_t j = 0; j < players; ++j)
            {
                CGlvPlayerBlock& p = block.players.emplace_back();
                p.name = cursor.string("player name");
                unpackGlvPlayer(cursor.record(layouts::kPlayerRecordSize, "player record"), p.player);
                // As the game's name file is read: the editor shows 15 characters and
                // keeps a longer name whole for writing back.
                if (p.name.size() > CPlayer::kShownNameLength)
                {
                    p.player.storedName = p.name;
                    p.player.name = p.name.substr(0, CPlayer::kShownNameLength);
                }
                else
                {
                    p.player.name = p.name;
                }
            }
        }
    }
    catch (const CReadError&)
    {
        return refuse(CGlvProblem::Truncated, team == 0 ? std::string(exchangetexts::kGlvTruncatedHeader)
                                                        : formatText(exchangetexts::kGlvTruncatedTeam, team));
    }
    return result;
}

std::size_t maxGlvFileBytes(std::size_t maxTeams)
{
    constexpr std::size_t string = 1 + kMaxStringBytes;
    constexpr std::size_t header = 3 + string + 4;
    constexpr std::size_t team = string + layouts::kTeamRecordSize + 1 + kMaxPlayersPerTeam * (string + layouts::kPlayerRecordSize);
    return header + std::min(maxTeams, (SIZE_MAX - header) / team) * team;
}

std::vector<uint8_t> writeGlvFile(const CGlvFile& file)
{
    std::vector<uint8_t> out = {'G', 'L', 'V'};
    appendString(out, file.leagueName);
    const std::size_t count = std::min<std::size_t>(file.teams.size(), INT32_MAX);
    for (int i = 0; i < 4; ++i) out.push_back(uint8_t(count >> (8 * i)));
    for (std::size_t t = 0; t < count; ++t)
    {
        const CGlvTeamBlock& block = file.teams[t];
        appendString(out, block.name);
        const std::size_t at = out.size();
        out.resize(at + layouts::kTeamRecordSize, 0);
        layouts::packTeam(block.team, out.data() + at);
        // The count is one byte; more blocks than it can say would misalign the file.
        const std::size_t players = std::min<std::size_t>(block.players.size(), 255);
        out.push_back(uint8_t(players));
        for (std::size_t j = 0; j < players; ++j)
        {
            appendString(out, block.players[j].name);
            const std::size_t pat = out.size();
            out.resize(pat + layouts::kPlayerRecordSize, 0);
            packGlvPlayer(block.players[j].player, out.data() + pat);
        }
    }
    return out;
}
}  // namespace glv
