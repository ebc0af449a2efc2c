#include "TempFolder.h"

#include "settings/IniSettings.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

std::vector<uint8_t> bytes(const std::string& s)
{
    return {s.begin(), s.end()};
}

std::string text(const std::vector<uint8_t>& b)
{
    return {b.begin(), b.end()};
}

} // namespace

// The file as the program saves it with QSettings on Linux.
TEST(SettingsIniTest, ReadsWhatQtWrites)
{
    TempFolder dir;
    dir.write("Obrix.conf", bytes("; saved by hand\n"
                                  "[General]\n"
                                  "Backup=1\n"
                                  "Commentary%20Path=C:\\\\Games\\\\Golvar\\\\Audio\\\\Plrs\n"
                                  "CommentaryPath=\"  spaced, with comma; and semicolon \"\n"
                                  "Language=GER ; a comment\n"
                                  "Path=/home/me/.wine/drive_c/Games/Golv\\xe4r \\\"q\\\"\n"
                                  "Window%20X=-8\n"
                                  "Window%20Y=4294967295\n"
                                  "Window%20Width=abc\n"
                                  "List=a, b\n"
                                  "Typed=@Rect(0 0 10 10)\n"
                                  "At=@@home\n"
                                  "Continued=one\\\ntwo\n"
                                  "\n"
                                  "[Other]\n"
                                  "Language=SWE\n"));
    CIniSettings ini(dir.path() / "Obrix.conf");
    ASSERT_TRUE(ini.open());
    std::string s;
    ASSERT_TRUE(ini.readString("Commentary Path", s));
    EXPECT_EQ(s, "C:\\Games\\Golvar\\Audio\\Plrs");
    ASSERT_TRUE(ini.readString("CommentaryPath", s));
    EXPECT_EQ(s, "  spaced, with comma; and semicolon ");
    ASSERT_TRUE(ini.readString("Language", s));
    EXPECT_EQ(s, "GER");
    ASSERT_TRUE(ini.readString("Path", s));
    EXPECT_EQ(s, "/home/me/.wine/drive_c/Games/Golv\xC3\xA4r \"q\"");
    ASSERT_TRUE(ini.readString("At", s));
    EXPECT_EQ(s, "@home");
    ASSERT_TRUE(ini.readString("Continued", s));
    EXPECT_EQ(s, "onetwo");
    EXPECT_FALSE(ini.readString("List", s));
    EXPECT_FALSE(ini.readString("Typed", s));

    uint32_t n = 0;
    ASSERT_TRUE(ini.readNumber("Backup", n));
    EXPECT_EQ(n, 1u);
    ASSERT_TRUE(ini.readNumber("Window X", n));
    EXPECT_EQ(int32_t(n), -8);
    ASSERT_TRUE(ini.readNumber("Window Y", n));
    EXPECT_EQ(n, 4294967295u);
    EXPECT_FALSE(ini.readNumber("Window Width", n));
    EXPECT_FALSE(ini.readNumber("Window Height", n));
}

TEST(SettingsIniTest, WritesKeepOtherSectionsAndReadBack)
{
    TempFolder dir;
    const auto file = dir.path() / "config" / "Brannoc" / "Obrix.conf";
    CIniSettings ini(file);
    EXPECT_FALSE(ini.open());
    EXPECT_FALSE(ini.writeString("Path", "x"));  // like a registry key that does not exist
    ASSERT_TRUE(ini.create());
    ASSERT_TRUE(ini.writeString("Commentary Path", "C:\\Games, Golvar\\Audio"));
    ASSERT_TRUE(ini.writeString("Path", "@/g\xC3\xA4"));
    ASSERT_TRUE(ini.writeNumber("Window X", uint32_t(-8)));
    EXPECT_NE(text(dir.read("config/Brannoc/Obrix.conf")).find("Commentary%20Path=\"C:\\\\Games, Golvar\\\\Audio\"\n"),
              std::string::npos);

    // Another section written by someone else survives our writes.
    std::string content = text(dir.read("config/Brannoc/Obrix.conf")) + "\n[Other]\nKey=kept\n";
    dir.write("config/Brannoc/Obrix.conf", bytes(content));
    CIniSettings again(file);
    ASSERT_TRUE(again.open());
    ASSERT_TRUE(again.writeString("Path", " padded "));
    EXPECT_NE(text(dir.read("config/Brannoc/Obrix.conf")).find("[Other]\nKey=kept\n"), std::string::npos);

    CIniSettings third(file);
    ASSERT_TRUE(third.open());
    std::string s;
    ASSERT_TRUE(third.readString("Commentary Path", s));
    EXPECT_EQ(s, "C:\\Games, Golvar\\Audio");
    ASSERT_TRUE(third.readString("Path", s));
    EXPECT_EQ(s, " padded ");
    uint32_t n = 0;
    ASSERT_TRUE(third.readNumber("Window X", n));
    EXPECT_EQ(int32_t(n), -8);
    EXPECT_FALSE(third.readString("Key", s));
}

