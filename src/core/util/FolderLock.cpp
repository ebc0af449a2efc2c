#include "util/FolderLock.h"

#include "util/FileCommit.h"
#include "util/PathText.h"

#include <cerrno>
#include <cstdlib>
#include <map>
#include <mutex>
#include <system_error>
#include <thread>

#ifdef _WIN32
#include "util/WinPath.h"

#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace
{
#ifdef _WIN32
using CHandle = HANDLE;
#else
using CHandle = int;
#endif

struct CHeld
{
    CHandle handle;
    fs::path lockFile;
    int count = 0;
};

// The folders this process holds, by their full path: the system's locks do not nest
// between two opens of one file, so a second lock here must not ask the system again.
std::mutex g_mutex;
std::map<std::string, CHeld> g_held;

std::string keyOf(const fs::path& folder)
{
    std::error_code ec;
    fs::path full = fs::weakly_canonical(fs::absolute(folder, ec), ec);
    if (full.empty()) full = folder;
    return genericUtf8FromPath(full);
}

enum class CTry { Locked, Busy, Again, Failed };

// Errors of making the lock file that mean no file can be made in the folder at all.
bool noFileCanBeMade(int error, const fs::path& lockFile)
{
    if (error == ENOENT || error == ENOTDIR || error == EROFS) return true;
    // Refused permission: for a new file that is the folder's doing; an existing lock
    // file we may not open is another user's lock and must not be ignored.
    std::error_code ec;
    return (error == EACCES || error == EPERM) && !fs::exists(fs::symlink_status(lockFile, ec));
}

#ifdef _WIN32
CTry tryLock(const fs::path& lockFile, CHandle& out, int& error)
{
    // The lock file is opened as itself, never through a reparse point planted at its name,
    // and with DELETE access so that its holder can remove it when letting go.
    const std::wstring name = systemPath(lockFile);
    HANDLE h = CreateFileW(name.c_str(), GENERIC_READ | DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (h == INVALID_HANDLE_VALUE)
    {
        const DWORD e = GetLastError();
        const DWORD attributes = GetFileAttributesW(name.c_str());
        const bool there = attributes != INVALID_FILE_ATTRIBUTES;
        if (e == ERROR_ACCESS_DENIED && there && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
            return CTry::Busy;  // the holder before us is removing it: it is letting go
        error = (there && (attributes & FILE_ATTRIBUTE_DIRECTORY)) ? kNotRegularFile : errnoFromWindowsError(e);
        return CTry::Failed;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(h, &info)
        || (info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) != 0
        || GetFileType(h) != FILE_TYPE_DISK)
    {
        CloseHandle(h);
        error = kNotRegularFile;
        return CTry::Failed;
    }
    OVERLAPPED at{};
    if (!LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at))
    {
        const DWORD e = GetLastError();
        CloseHandle(h);
        if (e == ERROR_LOCK_VIOLATION || e == ERROR_IO_PENDING) return CTry::Busy;
        error = errnoFromWindowsError(e);
        return CTry::Failed;
    }
    // A lock on a file its holder has just removed guards nothing.
    FILE_STANDARD_INFO standard{};
    if (GetFileInformationByHandleEx(h, FileStandardInfo, &standard, sizeof standard) && standard.DeletePending)
    {
        CloseHandle(h);
        return CTry::Again;
    }
    out = h;
    return CTry::Locked;
}

void unlock(const CHeld& held)
{
    // Removed while still locked, as on other systems: the name goes when the handle is
    // closed, and a waiter that opened it meanwhile sees it is going.
    FILE_DISPOSITION_INFO disposition{};
    disposition.DeleteFile = TRUE;
    SetFileInformationByHandle(held.handle, FileDispositionInfo, &disposition, sizeof disposition);
    CloseHandle(held.handle);
}

std::string reason(int error)
{
    return systemReason(error);
}

const char* kindText(const fs::path& lockFile)
{
    const DWORD attributes = GetFileAttributesW(systemPath(lockFile).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return locktexts::kLockIsOther;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) return locktexts::kLockIsLink;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return locktexts::kLockIsFolder;
    if (attributes & FILE_ATTRIBUTE_DEVICE) return locktexts::kLockIsDevice;
    return locktexts::kLockIsOther;
}
#else
CTry tryLock(const fs::path& lockFile, CHandle& out, int& error)
{
    // O_NONBLOCK: a pipe planted at the name is not waited on before it is refused.
    const int fd = ::open(lockFile.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd < 0)
    {
        error = (errno == ELOOP || errno == EISDIR) ? kNotRegularFile : errno;
        return errno == EINTR ? CTry::Again : CTry::Failed;
    }
    struct stat opened{};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode))
    {
        error = S_ISREG(opened.st_mode) ? errno : kNotRegularFile;
        ::close(fd);
        return CTry::Failed;
    }
    // flock, not fcntl: an fcntl lock belongs to the process and goes when any of its
    // descriptors of the file is closed, which a reader of the folder might do.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
    {
        const int e = errno;
        ::close(fd);
        if (e == EWOULDBLOCK || e == EINTR) return e == EINTR ? CTry::Again : CTry::Busy;
        error = e;
        return CTry::Failed;
    }
    // The holder before us removes the file as it lets go; a lock on a removed file
    // guards nothing, so the name must still be this file.
    struct stat named{};
    if (::lstat(lockFile.c_str(), &named) != 0 || named.st_dev != opened.st_dev || named.st_ino != opened.st_ino)
    {
        ::close(fd);
        return CTry::Again;
    }
    out = fd;
    return CTry::Locked;
}

