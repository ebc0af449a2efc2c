#pragma once

// The fixed texts the tree, roster and team commands show, in one place.
namespace editingtexts
{
inline constexpr const char* kFindFailedStart = "Can not find the string '";
inline constexpr const char* kFindFailedEnd = "'";
inline constexpr const char* kDuplicatedTo = " has been duplicated to ";
inline constexpr const char* kRosterFull = "Too many players (26) in this team already!";
inline constexpr const char* kEuropeanFixtures = "Cannot edit European Competion Fixtures.";
inline constexpr const char* kRememberedTeam = "Copy %s successfully";
inline constexpr const char* kCopyPlayerOnly = "Can only copy a player to clipboard!";
inline constexpr const char* kPastePlayerOnly = "Can only paste player to a team!";
inline constexpr const char* kNewLeagueName = "New League";
inline constexpr const char* kLeagueNameTitle = "Imported League Name";
inline constexpr const char* kLeagueNameLabel = "League Name:";
}  // namespace editingtexts
