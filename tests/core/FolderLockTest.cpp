// Locks between processes, and the commands and saves that hold them. The other program is
// a child process: made with fork on POSIX systems; on Windows, this test program started
// again to run only the helper at the end, which holds the lock until told to let go.
#include "PlantedFiles.h"
#include "RunCommand.h"
#include "TempFolder.h"

#include "database/Backup.h"
#include "database/Database.h"
#include "database/GameFileFingerprints.h"
#include "database/GameFiles.h"
#include "sample/SampleGame.h"
#include "util/FolderLock.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <future>
#include <iostream>
#include <thread>
#include <tuple>
#ifdef _WIN32
#include "util/WinPath.h"

#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace
{
#ifdef _WIN32
constexpr const char* kHolderFolder = "OBRIX_TEST_LOCK_HOLDER_FOLDER";
constexpr const char* kHolderSignals = "OBRIX_TEST_LOCK_HOLDER_SIGNALS";

// Another program holding a folder's lock: this test program again, running only
// FolderLockHolder.DISABLED_HoldsTheLockUntilToldToLetGo. It answers through files in a
// folder of signals: "locked" or "failed" once it has tried, and it lets go and ends when
// "let-go" appears. Killed, it ends at once.
class OtherProgram
{
public:
    explicit OtherProgram(const fs::path& folder)
    {
        wchar_t self[32768];
        const DWORD n = GetModuleFileNameW(nullptr, self, 32768);
        if (n == 0 || n >= 32768) return;
        _wputenv_s(wideFromUtf8(kHolderFolder).c_str(), folder.native().c_str());
        _wputenv_s(wideFromUtf8(kHolderSignals).c_str(), m_signals.path().native().c_str());
        // The helper runs whatever share of the tests this process was given.
        std::vector<std::pair<std::wstring, std::wstring>> sharding;
        for (const wchar_t* name : {L"GTEST_TOTAL_SHARDS", L"GTEST_SHARD_INDEX"})
            if (const wchar_t* value = _wgetenv(name))
            {
                sharding.emplace_back(name, value);
                _wputenv_s(name, L"");
            }
        std::wstring line = L"\"" + std::wstring(self) + L"\" --gtest_also_run_disabled_tests "
                            L"--gtest_filter=FolderLockHolder.DISABLED_HoldsTheLockUntilToldToLetGo";
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        HANDLE nul = CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                 OPEN_EXISTING, 0, nullptr);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = startup.hStdOutput = startup.hStdError = nul;
        PROCESS_INFORMATION process{};
        const bool started = CreateProcessW(self, line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                                            nullptr, &startup, &process);
        CloseHandle(nul);
        _wputenv_s(wideFromUtf8(kHolderFolder).c_str(), L"");
        _wputenv_s(wideFromUtf8(kHolderSignals).c_str(), L"");
        for (const auto& [name, value] : sharding) _wputenv_s(name.c_str(), value.c_str());
        if (!started) return;
        CloseHandle(process.hThread);
        m_process = process.hProcess;
        const auto deadline = std::chrono::steady_clock::now() + 60s;
        while (std::chrono::steady_clock::now() < deadline)
        {
            if (fs::exists(m_signals.path() / "locked")) m_locked = true;
            if (m_locked || fs::exists(m_signals.path() / "failed")) break;
            if (WaitForSingleObject(m_process, 10) == WAIT_OBJECT_0) break;
        }
    }
    ~OtherProgram() { letGo(); }
    bool locked() const { return m_locked; }
    void letGo()
    {
        if (!m_process) return;
        m_signals.write("let-go", {});
        WaitForSingleObject(m_process, 60000);
        CloseHandle(m_process);
        m_process = nullptr;
    }
    void kill()
    {
        TerminateProcess(m_process, 9);
        WaitForSingleObject(m_process, 60000);
        CloseHandle(m_process);
        m_process = nullptr;
    }

private:
    TempFolder m_signals;
    HANDLE m_process = nullptr;
    bool m_locked = false;
};