void unlock(const CHeld& held)
{
    // Removed while still locked, so that a waiter that opened it sees it is gone.
    ::unlink(held.lockFile.c_str());
    ::close(held.handle);
}

std::string reason(int error)
{
    return systemReason(error);
}

const char* kindText(const fs::path& lockFile)
{
    struct stat st{};
    if (::lstat(lockFile.c_str(), &st) != 0) return locktexts::kLockIsOther;
    if (S_ISLNK(st.st_mode)) return locktexts::kLockIsLink;
    if (S_ISDIR(st.st_mode)) return locktexts::kLockIsFolder;
    if (S_ISFIFO(st.st_mode)) return locktexts::kLockIsPipe;
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode)) return locktexts::kLockIsDevice;
    return locktexts::kLockIsOther;
}
#endif
} // namespace

CFolderLock::CResult CFolderLock::acquire(const fs::path& folder, std::chrono::milliseconds wait)
{
    release();
    m_failure.clear();
    const std::string key = keyOf(folder);
    const fs::path lockFile = folder / locktexts::kLockFileName;
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;)
    {
        {
            const std::lock_guard guard(g_mutex);
            auto it = g_held.find(key);
            if (it != g_held.end())
            {
                ++it->second.count;
                m_key = key;
                return CResult::Locked;
            }
            CHandle handle{};
            int error = 0;
            switch (tryLock(lockFile, handle, error))
            {
            case CTry::Locked:
                g_held[key] = CHeld{handle, lockFile, 1};
                m_key = key;
                return CResult::Locked;
            case CTry::Failed:
                if (error != kNotRegularFile && noFileCanBeMade(error, lockFile)) return CResult::NoLockFile;
                m_failure = error == kNotRegularFile
                                ? translatedArgs("locktexts", kindText(lockFile), {utf8FromPath(lockFile)})
                                : translatedArgs("locktexts", locktexts::kCannotLock, {utf8FromPath(lockFile), reason(error)});
                return CResult::Failed;
            case CTry::Again:
                continue;
            case CTry::Busy:
                break;
            }
        }
        if (std::chrono::steady_clock::now() >= deadline) return CResult::Busy;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

void CFolderLock::release()
{
    if (m_key.empty()) return;
    const std::lock_guard guard(g_mutex);
    auto it = g_held.find(m_key);
    if (it != g_held.end() && --it->second.count == 0)
    {
        unlock(it->second);
        g_held.erase(it);
    }
    m_key.clear();
}

std::optional<std::string> CFolderLock::refusal(CResult result, const std::string& gameFolder) const
{
    if (result == CResult::Busy) return translatedArgs("locktexts", locktexts::kInUse, {gameFolder});
    if (result == CResult::Failed) return m_failure;
    return std::nullopt;
}

bool CFolderLock::heldHere(const fs::path& folder)
{
    const std::lock_guard guard(g_mutex);
    return g_held.count(keyOf(folder)) != 0;
}

std::chrono::milliseconds CFolderLock::defaultWait()
{
    if (const char* text = std::getenv("OBRIX_LOCK_WAIT_MS"))
    {
        char* end = nullptr;
        const long long ms = std::strtoll(text, &end, 10);
        if (end != text && *end == '\0' && ms >= 0) return std::chrono::milliseconds(ms);
    }
    // A save takes well under a second; a few seconds cover a slow disk.
    return std::chrono::milliseconds(5000);
}
