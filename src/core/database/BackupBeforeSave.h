#pragma once

#include "util/Translatable.h"

#include "database/Backup.h"
#include "settings/Prompts.h"

namespace backuptexts
{
inline constexpr const char* kSaveWithoutBackup = QT_TRANSLATE_NOOP("backuptexts", "The original Golvar data files could not be backed up to\n%1\n\n"
    "Without a backup, “Restore” cannot undo the changes you save now.\n"
    "Do you wish to save without a backup?");
// The same question with what failed: the file and the system's reason.
inline constexpr const char* kSaveWithoutBackupBecause = QT_TRANSLATE_NOOP("backuptexts", "The original Golvar data files could not be backed up to\n%1\n\n%2\n\n"
    "Without a backup, “Restore” cannot undo the changes you save now.\n"
    "Do you wish to save without a backup?");
} // namespace backuptexts

// The rule before the first save of a run: the game folder's files are still the ones the
// run started with, so this is the last moment a backup of them can be taken. A valid
// backup already there is kept (it holds older, untouched files); otherwise one is made.
// True when the save may go on: a backup is there, or the user chose to save without one.
// A later save of the same run must not come here: by then the files hold edits.
bool backUpBeforeFirstSave(CBackup& backup, CPrompts& prompts);
