#include "database/Change.h"

#include <algorithm>
#include <cassert>
#include <optional>
#include <unordered_set>
#include <utility>

namespace
{
CDatabaseHeader headerOf(const CDatabase& db)
{
    CDatabaseHeader h;
    h.modified = db.modified();
    h.highestPlayerId = db.highestPlayerId();
    h.highestTeamId = db.highestTeamId();
    h.teamTableOffset = db.teamTableOffset();
    h.playerTableOffset = db.playerTableOffset();
    h.importGeneration = db.importGeneration();
    h.playerTableSize = db.playerTableSize();
    h.teamTableSize = db.teamTableSize();
    h.playerIndexSize = db.playerNameIndex().size();
    h.teamIndexSize = db.teamNameIndex().size();
    return h;
}

std::string indexEntry(const CNameIndex& index, uint32_t id)
{
    return index.at(id);
}

template <class T>
std::optional<T> imageOf(const T* record)
{
    return record ? std::optional<T>(*record) : std::nullopt;
}

template <class T>
std::size_t recordBytes(const std::optional<T>& r)
{
    return r ? sizeof(T) : 0;
}
std::size_t stringBytes(const std::string& s)
{
    return s.capacity() > 15 ? s.capacity() + 1 : 0;
}
std::size_t extraBytes(const std::optional<CPlayer>& p)
{
    return p ? stringBytes(p->name) + stringBytes(p->storedName) : 0;
}
std::size_t extraBytes(const std::optional<CTeam>& t)
{
    return t ? stringBytes(t->longName) + stringBytes(t->abbreviation) + stringBytes(t->shortName) : 0;
}

template <class T>
void absorbImages(std::vector<CRecordImage<T>>& mine, std::vector<CRecordImage<T>>&& later)
{
    for (CRecordImage<T>& l : later)
    {
        auto it = std::find_if(mine.begin(), mine.end(), [&](const CRecordImage<T>& m) { return m.id == l.id; });
        if (it == mine.end())
            mine.push_back(std::move(l));
        else
        {
            it->after = std::move(l.after);
            it->indexAfter = std::move(l.indexAfter);
        }
    }
    // A record that ends as it began is no longer part of the step.
    std::erase_if(mine, [](const CRecordImage<T>& m) { return m.before == m.after && m.indexBefore == m.indexAfter; });
}

std::vector<CLeague> leagueImages(const CDatabase& db)
{
    std::vector<CLeague> out;
    out.reserve(db.leagues().size());
    for (const CLeague* l : db.leagues()) out.push_back(*l);
    return out;
}
} // namespace

bool CChange::empty() const
{
    return m_players.empty() && m_teams.empty() && !m_leaguesBefore && m_headerBefore == m_headerAfter;
}

void CChange::put(CDatabase& db, bool after) const
{
    for (const auto& r : m_players) db.putPlayer(r.id, after ? r.after : r.before, after ? r.indexAfter : r.indexBefore);
    for (const auto& r : m_teams) db.putTeam(r.id, after ? r.after : r.before, after ? r.indexAfter : r.indexBefore);
    if (m_leaguesBefore)
    {
        const std::vector<CLeague>& images = after ? *m_leaguesAfter : *m_leaguesBefore;
        auto& store = db.leagueStore();
        store.clear();
        store.reserve(images.size());
        for (const CLeague& l : images) store.push_back(std::make_unique<CLeague>(l));
    }
    const CDatabaseHeader& h = after ? m_headerAfter : m_headerBefore;
    db.m_modified = h.modified ? 1 : 0;
    db.m_highestPlayerId = h.highestPlayerId;
    db.m_highestTeamId = h.highestTeamId;
    db.m_teamTableOffset = h.teamTableOffset;
    db.m_playerTableOffset = h.playerTableOffset;
    db.m_importGeneration = h.importGeneration;
    db.setSizes(h.playerTableSize, h.teamTableSize, h.playerIndexSize, h.teamIndexSize);
}

void CChange::undo(CDatabase& db) const
{
    put(db, false);
}

void CChange::redo(CDatabase& db) const
{
    put(db, true);
}

void CChange::absorb(CChange&& later)
{
    absorbImages(m_players, std::move(later.m_players));
    absorbImages(m_teams, std::move(later.m_teams));
    if (later.m_leaguesBefore)
    {
        if (!m_leaguesBefore) m_leaguesBefore = std::move(later.m_leaguesBefore);
        m_leaguesAfter = std::move(later.m_leaguesAfter);
        if (*m_leaguesBefore == *m_leaguesAfter)
        {
            m_leaguesBefore.reset();
            m_leaguesAfter.reset();
        }
    }
    m_headerAfter = later.m_headerAfter;
}

