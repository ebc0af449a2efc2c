#include "settings/GameSettings.h"
#include "util/Translatable.h"

#include <optional>

namespace
{

#ifdef _WIN32
constexpr const char* kCommentarySuffix = "\\Audio\\Plrs";
#else
constexpr const char* kCommentarySuffix = "/Audio/Plrs";
#endif

std::optional<std::string> askForFolder(CPrompts& prompts, const std::string& startFolder)
{
    return prompts.chooseFolder(translated("settingtexts", settingtexts::kSelectFolderTitle), startFolder);
}

} // namespace

std::string commentaryFolderFor(const std::string& gameFolder)
{
    return gameFolder + kCommentarySuffix;
}

bool discoverGameFolder(CGameSettings& settings, CSettingsStore& store, CPrompts& prompts,
                        CGameRegistration& registration, const std::string& startFolder)
{
    if (store.open())
    {
        std::string path;
        if (store.readString(settingnames::kPath, path))
        {
            std::string commentary;
            if (!store.readString(settingnames::kCommentaryPathRead, commentary)) commentary = commentaryFolderFor(path);
            settings.gameFolder = path;
            settings.commentaryFolder = commentary;
            return true;
        }
    }
    else
    {
        // A registration we cannot read is no better than none: both end in the question.
        std::optional<std::string> folder = registration.gameFolder();
        if (!folder)
        {
            if (!prompts.askYesNo(translated("settingtexts", settingtexts::kCannotLocate), CPrompts::CIcon::Question)) return false;
            folder = askForFolder(prompts, startFolder);
            if (!folder) return false;
        }
        const std::string commentary = commentaryFolderFor(*folder);
        if (store.create() && store.writeString(settingnames::kPath, *folder) &&
            store.writeString(settingnames::kCommentaryPathWritten, commentary))
        {
            settings.gameFolder = *folder;
            settings.commentaryFolder = commentary;
            return true;
        }
    }
    // The saved folder is unreadable, or the one just found could not be saved.
    if (!prompts.askYesNo(translated("settingtexts", settingtexts::kCannotLocate), CPrompts::CIcon::Question)) return false;
    return chooseGameFolder(settings, store, prompts, startFolder);
}

std::optional<std::string> locateGameFolderQuietly(CSettingsStore& store, CGameRegistration& registration)
{
    std::string path;
    if (store.open() && store.readString(settingnames::kPath, path)) return path;
    return registration.gameFolder();
}

bool chooseGameFolder(CGameSettings& settings, CSettingsStore& store, CPrompts& prompts, const std::string& startFolder)
{
    const auto folder = askForFolder(prompts, startFolder);
    if (!folder) return false;
    settings.gameFolder = *folder;
    if (store.create()) store.writeString(settingnames::kPath, *folder);
    return true;
}

void readLanguage(CGameSettings& settings, CSettingsStore& store)
{
    std::string code;
    if (store.open() && store.readString(settingnames::kLanguage, code) && !code.empty() &&
        code.size() < kLanguageBufferBytes)
        settings.languageCode = code;
    else
        settings.languageCode = "ENG";
}

void writeLanguage(const CGameSettings& settings, CSettingsStore& store)
{
    if (store.create()) store.writeString(settingnames::kLanguage, settings.languageCode);
}