// A third program's try at the lock file, as CFolderLock makes it.
bool thirdProgramLocks(const fs::path& lockFile)
{
    HANDLE h = CreateFileW(systemPath(lockFile).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    OVERLAPPED at{};
    const bool locked = LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at);
    CloseHandle(h);
    return locked;
}

void setWait(const char* value)
{
    _putenv_s("OBRIX_LOCK_WAIT_MS", value);
}
#else
// Another program holding a folder's lock: a child process that takes it and keeps it
// until it is told to let go (and ends cleanly) or is killed.
class OtherProgram
{
public:
    explicit OtherProgram(const fs::path& folder)
    {
        int up[2], down[2];
        if (::pipe(up) != 0 || ::pipe(down) != 0) return;
        m_pid = ::fork();
        if (m_pid == 0)
        {
            ::close(up[0]);
            ::close(down[1]);
            CFolderLock lock;
            char c = lock.acquire(folder, 0ms) == CFolderLock::CResult::Locked ? 'L' : 'F';
            (void)!::write(up[1], &c, 1);
            (void)!::read(down[0], &c, 1);  // returns when the parent closes its end
            lock.release();
            ::_exit(0);
        }
        ::close(up[1]);
        ::close(down[0]);
        m_tell = down[1];
        char c = 0;
        m_locked = ::read(up[0], &c, 1) == 1 && c == 'L';
        ::close(up[0]);
    }
    ~OtherProgram() { letGo(); }
    bool locked() const { return m_locked; }
    void letGo()
    {
        if (m_pid <= 0) return;
        ::close(m_tell);
        ::waitpid(m_pid, nullptr, 0);
        m_pid = -1;
    }
    void kill()
    {
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, nullptr, 0);
        ::close(m_tell);
        m_pid = -1;
    }

private:
    pid_t m_pid = -1;
    int m_tell = -1;
    bool m_locked = false;
};

// A third program's try at the lock file, as CFolderLock makes it.
bool thirdProgramLocks(const fs::path& lockFile)
{
    const int fd = ::open(lockFile.c_str(), O_RDONLY | O_CREAT, 0644);
    const bool locked = fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    if (fd >= 0) ::close(fd);
    return locked;
}

void setWait(const char* value)
{
    if (value[0])
        ::setenv("OBRIX_LOCK_WAIT_MS", value, 1);
    else
        ::unsetenv("OBRIX_LOCK_WAIT_MS");
}
#endif

std::string quoted(const fs::path& p)
{
    return "'" + p.string() + "'";
}

// A short wait for other programs, for this test only.
class ShortWait
{
public:
    ShortWait() { setWait("200"); }
    ~ShortWait() { setWait(""); }
};

// A copy of one sample game, made once.
void copySample(const fs::path& to)
{
    static TempFolder sample;
    static const bool written = !writeSampleGame(sample.path() / "golvar", {5, CSampleScale::Small});
    ASSERT_TRUE(written);
    fs::copy(sample.path() / "golvar", to, fs::copy_options::recursive);
}

class FolderLockTest : public ::testing::Test
{
protected:
    void SetUp() override { copySample(game()); }
    fs::path game() const { return m_temp.path() / "golvar"; }
    fs::path databaseFolder() const { return CGameFiles(game()).databaseFolder(); }
    std::vector<uint8_t> databaseBytes() const { return m_temp.read("golvar/DATA/CMN/FE/FCDB.DBI"); }
    TempFolder m_temp;
};

// Commits die at their first rename: the record is written, the targets still old.
class KilledAtRename : public CFileSystem
{
public:
    struct Killed
    {
    };
    bool renameFile(const fs::path&, const fs::path&) override { throw Killed{}; }
};
} // namespace

TEST_F(FolderLockTest, NestsInOneProcessAndLeavesNoFileBehind)
{
    const fs::path lockFile = databaseFolder() / locktexts::kLockFileName;
    CFolderLock outer, inner;
    ASSERT_EQ(outer.acquire(databaseFolder(), 0ms), CFolderLock::CResult::Locked);
    EXPECT_TRUE(fs::exists(lockFile));
    // The same folder by another spelling of its path is the same lock.
    EXPECT_EQ(inner.acquire(game() / "DATA" / "CMN" / ".." / "CMN" / "FE", 0ms), CFolderLock::CResult::Locked);
    inner.release();
    EXPECT_TRUE(CFolderLock::heldHere(databaseFolder()));
    EXPECT_TRUE(fs::exists(lockFile));
    outer.release();
    EXPECT_FALSE(CFolderLock::heldHere(databaseFolder()));
    EXPECT_FALSE(fs::exists(lockFile));
}

