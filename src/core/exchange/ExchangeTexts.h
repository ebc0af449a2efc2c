#pragma once

#include "util/Translatable.h"

// The fixed texts of the packer, the imports, the export and the statistics report, in
// one place.
namespace exchangetexts
{
// Packer
inline constexpr const char* kPackerProgram = "gfxpak";
// %s is the system's reason, or kNoSystemText; %d the system's number for it.
inline constexpr const char* kPackerStartFailed = QT_TRANSLATE_NOOP(
    "exchangetexts", "The packer program, which reads and writes the exchange files, could not be started: %s\n(System error %d)");
inline constexpr const char* kNoSystemText = QT_TRANSLATE_NOOP("exchangetexts", "the system gave no reason");
inline constexpr const char* kTempPrefix = "Obx";

// DB import
inline constexpr const char* kImportCommandStatus = QT_TRANSLATE_NOOP("exchangetexts", "Import from DB files");
inline constexpr const char* kImportFolderTitle =
    QT_TRANSLATE_NOOP("exchangetexts", "Select directory to import DB files from:");
inline constexpr const char* kImportingLeague = QT_TRANSLATE_NOOP("exchangetexts", "Importing League...");
inline constexpr const char* kImportingPlayer = QT_TRANSLATE_NOOP("exchangetexts", "Importing Player %d/%d %s...");
//: Xfer: one of the exchange files' transfer records.
inline constexpr const char* kImportingXfer = QT_TRANSLATE_NOOP("exchangetexts", "Importing Xfer %d/%d ...");
inline constexpr const char* kImportingTeam = QT_TRANSLATE_NOOP("exchangetexts", "Importing Team %d/%d %s...");
inline constexpr const char* kErrorReadingPlayers = QT_TRANSLATE_NOOP("exchangetexts", "Error reading CUSPLYR.DB.");
inline constexpr const char* kErrorReadingTeams = QT_TRANSLATE_NOOP("exchangetexts", "Error reading CUSTOM.DB.");
inline constexpr const char* kErrorAllocating =
    QT_TRANSLATE_NOOP("exchangetexts", "Error allocating memory for output buffer.");
inline constexpr const char* kErrorImporting = QT_TRANSLATE_NOOP("exchangetexts", "Error Importing data.");
inline constexpr const char* kExchangeFileProblem = QT_TRANSLATE_NOOP("exchangetexts", "%s: %s.");
inline constexpr const char* kExchangeTooLarge = QT_TRANSLATE_NOOP(
    "exchangetexts", "%s announces %u bytes when unpacked; no exchange file holds more than %u, so it is not read.");
inline constexpr const char* kTeamsCorrupted =
    QT_TRANSLATE_NOOP("exchangetexts", "File CUSTOM.DB appears to be corrupted. Import failed!");
inline constexpr const char* kPlayersFile = "CUSPLYR.DB";
inline constexpr const char* kTeamsFile = "CUSTOM.DB";
inline constexpr const char* kTransfersFile = "XFER.DB";
inline constexpr const char* kUserFolder = "\\USER";

// GLV import
inline constexpr const char* kImportingGlv = QT_TRANSLATE_NOOP("exchangetexts", "Importing GLV file...");
inline constexpr const char* kCannotOpenGlv = QT_TRANSLATE_NOOP("exchangetexts", "Cannot open GLV file");
inline constexpr const char* kGlvTooLarge =
    QT_TRANSLATE_NOOP("exchangetexts", "The file is larger than any GLV file can be (%u bytes), so it is not read.");
inline constexpr const char* kNotGlv = QT_TRANSLATE_NOOP("exchangetexts", "File is not a GLV file");
inline constexpr const char* kGlvNoBaseLeague = QT_TRANSLATE_NOOP(
    "exchangetexts", "The database has no league at position %d for the teams of a GLV file to be based on. Import failed!");
inline constexpr const char* kGlvNoBaseTeam = QT_TRANSLATE_NOOP(
    "exchangetexts", "Team %d of the GLV file has no team to be based on in the league at position %d. Import failed!");
inline constexpr const char* kGlvFilter =
    QT_TRANSLATE_NOOP("exchangetexts", "GLV Files (*.GLV)|*.GLV|All Files (*.*)|*.*|");
// Refusals of a GLV file that is not one the import can take whole. Team numbers count
// from 1, as the status bar counts them.
inline constexpr const char* kGlvTooManyTeams = QT_TRANSLATE_NOOP(
    "exchangetexts", "The GLV file holds %d teams, but the league its teams are based on has only %d.");
inline constexpr const char* kGlvNegativeTeams =
    QT_TRANSLATE_NOOP("exchangetexts", "The GLV file gives a negative number of teams (%d).");
inline constexpr const char* kGlvTooManyPlayers =
    QT_TRANSLATE_NOOP("exchangetexts", "Team %d of the GLV file holds %d players; a team has at most %d.");
inline constexpr const char* kGlvTruncatedHeader =
    QT_TRANSLATE_NOOP("exchangetexts", "The GLV file ends before its list of teams.");
inline constexpr const char* kGlvTruncatedTeam =
    QT_TRANSLATE_NOOP("exchangetexts", "The GLV file ends in the middle of team %d.");

// League export
inline constexpr const char* kExportPacking = QT_TRANSLATE_NOOP("exchangetexts", "Packing %s...");
inline constexpr const char* kExportNoLeague = QT_TRANSLATE_NOOP("exchangetexts", "There is no league at position %d.");
inline constexpr const char* kExportNoFolder = QT_TRANSLATE_NOOP("exchangetexts", "Cannot create the folder %s.");
inline constexpr const char* kExportNoTempFolder =
    QT_TRANSLATE_NOOP("exchangetexts", "Cannot create a temporary folder %s.");
inline constexpr const char* kExportTempWriteFailed =
    QT_TRANSLATE_NOOP("exchangetexts", "Cannot write the temporary file %s.");
inline constexpr const char* kExportLeftoverRemoved = QT_TRANSLATE_NOOP(
    "exchangetexts", "Removed %s, the temporary folder of an export that was cut off.");
inline constexpr const char* kExportPackFailed = QT_TRANSLATE_NOOP("exchangetexts", "Packing %s failed.");
inline constexpr const char* kExportNothingPacked =
    QT_TRANSLATE_NOOP("exchangetexts", "Packing %s left no packed file.");
inline constexpr const char* kExportWriteFailed = QT_TRANSLATE_NOOP("exchangetexts", "Cannot write %s.");
// Each count filled with counted(): "1 team", "22 players".
inline constexpr const char* kExportDone = QT_TRANSLATE_NOOP("exchangetexts", "Exported %s, %s and %s to %s.");
inline constexpr const char* kTeam = "team";
inline constexpr const char* kTeams = "teams";
inline constexpr const char* kPlayer = "player";
inline constexpr const char* kPlayers = "players";
inline constexpr const char* kTransfer = "transfer";
inline constexpr const char* kTransfers = "transfers";

inline constexpr const char* kReady = QT_TRANSLATE_NOOP("exchangetexts", "Ready");
}  // namespace exchangetexts