std::vector<uint32_t> CChange::players() const
{
    std::vector<uint32_t> out;
    out.reserve(m_players.size());
    for (const auto& r : m_players) out.push_back(r.id);
    return out;
}

std::vector<uint32_t> CChange::teams() const
{
    std::vector<uint32_t> out;
    out.reserve(m_teams.size());
    for (const auto& r : m_teams) out.push_back(r.id);
    return out;
}

std::vector<std::size_t> CChange::leagues() const
{
    std::vector<std::size_t> out;
    if (!m_leaguesBefore) return out;
    const auto& a = *m_leaguesBefore;
    const auto& b = *m_leaguesAfter;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i)
        if (i >= a.size() || i >= b.size() || !(a[i] == b[i])) out.push_back(i);
    return out;
}

bool CChange::addsOrRemovesRecords() const
{
    auto oneSided = [](const auto& r) { return r.before.has_value() != r.after.has_value(); };
    return std::any_of(m_players.begin(), m_players.end(), oneSided) ||
           std::any_of(m_teams.begin(), m_teams.end(), oneSided);
}

std::size_t CChange::memoryBytes() const
{
    std::size_t n = sizeof(CChange);
    n += m_players.capacity() * sizeof(CRecordImage<CPlayer>);
    for (const auto& r : m_players)
        n += extraBytes(r.before) + extraBytes(r.after) + stringBytes(r.indexBefore) + stringBytes(r.indexAfter);
    n += m_teams.capacity() * sizeof(CRecordImage<CTeam>);
    for (const auto& r : m_teams)
        n += extraBytes(r.before) + extraBytes(r.after) + stringBytes(r.indexBefore) + stringBytes(r.indexAfter);
    for (const auto* side : {&m_leaguesBefore, &m_leaguesAfter})
        if (*side)
            for (const CLeague& l : **side)
                n += sizeof(CLeague) + l.teamIds.capacity() * sizeof(uint32_t) + stringBytes(l.displayName);
    return n;
}

CTransaction::CTransaction(CDatabase& db) : m_db(db)
{
    m_change.m_headerBefore = headerOf(db);
}

CTransaction::~CTransaction()
{
    if (m_open) rollback();
}

CPlayer* CTransaction::touchPlayer(uint32_t id)
{
    assert(m_open);
    if (m_playerSeen.insert(id))
        m_change.m_players.push_back({id, imageOf(m_db.player(id)), std::nullopt,
                                      indexEntry(m_db.playerNameIndex(), id), {}});
    return m_db.writablePlayer(id);
}

CTeam* CTransaction::touchTeam(uint32_t id)
{
    assert(m_open);
    if (m_teamSeen.insert(id))
        m_change.m_teams.push_back({id, imageOf(m_db.team(id)), std::nullopt, indexEntry(m_db.teamNameIndex(), id), {}});
    return m_db.writableTeam(id);
}

CPlayer* CTransaction::player(uint32_t id)
{
    // A missing record is not imaged: nothing can be written through a null pointer.
    return m_db.player(id) ? touchPlayer(id) : nullptr;
}

CTeam* CTransaction::team(uint32_t id)
{
    return m_db.team(id) ? touchTeam(id) : nullptr;
}

void CTransaction::forEachPlayer(const std::function<void(CPlayer&)>& f)
{
    std::vector<uint32_t> ids;
    m_db.forEachPlayer([&](const CPlayer& p) { ids.push_back(p.id); });
    for (uint32_t id : ids) f(*touchPlayer(id));
}

void CTransaction::forEachTeam(const std::function<void(CTeam&)>& f)
{
    std::vector<uint32_t> ids;
    m_db.forEachTeam([&](const CTeam& t) { ids.push_back(t.id); });
    for (uint32_t id : ids) f(*touchTeam(id));
}

std::vector<std::unique_ptr<CLeague>>& CTransaction::leagues()
{
    assert(m_open);
    if (!m_change.m_leaguesBefore) m_change.m_leaguesBefore = leagueImages(m_db);
    return m_db.leagueStore();
}

CLeague* CTransaction::league(std::size_t position)
{
    auto& all = leagues();
    return position < all.size() ? all[position].get() : nullptr;
}

CLeague& CTransaction::addLeague(std::unique_ptr<CLeague> league)
{
    leagues();
    return m_db.addLeague(std::move(league));
}

CPlayer& CTransaction::addPlayer(std::unique_ptr<CPlayer> player)
{
    touchPlayer(player->id);
    return m_db.addPlayer(std::move(player));
}

CTeam& CTransaction::addTeam(std::unique_ptr<CTeam> team)
{
    touchTeam(team->id);
    return m_db.addTeam(std::move(team));
}

void CTransaction::reservePlayers(uint32_t highestId)
{
    assert(m_open);
    m_db.reservePlayers(highestId);
}

void CTransaction::reserveTeams(uint32_t highestId)
{
    assert(m_open);
    m_db.reserveTeams(highestId);
}