// Another program keeps the lock for the whole wait: refused after the wait, not before;
// however that program ends, its lock goes with it, and a lock file it left is no obstacle.
TEST_F(FolderLockTest, WaitsForAnotherProgramAndNeverForOneThatIsGone)
{
    for (const bool killed : {false, true})
    {
        SCOPED_TRACE(killed ? "killed" : "ended");
        OtherProgram other(databaseFolder());
        ASSERT_TRUE(other.locked());
        EXPECT_FALSE(CFolderLock::heldHere(databaseFolder()));
        CFolderLock lock;
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(lock.acquire(databaseFolder(), 150ms), CFolderLock::CResult::Busy);
        EXPECT_GE(std::chrono::steady_clock::now() - start, 150ms);
        EXPECT_FALSE(lock.held());
        if (killed)
        {
            other.kill();
            EXPECT_TRUE(fs::exists(databaseFolder() / locktexts::kLockFileName));
        }
        else
            other.letGo();
        EXPECT_EQ(lock.acquire(databaseFolder(), 0ms), CFolderLock::CResult::Locked);
    }
}

// A waiter that opened the lock file just before its holder removed it must not take a
// lock on the removed file while a third program locks the new one.
TEST_F(FolderLockTest, AWaiterGetsTheFolderOnlyAfterTheHolderLetsGo)
{
    OtherProgram other(databaseFolder());
    ASSERT_TRUE(other.locked());
    auto waiter = std::async(std::launch::async, [&] {
        CFolderLock lock;
        const auto result = lock.acquire(databaseFolder(), 5000ms);
        // A third program opening the file now at the name must find it locked.
        const bool thirdLocked = thirdProgramLocks(databaseFolder() / locktexts::kLockFileName);
        return std::make_pair(result, thirdLocked);
    });
    std::this_thread::sleep_for(100ms);
    other.letGo();
    const auto [result, thirdLocked] = waiter.get();
    EXPECT_EQ(result, CFolderLock::CResult::Locked);
    EXPECT_FALSE(thirdLocked);
}

// Whatever is planted at the lock file's name is neither followed nor waited on.
TEST_F(FolderLockTest, RefusesALinkPipeOrFolderAtTheLockFilesName)
{
    const fs::path lockFile = databaseFolder() / locktexts::kLockFileName;
    const fs::path elsewhere = m_temp.path() / "elsewhere";
    std::string why, notHere;
    const std::vector<std::pair<const char*, std::function<bool()>>> plants = {
        {"link", [&] { return plantLink(elsewhere, lockFile, why); }},
        {"pipe", [&] { return plantPipe(lockFile, why); }},
        {"folder", [&] { return fs::create_directory(lockFile); }},
    };
    for (const auto& [what, plant] : plants)
    {
        SCOPED_TRACE(what);
        if (!plant())
        {
            notHere += std::string(notHere.empty() ? "" : "; ") + what + ": " + why;
            continue;
        }
        CFolderLock lock;
        EXPECT_EQ(lock.acquire(databaseFolder(), 0ms), CFolderLock::CResult::Failed);
        EXPECT_NE(lock.failure().find(lockFile.string()), std::string::npos) << lock.failure();
        EXPECT_NE(lock.failure().find("not a regular file"), std::string::npos) << lock.failure();
        EXPECT_FALSE(fs::exists(elsewhere));
        fs::remove(lockFile);
    }
    if (!notHere.empty()) GTEST_SKIP() << "cases that cannot exist here: " << notHere;
}

