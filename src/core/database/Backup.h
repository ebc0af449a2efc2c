#pragma once

#include "util/Translatable.h"

#include "settings/Prompts.h"
#include "settings/SettingsStore.h"
#include "util/FileCommit.h"
#include "util/FolderLock.h"

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
//
// A backup is complete or absent: every file is written in one commit (see commitFiles)
// together with a manifest of their names, sizes and checksums and the time of the
// backup, and only a backup whose files match its manifest counts.
class CBackup
{
public:
    CBackup(std::filesystem::path dataFolder, std::filesystem::path gameFolder, std::string languageCode,
            CFileSystem& fs = CFileSystem::real());

    // The backup folder of this game folder.
    std::filesystem::path folder() const { return m_folder; }
    // A complete backup of this game folder is there: its manifest is whole and every
    // file it lists matches it.
    bool exists() const;
    // What is wrong with the backup, nothing when it is complete.
    std::optional<std::string> verify() const;
    // The quick look made at start-up: the manifest is whole and every file it lists has
    // the size it gives. Whatever reads the backup (restore, the first save) checks it
    // fully first; this only decides whether Restore is offered and whether a backup
    // must be made anew.
    bool present() const;
    // When the backup was taken, as its manifest says ("2026-12-08 14:05").
    std::string takenAt() const;

    // Copies the database file and the name and player name files of every language the
    // game has (the language in use must be there; a file that is there but cannot be
    // copied is a failure), checks the copies against their sources, and writes the
    // manifest with them. Every copy is read back before it replaces anything and again
    // in its place before the earlier backup is let go; on any failure the earlier
    // backup, if any, is left as it was. error (when given) says which file failed and why.
    bool make(std::string* error = nullptr);
    // A backup of an earlier version of the editor holds the files of the language it was
    // made in. Before the first save in another language, the files of that language are
    // added to it as they still are; true when the backup holds them (already, or now).
    bool addLanguageFiles(std::string* error = nullptr);

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

    struct CRestoreResult
    {
        bool restored = false;  // the game's files were replaced
        std::string message;    // what was restored from the backup of when, or why nothing was
    };
    // Checks the backup against its manifest and loads it as the game would, then puts
    // the three files of the current language back over the game's files as one set.
    // A backup that fails a check is refused and nothing is copied.
    CRestoreResult restore();

    // A backup folder of an earlier version of the editor (copies without a manifest, taken
    // before its first save) is kept: a manifest of what it holds is added. False when
    // there is no such backup or it cannot be adopted.
    bool adoptEarlierBackup();

    struct CManifest;

private:
    std::optional<std::string> prepare(CFolderLock& lock) const;
    std::optional<std::string> copyInto(const std::vector<std::string>& gamePaths, const std::vector<std::string>& required,
                                        CManifest& manifest, std::vector<CPendingFile>& files) const;
    std::optional<std::string> commitBackup(std::vector<CPendingFile> files, CManifest manifest) const;

    std::filesystem::path m_folder;
    std::filesystem::path m_gameFolder;
    std::string m_languageCode;
    CFileSystem& m_fs;
};

namespace backuptexts
{
inline constexpr const char* kRestoreQuestion = QT_TRANSLATE_NOOP("backuptexts", "Restoring original Golvar data file will overwrite all changes made. Do you wish to continue?");
inline constexpr const char* kNoBackup = QT_TRANSLATE_NOOP("backuptexts", "There is no backup of this Golvar folder to restore.");
inline constexpr const char* kRestored = QT_TRANSLATE_NOOP("backuptexts", "Restored %1 from the backup of %2.");
inline constexpr const char* kNotRestored = QT_TRANSLATE_NOOP("backuptexts", "Nothing was restored: %1");
inline constexpr const char* kBadBackup = QT_TRANSLATE_NOOP("backuptexts", "the backup in %1 is damaged (%2).");
inline constexpr const char* kBackupUnreadable = QT_TRANSLATE_NOOP("backuptexts", "the backup does not load as a game database (%1).");
inline constexpr const char* kBackupFailed = QT_TRANSLATE_NOOP("backuptexts", "The backup of %1 could not be made: %2");
inline constexpr const char* kSourceUnreadable = QT_TRANSLATE_NOOP("backuptexts", "the game's files do not load as a game database (%1), and a backup of them would be of no use; the earlier "
    "backup, if any, is kept");
inline constexpr const char* kEarlierBackupKept = QT_TRANSLATE_NOOP("backuptexts", "%1 The new backup was taken back: %2 holds the backup it held before, if any.");
inline constexpr const char* kOtherGameFolder = QT_TRANSLATE_NOOP("backuptexts", "the backup in %1 was taken from another Golvar folder (%2), not from this one (%3).");
} // namespace backuptexts

// The restore command: asks first; on Yes checks the backup and copies the files back.
// Returns true when the files were copied back (the caller then reloads the database),
// false when the user said No or the backup was refused. The outcome is told through
// the prompts either way.
bool restoreBackedUpData(CBackup& backup, CPrompts& prompts);
