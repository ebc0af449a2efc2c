// Folders named beyond ASCII (a user folder like C:\Users\José, a game installed under a
// Japanese name): every name the user gives, the environment holds or a message shows keeps
// its spelling on its way to and from the system.
#include "FakePrompts.h"
#include "RunCommand.h"
#include "TempFolder.h"
#include "TestGate.h"

#include "database/Backup.h"
#include "database/Database.h"
#include "database/GameFiles.h"
#include "exchange/KeptLeagues.h"
#include "sample/SampleExchange.h"
#include "sample/SampleGame.h"
#include "util/FileCommit.h"
#include "util/PathText.h"

#include <gtest/gtest.h>

namespace
{
std::string utf8(const char8_t* text)
{
    return reinterpret_cast<const char*>(text);
}

// The standard's own UTF-8 reading of a name, which the system's name must match.
std::filesystem::path expected(const char8_t* text)
{
    return std::filesystem::path(std::u8string(text));
}

const char8_t* const kNames[] = {u8"José", u8"ゲーム", u8"Ærø € 名前 ✓"};

struct Killed
{
};

// Stops the program (by throwing) at the chosen call that changes the disk.
class KillAt : public CFileSystem
{
public:
    int at = -1;
    int calls = 0;
    bool createFile(const std::filesystem::path& p, std::span<const uint8_t> b, const CFileStatus* like) override
    {
        return step() && CFileSystem::createFile(p, b, like);
    }
    bool syncFolder(const std::filesystem::path& f) override { return step() && CFileSystem::syncFolder(f); }
    bool linkFile(const std::filesystem::path& a, const std::filesystem::path& b) override
    {
        return step() && CFileSystem::linkFile(a, b);
    }
    bool renameFile(const std::filesystem::path& a, const std::filesystem::path& b) override
    {
        return step() && CFileSystem::renameFile(a, b);
    }
    bool removeFile(const std::filesystem::path& p) override { return step() && CFileSystem::removeFile(p); }

private:
    bool step()
    {
        if (calls++ == at) throw Killed{};
        return true;
    }
};
}  // namespace

TEST(FolderNames, TextAndSystemNamesConvertBothWaysAndReachTheFileSystem)
{
    TempFolder root;
    for (const char8_t* name : kNames)
    {
        SCOPED_TRACE(utf8(name));
        const std::filesystem::path path = pathFromUtf8(utf8(name));
        EXPECT_EQ(path.native(), expected(name).native());
        EXPECT_EQ(utf8FromPath(path), utf8(name));
        EXPECT_EQ(genericUtf8FromPath(pathFromUtf8(utf8(name) + "/sub")), utf8(name) + "/sub");

        // A file written under the name is listed by the system under the same name.
        const std::filesystem::path folder = root.path() / path;
        std::filesystem::create_directories(folder);
        const uint8_t byte = 7;
        ASSERT_TRUE(CFileSystem::real().createFile(folder / path, {&byte, 1}, nullptr));
        std::vector<std::string> names;
        ASSERT_TRUE(CFileSystem::real().listFolder(folder, names));
        EXPECT_EQ(names, std::vector<std::string>{utf8(name)});
        EXPECT_TRUE(std::filesystem::is_regular_file(root.path() / expected(name) / expected(name)));
    }
}

// The commit record names its files in UTF-8: a commit cut off at any step is finished or
// undone under the file's own name, and nothing is left beside it.
TEST(FolderNames, ACommitOfAFileNamedBeyondAsciiIsRecoveredAfterAKillAtAnyStep)
{
    const std::string name = utf8(u8"ゲーム €.csv");
    const std::vector<uint8_t> before{'o', 'l', 'd'}, after{'n', 'e', 'w', '!'};
    int steps = 0;
    for (int k = -1; k < steps || k == -1; ++k)
    {
        SCOPED_TRACE("killed at call " + std::to_string(k));
        TempFolder root;
        const std::filesystem::path folder = root.path() / expected(u8"José");
        std::filesystem::create_directories(folder);
        const std::filesystem::path file = folder / pathFromUtf8(name);
        ASSERT_TRUE(CFileSystem::real().createFile(file, before, nullptr));
        KillAt fs;
        fs.at = k;
        try
        {
            EXPECT_FALSE(commitFiles(fs, {{file, after, {}}}, "export"));
        }
        catch (const Killed&)
        {
        }
        if (k == -1) steps = fs.calls;
        recoverCommit(CFileSystem::real(), folder);
        std::vector<std::string> names;
        ASSERT_TRUE(CFileSystem::real().listFolder(folder, names));
        EXPECT_EQ(names, std::vector<std::string>{name});
        std::vector<uint8_t> bytes;
        ASSERT_TRUE(CFileSystem::real().readFile(file, bytes));
        EXPECT_TRUE(bytes == before || bytes == after);
    }
    EXPECT_GT(steps, 3);
}

#ifdef OBRIX_CLI_PATH
// The command line with the editor's data folder taken from the environment (no
// --data-folder) and a game folder named in Japanese: backup, import, kept leagues, save and
// restore find each other's files, and the editor finds them where the command line left them.
TEST(FolderNames, TheCommandLineBacksUpImportsAndKeepsInFoldersNamedBeyondAscii)
{
    TempFolder root;
    const std::filesystem::path user = root.path() / expected(u8"José");
    const std::filesystem::path game = user / expected(u8"ゲーム");
#ifdef _WIN32
    const std::filesystem::path data = user / "AppData" / "Brannoc" / "Obrix";
    const std::string environment = "APPDATA='" + utf8FromPath(user / "AppData") + "' ";
#else
    const std::filesystem::path data = user / "share" / "Brannoc" / "Obrix";
    const std::string environment = "XDG_DATA_HOME='" + utf8FromPath(user / "share") + "' ";
#endif
    auto q = [](const std::filesystem::path& p) { return "'" + utf8FromPath(p) + "'"; };
    const std::string cli = environment + OBRIX_CLI_PATH + " ";
    int status = -1;
    std::string out = runCommand(cli + "sample " + q(game) + " --seed 5", status);
    ASSERT_EQ(status, 0) << out;
    out = runCommand(cli + "import " + q(game) + " --glv " + q(game / "USER" / kSampleGlvFile), status);
    ASSERT_EQ(status, 0) << out;
    EXPECT_NE(out.find(utf8FromPath(data)), std::string::npos) << out;
    out = runCommand(cli + "global-mod " + q(game) + " --amount 2 --groups gk --skills all", status);
    ASSERT_EQ(status, 0) << out;

    const CBackup backup(data, game, "ENG");
    EXPECT_FALSE(backup.verify()) << *backup.verify();
    CKeptLeagues kept(data, game);
    FakePrompts prompts;
    CDatabase db;
    ASSERT_FALSE(CGameFiles(game).loadAll(db));
    EXPECT_EQ(kept.restore(gate(db), prompts), 1u);

    // The backup holds the files as they were before the change, and restore puts them back.
    const std::filesystem::path plain = root.path() / "plain";
    ASSERT_FALSE(writeSampleGame(plain, {5, CSampleScale::Small}));
    auto database = [](const std::filesystem::path& folder) {
        std::vector<uint8_t> bytes;
        EXPECT_TRUE(CFileSystem::real().readFile(folder / "DATA" / "CMN" / "FE" / "FCDB.DBI", bytes));
        return bytes;
    };
    EXPECT_NE(database(game), database(plain));
    out = runCommand(cli + "restore " + q(game), status);
    ASSERT_EQ(status, 0) << out;
    EXPECT_EQ(database(game), database(plain));
}
#endif
