#include "sample/SampleWorld.h"

#include <algorithm>
#include <set>

namespace
{

struct CDivisionPlan
{
    int country;  // index into sampleCountries()
    int level;
    int teams;
};

struct CScalePlan
{
    std::vector<CDivisionPlan> divisions;
    int nationalTeams = 0;
    int squadMin = 0;
    int squadMax = 0;
    int freeAgentsPerClubMax = 0;
    uint32_t maxTeamId = 0;    // 0: derived from the team count
    uint32_t maxPlayerId = 0;  // 0: derived from the player count
};

CScalePlan planFor(CSampleScale scale)
{
    CScalePlan plan;
    if (scale == CSampleScale::Small)
    {
        for (int c = 0; c < 12; ++c)
            plan.divisions.push_back({c, 1, 16});
        plan.nationalTeams = 16;
        plan.squadMin = 16;
        plan.squadMax = 24;
        plan.freeAgentsPerClubMax = 2;
        return plan;
    }
    // 470 clubs and 40 national teams: the 510 teams an exchange file can still name.
    const CDivisionPlan full[] = {
        {0, 1, 20},  {0, 2, 20},  {1, 1, 18},  {1, 2, 18},  {2, 1, 20},  {2, 2, 20},  {3, 1, 20},
        {3, 2, 20},  {4, 1, 20},  {4, 2, 18},  {5, 1, 18},  {6, 1, 18},  {7, 1, 16},  {8, 1, 12},
        {9, 1, 16},  {10, 1, 20}, {11, 1, 18}, {12, 1, 14}, {13, 1, 12}, {14, 1, 20}, {15, 1, 10},
        {16, 1, 10}, {17, 1, 16}, {18, 1, 12}, {19, 1, 18}, {20, 1, 16}, {21, 1, 18}, {22, 1, 12},
    };
    plan.divisions.assign(std::begin(full), std::end(full));
    plan.nationalTeams = 40;
    plan.squadMin = 22;
    plan.squadMax = 26;
    plan.freeAgentsPerClubMax = 6;
    plan.maxTeamId = 2047;
    plan.maxPlayerId = 16383;
    return plan;
}

enum class CRole
{
    Keeper,
    Defender,
    Midfielder,
    Forward,
};

CRole roleOf(int position)
{
    if (position == 0)
        return CRole::Keeper;
    if (position <= 6)
        return CRole::Defender;
    if (position <= 11)
        return CRole::Midfielder;
    return CRole::Forward;
}

// How far each skill of a role sits above or below the player's general level.
const std::array<int, 13>& profileOf(CRole role)
{
    static const std::array<int, 13> keeper = {-2, 4, 3, -3, -4, 0, -1, -2, 5, -3, -4, -2, -3};
    static const std::array<int, 13> defender = {0, 0, 2, -1, -2, 1, 3, 0, 1, 0, -2, 0, 4};
    static const std::array<int, 13> midfielder = {0, 1, 1, 2, 3, 2, -1, 4, 0, 0, 0, 0, 0};
    static const std::array<int, 13> forward = {3, 1, 1, 2, 1, 0, 1, -1, 1, 3, 4, 3, -3};
    switch (role)
    {
    case CRole::Keeper: return keeper;
    case CRole::Defender: return defender;
    case CRole::Midfielder: return midfielder;
    case CRole::Forward: return forward;
    }
    return midfielder;
}

class CWorldBuilder
{
public:
    CWorldBuilder(const CSampleOptions& options)
        : m_random(options.seed), m_plan(planFor(options.scale))
    {
    }

