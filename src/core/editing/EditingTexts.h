#pragma once

#include "util/Translatable.h"

// The fixed texts the tree, roster and team commands show, in one place, each
// marked for translation under the namespace's name.
namespace editingtexts
{
inline constexpr const char* kFindFailedStart = QT_TRANSLATE_NOOP("editingtexts", "Can not find the string '");
inline constexpr const char* kFindFailedEnd = "'";
inline constexpr const char* kDuplicatedTo = QT_TRANSLATE_NOOP("editingtexts", " has been duplicated to ");
inline constexpr const char* kRosterFull =
    QT_TRANSLATE_NOOP("editingtexts", "Too many players (26) in this team already!");
inline constexpr const char* kEuropeanFixtures =
    QT_TRANSLATE_NOOP("editingtexts", "Cannot edit European Competion Fixtures.");
inline constexpr const char* kRememberedTeam = QT_TRANSLATE_NOOP("editingtexts", "Copy %s successfully");
inline constexpr const char* kCopyPlayerOnly =
    QT_TRANSLATE_NOOP("editingtexts", "Can only copy a player to clipboard!");
inline constexpr const char* kPastePlayerOnly = QT_TRANSLATE_NOOP("editingtexts", "Can only paste player to a team!");
inline constexpr const char* kNewLeagueName = QT_TRANSLATE_NOOP("editingtexts", "New League");
inline constexpr const char* kLeagueNameTitle = QT_TRANSLATE_NOOP("editingtexts", "Imported League Name");
inline constexpr const char* kLeagueNameLabel = QT_TRANSLATE_NOOP("editingtexts", "League Name:");
}  // namespace editingtexts
