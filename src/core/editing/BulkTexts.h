#pragma once

#include "util/Translatable.h"

// Fixed texts of the table export and import, the database check and the comparison, each
// marked for translation under the namespace's name.
namespace bulktexts
{
// Import: why a cell, a row or the header is refused.
inline constexpr const char* kNotANumber = QT_TRANSLATE_NOOP("bulktexts", "\"%s\" is not a whole number");
inline constexpr const char* kOutOfRange = QT_TRANSLATE_NOOP("bulktexts", "%lld is outside %lld..%lld, what this field can hold");
inline constexpr const char* kNotUtf8 = QT_TRANSLATE_NOOP("bulktexts", "the text is not valid UTF-8");
inline constexpr const char* kNotRepresentable = QT_TRANSLATE_NOOP("bulktexts", "\"%s\" holds a character the game's encoding cannot store");
inline constexpr const char* kTooLong = QT_TRANSLATE_NOOP("bulktexts", "\"%s\" is %d bytes in the game's encoding; at most %lld fit");
inline constexpr const char* kTooManyEntries = QT_TRANSLATE_NOOP("bulktexts", "the list has %d entries; at most %lld fit");
inline constexpr const char* kMissingRecord = QT_TRANSLATE_NOOP("bulktexts", "the list names %s %lld, which does not exist");
inline constexpr const char* kListedTwice = QT_TRANSLATE_NOOP("bulktexts", "the list names %lld twice");
inline constexpr const char* kDerived = QT_TRANSLATE_NOOP("bulktexts", "%s follows from other data and cannot be changed (it is %s)");
inline constexpr const char* kBookkeeping = QT_TRANSLATE_NOOP("bulktexts", "%s is the editor's own bookkeeping and cannot be changed (it is %s)");
inline constexpr const char* kUnknownId = QT_TRANSLATE_NOOP("bulktexts", "there is no %s with id %lld; an import changes records, it does not add them");
inline constexpr const char* kSharedId = QT_TRANSLATE_NOOP("bulktexts", "more than one league has id %lld; change those leagues in the editor");
inline constexpr const char* kRepeatedId = QT_TRANSLATE_NOOP("bulktexts", "id %lld is on line %d already");
inline constexpr const char* kFieldCount = QT_TRANSLATE_NOOP("bulktexts", "the row has %d fields; the header has %d");
inline constexpr const char* kUnknownColumn = QT_TRANSLATE_NOOP("bulktexts", "\"%s\" is not a field of players, teams or leagues");
inline constexpr const char* kRepeatedColumn = QT_TRANSLATE_NOOP("bulktexts", "the column \"%s\" appears twice");
inline constexpr const char* kNoIdColumn = QT_TRANSLATE_NOOP("bulktexts", "there is no id column");
inline constexpr const char* kNoSingleTable = QT_TRANSLATE_NOOP("bulktexts", "the columns do not all belong to one of players, teams or leagues");
inline constexpr const char* kManyTables = QT_TRANSLATE_NOOP("bulktexts", "the columns fit more than one table; add a column that only one of them has");
inline constexpr const char* kEmptyFile = QT_TRANSLATE_NOOP("bulktexts", "the file has no header row");
inline constexpr const char* kMoreProblems = QT_TRANSLATE_NOOP("bulktexts", "... and %d more problems");

// Check: one message per code.
inline constexpr const char* kLeagueTeamTwice = QT_TRANSLATE_NOOP("bulktexts", "League \"%s\" lists team %s (%u) more than once.");
inline constexpr const char* kLeagueMissingTeam = QT_TRANSLATE_NOOP("bulktexts", "League \"%s\" has a slot naming team %u, which does not exist.");
inline constexpr const char* kTeamTooFew = QT_TRANSLATE_NOOP("bulktexts", "Team \"%s\" lists %d players; a team needs at least 11.");
inline constexpr const char* kTeamPlayerTwice = QT_TRANSLATE_NOOP("bulktexts", "Team \"%s\" lists player %s (%u) more than once.");
inline constexpr const char* kTeamMissingPlayer = QT_TRANSLATE_NOOP("bulktexts", "Team \"%s\" lists player %u, which does not exist.");
inline constexpr const char* kTeamSameNumber = QT_TRANSLATE_NOOP("bulktexts", "Team \"%s\": %s and %s both wear number %d.");
inline constexpr const char* kPlayerUnlisted = QT_TRANSLATE_NOOP("bulktexts", "Player %s (%u) was listed by a team of the game when the files were read and is listed by none after the save.");
inline constexpr const char* kPlayerTwoClubs = QT_TRANSLATE_NOOP("bulktexts", "Player %s (%u) is listed by two clubs after the save, %s and %s.");
inline constexpr const char* kPlayerBeyondGame = QT_TRANSLATE_NOOP("bulktexts", "Team \"%s\" lists %s (%u), whose %s is %lld; the game's files hold %lld at most, so he cannot be "
    "moved or copied onto a team of the game until it is %lld or less.");
inline constexpr const char* kNameEmpty = QT_TRANSLATE_NOOP("bulktexts", "The %s %u has an empty %s.");
inline constexpr const char* kValueUnused = QT_TRANSLATE_NOOP("bulktexts", "The %s %s (%u) has %s = %lld; the game uses %lld..%lld.");
} // namespace bulktexts