    CSampleWorld build()
    {
        CSampleRandom clubs = m_random.fork(1);
        for (const CDivisionPlan& division : m_plan.divisions)
            for (int t = 0; t < division.teams; ++t)
                addClub(clubs, division);
        CSampleRandom nations = m_random.fork(2);
        for (int c = 0; c < m_plan.nationalTeams; ++c)
            addNationalTeam(nations, c);
        assignIds();
        CSampleRandom leagues = m_random.fork(3);
        addSampleLeagues(m_world, leagues);
        CSampleRandom speech = m_random.fork(4);
        chooseSpokenNames(speech);
        return std::move(m_world);
    }

private:
    void addClub(CSampleRandom& random, const CDivisionPlan& division)
    {
        const CSampleCountry& country = sampleCountries()[static_cast<std::size_t>(division.country)];
        CSampleTeam team;
        team.division = division.level;
        team.countryId = country.id;
        team.strength = division.level == 1 ? random.range(35, 95) : random.range(20, 65);
        CSampleName town;
        for (int attempt = 0; attempt < 200; ++attempt)
        {
            town = makeTownName(random, country.style);
            team.longName = makeClubName(random, country.style, town);
            if (m_longNames.insert(team.longName.latin).second)
                break;
        }
        team.shortName = town;
        const int abbreviationLength = random.chance(75) ? 3 : random.range(4, 6);
        team.abbreviation = abbreviate(town.latin, static_cast<std::size_t>(abbreviationLength));
        team.bankroll = static_cast<uint32_t>(
            std::clamp(team.strength * team.strength * 10 + random.range(0, 5000), 1, 100000));
        if (division.level == 2 && random.chance(10))
            team.bankroll = static_cast<uint32_t>(random.range(1, 500));
        fillKitsAndExtras(random, team);

        const int squad = random.range(m_plan.squadMin, m_plan.squadMax);
        for (int position : squadPositions(random, squad))
        {
            const uint16_t nation = random.chance(75) ? country.id : foreignCountry(random);
            const int index = addPlayer(random, nation, position, team.strength);
            m_listedByClub[static_cast<std::size_t>(index)] = true;
            team.players.push_back(static_cast<uint32_t>(index));
        }
        numberShirts(random, team);

        const int free = random.range(0, m_plan.freeAgentsPerClubMax);
        for (int f = 0; f < free; ++f)
        {
            const uint16_t nation = random.chance(60) ? country.id : foreignCountry(random);
            const int position = random.range(0, 16);
            addPlayer(random, nation, position, random.range(15, 50));
        }
        m_world.teams.push_back(std::move(team));
    }

    void addNationalTeam(CSampleRandom& random, int countryIndex)
    {
        const CSampleCountry& country = sampleCountries()[static_cast<std::size_t>(countryIndex)];
        CSampleTeam team;
        team.countryId = country.id;
        team.bankroll = 0;
        team.longName = {country.name, country.kana};
        team.shortName = team.longName;
        team.abbreviation = nationAbbreviation(country.name);
        team.strength = 70;
        fillKitsAndExtras(random, team);

        std::vector<int> keepers;
        std::vector<int> outfield;
        for (std::size_t i = 0; i < m_players.size(); ++i)
        {
            if (m_players[i].countryId != country.id || !m_listedByClub[i])
                continue;
            (m_players[i].position == 0 ? keepers : outfield).push_back(static_cast<int>(i));
        }
        auto better = [this](int a, int b) {
            const int sa = m_players[static_cast<std::size_t>(a)].skillSum();
            const int sb = m_players[static_cast<std::size_t>(b)].skillSum();
            return sa != sb ? sa > sb : a < b;
        };
        std::sort(keepers.begin(), keepers.end(), better);
        std::sort(outfield.begin(), outfield.end(), better);
        keepers.resize(std::min<std::size_t>(keepers.size(), 3));
        outfield.resize(std::min<std::size_t>(outfield.size(), 19));
        // Nations with few players abroad call up players no club lists.
        while (keepers.size() < 2)
            keepers.push_back(addPlayer(random, country.id, 0, random.range(40, 70)));
        while (outfield.size() < 16)
        {
            const int position = random.range(1, 16);
            outfield.push_back(addPlayer(random, country.id, position, random.range(40, 70)));
        }
        std::stable_sort(outfield.begin(), outfield.end(), [this](int a, int b) {
            return m_players[static_cast<std::size_t>(a)].position < m_players[static_cast<std::size_t>(b)].position;
        });
        for (int k : keepers)
            team.players.push_back(static_cast<uint32_t>(k));
        for (int o : outfield)
            team.players.push_back(static_cast<uint32_t>(o));
        // Players called up from outside the clubs take shirts nobody in the squad wears.
        std::set<int> taken;
        for (uint32_t k : team.players)
            if (m_listedByClub[k])
                taken.insert(m_players[k].jerseyNumber);
        int next = 1;
        for (uint32_t k : team.players)
            if (!m_listedByClub[k])
            {
                while (taken.count(next))
                    ++next;
                m_players[k].jerseyNumber = static_cast<uint8_t>(next++);
            }
        m_world.teams.push_back(std::move(team));
    }

