#pragma once

#include "util/Translatable.h"

#include <chrono>
#include <filesystem>
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
        Failed,  // the lock file cannot be made or locked (failure() says why)
    };

    CFolderLock() = default;
    ~CFolderLock() { release(); }
    CFolderLock(const CFolderLock&) = delete;
    CFolderLock& operator=(const CFolderLock&) = delete;

    // Tries until wait has passed (0: once). Releases anything held before.
    CResult acquire(const std::filesystem::path& folder, std::chrono::milliseconds wait);
    void release();
    bool held() const { return !m_key.empty(); }
    // "FOLDER: cannot lock: REASON" after Failed.
    const std::string& failure() const { return m_failure; }

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
inline constexpr const char* kRecoverySkipped = QT_TRANSLATE_NOOP("locktexts", "%1: another program is saving the game's files; its unfinished save is left for it to finish.");
} // namespace locktexts
