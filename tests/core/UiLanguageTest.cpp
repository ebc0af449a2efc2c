#include "MemorySettings.h"

#include "settings/GameSettings.h"
#include "settings/UiLanguage.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

TEST(UiLanguage, LocaleNamesMapToTheEditorsLanguages)
{
    const struct
    {
        const char* locale;
        const char* code;
    } cases[] = {
        {"de_DE", "de"},       {"de_AT.UTF-8", "de"}, {"es_MX", "es"},     {"it_IT@euro", "it"},
        {"nl_BE", "nl"},       {"pt_BR", "pt_BR"},    {"pt_PT", "pt_BR"},  {"pt-BR", "pt_BR"},
        {"sv_SE", "sv"},       {"ja_JP.UTF-8", "ja"}, {"ja", "ja"},        {"en_GB", "en"},
        {"fr_FR", "en"},       {"C", "en"},           {"", "en"},          {"POSIX", "en"},
    };
    for (const auto& c : cases) EXPECT_EQ(uiLanguageForLocale(c.locale), c.code) << c.locale;
}

TEST(UiLanguage, CommandLineThenSavedThenSystem)
{
    const struct
    {
        std::optional<std::string> commandLine;
        std::string saved;
        const char* system;
        const char* code;
        bool warns;
    } cases[] = {
        {"ja", "de", "sv_SE", "ja", false},
        {"pt_BR", "", "de_DE", "pt_BR", false},
        {"en", "de", "de_DE", "en", false},
        {"fr", "de", "de_DE", "en", true},      // unknown: English, never the saved choice
        {"", "de", "de_DE", "en", true},        // an empty code is no language either
        {"DE", "", "sv_SE", "en", true},        // codes are exact
        {std::nullopt, "nl", "ja_JP", "nl", false},
        {std::nullopt, "", "ja_JP", "ja", false},
        {std::nullopt, "xx", "es_ES", "es", false},
        {std::nullopt, "", "fr_FR", "en", false},
    };
    for (const auto& c : cases)
    {
        const CUiLanguageChoice choice = chooseUiLanguage(c.commandLine, c.saved, c.system);
        EXPECT_EQ(choice.code, c.code) << c.commandLine.value_or("(none)") << " " << c.saved;
        EXPECT_EQ(!choice.warning.empty(), c.warns) << choice.warning;
    }
}

TEST(UiLanguage, KeptApartFromTheGamesLanguage)
{
    CMemorySettings store;
    EXPECT_EQ(readUiLanguage(store), "");
    writeUiLanguage(store, "ja");
    EXPECT_EQ(readUiLanguage(store), "ja");
    CGameSettings game;
    readLanguage(game, store);
    EXPECT_EQ(game.languageCode, "ENG");  // the game's name files stay English

    game.languageCode = "GER";
    writeLanguage(game, store);
    EXPECT_EQ(readUiLanguage(store), "ja");
    writeUiLanguage(store, "");
    EXPECT_EQ(readUiLanguage(store), "");
    writeUiLanguage(store, "klingon");  // a hand-edited value that is none of ours reads as System
    EXPECT_EQ(readUiLanguage(store), "");
}
