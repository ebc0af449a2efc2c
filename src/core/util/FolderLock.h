#pragma once

#include "util/Translatable.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

// An exclusive lock on a folder between programs, held by one load-change-save of the
// game's files (obrix-cli's commands, the editor's save), so that two of them never
// interleave and one's save never silently overwrites the other's.
//
// The lock is advisory: it is taken on a small file in the folder ("OBRIX.LOCK") with the
// system's file locks, which the system drops when the process ends however it ends. A
// lock file left behind by a killed program is therefore never in the way; the holder
// removes the file when it lets go, so a clean folder keeps no trace of it.
//
// Within one process the lock nests: a second CFolderLock on a folder this process holds
// succeeds at once and lets go with the last of them. It serialises programs, not the
// threads of one.
class CFolderLock
{
public:
    enum class CResult
    {
        Locked,  // this process holds the folder
        Busy,    // another program held it for the whole wait
        Failed,  // the lock cannot be taken (failure() says why): the command must not go on
        // No lock file can be made: the folder is missing or takes no new files. No
        // program can save there either, so there is nobody to keep out.
        NoLockFile,
    };

    CFolderLock() = default;
    ~CFolderLock() { release(); }
    CFolderLock(const CFolderLock&) = delete;
    CFolderLock& operator=(const CFolderLock&) = delete;

    // Tries until wait has passed (0: once). Releases anything held before.
    CResult acquire(const std::filesystem::path& folder, std::chrono::milliseconds wait);
    void release();
    bool held() const { return !m_key.empty(); }
    // After Failed: the sentence for the user, naming the lock file and what is in its
    // place or the system's reason.
    const std::string& failure() const { return m_failure; }
    // What a command that changes the folder says instead of going on: the folder in use
    // (gameFolder names it) after Busy, failure() after Failed; nothing otherwise.
    std::optional<std::string> refusal(CResult result, const std::string& gameFolder) const;

    // This process holds the folder (through any CFolderLock).
    static bool heldHere(const std::filesystem::path& folder);
    // How long a command waits for another program's save: a few seconds, or the
    // milliseconds in OBRIX_LOCK_WAIT_MS (tests shorten it).
    static std::chrono::milliseconds defaultWait();

private:
    std::string m_key;
    std::string m_failure;
};

namespace locktexts
{
inline constexpr const char* kLockFileName = "OBRIX.LOCK";
inline constexpr const char* kInUse = QT_TRANSLATE_NOOP("locktexts", "%1: the game folder is in use by another program.");
inline constexpr const char* kLockIsFolder = QT_TRANSLATE_NOOP("locktexts", "%1 is a folder, not a regular file, so the game's files cannot be locked against other programs. Remove it and try again.");
inline constexpr const char* kLockIsLink = QT_TRANSLATE_NOOP("locktexts", "%1 is a link, not a regular file, so the game's files cannot be locked against other programs. Remove it and try again.");
inline constexpr const char* kLockIsPipe = QT_TRANSLATE_NOOP("locktexts", "%1 is a pipe, not a regular file, so the game's files cannot be locked against other programs. Remove it and try again.");
inline constexpr const char* kLockIsDevice = QT_TRANSLATE_NOOP("locktexts", "%1 is a device, not a regular file, so the game's files cannot be locked against other programs. Remove it and try again.");
inline constexpr const char* kLockIsOther = QT_TRANSLATE_NOOP("locktexts", "%1 is not a regular file, so the game's files cannot be locked against other programs. Remove it and try again.");
inline constexpr const char* kCannotLock = QT_TRANSLATE_NOOP("locktexts", "%1 cannot be locked (%2), so the game's files cannot be locked against other programs.");
inline constexpr const char* kRecoverySkipped = QT_TRANSLATE_NOOP("locktexts", "%1: another program is saving the game's files; its unfinished save is left for it to finish.");
} // namespace locktexts