    static std::string nationAbbreviation(const std::string& name)
    {
        if (name.find(' ') == std::string::npos)
            return abbreviate(name, 3);
        std::string initials;
        bool start = true;
        for (char c : name)
        {
            if (start && c != ' ')
                initials.push_back(c);
            start = c == ' ';
        }
        return abbreviate(initials, 3);
    }

    uint16_t foreignCountry(CSampleRandom& random)
    {
        const auto& countries = sampleCountries();
        const int pool = random.chance(80) ? m_plan.nationalTeams : static_cast<int>(countries.size());
        return countries[static_cast<std::size_t>(random.range(0, pool - 1))].id;
    }

    static std::vector<int> squadPositions(CSampleRandom& random, int squad)
    {
        const int keepers = squad >= 20 ? 3 : 2;
        const int rest = squad - keepers;
        const int defenders = rest * 36 / 100 + random.range(0, 1);
        const int midfielders = rest * 36 / 100 + random.range(0, 1);
        const int forwards = rest - defenders - midfielders;
        std::vector<int> positions(static_cast<std::size_t>(keepers), 0);
        const int backFour[] = {2, 3, 5, 6};
        const int midFour[] = {7, 8, 10, 11};
        const int frontTwo[] = {13, 15};
        for (int i = 0; i < defenders; ++i)
            positions.push_back(i < 4 ? backFour[i] : random.range(1, 6));
        for (int i = 0; i < midfielders; ++i)
            positions.push_back(i < 4 ? midFour[i] : random.range(7, 11));
        for (int i = 0; i < forwards; ++i)
            positions.push_back(i < 2 ? frontTwo[i] : random.range(12, 16));
        return positions;
    }

    void numberShirts(CSampleRandom& random, CSampleTeam& team)
    {
        std::vector<int> starters;
        for (int n = 2; n <= 11; ++n)
            starters.push_back(n);
        random.shuffle(starters);
        std::vector<int> reserves;
        for (int n = 12; n <= 40; ++n)
            reserves.push_back(n);
        random.shuffle(reserves);
        std::size_t s = 0;
        std::size_t r = 0;
        for (std::size_t k = 0; k < team.players.size(); ++k)
        {
            CSamplePlayer& p = m_players[team.players[k]];
            if (k == 0)
                p.jerseyNumber = 1;
            else if (p.position != 0 && s < starters.size())
                p.jerseyNumber = static_cast<uint8_t>(starters[s++]);
            else
                p.jerseyNumber = static_cast<uint8_t>(reserves[r++]);
        }
    }

