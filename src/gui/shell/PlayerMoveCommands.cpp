#include "shell/PlayerMoveCommands.h"

#include "app/HistoryTexts.h"
#include "app/ObrixApp.h"
#include "database/Database.h"
#include "editing/PlayerMoves.h"
#include "editing/TeamCommands.h"
#include "shell/FrameTexts.h"
#include "util/Format.h"
#include "util/Translatable.h"
#include "util/TextCodec.h"

void CPlayerMoveCommands::cut(uint32_t playerId, uint32_t fromTeamId)
{
    const CPlayer* player = m_app.db().player(playerId);
    if (!player || fromTeamId == 0) return;
    m_app.document().clipboardPlayer.copyFrom(*player);
    m_app.document().clipboardCutFrom = fromTeamId;
    // Nothing moves yet: the status line says what the cut waits for.
    showStatus(translatedArgs("frametexts", frametexts::kCutPlayer, {shownName(player->name)}));
}

std::string CPlayerMoveCommands::shownName(const std::string& bytes) const
{
    return toUtf8(bytes, encodingForLanguage(m_app.db().languageCode()));
}

void CPlayerMoveCommands::showStatus(const std::string& text) const
{
    m_app.showStatus(QString::fromStdString(text));
}

bool CPlayerMoveCommands::cutPending() const
{
    const CDocument& doc = m_app.document();
    return doc.clipboardPlayer.id != 0 && doc.clipboardCutFrom != 0;
}

bool CPlayerMoveCommands::pasteCut(uint32_t toTeamId)
{
    if (!cutPending()) return false;
    CDocument& doc = m_app.document();
    if (!move(doc.clipboardPlayer.id, doc.clipboardCutFrom, toTeamId)) return false;
    const CTeam* team = m_app.db().team(toTeamId);
    showStatus(translatedArgs("frametexts", frametexts::kMovedPlayer,
                              {shownName(doc.clipboardPlayer.name), shownName(team ? team->longName : std::string())}));
    doc.clipboardPlayer = CPlayer();
    doc.clipboardCutFrom = 0;
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
    m_app.services().commitPendingEdits();
    const CPlayer* player = m_app.db().player(playerId);
    const QString name = QString::fromStdString(shownName(player ? player->name : std::string()));
    CTransferResult result;
    m_app.document().run(historytexts::step(historytexts::kMovePlayer, name),
                         [&](CTransaction& tx) { result = movePlayerToTeam(tx, playerId, fromTeamId, toTeamId); });
    if (result.kind == CTransferResult::CKind::Refused)
    {
        m_app.prompts().message(result.message, CPrompts::CIcon::Warning);
        return false;
    }
    if (!result.changed()) return false;
    afterChange();
    return true;
}

bool CPlayerMoveCommands::copy(uint32_t playerId, uint32_t toTeamId)
{
    const CPlayer* player = m_app.db().player(playerId);
    if (!player) return false;
    m_app.services().commitPendingEdits();
    CPlayer copied;
    copied.copyFrom(*player);
    const CTextEncoding encoding = encodingForLanguage(m_app.db().languageCode());
    bool pasted = false;
    m_app.document().run(
        historytexts::step(historytexts::kPastePlayer, QString::fromStdString(toUtf8(copied.name, encoding))),
        [&](CTransaction& tx) { pasted = pastePlayerIntoTeam(tx, toTeamId, copied, encoding, m_app.prompts()); });
    if (!pasted) return false;
    afterChange();
    return true;
}

void CPlayerMoveCommands::afterChange()
{
    // The trees, the roster and the pages followed the document's change; the commands
    // look at their rules again.
    if (m_commandsChanged) m_commandsChanged();
}
