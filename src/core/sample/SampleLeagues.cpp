#include <algorithm>
#include <map>

#include "sample/SampleWorld.h"

namespace
{

// The words league names are made of, in each language of the name files (in
// kSampleLanguages order). "{C}" stands for the country.
struct CLeagueWords
{
    const char* top;
    const char* second;
    const char* cup;
    const char* superCup;
    const char* group;
    const char* finalRound;
    const char* international;
    const char* friendlies;
    const char* customCup;
    const char* customLeague;
};

const std::array<CLeagueWords, 8>& leagueWords()
{
    static const std::array<CLeagueWords, 8> words = {{
        {"Primeira Liga {C}", "Segunda Liga {C}", "Taça {C}", "Supertaça {C}", "Grupo", "Fase Final",
         "Taça Internacional", "Amistosos", "Taça Personalizada", "Liga Personalizada"},
        {"{C} Hoofdklasse", "{C} Eerste Divisie", "{C} Beker", "{C} Supercup", "Groep", "Eindronde",
         "Interlandbeker", "Oefenwedstrijden", "Eigen Beker", "Eigen Competitie"},
        {"{C} Premier League", "{C} Division One", "{C} Cup", "{C} Super Cup", "Group", "Final Round",
         "International Cup", "International Friendlies", "Custom Cup", "Custom League"},
        {"{C} Erste Liga", "{C} Zweite Liga", "{C} Pokal", "{C} Supercup", "Gruppe", "Finalrunde",
         "Länderpokal", "Freundschaftsspiele", "Eigener Pokal", "Eigene Liga"},
        {"Prima Lega {C}", "Seconda Lega {C}", "Coppa {C}", "Supercoppa {C}", "Girone", "Fase Finale",
         "Coppa Internazionale", "Amichevoli", "Coppa Personalizzata", "Lega Personalizzata"},
        {"{C}プレミアリーグ", "{C}ディビジョン1", "{C}カップ", "{C}スーパーカップ", "グループ", "ファイナル",
         "インターナショナルカップ", "フレンドリーマッチ", "カスタムカップ", "カスタムリーグ"},
        {"Primera División {C}", "Segunda División {C}", "Copa {C}", "Supercopa {C}", "Grupo",
         "Fase Final", "Copa Internacional", "Amistosos", "Copa Personalizada", "Liga Personalizada"},
        {"{C} Högsta Serien", "{C} Division 1", "{C} Cupen", "{C} Supercupen", "Grupp", "Slutspel",
         "Landslagscupen", "Träningsmatcher", "Egen Cup", "Egen Liga"},
    }};
    return words;
}

bool isJapanese(std::size_t language)
{
    return kSampleLanguages[language] == CSampleLanguage::JAP;
}

const CSampleCountry& countryById(uint16_t id)
{
    for (const CSampleCountry& c : sampleCountries())
        if (c.id == id)
            return c;
    return sampleCountries().front();
}

std::string countryName(uint16_t id, std::size_t language)
{
    const CSampleCountry& c = countryById(id);
    return isJapanese(language) && *c.kana ? std::string(c.kana) : std::string(c.name);
}

std::string withCountry(const char* pattern, const std::string& country)
{
    std::string out = pattern;
    const auto at = out.find("{C}");
    if (at != std::string::npos)
        out.replace(at, 3, country);
    return out;
}

class CLeagueBuilder
{
public:
    CLeagueBuilder(CSampleWorld& world, CSampleRandom& random)
        : m_world(world), m_random(random), m_nextId(static_cast<uint16_t>(random.range(100, 400)))
    {
        for (const CSampleTeam& team : world.teams)
        {
            if (team.bankroll == 0)
            {
                m_nations.push_back(&team);
                continue;
            }
            if (std::find(m_countries.begin(), m_countries.end(), team.countryId) == m_countries.end())
                m_countries.push_back(team.countryId);
            const auto key = std::make_pair(team.countryId, team.division);
            if (!m_divisions.count(key))
                m_divisionOrder.push_back(key);
            m_divisions[key].push_back(&team);
        }
    }

    void build()
    {
        for (const auto& key : m_divisionOrder)
        {
            std::vector<const CSampleTeam*> teams = m_divisions[key];
            m_random.shuffle(teams);
            add(ids(teams), [&](std::size_t l) {
                const CLeagueWords& w = leagueWords()[l];
                return withCountry(key.second == 1 ? w.top : w.second, countryName(key.first, l));
            });
        }
        for (uint16_t country : m_countries)
        {
            std::vector<const CSampleTeam*> clubs = clubsOf(country, 0);
            m_random.shuffle(clubs);
            add(ids(clubs), [&](std::size_t l) { return withCountry(leagueWords()[l].cup, countryName(country, l)); });
        }
        for (uint16_t country : m_countries)
        {
            std::vector<const CSampleTeam*> top = clubsOf(country, 1);
            m_random.shuffle(top);
            top.resize(2);
            add(ids(top), [&](std::size_t l) { return withCountry(leagueWords()[l].superCup, countryName(country, l)); });
        }
        addEuropeanCompetitions();
        addInternationals();

        std::vector<const CSampleTeam*> mixed = clubsOf(0, 0);
        m_random.shuffle(mixed);
        mixed.resize(6);
        std::vector<uint16_t> custom = ids(mixed);
        // A cup the user has started to fill in: two slots still empty.
        custom.insert(custom.begin() + 3, 0);
        custom.push_back(0);
        add(custom, [](std::size_t l) { return std::string(leagueWords()[l].customCup); });
        add({}, [](std::size_t l) { return std::string(leagueWords()[l].customLeague); });
    }

private:
    template <class Namer>
    void add(std::vector<uint16_t> teamIds, Namer namer)
    {
        if (teamIds.size() % 2 != 0)
            teamIds.push_back(0);
        CSampleLeague league;
        league.id = m_nextId;
        m_nextId = static_cast<uint16_t>(m_nextId + m_random.range(1, 60));
        league.teamIds = std::move(teamIds);
        for (std::size_t l = 0; l < league.names.size(); ++l)
            league.names[l] = namer(l);
        m_world.leagues.push_back(std::move(league));
    }

