#pragma once

// Fixed texts of the table export and import, the Check Database list and the Changes
// list.
namespace bulkviewtexts
{
inline constexpr const char* kExportTable = "Export &Table...";
inline constexpr const char* kImportTable = "Import T&able...";
inline constexpr const char* kCheckDatabase = "C&heck Database...";
inline constexpr const char* kChanges = "C&hanges";
inline constexpr const char* kExportTableStatus = "Write players, teams or leagues to a spreadsheet file\nExport Table";
inline constexpr const char* kImportTableStatus = "Apply a spreadsheet file's changes, after a preview\nImport Table";
inline constexpr const char* kCheckStatus = "List what the game or the save would stumble on\nCheck Database";
inline constexpr const char* kChangesStatus = "List what differs from the files as loaded or from the backup\nChanges";

inline constexpr const char* kChooseTableTitle = "Export Table";
inline constexpr const char* kChooseTableLabel = "Table:";
inline constexpr const char* kTablePlayers = "Players";
inline constexpr const char* kTableTeams = "Teams";
inline constexpr const char* kTableLeagues = "Leagues";
inline constexpr const char* kCsvFilter = "Spreadsheet Files (*.csv)|*.csv|All Files (*.*)|*.*|";
inline constexpr const char* kExportTitle = "Export Table";
inline constexpr const char* kImportTitle = "Import Table";
inline constexpr const char* kCannotWrite = "The file %s could not be written.";
inline constexpr const char* kCannotRead = "The file %s could not be read.";
// The counts in these are filled with counted(): "1 row", "2 rows".
inline constexpr const char* kExported = "%s written to %s";
inline constexpr const char* kRow = "row";
inline constexpr const char* kRows = "rows";
inline constexpr const char* kRefused = "The file was refused; nothing was changed.\n\n%s";
inline constexpr const char* kNothingToChange = "The file changes nothing: every cell already holds its value.";
inline constexpr const char* kPreviewTitle = "Import Table: Preview";
inline constexpr const char* kPreviewSummary = "%s in %s of the %s table. OK applies them all as one step.";
inline constexpr const char* kOneChange = "change";
inline constexpr const char* kManyChanges = "changes";
inline constexpr const char* kCountsHeading = "Changes by field";
inline constexpr const char* kImportStep = "Import Table";

inline constexpr const char* kCheckTitle = "Check Database";
inline constexpr const char* kCheckAgain = "Check Again";
// kError and kWarning (the severity column's words), then these.
inline constexpr const char* kCheckSummary = "%s, %s";
inline constexpr const char* kErrors = "errors";
inline constexpr const char* kWarnings = "warnings";
inline constexpr const char* kCheckClean = "No problems found.";
inline constexpr const char* kLeagueLeftOdd =
    "%s now has an odd number (%d) of team slots: add or remove a team before saving.";
inline constexpr const char* kSaveHasWarnings =
    "The edits leave %d things the game may not like, listed in Check Database (the game's files can hold them). "
    "Save anyway?";
inline constexpr const char* kSaveHasErrors =
    "The database has errors that the save or the game would stumble on; nothing was saved. "
    "They are listed in Check Database: double-click one to go to its record.";

inline constexpr const char* kChangesTitle = "Changes";
inline constexpr const char* kUnsavedTab = "Unsaved changes";
inline constexpr const char* kBackupTab = "Since the backup";
inline constexpr const char* kRevert = "Revert";
inline constexpr const char* kRevertRecord = "Revert Record";
inline constexpr const char* kRefresh = "Refresh";
// "%s in %s": the differences, then the records, each counted with its noun.
inline constexpr const char* kChangesSummary = "%s in %s";
inline constexpr const char* kDifference = "difference";
inline constexpr const char* kDifferences = "differences";
inline constexpr const char* kRecord = "record";
inline constexpr const char* kRecords = "records";
inline constexpr const char* kNoBackup = "There is no backup of this game folder yet.";
inline constexpr const char* kRevertStep = "Revert";

// Column headings.
inline constexpr const char* kRecordColumn = "Record";
inline constexpr const char* kFieldColumn = "Field";
inline constexpr const char* kOldColumn = "Old";
inline constexpr const char* kNewColumn = "New";
inline constexpr const char* kSeverityColumn = "Severity";
inline constexpr const char* kCodeColumn = "Code";
inline constexpr const char* kMessageColumn = "Message";
inline constexpr const char* kCountColumn = "Changes";
inline constexpr const char* kError = "error";
inline constexpr const char* kWarning = "warning";
inline constexpr const char* kOnlyInA = "only in the files";
inline constexpr const char* kOnlyInB = "only in the editor";
} // namespace bulkviewtexts
