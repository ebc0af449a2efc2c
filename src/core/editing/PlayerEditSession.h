#pragma once

#include "database/Change.h"


#include "database/Player.h"
#include "editing/PageCommit.h"
#include "editing/PlayerPresets.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class CDatabase;
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

// The controls of the Player page that commit a value of their own.
enum class CPlayerField
{
    Name,
    Letter,
    Number,      // list index, jerseyNumber - 1
    Position,    // list index, written to position or altPosition
    HairStyle,   // the picture lists' top items
    Face,
    FacialHair,
    SkinColour,
    HairColour,
    Skill,       // spin position 1..16 of skill n
};

// The rules of the Player page over one player record of the database. Every control
// value reaches the record as soon as the user is done with it, so nothing waits in the
// page for a later store: what Save Data, the exit question and every command see is
// what the page shows.
class CPlayerEditSession
{
public:
    static constexpr int kNumberCount = 99;
    static constexpr int kHairStyles = 14;
    static constexpr int kFaces = 9;
    static constexpr int kFacialHairs = 7;

    CPlayerEditSession(CChangeRunner& runner, CPrompts& prompts, CPresetDice dice = CPresetDice());

    // The team whose list the player was chosen from (0 for none): a shirt number is
    // looked for among its players.
    void setListedTeam(uint32_t teamId) { m_listedTeam = teamId; }

    CPlayerPageState& state() { return m_state; }
    const CPlayerPageState& state() const { return m_state; }
    uint32_t shownPlayer() const { return m_shown; }
    const CPlayer& backup() const { return m_backup; }
    bool editsAltPosition() const { return m_editsAltPosition; }

    // The roster's selection changed: take the backup, show the player. Nothing happens
    // for an id without a record.
    void selectPlayer(uint32_t id);
    // Loads the page from the record without a new backup; id 0 disables the page.
    void showPlayer(uint32_t id);
    // Empties and disables the page until a player is shown again.
    void clearPage();

    // One control's value into the shown record; a change marks the player modified.
    // An empty name and a name with characters the game's code page cannot hold are
    // refused and the page shows the record's name again, and so is a name longer than
    // nameLimit. A number a listed player wears is taken with a word.
    CCommitResult commitText(CPlayerField field, std::string_view utf8);
    // What the name box takes in bytes of the game's encoding: never less than the shown
    // player's name holds.
    std::size_t nameLimit() const;
    CCommitResult commitValue(CPlayerField field, int value, int skill = 0);

    // Preset 0..11: fills the skills with the preset's values varied by the dice, sets
    // its position and marks the player modified.
    void applyPreset(int preset);
    void maxAttributes();
    // Puts the backup back into the record and shows it again.
    void resetAll();

    // The hidden nationality list changes nothing but the roster.
    void chooseNationality();

    // The tip of the name box for imported players (UTF-8); empty for ids up to 65536.
    std::string nameToolTip(CTextEncoding encoding) const;

private:
    // Writable only inside a step (see gated); null elsewhere.
    CPlayer* editedRecord();
    const CPlayer* shownRecord() const;

    // Runs f as one step of the history, with the shown record writable through m_tx.
    template <class F>
    auto gated(const char* name, uint64_t mergeKey, F&& f) -> decltype(f())
    {
        // A refused step put the record back: the page shows what it holds again.
        bool refused = false;
        if constexpr (std::is_void_v<decltype(f())>)
        {
            runGatedStep(m_runner, m_tx, name, mergeKey, std::forward<F>(f), &refused);
            if (refused) showPlayer(m_shown);
        }
        else
        {
            auto r = runGatedStep(m_runner, m_tx, name, mergeKey, std::forward<F>(f), &refused);
            if (refused) showPlayer(m_shown);
            return r;
        }
    }
    const CDatabase& db() const { return m_runner.database(); }
    void markModified(CPlayer& record);
    void writeSkills(CPlayer& record);
    void writePosition(CPlayer& record, int code);
    void warnOfUsedNumber(int number);
    CCommitResult committed(CPlayer& record, const CPlayer& before);

    CChangeRunner& m_runner;
    CTransaction* m_tx = nullptr;
    CPrompts& m_prompts;
    uint32_t m_listedTeam = 0;
    CPresetDice m_dice;
    CPlayerPageState m_state;
    CPlayer m_backup;
    uint32_t m_shown = 0;
    bool m_editsAltPosition = false;
};

// One entry of the Player page's nationality list.
struct CNationality
{
    uint16_t code = 0;  // the nation code players and teams hold
    std::string name;   // 8-bit text as the database holds it
};

// The country names the database knows, by nation code: the files keep no list of their
// own, so a country is named by its national side (a team without a bankroll, which is not
// a club; the first in id order when there are several). Only codes with a name, in code
// order.
std::vector<CNationality> nationalityList(const CDatabase& db);
