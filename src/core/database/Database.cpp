#include "database/Database.h"

namespace
{
template <class T>
T* lookup(const std::vector<std::unique_ptr<T>>& table, uint32_t id)
{
    if (id == 0 || id >= table.size()) return nullptr;
    return table[id].get();
}

template <class T>
void store(std::vector<std::unique_ptr<T>>& table, std::unique_ptr<T> record)
{
    const uint32_t id = record->id;
    if (id >= table.size()) table.resize(std::size_t(id) + 1);
    table[id] = std::move(record);
}

template <class T>
std::string label(const T* record, const std::string& name)
{
    if (!record) return {};
    std::string out = name;
    if (record->imported) out += " *";
    if (record->modified) out += " +";
    return out;
}

void setIndex(std::vector<std::string>& index, uint32_t id, const std::string& name)
{
    if (id >= index.size()) index.resize(std::size_t(id) + 1);
    index[id] = name;
}
} // namespace

CPlayer* CDatabase::player(uint32_t id)
{
    return lookup(m_players, id);
}
const CPlayer* CDatabase::player(uint32_t id) const
{
    return lookup(m_players, id);
}
CTeam* CDatabase::team(uint32_t id)
{
    return lookup(m_teams, id);
}
const CTeam* CDatabase::team(uint32_t id) const
{
    return lookup(m_teams, id);
}

CPlayer& CDatabase::addPlayer(std::unique_ptr<CPlayer> p)
{
    CPlayer& ref = *p;
    setIndex(playerNameIndex, p->id, p->name);
    if (p->id > highestPlayerId) highestPlayerId = p->id;
    store(m_players, std::move(p));
    return ref;
}

CTeam& CDatabase::addTeam(std::unique_ptr<CTeam> t)
{
    CTeam& ref = *t;
    setIndex(teamNameIndex, t->id, t->longName);
    if (t->id > highestTeamId) highestTeamId = t->id;
    store(m_teams, std::move(t));
    return ref;
}

CLeague& CDatabase::addLeague(std::unique_ptr<CLeague> league)
{
    m_leagues.push_back(std::move(league));
    return *m_leagues.back();
}

std::size_t CDatabase::playerCount() const
{
    std::size_t n = 0;
    for (const auto& p : m_players) n += p != nullptr;
    return n;
}

std::size_t CDatabase::teamCount() const
{
    std::size_t n = 0;
    for (const auto& t : m_teams) n += t != nullptr;
    return n;
}

CLeague* CDatabase::league(std::size_t position)
{
    return position < m_leagues.size() ? m_leagues[position].get() : nullptr;
}

std::string CDatabase::teamLabel(uint32_t teamId) const
{
    const CTeam* t = team(teamId);
    return t ? label(t, t->longName) : std::string();
}

std::string CDatabase::playerLabel(uint32_t playerId) const
{
    const CPlayer* p = player(playerId);
    return p ? label(p, p->name) : std::string();
}

std::string CDatabase::playerNameInSlot(uint32_t teamId, int slot) const
{
    const CTeam* t = team(teamId);
    if (!t || slot < 0 || slot >= CTeam::kSlots) return {};
    return playerName(t->players[slot]);
}

std::string CDatabase::teamName(uint32_t teamId) const
{
    const CTeam* t = team(teamId);
    return t ? t->longName : std::string();
}

std::string CDatabase::playerName(uint32_t playerId) const
{
    const CPlayer* p = player(playerId);
    return p ? p->name.substr(0, CPlayer::kShownNameLength) : std::string();
}

int CDatabase::fileIndexOfTeam(uint32_t teamId) const
{
    if (teamId == CPlayer::kNoTeam) return kNoFileIndex;
    const CTeam* t = team(teamId);
    return t ? int(t->fileIndex) : -1;
}

int64_t CDatabase::teamIdAtFileIndex(uint32_t fileIndex) const
{
    for (const auto& t : m_teams)
        if (t && t->fileIndex == fileIndex) return t->id;
    return -1;
}