// A value left open by hand (an unclosed quote, a trailing backslash) must not swallow the
// lines written after it: the game folder would be lost on every start.
TEST(SettingsIniTest, DamagedValuesDoNotSwallowOurWrites)
{
    TempFolder dir;
    const auto file = dir.path() / "Obrix.conf";
    for (const std::string damaged : {"[General]\nOpen=\"a,b\nmore\n", "[General]\nCut=abc\\", "[General]\r\nCut=abc\\\r\r\nx"})
    {
        dir.write("Obrix.conf", bytes(damaged));
        CIniSettings ini(file);
        ASSERT_TRUE(ini.open());
        ASSERT_TRUE(ini.writeString("Path", "C:\\Games\\Golvar"));
        ASSERT_TRUE(ini.writeNumber("Window Width", 1024));
        CIniSettings again(file);
        ASSERT_TRUE(again.open());
        std::string s;
        uint32_t n = 0;
        EXPECT_TRUE(again.readString("Path", s)) << damaged;
        EXPECT_EQ(s, "C:\\Games\\Golvar");
        EXPECT_TRUE(again.readNumber("Window Width", n)) << damaged;
        EXPECT_EQ(n, 1024u);
    }
}

TEST(SettingsIniTest, EscapingMatchesQt)
{
    EXPECT_EQ(CIniSettings::escapeKey("Window Maximised"), "Window%20Maximised");
    EXPECT_EQ(CIniSettings::escapeKey("a/b\xC3\xA9\xE2\x82\xAC"), "a\\b%E9%U20AC");
    EXPECT_EQ(CIniSettings::unescapeKey("a\\b%E9%U20AC%zz"), "a/b\xC3\xA9\xE2\x82\xAC%zz");
    EXPECT_EQ(CIniSettings::escapeValue("C:\\Games"), "C:\\\\Games");
    EXPECT_EQ(CIniSettings::escapeValue("a=b"), "\"a=b\"");
    EXPECT_EQ(CIniSettings::escapeValue("@x"), "@@x");
    for (const auto& value : {std::string("tab\there\nnl"), std::string("\x01" "a"), std::string("q\"\\"),
                                    std::string("\xF0\x9F\x98\x80 ;")})
        EXPECT_EQ(CIniSettings::unescapeValue(CIniSettings::escapeValue(value)), value) << value;
    // A surrogate pair written as two escapes is one character.
    EXPECT_EQ(CIniSettings::unescapeValue("\\xd83d\\xde00"), "\xF0\x9F\x98\x80");
}

TEST(SettingsIniTest, DefaultFileFollowsXdg)
{
#ifdef _WIN32
    GTEST_SKIP() << "the XDG folders are where Linux keeps settings; Windows keeps them in the user's AppData";
#endif
    EXPECT_EQ(CIniSettings::defaultFile(std::string("/cfg"), std::string("/home/me")),
              std::filesystem::path("/cfg/Brannoc/Obrix.conf"));
    EXPECT_EQ(CIniSettings::defaultFile(std::string("relative"), std::string("/home/me")),
              std::filesystem::path("/home/me/.config/Brannoc/Obrix.conf"));
    EXPECT_EQ(CIniSettings::defaultFile(std::nullopt, std::string("/home/me")),
              std::filesystem::path("/home/me/.config/Brannoc/Obrix.conf"));
    EXPECT_TRUE(CIniSettings::defaultFile(std::string(""), std::nullopt).empty());
}