void CTransaction::copyTeamFull(CTeam& target, const CTeam& source)
{
    // The players the copy points at get a new destination, so they are imaged first.
    for (auto id : source.incomingPlayers) player(id);
    m_db.copyTeamFull(target, source);
}

void CTransaction::setModified(bool on)
{
    assert(m_open);
    m_db.m_modified = on ? 1 : 0;
}

void CTransaction::setImportGeneration(uint32_t generation)
{
    assert(m_open);
    m_db.m_importGeneration = generation;
}

void CTransaction::setTableOffsets(uint32_t teamTableOffset, uint32_t playerTableOffset)
{
    assert(m_open);
    m_db.m_teamTableOffset = teamTableOffset;
    m_db.m_playerTableOffset = playerTableOffset;
}

namespace
{
// The gate: what the change leaves in the records it touched, judged field by field against
// the same record before it, so that an edit is refused only for what it changed.
std::vector<CLimitProblem> limitProblems(const CChange& change, const CDatabase& db)
{
    std::vector<CLimitProblem> out;
    const CTextEncoding enc = encodingForLanguage(db.languageCode());
    // An edited imported player is held to the game's widths while a game team is to take him.
    std::optional<std::unordered_set<uint32_t>> intoGame;
    for (const auto& r : change.playerImages())
    {
        if (!r.after) continue;
        if (r.before && r.after->id >= CDatabase::kImportedIdBase && !intoGame) intoGame = recordlimits::playersIntoGame(db);
        recordlimits::checkPlayer(*r.after, enc, out, r.before ? &*r.before : nullptr,
                                  r.before && intoGame && intoGame->count(r.after->id));
    }
    for (const auto& r : change.teamImages())
        if (r.after) recordlimits::checkTeam(*r.after, db, enc, out, r.before ? &*r.before : nullptr);
    if (change.leagueImagesAfter())
    {
        const auto& before = *change.leagueImagesBefore();
        const auto& after = *change.leagueImagesAfter();
        for (std::size_t i = 0; i < after.size(); ++i)
        {
            const CLeague* was = nullptr;
            if (i < before.size() && before[i].id == after[i].id)
                was = &before[i];
            else
                for (const auto& b : before)
                    if (b.id == after[i].id)
                    {
                        was = &b;
                        break;
                    }
            recordlimits::checkLeague(after[i], enc, out, was);
        }
    }
    if (change.touchesLeagues() || change.addsOrRemovesRecords())
    {
        // Only a change of the league list or of which records exist moves the tables.
        recordlimits::checkTables(db, out);
    }
    return out;
}
} // namespace

CChange CTransaction::commit()
{
    assert(m_open);
    m_open = false;
    CChange out = std::move(m_change);
    out.m_headerAfter = headerOf(m_db);
    for (auto& r : out.m_players)
    {
        r.after = imageOf(m_db.player(r.id));
        r.indexAfter = indexEntry(m_db.playerNameIndex(), r.id);
    }
    for (auto& r : out.m_teams)
    {
        r.after = imageOf(m_db.team(r.id));
        r.indexAfter = indexEntry(m_db.teamNameIndex(), r.id);
    }
    std::erase_if(out.m_players, [](const auto& r) { return r.before == r.after && r.indexBefore == r.indexAfter; });
    std::erase_if(out.m_teams, [](const auto& r) { return r.before == r.after && r.indexBefore == r.indexAfter; });
    if (out.m_leaguesBefore)
    {
        out.m_leaguesAfter = leagueImages(m_db);
        if (*out.m_leaguesBefore == *out.m_leaguesAfter)
        {
            out.m_leaguesBefore.reset();
            out.m_leaguesAfter.reset();
        }
    }
    out.m_players.shrink_to_fit();
    out.m_teams.shrink_to_fit();
    auto problems = limitProblems(out, m_db);
    if (!problems.empty())
    {
        out.put(m_db, false);
        throw CChangeRefused(std::move(problems));
    }
    return out;
}

void CTransaction::rollback()
{
    if (!m_open) return;
    m_open = false;
    // The after side is what the database holds now; only the before side is needed.
    m_change.put(m_db, false);
}

std::optional<std::string> CDirectRunner::run(const std::string&, const std::function<void(CTransaction&)>& rule,
                                              uint64_t)
{
    try
    {
        CTransaction tx(m_db);
        rule(tx);
        const CChange change = tx.commit();
        if (onChange && !change.empty()) onChange(change);
        return std::nullopt;
    }
    catch (const CChangeRefused& refused)
    {
        return std::string(refused.what());
    }
}

CChangeRefused::CChangeRefused(std::vector<CLimitProblem> problems)
    : std::runtime_error(recordlimits::describe(problems)), m_problems(std::move(problems))
{
}
