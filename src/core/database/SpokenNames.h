#pragma once

#include "database/Database.h"

#include <cstdint>
#include <span>

// The speech index PLAYERS.OFF: a signed 32-bit count, then that many 32-bit player ids,
// one per player the game has a recorded name for. Marks hasCommentary on each listed
// player that exists and returns how many players it marked. A count larger than the
// file holds is cut to what it holds; a negative count marks nobody.
int markSpokenNames(CDatabase& db, std::span<const uint8_t> bytes);

// The largest index there can be: every game player's id (16 bits) once.
inline constexpr std::size_t kMaxSpeechIndexBytes = 4 + 4 * std::size_t(CDatabase::kImportedIdBase);
