#include "exchange/Packer.h"

#include "exchange/ExchangeTexts.h"
#include "exchange/PackedCodec.h"
#include "settings/Prompts.h"
#include "util/FileCommit.h"
#include "util/Format.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <thread>

#ifdef _WIN32
#include "util/WinPath.h"

#include <windows.h>
#else
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
extern char** environ;
#endif

namespace fs = std::filesystem;

namespace
{
// At most limit bytes of a file; nothing when it cannot be read or is no regular file
// (a pipe in its place must not hang the program).
std::optional<std::vector<uint8_t>> readHead(const fs::path& path, std::size_t limit)
{
    std::vector<uint8_t> bytes;
    if (!CFileSystem::real().readFile(path, bytes)) return std::nullopt;
    if (bytes.size() > limit) bytes.resize(limit);
    return bytes;
}
}  // namespace

std::optional<std::size_t> announcedUnpackedLength(const std::string& packedFile)
{
    // The longest header (0x91FB) is ten bytes.
    const auto head = readHead(packedFile, 10);
    if (!head) return std::nullopt;
    return packedUnpackedLength(*head);
}

std::string windowsCommandLine(const std::vector<std::string>& arguments)
{
    std::string line;
    for (const auto& a : arguments)
    {
        if (!line.empty()) line += ' ';
        if (!a.empty() && a.find_first_of(" \t\n\v\"") == std::string::npos)
        {
            line += a;
            continue;
        }
        line += '"';
        std::size_t backslashes = 0;
        for (char c : a)
        {
            if (c == '\\')
            {
                ++backslashes;
                continue;
            }
            // Backslashes before a quote are doubled and the quote escaped; elsewhere
            // they stand for themselves.
            line.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
            backslashes = 0;
            line += c;
        }
        line.append(backslashes * 2, '\\');  // before the closing quote
        line += '"';
    }
    return line;
}

// ---------------------------------------------------------------------------------------
// In this process

std::vector<uint8_t> CInProcessPacker::unpackFile(const std::string& source, std::size_t capacity)
{
    std::vector<uint8_t> packed;
    if (!CFileSystem::real().readFile(source, packed)) return {};
    CUnpackResult result = unpackBytes(packed);
    if (!result.ok()) return {};
    if (result.data.size() > capacity) result.data.resize(capacity);
    return std::move(result.data);
}

bool CInProcessPacker::packFile(const std::string& source, const std::string& target)
{
    std::vector<uint8_t> data;
    if (!CFileSystem::real().readFile(source, data)) return false;
    return !commitFiles(CFileSystem::real(), {CPendingFile{target, packBytes(data), {}}}).has_value();
}

// ---------------------------------------------------------------------------------------
// The separate program

