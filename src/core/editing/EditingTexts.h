#pragma once

#include "util/Translatable.h"

// The fixed texts the tree, roster and team commands show, in one place, each
// marked for translation under the namespace's name.
namespace editingtexts
{
// %1 is what was looked for.
inline constexpr const char* kFindFailed = QT_TRANSLATE_NOOP("editingtexts", "Cannot find '%1'");
// %1 is the player, %2 the team the copy went to.
inline constexpr const char* kDuplicatedTo = QT_TRANSLATE_NOOP("editingtexts", "%1 has been duplicated to %2");
inline constexpr const char* kRosterFull =
    QT_TRANSLATE_NOOP("editingtexts", "Too many players (26) in this team already!");
inline constexpr const char* kEuropeanFixtures =
    QT_TRANSLATE_NOOP("editingtexts", "Cannot edit European Competition Fixtures.");
inline constexpr const char* kRememberedTeam = QT_TRANSLATE_NOOP("editingtexts", "Copied %1");
inline constexpr const char* kCopyPlayerOnly =
    QT_TRANSLATE_NOOP("editingtexts", "Can only copy a player to clipboard!");
inline constexpr const char* kPastePlayerOnly = QT_TRANSLATE_NOOP("editingtexts", "Can only paste player to a team!");
inline constexpr const char* kNewLeagueName = QT_TRANSLATE_NOOP("editingtexts", "New League");
// The league name dialog's titles: League Name, New League, and an imported league's.
inline constexpr const char* kLeagueNameTitle = QT_TRANSLATE_NOOP("editingtexts", "League Name");
inline constexpr const char* kNewLeagueTitle = QT_TRANSLATE_NOOP("editingtexts", "New League");
inline constexpr const char* kImportedLeagueTitle = QT_TRANSLATE_NOOP("editingtexts", "Imported League Name");
inline constexpr const char* kLeagueNameLabel = QT_TRANSLATE_NOOP("editingtexts", "League Name:");
// The history's name of a step that changed one field: the field, the record, the value
// before and after ("Speed of Frank van den B 7 -> 9"); a rename names the two names.
inline constexpr const char* kFieldStep = QT_TRANSLATE_NOOP("editingtexts", "%s of %s %s -> %s");
inline constexpr const char* kRenameStep = QT_TRANSLATE_NOOP("editingtexts", "%s %s -> %s");
}  // namespace editingtexts
