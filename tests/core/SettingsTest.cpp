#include "MemorySettings.h"
#include "FakePrompts.h"

#include "settings/GameSettings.h"
#include "settings/WindowLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

class FakeRegistration : public CGameRegistration
{
public:
    std::optional<std::string> folder;
    int reads = 0;

    std::optional<std::string> gameFolder() override
    {
        ++reads;
        return folder;
    }
    std::string describe() const override { return "the fake registry"; }
};

// Remembers the order of number writes.
class RecordingSettings : public CMemorySettings
{
public:
    std::vector<std::string> writes;
    bool writeNumber(const std::string& name, uint32_t value) override
    {
        writes.push_back(name);
        return CMemorySettings::writeNumber(name, value);
    }
};

#ifdef _WIN32
const std::string kSep = "\\";
#else
const std::string kSep = "/";
#endif

const std::string kGame = "C:\\Games\\Golvar";

class SettingsDiscoveryTest : public testing::Test
{
protected:
    bool discover(const std::string& startFolder = settingtexts::kDefaultStartFolder)
    {
        return discoverGameFolder(settings, store, prompts, registration, startFolder);
    }

    CGameSettings settings;
    CMemorySettings store;
    FakePrompts prompts;
    FakeRegistration registration;
};

} // namespace

TEST_F(SettingsDiscoveryTest, FirstStartTakesTheGamesRegistrationWithoutAsking)
{
    store.keyExists = false;
    registration.folder = kGame;
    ASSERT_TRUE(discover());
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_EQ(settings.gameFolder, kGame);
    EXPECT_EQ(settings.commentaryFolder, kGame + kSep + "Audio" + kSep + "Plrs");
    EXPECT_EQ(store.strings["Path"], kGame);
    EXPECT_EQ(store.strings["Commentary Path"], settings.commentaryFolder);
    // Written with a space; the value read at start-up is another one.
    EXPECT_EQ(store.strings.count("CommentaryPath"), 0u);
}

TEST_F(SettingsDiscoveryTest, UnregisteredGameAsksThenShowsTheFolderDialog)
{
    store.keyExists = false;
    prompts.yesNoAnswers = {true};
    prompts.folderAnswers = {std::string("/home/me/golvar")};
    ASSERT_TRUE(discover("/home/me"));
    ASSERT_EQ(prompts.asked.size(), 2u);
    EXPECT_EQ(prompts.asked[0].kind, "yesno");
    EXPECT_EQ(prompts.asked[0].text,
              "Cannot locate Golvar directory in the Registry. Do you want to select it yourself?");
    EXPECT_EQ(prompts.asked[1].kind, "folder");
    EXPECT_EQ(prompts.asked[1].text, "Select Golvar directory");
    EXPECT_EQ(prompts.asked[1].startFolder, "/home/me");
    EXPECT_EQ(settings.gameFolder, "/home/me/golvar");
    EXPECT_EQ(store.strings["Path"], "/home/me/golvar");
    EXPECT_EQ(store.strings["Commentary Path"], "/home/me/golvar" + kSep + "Audio" + kSep + "Plrs");
}

TEST_F(SettingsDiscoveryTest, UnregisteredGameStopsOnNoOrCancel)
{
    store.keyExists = false;
    prompts.yesNoAnswers = {false};
    EXPECT_FALSE(discover());
    ASSERT_EQ(prompts.asked.size(), 1u);

    prompts.asked.clear();
    prompts.yesNoAnswers = {true};
    prompts.folderAnswers = {std::nullopt};
    EXPECT_FALSE(discover());
    ASSERT_EQ(prompts.asked.size(), 2u);
    EXPECT_EQ(prompts.asked[1].startFolder, "C:\\");

    EXPECT_TRUE(settings.gameFolder.empty());
    EXPECT_FALSE(store.keyExists);
    EXPECT_TRUE(store.strings.empty());
}

TEST_F(SettingsDiscoveryTest, SavedKeyWithoutReadablePathAsksWithoutLookingAtTheRegistration)
{
    registration.folder = kGame;
    store.strings["Language"] = "GER";
    settings.commentaryFolder = "kept";
    prompts.yesNoAnswers = {true};
    prompts.folderAnswers = {std::string("D:\\Golvar")};
    ASSERT_TRUE(discover());
    EXPECT_EQ(registration.reads, 0);
    ASSERT_EQ(prompts.asked.size(), 2u);
    EXPECT_EQ(prompts.asked[0].text,
              "Cannot locate Golvar directory in the Registry. Do you want to select it yourself?");
    EXPECT_EQ(settings.gameFolder, "D:\\Golvar");
    EXPECT_EQ(store.strings["Path"], "D:\\Golvar");
    // Choosing a folder leaves the commentary folder alone.
    EXPECT_EQ(settings.commentaryFolder, "kept");
    EXPECT_EQ(store.strings.count("Commentary Path"), 0u);

    prompts.asked.clear();
    store.failingReads = {"Path"};
    prompts.yesNoAnswers = {false};
    EXPECT_FALSE(discover());
    EXPECT_EQ(prompts.asked.size(), 1u);
}

