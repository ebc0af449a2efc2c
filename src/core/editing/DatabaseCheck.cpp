#include "editing/DatabaseCheck.h"

#include "database/Database.h"
#include "database/GameFiles.h"
#include "database/RecordLimits.h"
#include "editing/BulkTexts.h"
#include "editing/TeamEditSession.h"
#include "kits/KitPalette.h"
#include "util/Format.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace
{
constexpr int kFewestPlayers = 11;

class CChecker
{
public:
    CChecker(const CDatabase& db, CTextEncoding enc) : m_db(db), m_enc(enc) {}

    std::vector<CCheckProblem> run()
    {
        // The errors are exactly what the save refuses: the gate's limits and odd leagues.
        for (auto& p : recordlimits::saveBlockers(m_db))
        {
            if (p.wholeDatabase)
                m_out.push_back({true, p.code, true, p.kind, 0, -1, std::move(p.message)});
            else
                add(true, p.code.c_str(), p.kind, p.id, std::move(p.message),
                    p.kind == CRecordKind::League ? int64_t(p.id) : -1);
        }
        for (const auto& l : m_db.leagues()) league(*l);
        const std::unordered_set<uint32_t> intoGame = recordlimits::playersIntoGame(m_db);
        m_db.forEachTeam([&](const CTeam& t) { team(t, intoGame); });
        // Free agents, whom the files list in no team, are the game's own; a game player that
        // a game team listed when the files were read and none lists after the save was
        // dropped by an edit (or moved onto an imported team, which the files never hold).
        // Imported players are the editor's: any team of theirs counts.
        std::unordered_set<uint32_t> listed, wasListed;
        std::unordered_map<uint32_t, std::vector<uint32_t>> clubs;  // player -> clubs listing him
        const gameformat::CSavePlan plan = gameformat::planSave(m_db);
        for (const auto& [teamId, list] : plan.lists)
        {
            const CTeam* t = m_db.team(teamId);
            for (uint32_t id : list)
            {
                listed.insert(id);
                if (t && t->bankroll != 0)
                {
                    auto& of = clubs[id];
                    if (std::find(of.begin(), of.end(), teamId) == of.end()) of.push_back(teamId);
                }
            }
        }
        m_db.forEachTeam([&](const CTeam& t) {
            const bool game = t.id < CDatabase::kImportedIdBase && !t.imported;
            for (uint32_t id : t.loadedPlayers)
                if (game || id >= CDatabase::kImportedIdBase) wasListed.insert(id);
            if (game) return;
            for (uint32_t id : t.players)
                if (id >= CDatabase::kImportedIdBase) listed.insert(id);
            for (uint32_t id : t.incomingPlayers)
                if (id >= CDatabase::kImportedIdBase) listed.insert(id);
        });
        for (uint32_t id : intoGame) listed.insert(id);
        m_db.forEachPlayer([&](const CPlayer& p) {
            const auto of = clubs.find(p.id);
            player(p, listed.count(p.id) != 0 || !wasListed.count(p.id), of == clubs.end() ? nullptr : &of->second);
        });
        return std::move(m_out);
    }

private:
    void add(bool error, const char* code, CRecordKind kind, uint32_t id, std::string message, int64_t league = -1)
    {
        if (kind == CRecordKind::Team && league < 0)
        {
            if (m_leagueOfTeam.empty())
                for (std::size_t i = m_db.leagues().size(); i-- > 0;)
                    for (uint32_t t : m_db.leagues()[i]->teamIds) m_leagueOfTeam[t] = m_db.leagues()[i]->id;
            if (auto found = m_leagueOfTeam.find(id); found != m_leagueOfTeam.end()) league = found->second;
        }
        m_out.push_back({error, code, false, kind, id, league, std::move(message)});
    }
    std::string utf8(const std::string& bytes) const { return toUtf8(bytes, m_enc); }

    void league(const CLeague& l)
    {
        const std::string name = utf8(l.displayName);
        const CRecordKind K = CRecordKind::League;
        // A slot naming no team, or a team twice, is written and read back as it stands.
        std::unordered_set<uint32_t> seen, reported;
        for (uint32_t id : l.teamIds)
        {
            if (id == 0) continue;
            if (!m_db.team(id))
                add(false, checkcodes::kLeagueMissingTeam, K, l.id, formatText(bulktexts::kLeagueMissingTeam, name.c_str(), id));
            else if (!seen.insert(id).second && reported.insert(id).second)
                add(false, checkcodes::kLeagueTeamTwice, K, l.id,
                    formatText(bulktexts::kLeagueTeamTwice, name.c_str(), utf8(m_db.team(id)->longName).c_str(), id));
        }
        if (l.displayName.empty()) add(false, checkcodes::kNameEmpty, K, l.id, formatText(bulktexts::kNameEmpty, "league", l.id, "name"));
    }

    void unused(CRecordKind kind, const std::string& name, uint32_t id, const char* field, int64_t v, int64_t lo, int64_t hi)
    {
        if (v >= lo && v <= hi) return;
        add(false, checkcodes::kValueUnused, kind, id,
            formatText(bulktexts::kValueUnused, recordKindName(kind), name.c_str(), id, field, (long long)v,
                       (long long)lo, (long long)hi));
    }

    void team(const CTeam& t, const std::unordered_set<uint32_t>& intoGame)
    {
        const std::string name = utf8(t.longName);
        const CRecordKind K = CRecordKind::Team;
        const auto listed = m_db.listedPlayers(t.id);
        // One a game team is to take is an error already, from the limits.
        if (t.id >= CDatabase::kImportedIdBase || t.imported)
            for (uint32_t id : listed)
                if (const CPlayer* p = id >= CDatabase::kImportedIdBase ? m_db.player(id) : nullptr; p && !intoGame.count(id))
                    for (const auto& b : recordlimits::beyondGame(*p))
                        add(false, checkcodes::kPlayerBeyondGame, K, t.id,
                            formatText(bulktexts::kPlayerBeyondGame, name.c_str(), utf8(p->name).c_str(), id, b.field,
                                       (long long)b.value, (long long)b.limit, (long long)b.limit));
        int existing = 0;
        std::unordered_set<uint32_t> seen, reported;
        for (uint32_t id : listed)
        {
            if (id == 0) continue;
            const CPlayer* p = m_db.player(id);
            if (!p)
            {
                add(false, checkcodes::kTeamMissingPlayer, K, t.id, formatText(bulktexts::kTeamMissingPlayer, name.c_str(), id));
                continue;
            }
            ++existing;
            if (!seen.insert(id).second && reported.insert(id).second)
                add(false, checkcodes::kTeamPlayerTwice, K, t.id,
                    formatText(bulktexts::kTeamPlayerTwice, name.c_str(), utf8(p->name).c_str(), id));
        }
        // The files hold a short side as well as a full one; the game may not field it.
        const int distinct = int(seen.size());
        if (distinct < kFewestPlayers)
            add(false, checkcodes::kTeamTooFew, K, t.id, formatText(bulktexts::kTeamTooFew, name.c_str(), distinct));
        // Shirt numbers belong to clubs: a national side lists its players' club numbers.
        if (t.bankroll != 0)
        {
            std::unordered_map<int, uint32_t> wearer;
            std::unordered_set<uint32_t> done;
            for (uint32_t id : listed)
            {
                const CPlayer* p = m_db.player(id);
                if (!p || p->jerseyNumber == 0 || !done.insert(id).second) continue;
                auto [it, fresh] = wearer.emplace(p->jerseyNumber, id);
                if (!fresh && it->second != id)
                {
                    const uint32_t a = std::min(it->second, id), b = std::max(it->second, id);
                    add(false, checkcodes::kTeamSameNumber, K, t.id,
                        formatText(bulktexts::kTeamSameNumber, name.c_str(), utf8(m_db.player(a)->name).c_str(),
                                   utf8(m_db.player(b)->name).c_str(), int(p->jerseyNumber)));
                }
            }
        }
        if (t.longName.empty()) add(false, checkcodes::kNameEmpty, K, t.id, formatText(bulktexts::kNameEmpty, "team", t.id, "name"));
        unused(K, name, t.id, "bankroll", t.bankroll, 0, teampage::kBankrollLimit);
        unused(K, name, t.id, "homeShortsStyle", t.homeShortsStyle, 0, teampage::kShortsModels - 1);
        unused(K, name, t.id, "awayShortsStyle", t.awayShortsStyle, 0, teampage::kShortsModels - 1);
        unused(K, name, t.id, "homeSocksStyle", t.homeSocksStyle, 0, teampage::kSocksModels - 1);
        unused(K, name, t.id, "awaySocksStyle", t.awaySocksStyle, 0, teampage::kSocksModels - 1);
        const std::pair<const char*, int> colours[] = {
            {"homeJerseyColour1", t.homeJerseyColour1}, {"homeJerseyColour2", t.homeJerseyColour2},
            {"homeJerseyColour3", t.homeJerseyColour3}, {"homeShortsColour1", t.homeShortsColour1},
            {"homeShortsColour2", t.homeShortsColour2}, {"homeSocksColour1", t.homeSocksColour1},
            {"homeSocksColour2", t.homeSocksColour2},   {"awayJerseyColour1", t.awayJerseyColour1},
            {"awayJerseyColour2", t.awayJerseyColour2}, {"awayJerseyColour3", t.awayJerseyColour3},
            {"awayShortsColour1", t.awayShortsColour1}, {"awayShortsColour2", t.awayShortsColour2},
            {"awaySocksColour1", t.awaySocksColour1},   {"awaySocksColour2", t.awaySocksColour2}};
        for (const auto& [field, v] : colours) unused(K, name, t.id, field, v, 0, kitpalette::kColourCount - 1);
    }

    void player(const CPlayer& p, bool listed, const std::vector<uint32_t>* clubs)
    {
        const std::string name = utf8(p.name);
        const CRecordKind K = CRecordKind::Player;
        if (!listed)
            add(false, checkcodes::kPlayerUnlisted, K, p.id, formatText(bulktexts::kPlayerUnlisted, name.c_str(), p.id));
        if (clubs && clubs->size() > 1)
            add(false, checkcodes::kPlayerTwoClubs, K, p.id,
                formatText(bulktexts::kPlayerTwoClubs, name.c_str(), p.id, utf8(m_db.team((*clubs)[0])->longName).c_str(),
                           utf8(m_db.team((*clubs)[1])->longName).c_str()));
        if (p.name.empty()) add(false, checkcodes::kNameEmpty, K, p.id, formatText(bulktexts::kNameEmpty, "player", p.id, "name"));
        unused(K, name, p.id, "position", p.position, 0, kPositionCount - 1);
        unused(K, name, p.id, "altPosition", p.altPosition, 0, kPositionCount - 1);
    }

    const CDatabase& m_db;
    CTextEncoding m_enc;
    std::vector<CCheckProblem> m_out;
    std::unordered_map<uint32_t, uint32_t> m_leagueOfTeam;  // the first league listing each team
};
} // namespace

std::vector<CCheckProblem> checkDatabase(const CDatabase& db, CTextEncoding encoding)
{
    return CChecker(db, encoding).run();
}

std::string describeProblem(const CCheckProblem& p)
{
    std::string out = p.error ? "error " : "warning ";
    out += p.code + " ";
    out += p.wholeDatabase ? std::string("database") : std::string(recordKindName(p.kind)) + " " + std::to_string(p.id);
    if (p.leagueId >= 0) out += " (league " + std::to_string(p.leagueId) + ")";
    out += ": " + p.message;
    return out;
}
