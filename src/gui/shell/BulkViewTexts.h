#pragma once

#include <QtGlobal>

// Fixed texts of the table export and import, the Check Database list and the Changes
// list.
// The command table's texts are looked up under "commands" (shell/CommandTable.h), the
// others under "bulkviewtexts".
namespace bulkviewtexts
{
inline constexpr const char* kExportTable = QT_TRANSLATE_NOOP("commands", "Export &Table...");
inline constexpr const char* kImportTable = QT_TRANSLATE_NOOP("commands", "Import T&able...");
inline constexpr const char* kCheckDatabase = QT_TRANSLATE_NOOP("commands", "C&heck Database...");
inline constexpr const char* kChanges = QT_TRANSLATE_NOOP("commands", "&Changes");
inline constexpr const char* kExportTableStatus = QT_TRANSLATE_NOOP("commands", "Write players, teams or leagues to a spreadsheet file\nExport Table");
inline constexpr const char* kImportTableStatus = QT_TRANSLATE_NOOP("commands", "Apply a spreadsheet file's changes, after a preview\nImport Table");
inline constexpr const char* kCheckStatus = QT_TRANSLATE_NOOP("commands", "List what the game or the save would stumble on\nCheck Database");
inline constexpr const char* kChangesStatus = QT_TRANSLATE_NOOP("commands", "List what differs from the files as loaded or from the backup\nChanges");

inline constexpr const char* kChooseTableTitle = QT_TRANSLATE_NOOP("bulkviewtexts", "Export Table");
inline constexpr const char* kChooseTableLabel = QT_TRANSLATE_NOOP("bulkviewtexts", "Table:");
inline constexpr const char* kTablePlayers = QT_TRANSLATE_NOOP("bulkviewtexts", "Players");
inline constexpr const char* kTableTeams = QT_TRANSLATE_NOOP("bulkviewtexts", "Teams");
inline constexpr const char* kTableLeagues = QT_TRANSLATE_NOOP("bulkviewtexts", "Leagues");
inline constexpr const char* kCsvFilter = QT_TRANSLATE_NOOP("bulkviewtexts", "Spreadsheet Files (*.csv)|*.csv|All Files (*.*)|*.*|");
inline constexpr const char* kExportTitle = QT_TRANSLATE_NOOP("bulkviewtexts", "Export Table");
inline constexpr const char* kImportTitle = QT_TRANSLATE_NOOP("bulkviewtexts", "Import Table");
inline constexpr const char* kTableNotWritten = QT_TRANSLATE_NOOP("bulkviewtexts", "The table could not be written: %1");
inline constexpr const char* kCannotRead = QT_TRANSLATE_NOOP("bulkviewtexts", "The file %1 could not be read.");
inline constexpr const char* kExported = QT_TRANSLATE_N_NOOP("bulkviewtexts", "%n rows written to %1");
inline constexpr const char* kRefused = QT_TRANSLATE_NOOP("bulkviewtexts", "The file was refused; nothing was changed.\n\n%1");
inline constexpr const char* kMoreProblems = QT_TRANSLATE_N_NOOP("bulkviewtexts", "... and %n more problems");
inline constexpr const char* kNothingToChange = QT_TRANSLATE_NOOP("bulkviewtexts", "The file changes nothing: every cell already holds its value.");
inline constexpr const char* kPreviewTitle = QT_TRANSLATE_NOOP("bulkviewtexts", "Import Table: Preview");
// %1 the changes ("3 changes"), %2 the records ("2 records"), %3 the table.
inline constexpr const char* kPreviewSummary =
    QT_TRANSLATE_NOOP("bulkviewtexts", "%1 in %2 of the %3 table. “OK” applies them all as one step.");
inline constexpr const char* kChangeCount = QT_TRANSLATE_N_NOOP("bulkviewtexts", "%n changes");

inline constexpr const char* kCountsHeading = QT_TRANSLATE_NOOP("bulkviewtexts", "Changes by field");
inline constexpr const char* kImportStep = QT_TRANSLATE_NOOP("bulkviewtexts", "Import Table");

inline constexpr const char* kCheckTitle = QT_TRANSLATE_NOOP("bulkviewtexts", "Check Database");
inline constexpr const char* kCheckAgain = QT_TRANSLATE_NOOP("bulkviewtexts", "Check Again");
// %1 the errors ("2 errors"), %2 the warnings.
inline constexpr const char* kCheckSummary = QT_TRANSLATE_NOOP("bulkviewtexts", "%1, %2");
inline constexpr const char* kErrorCount = QT_TRANSLATE_N_NOOP("bulkviewtexts", "%n errors");
inline constexpr const char* kWarningCount = QT_TRANSLATE_N_NOOP("bulkviewtexts", "%n warnings");
inline constexpr const char* kCheckClean = QT_TRANSLATE_NOOP("bulkviewtexts", "No problems found.");
// %1 the league, %2 its number of team slots.
inline constexpr const char* kLeagueLeftOdd = QT_TRANSLATE_NOOP("bulkviewtexts",
    "%1 now has an odd number (%2) of team slots: add or remove a team before saving.");
inline constexpr const char* kSaveHasWarnings = QT_TRANSLATE_N_NOOP("bulkviewtexts",
    "The edits leave %n things the game may not like, listed in Check Database (the game's files can hold them). "
    "Save anyway?");
inline constexpr const char* kSaveHasErrors = QT_TRANSLATE_NOOP("bulkviewtexts", "The database has errors that the save or the game would stumble on; nothing was saved. "
    "They are listed in Check Database: double-click one to go to its record.");

inline constexpr const char* kChangesTitle = QT_TRANSLATE_NOOP("bulkviewtexts", "Changes");
inline constexpr const char* kUnsavedTab = QT_TRANSLATE_NOOP("bulkviewtexts", "Unsaved changes");
inline constexpr const char* kBackupTab = QT_TRANSLATE_NOOP("bulkviewtexts", "Since the backup");
inline constexpr const char* kRevert = QT_TRANSLATE_NOOP("bulkviewtexts", "Revert");
inline constexpr const char* kRevertRecord = QT_TRANSLATE_NOOP("bulkviewtexts", "Revert Record");
inline constexpr const char* kRefresh = QT_TRANSLATE_NOOP("bulkviewtexts", "Refresh");
// %1 the differences ("3 differences"), %2 the records ("2 records").
inline constexpr const char* kChangesSummary = QT_TRANSLATE_NOOP("bulkviewtexts", "%1 in %2");
inline constexpr const char* kDifferenceCount = QT_TRANSLATE_N_NOOP("bulkviewtexts", "%n differences");

inline constexpr const char* kRecordCount = QT_TRANSLATE_N_NOOP("bulkviewtexts", "%n records");

inline constexpr const char* kNoBackup = QT_TRANSLATE_NOOP("bulkviewtexts", "There is no backup of this game folder yet.");
inline constexpr const char* kRevertStep = QT_TRANSLATE_NOOP("bulkviewtexts", "Revert");

// Column headings.
inline constexpr const char* kRecordColumn = QT_TRANSLATE_NOOP("bulkviewtexts", "Record");
inline constexpr const char* kFieldColumn = QT_TRANSLATE_NOOP("bulkviewtexts", "Field");
inline constexpr const char* kOldColumn = QT_TRANSLATE_NOOP("bulkviewtexts", "Old");
inline constexpr const char* kNewColumn = QT_TRANSLATE_NOOP("bulkviewtexts", "New");
inline constexpr const char* kSeverityColumn = QT_TRANSLATE_NOOP("bulkviewtexts", "Severity");
inline constexpr const char* kCodeColumn = QT_TRANSLATE_NOOP("bulkviewtexts", "Code");
inline constexpr const char* kMessageColumn = QT_TRANSLATE_NOOP("bulkviewtexts", "Message");
inline constexpr const char* kCountColumn = QT_TRANSLATE_NOOP("bulkviewtexts", "Changes");
inline constexpr const char* kError = QT_TRANSLATE_NOOP("bulkviewtexts", "error");
inline constexpr const char* kWarning = QT_TRANSLATE_NOOP("bulkviewtexts", "warning");
inline constexpr const char* kOnlyInA = QT_TRANSLATE_NOOP("bulkviewtexts", "only in the files");
inline constexpr const char* kDatabaseRecord = QT_TRANSLATE_NOOP("bulkviewtexts", "database");
inline constexpr const char* kOnlyInB = QT_TRANSLATE_NOOP("bulkviewtexts", "only in the editor");
} // namespace bulkviewtexts