TEST_F(SettingsDiscoveryTest, SavedPathIsUsedAndOnlyCommentaryPathWithoutSpaceOverrides)
{
    store.strings["Path"] = kGame;
    store.strings["Commentary Path"] = "ignored";
    ASSERT_TRUE(discover());
    EXPECT_EQ(settings.commentaryFolder, commentaryFolderFor(kGame));

    store.strings["CommentaryPath"] = "E:\\Speech";
    ASSERT_TRUE(discover());
    EXPECT_EQ(settings.gameFolder, kGame);
    EXPECT_EQ(settings.commentaryFolder, "E:\\Speech");
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_EQ(registration.reads, 0);
    EXPECT_EQ(store.strings["Commentary Path"], "ignored");
}

TEST_F(SettingsDiscoveryTest, RegisteredFolderThatCannotBeSavedEndsInTheQuestion)
{
    store.keyExists = false;
    registration.folder = kGame;
    store.failingWrites = {"Commentary Path"};
    prompts.yesNoAnswers = {false};
    EXPECT_FALSE(discover());
    EXPECT_EQ(prompts.asked.size(), 1u);
    EXPECT_TRUE(settings.gameFolder.empty());

    // A key that cannot be created at all goes the same way.
    store = CMemorySettings{};
    store.keyExists = false;
    store.canCreate = false;
    prompts.asked.clear();
    prompts.yesNoAnswers = {false};
    EXPECT_FALSE(discover());
    EXPECT_EQ(prompts.asked.size(), 1u);
}

TEST_F(SettingsDiscoveryTest, ChosenFolderIsKeptEvenWhenItCannotBeSaved)
{
    store.keyExists = false;
    store.canCreate = false;
    prompts.folderAnswers = {std::string("/games/golvar")};
    EXPECT_TRUE(chooseGameFolder(settings, store, prompts, "/home/me"));
    EXPECT_EQ(settings.gameFolder, "/games/golvar");

    prompts.folderAnswers = {std::nullopt};
    EXPECT_FALSE(chooseGameFolder(settings, store, prompts));
    EXPECT_EQ(settings.gameFolder, "/games/golvar");
}

TEST_F(SettingsDiscoveryTest, QuietLocatePrefersTheSavedPathAndNeitherAsksNorSaves)
{
    store.keyExists = false;
    registration.folder = kGame;
    EXPECT_EQ(locateGameFolderQuietly(store, registration), kGame);
    EXPECT_FALSE(store.keyExists);
    EXPECT_TRUE(store.strings.empty());

    registration.folder.reset();
    EXPECT_EQ(locateGameFolderQuietly(store, registration), std::nullopt);

    store.keyExists = true;
    registration.folder = kGame;
    store.strings["Path"] = "/saved";
    EXPECT_EQ(locateGameFolderQuietly(store, registration), "/saved");
    // Where start-up would ask, the registration is still an answer.
    store.strings.erase("Path");
    EXPECT_EQ(locateGameFolderQuietly(store, registration), kGame);
    EXPECT_TRUE(prompts.asked.empty());
}

TEST(SettingsLanguageTest, EmptyMissingOrUnreadableGivesEng)
{
    CMemorySettings store;
    CGameSettings settings;
    settings.languageCode = "x";
    readLanguage(settings, store);
    EXPECT_EQ(settings.languageCode, "ENG");

    store.strings["Language"] = "";
    readLanguage(settings, store);
    EXPECT_EQ(settings.languageCode, "ENG");

    store.strings["Language"] = "GER";
    readLanguage(settings, store);
    EXPECT_EQ(settings.languageCode, "GER");

    // 39 bytes and the terminator fill the buffer; one more does not fit.
    store.strings["Language"] = std::string(39, 'J');
    readLanguage(settings, store);
    EXPECT_EQ(settings.languageCode, std::string(39, 'J'));
    store.strings["Language"] = std::string(40, 'J');
    readLanguage(settings, store);
    EXPECT_EQ(settings.languageCode, "ENG");

    store.keyExists = false;
    readLanguage(settings, store);
    EXPECT_EQ(settings.languageCode, "ENG");

    settings.languageCode = "SWE";
    writeLanguage(settings, store);
    EXPECT_EQ(store.strings["Language"], "SWE");
}

