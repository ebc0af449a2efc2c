#include "FakePrompts.h"
#include "TempFolder.h"

#include "database/Backup.h"

#include <gtest/gtest.h>

namespace
{
const char* const kLanguages[] = {"BRP", "DUT", "ENG", "GER", "ITA", "JAP", "SPA", "SWE"};

std::vector<uint8_t> text(const std::string& s)
{
    return {s.begin(), s.end()};
}

// A game folder whose files hold their own names, so that every copy can be traced.
struct Installation
{
    const TempFolder& root;
    std::string name;

    std::filesystem::path folder() const { return root.path() / name; }
    std::string fe(const std::string& file) const { return name + "/DATA/CMN/FE/" + file; }
    void write(const std::string& file, const std::string& content) const { root.write(fe(file), text(content)); }
    std::string read(const std::string& file) const
    {
        const auto b = root.read(fe(file));
        return {b.begin(), b.end()};
    }
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
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
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

TEST(Backup, RestoreCopiesBackTheThreeFilesOfTheLanguage)
{
    TempFolder root;
    Installation game{root, "golvar"};
    game.fill("original");
    CBackup backup(root.path() / "data", game.folder(), "GER");
    ASSERT_TRUE(backup.make());
    game.fill("edited");

    FakePrompts prompts;
    prompts.yesNoAnswers = {true};
    EXPECT_TRUE(restoreBackedUpData(backup, prompts));
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].text,
              "Restoring original Golvar data file will overwite all changes made. Do you wish to continue?");
    EXPECT_EQ(game.read("FCDB.DBI"), "original database");
    EXPECT_EQ(game.read("FCDBPENG.DBI"), "original player names");
    EXPECT_EQ(game.read("FCDB_GER.DBI"), "original GER");
    EXPECT_EQ(game.read("FCDB_ENG.DBI"), "edited ENG");
    EXPECT_EQ(game.read("FCDBPJAP.DBI"), "edited japanese player names");
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

TEST(Backup, RestoreReportsTheFilesItCouldNotCopy)
{
    TempFolder root;
    Installation game{root, "golvar"};
    game.fill("original", false);
    CBackup backup(root.path() / "data", game.folder(), "GER");  // the game has no German names
    ASSERT_TRUE(backup.make());
    game.fill("edited", false);
    FakePrompts prompts;
    prompts.yesNoAnswers = {true};
    EXPECT_TRUE(restoreBackedUpData(backup, prompts));
    ASSERT_EQ(prompts.asked.size(), 2u);
    EXPECT_EQ(prompts.asked[1].text, "These files could not be restored from the backup:\nFCDB_GER.DBI");
    EXPECT_EQ(game.read("FCDB.DBI"), "original database");
}

TEST(Backup, JapanesePlayerNamesKeepTheirOwnFile)
{
    TempFolder root;
    Installation game{root, "golvar"};
    game.fill("original");
    CBackup japanese(root.path() / "data", game.folder(), "JAP");
    ASSERT_TRUE(japanese.make());
    EXPECT_EQ(readFile(japanese.folder() / "FCDBPJAP.DBI"), "original japanese player names");
    EXPECT_FALSE(std::filesystem::exists(japanese.folder() / "FCDBPENG.DBI"));
    game.fill("edited");
    // Restoring in English must not put the Japanese names over the English file.
    CBackup english(root.path() / "data", game.folder(), "ENG");
    EXPECT_EQ(english.restore(), (std::vector<std::string>{"FCDBPENG.DBI"}));
    EXPECT_EQ(game.read("FCDBPENG.DBI"), "edited player names");
    EXPECT_EQ(japanese.restore(), std::vector<std::string>{});
    EXPECT_EQ(game.read("FCDBPJAP.DBI"), "original japanese player names");
}
