#include "util/FileCommit.h"
#include "util/Translatable.h"

#include "util/Format.h"
#include "util/PathText.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <chrono>
#include <cstring>
#include <random>
#include <system_error>
#include <utility>

#ifdef _WIN32
#include "util/WinPath.h"

#include <algorithm>
#include <windows.h>
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

std::string systemReason(int error)
{
    if (error == kNotRegularFile) return committexts::kNotRegular;
    if (error == kFileTooLarge) return committexts::kTooLarge;
    if (error == 0) return "unknown error";
    return std::strerror(error);
}

std::string fileFailure(const fs::path& path, const std::string& step, int error)
{
    return utf8FromPath(path) + ": cannot " + step + ": " + systemReason(error);
}

CFileBytes::~CFileBytes() { release(); }

CFileBytes::CFileBytes(CFileBytes&& other) noexcept
    : m_mapped(std::exchange(other.m_mapped, nullptr)), m_size(std::exchange(other.m_size, 0)),
      m_read(std::move(other.m_read))
{
}

CFileBytes& CFileBytes::operator=(CFileBytes&& other) noexcept
{
    if (this != &other)
    {
        release();
        m_mapped = std::exchange(other.m_mapped, nullptr);
        m_size = std::exchange(other.m_size, 0);
        m_read = std::move(other.m_read);
    }
    return *this;
}

std::string checksumText(std::span<const uint8_t> bytes)
{
    // FNV-1a, folded eight bytes at a time would not be faster enough to matter here.
    uint64_t h = 1469598103934665603ull;
    for (uint8_t b : bytes) h = (h ^ b) * 1099511628211ull;
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(h));
    return hex;
}

#ifndef _WIN32
namespace
{
bool writeAll(int fd, std::span<const uint8_t> bytes)
{
    std::size_t done = 0;
    while (done < bytes.size())
    {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0)
        {
            if (errno == EINTR) continue;
            return false;
        }
        done += std::size_t(n);
    }
    return true;
}
} // namespace

namespace
{
// Opens a regular file for reading, or fails with errno set (kNotRegularFile for
// anything else) without having opened anything that could block or act. A link at the
// name is not followed: the game's files, backups and kept leagues are read only as the
// files they are, never as whatever a link planted among them points at. Links above the
// name (a prefix folder reached through one) are followed as usual.
int openRegular(const fs::path& path, struct stat& st)
{
    // Asked before opening: opening a device may already do something, and opening a
    // pipe for reading waits for a writer.
    if (::lstat(path.c_str(), &st) != 0) return -1;
    if (!S_ISREG(st.st_mode))
    {
        errno = kNotRegularFile;
        return -1;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
    {
        if (errno == ELOOP) errno = kNotRegularFile;  // a link put there since
        return -1;
    }
    // The name may have been swapped for a pipe since.
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
    {
        ::close(fd);
        errno = kNotRegularFile;
        return -1;
    }
    return fd;
}
} // namespace

bool CFileSystem::viewFile(const fs::path& path, CFileBytes& out)
{
    out.release();
    struct stat st;
    const int fd = openRegular(path, st);
    if (fd < 0) return false;
    if (st.st_size > 0)
    {
        // Private and read-only; every page is brought in at once, so that reading
        // through it takes no page faults.
        void* mapped = ::mmap(nullptr, std::size_t(st.st_size), PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
        if (mapped != MAP_FAILED)
        {
            ::close(fd);
            out.m_mapped = static_cast<const uint8_t*>(mapped);
            out.m_size = std::size_t(st.st_size);
            return true;
        }
    }
    // Empty, or a file system that cannot map: read it.
    ::close(fd);
    return CFileSystem::readFile(path, out.m_read);
}

void CFileBytes::release()
{
    if (m_mapped) ::munmap(const_cast<uint8_t*>(m_mapped), m_size);
    m_mapped = nullptr;
    m_size = 0;
    m_read.clear();
}

bool CFileSystem::readFile(const fs::path& path, std::vector<uint8_t>& out)
{
    struct stat st;
    const int fd = openRegular(path, st);
    if (fd < 0) return false;
    out.clear();
    out.reserve(std::size_t(st.st_size));
    uint8_t buffer[65536];
    for (;;)
    {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0)
        {
            if (errno == EINTR) continue;
            const int e = errno;
            ::close(fd);
            errno = e;
            return false;
        }
        if (n == 0) break;
        out.insert(out.end(), buffer, buffer + n);
    }
    ::close(fd);
    return true;
}

bool CFileSystem::status(const fs::path& path, CFileStatus& out)
{
    out = {};
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0) return errno == ENOENT || errno == ENOTDIR;
    out.exists = true;
    out.regular = S_ISREG(st.st_mode);
    out.mode = uint32_t(st.st_mode & 07777);
    out.owner = uint32_t(st.st_uid);
    out.group = uint32_t(st.st_gid);
    out.size = uint64_t(st.st_size);
    return true;
}

