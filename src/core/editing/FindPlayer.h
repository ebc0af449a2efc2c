#pragma once

#include "editing/LeagueTreeOrder.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CDatabase;
class CPrompts;

struct CFindResult
{
    uint32_t playerId = 0;  // 0 when nothing was found
    CTreePath team;         // the team node that holds the player
};

// The search behind Find and Find Again over the tree as it stands now (its order may
// differ from a fresh fill after pastes and new leagues). It starts after the selected
// node and goes round the leagues once; the selected team, or the teams of the selected
// league, are where it stops, so they are never searched themselves. A selected player
// node counts as its team. text is the user's UTF-8 text; names match when they contain
// it, case ignored.
CFindResult findPlayerInTree(const CDatabase& db, const std::vector<CTreeNode>& tree, const CTreePath& selection,
                             std::string_view text, CTextEncoding encoding);

// The same, with the failure message.
CFindResult findPlayer(const CDatabase& db, const std::vector<CTreeNode>& tree, const CTreePath& selection,
                       std::string_view text, CTextEncoding encoding, CPrompts& prompts);

std::string findFailedMessage(std::string_view text);