namespace
{
enum class CRunOutcome
{
    NotStarted,  // already reported to the user
    TimedOut,
    Ended,
};

struct CRun
{
    CRunOutcome outcome = CRunOutcome::NotStarted;
    int exitCode = -1;
};

void reportStartFailure(CPrompts& prompts, const char* systemText, int code)
{
    prompts.message(formatText(exchangetexts::kPackerStartFailed, systemText ? systemText : exchangetexts::kNoSystemText,
                               code),
                    CPrompts::CIcon::Error);
}

#ifdef _WIN32

constexpr const char* kProgramFileName = "GFXPAK.EXE";
constexpr char kPathSeparator = ';';

bool isRunnable(const fs::path& path)
{
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

void reportLastError(CPrompts& prompts)
{
    const DWORD code = GetLastError();
    char* text = nullptr;
    const DWORD length =
        FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<LPSTR>(&text), 0,
                       nullptr);
    reportStartFailure(prompts, length && text ? text : nullptr, int(code));
    if (text) LocalFree(text);
}

// Started directly (no shell), hidden, its arguments quoted by the Windows rules; stopped
// when it runs past the limit.
CRun runProgram(const std::string& program, const std::vector<std::string>& arguments,
                std::chrono::milliseconds limit, CPrompts& prompts)
{
    std::vector<std::string> all{exchangetexts::kPackerProgram};
    all.insert(all.end(), arguments.begin(), arguments.end());
    std::wstring line = wideFromUtf8(windowsCommandLine(all));
    line.push_back(L'\0');
    const std::wstring application = systemPath(fs::path(wideFromUtf8(program)));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process{};
    // Started suspended in a job of its own, so that stopping it also stops whatever it
    // started (as a process group does elsewhere).
    if (!CreateProcessW(application.c_str(), line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW | CREATE_SUSPENDED,
                        nullptr, nullptr, &startup, &process))
    {
        reportLastError(prompts);
        return {};
    }
    HANDLE job = CreateJobObjectW(nullptr, nullptr);
    if (job && !AssignProcessToJobObject(job, process.hProcess))
    {
        CloseHandle(job);
        job = nullptr;  // already in a job that allows no other: stopped alone
    }
    ResumeThread(process.hThread);
    CloseHandle(process.hThread);
    CRun run;
    const auto ms = std::clamp<long long>(limit.count(), 0, INFINITE - 1);
    if (WaitForSingleObject(process.hProcess, DWORD(ms)) == WAIT_OBJECT_0)
    {
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        run.outcome = CRunOutcome::Ended;
        run.exitCode = int(code);
    }
    else
    {
        if (!job || !TerminateJobObject(job, 1)) TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, 5000);
        run.outcome = CRunOutcome::TimedOut;
    }
    if (job) CloseHandle(job);
    CloseHandle(process.hProcess);
    return run;
}

std::optional<fs::path> makeTemporaryFile()
{
    wchar_t folder[MAX_PATH + 1];
    const DWORD n = GetTempPathW(MAX_PATH + 1, folder);
    if (n == 0 || n > MAX_PATH) return std::nullopt;
    wchar_t name[MAX_PATH + 1];
    if (GetTempFileNameW(folder, wideFromUtf8(exchangetexts::kTempPrefix).c_str(), 0, name) == 0) return std::nullopt;
    return fs::path(name);
}

#else

constexpr const char* kProgramFileName = exchangetexts::kPackerProgram;
constexpr char kPathSeparator = ':';

bool isRunnable(const fs::path& path)
{
    struct stat st{};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

// Why a program cannot be run, as errno would say it; 0 when it looks runnable. Some C
// libraries only learn that exec failed in the child, and report it as exit status 127,
// which would pass for a packer that ran and failed; asking first keeps the user's message.
int whyNotRunnable(const std::string& program)
{
    struct stat st{};
    if (::stat(program.c_str(), &st) != 0) return errno;
    if (!S_ISREG(st.st_mode)) return EACCES;  // what exec says of a folder
    if (::access(program.c_str(), X_OK) != 0) return errno;
    return 0;
}

class CSpawnSetup
{
public:
    CSpawnSetup()
    {
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 34))
        // Files the editor has open stay its own; the packer keeps only stderr, where it
        // explains a failure.
        posix_spawn_file_actions_addclosefrom_np(&actions, 3);
#endif
        posix_spawnattr_init(&attributes);
        // A group of its own, so that stopping it also stops whatever it started.
        posix_spawnattr_setpgroup(&attributes, 0);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    }
    ~CSpawnSetup()
    {
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
    }
    CSpawnSetup(const CSpawnSetup&) = delete;
    CSpawnSetup& operator=(const CSpawnSetup&) = delete;

    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
};

