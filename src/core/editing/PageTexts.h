#pragma once

#include "util/Translatable.h"

#include <array>

// The fixed texts of the Player and Team pages, in one place: their messages, the
// formats they fill, and the labels their controls carry. Each is marked for translation
// under "pagetexts"; the pages show them through pageform::text().
namespace pagetexts
{
// Both pages
inline constexpr const char* kAboutLink = QT_TRANSLATE_NOOP("pagetexts", "About Obrix");
inline constexpr const char* kCharactersNotHeld = QT_TRANSLATE_NOOP(
    "pagetexts", "The game's files cannot hold these characters: %s\nThe name is kept as it was.");
inline constexpr const char* kTextTooLong = QT_TRANSLATE_NOOP(
    "pagetexts", "This box holds at most %1 bytes of the game's text (a letter takes one, a Japanese character two).");

// Player page
// Names of the steps the pages add to the history.
inline constexpr const char* kEditPlayer = QT_TRANSLATE_NOOP("pagetexts", "Edit Player");
inline constexpr const char* kApplyPreset = QT_TRANSLATE_NOOP("pagetexts", "Apply Preset");
inline constexpr const char* kEditTeam = QT_TRANSLATE_NOOP("pagetexts", "Edit Team");
inline constexpr const char* kChangeKit = QT_TRANSLATE_NOOP("pagetexts", "Change Kit");
inline constexpr const char* kPlayerGroup = QT_TRANSLATE_NOOP("pagetexts", "Player");
inline constexpr const char* kAppearanceGroup = QT_TRANSLATE_NOOP("pagetexts", "Appearance");
inline constexpr const char* kSkillsGroup = QT_TRANSLATE_NOOP("pagetexts", "Skills");
inline constexpr const char* kPresetsGroup = QT_TRANSLATE_NOOP("pagetexts", "Presets");
inline constexpr const char* kPlayerNameEmpty =
    QT_TRANSLATE_NOOP("pagetexts", "A player must have a name. The name is kept as it was.");
inline constexpr const char* kSkillOutOfRange =
    QT_TRANSLATE_NOOP("pagetexts", "A skill must be between %1 and %2. The skill is kept as it was.");
inline constexpr const char* kNumberUsed = QT_TRANSLATE_NOOP("pagetexts", "Number %d has already been used.");
inline constexpr const char* kOriginally = QT_TRANSLATE_NOOP("pagetexts", "Originally: %s from %s");
//: A button: sets every skill of the player to the highest value, 16.
inline constexpr const char* kMaxAttributes = QT_TRANSLATE_NOOP("pagetexts", "Max. Attributes");
inline constexpr const char* kResetAll = QT_TRANSLATE_NOOP("pagetexts", "Reset All");
//: A check box: the match commentator says this player's name. Kept in the game's own words.
inline constexpr const char* kCommentary = QT_TRANSLATE_NOOP("pagetexts", "Commentary");
inline constexpr const char* kNumberLabel = QT_TRANSLATE_NOOP("pagetexts", "No.:");
inline constexpr const char* kPositionLabel = QT_TRANSLATE_NOOP("pagetexts", "Pos:");
inline constexpr const char* kHairLabel = QT_TRANSLATE_NOOP("pagetexts", "Hair:");
inline constexpr const char* kFaceLabel = QT_TRANSLATE_NOOP("pagetexts", "Face:");
inline constexpr const char* kFacialHairLabel = QT_TRANSLATE_NOOP("pagetexts", "Facial Hair:");
inline constexpr const char* kSkinColourLabel = QT_TRANSLATE_NOOP("pagetexts", "Skin Colour:");
inline constexpr const char* kHairColourLabel = QT_TRANSLATE_NOOP("pagetexts", "Hair Colour:");
inline constexpr const char* kRatingLabel = QT_TRANSLATE_NOOP("pagetexts", "Rating:");
inline constexpr const char* kNationalityLabel = QT_TRANSLATE_NOOP("pagetexts", "Nat.:");
inline constexpr std::array<const char*, 13> kSkillLabels = {
    QT_TRANSLATE_NOOP("pagetexts", "Acceleration:"),
    QT_TRANSLATE_NOOP("pagetexts", "Agility:"),
    //: Vision of play: how well the player reads the game (not his positioning).
    QT_TRANSLATE_NOOP("pagetexts", "Awareness:"),
    QT_TRANSLATE_NOOP("pagetexts", "Ball Control:"),
    QT_TRANSLATE_NOOP("pagetexts", "Creativity:"),
    QT_TRANSLATE_NOOP("pagetexts", "Fitness:"),
    QT_TRANSLATE_NOOP("pagetexts", "Heading:"),
    QT_TRANSLATE_NOOP("pagetexts", "Passing:"),
    QT_TRANSLATE_NOOP("pagetexts", "Reaction:"),
    QT_TRANSLATE_NOOP("pagetexts", "Shot Power:"),
    //: Shot accuracy; short, for want of room beside its box.
    QT_TRANSLATE_NOOP("pagetexts", "Shot Acc."),
    QT_TRANSLATE_NOOP("pagetexts", "Speed:"),
    QT_TRANSLATE_NOOP("pagetexts", "Tackle:"),
};
// "Brown" and "Black" name a skin colour and a hair colour: each list has its own texts.
inline constexpr std::array<CCommentedText, 4> kSkinColours = {{
    QT_TRANSLATE_NOOP3("pagetexts", "White", "skin colour"),
    QT_TRANSLATE_NOOP3("pagetexts", "Tanned", "skin colour"),
    QT_TRANSLATE_NOOP3("pagetexts", "Brown", "skin colour"),
    QT_TRANSLATE_NOOP3("pagetexts", "Black", "skin colour"),
}};
inline constexpr std::array<CCommentedText, 4> kHairColours = {{
    QT_TRANSLATE_NOOP3("pagetexts", "Blond", "hair colour"),
    QT_TRANSLATE_NOOP3("pagetexts", "Brown", "hair colour"),
    QT_TRANSLATE_NOOP3("pagetexts", "Red", "hair colour"),
    QT_TRANSLATE_NOOP3("pagetexts", "Black", "hair colour"),
}};

// Team page
inline constexpr const char* kTeamGroup = QT_TRANSLATE_NOOP("pagetexts", "Team");
inline constexpr const char* kNameLabel = QT_TRANSLATE_NOOP("pagetexts", "Name:");
inline constexpr const char* kHomeKit = QT_TRANSLATE_NOOP("pagetexts", "Home Kit");
inline constexpr const char* kAwayKit = QT_TRANSLATE_NOOP("pagetexts", "Away Kit");
// Both filled with the lowest and highest bankroll the file holds.
inline constexpr const char* kBankrollInvalid =
    QT_TRANSLATE_NOOP("pagetexts", "Bankroll must be a whole number between %d and %d");
inline constexpr const char* kBankrollOutOfRange = QT_TRANSLATE_NOOP("pagetexts", "Bankroll must be between %d and %d");
inline constexpr const char* kTeamNameEmpty =
    QT_TRANSLATE_NOOP("pagetexts", "A team must have a name. The name is kept as it was.");
inline constexpr const char* kEnterInteger = QT_TRANSLATE_NOOP("pagetexts", "Please enter an integer.");
inline constexpr const char* kWeftorCommand = "Weftor %c%s%c /j%d";
inline constexpr const char* kWeftorTexture = "%s\\Data\\Player\\Textures\\Pk%03d.fsh";
inline constexpr const char* kWeftorFailed =
    QT_TRANSLATE_NOOP("pagetexts", "The jersey editor Weftor was found but could not be started.");
// The Edit... button's tool tip; %1 is Obrix's own folder, or the editor's program.
inline constexpr const char* kWeftorNotFound = QT_TRANSLATE_NOOP(
    "pagetexts", "Needs the jersey editor Weftor, which was looked for in %1 and on the PATH, and not found.");
inline constexpr const char* kWeftorFound = QT_TRANSLATE_NOOP("pagetexts", "Edits the jersey texture with %1");
//: The team's abbreviation: its name in a few letters.
inline constexpr const char* kAbbreviationLabel = QT_TRANSLATE_NOOP("pagetexts", "Abb.");
inline constexpr const char* kShortNameLabel = QT_TRANSLATE_NOOP("pagetexts", "Short Name:");
inline constexpr const char* kBankrollLabel = QT_TRANSLATE_NOOP("pagetexts", "Bankroll:");
inline constexpr const char* kPrimary = QT_TRANSLATE_NOOP("pagetexts", "Primary:");
inline constexpr const char* kSecondary = QT_TRANSLATE_NOOP("pagetexts", "Secondary:");
inline constexpr const char* kTertiary = QT_TRANSLATE_NOOP("pagetexts", "Tertiary:");
inline constexpr const char* kEdit = QT_TRANSLATE_NOOP("pagetexts", "Edit...");
inline constexpr const char* kUsePresetColours = QT_TRANSLATE_NOOP("pagetexts", "Use Preset Colours");
inline constexpr const char* kJerseyHeading = QT_TRANSLATE_NOOP("pagetexts", "Jersey");
inline constexpr const char* kShortsHeading = QT_TRANSLATE_NOOP("pagetexts", "Shorts");
inline constexpr const char* kSocksHeading = QT_TRANSLATE_NOOP("pagetexts", "Socks");

// The Player page's presets, a row for each kind of player.
inline constexpr std::array<const char*, 4> kPresetKinds = {
    QT_TRANSLATE_NOOP("pagetexts", "Goalie:"),
    QT_TRANSLATE_NOOP("pagetexts", "Defender:"),
    QT_TRANSLATE_NOOP("pagetexts", "Midfielder:"),
    QT_TRANSLATE_NOOP("pagetexts", "Forward:"),
};
inline constexpr std::array<const char*, 3> kPresetLevels = {
    QT_TRANSLATE_NOOP("pagetexts", "Star"),
    //: A preset of skills: good, between Star and average.
    QT_TRANSLATE_NOOP("pagetexts", "Good"),
    //: A preset of skills: average.
    QT_TRANSLATE_NOOP("pagetexts", "Ave."),
};
}  // namespace pagetexts
