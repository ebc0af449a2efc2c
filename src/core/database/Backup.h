#pragma once

#include "settings/Prompts.h"
#include "settings/SettingsStore.h"
#include "util/FileCommit.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Copies of the game's untouched database files, taken before the editor first saves,
// and the way back to them.
//
// A backup belongs to the game folder it was taken from: each game folder has a folder
// of its own below "BACKUP" in the editor's data folder, with a note of the game folder
// it came from, so that a restore can never copy one installation's files into another.
// The player name file is kept under its own name (FCDBPENG.DBI or FCDBPJAP.DBI), so a
// change of language between backup and restore cannot put one over the other.
class CBackup
{
public:
    CBackup(std::filesystem::path dataFolder, std::filesystem::path gameFolder, std::string languageCode,
            CFileSystem& fs = CFileSystem::real());

    // The backup folder of this game folder.
    std::filesystem::path folder() const { return m_folder; }
    // A backup of this game folder's database file is there.
    bool exists() const;

    // Copies the database file and the player name file in use (both needed: false when
    // either fails) and every language name file the game has (missing ones skipped).
    bool make();

    struct CCheckResult
    {
        bool backupFlag = false;        // restore is available
        bool needThumbnails = false;    // the kit pictures are missing and must be made
    };
    // The start-up check: the first backup (recording "Backup" = 1 or 0 when the value
    // is absent), a new backup when this game folder's copy has gone, and whether the
    // jersey thumbnails must be made (mjfr1.bmp missing from jerseysFolder), first start
    // included.
    CCheckResult check(CSettingsStore& settings, const std::filesystem::path& jerseysFolder);

    // Copies the three files of the current language back over the game's files, each
    // replaced safely. Returns the names of the files that could not be restored.
    std::vector<std::string> restore();

private:
    std::filesystem::path m_folder;
    std::filesystem::path m_gameFolder;
    std::string m_languageCode;
    CFileSystem& m_fs;
};

namespace backuptexts
{
inline constexpr const char* kRestoreQuestion =
    "Restoring original Golvar data file will overwite all changes made. Do you wish to continue?";
inline constexpr const char* kRestoreFailed = "These files could not be restored from the backup:\n%s";
inline constexpr const char* kNoBackup = "There is no backup of this Golvar folder to restore.";
} // namespace backuptexts

// The restore command: asks first; on Yes copies the files back. Returns false when the
// user said No (nothing changed) and true when the files were copied back (the caller
// then reloads the database); copies that failed are reported through the prompts.
bool restoreBackedUpData(CBackup& backup, CPrompts& prompts);
