#include "database/Backup.h"

#include "database/GameFiles.h"
#include "util/Format.h"
#include "util/GamePath.h"

#include <cctype>
#include <cstdio>

namespace fs = std::filesystem;

namespace
{
constexpr const char* kSourceNote = "GAMEFOLDER.TXT";
constexpr const char* kBackupValue = "Backup";

std::string baseName(const std::string& gamePath)
{
    return gamePath.substr(gamePath.find_last_of('\\') + 1);
}

// One folder per game folder: its last component for people to recognise, and a hash
// of the whole path so that two installations never share a folder.
std::string folderKey(const fs::path& gameFolder)
{
    std::error_code ec;
    fs::path canonical = fs::weakly_canonical(fs::absolute(gameFolder, ec), ec);
    if (canonical.empty()) canonical = gameFolder;
    const std::string text = canonical.generic_string();
    uint64_t h = 1469598103934665603ull;
    for (unsigned char c : text) h = (h ^ c) * 1099511628211ull;
    std::string name;
    for (char c : canonical.filename().string())
        name += (std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_') ? c : '_';
    if (name.empty()) name = "game";
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(h));
    return name.substr(0, 40) + "-" + hex;
}

bool copySafely(CFileSystem& fs, const fs::path& from, const fs::path& to)
{
    std::vector<uint8_t> bytes;
    if (!fs.readFile(from, bytes)) return false;
    return !commitFiles(fs, {CPendingFile{to, std::move(bytes), {}}});
}
} // namespace

CBackup::CBackup(fs::path dataFolder, fs::path gameFolder, std::string languageCode, CFileSystem& fs)
    : m_folder(dataFolder / "BACKUP" / folderKey(gameFolder))
    , m_gameFolder(std::move(gameFolder))
    , m_languageCode(std::move(languageCode))
    , m_fs(fs)
{
}

bool CBackup::exists() const
{
    std::error_code ec;
    return fs::is_regular_file(m_folder / "FCDB.DBI", ec);
}

bool CBackup::make()
{
    std::error_code ec;
    fs::create_directories(m_folder, ec);
    const std::string note = m_gameFolder.generic_string() + "\n";
    if (!m_fs.writeFileDurably(m_folder / kSourceNote, {reinterpret_cast<const uint8_t*>(note.data()), note.size()}))
        return false;
    if (!copySafely(m_fs, resolveGamePath(m_gameFolder, gamepaths::kDatabaseFile), m_folder / "FCDB.DBI"))
        return false;
    const std::string playerNames = gamepaths::playerNameFilePath(m_languageCode);
    if (!copySafely(m_fs, resolveGamePath(m_gameFolder, playerNames), m_folder / baseName(playerNames)))
        return false;
    for (const char* code : gamepaths::kLanguageCodes)
    {
        const std::string names = gamepaths::nameFilePath(code);
        copySafely(m_fs, resolveGamePath(m_gameFolder, names), m_folder / baseName(names));  // a missing language is fine
    }
    return true;
}

CBackup::CCheckResult CBackup::check(CSettingsStore& settings, const fs::path& jerseysFolder)
{
    CCheckResult result;
    // The first start needs the pictures most: the team page is empty without them.
    std::error_code ec;
    result.needThumbnails = !fs::is_regular_file(jerseysFolder / "mjfr1.bmp", ec);
    if (!settings.open()) return result;
    uint32_t flag = 0;
    if (!settings.readNumber(kBackupValue, flag))
    {
        flag = make() ? 1 : 0;
        settings.create();
        settings.writeNumber(kBackupValue, flag);
    }
    else if (!exists())
    {
        make();
    }
    result.backupFlag = flag == 1;
    return result;
}

std::vector<std::string> CBackup::restore()
{
    std::vector<std::string> failed;
    const std::string files[] = {gamepaths::kDatabaseFile, gamepaths::playerNameFilePath(m_languageCode),
                                 gamepaths::nameFilePath(m_languageCode)};
    for (const auto& gamePath : files)
    {
        const std::string name = baseName(gamePath);
        if (!copySafely(m_fs, m_folder / name, resolveGamePath(m_gameFolder, gamePath))) failed.push_back(name);
    }
    return failed;
}

bool restoreBackedUpData(CBackup& backup, CPrompts& prompts)
{
    if (!prompts.askYesNo(backuptexts::kRestoreQuestion, CPrompts::CIcon::Question)) return false;
    if (!backup.exists())
    {
        prompts.message(backuptexts::kNoBackup, CPrompts::CIcon::Warning);
        return false;
    }
    const auto failed = backup.restore();
    if (!failed.empty())
    {
        std::string list;
        for (const auto& f : failed) list += (list.empty() ? "" : "\n") + f;
        prompts.message(formatText(backuptexts::kRestoreFailed, list.c_str()), CPrompts::CIcon::Warning);
    }
    return true;
}
