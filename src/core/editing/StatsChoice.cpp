#include "editing/StatsChoice.h"

#include "database/Database.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>

std::vector<std::size_t> leaguesHoldingTeam(const CDatabase& db, uint32_t teamId)
{
    std::vector<std::size_t> out;
    const auto& leagues = db.leagues();
    for (std::size_t position = 0; position < leagues.size(); ++position)
    {
        const CLeague& league = *leagues[position];
        const std::size_t used = std::min<std::size_t>(league.slotCount, league.teamIds.size());
        if (std::find(league.teamIds.begin(), league.teamIds.begin() + std::ptrdiff_t(used), teamId) !=
            league.teamIds.begin() + std::ptrdiff_t(used))
            out.push_back(position);
    }
    return out;
}

std::size_t chooseTeams(std::vector<uint32_t>& chosen, const std::vector<uint32_t>& teamIds)
{
    std::size_t added = 0;
    for (uint32_t id : teamIds)
    {
        if (id == 0 || std::find(chosen.begin(), chosen.end(), id) != chosen.end()) continue;
        chosen.push_back(id);
        ++added;
    }
    return added;
}

namespace
{
std::optional<long long> wholeNumber(const std::string& text)
{
    if (text.empty()) return std::nullopt;
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}
}  // namespace

bool gridCellLess(const std::string& a, const std::string& b)
{
    const auto na = wholeNumber(a);
    const auto nb = wholeNumber(b);
    if (na && nb) return *na < *nb;
    if (na != std::nullopt || nb != std::nullopt) return na.has_value();
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}
