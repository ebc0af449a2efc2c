#include "MemorySettings.h"
#include "FakePrompts.h"
#include "HandBytes.h"
#include "TempFolder.h"

#include "database/Backup.h"
#include "database/BackupBeforeSave.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

namespace
{
const char* const kLanguages[] = {"BRP", "DUT", "ENG", "GER", "ITA", "JAP", "SPA", "SWE"};

std::vector<uint8_t> text(const std::string& s)
{
    return {s.begin(), s.end()};
}

// A small valid file of the kind the name says, so that a restore can load it.
Bytes validPrefix(const std::string& file)
{
    if (file == "FCDB.DBI")
        return databaseFile({{7, "Premier", {10, 20}}}, {simpleTeam(10, 500, {1}), simpleTeam(20, 900, {2})},
                            {simplePlayer(1), simplePlayer(2)});
    if (file.rfind("FCDBP", 0) == 0) return playerNameFile({"Ann Able", "Ben Baker"});
    if (file.rfind("FCDB_", 0) == 0) return nameFile({"Premier"}, {{"ABC", "Abbey", "Abbey Rovers"}, {"BRK", "Brook", "Brookside"}});
    return {};
}

// What follows the valid part: the text a test put there.
std::string tagOf(const std::vector<uint8_t>& b)
{
    const auto nul = std::find(b.rbegin(), b.rend(), 0);
    return {nul.base(), b.end()};
}

// A game folder whose files end in their own names, so that every copy can be traced.
struct Installation
{
    const TempFolder& root;
    std::string name;

