#include "TempFolder.h"

#include "settings/GameRegistration.h"
#include "settings/WineRegistry.h"

#include <gtest/gtest.h>

#include <string>

namespace fs = std::filesystem;

namespace
{

const char* const kHeader = "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win64\n\n";
const char* const kAppPaths = "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\golvar.exe] 1700000000\n";
const char* const kWowAppPaths =
    "[Software\\\\Wow6432Node\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\golvar.exe] 1700000001\n";

std::optional<std::string> appPath(const std::string& reg)
{
    return findWineRegistryString(reg, gameregistration::kKeyPath, "Path");
}

// A prefix as Wine makes it: drive_c, and dosdevices/c: linking to it.
class WineRegistryTest : public testing::Test
{
protected:
    void SetUp() override
    {
#ifdef _WIN32
        GTEST_SKIP() << "reads a Wine prefix's registry files, the way the Linux build finds a game installed under "
                        "Wine; on Windows the registry itself is asked";
#endif
        fs::create_directories(prefix() / "drive_c");
        fs::create_directories(prefix() / "dosdevices");
        fs::create_directory_symlink("../drive_c", prefix() / "dosdevices" / "c:");
    }

    fs::path prefix() const { return m_home.path() / ".wine"; }

    void writeSystemReg(const std::string& text) const
    {
        m_home.write(".wine/system.reg", std::vector<uint8_t>(text.begin(), text.end()));
    }

    fs::path makeGameFolder(const std::string& relative) const
    {
        fs::create_directories(prefix() / "drive_c" / relative);
        return fs::canonical(prefix() / "drive_c" / relative);
    }

    std::optional<std::string> discovered() const
    {
        return CWineGameRegistration(std::nullopt, m_home.path().string()).gameFolder();
    }

    TempFolder m_home;
};

} // namespace

TEST_F(WineRegistryTest, FindsTheRegisteredFolderWhateverItsCase)
{
    const fs::path game = makeGameFolder("games/GOLVAR");
    writeSystemReg(std::string(kHeader) + "[Software\\\\Classes\\\\.txt] 1\n\"Path\"=\"C:\\\\wrong\"\n\n" + kAppPaths +
                   "#time=1da0000000000000\n@=\"C:\\\\Games\\\\Golvar\\\\golvar.exe\"\n"
                   "\"Path\"=\"C:\\\\Games\\\\Golvar\\\\\"\n");
    EXPECT_EQ(discovered(), game.string());
}

TEST_F(WineRegistryTest, WinePrefixVariableComesBeforeHome)
{
    makeGameFolder("Golvar");
    writeSystemReg(std::string(kHeader) + kAppPaths + "\"Path\"=\"C:\\\\Golvar\"\n");
    TempFolder otherHome;
    EXPECT_EQ(CWineGameRegistration(prefix().string(), otherHome.path().string()).gameFolder(),
              fs::canonical(prefix() / "drive_c" / "Golvar").string());
    EXPECT_EQ(CWineGameRegistration(otherHome.path().string(), m_home.path().string()).gameFolder(), std::nullopt);
    // An empty WINEPREFIX is the same as none.
    EXPECT_EQ(CWineGameRegistration(std::string(), m_home.path().string()).prefix(), prefix());
    EXPECT_EQ(CWineGameRegistration(std::nullopt, std::nullopt).gameFolder(), std::nullopt);
}

TEST_F(WineRegistryTest, Wow6432NodeWithOtherCaseAndWindowsLineEnds)
{
    const fs::path game = makeGameFolder("Program Files (x86)/Golvar");
    std::string reg = std::string(kHeader) + kWowAppPaths + "\"PATH\"=\"c:\\\\program files (x86)\\\\golvar\"\n";
    std::string crlf;
    for (char c : reg) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    writeSystemReg(crlf);
    EXPECT_EQ(discovered(), game.string());
}

TEST_F(WineRegistryTest, DecodesEscapesIntoUtf8)
{
    const fs::path game = makeGameFolder("Spiele/Golv\xC3\xA4r \xF0\x9F\x98\x80");
    writeSystemReg(std::string(kHeader) + kAppPaths + "\"Path\"=\"C:\\\\Spiele\\\\Golv\\xe4r \\xd83d\\xde00\"\n");
    EXPECT_EQ(discovered(), game.string());

    const std::string key = std::string(kAppPaths);
    EXPECT_EQ(appPath(key + "\"Path\"=\"a\\\"b\\\\c\\x41\\x00e9\\101\\t\"\n"), "a\"b\\cA\xC3\xA9" "A\t");
    // A later definition wins, as when Wine loads the file.
    EXPECT_EQ(appPath(key + "\"Path\"=\"first\"\n" + key + "\"Path\"=\"second\"\n"), "second");
    // Section names carry escapes too.
    EXPECT_EQ(findWineRegistryString("[A\\]\\\\B] 1\n\"V\"=\"x\"\n", "A]\\B", "v"), "x");
}

TEST_F(WineRegistryTest, AnythingButAPlainStringIsNotRegistered)
{
    const std::string key = kAppPaths;
    const std::vector<std::string> refused = {
        key + "\"Path\"=str(2):\"C:\\\\Games\"\n",
        key + "\"Path\"=hex:43,00,3a,00\n",
        key + "\"Path\"=dword:00000001\n",
        key + "\"Path\"=\"C:\\\\Games\n",                        // unterminated string
        key + "\"Path\"=\"C:\\\\Games\" junk\n",                  // something after it
        key + "\"Path\"=\"C:\\x\"\n",                            // \x without digits
        key + "\"Path\"=\"C:\\xd83d\"\n",                        // lone surrogate
        key + "\"Path\"=\"C:\\x0\"\n",                           // NUL inside
        key + "\"Path\"=\"\xFF\xFE\"\n",                         // not UTF-8
        key + "\"Path\"=\"C:\\",                                 // cut in an escape
        "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\golvar.exe\n\"Path\"=\"C:\\\\x\"\n",
        key + "[Unterminated\n\"Path\"=\"C:\\\\x\"\n",           // the broken section ends ours
        key + "\"Path\"=\"" + std::string(1 << 20, 'a'),         // a huge unterminated line
        std::string("\0\x01[\xFF\"Path\"=\"", 11) + key,
        "",
    };
    for (const auto& reg : refused) EXPECT_EQ(appPath(reg), std::nullopt) << reg.substr(0, 200);
}

TEST_F(WineRegistryTest, MissingFoldersDrivesAndOverlongValuesAreNotRegistered)
{
    makeGameFolder("Golvar");
    const auto withPath = [&](const std::string& value) {
        writeSystemReg(std::string(kHeader) + kAppPaths + "\"Path\"=\"" + value + "\"\n");
        return discovered();
    };
    EXPECT_NE(withPath("C:\\\\Golvar"), std::nullopt);
    EXPECT_EQ(withPath("C:\\\\Missing"), std::nullopt);
    EXPECT_EQ(withPath("D:\\\\Golvar"), std::nullopt);             // no such drive in dosdevices
    EXPECT_EQ(withPath("\\\\\\\\server\\\\Golvar"), std::nullopt); // network path
    EXPECT_EQ(withPath("C:Golvar"), std::nullopt);                 // relative to the drive
    // The value was always read into 100 bytes.
    const std::string longName(120, 'L');
    makeGameFolder(longName);
    EXPECT_EQ(withPath("C:\\\\" + longName), std::nullopt);
    fs::remove(prefix() / "system.reg");
    EXPECT_EQ(discovered(), std::nullopt);
}
