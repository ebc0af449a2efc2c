#pragma once

// The fixed texts of the main window: menus, status texts and tool tips, messages.
// A status text holds the status-bar line, then "\n" and the tool tip; the few written
// with a backslash instead are shown whole in both places.
namespace frametexts
{
inline constexpr const char* kReady = "Ready";
inline constexpr const char* kSavingData = "Saving Data...";
// After Save Data: the changed records counted, then the game folder.
inline constexpr const char* kSaved = "Saved %s to %s";
inline constexpr const char* kChangedRecord = "changed record";
inline constexpr const char* kChangedRecords = "changed records";
inline constexpr const char* kNotSaved = "Nothing was saved";
// After Cut and the paste that moves the cut player.
inline constexpr const char* kCutPlayer = "Cut %s: paste on a team to move him";
inline constexpr const char* kMovedPlayer = "Moved %s to %s";
inline constexpr const char* kSaveWarning =
    "W A R N I N G !\n\nThis action will save changes you have made to Golvar data files PERMANENTLY. "
    "Some teams and players may be announced in their original names.\n\n"
    "If you do not wish to make permanent changes to the files, it is suggested that you use the "
    "File/Export feature.\n\nDo you wish to continue?";

inline constexpr const char* kSaveStatus = "Save changes to Golvar data files permanently\\Save";
inline constexpr const char* kImportStatus = "Import from DB files\nImport";
inline constexpr const char* kExportStatus = "Export to DB files\nExport";
inline constexpr const char* kTransferStatus = "Transfer Teams and Players\\Transfer";
inline constexpr const char* kThumbnailsStatus = "Generate thumbnail images of jersey files\nMake Jersey Thumbnails";
inline constexpr const char* kCopyStatus = "Copy the selected Player/Team and put it on the Clipboard\nCopy";
inline constexpr const char* kCutStatus = "Cut the selected player; Paste on a team moves it there\nCut";
inline constexpr const char* kPasteStatus = "Insert the copied Player/Team to Team/League\nPaste";
inline constexpr const char* kDeleteStatus = "Delete a player/team from a team/league\nDelete";
inline constexpr const char* kFindStatus = "Find a player or a team\\Find";
inline constexpr const char* kFindAgainStatus = "Repeat Last Find";
inline constexpr const char* kLeagueNameStatus = "Change league names";
inline constexpr const char* kGlobalModsStatus = "Change Player Attributes Globally";
inline constexpr const char* kGlvImportStatus = "Import GLV Files...";

inline constexpr const char* kLeagueExportStatus =
    "Write the selected league as DB files that other users can import\nExport League";
inline constexpr const char* kExportFolderTitle = "Select directory to export the league's DB files to:";
inline constexpr const char* kExportingLeague = "Exporting League...";
inline constexpr const char* kExportReplace =
    "This directory already holds DB files. Do you want to replace them?";

inline constexpr const char* kFileMenu = "&File";
inline constexpr const char* kEditMenu = "&Edit";
inline constexpr const char* kViewMenu = "&View";
inline constexpr const char* kHelpMenu = "&Help";

inline constexpr const char* kSwapTeamsStatus =
    "Swap the two teams selected on the Transfer page between their leagues\nSwap Teams";
inline constexpr const char* kSwapPlayersStatus =
    "Swap the two players selected on the Transfer page between their teams\nSwap Players";
inline constexpr const char* kRestoreStatus = "Put back the game's files as they were backed up\nRestore";
inline constexpr const char* kExitStatus = "Quit Obrix; unsaved changes are asked about first\nExit";
inline constexpr const char* kUndoStatus = "Undo the last change\nUndo";
inline constexpr const char* kRedoStatus = "Redo the change undone last\nRedo";
inline constexpr const char* kNewLeagueStatus = "Add a new, empty league\nNew League";
inline constexpr const char* kRememberStatus = "Remember the selected team's kit and names\nRemember Team";
inline constexpr const char* kApplyRememberedStatus =
    "Give the selected team what was remembered with Remember Team\nApply Remembered Team";
inline constexpr const char* kNextPaneStatus = "Move to the next pane: tree, data sheet, roster\nNext Pane";
inline constexpr const char* kPreviousPaneStatus = "Move to the previous pane\nPrevious Pane";
inline constexpr const char* kKeyboardStatus = "List every key of the editor\nKeyboard";
inline constexpr const char* kCloneStatus = "Not available yet\nClone";

// The keyboard help page: %1 is the table's rows (keys, command, what it does).
inline constexpr const char* kKeyboardPage =
    "<html><head><title>Keyboard</title><link rel=\"stylesheet\" type=\"text/css\" href=\"style.css\"></head><body>"
    "<p class=\"nav\"><a href=\"index.html\">Contents</a> | <a href=\"window.html\">The window</a> | "
    "<a href=\"commands.html\">Commands</a> | <a href=\"keys.html\">Keyboard</a> | "
    "<a href=\"saving.html\">Saving and backup</a></p>"
    "<h1>Keyboard</h1><table>%1</table>"
    "<p class=\"note\">Delete works on the pane that has the focus; in a text box it deletes text as usual. "
    "A deleted team or player comes back with Undo. Cut, then Paste on a team, moves the player there.</p>"
    "</body></html>";
}  // namespace frametexts
