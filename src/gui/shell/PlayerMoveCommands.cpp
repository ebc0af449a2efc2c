#include "shell/PlayerMoveCommands.h"

#include "app/ObrixApp.h"
#include "database/Database.h"
#include "editing/PlayerMoves.h"
#include "editing/TeamCommands.h"
#include "pages/PlayerPage.h"
#include "shell/DataPropSheet.h"
#include "shell/DataView.h"
#include "shell/GroupView.h"
#include "shell/LeagueTree.h"
#include "shell/MainFrame.h"
#include "shell/RosterView.h"
#include "util/TextCodec.h"

namespace
{
CPlayerPage* playerPage(CObrixApp& app)
{
    CMainFrame* frame = app.mainFrame();
    return frame ? frame->dataView()->sheet()->playerPage() : nullptr;
}
}  // namespace

void CPlayerMoveCommands::cut(uint32_t playerId, uint32_t fromTeamId)
{
    const CPlayer* player = m_app.db().player(playerId);
    if (!player || fromTeamId == 0) return;
    m_app.clipboardPlayer.copyFrom(*player);
    m_app.clipboardCutFrom = fromTeamId;
}

bool CPlayerMoveCommands::cutPending() const
{
    return m_app.clipboardPlayer.id != 0 && m_app.clipboardCutFrom != 0;
}

bool CPlayerMoveCommands::pasteCut(uint32_t toTeamId)
{
    if (!cutPending()) return false;
    if (!move(m_app.clipboardPlayer.id, m_app.clipboardCutFrom, toTeamId)) return false;
    m_app.clipboardPlayer = CPlayer();
    m_app.clipboardCutFrom = 0;
    return true;
}

bool CPlayerMoveCommands::canDrop(uint32_t playerId, uint32_t fromTeamId, uint32_t toTeamId, bool copying) const
{
    if (!m_app.db().player(playerId) || !m_app.db().team(toTeamId)) return false;
    return copying || fromTeamId != toTeamId;
}

bool CPlayerMoveCommands::move(uint32_t playerId, uint32_t fromTeamId, uint32_t toTeamId)
{
    // Text still being typed on the Player page goes into the record before it moves.
    if (CPlayerPage* page = playerPage(m_app)) page->commitPendingEdits();
    const CTransferResult result = movePlayerToTeam(m_app.db(), playerId, fromTeamId, toTeamId);
    if (result.kind == CTransferResult::CKind::Refused)
    {
        m_app.prompts().message(result.message, CPrompts::CIcon::Warning);
        return false;
    }
    if (!result.changed()) return false;
    afterChange(playerId, fromTeamId, toTeamId);
    return true;
}

bool CPlayerMoveCommands::copy(uint32_t playerId, uint32_t toTeamId)
{
    const CPlayer* player = m_app.db().player(playerId);
    if (!player) return false;
    if (CPlayerPage* page = playerPage(m_app)) page->commitPendingEdits();
    CPlayer copied;
    copied.copyFrom(*player);
    if (!pastePlayerIntoTeam(m_app.db(), toTeamId, copied, encodingForLanguage(m_app.db().languageCode),
                             m_app.prompts()))
        return false;
    afterChange(playerId, 0, toTeamId);
    return true;
}

void CPlayerMoveCommands::afterChange(uint32_t playerId, uint32_t fromTeamId, uint32_t toTeamId)
{
    CMainFrame* frame = m_app.mainFrame();
    if (!frame) return;
    CLeagueTree* tree = frame->groupView()->tree();
    for (uint32_t team : {fromTeamId, toTeamId})
    {
        const QModelIndex node = team ? tree->findTeamNode(team) : QModelIndex();
        if (node.isValid())
            tree->setNodeText(node, QString::fromStdString(toUtf8(m_app.db().teamLabel(team), tree->encoding())));
    }
    CRosterView* roster = frame->rosterView();
    if (roster->teamShown() == fromTeamId || roster->teamShown() == toTeamId) roster->refreshKeepingPlayer();
    if (CPlayerPage* page = playerPage(m_app); page && m_app.currentPlayer != 0 && m_app.currentPlayer == playerId)
        page->showPlayer(playerId);
    // The pages with trees of their own show the player where it went.
    m_app.transferTreesNeedRefill = true;
    m_app.statsTreesNeedRefill = true;
    frame->dataView()->sheet()->refreshActivePage();
    frame->updateCommands();
}