    int addPlayer(CSampleRandom& random, uint16_t countryId, int position, int strength)
    {
        CNameStyle style = CNameStyle::English;
        for (const CSampleCountry& c : sampleCountries())
            if (c.id == countryId)
                style = c.style;
        CSamplePlayer p;
        p.countryId = countryId;
        p.position = static_cast<uint8_t>(position);
        p.name = makePlayerName(random, style);
        p.jerseyNumber = static_cast<uint8_t>(random.range(1, 40));  // clubs renumber their squads
        p.topByte = static_cast<uint8_t>(random.chance(70) ? random.range(17, 37) : random.range(0, 255));
        setAppearance(random, p, style);

        const CRole role = roleOf(position);
        const auto& profile = profileOf(role);
        int level = 2 + strength * 8 / 100 + random.range(-2, 2);
        if (random.chance(3))
            level += 3;  // the odd star in a weak side
        for (std::size_t s = 0; s < 13; ++s)
            p.skills[s] = static_cast<uint8_t>(std::clamp(level + profile[s] + random.range(-2, 2), 0, 15));
        const int q = std::max(0, p.skillSum() - 50);
        p.value = static_cast<uint16_t>(std::clamp(q * q * q / 40 + random.range(10, 500), 10, 65535));

        for (auto& nibble : p.extraNibbles)
            nibble = static_cast<uint8_t>(random.chance(60) ? random.range(0, 15) : 0);
        if (role != CRole::Keeper && random.chance(30))
        {
            // A second position near the first: a full back who can play wide, and so on.
            const int alt = std::clamp(position + random.range(-2, 2), 1, 16);
            p.altPosition = static_cast<uint8_t>(alt == position ? 0 : alt);
        }
        const std::string plain = foldAccents(p.name.latin);
        const auto space = plain.rfind(' ');
        const char initial = space == std::string::npos ? plain[0] : plain[space + 1];
        p.letterCode = static_cast<uint8_t>(random.chance(85) ? static_cast<unsigned char>(initial)
                                                              : random.range(0, 255));
        m_players.push_back(std::move(p));
        m_listedByClub.push_back(false);
        return static_cast<int>(m_players.size() - 1);
    }

    static void setAppearance(CSampleRandom& random, CSamplePlayer& p, CNameStyle style)
    {
        switch (style)
        {
        case CNameStyle::African:
            p.skinColour = static_cast<uint8_t>(random.chance(80) ? 3 : 2);
            p.hairColour = 3;
            break;
        case CNameStyle::Nordic:
            p.skinColour = 0;
            p.hairColour = static_cast<uint8_t>(random.chance(60) ? 0 : random.range(1, 2));
            break;
        case CNameStyle::Japanese:
            p.skinColour = 1;
            p.hairColour = static_cast<uint8_t>(random.chance(85) ? 3 : 1);
            break;
        case CNameStyle::Portuguese:
        case CNameStyle::Spanish:
            p.skinColour = static_cast<uint8_t>(random.range(0, 3));
            p.hairColour = static_cast<uint8_t>(random.chance(60) ? 3 : 1);
            break;
        case CNameStyle::Italian:
        case CNameStyle::Greek:
        case CNameStyle::Turkish:
            p.skinColour = static_cast<uint8_t>(random.chance(60) ? 1 : 0);
            p.hairColour = static_cast<uint8_t>(random.chance(70) ? 3 : 1);
            break;
        default:
            p.skinColour = static_cast<uint8_t>(random.chance(85) ? 0 : random.range(1, 3));
            p.hairColour = static_cast<uint8_t>(random.range(0, 3));
            break;
        }
        if (p.skinColour == 3 && random.chance(20))
            p.hairStyle = 0;  // afro
        else
            p.hairStyle = static_cast<uint8_t>(random.chance(8) ? 10 : random.range(1, 15));
        p.facialHair = static_cast<uint8_t>(random.chance(60) ? 6 : random.range(0, 5));
        p.face = static_cast<uint8_t>(random.range(0, 31));
    }

    static void fillKit(CSampleRandom& random, CSampleKit& kit, int avoidPrimary)
    {
        int primary = random.range(0, 22);
        while (primary == avoidPrimary)
            primary = random.range(0, 22);
        int secondary = random.range(0, 22);
        while (secondary == primary)
            secondary = random.range(0, 22);
        kit.jerseyStyle = static_cast<uint8_t>(random.range(0, 63));
        kit.jersey = {static_cast<uint8_t>(primary), static_cast<uint8_t>(secondary),
                      static_cast<uint8_t>(random.chance(50) ? (random.chance(50) ? 19 : 22) : random.range(0, 22))};
        kit.shortsStyle = static_cast<uint8_t>(random.range(0, 4));
        kit.shorts = {static_cast<uint8_t>(random.chance(50) ? primary : (random.chance(50) ? 19 : 22)),
                      static_cast<uint8_t>(secondary)};
        kit.socksStyle = static_cast<uint8_t>(random.range(0, 3));
        kit.socks = {static_cast<uint8_t>(random.chance(70) ? primary : secondary),
                     static_cast<uint8_t>(random.range(0, 22))};
    }

