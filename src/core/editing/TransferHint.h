#pragma once

#include "util/Translatable.h"

#include "editing/Transfers.h"

#include <string>

class CDatabase;
enum class CTextEncoding;

namespace transfertexts
{
inline constexpr const char* kHintSelect = QT_TRANSLATE_NOOP("transfertexts", "Select a player or a team on each side, then \"<---->\" moves or swaps them.");
inline constexpr const char* kHintLeague = QT_TRANSLATE_NOOP("transfertexts", "A league cannot be transferred: select a team or a player.");
inline constexpr const char* kHintMove = QT_TRANSLATE_NOOP("transfertexts", "\"<---->\" moves %1 from %2 to %3.");
inline constexpr const char* kHintSwapPlayers = QT_TRANSLATE_NOOP("transfertexts", "\"<---->\" swaps %1 of %2 and %3 of %4.");
inline constexpr const char* kHintSwapTeams = QT_TRANSLATE_NOOP("transfertexts", "\"<---->\" swaps %1 and %2: names, kits and players.");
inline constexpr const char* kHintSameTeam = QT_TRANSLATE_NOOP("transfertexts", "%1 is already in %2.");
}  // namespace transfertexts

// The line under the Transfer page's trees: what "<---->" does with the two selections,
// in UTF-8, names without their marks.
std::string describeTransfer(const CDatabase& db, const CTransferSide& left, const CTransferSide& right,
                             CTextEncoding encoding);
