#include "exchange/Packer.h"

#include "exchange/ExchangeTexts.h"
#include "exchange/PackedCodec.h"
#include "util/Format.h"

#include "FakePrompts.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#ifndef _WIN32
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace
{
using Bytes = std::vector<uint8_t>;

// Repetitive enough to pack, varied enough that a cut in the wrong place shows.
Bytes sampleBytes(std::size_t n)
{
    Bytes out(n);
    for (std::size_t i = 0; i < n; ++i) out[i] = uint8_t((i % 97) ^ (i / 251));
    return out;
}

std::vector<std::string> temporaryLeftovers(const fs::path& folder)
{
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(folder))
        if (e.path().filename().string().rfind(exchangetexts::kTempPrefix, 0) == 0) out.push_back(e.path().string());
    return out;
}

#ifndef _WIN32
// Sets an environment variable for one test and puts the old value back.
class ScopedEnv
{
public:
    ScopedEnv(const char* name, const std::string& value) : m_name(name)
    {
        if (const char* old = std::getenv(name)) m_old = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv()
    {
        if (m_old)
            ::setenv(m_name, m_old->c_str(), 1);
        else
            ::unsetenv(m_name);
    }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

class ScopedCurrentPath
{
public:
    explicit ScopedCurrentPath(const fs::path& to) : m_old(fs::current_path()) { fs::current_path(to); }
    ~ScopedCurrentPath() { fs::current_path(m_old); }

private:
    fs::path m_old;
};

std::string writeScript(const TempFolder& folder, const std::string& name, const std::string& body)
{
    const std::string text = "#!/bin/sh\n" + body + "\n";
    folder.write(name, Bytes(text.begin(), text.end()));
    const fs::path path = folder.path() / name;
    fs::permissions(path, fs::perms::owner_all, fs::perm_options::add);
    return path.string();
}

std::string textOf(const fs::path& path)
{
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool processGoneOrZombie(pid_t pid)
{
    if (::kill(pid, 0) != 0) return errno == ESRCH;
    // An orphan waits for whoever adopts it to reap it; it no longer runs.
    const std::string stat = textOf("/proc/" + std::to_string(pid) + "/stat");
    const auto close = stat.rfind(')');
    return close != std::string::npos && close + 2 < stat.size() && stat[close + 2] == 'Z';
}

// Every run of the packer program below gets a temporary folder of its own, so that what
// it leaves behind can be counted without other tests' files in the way.
class PackerProgram : public ::testing::Test
{
protected:
    TempFolder work;
    TempFolder temporary;
    ScopedEnv tmpdir{"TMPDIR", temporary.path().string()};
    FakePrompts prompts;
};
#endif
}  // namespace

TEST(PackerInProcess, PacksThenUnpacksWithinCapacity)
{
    TempFolder folder;
    const Bytes data = sampleBytes(20000);
    folder.write("plain.bin", data);
    CInProcessPacker packer;
    const std::string packedPath = (folder.path() / "packed.db").string();
    ASSERT_TRUE(packer.packFile((folder.path() / "plain.bin").string(), packedPath));

    EXPECT_EQ(announcedUnpackedLength(packedPath), data.size());
    EXPECT_EQ(packer.unpackFile(packedPath, data.size()), data);
    EXPECT_EQ(packer.unpackFile(packedPath, data.size() + 100), data);
    EXPECT_EQ(packer.unpackFile(packedPath, 10), Bytes(data.begin(), data.begin() + 10));
    EXPECT_EQ(folder.files(), (std::vector<std::string>{"packed.db", "plain.bin"}));
}

TEST(PackerInProcess, FailuresGiveNothing)
{
    TempFolder folder;
    CInProcessPacker packer;
    folder.write("plain.bin", sampleBytes(100));
    EXPECT_TRUE(packer.unpackFile((folder.path() / "plain.bin").string(), 1000).empty());
    EXPECT_TRUE(packer.unpackFile((folder.path() / "missing.db").string(), 1000).empty());
    Bytes cut = packBytes(sampleBytes(5000));
    cut.resize(cut.size() / 2);
    folder.write("cut.db", cut);
    EXPECT_TRUE(packer.unpackFile((folder.path() / "cut.db").string(), 5000).empty());

    EXPECT_FALSE(packer.packFile((folder.path() / "missing.bin").string(), (folder.path() / "out.db").string()));
    EXPECT_FALSE(packer.packFile((folder.path() / "plain.bin").string(), (folder.path() / "no/such/out.db").string()));
}

TEST(PackerAnnouncedLength, ReadsTheLengthOfTheHeaderFormTheCodecDecodes)
{
    TempFolder folder;
    folder.write("five.db", {0x10, 0xFB, 0x01, 0x02, 0x03});
    folder.write("longer.db", {0x11, 0xFB, 0xFF, 0x00, 0x80, 0x12, 0x34, 0x56, 0xFC});
    folder.write("four.db", {0x10, 0xFB, 0x01, 0x02});
    folder.write("empty.db", {});
    const auto at = [&](const char* name) { return announcedUnpackedLength((folder.path() / name).string()); };

    EXPECT_EQ(at("five.db"), 0x010203u);
    // 0x11FB: the three bytes after the type are skipped; the length follows them.
    EXPECT_EQ(at("longer.db"), 0x123456u);
    EXPECT_EQ(at("four.db"), std::nullopt);
    EXPECT_EQ(at("empty.db"), std::nullopt);
    EXPECT_EQ(at("missing.db"), std::nullopt);
}

// What CommandLineToArgvW and the C runtime read back is each argument as given.
TEST(PackerWindowsCommandLine, QuotesBlanksQuotesAndBackslashesByTheWindowsRules)
{
    struct Case
    {
        std::vector<std::string> arguments;
        std::string line;
    };
    const Case cases[] = {
        {{"GFXPAK", "-compress", "a.bin", "b.db"}, "GFXPAK -compress a.bin b.db"},
        {{"GFXPAK", "C:\\My Games\\in file.db"}, "GFXPAK \"C:\\My Games\\in file.db\""},
        {{"x", ""}, "x \"\""},
        {{"x", "say \"hi\""}, "x \"say \\\"hi\\\"\""},
        {{"x", "a\\\\b"}, "x a\\\\b"},  // no blank: backslashes stand as they are
        {{"x", "C:\\Folder With Blank\\"}, "x \"C:\\Folder With Blank\\\\\""},
        {{"x", "tail\\\"q"}, "x \"tail\\\\\\\"q\""},
        {{"x", "tab\there"}, "x \"tab\there\""},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(windowsCommandLine(c.arguments), c.line);
    }
}

#ifdef _WIN32
// The real program started with CreateProcessW: names with blanks, a trailing blank in a
// folder name and backslashes arrive whole, and the temporary file goes.
TEST(PackerProgramWindows, RealProgramGetsNamesWithBlanksAndBackslashes)
{
    TempFolder work;
    FakePrompts prompts;
    const Bytes data = sampleBytes(30000);
    const auto folder = work.path() / "my games" / "league ' s  files";
    work.write("my games/league ' s  files/in file.db", packBytes(data));
    CExternalPacker packer(OBRIX_GFXPAK_PATH, prompts);
    const std::string source = (folder / "in file.db").string();
    EXPECT_EQ(packer.unpackFile(source, data.size()), data);
    work.write("my games/plain data.bin", data);
    const std::string target = (folder / "out  file.db").string();
    ASSERT_TRUE(packer.packFile((work.path() / "my games" / "plain data.bin").string(), target));
    const CUnpackResult back = unpackBytes(work.read("my games/league ' s  files/out  file.db"));
    ASSERT_TRUE(back.ok()) << back.message;
    EXPECT_EQ(back.data, data);
    EXPECT_TRUE(prompts.asked.empty());
}
#endif

#ifndef _WIN32

TEST_F(PackerProgram, RealProgramUnpacksAndPacks)
{
    const Bytes data = sampleBytes(50000);
    work.write("in file.db", packBytes(data));
    CExternalPacker packer(OBRIX_GFXPAK_PATH, prompts);
    const std::string source = (work.path() / "in file.db").string();

    EXPECT_EQ(packer.unpackFile(source, data.size()), data);
    EXPECT_EQ(packer.unpackFile(source, 123), Bytes(data.begin(), data.begin() + 123));

    work.write("plain.bin", data);
    const std::string target = (work.path() / "out.db").string();
    ASSERT_TRUE(packer.packFile((work.path() / "plain.bin").string(), target));
    const CUnpackResult back = unpackBytes(work.read("out.db"));
    ASSERT_TRUE(back.ok()) << back.message;
    EXPECT_EQ(back.data, data);

    // The program refuses these; nothing is asked of the user, as the program did start.
    EXPECT_TRUE(packer.unpackFile((work.path() / "plain.bin").string(), data.size()).empty());
    EXPECT_FALSE(packer.packFile((work.path() / "missing.bin").string(), (work.path() / "x.db").string()));
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_TRUE(temporaryLeftovers(temporary.path()).empty());
}

TEST_F(PackerProgram, ArgumentsArriveIntactAndTheOutputFileIsTheAnswer)
{
    // The script records its arguments one per line, then answers with the source's bytes.
    const std::string args = (work.path() / "args.txt").string();
    const std::string program =
        writeScript(work, "echo-packer", "printf '%s\\n' \"$@\" > '" + args + "'\ncat \"$2\" > \"$3\"\nexit 3");
    const std::string source = (work.path() / "my \"best\" league  .db").string();
    work.write("my \"best\" league  .db", {1, 2, 3, 4, 5});
    CExternalPacker packer(program, prompts);

    // The exit code does not matter to unpacking: only the file.
    EXPECT_EQ(packer.unpackFile(source, 100), (Bytes{1, 2, 3, 4, 5}));
    const std::string seen = textOf(args);
    const std::string expectedStart = "-decompress\n" + source + "\n" + (temporary.path() / "Obx").string();
    EXPECT_EQ(seen.substr(0, expectedStart.size()), expectedStart) << seen;
    EXPECT_TRUE(temporaryLeftovers(temporary.path()).empty());

    // Packing does care: exit 3 is a failure even though the target was written.
    EXPECT_FALSE(packer.packFile(source, (work.path() / "t.db").string()));
    EXPECT_EQ(textOf(args), "-compress\n" + source + "\n" + (work.path() / "t.db").string() + "\n");
    EXPECT_TRUE(prompts.asked.empty());
}

#ifdef __linux__
TEST_F(PackerProgram, OpenFilesAreNotHandedToTheProgram)
{
    // Opened without close-on-exec, as a library of the editor might.
    const int fd = ::open((work.path() / "held.txt").c_str(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 3);
    const std::string program = writeScript(work, "fds",
                                            "if [ -e /proc/$$/fd/" + std::to_string(fd) +
                                                " ]; then printf inherited > \"$3\"; else printf closed > \"$3\"; fi");
    const Bytes answer = CExternalPacker(program, prompts).unpackFile("a.db", 100);
    ::close(fd);
    EXPECT_EQ(std::string(answer.begin(), answer.end()), "closed");
}
#endif

TEST_F(PackerProgram, PackingNeedsExitZeroAndTheTarget)
{
    const std::string target = (work.path() / "t.db").string();
    CExternalPacker writes(writeScript(work, "writes", "printf x > \"$3\""), prompts);
    CExternalPacker silent(writeScript(work, "silent", "exit 0"), prompts);
    EXPECT_TRUE(writes.packFile("a", target));
    fs::remove(target);
    EXPECT_FALSE(silent.packFile("a", target));
}

TEST_F(PackerProgram, SilentProgramGivesNothing)
{
    CExternalPacker packer(writeScript(work, "silent", "exit 0"), prompts);
    EXPECT_TRUE(packer.unpackFile("whatever.db", 1000).empty());
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_TRUE(temporaryLeftovers(temporary.path()).empty());
}

TEST_F(PackerProgram, ProgramThatHangsIsStoppedWithEverythingItStarted)
{
    const fs::path shellPid = work.path() / "shell.pid";
    const fs::path childPid = work.path() / "child.pid";
    // Half an answer first, which must not be taken for a whole one.
    const std::string program = writeScript(work, "hangs",
                                            "printf half > \"$3\"\necho $$ > '" + shellPid.string() +
                                                "'\nsleep 30 &\necho $! > '" + childPid.string() + "'\nwait");
    CExternalPacker packer(program, prompts, std::chrono::milliseconds(300));

    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(packer.unpackFile("whatever.db", 1000).empty());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(15));
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_TRUE(temporaryLeftovers(temporary.path()).empty());

    const pid_t shell = std::atoi(textOf(shellPid).c_str());
    const pid_t child = std::atoi(textOf(childPid).c_str());
    ASSERT_GT(shell, 0);
    ASSERT_GT(child, 0);
    EXPECT_TRUE(processGoneOrZombie(shell));
    // The killed group's members die at once, but give the kernel a moment to tell.
    bool childGone = false;
    for (int i = 0; i < 100 && !childGone; ++i)
    {
        childGone = processGoneOrZombie(child);
        if (!childGone) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_TRUE(childGone);

    EXPECT_FALSE(CExternalPacker(program, prompts, std::chrono::milliseconds(300))
                     .packFile("a", (work.path() / "t.db").string()));
}

TEST_F(PackerProgram, ProgramThatCannotStartIsReported)
{
    work.write("not-executable", {'#', '!', '/', 'b', 'i', 'n', '/', 's', 'h', '\n'});
    fs::permissions(work.path() / "not-executable", fs::perms::owner_read | fs::perms::owner_write);
    const std::string missing = (work.path() / "missing").string();
    const std::string notExecutable = (work.path() / "not-executable").string();

    EXPECT_TRUE(CExternalPacker(missing, prompts).unpackFile("a.db", 100).empty());
    EXPECT_FALSE(CExternalPacker(notExecutable, prompts).packFile("a", (work.path() / "t.db").string()));
    EXPECT_TRUE(CExternalPacker(work.path().string(), prompts).unpackFile("a.db", 100).empty());

    ASSERT_EQ(prompts.asked.size(), 3u);
    EXPECT_EQ(prompts.asked[0].kind, "message");
    EXPECT_EQ(prompts.asked[0].text, formatText(exchangetexts::kPackerStartFailed, std::strerror(ENOENT), ENOENT));
    EXPECT_EQ(prompts.asked[1].text, formatText(exchangetexts::kPackerStartFailed, std::strerror(EACCES), EACCES));
    EXPECT_EQ(prompts.asked[2].text, formatText(exchangetexts::kPackerStartFailed, std::strerror(EACCES), EACCES));
    EXPECT_TRUE(temporaryLeftovers(temporary.path()).empty());
}

TEST(PackerFindProgram, BesideThenInstallFoldersThenCurrentThenPath)
{
    TempFolder root;
    for (const char* folder : {"beside", "libexec/obrix", "lib/obrix", "current", "path1", "path2"})
    {
        writeScript(root, std::string(folder) + "/gfxpak", "exit 0");
    }
    fs::create_directories(root.path() / "empty");
    const fs::path beside = root.path() / "beside";
    ScopedCurrentPath cwd(root.path() / "current");
    ScopedEnv path("PATH", (root.path() / "empty").string() + "::" + (root.path() / "path1").string() + ":" +
                               (root.path() / "path2").string());
    const auto found = [&] { return CExternalPacker::findProgram(beside.string()); };

    EXPECT_EQ(found(), (beside / "gfxpak").string());
    fs::permissions(beside / "gfxpak", fs::perms::all, fs::perm_options::remove);
    EXPECT_EQ(found(), (root.path() / "libexec" / "obrix" / "gfxpak").string());
    fs::remove(root.path() / "libexec" / "obrix" / "gfxpak");
    EXPECT_EQ(found(), (root.path() / "lib" / "obrix" / "gfxpak").string());
    fs::remove(root.path() / "lib" / "obrix" / "gfxpak");
    EXPECT_EQ(found(), (root.path() / "current" / "gfxpak").string());
    fs::remove(root.path() / "current" / "gfxpak");
    fs::create_directory(root.path() / "current" / "gfxpak");  // a folder of that name is no program
    EXPECT_EQ(found(), (root.path() / "path1" / "gfxpak").string());
    fs::remove(root.path() / "path1" / "gfxpak");
    EXPECT_EQ(found(), (root.path() / "path2" / "gfxpak").string());
    fs::remove(root.path() / "path2" / "gfxpak");
    EXPECT_EQ(found(), std::nullopt);
    EXPECT_EQ(CExternalPacker::findProgram(""), std::nullopt);
}

#endif

#ifndef _WIN32
#include "RunCommand.h"

// gfxpak refuses a file whose header, in any of its forms, announces more than its limit
// (16 MiB unless --limit says otherwise) before unpacking, and writes nothing then.
TEST(PackerProgramLimit, RefusesMoreThanTheLimitBeforeUnpacking)
{
    const Bytes small = packBytes(sampleBytes(101));
    struct Case
    {
        const char* what;
        std::string options;
        Bytes packed;
        int status;
        const char* said;
    };
    const std::vector<Case> cases = {
        {"4-byte form above the default", "", {0x90, 0xFB, 0x02, 0x00, 0x00, 0x00, 0xFC}, 1,
         "announces 33554432 bytes unpacked, more than the limit of 16777216"},
        {"packed size first", "--limit 1048576", {0x91, 0xFB, 0, 0, 0, 9, 0x00, 0x10, 0x00, 0x01, 0xFC}, 1,
         "announces 1048577 bytes unpacked, more than the limit of 1048576"},
        {"skipped field first", "--limit 1048576", {0x11, 0xFB, 0, 0, 9, 0x20, 0x00, 0x00, 0xFC}, 1,
         "announces 2097152 bytes unpacked"},
        {"one byte over", "--limit 100", small, 1, "more than the limit of 100"},
        {"at the limit", "--limit 101", small, 0, ""},
        {"no number", "--limit many", small, 2, "--limit takes a whole number"},
        {"zero", "--limit 0", small, 2, "--limit takes a whole number"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        TempFolder work;
        work.write("in.db", c.packed);
        int status = 0;
        const std::string said = runCommand(std::string(OBRIX_GFXPAK_PATH) + " " + c.options + " -decompress '"
                                                + (work.path() / "in.db").string() + "' '"
                                                + (work.path() / "out.bin").string() + "'",
                                            status);
        EXPECT_EQ(status, c.status) << said;
        EXPECT_NE(said.find(c.said), std::string::npos) << said;
        EXPECT_EQ(fs::exists(work.path() / "out.bin"), c.status == 0);
        if (c.status == 0)
        {
            EXPECT_EQ(work.read("out.bin"), sampleBytes(101));
        }
    }
}
#endif
