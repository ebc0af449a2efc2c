#pragma once

// The fixed texts of the statistics page, its filter dialog and its reports, in one place.
// The "%s" of the two status texts is the team's label.
namespace statstexts
{
// Messages
inline constexpr const char* kSelectToAdd = "Please select a team/league to add.";
inline constexpr const char* kSelectToRemove = "Please select team(s) to be removed first.";
inline constexpr const char* kSelectToExport = "Please select team(s) to be exported first.";

// Status bar and summary line
inline constexpr const char* kWritingStatus = "Writing data for players of : %s...";
inline constexpr const char* kProcessingStatus = "Processing data for player of : %s...";
inline constexpr const char* kReady = "Ready";

// Report file dialog
inline constexpr const char* kReportExtension = "TXT";
inline constexpr const char* kReportFilter = "Text Files (*.TXT)|*.TXT|All Files (*.*)|*.*|";

// The page
inline constexpr const char* kPageTitle = "Stats";
inline constexpr const char* kAdd = "&Add";
inline constexpr const char* kRemove = "&Remove";
inline constexpr const char* kAddAll = "A&dd All";
inline constexpr const char* kRemoveAll = "Re&move All";
inline constexpr const char* kPlainText = "Plain Text";
inline constexpr const char* kDelimitedText = "Delimited Text";
inline constexpr const char* kWriteToFile = "&Write to File";
inline constexpr const char* kPlayerStats = "Player &Stats";
inline constexpr const char* kCharacteristics = "&Characteristics";
inline constexpr const char* kFilters = "&Filters";
inline constexpr const char* kPrint = "&Print";
inline constexpr const char* kUpdateGrid = "&Update Grid";

// The filter dialog; the skill labels are in the dialog's order, Rating last.
inline constexpr const char* kFiltersTitle = "Filters";
inline constexpr const char* kFilterName = "Name";
inline constexpr const char* kFilterNationality = "Nationality";
inline constexpr const char* kFilterPosition = "Position";
inline constexpr const char* kFilterValue = "Value";
inline constexpr const char* kFilterInternational = "International";
inline constexpr const char* kFilterSkillLabels[13] = {
    "Acceleration", "Agility", "Awareness", "Ball Control", "Creativity", "Fitness", "Heading",
    "Passing",      "Reaction", "Shot Acc", "Shot Power", "Speed", "Tackle",
};
inline constexpr const char* kFilterRating = "Rating";
inline constexpr const char* kOperators[3] = {"EQ", "GT", "LT"};
inline constexpr const char* kInternationalChoices[2] = {"No", "Yes"};
inline constexpr const char* kOk = "OK";
inline constexpr const char* kReset = "&Reset";
inline constexpr const char* kCancel = "Cancel";
}  // namespace statstexts
