#pragma once

#include "database/Change.h"
#include "database/Player.h"
#include "editing/PlayerPresets.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

class CDatabase;
class CTransaction;
class CPrompts;
enum class CTextEncoding;

// What the Player page's controls show. The page copies its controls into this before
// calling the session and copies it back afterwards; the session never sees a widget.
struct CPlayerPageState
{
    static constexpr int kNoChoice = -1;  // a list with nothing selected

    bool enabled = false;      // every editing control, presets and buttons included
    std::string name;          // 8-bit text as the database holds it, at most 15 bytes
    std::string letter;        // at most 1 byte
    int numberIndex = kNoChoice;    // "1".."99": jerseyNumber - 1, none for number 0
    int positionIndex = 0;          // 0 "GK" .. 16 "LF"; none for a code beyond the labels
    int hairStyle = 0;              // top items of the three picture lists
    int face = 0;
    int facialHair = 0;
    int skinColour = 0;             // "White".."Black"
    int hairColour = 0;             // "Blond".."Black"
    std::array<int, CPlayer::kSkillCount> skills{};  // spin positions, 1..16
    int rating = 0;                 // read-only
    bool commentary = false;        // read-only
};

// What the session needs from the rest of the window: the roster refreshes its list
// keeping the same player selected, and tells which team it lists (0 for none).
struct CPlayerPageLinks
{
    std::function<void()> refreshRoster;
    std::function<uint32_t()> listedTeam;
};

// The rules of the Player page over one player record of the database. Presets, Max.
// Attributes, Reset All and a position choice change the record at once; everything
// else reaches it at storePage().
class CPlayerEditSession
{
public:
    static constexpr int kNumberCount = 99;
    static constexpr int kHairStyles = 14;
    static constexpr int kFaces = 9;
    static constexpr int kFacialHairs = 7;

    CPlayerEditSession(CChangeRunner& runner, CPrompts& prompts, CPlayerPageLinks links = {},
                       CPresetDice dice = CPresetDice());

    CPlayerPageState& state() { return m_state; }
    const CPlayerPageState& state() const { return m_state; }
    uint32_t shownPlayer() const { return m_shown; }
    const CPlayer& backup() const { return m_backup; }
    bool editsAltPosition() const { return m_editsAltPosition; }

    // The roster's selection changed: store the page, take the backup, show the player.
    // Nothing happens for an id without a record.
    void selectPlayer(uint32_t id);
    // Loads the page from the record without a new backup; id 0 disables the page.
    void showPlayer(uint32_t id);
    // Writes the page into the shown record. True when it wrote (a player shown, a name
    // typed); the record is marked modified only when it differs from the backup.
    bool storePage();
    // Empties and disables the page; the shown id stays, but the empty name keeps a
    // later store from writing.
    void clearPage();

    // Preset 0..11: fills the skills with the preset's values varied by the dice, sets
    // its position and marks the player modified.
    void applyPreset(int preset);
    void maxAttributes();
    // Puts the backup back into the record and shows it again.
    void resetAll();

    // The position list's choice: marks the player modified at once; the position
    // itself is written by the next store.
    void choosePosition(int index);
    // The number list's choice: kept, with a message when a listed player has it.
    void chooseNumber(int index);
    // The hidden nationality list changes nothing but the roster.
    void chooseNationality();

    // The tip of the name box for imported players (UTF-8); empty for ids up to 65536.
    std::string nameToolTip(CTextEncoding encoding) const;

private:
    const CDatabase& db() const { return m_runner.database(); }
    const CPlayer* shownRecord() const;
    // Runs edit on the shown record as one change.
    void editShown(const char* name, const std::function<void(CTransaction&, CPlayer&)>& edit);
    void markModified(CTransaction& tx, CPlayer& record);
    void refreshRoster();
    void writeSkills(CPlayer& record);
    void writePosition(CPlayer& record, int code);

    CChangeRunner& m_runner;
    CPrompts& m_prompts;
    CPlayerPageLinks m_links;
    CPresetDice m_dice;
    CPlayerPageState m_state;
    CPlayer m_backup;
    uint32_t m_shown = 0;
    bool m_editsAltPosition = false;
};