    std::filesystem::path folder() const { return root.path() / name; }
    std::string fe(const std::string& file) const { return name + "/DATA/CMN/FE/" + file; }
    void write(const std::string& file, const std::string& content) const
    {
        Bytes b = validPrefix(file);
        const auto t = text(content);
        b.insert(b.end(), t.begin(), t.end());
        root.write(fe(file), b);
    }
    std::string read(const std::string& file) const { return tagOf(root.read(fe(file))); }
    void fill(const std::string& tag, bool allLanguages = true) const
    {
        write("FCDB.DBI", tag + " database");
        write("FCDBPENG.DBI", tag + " player names");
        write("FCDBPJAP.DBI", tag + " japanese player names");
        for (const char* code : kLanguages)
            if (allLanguages || std::string(code) == "ENG") write(std::string("FCDB_") + code + ".DBI", tag + " " + code);
    }
};

std::string readFile(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return tagOf({std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
}
} // namespace

TEST(Backup, FirstStartCopiesTheFilesAndRecordsTheFlag)
{
    TempFolder root;
    Installation game{root, "golvar"};
    game.fill("original");
    CMemorySettings settings;
    CBackup backup(root.path() / "data", game.folder(), "ENG");
    const auto result = backup.check(settings, root.path() / "data" / "Jerseys");
    EXPECT_TRUE(result.backupFlag);
    EXPECT_TRUE(result.needThumbnails);  // the kit pictures are made at once, not at the next start
    EXPECT_EQ(settings.numbers["Backup"], 1u);
    EXPECT_EQ(readFile(backup.folder() / "FCDB.DBI"), "original database");
    EXPECT_EQ(readFile(backup.folder() / "FCDBPENG.DBI"), "original player names");
    for (const char* code : kLanguages)
        EXPECT_EQ(readFile(backup.folder() / (std::string("FCDB_") + code + ".DBI")), std::string("original ") + code);
    // The backup says where it came from.
    EXPECT_NE(readFile(backup.folder() / "GAMEFOLDER.TXT").find("golvar"), std::string::npos);
}

TEST(Backup, LanguagesTheGameLacksAreSkipped)
{
    TempFolder root;
    Installation game{root, "golvar"};
    game.fill("original", false);
    CBackup backup(root.path() / "data", game.folder(), "ENG");
    EXPECT_TRUE(backup.make());
    EXPECT_TRUE(std::filesystem::exists(backup.folder() / "FCDB_ENG.DBI"));
    EXPECT_FALSE(std::filesystem::exists(backup.folder() / "FCDB_GER.DBI"));
}

TEST(Backup, AFailedFirstBackupIsRecordedAsZero)
{
    TempFolder root;
    CMemorySettings settings;
    CBackup backup(root.path() / "data", root.path() / "no game here", "ENG");
    const auto result = backup.check(settings, root.path() / "data" / "Jerseys");
    EXPECT_FALSE(result.backupFlag);
    EXPECT_EQ(settings.numbers["Backup"], 0u);
    // No temporary copies are left behind.
    for (const auto& f : root.files()) EXPECT_EQ(f.find(".obrix-new"), std::string::npos) << f;
}

TEST(Backup, AMissingCopyIsTakenAgainFromTheFilesAsTheyAreNow)
{
    TempFolder root;
    Installation game{root, "golvar"};
    game.fill("original");
    CMemorySettings settings;
    settings.numbers["Backup"] = 1;
    CBackup backup(root.path() / "data", game.folder(), "ENG");
    ASSERT_TRUE(backup.make());
    game.write("FCDB.DBI", "edited database");

    // Present copy: nothing is taken again.
    auto result = backup.check(settings, root.path() / "data" / "Jerseys");
    EXPECT_EQ(readFile(backup.folder() / "FCDB.DBI"), "original database");
    EXPECT_TRUE(result.backupFlag);
    EXPECT_TRUE(result.needThumbnails);  // no Jerseys/mjfr1.bmp yet

    std::filesystem::remove(backup.folder() / "FCDB.DBI");
    root.write("data/Jerseys/mjfr1.bmp", text("BM"));
    result = backup.check(settings, root.path() / "data" / "Jerseys");
    EXPECT_EQ(readFile(backup.folder() / "FCDB.DBI"), "edited database");
    EXPECT_FALSE(result.needThumbnails);
    EXPECT_EQ(settings.numbers["Backup"], 1u);  // the value is not changed
}

TEST(Backup, NoSettingsKeyMeansNoBackup)
{
    TempFolder root;
    Installation game{root, "golvar"};
    game.fill("original");
    CMemorySettings settings;
    settings.keyExists = false;
    CBackup backup(root.path() / "data", game.folder(), "ENG");
    EXPECT_FALSE(backup.check(settings, root.path() / "data" / "Jerseys").backupFlag);
    EXPECT_FALSE(backup.exists());
}

// Every language's files go into the backup and come back, whichever language either was
// made in: a save in another language changes its own name files.
TEST(Backup, RestorePutsBackEveryFileTheBackupHolds)
{
    for (const char* restoredIn : {"GER", "JAP"})
    {
        SCOPED_TRACE(restoredIn);
        TempFolder root;
        Installation game{root, "golvar"};
        game.fill("original");
        CBackup backup(root.path() / "data", game.folder(), "GER");
        ASSERT_TRUE(backup.make());
        game.fill("edited");

        CBackup restoring(root.path() / "data", game.folder(), restoredIn);
        FakePrompts prompts;
        prompts.yesNoAnswers = {true};
        EXPECT_TRUE(restoreBackedUpData(restoring, prompts));
        ASSERT_EQ(prompts.asked.size(), 2u);
        EXPECT_EQ(prompts.asked[0].text,
                  "Restoring original Golvar data file will overwrite all changes made. Do you wish to continue?");
        EXPECT_EQ(prompts.asked[1].text.rfind("Restored FCDB.DBI, FCDBPENG.DBI, FCDBPJAP.DBI, FCDB_BRP.DBI, ", 0), 0u)
            << prompts.asked[1].text;
        EXPECT_EQ(game.read("FCDB.DBI"), "original database");
        EXPECT_EQ(game.read("FCDBPENG.DBI"), "original player names");
        EXPECT_EQ(game.read("FCDBPJAP.DBI"), "original japanese player names");
        for (const char* code : kLanguages)
            EXPECT_EQ(game.read(std::string("FCDB_") + code + ".DBI"), std::string("original ") + code);
    }
}

TEST(Backup, AnsweringNoChangesNothing)
{
    TempFolder root;
    Installation game{root, "golvar"};
    game.fill("original");
    CBackup backup(root.path() / "data", game.folder(), "ENG");
    ASSERT_TRUE(backup.make());
    game.fill("edited");
    FakePrompts prompts;
    prompts.yesNoAnswers = {false};
    EXPECT_FALSE(restoreBackedUpData(backup, prompts));
    EXPECT_EQ(game.read("FCDB.DBI"), "edited database");
}

TEST(Backup, EachGameFolderHasItsOwnBackup)
{
    TempFolder root;
    Installation first{root, "golvar"}, second{root, "golvar copy"};
    first.fill("first");
    second.fill("second");
    CBackup a(root.path() / "data", first.folder(), "ENG"), b(root.path() / "data", second.folder(), "ENG");
    ASSERT_TRUE(a.make());
    EXPECT_NE(a.folder(), b.folder());
    EXPECT_FALSE(b.exists());

    // Without a backup of its own, the second installation is never given the first's files.
    FakePrompts prompts;
    prompts.yesNoAnswers = {true};
    EXPECT_FALSE(restoreBackedUpData(b, prompts));
    EXPECT_EQ(second.read("FCDB.DBI"), "second database");
    ASSERT_EQ(prompts.asked.size(), 2u);
    EXPECT_EQ(prompts.asked[1].text, backuptexts::kNoBackup);
}

TEST(Backup, ALanguageTheGameLacksCannotBeBackedUp)
{
    TempFolder root;
    Installation game{root, "golvar"};
    game.fill("original", false);
    CBackup backup(root.path() / "data", game.folder(), "GER");  // the game has no German names
    std::string error;
    EXPECT_FALSE(backup.make(&error));
    EXPECT_NE(error.find("FCDB_GER.DBI"), std::string::npos) << error;
    EXPECT_FALSE(backup.exists());
    FakePrompts prompts;
    prompts.yesNoAnswers = {true};
    EXPECT_FALSE(restoreBackedUpData(backup, prompts));
    EXPECT_EQ(game.read("FCDB.DBI"), "original database");
}

// A backup of an earlier version holds the files of one language: it still restores in
// that language, is refused in another rather than mixing two states of the files, and is
// given another language's files before the first save in it.
TEST(Backup, AnEarlierVersionsBackupOfOneLanguageStillRestores)
{
    TempFolder root;
    Installation game{root, "golvar"};
    game.fill("original");
    CBackup english(root.path() / "data", game.folder(), "ENG");
    std::filesystem::create_directories(english.folder());
    for (const char* file : {"FCDB.DBI", "FCDBPENG.DBI", "FCDB_ENG.DBI"})
        std::filesystem::copy_file(game.folder() / "DATA/CMN/FE" / file, english.folder() / file);
    ASSERT_TRUE(english.adoptEarlierBackup());
    game.fill("edited");

    CBackup japanese(root.path() / "data", game.folder(), "JAP");
    const auto refused = japanese.restore();
    EXPECT_FALSE(refused.restored);
    EXPECT_NE(refused.message.find("holds no FCDB_JAP.DBI"), std::string::npos) << refused.message;
    EXPECT_EQ(game.read("FCDB.DBI"), "edited database");
    EXPECT_TRUE(english.restore().restored);
    EXPECT_EQ(game.read("FCDB.DBI"), "original database");
    EXPECT_EQ(game.read("FCDBPENG.DBI"), "original player names");
    EXPECT_EQ(game.read("FCDBPJAP.DBI"), "edited japanese player names");

    FakePrompts prompts;
    ASSERT_TRUE(backUpBeforeFirstSave(japanese, prompts));
    EXPECT_TRUE(prompts.asked.empty());
    game.write("FCDBPJAP.DBI", "saved japanese player names");
    EXPECT_TRUE(japanese.restore().restored);
    EXPECT_EQ(game.read("FCDBPJAP.DBI"), "edited japanese player names");
    EXPECT_EQ(game.read("FCDB.DBI"), "original database");
}

// A backup folder copied by hand beside another installation's name is never restored
// into that installation.
TEST(Backup, RestoreRefusesTheBackupOfAnotherGameFolder)
{
    TempFolder root;
    Installation first{root, "golvar"}, second{root, "golvar copy"};
    first.fill("first");
    second.fill("second");
    CBackup a(root.path() / "data", first.folder(), "ENG"), b(root.path() / "data", second.folder(), "ENG");
    ASSERT_TRUE(a.make());
    std::filesystem::copy(a.folder(), b.folder());
    ASSERT_TRUE(b.exists());
    const auto refused = b.restore();
    EXPECT_FALSE(refused.restored);
    EXPECT_NE(refused.message.find("was taken from another Golvar folder"), std::string::npos) << refused.message;
    EXPECT_EQ(second.read("FCDB.DBI"), "second database");
}

TEST(Backup, RestoreRefusesABackupThatFailsItsChecks)
{
    struct Case
    {
        const char* what;
        std::function<void(const std::filesystem::path&)> damage;
        const char* said;
        bool looksPresent;  // to the quick look at start-up, which reads no file but the manifest
    };
    namespace fs = std::filesystem;
    const Case cases[] = {
        {"truncated", [](const fs::path& f) { fs::resize_file(f / "FCDB.DBI", 100); }, "FCDB.DBI holds 100 bytes", false},
        {"empty", [](const fs::path& f) { fs::resize_file(f / "FCDBPENG.DBI", 0); }, "FCDBPENG.DBI holds 0 bytes", false},
        {"bit flipped",
         [](const fs::path& f) {
             std::fstream io(f / "FCDB_ENG.DBI", std::ios::in | std::ios::out | std::ios::binary);
             io.seekp(30);
             io.put('\x5A');
         },
         "FCDB_ENG.DBI does not match", true},
        {"missing file", [](const fs::path& f) { fs::remove(f / "FCDB.DBI"); }, "FCDB.DBI: cannot read", false},
        {"missing manifest", [](const fs::path& f) { fs::remove(f / "MANIFEST.TXT"); }, "no manifest", false},
        {"damaged manifest", [](const fs::path& f) { fs::resize_file(f / "MANIFEST.TXT", 40); }, "MANIFEST.TXT is damaged", false},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        TempFolder root;
        Installation game{root, "golvar"};
        game.fill("original");
        CBackup backup(root.path() / "data", game.folder(), "ENG");
        ASSERT_TRUE(backup.make());
        EXPECT_TRUE(backup.present());
        game.fill("edited");
        c.damage(backup.folder());
        EXPECT_EQ(backup.present(), c.looksPresent);
        FakePrompts prompts;
        prompts.yesNoAnswers = {true};
        EXPECT_FALSE(restoreBackedUpData(backup, prompts));
        ASSERT_EQ(prompts.asked.size(), 2u);
        EXPECT_EQ(prompts.asked[1].text.rfind("Nothing was restored: ", 0), 0u) << prompts.asked[1].text;
        EXPECT_NE(prompts.asked[1].text.find(c.said), std::string::npos) << prompts.asked[1].text;
        EXPECT_EQ(game.read("FCDB.DBI"), "edited database");
        EXPECT_EQ(game.read("FCDB_ENG.DBI"), "edited ENG");
        EXPECT_EQ(game.read("FCDBPENG.DBI"), "edited player names");
    }
}

TEST(Backup, FilesThatDoNotLoadNeverReplaceAGoodBackup)
{
    TempFolder root;
    Installation game{root, "golvar"};
    game.fill("original");
    CBackup backup(root.path() / "data", game.folder(), "ENG");
    ASSERT_TRUE(backup.make());
    game.root.write(game.fe("FCDB.DBI"), text("not a database at all"));  // damaged since
    std::string why;
    EXPECT_FALSE(backup.make(&why));
    EXPECT_NE(why.find("do not load as a game database (FCDB.DBI:"), std::string::npos) << why;
    // The good backup is still there, and puts the files back.
    ASSERT_TRUE(backup.present());
    EXPECT_TRUE(backup.restore().restored);
    EXPECT_EQ(game.read("FCDB.DBI"), "original database");
}

TEST(Backup, RestoreSaysWhatItRestoredFromWhen)
{
    TempFolder root;
    Installation game{root, "golvar"};
    game.fill("original", false);
    CBackup backup(root.path() / "data", game.folder(), "ENG");
    ASSERT_TRUE(backup.make());
    game.fill("edited", false);
    const auto result = backup.restore();
    EXPECT_TRUE(result.restored);
    EXPECT_EQ(result.message, "Restored FCDB.DBI, FCDBPENG.DBI, FCDBPJAP.DBI and FCDB_ENG.DBI from the backup of "
                                  + backup.takenAt() + ".");
    EXPECT_EQ(backup.takenAt().size(), 19u);  // "2026-12-08 14:05:09"
}

namespace
{
// A disk that fills up while one file is written.
class FullDisk : public CFileSystem
{
public:
    std::string fullAt;
    bool createFile(const std::filesystem::path& p, std::span<const uint8_t> bytes, const CFileStatus* like) override
    {
        if (!fullAt.empty() && p.filename().string().rfind(fullAt, 0) == 0)
        {
            errno = ENOSPC;
            return false;
        }
        return CFileSystem::createFile(p, bytes, like);
    }
};
} // namespace

TEST(Backup, AFullDiskFailsTheBackupAndKeepsTheEarlierOne)
{
    TempFolder root;
    Installation game{root, "golvar"};
    game.fill("original");
    FullDisk disk;
    CBackup backup(root.path() / "data", game.folder(), "ENG", disk);
    disk.fullAt = "FCDB_ENG.DBI";
    std::string error;
    EXPECT_FALSE(backup.make(&error));
    EXPECT_NE(error.find("FCDB_ENG.DBI"), std::string::npos) << error;
    EXPECT_NE(error.find("No space left on device"), std::string::npos) << error;
    EXPECT_FALSE(backup.exists());

    disk.fullAt.clear();
    ASSERT_TRUE(backup.make());
    game.fill("edited");
    disk.fullAt = "FCDBPENG.DBI";
    EXPECT_FALSE(backup.make());
    EXPECT_TRUE(backup.exists());
    EXPECT_EQ(readFile(backup.folder() / "FCDB.DBI"), "original database");
    for (const auto& f : root.files()) EXPECT_EQ(f.find(".obrix-"), std::string::npos) << f;
}

namespace
{
// A disk that gives back something else (or nothing) for one file of the backup folder.
class BadReadBack : public CFileSystem
{
public:
    std::filesystem::path folder;
    std::string prefix;  // the start of a temporary copy's name, or a whole name
    int error = 0;       // fail with this instead of giving back other bytes
    bool readFile(const std::filesystem::path& p, std::vector<uint8_t>& out) override
    {
        const std::string name = p.filename().string();
        const bool temporary = prefix.find(".obrix-new") != std::string::npos;
        if (prefix.empty() || p.parent_path() != folder || (temporary ? name.rfind(prefix, 0) != 0 : name != prefix))
            return CFileSystem::readFile(p, out);
        if (error)
        {
            errno = error;
            return false;
        }
        if (!CFileSystem::readFile(p, out)) return false;
        if (!out.empty()) out[out.size() / 2] ^= 0x40;
        return true;
    }
};
} // namespace

// A copy that does not read back as written fails the backup with the file and the reason,
// and the earlier backup stays, whether this is seen before the copies replace it or only
// once they are in place.
TEST(Backup, ACopyThatDoesNotReadBackKeepsTheEarlierBackup)
{
    struct Case
    {
        const char* what;
        const char* prefix;
        int error;
        const char* said;
    };
    const Case cases[] = {
        {"new copy reads back different", "FCDB_ENG.DBI.obrix-new", 0,
         "FCDB_ENG.DBI: the new copy read back from the disk differs"},
        {"new copy cannot be read back", "FCDBPENG.DBI.obrix-new", EIO,
         "FCDBPENG.DBI: cannot read the new copy back: Input/output error"},
        {"copy in place reads back different", "FCDB.DBI", 0, "FCDB.DBI: the new copy read back from the disk differs"},
        {"copy in place cannot be read back", "FCDB_GER.DBI", EIO, "FCDB_GER.DBI: cannot read back: Input/output error"},
        {"manifest in place cannot be read back", "MANIFEST.TXT", EIO, "MANIFEST.TXT: cannot read back: Input/output error"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        TempFolder root;
        Installation game{root, "golvar"};
        game.fill("original");
        BadReadBack disk;
        CBackup backup(root.path() / "data", game.folder(), "ENG", disk);
        ASSERT_TRUE(backup.make());
        game.fill("edited");
        disk.folder = backup.folder();
        disk.prefix = c.prefix;
        disk.error = c.error;
        std::string error;
        EXPECT_FALSE(backup.make(&error));
        EXPECT_NE(error.find((backup.folder() / "").string() + c.said), std::string::npos) << error;
        disk.prefix.clear();
        EXPECT_TRUE(backup.exists());
        EXPECT_EQ(readFile(backup.folder() / "FCDB.DBI"), "original database");
        EXPECT_EQ(readFile(backup.folder() / "FCDB_GER.DBI"), "original GER");
        for (const auto& f : root.files()) EXPECT_EQ(f.find(".obrix-"), std::string::npos) << f;
        EXPECT_FALSE(std::filesystem::exists(backup.folder() / "OBRIX-COMMIT.TXT"));
    }
}
