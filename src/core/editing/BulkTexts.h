#pragma once

// Fixed texts of the table export and import, the database check and the comparison.
namespace bulktexts
{
// Import: why a cell, a row or the header is refused.
inline constexpr const char* kNotANumber = "\"%s\" is not a whole number";
inline constexpr const char* kOutOfRange = "%lld is outside %lld..%lld, what this field can hold";
inline constexpr const char* kNotUtf8 = "the text is not valid UTF-8";
inline constexpr const char* kNotRepresentable = "\"%s\" holds a character the game's encoding cannot store";
inline constexpr const char* kTooLong = "\"%s\" is %d bytes in the game's encoding; at most %lld fit";
inline constexpr const char* kTooManyEntries = "the list has %d entries; at most %lld fit";
inline constexpr const char* kMissingRecord = "the list names %s %lld, which does not exist";
inline constexpr const char* kListedTwice = "the list names %lld twice";
inline constexpr const char* kDerived = "%s follows from other data and cannot be changed (it is %s)";
inline constexpr const char* kBookkeeping = "%s is the editor's own bookkeeping and cannot be changed (it is %s)";
inline constexpr const char* kUnknownId = "there is no %s with id %lld; an import changes records, it does not add them";
inline constexpr const char* kSharedId = "more than one league has id %lld; change those leagues in the editor";
inline constexpr const char* kRepeatedId = "id %lld is on line %d already";
inline constexpr const char* kFieldCount = "the row has %d fields; the header has %d";
inline constexpr const char* kUnknownColumn = "\"%s\" is not a field of players, teams or leagues";
inline constexpr const char* kRepeatedColumn = "the column \"%s\" appears twice";
inline constexpr const char* kNoIdColumn = "there is no id column";
inline constexpr const char* kNoSingleTable = "the columns do not all belong to one of players, teams or leagues";
inline constexpr const char* kManyTables = "the columns fit more than one table; add a column that only one of them has";
inline constexpr const char* kEmptyFile = "the file has no header row";
inline constexpr const char* kMoreProblems = "... and %d more problems";

// Check: one message per code.
inline constexpr const char* kLeagueTeamTwice = "League \"%s\" lists team %s (%u) more than once.";
inline constexpr const char* kLeagueMissingTeam = "League \"%s\" has a slot naming team %u, which does not exist.";
inline constexpr const char* kTeamTooFew = "Team \"%s\" lists %d players; a team needs at least 11.";
inline constexpr const char* kTeamPlayerTwice = "Team \"%s\" lists player %s (%u) more than once.";
inline constexpr const char* kTeamMissingPlayer = "Team \"%s\" lists player %u, which does not exist.";
inline constexpr const char* kTeamSameNumber = "Team \"%s\": %s and %s both wear number %d.";
inline constexpr const char* kPlayerUnlisted = "Player %s (%u) was listed by a team when the files were read and is listed by no team now.";
inline constexpr const char* kNameEmpty = "The %s %u has an empty %s.";
inline constexpr const char* kValueUnused = "The %s %s (%u) has %s = %lld; the game uses %lld..%lld.";
} // namespace bulktexts
