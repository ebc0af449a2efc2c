#pragma once

#include <QString>

#include <cstdint>

// What the views and pages ask of the window around them, without knowing which window it
// is: the status line, the boxes still being typed in, the save's check, and players dropped
// on a team. The main window provides it; a view shown on its own gets one that does
// nothing and drops nothing.
class CWindowServices
{
public:
    virtual ~CWindowServices() = default;

    virtual void showStatus(const QString& text) = 0;
    // Stores what the pages' boxes hold but have not stored yet; false when a value was
    // refused (the page says why).
    virtual bool commitPendingEdits() = 0;
    // Before a save: errors stop it, warnings the edits brought are asked about once.
    virtual bool checkBeforeSave() = 0;
    // A player dragged from fromTeam (0 from nowhere) onto toTeam: whether the drop is
    // taken, and the move (or, copying, the copy) itself.
    virtual bool canDropPlayer(uint32_t playerId, uint32_t fromTeam, uint32_t toTeam, bool copying) = 0;
    virtual bool dropPlayer(uint32_t playerId, uint32_t fromTeam, uint32_t toTeam, bool copying) = 0;
};

// The services of no window at all.
class CNoWindowServices : public CWindowServices
{
public:
    void showStatus(const QString&) override {}
    bool commitPendingEdits() override { return true; }
    bool checkBeforeSave() override { return true; }
    bool canDropPlayer(uint32_t, uint32_t, uint32_t, bool) override { return false; }
    bool dropPlayer(uint32_t, uint32_t, uint32_t, bool) override { return false; }
};