// A commit cut off in the game's folder while another program holds it may be that
// program's save in progress: loading leaves it alone, and finishes it once it is free.
TEST_F(FolderLockTest, RecoveryLeavesAnotherProgramsCommitAlone)
{
    const ShortWait wait;
    {
        CDatabase db;
        ASSERT_FALSE(CGameFiles(game()).loadAll(db));
        KilledAtRename killer;
        EXPECT_THROW(CGameFiles(game(), killer).save(db), KilledAtRename::Killed);
    }
    const fs::path record = databaseFolder() / committexts::kRecordName;
    ASSERT_TRUE(fs::exists(record));

    OtherProgram other(databaseFolder());
    ASSERT_TRUE(other.locked());
    CDatabase db;
    std::string note;
    EXPECT_FALSE(CGameFiles(game()).loadAll(db, &note));
    EXPECT_EQ(note, game().string() + ": another program is saving the game's files; its unfinished save is left "
                                      "for it to finish.");
    EXPECT_TRUE(fs::exists(record));
    // Nor is a backup taken of a set in the middle of being replaced.
    std::string error;
    EXPECT_FALSE(CBackup(m_temp.path() / "data", game(), "ENG").make(&error));
    EXPECT_NE(error.find("in use by another program"), std::string::npos) << error;
    other.letGo();
    const CRecovery r = CGameFiles(game()).recoverInterrupted();
    EXPECT_EQ(r.state, CRecovery::CState::Completed);
    EXPECT_FALSE(fs::exists(record));
}

// What writes or copies the game's files through core waits for the folder too, whoever
// calls it (the editor takes no lock of its own for a restore or its first backup).
TEST_F(FolderLockTest, SaveBackupAndRestoreWaitForAnotherProgram)
{
    const ShortWait wait;
    CDatabase db;
    ASSERT_FALSE(CGameFiles(game()).loadAll(db));
    CBackup backup(m_temp.path() / "data", game(), "ENG");
    ASSERT_TRUE(backup.make());
    const auto bytes = databaseBytes();
    const std::string inUse = game().string() + ": the game folder is in use by another program.";
    OtherProgram other(databaseFolder());
    ASSERT_TRUE(other.locked());
    EXPECT_EQ(CGameFiles(game()).save(db), inUse);
    std::string error;
    EXPECT_FALSE(backup.make(&error));
    EXPECT_NE(error.find(inUse), std::string::npos) << error;
    const auto restore = backup.restore();
    EXPECT_FALSE(restore.restored);
    EXPECT_EQ(restore.message, "Nothing was restored: " + inUse);
    EXPECT_EQ(databaseBytes(), bytes);
    other.letGo();
    EXPECT_FALSE(CGameFiles(game()).save(db));
    EXPECT_TRUE(backup.restore().restored);
}

#ifdef OBRIX_CLI_PATH
// Every command that writes the game's folder waits, then refuses with exit 1 and
// changes nothing; once the other program is gone it goes ahead.
TEST_F(FolderLockTest, CommandsThatWriteTheGameFolderWaitThenRefuse)
{
    const std::string cli = std::string("OBRIX_LOCK_WAIT_MS=200 ") + OBRIX_CLI_PATH;
    const std::string data = " --data-folder " + quoted(m_temp.path() / "data");
    const fs::path csv = m_temp.path() / "t.csv";
    std::ofstream(csv) << "id,speed\n";
    int status = 0;
    runCommand(std::string(OBRIX_CLI_PATH) + " backup " + quoted(game()) + data, status);
    ASSERT_EQ(status, 0);
    const std::vector<std::string> commands = {
        "save " + quoted(game()) + data,
        "global-mod " + quoted(game()) + " --amount 1 --groups all --skills speed" + data,
        "import-table " + quoted(game()) + " " + quoted(csv),
        "backup " + quoted(game()) + data,
        "restore " + quoted(game()) + data,
        "recover " + quoted(game()),
    };
    const auto bytes = databaseBytes();
    OtherProgram other(databaseFolder());
    ASSERT_TRUE(other.locked());
    for (const auto& command : commands)
    {
        SCOPED_TRACE(command);
        const auto start = std::chrono::steady_clock::now();
        const std::string out = runCommand(cli + " " + command, status);
        EXPECT_EQ(status, 1);
        EXPECT_NE(out.find(game().string() + ": the game folder is in use by another program."), std::string::npos)
            << out;
        EXPECT_GE(std::chrono::steady_clock::now() - start, 200ms);
        EXPECT_EQ(databaseBytes(), bytes);
    }
    other.kill();
    for (const auto& command : commands)
    {
        SCOPED_TRACE(command);
        const std::string out = runCommand(cli + " " + command, status);
        EXPECT_EQ(status, 0) << out;
    }
    EXPECT_FALSE(fs::exists(databaseFolder() / locktexts::kLockFileName));
}