TEST(SettingsWindowLayoutTest, DefaultsFollowTheScreenWidth)
{
    CMemorySettings empty;
    const CWindowLayout wide = readWindowLayout(empty, 1280);
    EXPECT_EQ(wide, defaultWindowLayout(1024));
    EXPECT_EQ(wide.x, 0);
    EXPECT_EQ(wide.y, 0);
    EXPECT_EQ(wide.maximised, 0);
    EXPECT_EQ(wide.windowWidth, 1024);
    EXPECT_EQ(wide.windowHeight, 768);
    EXPECT_EQ((std::vector<int>{wide.groupWidth, wide.groupHeight, wide.rosterWidth, wide.rosterHeight, wide.dataWidth,
                                wide.dataHeight}),
              (std::vector<int>{388, 352, 1018, 307, 623, 352}));

    const CWindowLayout small = defaultWindowLayout(640);
    EXPECT_EQ((std::vector<int>{small.windowWidth, small.windowHeight, small.groupWidth, small.groupHeight,
                                small.rosterWidth, small.rosterHeight, small.dataWidth, small.dataHeight}),
              (std::vector<int>{640, 480, 157, 280, 634, 98, 472, 280}));
    const CWindowLayout middle = defaultWindowLayout(641);
    EXPECT_EQ((std::vector<int>{middle.windowWidth, middle.windowHeight, middle.groupWidth, middle.groupHeight,
                                middle.rosterWidth, middle.rosterHeight, middle.dataWidth, middle.dataHeight}),
              (std::vector<int>{800, 600, 245, 352, 791, 142, 539, 352}));
    EXPECT_EQ(defaultWindowLayout(1023).windowWidth, 800);
    EXPECT_EQ(defaultWindowLayout(1024).windowWidth, 1024);
}

// The table is the least a first start gets; a larger screen is filled, and the panes
// keep their shares of it.
TEST(SettingsWindowLayoutTest, FirstStartFillsTheScreen)
{
    struct Case
    {
        int tableFor, screenWidth, screenHeight;
        std::vector<int> expected;  // window width, height, group width, data width, group height, roster height
    } cases[] = {
        {1280, 1280, 1024, {1280, 1024, 458, 816, 556, 372}},
        {1024, 1024, 768, {1024, 768, 366, 652, 403, 269}},
        {640, 600, 400, {640, 480, 228, 406, 230, 154}},  // never below the table
    };
    for (const Case& c : cases)
    {
        const CWindowLayout l = firstStartLayout(defaultWindowLayout(c.tableFor), c.screenWidth, c.screenHeight);
        EXPECT_EQ((std::vector<int>{l.windowWidth, l.windowHeight, l.groupWidth, l.dataWidth, l.groupHeight,
                                    l.rosterHeight}),
                  c.expected)
            << c.screenWidth;
        EXPECT_EQ(l.dataHeight, l.groupHeight);
        EXPECT_TRUE(l.fromDefaults);
    }
    CMemorySettings store;
    writeWindowLayout(store, windowLayoutFromPanes(false, 0, 0, 900, 700, 300, 250, 200, 500, 880));
    EXPECT_FALSE(readWindowLayout(store, 1280).fromDefaults);
}

TEST(SettingsWindowLayoutTest, OneMissingValueReplacesAllButMaximised)
{
    CMemorySettings store;
    const CWindowLayout saved = windowLayoutFromPanes(true, -8, 20, 900, 700, 300, 250, 200, 500, 880);
    writeWindowLayout(store, saved);
    EXPECT_EQ(readWindowLayout(store, 800), saved);
    EXPECT_EQ(readWindowLayout(store, 800).x, -8);

    store.numbers.erase("Data Height");
    CWindowLayout expected = defaultWindowLayout(800);
    expected.maximised = 1;
    EXPECT_EQ(readWindowLayout(store, 800), expected);

    // Reading stops at the first failure, so nothing after it counts either.
    store.failingReads = {"Window Maximised"};
    EXPECT_EQ(readWindowLayout(store, 800), defaultWindowLayout(800));
}

TEST(SettingsWindowLayoutTest, WritesInOrderAndStopsAtTheFirstFailure)
{
    RecordingSettings store;
    store.keyExists = false;
    const CWindowLayout layout = windowLayoutFromPanes(false, 1, 2, 3, 4, 5, 6, 7, 8, 9);
    writeWindowLayout(store, layout);
    const std::vector<std::string> order = {"Window Maximised", "Window X",     "Window Y",      "Window Width",
                                            "Window Height",    "Group Height", "Data Height",   "Roster Height",
                                            "Group Width",      "Data Width",   "Roster Width"};
    EXPECT_EQ(store.writes, order);
    // Both first-row panes share its height; the roster's width is the main column.
    EXPECT_EQ(store.numbers["Group Height"], 5u);
    EXPECT_EQ(store.numbers["Data Height"], 5u);
    EXPECT_EQ(store.numbers["Roster Height"], 6u);
    EXPECT_EQ(store.numbers["Group Width"], 7u);
    EXPECT_EQ(store.numbers["Data Width"], 8u);
    EXPECT_EQ(store.numbers["Roster Width"], 9u);

    RecordingSettings failing;
    failing.failingWrites = {"Data Height"};
    writeWindowLayout(failing, layout);
    EXPECT_EQ(failing.writes, std::vector<std::string>(order.begin(), order.begin() + 7));
    EXPECT_EQ(failing.numbers.count("Roster Height"), 0u);
    EXPECT_EQ(failing.numbers.count("Group Height"), 1u);
}
