#include "settings/UiLanguage.h"

#include <algorithm>

bool isUiLanguage(std::string_view code)
{
    return !code.empty() && std::any_of(kUiLanguages.begin(), kUiLanguages.end(),
                                        [&](const CUiLanguage& language) { return code == language.code; });
}

std::string uiLanguageForLocale(std::string_view localeName)
{
    // "ja_JP.UTF-8@x" -> "ja_JP"; BCP 47's "pt-BR" -> "pt_BR".
    std::string name(localeName.substr(0, localeName.find_first_of(".@")));
    std::replace(name.begin(), name.end(), '-', '_');
    if (isUiLanguage(name)) return name;
    const std::string language = name.substr(0, name.find('_'));
    if (language == "pt") return "pt_BR";
    if (isUiLanguage(language)) return language;
    return "en";
}

std::string readUiLanguage(CSettingsStore& store)
{
    std::string code;
    if (store.open() && store.readString(settingnames::kUiLanguage, code) && isUiLanguage(code)) return code;
    return {};
}

void writeUiLanguage(CSettingsStore& store, const std::string& code)
{
    if (store.create()) store.writeString(settingnames::kUiLanguage, code);
}

CUiLanguageChoice chooseUiLanguage(const std::optional<std::string>& commandLine, const std::string& saved,
                                   std::string_view systemLocale)
{
    if (commandLine)
    {
        if (isUiLanguage(*commandLine)) return {*commandLine, {}};
        std::string known;
        for (const CUiLanguage& language : kUiLanguages)
            if (*language.code) known += std::string(known.empty() ? "" : ", ") + language.code;
        return {"en", "Unknown language \"" + *commandLine + "\" for --ui-language (known: " + known +
                          "); the editor speaks English."};
    }
    if (isUiLanguage(saved)) return {saved, {}};
    return {uiLanguageForLocale(systemLocale), {}};
}
