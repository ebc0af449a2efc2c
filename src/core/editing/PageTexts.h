#pragma once

#include <array>

// The fixed texts of the Player and Team pages, in one place: their messages, the
// formats they fill, and the labels their controls carry.
namespace pagetexts
{
// Player page
// Names of the steps the pages add to the history.
inline constexpr const char* kEditPlayer = "Edit Player";
inline constexpr const char* kApplyPreset = "Apply Preset";
inline constexpr const char* kEditTeam = "Edit Team";
inline constexpr const char* kChangeKit = "Change Kit";
inline constexpr const char* kNumberUsed = "Number %d has already been used.";
inline constexpr const char* kOriginally = "Originaly:  %s  from  %s";
inline constexpr const char* kMaxAttributes = "Max. Attributes";
inline constexpr const char* kResetAll = "Reset All";
inline constexpr const char* kCommentary = "Commentary";
inline constexpr const char* kNumberLabel = "No.:";
inline constexpr const char* kPositionLabel = "Pos:";
inline constexpr const char* kHairLabel = "Hair:";
inline constexpr const char* kFaceLabel = "Face:";
inline constexpr const char* kFacialHairLabel = "Facial Hair:";
inline constexpr const char* kSkinColourLabel = "Skin Colour:";
inline constexpr const char* kHairColourLabel = "Hair Colour:";
inline constexpr const char* kRatingLabel = "Rating:";
inline constexpr const char* kNationalityLabel = "Nat.:";
inline constexpr std::array<const char*, 13> kSkillLabels = {
    "Acceleration:", "Agility:",  "Awareness:", "Ball Control:", "Creativity:", "Fitness:", "Heading:",
    "Passing:",      "Reaction:", "Shot Power:", "Shot Acc.",    "Speed:",      "Tackle:",
};
inline constexpr std::array<const char*, 4> kSkinColours = {"White", "Tanned", "Brown", "Black"};
inline constexpr std::array<const char*, 4> kHairColours = {"Blond", "Brown", "Red", "Black"};

// Team page
inline constexpr const char* kBankrollCapped = "Bankroll cannot exceed 100000K.\nAdjust to 100000.";
inline constexpr const char* kBankrollInvalid = "Invalid character in Bankroll field";
inline constexpr const char* kBankrollOutOfRange = "Value out of range in Bankroll field";
inline constexpr const char* kEnterInteger = "Please enter an integer.";
inline constexpr const char* kWeftorCommand = "Weftor %c%s%c /j%d";
inline constexpr const char* kWeftorTexture = "%s\\Data\\Player\\Textures\\Pk%03d.fsh";
inline constexpr const char* kWeftorFailed =
    "Error executing Weftor. Please make sure that Weftor.exe exists the same folder as Obrix.";
inline constexpr const char* kAbbreviationLabel = "Abb.";
inline constexpr const char* kShortNameLabel = "Shorten Name:";
inline constexpr const char* kBankrollLabel = "Bankroll:";
inline constexpr const char* kPrimary = "Primary:";
inline constexpr const char* kSecondary = "Secondary:";
inline constexpr const char* kTertiary = "Tertiary:";
inline constexpr const char* kEdit = "Edit...";
inline constexpr const char* kUsePresetColours = "Use Preset Colours";
inline constexpr const char* kJerseyHeading = "Jersey";
inline constexpr const char* kShortsHeading = "Shorts";
inline constexpr const char* kSocksHeading = "Socks";

// The Player page's presets, a row for each kind of player.
inline constexpr std::array<const char*, 4> kPresetKinds = {"Goalie:", "Defender:", "Midfielder:", "Forward:"};
inline constexpr std::array<const char*, 3> kPresetLevels = {"Star", "Good", "Ave."};
}  // namespace pagetexts
