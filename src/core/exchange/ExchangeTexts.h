#pragma once

// The fixed texts of the packer, the imports, the export and the statistics report, in
// one place.
namespace exchangetexts
{
// Packer
inline constexpr const char* kPackerProgram = "gfxpak";
inline constexpr const char* kPackerStartFailed = "Failed!  %s\n(Code is %d)";
inline constexpr const char* kNoSystemText = "FormatMessage() failed!";
inline constexpr const char* kTempPrefix = "Obx";

// DB import
inline constexpr const char* kImportCommandStatus = "Import from DB files";
inline constexpr const char* kImportFolderTitle = "Select directory to import DB files from:";
inline constexpr const char* kImportingLeague = "Importing League...";
inline constexpr const char* kImportingPlayer = "Importing Player %d/%d %s...";
inline constexpr const char* kImportingXfer = "Importing Xfer %d/%d ...";
inline constexpr const char* kImportingTeam = "Importing Team %d/%d %s...";
inline constexpr const char* kErrorReadingPlayers = "Error reading CUSPLYR.DB.";
inline constexpr const char* kErrorReadingTeams = "Error reading CUSTOM.DB.";
inline constexpr const char* kErrorAllocating = "Error allocating memory for output buffer.";
inline constexpr const char* kErrorImporting = "Error Importing data.";
inline constexpr const char* kExchangeFileProblem = "%s: %s.";
inline constexpr const char* kExchangeTooLarge =
    "%s announces %u bytes when unpacked; no exchange file holds more than %u, so it is not read.";
inline constexpr const char* kTeamsCorrupted = "File CUSTOM.DB appears to be corrupted. Import failed!";
inline constexpr const char* kPlayersFile = "CUSPLYR.DB";
inline constexpr const char* kTeamsFile = "CUSTOM.DB";
inline constexpr const char* kTransfersFile = "XFER.DB";
inline constexpr const char* kUserFolder = "\\USER";

// GLV import
inline constexpr const char* kImportingGlv = "Importing GLV file...";
inline constexpr const char* kCannotOpenGlv = "Cannot open GLV file";
inline constexpr const char* kNotGlv = "File is not a GLV file";
inline constexpr const char* kGlvNoBaseLeague =
    "The database has no league at position %d for the teams of a GLV file to be based on. Import failed!";
inline constexpr const char* kGlvNoBaseTeam =
    "Team %d of the GLV file has no team to be based on in the league at position %d. Import failed!";
inline constexpr const char* kGlvFilter = "GLV Files (*.GLV)|*.GLV|All Files (*.*)|*.*|";
// Refusals of a GLV file that is not one the import can take whole. Team numbers count
// from 1, as the status bar counts them.
inline constexpr const char* kGlvTooManyTeams =
    "The GLV file holds %d teams, but the league its teams are based on has only %d.";
inline constexpr const char* kGlvNegativeTeams = "The GLV file gives a negative number of teams (%d).";
inline constexpr const char* kGlvTooManyPlayers = "Team %d of the GLV file holds %d players; a team has at most %d.";
inline constexpr const char* kGlvTruncatedHeader = "The GLV file ends before its list of teams.";
inline constexpr const char* kGlvTruncatedTeam = "The GLV file ends in the middle of team %d.";

// League export
inline constexpr const char* kExportPacking = "Packing %s...";
inline constexpr const char* kExportNoLeague = "There is no league at position %d.";
inline constexpr const char* kExportNoFolder = "Cannot create the folder %s.";
inline constexpr const char* kExportNoTempFolder = "Cannot create a temporary folder %s.";
inline constexpr const char* kExportTempWriteFailed = "Cannot write the temporary file %s.";
inline constexpr const char* kExportPackFailed = "Packing %s failed.";
inline constexpr const char* kExportNothingPacked = "Packing %s left no packed file.";
inline constexpr const char* kExportWriteFailed = "Cannot write %s.";
inline constexpr const char* kExportDone = "Exported %d teams, %d players and %d transfers to %s.";

inline constexpr const char* kReady = "Ready";
}  // namespace exchangetexts
