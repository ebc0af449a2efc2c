#pragma once

#include "util/FolderLock.h"

#include <string>

// Takes the lock of the game folder's database folder for a command that loads, changes
// and saves it (or writes it back from a backup), waiting a few seconds for another
// program's save. False, with "FOLDER: the game folder is in use by another program." on
// stderr, when another program kept it, or with the reason when the lock cannot be taken
// (something else in the lock file's place). A lock file that cannot be made at all (a
// missing or read-only folder) is no reason to refuse: the command then fails, or not, on
// its own.
bool lockGameFolder(const std::string& gameFolder, CFolderLock& lock);