bool CFileSystem::createFile(const fs::path& path, std::span<const uint8_t> bytes, const CFileStatus* like)
{
    const mode_t mode = like ? mode_t(like->mode & 07777) : 0666;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd < 0) return false;
    bool ok = true;
    if (like)
    {
        // Where the system lets us, the copy belongs to whoever owned the file; where it
        // does not (another user's file), it stays ours.
        if (::fchown(fd, uid_t(like->owner), gid_t(like->group)) != 0 && ::fchown(fd, uid_t(-1), gid_t(like->group)) != 0)
        {
        }
        ok = ::fchmod(fd, mode) == 0;  // the umask took bits away
    }
    ok = ok && writeAll(fd, bytes) && ::fsync(fd) == 0;
    int e = errno;
    if (::close(fd) != 0 && ok)
    {
        ok = false;
        e = errno;
    }
    if (!ok)
    {
        ::unlink(path.c_str());
        errno = e;
    }
    return ok;
}

bool CFileSystem::syncFolder(const fs::path& folder)
{
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    // Some file systems cannot flush a folder and say so; their names are as durable
    // as they get.
    const bool ok = ::fsync(fd) == 0 || errno == EINVAL;
    const int e = errno;
    ::close(fd);
    errno = e;
    return ok;
}

bool CFileSystem::linkFile(const fs::path& from, const fs::path& to)
{
    return ::link(from.c_str(), to.c_str()) == 0;
}

bool CFileSystem::renameFile(const fs::path& from, const fs::path& to)
{
    return ::rename(from.c_str(), to.c_str()) == 0;
}

bool CFileSystem::removeFile(const fs::path& path)
{
    return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

bool CFileSystem::listFolder(const fs::path& folder, std::vector<std::string>& names)
{
    names.clear();
    DIR* d = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!d) return false;
    while (const dirent* e = ::readdir(d))
    {
        const std::string n = e->d_name;
        if (n != "." && n != "..") names.push_back(n);
    }
    ::closedir(d);
    return true;
}
#else
// Windows. The same steps with the system's own calls: every name goes through
// systemPath (UTF-16, "\\?\" form), nothing is opened through a reparse point (a
// symbolic link or junction) at the name, and only files on a disk count as regular.
namespace
{
void setErrnoFromLastError()
{
    errno = errnoFromWindowsError(GetLastError());
}

class CHandleGuard
{
public:
    explicit CHandleGuard(HANDLE h) : m_h(h) {}
    ~CHandleGuard()
    {
        if (m_h != INVALID_HANDLE_VALUE) CloseHandle(m_h);
    }
    CHandleGuard(const CHandleGuard&) = delete;
    CHandleGuard& operator=(const CHandleGuard&) = delete;
    HANDLE get() const { return m_h; }

private:
    HANDLE m_h;
};

// A link, junction or folder at the name, or a handle that is no file on a disk (a device
// or pipe reached by a name), is not a regular file.
bool regularAttributes(DWORD attributes)
{
    return (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE)) == 0;
}