CRun runProgram(const std::string& program, const std::vector<std::string>& arguments, std::chrono::milliseconds limit,
                CPrompts& prompts)
{
    if (const int why = whyNotRunnable(program))
    {
        reportStartFailure(prompts, std::strerror(why), why);
        return {};
    }
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(exchangetexts::kPackerProgram));
    for (const auto& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    CSpawnSetup setup;
    pid_t pid = 0;
    if (const int error = posix_spawn(&pid, program.c_str(), &setup.actions, &setup.attributes, argv.data(), environ))
    {
        reportStartFailure(prompts, std::strerror(error), error);
        return {};
    }

    // The packer takes a few milliseconds for an exchange file: look often at first, then
    // less often, so a slow run does not cost a busy loop.
    const auto deadline = std::chrono::steady_clock::now() + limit;
    auto pause = std::chrono::microseconds(500);
    CRun run;
    for (;;)
    {
        int status = 0;
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid)
        {
            run.outcome = CRunOutcome::Ended;
            run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            return run;
        }
        if (done < 0 && errno != EINTR)
        {
            // Someone else reaped it; whether it worked is only known from its output.
            run.outcome = CRunOutcome::Ended;
            return run;
        }
        if (std::chrono::steady_clock::now() >= deadline) break;
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::microseconds(20000));
    }
    ::kill(-pid, SIGKILL);
    ::kill(pid, SIGKILL);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR)
    {
    }
    run.outcome = CRunOutcome::TimedOut;
    return run;
}

std::optional<fs::path> makeTemporaryFile()
{
    std::error_code ec;
    const fs::path folder = fs::temp_directory_path(ec);
    if (ec) return std::nullopt;
    std::string pattern = (folder / (std::string(exchangetexts::kTempPrefix) + "XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) return std::nullopt;
    ::close(fd);
    return fs::path(pattern);
}

#endif

void removeQuietly(const fs::path& path)
{
    std::error_code ec;
    fs::remove(path, ec);
}
}  // namespace

CExternalPacker::CExternalPacker(std::string program, CPrompts& prompts, std::chrono::milliseconds timeLimit)
    : m_program(std::move(program)), m_prompts(prompts), m_timeLimit(timeLimit)
{
}

std::optional<std::string> CExternalPacker::findProgram(const std::string& executableFolder)
{
    std::vector<fs::path> folders;
    if (!executableFolder.empty())
    {
        folders.emplace_back(executableFolder);
        // An installed editor may keep its helper programs out of the user's PATH, in the
        // install's own folders next to bin/.
        folders.push_back(fs::path(executableFolder) / ".." / "libexec" / "obrix");
        folders.push_back(fs::path(executableFolder) / ".." / "lib" / "obrix");
    }
    std::error_code ec;
    const fs::path current = fs::current_path(ec);
    if (!ec) folders.push_back(current);
    if (const char* path = std::getenv("PATH"))
    {
        std::string_view rest(path);
        while (!rest.empty())
        {
            const auto cut = rest.find(kPathSeparator);
            const std::string_view entry = rest.substr(0, cut);
            // An empty entry means the current directory, which has been looked at.
            if (!entry.empty()) folders.emplace_back(std::string(entry));
            if (cut == std::string_view::npos) break;
            rest.remove_prefix(cut + 1);
        }
    }
    for (const auto& folder : folders)
    {
        const fs::path candidate = folder / kProgramFileName;
        if (!isRunnable(candidate)) continue;
        const fs::path full = fs::absolute(candidate, ec);
        return (ec ? candidate : full).lexically_normal().string();
    }
    return std::nullopt;
}

std::vector<uint8_t> CExternalPacker::unpackFile(const std::string& source, std::size_t capacity)
{
    const auto temporary = makeTemporaryFile();
    if (!temporary) return {};
#ifdef _WIN32
    const std::string temporaryName = utf8FromWide(temporary->native());
#else
    const std::string temporaryName = temporary->string();
#endif
    const CRun run = runProgram(m_program, {"-decompress", source, temporaryName}, m_timeLimit, m_prompts);
    // Whatever the program's exit code, its output file is the answer; a program that
    // never started leaves it empty, and one that was stopped may have left half of it.
    std::vector<uint8_t> bytes;
    if (run.outcome != CRunOutcome::TimedOut)
    {
        if (auto read = readHead(*temporary, capacity)) bytes = std::move(*read);
    }
    removeQuietly(*temporary);
    return bytes;
}

bool CExternalPacker::packFile(const std::string& source, const std::string& target)
{
    const CRun run = runProgram(m_program, {"-compress", source, target}, m_timeLimit, m_prompts);
    if (run.outcome != CRunOutcome::Ended || run.exitCode != 0) return false;
    std::error_code ec;
    return fs::is_regular_file(target, ec);
}
