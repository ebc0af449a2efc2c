#pragma once

#include "util/Translatable.h"

#include <cstdint>
#include <optional>
#include <vector>

class CDatabase;
class CPrompts;
enum class CTextEncoding;

namespace comparisontexts
{
inline constexpr const char* kCompareButton = QT_TRANSLATE_NOOP("comparisontexts", "&Compare");
inline constexpr const char* kDifferences = QT_TRANSLATE_NOOP("comparisontexts", "Differences:");
inline constexpr const char* kTeamsOnly = QT_TRANSLATE_NOOP("comparisontexts", "Can only compare teams.");
}  // namespace comparisontexts

// The players each team lists that the other team has no player of the same name for.
// Players are matched by name alone (case ignored), so two records with one name count
// as one player; a player a team lists twice is reported twice. Each side is sorted by
// name, case ignored, as the page's lists show them.
struct CTeamComparison
{
    std::vector<uint32_t> leftOnly;
    std::vector<uint32_t> rightOnly;
};

CTeamComparison compareTeams(const CDatabase& db, uint32_t leftTeam, uint32_t rightTeam, CTextEncoding encoding);

// "&Compare" on the two trees' selected node values (nullopt: nothing selected there).
// Nothing happens while either side has no selection; a league on either side gets the
// message. Otherwise the new contents of both lists.
std::optional<CTeamComparison> compareSelection(const CDatabase& db, std::optional<uint32_t> leftNode,
                                                std::optional<uint32_t> rightNode, CTextEncoding encoding,
                                                CPrompts& prompts);
