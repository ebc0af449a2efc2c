#include "database/Database.h"

#include "util/Prefault.h"

#include <algorithm>

namespace
{
template <class T>
T* lookup(const CIdTable<T>& table, uint32_t id)
{
    return id == 0 ? nullptr : table.find(id);
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

void setIndex(CNameIndex& index, uint32_t id, const std::string& name)
{
    index.set(id, name);
}
} // namespace

template <class T>
struct CStoreOps
{
    using Store = CDatabase::CStore<T>;

    static T& add(Store& s, std::unique_ptr<T> record)
    {
        T* raw = record.get();
        s.table.slot(raw->id) = raw;
        s.singles.push_back(std::move(record));
        return *raw;
    }
    static void addBlock(Store& s, std::vector<T>&& records)
    {
        s.blocks.push_back(std::move(records));
        for (T& r : s.blocks.back()) s.table.slot(r.id) = &r;
    }
};

CPlayer* CDatabase::writablePlayer(uint32_t id)
{
    return lookup(m_playerStore.table, id);
}
const CPlayer* CDatabase::player(uint32_t id) const
{
    return lookup(m_playerStore.table, id);
}
CTeam* CDatabase::writableTeam(uint32_t id)
{
    return lookup(m_teamStore.table, id);
}
const CTeam* CDatabase::team(uint32_t id) const
{
    return lookup(m_teamStore.table, id);
}

CDatabase CDatabase::copy() const
{
    CDatabase out;
    std::vector<CPlayer> players;
    players.reserve(playerCount());
    forEachPlayer([&](const CPlayer& p) { players.push_back(p); });
    std::vector<CTeam> teams;
    teams.reserve(teamCount());
    forEachTeam([&](const CTeam& t) { teams.push_back(t); });
    CStoreOps<CPlayer>::addBlock(out.m_playerStore, std::move(players));
    CStoreOps<CTeam>::addBlock(out.m_teamStore, std::move(teams));
    out.m_playerStore.table.fit(m_playerStore.table.size());
    out.m_teamStore.table.fit(m_teamStore.table.size());
    for (const auto& l : m_leagues) out.m_leagues.push_back(std::make_unique<CLeague>(*l));
    out.m_highestPlayerId = m_highestPlayerId;
    out.m_highestTeamId = m_highestTeamId;
    out.m_teamTableOffset = m_teamTableOffset;
    out.m_playerTableOffset = m_playerTableOffset;
    out.m_importGeneration = m_importGeneration;
    out.m_languageCode = m_languageCode;
    out.m_readFrom = m_readFrom;
    out.m_teamNameIndex = m_teamNameIndex;
    out.m_playerNameIndex = m_playerNameIndex;
    out.m_modified = m_modified;
    return out;
}

namespace
{
// Puts one record back as an image describes it. A record that must vanish is taken out
// of the table; when it lives on its own its storage goes too (records added by the step
// being undone are the newest, so the search from the back is short).
template <class T, class Store>
void putRecord(Store& s, uint32_t id, const std::optional<T>& image)
{
    T* now = lookup(s.table, id);
    if (image)
    {
        if (now)
            *now = *image;
        else
        {
            s.singles.push_back(std::make_unique<T>(*image));
            s.table.slot(id) = s.singles.back().get();
        }
        return;
    }
    if (!now) return;
    s.table.clear(id);
    for (auto it = s.singles.rbegin(); it != s.singles.rend(); ++it)
        if (it->get() == now)
        {
            s.singles.erase(std::next(it).base());
            break;
        }
}
} // namespace

void CDatabase::putPlayer(uint32_t id, const std::optional<CPlayer>& image, const std::string& indexEntry)
{
    putRecord(m_playerStore, id, image);
    setIndex(m_playerNameIndex, id, indexEntry);
}

void CDatabase::putTeam(uint32_t id, const std::optional<CTeam>& image, const std::string& indexEntry)
{
    putRecord(m_teamStore, id, image);
    setIndex(m_teamNameIndex, id, indexEntry);
}

void CDatabase::setSizes(std::size_t playerTableSize, std::size_t teamTableSize, std::size_t playerIndexSize,
                         std::size_t teamIndexSize)
{
    // Only empty slots are cut away: a table never loses a record here.
    m_playerStore.table.fit(playerTableSize);
    m_teamStore.table.fit(teamTableSize);
    m_playerNameIndex.resize(playerIndexSize);
    m_teamNameIndex.resize(teamIndexSize);
}

void CDatabase::reservePlayers(uint32_t highestId)
{
    m_playerStore.table.reserve(highestId);
    m_playerNameIndex.reserve(highestId);
}

void CDatabase::reserveTeams(uint32_t highestId)
{
    m_teamStore.table.reserve(highestId);
    m_teamNameIndex.reserve(highestId);
}

CPlayer& CDatabase::addPlayer(std::unique_ptr<CPlayer> p)
{
    setIndex(m_playerNameIndex, p->id, p->name);
    if (p->id > m_highestPlayerId) m_highestPlayerId = p->id;
    return CStoreOps<CPlayer>::add(m_playerStore, std::move(p));
}

CTeam& CDatabase::addTeam(std::unique_ptr<CTeam> t)
{
    setIndex(m_teamNameIndex, t->id, t->longName);
    if (t->id > m_highestTeamId) m_highestTeamId = t->id;
    return CStoreOps<CTeam>::add(m_teamStore, std::move(t));
}

void CDatabase::addPlayers(std::vector<CPlayer>&& players)
{
    for (const CPlayer& p : players)
    {
        setIndex(m_playerNameIndex, p.id, p.name);
        if (p.id > m_highestPlayerId) m_highestPlayerId = p.id;
    }
    CStoreOps<CPlayer>::addBlock(m_playerStore, std::move(players));
}

void CDatabase::addTeams(std::vector<CTeam>&& teams)
{
    for (const CTeam& t : teams)
    {
        setIndex(m_teamNameIndex, t.id, t.longName);
        if (t.id > m_highestTeamId) m_highestTeamId = t.id;
    }
    CStoreOps<CTeam>::addBlock(m_teamStore, std::move(teams));
}

CLeague& CDatabase::addLeague(std::unique_ptr<CLeague> league)
{
    m_leagues.push_back(std::move(league));
    return *m_leagues.back();
}

std::size_t CDatabase::playerCount() const
{
    std::size_t n = 0;
    m_playerStore.table.forEach([&](const CPlayer*) { ++n; });
    return n;
}

std::size_t CDatabase::teamCount() const
{
    std::size_t n = 0;
    m_teamStore.table.forEach([&](const CTeam*) { ++n; });
    return n;
}

const CLeague* CDatabase::league(std::size_t position) const
{
    return position < m_leagues.size() ? m_leagues[position].get() : nullptr;
}

CLeague* CDatabase::writableLeague(std::size_t position)
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
    const CTeam* t = m_teamStore.table.findIf([&](const CTeam* t) { return t->fileIndex == fileIndex; });
    return t ? int64_t(t->id) : -1;
}

bool CDatabase::isInternational(uint32_t playerId) const
{
    const CPlayer* p = player(playerId);
    if (!p) return false;
    // Only the first team of the player's country counts.
    const CTeam* first = m_teamStore.table.findIf([&](const CTeam* t) { return t->countryId == p->countryId; });
    if (!first) return false;
    for (auto id : first->players)
        if (id == playerId && p->destinationTeamId == 0) return true;
    for (auto id : first->incomingPlayers)
        if (id == playerId) return true;
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
        if (CPlayer* p = writablePlayer(id)) p->destinationTeamId = source.id;
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