    static void fillKitsAndExtras(CSampleRandom& random, CSampleTeam& team)
    {
        fillKit(random, team.home, -1);
        fillKit(random, team.away, team.home.jersey[0]);
        static const int widths[15] = {0, 4, 6, 6, 4, 6, 5, 6, 7, 2, 10, 4, 4, 4, 3};
        const bool busy = random.chance(70);
        for (int e = 1; e <= 14; ++e)
        {
            const int top = (1 << widths[e]) - 1;
            team.extras[static_cast<std::size_t>(e)] =
                static_cast<uint16_t>(busy ? random.range(0, top) : random.range(0, std::min(top, 3)));
        }
        team.extra15 = static_cast<int16_t>(random.chance(30) ? random.range(-32768, 32767) : random.range(-20, 200));
    }

    void assignIds()
    {
        const uint32_t teamMax = m_plan.maxTeamId ? m_plan.maxTeamId
                                                  : static_cast<uint32_t>(m_world.teams.size() * 5 / 2);
        const std::vector<uint32_t> teamIds = pickSampleIds(m_random, m_world.teams.size(), teamMax);
        for (std::size_t i = 0; i < m_world.teams.size(); ++i)
            m_world.teams[i].id = teamIds[i];

        const uint32_t playerMax = m_plan.maxPlayerId ? m_plan.maxPlayerId
                                                      : static_cast<uint32_t>(m_players.size() * 5 / 4);
        const std::vector<uint32_t> playerIds = pickSampleIds(m_random, m_players.size(), playerMax);
        for (std::size_t i = 0; i < m_players.size(); ++i)
            m_players[i].id = playerIds[i];
        for (CSampleTeam& team : m_world.teams)
            for (uint32_t& slot : team.players)
                slot = m_players[slot].id;
        m_world.players = std::move(m_players);
    }

    void chooseSpokenNames(CSampleRandom& random)
    {
        // The game records names for the players people know: the better, the likelier.
        std::vector<uint32_t>& ids = m_world.spokenIds;
        for (const CSamplePlayer& p : m_world.players)
            if (random.chance(std::clamp(p.skillSum() / 2 - 10, 15, 90)))
                ids.push_back(p.id);
        if (ids.empty())
            return;
        // The game's own index is not perfectly clean: one name is listed twice and one id
        // belongs to no player.
        ids.insert(ids.begin() + static_cast<std::ptrdiff_t>(ids.size() / 2), ids[ids.size() / 2]);
        std::set<uint32_t> used;
        for (const CSamplePlayer& p : m_world.players)
            used.insert(p.id);
        for (uint32_t id = ids.back(); id > 0; --id)
            if (!used.count(id))
            {
                ids.push_back(id);
                break;
            }
    }

    CSampleRandom m_random;
    CScalePlan m_plan;
    CSampleWorld m_world;
    std::vector<CSamplePlayer> m_players;  // creation order, ids given at the end
    std::vector<bool> m_listedByClub;
    std::set<std::string> m_longNames;
};

}  // namespace

int CSamplePlayer::skillSum() const
{
    int sum = 0;
    for (uint8_t s : skills)
        sum += s;
    return sum;
}

std::vector<uint32_t> pickSampleIds(CSampleRandom& random, std::size_t count, uint32_t maxId)
{
    if (count == 0)
        return {};
    std::vector<uint32_t> pool;
    for (uint32_t id = 1; id < maxId; ++id)
        pool.push_back(id);
    // A partial shuffle draws count - 1 distinct ids below the top one.
    for (std::size_t i = 0; i + 1 < count && i < pool.size(); ++i)
    {
        const auto j = static_cast<std::size_t>(random.range(static_cast<int>(i), static_cast<int>(pool.size()) - 1));
        std::swap(pool[i], pool[j]);
    }
    pool.resize(std::min(count - 1, pool.size()));
    pool.push_back(maxId);
    std::sort(pool.begin(), pool.end());
    return pool;
}

CSampleWorld buildSampleWorld(const CSampleOptions& options)
{
    return CWorldBuilder(options).build();
}