bool CDatabase::isInternational(uint32_t playerId) const
{
    const CPlayer* p = player(playerId);
    if (!p) return false;
    for (const auto& t : m_teams)
    {
        if (!t || t->countryId != p->countryId) continue;
        // Only the first team of the player's country counts.
        for (auto id : t->players)
            if (id == playerId && p->destinationTeamId == 0) return true;
        for (auto id : t->incomingPlayers)
            if (id == playerId) return true;
        return false;
    }
    return false;
}

void CDatabase::copyTeamFull(CTeam& target, const CTeam& source)
{
    const uint32_t keepModified = target.modified;
    target.copyAttributesFrom(source);
    target.modified = keepModified;
    target.id = source.id;
    target.players = source.players;
    target.loadedPlayers = source.loadedPlayers;
    target.incomingPlayers = source.incomingPlayers;
    for (auto id : source.incomingPlayers)
        if (CPlayer* p = player(id)) p->destinationTeamId = source.id;
}

std::vector<uint32_t> CDatabase::listedPlayers(uint32_t teamId) const
{
    std::vector<uint32_t> out;
    const CTeam* t = team(teamId);
    if (!t) return out;
    for (auto id : t->players)
    {
        if (id == 0) continue;
        const CPlayer* p = player(id);
        if (p && p->destinationTeamId != 0 && p->copyMark != CPlayer::kCopyMark) continue;
        out.push_back(id);
    }
    for (auto id : t->incomingPlayers)
        if (id != 0) out.push_back(id);
    return out;
}

CDatabase CDatabase::clone() const
{
    CDatabase c;
    c.highestPlayerId = highestPlayerId;
    c.highestTeamId = highestTeamId;
    c.teamTableOffset = teamTableOffset;
    c.playerTableOffset = playerTableOffset;
    c.importGeneration = importGeneration;
    c.languageCode = languageCode;
    c.teamNameIndex = teamNameIndex;
    c.playerNameIndex = playerNameIndex;
    c.m_modified = m_modified;
    c.m_players.resize(m_players.size());
    for (std::size_t i = 0; i < m_players.size(); ++i)
        if (m_players[i]) c.m_players[i] = std::make_unique<CPlayer>(*m_players[i]);
    c.m_teams.resize(m_teams.size());
    for (std::size_t i = 0; i < m_teams.size(); ++i)
        if (m_teams[i]) c.m_teams[i] = std::make_unique<CTeam>(*m_teams[i]);
    c.m_leagues.reserve(m_leagues.size());
    for (const auto& l : m_leagues) c.m_leagues.push_back(std::make_unique<CLeague>(*l));
    return c;
}

namespace
{
template <class T>
void adoptTable(std::vector<std::unique_ptr<T>>& mine, std::vector<std::unique_ptr<T>>& theirs)
{
    if (mine.size() < theirs.size()) mine.resize(theirs.size());
    for (std::size_t i = 0; i < mine.size(); ++i)
    {
        T* other = i < theirs.size() ? theirs[i].get() : nullptr;
        if (!other)
            mine[i].reset();
        else if (mine[i])
            *mine[i] = std::move(*other);
        else
            mine[i] = std::move(theirs[i]);
    }
}
} // namespace

void CDatabase::adoptRecordsFrom(CDatabase& other)
{
    adoptTable(m_players, other.m_players);
    adoptTable(m_teams, other.m_teams);
    m_leagues.resize(other.m_leagues.size());
    adoptTable(m_leagues, other.m_leagues);
    highestPlayerId = other.highestPlayerId;
    highestTeamId = other.highestTeamId;
    teamTableOffset = other.teamTableOffset;
    playerTableOffset = other.playerTableOffset;
    importGeneration = other.importGeneration;
    languageCode = std::move(other.languageCode);
    teamNameIndex = std::move(other.teamNameIndex);
    playerNameIndex = std::move(other.playerNameIndex);
    m_modified = other.m_modified;
}