// Opens a regular file for reading, or fails with errno set (kNotRegularFile for anything
// else). Other programs may read it meanwhile (the game, say); none may write it.
HANDLE openRegular(const fs::path& path, uint64_t& size)
{
    const std::wstring name = systemPath(path);
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
    {
        setErrnoFromLastError();
        return INVALID_HANDLE_VALUE;
    }
    if (!regularAttributes(attributes))
    {
        errno = kNotRegularFile;
        return INVALID_HANDLE_VALUE;
    }
    HANDLE h = CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (h == INVALID_HANDLE_VALUE)
    {
        setErrnoFromLastError();
        return h;
    }
    // The name may have been swapped for something else since it was asked about.
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(h, &info) || !regularAttributes(info.dwFileAttributes)
        || GetFileType(h) != FILE_TYPE_DISK)
    {
        CloseHandle(h);
        errno = kNotRegularFile;
        return INVALID_HANDLE_VALUE;
    }
    size = (uint64_t(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    return h;
}

bool writeAll(HANDLE h, std::span<const uint8_t> bytes)
{
    std::size_t done = 0;
    while (done < bytes.size())
    {
        const DWORD chunk = DWORD(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(h, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
        done += written;
    }
    return true;
}

// Takes the read-only attribute off a file so that it can be replaced or removed, as a
// rename or unlink may on other systems; returns the attributes it had.
DWORD makeWritable(const std::wstring& name)
{
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        SetFileAttributesW(name.c_str(), attributes & ~DWORD(FILE_ATTRIBUTE_READONLY));
    return attributes;
}

// A new file, never an existing name (CREATE_NEW, which also refuses a link planted
// there), written and, with flush, flushed to the disk before it is closed. A copy of a
// read-only file is read-only. While it is being written, others may read it, not write.
bool createNew(const fs::path& path, std::span<const uint8_t> bytes, const CFileStatus* like, bool flush)
{
    const std::wstring name = systemPath(path);
    const bool readOnly = like && (like->mode & 0222) == 0;
    HANDLE h = CreateFileW(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                           readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
    {
        setErrnoFromLastError();
        return false;
    }
    bool ok = writeAll(h, bytes) && (!flush || FlushFileBuffers(h));
    DWORD error = ok ? 0 : GetLastError();
    if (!CloseHandle(h) && ok)
    {
        ok = false;
        error = GetLastError();
    }
    if (!ok)
    {
        makeWritable(name);
        DeleteFileW(name.c_str());
        errno = errnoFromWindowsError(error);
    }
    return ok;
}
} // namespace

bool CFileSystem::viewFile(const fs::path& path, CFileBytes& out)
{
    // Read, not mapped: Windows refuses to replace a file while a view of it is mapped,
    // and the editor replaces the files it has read.
    out.release();
    return CFileSystem::readFile(path, out.m_read);
}

void CFileBytes::release()
{
    m_read.clear();
}

bool CFileSystem::readFile(const fs::path& path, std::vector<uint8_t>& out)
{
    uint64_t size = 0;
    const CHandleGuard h(openRegular(path, size));
    if (h.get() == INVALID_HANDLE_VALUE) return false;
    out.clear();
    out.reserve(std::size_t(size));
    uint8_t buffer[65536];
    for (;;)
    {
        DWORD n = 0;
        if (!ReadFile(h.get(), buffer, sizeof buffer, &n, nullptr))
        {
            setErrnoFromLastError();
            return false;
        }
        if (n == 0) break;
        out.insert(out.end(), buffer, buffer + n);
    }
    return true;
}

bool CFileSystem::status(const fs::path& path, CFileStatus& out)
{
    out = {};
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(systemPath(path).c_str(), GetFileExInfoStandard, &data))
    {
        const DWORD e = GetLastError();
        if (e == ERROR_FILE_NOT_FOUND || e == ERROR_PATH_NOT_FOUND) return true;
        errno = errnoFromWindowsError(e);
        return false;
    }
    out.exists = true;
    out.regular = regularAttributes(data.dwFileAttributes);
    // Windows keeps one permission: read-only or not.
    out.mode = (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) ? 0444 : 0666;
    out.size = out.regular ? (uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow : 0;
    return true;
}

bool CFileSystem::createFile(const fs::path& path, std::span<const uint8_t> bytes, const CFileStatus* like)
{
    return createNew(path, bytes, like, true);
}

bool CFileSystem::syncFolder(const fs::path&)
{
    // A folder cannot be flushed on Windows; every rename is made with
    // MOVEFILE_WRITE_THROUGH instead, which returns only once it is on the disk.
    return true;
}

bool CFileSystem::linkFile(const fs::path& from, const fs::path& to)
{
    if (CreateHardLinkW(systemPath(to).c_str(), systemPath(from).c_str(), nullptr)) return true;
    setErrnoFromLastError();
    return false;
}

bool CFileSystem::renameFile(const fs::path& from, const fs::path& to)
{
    const std::wstring source = systemPath(from), target = systemPath(to);
    constexpr DWORD flags = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
    if (MoveFileExW(source.c_str(), target.c_str(), flags)) return true;
    DWORD e = GetLastError();
    if (e == ERROR_ACCESS_DENIED)
    {
        // A read-only file is not replaced on Windows; the new file brings its own
        // attributes, so the old one's are only put back when the rename still fails.
        const DWORD attributes = makeWritable(target);
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        {
            if (MoveFileExW(source.c_str(), target.c_str(), flags)) return true;
            e = GetLastError();
            SetFileAttributesW(target.c_str(), attributes);
        }
    }
    errno = errnoFromWindowsError(e);
    return false;
}

bool CFileSystem::removeFile(const fs::path& path)
{
    const std::wstring name = systemPath(path);
    if (DeleteFileW(name.c_str())) return true;
    DWORD e = GetLastError();
    if (e == ERROR_FILE_NOT_FOUND || e == ERROR_PATH_NOT_FOUND) return true;
    if (e == ERROR_ACCESS_DENIED)
    {
        const DWORD attributes = makeWritable(name);
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        {
            if (DeleteFileW(name.c_str())) return true;
            e = GetLastError();
            SetFileAttributesW(name.c_str(), attributes);
        }
    }
    errno = errnoFromWindowsError(e);
    return false;
}

bool CFileSystem::listFolder(const fs::path& folder, std::vector<std::string>& names)
{
    names.clear();
    const std::wstring pattern = systemPath(folder.empty() ? fs::path(".") : folder) + L"\\*";
    WIN32_FIND_DATAW found{};
    HANDLE h = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0);
    if (h == INVALID_HANDLE_VALUE)
    {
        const DWORD e = GetLastError();
        if (e == ERROR_FILE_NOT_FOUND) return true;  // an empty root
        errno = errnoFromWindowsError(e);
        return false;
    }
    do
    {
        const std::wstring n = found.cFileName;
        if (n != L"." && n != L"..") names.push_back(utf8FromWide(n));
    } while (FindNextFileW(h, &found));
    FindClose(h);
    return true;
}
#endif

CFileSystem& CFileSystem::real()
{
    static CFileSystem fs;
    return fs;
}

namespace
{
class CUnflushedFileSystem : public CFileSystem
{
public:
    bool createFile(const fs::path& path, std::span<const uint8_t> bytes, const CFileStatus* like) override
    {
#ifdef _WIN32
        return createNew(path, bytes, like, false);
#else
        static_cast<void>(like);
        std::FILE* f = std::fopen(path.string().c_str(), "wbx");  // "x": never an existing name
        if (!f) return false;
        bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
        ok = std::fclose(f) == 0 && ok;
        if (!ok)
        {
            const int e = errno;
            std::remove(path.string().c_str());
            errno = e;
        }
        return ok;
#endif
    }
    bool syncFolder(const fs::path&) override { return true; }
};
}  // namespace

CFileSystem& CFileSystem::unflushed()
{
    static CUnflushedFileSystem fs;
    return fs;
}

namespace
{
// Reads what a link the user named points at; the file at its end must still be a
// regular one.
class CUserChosenFileSystem : public CFileSystem
{
public:
    bool readFile(const fs::path& path, std::vector<uint8_t>& out) override
    {
        return CFileSystem::readFile(target(path), out);
    }
    bool viewFile(const fs::path& path, CFileBytes& out) override { return CFileSystem::viewFile(target(path), out); }

private:
    static fs::path target(const fs::path& path)
    {
        std::error_code ec;
        const fs::path resolved = fs::canonical(path, ec);
        // A dangling link or a missing file: the read says so with the name as given.
        return ec ? path : resolved;
    }
};
}  // namespace

CFileSystem& CFileSystem::userChosen()
{
    static CUserChosenFileSystem fs;
    return fs;
}

namespace
{
constexpr const char* kRecordMagic = "OBRIX-COMMIT 1";
constexpr const char* kNewMark = ".obrix-new.";
constexpr const char* kOldMark = ".obrix-old.";

std::string randomSuffix()
{
    static std::atomic<uint64_t> counter{0};
    static const uint64_t seed = [] {
        std::random_device rd;
        return (uint64_t(rd()) << 32) ^ rd()
               ^ uint64_t(std::chrono::steady_clock::now().time_since_epoch().count());
    }();
    uint64_t x = seed + 0x9E3779B97F4A7C15ull * ++counter;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    x ^= x >> 31;
    char hex[13];
    std::snprintf(hex, sizeof hex, "%012llx", static_cast<unsigned long long>(x & 0xFFFFFFFFFFFFull));
    return hex;
}

struct CEntry
{
    std::string target, temp, kept;  // names in the folder; kept empty when there was no old file
    uint64_t size = 0;
    std::string checksum;
};

struct CRecord
{
    std::string operation;
    std::vector<CEntry> entries;
};

std::string recordText(const CRecord& r)
{
    std::string body = std::string(kRecordMagic) + "\noperation\t" + r.operation + "\n";
    for (const auto& e : r.entries)
        body += "file\t" + e.target + "\t" + e.temp + "\t" + (e.kept.empty() ? "-" : e.kept) + "\t"
                + std::to_string(e.size) + "\t" + e.checksum + "\n";
    const std::string sum = checksumText({reinterpret_cast<const uint8_t*>(body.data()), body.size()});
    return body + "end\t" + sum + "\n";
}

std::vector<std::string> split(const std::string& s, char sep)
{
    std::vector<std::string> out(1);
    for (char c : s)
        if (c == sep)
            out.emplace_back();
        else
            out.back() += c;
    return out;
}

// A name the record may use: a plain name in the folder, nothing that leads out of it.
bool plainName(const std::string& n)
{
    return !n.empty() && n != "." && n != ".." && n.find('/') == std::string::npos
           && n.find('\\') == std::string::npos;
}

// A record that is complete and unchanged, or nothing.
std::optional<CRecord> parseRecord(const std::vector<uint8_t>& bytes)
{
    const std::string text(bytes.begin(), bytes.end());
    const auto endAt = text.rfind("end\t");
    if (endAt == std::string::npos) return std::nullopt;
    const std::string body = text.substr(0, endAt);
    if (text.substr(endAt) != "end\t" + checksumText({bytes.data(), endAt}) + "\n") return std::nullopt;
    const auto lines = split(body, '\n');
    if (lines.size() < 3 || lines[0] != kRecordMagic) return std::nullopt;
    CRecord r;
    const auto op = split(lines[1], '\t');
    if (op.size() != 2 || op[0] != "operation") return std::nullopt;
    r.operation = op[1];
    for (std::size_t i = 2; i + 1 < lines.size(); ++i)
    {
        const auto f = split(lines[i], '\t');
        if (f.size() != 6 || f[0] != "file" || !plainName(f[1]) || !plainName(f[2])
            || (f[3] != "-" && !plainName(f[3])))
            return std::nullopt;
        CEntry e{f[1], f[2], f[3] == "-" ? std::string() : f[3], 0, f[5]};
        try
        {
            e.size = std::stoull(f[4]);
        }
        catch (...)
        {
            return std::nullopt;
        }
        r.entries.push_back(std::move(e));
    }
    if (r.entries.empty() || !lines.back().empty()) return std::nullopt;
    return r;
}

// The operation an abandoned temporary or kept file belonged to.
std::string operationOf(const std::string& name, const char* mark)
{
    const auto at = name.find(mark);
    const std::string rest = name.substr(at + std::strlen(mark));
    const auto dot = rest.find('.');
    return dot == std::string::npos ? std::string("save") : rest.substr(0, dot);
}

bool holds(CFileSystem& fs, const fs::path& path, const CEntry& e)
{
    std::vector<uint8_t> bytes;
    return fs.readFile(path, bytes) && bytes.size() == e.size && checksumText(bytes) == e.checksum;
}

std::string joinNames(const std::vector<std::string>& names)
{
    std::string out;
    for (const auto& n : names) out += (out.empty() ? "" : ", ") + n;
    return out;
}
} // namespace

CRecovery recoverCommit(CFileSystem& fs, const fs::path& folder)
{
    CRecovery result;
    std::vector<std::string> names;
    if (!fs.listFolder(folder, names)) return result;  // no folder, nothing to finish
    const fs::path recordPath = folder / committexts::kRecordName;
    std::optional<CRecord> record;
    bool recordFound = false;
    for (const auto& n : names) recordFound = recordFound || n == committexts::kRecordName;
    std::string operation;
    if (recordFound)
    {
        CFileStatus st;
        std::vector<uint8_t> bytes;
        // Something else at the record's name is no record of ours, neither to act on
        // nor to tidy away.
        if (fs.status(recordPath, st) && st.exists && !st.regular)
        {
            result.state = CRecovery::CState::Failed;
            result.message = translatedArgs("committexts", committexts::kRecordNotFile, {utf8FromPath(recordPath)});
            return result;
        }
        if (fs.status(recordPath, st) && st.regular && fs.readFile(recordPath, bytes)) record = parseRecord(bytes);
        if (record) operation = record->operation;
    }

    auto failed = [&](const std::string& what) {
        result.state = CRecovery::CState::Failed;
        result.message = translatedArgs("committexts", committexts::kRecoveryFailed, {operation.empty() ? "save" : operation.c_str(), utf8FromPath(folder), what, committexts::kRecordName});
        return result;
    };

    if (record)
    {
        // Forward when every new file is there, either still under its temporary name
        // or already in place; otherwise back to the kept old files.
        bool forward = true;
        std::vector<bool> pending(record->entries.size(), false);
        for (std::size_t i = 0; i < record->entries.size(); ++i)
        {
            const CEntry& e = record->entries[i];
            CFileStatus st;
            if (!fs.status(folder / pathFromUtf8(e.temp), st))
                return failed(fileFailure(folder / pathFromUtf8(e.temp), "examine", errno));
            if (st.exists)
                pending[i] = holds(fs, folder / pathFromUtf8(e.temp), e);
            if (!pending[i] && (st.exists || !holds(fs, folder / pathFromUtf8(e.target), e))) forward = false;
        }
        std::vector<std::string> targets;
        if (forward)
        {
            for (std::size_t i = 0; i < record->entries.size(); ++i)
            {
                const CEntry& e = record->entries[i];
                targets.push_back(e.target);
                if (pending[i] && !fs.renameFile(folder / pathFromUtf8(e.temp), folder / pathFromUtf8(e.target)))
                    return failed(fileFailure(folder / pathFromUtf8(e.target), "put the new file in place", errno));
            }
            if (!fs.syncFolder(folder)) return failed(fileFailure(folder, "flush the folder", errno));
        }
        else
        {
            for (const CEntry& e : record->entries)
            {
                CFileStatus kept;
                if (!e.kept.empty() && fs.status(folder / pathFromUtf8(e.kept), kept) && kept.exists)
                {
                    if (!fs.renameFile(folder / pathFromUtf8(e.kept), folder / pathFromUtf8(e.target)))
                        return failed(fileFailure(folder / pathFromUtf8(e.target), "put the old file back", errno));
                }
                else if (e.kept.empty() && holds(fs, folder / pathFromUtf8(e.target), e))
                {
                    // The file was new with this commit.
                    if (!fs.removeFile(folder / pathFromUtf8(e.target)))
                        return failed(fileFailure(folder / pathFromUtf8(e.target), "remove the new file", errno));
                }
            }
            if (!fs.syncFolder(folder)) return failed(fileFailure(folder, "flush the folder", errno));
        }
        for (const CEntry& e : record->entries)
        {
            if (!forward && !fs.removeFile(folder / pathFromUtf8(e.temp)))
                return failed(fileFailure(folder / pathFromUtf8(e.temp), "remove", errno));
            if (!e.kept.empty() && !fs.removeFile(folder / pathFromUtf8(e.kept)))
                return failed(fileFailure(folder / pathFromUtf8(e.kept), "remove", errno));
        }
        if (!fs.removeFile(recordPath)) return failed(fileFailure(recordPath, "remove", errno));
        if (!fs.syncFolder(folder)) return failed(fileFailure(folder, "flush the folder", errno));
        result.state = forward ? CRecovery::CState::Completed : CRecovery::CState::Undone;
        result.message = forward ? translatedArgs("committexts", committexts::kCompleted, {operation, joinNames(targets)})
                                 : translatedArgs("committexts", committexts::kUndone, {operation});
        return result;
    }

    // No complete record: the commit stopped before its first rename. What it left
    // behind goes; the targets are untouched.
    bool removed = false;
    for (const auto& n : names)
    {
        const char* mark = n.find(kNewMark) != std::string::npos   ? kNewMark
                           : n.find(kOldMark) != std::string::npos ? kOldMark
                                                                   : nullptr;
        if (!mark && n != committexts::kRecordName) continue;
        if (mark && operation.empty()) operation = operationOf(n, mark);
        if (!fs.removeFile(folder / pathFromUtf8(n)))
            return failed(fileFailure(folder / pathFromUtf8(n), "remove", errno));
        removed = true;
    }
    if (!removed) return result;
    if (operation.empty()) operation = "save";
    if (!fs.syncFolder(folder)) return failed(fileFailure(folder, "flush the folder", errno));
    result.state = CRecovery::CState::Undone;
    result.message = translatedArgs("committexts", committexts::kUndone, {operation});
    return result;
}

std::optional<std::string> commitFiles(CFileSystem& fs, const std::vector<CPendingFile>& files,
                                       const std::string& operation, std::string* recoveryNote, bool readBack,
                                       const std::function<std::optional<std::string>()>& checkInPlace)
{
    if (files.empty()) return std::nullopt;
    const fs::path folder = files.front().target.parent_path();
    auto lead = [](const CPendingFile& f) { return f.failureMessage.empty() ? std::string() : f.failureMessage + " "; };
    for (const auto& f : files)
        if (f.target.parent_path() != folder || !plainName(utf8FromPath(f.target.filename())))
            return lead(f) + utf8FromPath(f.target) + ": the files of one set must lie in one folder";

    const CRecovery earlier = recoverCommit(fs, folder);
    if (earlier.state == CRecovery::CState::Failed) return earlier.message;
    if (recoveryNote) *recoveryNote = earlier.message;

    const std::size_t n = files.size();
    std::vector<CFileStatus> old(n);
    CRecord record{operation, {}};
    for (std::size_t i = 0; i < n; ++i)
    {
        if (!fs.status(files[i].target, old[i])) return lead(files[i]) + fileFailure(files[i].target, "examine", errno);
        if (old[i].exists && !old[i].regular)
            return lead(files[i]) + fileFailure(files[i].target, "replace", kNotRegularFile);
        const std::string name = utf8FromPath(files[i].target.filename());
        record.entries.push_back({name, {}, {}, files[i].bytes.size(), checksumText(files[i].bytes)});
    }

    const fs::path recordPath = folder / committexts::kRecordName;
    std::vector<fs::path> temps, kept;
    bool recordWritten = false;
    // Before the first rename: the targets are untouched, so undoing is removing.
    auto abandon = [&](std::string message) {
        const int e = errno;
        bool clean = true;
        if (recordWritten) clean = fs.removeFile(recordPath) && fs.syncFolder(folder);
        for (const auto& p : kept) clean = fs.removeFile(p) && clean;
        for (const auto& p : temps) clean = fs.removeFile(p) && clean;
        clean = fs.syncFolder(folder) && clean;
        if (!clean) message += " (some temporary files ending \".obrix-new\" or \".obrix-old\" could not be removed; "
                               "the next load removes them)";
        errno = e;
        return message;
    };

    for (std::size_t i = 0; i < n; ++i)
    {
        const std::string base = utf8FromPath(files[i].target.filename()) + kNewMark + operation + ".";
        for (int attempt = 0;; ++attempt)
        {
            const fs::path tmp = folder / pathFromUtf8(base + randomSuffix());
            if (fs.createFile(tmp, files[i].bytes, old[i].exists ? &old[i] : nullptr))
            {
                temps.push_back(tmp);
                record.entries[i].temp = utf8FromPath(tmp.filename());
                break;
            }
            // Something has taken the name (a planted link, say): another name.
            if (errno == EEXIST && attempt < 8) continue;
            return abandon(lead(files[i]) + fileFailure(tmp, "write the new contents", errno));
        }
    }
    // Checked while the old files are still the only ones under their names, so that a
    // copy the disk does not give back never replaces a good one.
    for (std::size_t i = 0; readBack && i < n; ++i)
    {
        std::vector<uint8_t> back;
        if (!fs.readFile(temps[i], back))
            return abandon(lead(files[i]) + fileFailure(files[i].target, "read the new copy back", errno));
        if (back != files[i].bytes)
            return abandon(lead(files[i]) + translatedArgs("committexts", committexts::kReadBackDiffers, {utf8FromPath(files[i].target), std::to_string(back.size()), std::to_string(files[i].bytes.size())}));
    }

    // The old files get their second names before the record names them: without a
    // record, a load takes these names for leftovers and removes them, which leaves the
    // old files as they are.
    for (std::size_t i = 0; i < n; ++i)
    {
        if (!old[i].exists) continue;
        record.entries[i].kept = utf8FromPath(files[i].target.filename()) + kOldMark + operation + "." + randomSuffix();
        const fs::path aside = folder / pathFromUtf8(record.entries[i].kept);
        bool ok = fs.linkFile(files[i].target, aside);
        if (!ok && (errno == EPERM || errno == EXDEV || errno == EMLINK || errno == ENOTSUP || errno == ENOSYS))
        {
            // No hard links here: a copy does the same job, only slower.
            std::vector<uint8_t> bytes;
            ok = fs.readFile(files[i].target, bytes) && fs.createFile(aside, bytes, &old[i]);
        }
        if (!ok) return abandon(lead(files[i]) + fileFailure(aside, "keep the old contents aside", errno));
        kept.push_back(aside);
    }
    const std::string text = recordText(record);
    if (!fs.createFile(recordPath, {reinterpret_cast<const uint8_t*>(text.data()), text.size()}))
    {
        const int e = errno;
        std::string message = lead(files[0]) + fileFailure(recordPath, "write the commit record", e);
        if (e != EEXIST) fs.removeFile(recordPath);
        errno = e;
        return abandon(message);
    }
    recordWritten = true;
    // One flush of the folder makes the new files', the kept copies' and the record's
    // names lasting together, before the first rename. (Should the record's name last
    // without the others', a load finds files it names missing and keeps the old set:
    // nothing has been renamed yet.)
    if (!fs.syncFolder(folder)) return abandon(lead(files[0]) + fileFailure(folder, "flush the folder", errno));

    // Puts the old contents back over the first count targets; the rest still hold theirs.
    auto putBack = [&](std::size_t count, const std::string& failure) {
        std::vector<std::string> isNew, keptNames;
        for (std::size_t j = 0; j < count; ++j)
        {
            const fs::path target = files[j].target;
            const bool back = old[j].exists ? fs.renameFile(folder / pathFromUtf8(record.entries[j].kept), target)
                                            : fs.removeFile(target);
            if (!back)
            {
                isNew.push_back(utf8FromPath(target.filename()) + " is new");
                if (old[j].exists) keptNames.push_back(utf8FromPath(folder / pathFromUtf8(record.entries[j].kept)));
            }
        }
        if (!isNew.empty())
        {
            // The record stays: the next load finishes the set one way or the other.
            return failure + "\n"
                   + translatedArgs("committexts", committexts::kMixed, {operation, joinNames(isNew), joinNames(keptNames)});
        }
        if (!fs.syncFolder(folder))
            return failure + " (" + fileFailure(folder, "flush the folder", errno) + ": the next load checks the files)";
        kept.clear();
        for (std::size_t j = count; j < n; ++j)
            if (old[j].exists) kept.push_back(folder / pathFromUtf8(record.entries[j].kept));
        temps.erase(temps.begin(), temps.begin() + long(count));
        return abandon(failure);
    };
    for (std::size_t i = 0; i < n; ++i)
        if (!fs.renameFile(temps[i], files[i].target))
            return putBack(i, lead(files[i]) + fileFailure(files[i].target, "put the new file in place", errno));
    // The old files are let go only once the new ones pass in place.
    if (checkInPlace)
        if (auto why = checkInPlace()) return putBack(n, *why);
    // From here on the new set is in place; what is left to tidy, the next load tidies.
    fs.syncFolder(folder);
    bool tidy = true;
    for (const auto& p : kept) tidy = fs.removeFile(p) && tidy;
    if (tidy && fs.removeFile(recordPath)) fs.syncFolder(folder);
    return std::nullopt;
}

namespace
{
// The size read would find: links are measured at their end only where the file system
// follows them, which its own read decides; anything else is left for the read to refuse.
bool fitsIn(CFileSystem& fs, const fs::path& path, uint64_t limit)
{
    CFileStatus st;
    uint64_t size = 0;
    if (fs.status(path, st) && st.exists && st.regular)
        size = st.size;
    else
    {
        std::error_code ec;
        if (fs::is_regular_file(path, ec)) size = fs::file_size(path, ec);
        if (ec) size = 0;
    }
    if (size <= limit) return true;
    errno = kFileTooLarge;
    return false;
}
} // namespace

bool readFileAtMost(CFileSystem& fs, const fs::path& path, uint64_t limit, std::vector<uint8_t>& out)
{
    if (!fitsIn(fs, path, limit)) return false;
    if (!fs.readFile(path, out)) return false;
    // Grown since it was measured.
    if (out.size() <= limit) return true;
    out.clear();
    out.shrink_to_fit();
    errno = kFileTooLarge;
    return false;
}

bool viewFileAtMost(CFileSystem& fs, const fs::path& path, uint64_t limit, CFileBytes& out)
{
    if (!fitsIn(fs, path, limit) || !fs.viewFile(path, out)) return false;
    if (out.bytes().size() <= limit) return true;
    out = CFileBytes();
    errno = kFileTooLarge;
    return false;
}

std::optional<std::string> replaceFile(CFileSystem& fs, const fs::path& target, std::span<const uint8_t> bytes,
                                       const std::string& operation)
{
    CFileStatus old;
    if (!fs.status(target, old)) return fileFailure(target, "examine", errno);
    if (old.exists && !old.regular) return fileFailure(target, "replace", kNotRegularFile);
    const fs::path folder = target.parent_path();
    const std::string base = utf8FromPath(target.filename()) + kNewMark + operation + ".";
    fs::path temp;
    for (int attempt = 0;; ++attempt)
    {
        temp = folder / pathFromUtf8(base + randomSuffix());
        if (fs.createFile(temp, bytes, old.exists ? &old : nullptr)) break;
        // Something has taken the name (a planted link, say): another name.
        if (errno == EEXIST && attempt < 8) continue;
        return fileFailure(target, "write the new contents", errno);
    }
    if (!fs.renameFile(temp, target))
    {
        const int e = errno;
        fs.removeFile(temp);
        return fileFailure(target, "put the new file in place", e);
    }
    if (!fs.syncFolder(folder)) return fileFailure(folder, "flush the folder", errno);
    return std::nullopt;
}
