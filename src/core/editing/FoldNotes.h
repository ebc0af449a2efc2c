#pragma once

#include "database/GameFiles.h"
#include "util/Translatable.h"

#include <string>
#include <vector>

class CDatabase;

// The save writes an imported player over a game player (see gameformat::CFold): the user is
// told who is overwritten before the save does it, in the save's question and in the Changes
// view.
namespace foldtexts
{
// %1 the imported player, %2 the game player written over, %3 the club that lists him.
inline constexpr const char* kTakesPlace = QT_TRANSLATE_NOOP("foldtexts", "'%1' takes the place of the game's '%2' of %3");
// %1 the imported player, %2 the game player written over.
inline constexpr const char* kTakesPlaceNoClub = QT_TRANSLATE_NOOP("foldtexts", "'%1' takes the place of the game's '%2', who is in no club");
inline constexpr const char* kHeading = QT_TRANSLATE_NOOP("foldtexts", "An imported player has no record of his own in the game's files, so the save writes each one "
    "moved or copied onto a game team over a game player: the one whose id is the low 16 bits of his own "
    "(whichever club lists him), or a player of that team leaving for the imported player's team. That player's name and "
    "values are gone, and his club lists the newcomer as well as the team you chose:");
// %1 how many more.
inline constexpr const char* kMore = QT_TRANSLATE_NOOP("foldtexts", "... and %1 more.");
} // namespace foldtexts

// One line per fold of the next save, in the order it makes them, in the user's language.
std::vector<std::string> foldNotes(const CDatabase& db);

// The heading and the lines (at most shown of them, then how many more), empty when the save
// folds nobody.
std::string foldSummary(const CDatabase& db, std::size_t shown = 10);

// A save's question with the folds put before its last paragraph (the question itself).
std::string withFoldNotes(const std::string& question, const CDatabase& db);
