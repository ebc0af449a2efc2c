#pragma once

#include <QtGlobal>

// The fixed texts of the main window: menus, status texts and tool tips, messages.
// A status text holds the status-bar line, then "\n" and the tool tip; the few written
// with a backslash instead are shown whole in both places.
// The command table's texts (menu titles, status texts) are looked up under "commands"
// (shell/CommandTable.h), the others under "frametexts".
namespace frametexts
{
inline constexpr const char* kReady = QT_TRANSLATE_NOOP("frametexts", "Ready");
inline constexpr const char* kSavingData = QT_TRANSLATE_NOOP("frametexts", "Saving Data...");
// After Save Data: %n changed records, %1 the game folder.
inline constexpr const char* kSaved = QT_TRANSLATE_N_NOOP("frametexts", "Saved %n changed records to %1");
inline constexpr const char* kNotSaved = QT_TRANSLATE_NOOP("frametexts", "Nothing was saved");
// After Cut and the paste that moves the cut player: %1 the player, %2 the team.
inline constexpr const char* kCutPlayer = QT_TRANSLATE_NOOP("frametexts", "Cut %1: paste on a team to move him");
inline constexpr const char* kMovedPlayer = QT_TRANSLATE_NOOP("frametexts", "Moved %1 to %2");
//: "announced": the match commentator may say some teams' and players' original names, since
//: the spoken names are recordings the editor cannot change.
inline constexpr const char* kSaveWarning = QT_TRANSLATE_NOOP("frametexts", "W A R N I N G !\n\nThis action will save changes you have made to Golvar data files PERMANENTLY. "
    "Some teams and players may be announced in their original names.\n\n"
    "If you do not wish to make permanent changes to the files, it is suggested that you use the "
    "File/Export feature.\n\nDo you wish to continue?");

inline constexpr const char* kSaveStatus = QT_TRANSLATE_NOOP("commands", "Save changes to Golvar data files permanently\\Save");
inline constexpr const char* kImportStatus = QT_TRANSLATE_NOOP("commands", "Import from DB files\nImport");
inline constexpr const char* kExportStatus = QT_TRANSLATE_NOOP("commands", "Export to DB files\nExport");
inline constexpr const char* kTransferStatus = QT_TRANSLATE_NOOP("commands", "Transfer Teams and Players\\Transfer");
inline constexpr const char* kThumbnailsStatus = QT_TRANSLATE_NOOP("commands", "Generate thumbnail images of jersey files\nMake Jersey Thumbnails");
inline constexpr const char* kCopyStatus = QT_TRANSLATE_NOOP("commands", "Copy the selected player or team to the clipboard\nCopy");
inline constexpr const char* kCutStatus = QT_TRANSLATE_NOOP("commands", "Cut the selected player; “Paste” on a team moves him there\nCut");
inline constexpr const char* kPasteStatus = QT_TRANSLATE_NOOP("commands", "Paste the copied player into a team, or the copied team into a league\nPaste");
inline constexpr const char* kDeleteStatus = QT_TRANSLATE_NOOP("commands", "Delete the selected player or team\nDelete");
inline constexpr const char* kFindStatus = QT_TRANSLATE_NOOP("commands", "Find a player or a team\\Find");
inline constexpr const char* kFindAgainStatus = QT_TRANSLATE_NOOP("commands", "Repeat Last Find");
inline constexpr const char* kLeagueNameStatus = QT_TRANSLATE_NOOP("commands", "Change league names");
inline constexpr const char* kGlobalModsStatus = QT_TRANSLATE_NOOP("commands", "Change Player Attributes Globally");
inline constexpr const char* kGlvImportStatus = QT_TRANSLATE_NOOP("commands", "Import GLV Files...");

inline constexpr const char* kLeagueExportStatus = QT_TRANSLATE_NOOP("commands", "Write the selected league as DB files that other users can import\nExport League");
inline constexpr const char* kExportFolderTitle = QT_TRANSLATE_NOOP("frametexts", "Select directory to export the league's DB files to:");
inline constexpr const char* kExportingLeague = QT_TRANSLATE_NOOP("frametexts", "Exporting League...");
inline constexpr const char* kExportReplace = QT_TRANSLATE_NOOP("frametexts", "This directory already holds DB files. Do you want to replace them?");

inline constexpr const char* kFileMenu = QT_TRANSLATE_NOOP("commands", "&File");
inline constexpr const char* kEditMenu = QT_TRANSLATE_NOOP("commands", "&Edit");
inline constexpr const char* kViewMenu = QT_TRANSLATE_NOOP("commands", "&View");
inline constexpr const char* kHelpMenu = QT_TRANSLATE_NOOP("commands", "&Help");

inline constexpr const char* kSwapTeamsStatus = QT_TRANSLATE_NOOP("commands", "Swap the two teams selected on the Transfer page between their leagues\nSwap Teams");
inline constexpr const char* kSwapPlayersStatus = QT_TRANSLATE_NOOP("commands", "Swap the two players selected on the Transfer page between their teams\nSwap Players");
inline constexpr const char* kRestoreStatus = QT_TRANSLATE_NOOP("commands", "Put back the game's files as they were backed up\nRestore");
inline constexpr const char* kExitStatus = QT_TRANSLATE_NOOP("commands", "Quit Obrix; unsaved changes are asked about first\nExit");
inline constexpr const char* kUndoStatus = QT_TRANSLATE_NOOP("commands", "Undo the last change\nUndo");
inline constexpr const char* kRedoStatus = QT_TRANSLATE_NOOP("commands", "Redo the change undone last\nRedo");
inline constexpr const char* kNewLeagueStatus = QT_TRANSLATE_NOOP("commands", "Add a new, empty league\nNew League");
inline constexpr const char* kRememberStatus = QT_TRANSLATE_NOOP("commands", "Remember the selected team's kit and names\nRemember Team");
inline constexpr const char* kApplyRememberedStatus = QT_TRANSLATE_NOOP("commands", "Give the selected team the kit and names kept with “Remember Team”\nApply Remembered Team");
inline constexpr const char* kNextPaneStatus = QT_TRANSLATE_NOOP("commands", "Move to the next pane: tree, data sheet, roster\nNext Pane");
inline constexpr const char* kPreviousPaneStatus = QT_TRANSLATE_NOOP("commands", "Move to the previous pane\nPrevious Pane");
inline constexpr const char* kKeyboardStatus = QT_TRANSLATE_NOOP("commands", "List every key of the editor\nKeyboard");
inline constexpr const char* kCloneStatus = QT_TRANSLATE_NOOP("commands", "Not available yet\nClone");

inline constexpr const char* kUndoMenu = QT_TRANSLATE_NOOP("commands", "&Undo");
inline constexpr const char* kRedoMenu = QT_TRANSLATE_NOOP("commands", "&Redo");
inline constexpr const char* kHistoryMenu = QT_TRANSLATE_NOOP("commands", "&History");
// Undo and Redo with the name of the step they would take back or again.
inline constexpr const char* kUndoNamed = QT_TRANSLATE_NOOP("commands", "&Undo %1");
inline constexpr const char* kRedoNamed = QT_TRANSLATE_NOOP("commands", "&Redo %1");
inline constexpr const char* kToolbarStatus = QT_TRANSLATE_NOOP("commands", "Show or hide the toolbar");
inline constexpr const char* kStatusBarStatus = QT_TRANSLATE_NOOP("commands", "Show or hide the status bar");
inline constexpr const char* kAboutStatus =
    QT_TRANSLATE_NOOP("commands", "Display program information, version number and copyright\nAbout");

// The keyboard help page: its title and heading, the links to the other pages, and the note
// below the table of keys.
inline constexpr const char* kKeyboardTitle = QT_TRANSLATE_NOOP("frametexts", "Keyboard");
inline constexpr const char* kHelpContents = QT_TRANSLATE_NOOP("frametexts", "Contents");
inline constexpr const char* kHelpWindowPage = QT_TRANSLATE_NOOP("frametexts", "The window");
inline constexpr const char* kHelpCommandsPage = QT_TRANSLATE_NOOP("frametexts", "Commands");
inline constexpr const char* kHelpSavingPage = QT_TRANSLATE_NOOP("frametexts", "Saving and backup");
inline constexpr const char* kKeyboardNote = QT_TRANSLATE_NOOP("frametexts",
    "Delete works on the pane that has the focus; in a text box it deletes text as usual. "
    "A deleted team or player comes back with Undo. Cut, then Paste on a team, moves the player there.");
}  // namespace frametexts
