#pragma once

#include "settings/SettingsStore.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The language the editor's own texts are shown in. It has nothing to do with the game's
// "Language" (the name files read at start-up): this one is kept as "UiLanguage", chosen
// in Preferences, and applied at the next start.
struct CUiLanguage
{
    const char* code;        // "" for the system's language
    const char* nativeName;  // how a speaker of the language names it; never translated
};

// In the order Preferences lists them; "System" is the first and the default.
inline constexpr std::array<CUiLanguage, 9> kUiLanguages{{
    {"", "System"},
    {"en", "English"},
    {"de", "Deutsch"},
    {"es", "Español"},
    {"it", "Italiano"},
    {"nl", "Nederlands"},
    {"pt_BR", "Português (Brasil)"},
    {"sv", "Svenska"},
    {"ja", "日本語"},
}};

namespace settingnames
{
inline constexpr const char* kUiLanguage = "UiLanguage";
}

// Whether code is one of the languages above, "" (System) excluded.
bool isUiLanguage(std::string_view code);

// The editor's language for a locale name as the system gives it ("de_DE", "pt_BR",
// "ja_JP.UTF-8", "sv-SE"): the exact language and country first, then the language alone
// (any Portuguese is Brazilian here); English for every other.
std::string uiLanguageForLocale(std::string_view localeName);

// The saved choice: "" (System) when missing or not one of ours.
std::string readUiLanguage(CSettingsStore& store);
// A failed write is ignored; "" saves System.
void writeUiLanguage(CSettingsStore& store, const std::string& code);

struct CUiLanguageChoice
{
    std::string code;     // one of kUiLanguages, never ""
    std::string warning;  // set when the command line named a language we do not have
};
// The language of this run: the command line's (one run only), else the saved choice,
// else the system's. An unknown code on the command line gives English and a warning.
CUiLanguageChoice chooseUiLanguage(const std::optional<std::string>& commandLine, const std::string& saved,
                                   std::string_view systemLocale);
