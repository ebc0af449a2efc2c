#pragma once

#include <cstdint>
#include <functional>
#include <string>

class CObrixApp;

// Cut, Paste of a cut player, and the drops of a dragged player onto a team: the move
// follows the Transfer page's rules (core PlayerMoves), the copy Paste's. Each brings
// the main window's views up to date afterwards.
class CPlayerMoveCommands
{
public:
    // commandsChanged: told after each move, copy or paste.
    CPlayerMoveCommands(CObrixApp& app, std::function<void()> commandsChanged)
        : m_app(app), m_commandsChanged(std::move(commandsChanged))
    {
    }

    // The player goes to the clipboard marked as cut from the team.
    void cut(uint32_t playerId, uint32_t fromTeamId);
    // Whether the clipboard holds a cut player, waiting for its Paste.
    bool cutPending() const;
    // Paste of the cut player onto the team: moved, or refused with the page's message.
    // The clipboard is emptied once the player has moved, so that a second Paste does
    // not move or copy it again.
    bool pasteCut(uint32_t toTeamId);

    // A drop: moved as the Transfer page moves it, or copied as Paste copies it.
    bool move(uint32_t playerId, uint32_t fromTeamId, uint32_t toTeamId);
    bool copy(uint32_t playerId, uint32_t toTeamId);
    // Whether a drop there would be taken at all (the pointer says so before the drop).
    bool canDrop(uint32_t playerId, uint32_t fromTeamId, uint32_t toTeamId, bool copying) const;

private:
    void afterChange();
    std::string shownName(const std::string& bytes) const;
    void showStatus(const std::string& text) const;

    CObrixApp& m_app;
    std::function<void()> m_commandsChanged;
};