// Something else in the lock file's place: no command that changes the game's files goes
// on unlocked; each names the lock file and what is there, and changes nothing.
TEST_F(FolderLockTest, CommandsRefuseWhatStandsInTheLockFilesPlace)
{
    const std::string cli = std::string("OBRIX_LOCK_WAIT_MS=200 ") + OBRIX_CLI_PATH;
    const std::string data = " --data-folder " + quoted(m_temp.path() / "data");
    const fs::path csv = m_temp.path() / "t.csv";
    std::ofstream(csv) << "id,speed\n";
    int status = 0;
    runCommand(std::string(OBRIX_CLI_PATH) + " backup " + quoted(game()) + data, status);
    ASSERT_EQ(status, 0);
    const std::vector<std::string> commands = {
        "save " + quoted(game()) + data,
        "global-mod " + quoted(game()) + " --amount 1 --groups all --skills speed" + data,
        "import-table " + quoted(game()) + " " + quoted(csv),
        "backup " + quoted(game()) + data,
        "restore " + quoted(game()) + data,
        "recover " + quoted(game()),
    };
    const fs::path lockFile = databaseFolder() / locktexts::kLockFileName;
    std::string why;
    const std::vector<std::tuple<const char*, std::function<bool()>, std::size_t>> plants = {
        {"is a folder", [&] { return fs::create_directory(lockFile); }, commands.size()},
        {"is a link", [&] { return plantLink(m_temp.path() / "elsewhere", lockFile, why); }, 1},
        {"is a pipe", [&] { return plantPipe(lockFile, why); }, 1},
    };
    const auto bytes = databaseBytes();
    for (const auto& [what, plant, count] : plants)
    {
        if (!plant())
        {
            std::cout << "[ skipped ] " << what << ": " << why << "\n";
            continue;
        }
        for (std::size_t i = 0; i < count; ++i)
        {
            SCOPED_TRACE(commands[i] + " when " + what);
            const std::string out = runCommand(cli + " " + commands[i], status);
            EXPECT_EQ(status, 1) << out;
            EXPECT_NE(out.find(lockFile.string() + " " + what), std::string::npos) << out;
            EXPECT_EQ(databaseBytes(), bytes);
        }
        fs::remove(lockFile);
    }
}

// Two programs changing one folder at once: each change that is reported saved is in
// the files afterwards.
TEST_F(FolderLockTest, TwoCommandsAtOnceNeverLoseAChange)
{
    const std::string cli = OBRIX_CLI_PATH;
    const std::string data = " --data-folder " + quoted(m_temp.path() / "data");
    auto globalMod = [&](const char* skill) {
        return std::async(std::launch::async, [=, this] {
            int status = 0;
            const std::string out = runCommand(cli + " global-mod " + quoted(game()) + " --amount 1 --groups all --skills "
                                                   + skill + data,
                                               status);
            return std::make_pair(status, out);
        });
    };
    for (int round = 0; round < 3; ++round)
    {
        SCOPED_TRACE("round " + std::to_string(round));
        CDatabase before;
        ASSERT_FALSE(CGameFiles(game()).loadAll(before));
        auto speed = globalMod("speed");
        auto tackle = globalMod("tackle");
        const auto [speedStatus, speedOut] = speed.get();
        const auto [tackleStatus, tackleOut] = tackle.get();
        for (const auto& [status, out] : {std::pair(speedStatus, speedOut), std::pair(tackleStatus, tackleOut)})
        {
            const bool saved = out.find("Saved ") != std::string::npos;
            EXPECT_TRUE(saved ? status == 0 : status == 1 && out.find("in use by another program") != std::string::npos)
                << out;
        }
        CDatabase after;
        ASSERT_FALSE(CGameFiles(game()).loadAll(after));
        int checked = 0;
        // Plain copies: clang 14 does not let a lambda capture structured bindings.
        const int speedSaved = speedStatus, tackleSaved = tackleStatus;
        before.forEachPlayer([&](const CPlayer& p) {
            const CPlayer* now = after.player(p.id);
            ASSERT_NE(now, nullptr);
            EXPECT_EQ(now->speed, speedSaved == 0 ? std::min(15, p.speed + 1) : p.speed) << p.id;
            EXPECT_EQ(now->tackle, tackleSaved == 0 ? std::min(15, p.tackle + 1) : p.tackle) << p.id;
            ++checked;
        });
        EXPECT_GT(checked, 0);
    }
}
#endif

