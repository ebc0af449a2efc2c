#pragma once

#include "util/Translatable.h"

// The fixed texts of the statistics page, its filter dialog and its reports, in one place, each
// marked for translation under the namespace's name.
// The "%s" of the two status texts is the team's label.
namespace statstexts
{
// Messages
inline constexpr const char* kSelectToAdd = QT_TRANSLATE_NOOP("statstexts", "Please select a team/league to add.");
// Printing is a module of its own, loaded when first used; the reason follows the first line.
inline constexpr const char* kPrintingUnavailable =
    QT_TRANSLATE_NOOP("statstexts", "Printing is not available: its module was not found with the editor.");
inline constexpr const char* kPrinterNotStarted = QT_TRANSLATE_NOOP("statstexts", "The printer could not be started.");
inline constexpr const char* kSelectToRemove =
    QT_TRANSLATE_NOOP("statstexts", "Please select team(s) to be removed first.");
inline constexpr const char* kSelectToExport =
    QT_TRANSLATE_NOOP("statstexts", "Please select team(s) to be exported first.");

// Status bar and summary line
inline constexpr const char* kWritingStatus = QT_TRANSLATE_NOOP("statstexts", "Writing data for players of : %s...");
inline constexpr const char* kProcessingStatus =
    QT_TRANSLATE_NOOP("statstexts", "Processing data for player of : %s...");
inline constexpr const char* kReady = QT_TRANSLATE_NOOP("statstexts", "Ready");
inline constexpr const char* kReportNotWritten = QT_TRANSLATE_NOOP("statstexts", "The report could not be written: %1");

// Report file dialog
inline constexpr const char* kReportExtension = "TXT";
inline constexpr const char* kReportFilter =
    QT_TRANSLATE_NOOP("statstexts", "Text Files (*.TXT)|*.TXT|All Files (*.*)|*.*|");

// The page
inline constexpr const char* kPageTitle = QT_TRANSLATE_NOOP("statstexts", "Stats");
inline constexpr const char* kAdd = QT_TRANSLATE_NOOP("statstexts", "&Add");
inline constexpr const char* kRemove = QT_TRANSLATE_NOOP("statstexts", "&Remove");
inline constexpr const char* kAddAll = QT_TRANSLATE_NOOP("statstexts", "A&dd All");
inline constexpr const char* kRemoveAll = QT_TRANSLATE_NOOP("statstexts", "Re&move All");
inline constexpr const char* kPlainText = QT_TRANSLATE_NOOP("statstexts", "Plain Text");
inline constexpr const char* kDelimitedText = QT_TRANSLATE_NOOP("statstexts", "Delimited Text");
inline constexpr const char* kWriteToFile = QT_TRANSLATE_NOOP("statstexts", "&Write to File");
inline constexpr const char* kPlayerStats = QT_TRANSLATE_NOOP("statstexts", "Player &Stats");
inline constexpr const char* kCharacteristics = QT_TRANSLATE_NOOP("statstexts", "&Characteristics");
inline constexpr const char* kFilters = QT_TRANSLATE_NOOP("statstexts", "&Filters");
inline constexpr const char* kPrint = QT_TRANSLATE_NOOP("statstexts", "&Print");
inline constexpr const char* kUpdateGrid = QT_TRANSLATE_NOOP("statstexts", "&Update Grid");
// The line above the grid: the filters the grid was filled with, or the team being read.
inline constexpr const char* kSummaryLabel = QT_TRANSLATE_NOOP("statstexts", "Filters:");
inline constexpr const char* kNoFilters =
    QT_TRANSLATE_NOOP("statstexts", "None: the grid lists every player of the chosen teams");

// The filter dialog; the skill labels are in the dialog's order, Rating last.
inline constexpr const char* kFiltersTitle = QT_TRANSLATE_NOOP("statstexts", "Filters");
inline constexpr const char* kFilterName = QT_TRANSLATE_NOOP("statstexts", "Name");
inline constexpr const char* kFilterNationality = QT_TRANSLATE_NOOP("statstexts", "Nationality");
inline constexpr const char* kFilterPosition = QT_TRANSLATE_NOOP("statstexts", "Position");
//: The player's market value.
inline constexpr const char* kFilterValue = QT_TRANSLATE_NOOP("statstexts", "Value");
//: Whether the player plays for his national team.
inline constexpr const char* kFilterInternational = QT_TRANSLATE_NOOP("statstexts", "International");
inline constexpr const char* kFilterSkillLabels[13] = {
    QT_TRANSLATE_NOOP("statstexts", "Acceleration"),
    QT_TRANSLATE_NOOP("statstexts", "Agility"),
    //: Vision of play: how well the player reads the game (not his positioning).
    QT_TRANSLATE_NOOP("statstexts", "Awareness"),
    QT_TRANSLATE_NOOP("statstexts", "Ball Control"),
    QT_TRANSLATE_NOOP("statstexts", "Creativity"),
    QT_TRANSLATE_NOOP("statstexts", "Fitness"),
    QT_TRANSLATE_NOOP("statstexts", "Heading"),
    QT_TRANSLATE_NOOP("statstexts", "Passing"),
    QT_TRANSLATE_NOOP("statstexts", "Reaction"),
    QT_TRANSLATE_NOOP("statstexts", "Shot Acc"),
    QT_TRANSLATE_NOOP("statstexts", "Shot Power"),
    QT_TRANSLATE_NOOP("statstexts", "Speed"),
    QT_TRANSLATE_NOOP("statstexts", "Tackle"),
};
inline constexpr const char* kFilterRating = QT_TRANSLATE_NOOP("statstexts", "Rating");
inline constexpr const char* kOperators[3] = {
    //: A filter's comparison: equal to.
    QT_TRANSLATE_NOOP("statstexts", "EQ"),
    //: A filter's comparison: greater than.
    QT_TRANSLATE_NOOP("statstexts", "GT"),
    //: A filter's comparison: less than.
    QT_TRANSLATE_NOOP("statstexts", "LT"),
};
inline constexpr const char* kInternationalChoices[2] = {
    QT_TRANSLATE_NOOP("statstexts", "No"),
    QT_TRANSLATE_NOOP("statstexts", "Yes"),
};
inline constexpr const char* kOk = QT_TRANSLATE_NOOP("statstexts", "OK");
inline constexpr const char* kReset = QT_TRANSLATE_NOOP("statstexts", "&Reset");
inline constexpr const char* kCancel = QT_TRANSLATE_NOOP("statstexts", "Cancel");
}  // namespace statstexts