    static std::vector<uint16_t> ids(const std::vector<const CSampleTeam*>& teams)
    {
        std::vector<uint16_t> out;
        for (const CSampleTeam* t : teams)
            out.push_back(static_cast<uint16_t>(t->id));
        return out;
    }

    // Clubs of a country (0: of every country) in a division (0: in every division).
    std::vector<const CSampleTeam*> clubsOf(uint16_t country, int division) const
    {
        std::vector<const CSampleTeam*> out;
        for (const auto& key : m_divisionOrder)
            if ((country == 0 || key.first == country) && (division == 0 || key.second == division))
                for (const CSampleTeam* t : m_divisions.at(key))
                    out.push_back(t);
        return out;
    }

    static std::vector<const CSampleTeam*> strongestFirst(std::vector<const CSampleTeam*> teams)
    {
        std::stable_sort(teams.begin(), teams.end(),
                         [](const CSampleTeam* a, const CSampleTeam* b) { return a->strength > b->strength; });
        return teams;
    }

    // Eight groups of four; returns the groups so that later rounds can draw from them.
    std::vector<std::vector<const CSampleTeam*>> addGroups(std::vector<const CSampleTeam*> teams,
                                                           std::size_t groupCount, const std::string& prefix,
                                                           bool european)
    {
        m_random.shuffle(teams);
        std::vector<std::vector<const CSampleTeam*>> groups;
        for (std::size_t g = 0; g < groupCount && (g + 1) * 4 <= teams.size(); ++g)
        {
            std::vector<const CSampleTeam*> group(teams.begin() + static_cast<std::ptrdiff_t>(g * 4),
                                                  teams.begin() + static_cast<std::ptrdiff_t>(g * 4 + 4));
            const std::string letter(1, static_cast<char>('A' + g));
            add(ids(group), [&](std::size_t l) {
                const char* title = european ? prefix.c_str() : leagueWords()[l].international;
                return std::string(title) + " " + leagueWords()[l].group + " " + letter;
            });
            groups.push_back(std::move(group));
        }
        return groups;
    }

    void addEuropeanCompetitions()
    {
        const std::size_t perCountry = m_countries.size() > 16 ? 2 : 3;
        std::vector<const CSampleTeam*> champions;
        std::vector<const CSampleTeam*> trophy;
        std::vector<const CSampleTeam*> rest;
        for (uint16_t country : m_countries)
        {
            const auto ranked = strongestFirst(clubsOf(country, 1));
            for (std::size_t r = 0; r < ranked.size(); ++r)
                (r < perCountry ? champions : r < 2 * perCountry ? trophy : rest).push_back(ranked[r]);
        }
        champions.resize(std::min<std::size_t>(champions.size(), 32));
        trophy.resize(std::min<std::size_t>(trophy.size(), 32));

        const auto groups = addGroups(champions, 8, "EC Champions Cup", true);
        std::vector<const CSampleTeam*> knockout;
        for (const auto& group : groups)
        {
            const auto ranked = strongestFirst(group);
            knockout.push_back(ranked[0]);
            knockout.push_back(ranked[1]);
        }
        add(ids(knockout), [](std::size_t l) { return std::string("EC Champions Cup ") + leagueWords()[l].finalRound; });
        addGroups(trophy, 8, "EC Trophy", true);

        m_random.shuffle(rest);
        rest.resize(std::min<std::size_t>(rest.size(), 16));
        add(ids(rest), [](std::size_t) { return std::string("EC Cup Winners Cup"); });
        std::vector<uint16_t> superCup = {static_cast<uint16_t>(knockout.front()->id),
                                       static_cast<uint16_t>(rest.front()->id)};
        add(superCup, [](std::size_t) { return std::string("EC Super Cup"); });
    }

    void addInternationals()
    {
        const auto groups = addGroups(m_nations, m_nations.size() / 4, "", false);
        std::vector<const CSampleTeam*> finals;
        for (std::size_t place = 0; place < 4 && finals.size() < 8; ++place)
            for (const auto& group : groups)
                if (finals.size() < 8)
                    finals.push_back(group[place]);
        add(ids(finals), [](std::size_t l) {
            return std::string(leagueWords()[l].international) + " " + leagueWords()[l].finalRound;
        });
        add(ids(m_nations), [](std::size_t l) { return std::string(leagueWords()[l].friendlies); });
    }

    CSampleWorld& m_world;
    CSampleRandom& m_random;
    uint16_t m_nextId;
    std::vector<uint16_t> m_countries;
    std::vector<std::pair<uint16_t, int>> m_divisionOrder;
    std::map<std::pair<uint16_t, int>, std::vector<const CSampleTeam*>> m_divisions;
    std::vector<const CSampleTeam*> m_nations;
};

}  // namespace

void addSampleLeagues(CSampleWorld& world, CSampleRandom& random)
{
    CLeagueBuilder(world, random).build();
}