// The editor's check before it saves: which of the files it read differ now.
TEST_F(FolderLockTest, FingerprintsNameTheFilesAnotherProgramChanged)
{
    const std::string dbi = "golvar/DATA/CMN/FE/FCDB.DBI", names = "golvar/DATA/CMN/FE/FCDB_ENG.DBI",
                      players = "golvar/DATA/CMN/FE/FCDBPENG.DBI";
    struct Case
    {
        const char* what;
        std::function<void(const TempFolder&)> change;
        std::vector<std::string> changed;
    };
    const std::vector<Case> cases = {
        {"nothing", [](const TempFolder&) {}, {}},
        {"the same bytes written again",
         [&](const TempFolder& t) {
             std::this_thread::sleep_for(10ms);
             t.write(dbi, t.read(dbi));
         },
         {}},
        {"one byte of the database, same size",
         [&](const TempFolder& t) {
             auto b = t.read(dbi);
             b[b.size() / 2] ^= 0x01;
             t.write(dbi, b);
         },
         {"\\DATA\\CMN\\FE\\FCDB.DBI"}},
        {"the name file grown",
         [&](const TempFolder& t) {
             auto b = t.read(names);
             b.push_back(0);
             t.write(names, b);
         },
         {"\\DATA\\CMN\\FE\\FCDB_ENG.DBI"}},
        {"the player name file gone (nothing in it to lose)",
         [&](const TempFolder& t) { fs::remove(t.path() / players); },
         {}},
        {"the player name file replaced by a longer one",
         [&](const TempFolder& t) {
             auto b = t.read(players);
             fs::remove(t.path() / players);
             b.insert(b.end(), {'x', 0});
             t.write(players, b);
         },
         {"\\DATA\\CMN\\FE\\FCDBPENG.DBI"}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        TempFolder t;
        copySample(t.path() / "golvar");
        const auto taken = CGameFileFingerprints::take(t.path() / "golvar", "ENG");
        ASSERT_EQ(taken.files().size(), 3u);
        c.change(t);
        EXPECT_EQ(taken.changedFiles(), c.changed);
        // Taken again, the files as they are now are the ones read.
        EXPECT_TRUE(CGameFileFingerprints::take(t.path() / "golvar", "ENG").changedFiles().empty());
    }
}

#ifdef _WIN32
// The other program of the tests above, run only when they start it.
TEST(FolderLockHolder, DISABLED_HoldsTheLockUntilToldToLetGo)
{
    const char* folder = std::getenv(kHolderFolder);
    const char* signals = std::getenv(kHolderSignals);
    if (!folder || !signals || !*folder || !*signals) GTEST_SKIP() << "started by the tests of the folder lock";
    const fs::path signalFolder = fs::path(wideFromUtf8(signals));
    CFolderLock lock;
    const bool locked = lock.acquire(fs::path(wideFromUtf8(folder)), 0ms) == CFolderLock::CResult::Locked;
    std::ofstream(signalFolder / (locked ? "locked" : "failed")).flush();
    while (locked && !fs::exists(signalFolder / "let-go")) std::this_thread::sleep_for(5ms);
    lock.release();
}
#endif
