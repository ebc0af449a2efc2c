#pragma once

#include "database/Change.h"


#include "database/Team.h"
#include "editing/PageCommit.h"
#include "kits/KitPalette.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

class CDatabase;
class CFileSystem;
class CPrompts;

namespace teampage
{
inline constexpr int kHome = 0;
inline constexpr int kAway = 1;

// The six model lists, home then away.
enum CModelList
{
    HomeJersey,
    HomeShorts,
    HomeSocks,
    AwayJersey,
    AwayShorts,
    AwaySocks,
};
inline constexpr int kModelListCount = 6;
inline constexpr int kJerseyModels = 64;
inline constexpr int kShortsModels = 5;
inline constexpr int kSocksModels = 4;
int modelCount(int list);

// The 14 colour buttons: home jersey 1..3, shorts 1..2, socks 1..2, then the same away.
inline constexpr int kColourButtonCount = 14;
inline constexpr int kColoursPerSide = 7;
// The first button of a side's block of seven.
constexpr int firstColourButton(int side) { return side * kColoursPerSide; }

inline constexpr int kEmptySlot = -1;
inline constexpr int kBankrollLimit = 100000;
inline constexpr uint32_t kFirstImportedTeamId = 65537;  // abbreviation and short name blank
// What the page takes for a new long name; the files hold longer ones, which are shown whole.
// The two short names take what the files hold (recordlimits).
inline constexpr std::size_t kLongNameBytes = 19;

enum class CNameBox
{
    LongName,
    Abbreviation,
    ShortName,
};
}  // namespace teampage

// What the Team page's controls show. The page copies its controls into this before
// calling the session and copies it back afterwards.
struct CTeamPageState
{
    bool enabled = false;            // every editing control
    bool shortNamesEnabled = false;  // "Abb." and "Short Name:"
    std::string longName;            // 8-bit text as the database holds it
    std::string abbreviation;
    std::string shortName;
    std::string bankrollText;        // as typed, thousands
    std::array<std::string, 2> descriptions;  // home, away; 8-bit text from the texture files
    std::array<bool, 2> presetColoursEnabled{};  // "Use Preset Colours", home and away
    std::array<int, teampage::kModelListCount> models{};       // top item of each list
    std::array<int, teampage::kColourButtonCount> colours{};   // kit colour of each button
    std::array<CRgb, teampage::kColourButtonCount> buttonColours{};
    // The kit colours each model list draws its pictures in, by recolouring slot 1..7 at
    // [0..6]; kEmptySlot where the list does not use the slot.
    std::array<std::array<int, 7>, teampage::kModelListCount> listSlots{};
};

// A jersey model's preset colours as its texture file gives them.
struct CKitPresets
{
    bool offered = false;  // the file's flag is exactly 1
    std::array<uint8_t, 7> colours{};  // jersey 1..3, shorts 1..2, socks 1..2, raw bytes
};

// How to open a kit's jersey texture in the sibling texture editor.
struct CWeftorLaunch
{
    std::string commandLine;             // "Weftor "<game folder>\Data\...\PkNNN.fsh" /jN"
    std::filesystem::path texture;       // the same file as found below the game folder
    int textureNumber = 0;               // model + 1, the value of the /j switch
};

// Where the kit pictures are read from.
struct CKitFiles
{
    std::filesystem::path gameFolder;
    CFileSystem* files = nullptr;  // the real file system when null
};

// The rules of the Team page over one team record. Every control value reaches the record
// as soon as the user is done with it (a box confirmed or left, a model step, a colour
// picked), and a change marks the team modified.
class CTeamEditSession
{
public:
    CTeamEditSession(CChangeRunner& runner, CPrompts& prompts, CKitFiles kitFiles = {});

    CTeamPageState& state() { return m_state; }
    const CTeamPageState& state() const { return m_state; }
    uint32_t shownTeam() const { return m_shown; }
    const CTeam& backup() const { return m_backup; }
    const CKitPresets& presets(int side) const { return m_presets[std::size_t(side)]; }

    void setGameFolder(const std::filesystem::path& folder) { m_kitFiles.gameFolder = folder; }

    // Takes the backup and loads the page. Nothing happens for an id without a record;
    // 0 empties the page and disables it.
    void showTeam(uint32_t id);
    // Loads the page from the record again (the record was changed elsewhere).
    void reload();
    // The page became the active page: the colours may have changed elsewhere.
    void activate();

    // A name box confirmed or left. Characters the game's code page cannot hold, or a name
    // longer than nameLimit, refuse the name (the box shows the record's name again). The two short names of an imported team stay blank.
    CCommitResult commitName(teampage::CNameBox box, std::string_view utf8);
    // What the box takes in bytes of the game's encoding: never less than the shown team holds.
    std::size_t nameLimit(teampage::CNameBox box) const;
    // The bankroll box confirmed or left: a text that is not a whole number, or one
    // outside 0..100000, is refused with its message and the box keeps what was typed.
    CCommitResult commitBankroll(std::string_view text);

    // A line or page step of a model list (delta -1 or +1).
    void stepModel(int list, int delta);
    // The list was moved to a model by other means (the scroll box dragged).
    void chooseModel(int list, int top);

    // A colour button reported picker entry 0..23 ("Not Used" stores Black). Entries
    // outside the named palette (a free colour from "More...") are not kit colours and
    // are ignored.
    void chooseColour(int button, int entry);
    // Copies the side's jersey model presets into its kit and reloads the page.
    void usePresetColours(int side);

    // The command that opens the side's jersey texture; nothing when no team is shown.
    std::optional<CWeftorLaunch> weftorLaunch(int side) const;
    // The program could not be started.
    void weftorFailed();

private:
    // Writable only inside a step (see gated); null elsewhere.
    CTeam* editedRecord();

    // Runs f as one step of the history, with the shown record writable through m_tx.
    template <class F>
    auto gated(const char* name, uint64_t mergeKey, F&& f) -> decltype(f())
    {
        // A refused step put the record back: the page shows what it holds again.
        bool refused = false;
        if constexpr (std::is_void_v<decltype(f())>)
        {
            runGatedStep(m_runner, m_tx, name, mergeKey, std::forward<F>(f), &refused);
            if (refused) showTeam(m_shown);
        }
        else
        {
            auto r = runGatedStep(m_runner, m_tx, name, mergeKey, std::forward<F>(f), &refused);
            if (refused) showTeam(m_shown);
            return r;
        }
    }
    const CDatabase& db() const { return m_runner.database(); }
    const CTeam* shownRecord() const;
    void loadPage(const CTeam& team);
    void loadNames(const CTeam& team);
    void loadJerseyModel(int side, int model);
    void loadColours(const CTeam& team);
    void writeModel(CTeam& record, int list, int top);
    CCommitResult committed(CTeam& record, const CTeam& before);

    CChangeRunner& m_runner;
    CTransaction* m_tx = nullptr;
    CPrompts& m_prompts;
    CKitFiles m_kitFiles;
    CTeamPageState m_state;
    CTeam m_backup;
    uint32_t m_shown = 0;
    std::array<CKitPresets, 2> m_presets{};
};

// A whole number as the bankroll box takes it: optional blanks and sign, then digits.
// Values beyond 64 bits saturate. Nothing when the text is not a whole number.
std::optional<int64_t> parseBankroll(const std::string& text);
