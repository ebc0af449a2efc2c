#include "database/Backup.h"
#include "util/Translatable.h"

#include "database/Database.h"
#include "database/GameFiles.h"
#include "util/FolderLock.h"
#include "util/Format.h"
#include "util/GamePath.h"
#include "util/PathText.h"

#include <cctype>
#include <span>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

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
    const std::string text = genericUtf8FromPath(canonical);
    uint64_t h = 1469598103934665603ull;
    for (unsigned char c : text) h = (h ^ c) * 1099511628211ull;
    std::string name;
    for (char c : utf8FromPath(canonical.filename()))
        name += (std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_') ? c : '_';
    if (name.empty()) name = "game";
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(h));
    return name.substr(0, 40) + "-" + hex;
}

constexpr const char* kManifest = "MANIFEST.TXT";
constexpr const char* kManifestMagic = "OBRIX-BACKUP 1";

struct CManifest
{
    std::string takenAt;
    struct CFile
    {
        std::string name;
        uint64_t size;
        std::string checksum;
    };
    std::vector<CFile> files;
    const CFile* find(const std::string& name) const
    {
        for (const auto& f : files)
            if (f.name == name) return &f;
        return nullptr;
    }
};

std::string manifestText(const CManifest& m)
{
    std::string body = std::string(kManifestMagic) + "\ntaken\t" + m.takenAt + "\n";
    for (const auto& f : m.files) body += "file\t" + f.name + "\t" + std::to_string(f.size) + "\t" + f.checksum + "\n";
    return body + "end\t" + checksumText({reinterpret_cast<const uint8_t*>(body.data()), body.size()}) + "\n";
}

std::optional<CManifest> parseManifest(const std::vector<uint8_t>& bytes)
{
    const std::string text(bytes.begin(), bytes.end());
    const auto endAt = text.rfind("end\t");
    if (endAt == std::string::npos || text.substr(endAt) != "end\t" + checksumText({bytes.data(), endAt}) + "\n")
        return std::nullopt;
    CManifest m;
    std::size_t pos = 0;
    int line = 0;
    while (pos < endAt)
    {
        const auto nl = text.find('\n', pos);
        const std::string l = text.substr(pos, nl - pos);
        pos = nl + 1;
        std::vector<std::string> f(1);
        for (char c : l)
            if (c == '\t')
                f.emplace_back();
            else
                f.back() += c;
        if (line++ == 0)
        {
            if (l != kManifestMagic) return std::nullopt;
        }
        else if (f.size() == 2 && f[0] == "taken")
            m.takenAt = f[1];
        else if (f.size() == 4 && f[0] == "file" && !f[1].empty() && f[1].find('/') == std::string::npos)
            m.files.push_back({f[1], std::strtoull(f[2].c_str(), nullptr, 10), f[3]});
        else
            return std::nullopt;
    }
    return m;
}

std::string localTimeText(std::time_t t)
{
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &t);
#else
    localtime_r(&t, &local);
#endif
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

struct CBackupFiles
{
    std::string database = baseName(gamepaths::kDatabaseFile);
    std::string playerNames;
    std::string names;
};
} // namespace

CBackup::CBackup(fs::path dataFolder, fs::path gameFolder, std::string languageCode, CFileSystem& fs)
    : m_folder(dataFolder / "BACKUP" / folderKey(gameFolder))
    , m_gameFolder(std::move(gameFolder))
    , m_languageCode(std::move(languageCode))
    , m_fs(fs)
{
}

std::optional<std::string> CBackup::verify() const
{
    // A backup interrupted while it was written is finished or undone first.
    const CRecovery recovery = recoverCommit(m_fs, m_folder);
    if (recovery.state == CRecovery::CState::Failed) return recovery.message;
    std::vector<uint8_t> bytes;
    CFileStatus st;
    if (!m_fs.status(m_folder / kManifest, st) || !st.exists) return std::string("it has no manifest");
    if (!m_fs.readFile(m_folder / kManifest, bytes)) return fileFailure(m_folder / kManifest, "read", errno);
    const auto manifest = parseManifest(bytes);
    if (!manifest || manifest->files.empty()) return std::string(kManifest) + " is damaged";
    for (const auto& f : manifest->files)
    {
        if (!m_fs.readFile(m_folder / f.name, bytes)) return fileFailure(m_folder / f.name, "read", errno);
        if (bytes.size() != f.size)
            return f.name + " holds " + std::to_string(bytes.size()) + " bytes, the manifest says "
                   + std::to_string(f.size);
        if (checksumText(bytes) != f.checksum) return f.name + " does not match its checksum in the manifest";
    }
    return std::nullopt;
}

bool CBackup::exists() const
{
    return !verify();
}

bool CBackup::present() const
{
    if (recoverCommit(m_fs, m_folder).state == CRecovery::CState::Failed) return false;
    std::vector<uint8_t> bytes;
    if (!m_fs.readFile(m_folder / kManifest, bytes)) return false;
    const auto manifest = parseManifest(bytes);
    if (!manifest || manifest->files.empty()) return false;
    for (const auto& f : manifest->files)
    {
        CFileStatus st;
        if (!m_fs.status(m_folder / f.name, st) || !st.regular || st.size != f.size) return false;
    }
    return true;
}

std::string CBackup::takenAt() const
{
    std::vector<uint8_t> bytes;
    if (!m_fs.readFile(m_folder / kManifest, bytes)) return {};
    const auto manifest = parseManifest(bytes);
    return manifest ? manifest->takenAt : std::string();
}

namespace
{
// The same checks as a load of the game's own files: what a backup must hold to be worth
// restoring. The reason, with the file, when the three do not load.
std::optional<std::string> loadProblem(const std::string& languageCode, std::span<const uint8_t> database,
                                       std::span<const uint8_t> names, std::span<const uint8_t> playerNames)
{
    CDatabase db;
    CDatabaseBuilder(db).setLanguageCode(languageCode);
    return gameformat::loadFromBytes(db, database, names, playerNames);
}
} // namespace

bool CBackup::make(std::string* error)
{
    auto fail = [&](const std::string& why) {
        if (error) *error = translatedArgs("backuptexts", backuptexts::kBackupFailed, {utf8FromPath(m_gameFolder), why});
        return false;
    };
    // Never a copy of a set that another program is replacing: the game's files are read
    // under their folder's lock (the caller's, when it holds it already).
    CFolderLock lock;
    if (auto refused = lock.refusal(lock.acquire(CGameFiles(m_gameFolder, m_fs).databaseFolder(), CFolderLock::defaultWait()),
                                    utf8FromPath(m_gameFolder)))
        return fail(*refused);
    // Never a copy of a set that a save or restore left half done.
    // (Through the game files' own recovery: never one that another program is in the middle of.)
    const CRecovery source = CGameFiles(m_gameFolder, m_fs).recoverInterrupted();
    if (source.state == CRecovery::CState::Failed || source.state == CRecovery::CState::Skipped)
        return fail(source.message);
    std::error_code ec;
    fs::create_directories(m_folder, ec);
    if (ec) return fail(utf8FromPath(m_folder) + ": cannot create the folder: " + ec.message());

    std::vector<CPendingFile> files;
    CManifest manifest{localTimeText(std::time(nullptr)), {}};
    auto add = [&](const std::string& gamePath, bool required) {
        const fs::path from = resolveGamePath(m_gameFolder, gamePath);
        CFileStatus st;
        if (!m_fs.status(from, st)) return std::optional<std::string>(fileFailure(from, "examine", errno));
        // Only a file that is not there at all is a language the game lacks.
        if (!st.exists && !required) return std::optional<std::string>();
        std::vector<uint8_t> bytes;
        if (!m_fs.readFile(from, bytes)) return std::optional<std::string>(fileFailure(from, "read", errno));
        const std::string name = baseName(gamePath);
        manifest.files.push_back({name, bytes.size(), checksumText(bytes)});
        files.push_back({m_folder / name, std::move(bytes), {}});
        return std::optional<std::string>();
    };
    if (auto e = add(gamepaths::kDatabaseFile, true)) return fail(*e);
    if (auto e = add(gamepaths::playerNameFilePath(m_languageCode), true)) return fail(*e);
    for (const char* code : gamepaths::kLanguageCodes)
        if (auto e = add(gamepaths::nameFilePath(code), code == m_languageCode)) return fail(*e);

    // A copy of files that do not load would only replace a backup worth having.
    {
        const auto bytesOf = [&](const std::string& gamePath) -> std::span<const uint8_t> {
            for (const auto& f : files)
                if (f.target.filename() == baseName(gamePath)) return f.bytes;
            return {};
        };
        if (auto e = loadProblem(m_languageCode, bytesOf(gamepaths::kDatabaseFile),
                                 bytesOf(gamepaths::nameFilePath(m_languageCode)),
                                 bytesOf(gamepaths::playerNameFilePath(m_languageCode))))
            return fail(translatedArgs("backuptexts", backuptexts::kSourceUnreadable, {e->c_str()}));
    }

    const std::string note = genericUtf8FromPath(m_gameFolder) + "\n";
    files.push_back({m_folder / kSourceNote, {note.begin(), note.end()}, {}});
    const std::string text = manifestText(manifest);
    files.push_back({m_folder / kManifest, {text.begin(), text.end()}, {}});
    // Each copy is read back before it replaces anything, so a disk that does not give
    // back what it was given leaves the earlier backup as it was.
    if (auto e = commitFiles(m_fs, files, "backup", nullptr, true)) return fail(*e);
    // The copies as they now lie under their names, against the sources' checksums.
    for (const auto& f : manifest.files)
    {
        const fs::path copy = m_folder / f.name;
        std::vector<uint8_t> bytes;
        std::string why;
        if (!m_fs.readFile(copy, bytes))
            why = fileFailure(copy, "read back", errno);
        else if (bytes.size() != f.size || checksumText(bytes) != f.checksum)
            why = translatedArgs("committexts", committexts::kReadBackDiffers, {utf8FromPath(copy), std::to_string(bytes.size()), std::to_string(f.size)});
        if (why.empty()) continue;
        // No half backup is left to pass for a whole one: the manifest goes first, so
        // that even a removal cut short leaves nothing that counts as a backup.
        bool removed = m_fs.removeFile(m_folder / kManifest);
        for (const auto& other : manifest.files) removed = m_fs.removeFile(m_folder / other.name) && removed;
        removed = m_fs.removeFile(m_folder / kSourceNote) && removed;
        m_fs.syncFolder(m_folder);
        return fail(translatedArgs("backuptexts", removed ? backuptexts::kHalfBackupRemoved : backuptexts::kHalfBackupLeft, {why, utf8FromPath(m_folder)}));
    }
    return true;
}
bool CBackup::adoptEarlierBackup()
{
    // Earlier versions of the editor wrote no manifest. Their copies were taken before
    // the first save, so they are kept as they are rather than replaced by the files as
    // they are now; their manifest records what is there.
    CFileStatus st;
    if (!m_fs.status(m_folder / kManifest, st) || st.exists) return false;
    CManifest manifest;
    std::vector<CPendingFile> files;
    const std::string database = baseName(gamepaths::kDatabaseFile);
    std::vector<std::string> names = {database, baseName(gamepaths::playerNameFilePath(m_languageCode))};
    for (const char* code : gamepaths::kLanguageCodes) names.push_back(baseName(gamepaths::nameFilePath(code)));
    for (const auto& name : names)
    {
        std::vector<uint8_t> bytes;
        if (!m_fs.status(m_folder / name, st) || !st.exists) continue;
        if (!st.regular || !m_fs.readFile(m_folder / name, bytes)) return false;
        manifest.files.push_back({name, bytes.size(), checksumText(bytes)});
    }
    if (manifest.files.empty() || manifest.files.front().name != database) return false;
    std::error_code ec;
    const auto written = fs::last_write_time(m_folder / database, ec);
    manifest.takenAt = "an earlier version of the editor";
    if (!ec)
    {
        const auto sys = std::chrono::file_clock::to_sys(written);
        manifest.takenAt = localTimeText(std::chrono::system_clock::to_time_t(sys));
    }
    const std::string text = manifestText(manifest);
    return !commitFiles(m_fs, {{m_folder / kManifest, {text.begin(), text.end()}, {}}}, "backup") && exists();
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
    else if (!present())
    {
        if (!adoptEarlierBackup()) make();
    }
    result.backupFlag = flag == 1;
    return result;
}

CBackup::CRestoreResult CBackup::restore()
{
    CRestoreResult result;
    auto refuse = [&](const std::string& why) {
        result.message = translatedArgs("backuptexts", backuptexts::kNotRestored, {why});
        return result;
    };
    // No other program's save may land in the game's folder while it is put back.
    CFolderLock lock;
    if (auto refused = lock.refusal(lock.acquire(CGameFiles(m_gameFolder, m_fs).databaseFolder(), CFolderLock::defaultWait()),
                                    utf8FromPath(m_gameFolder)))
        return refuse(*refused);
    if (auto e = verify())
        return refuse(translatedArgs("backuptexts", backuptexts::kBadBackup, {utf8FromPath(m_folder), e->c_str()}));

    const std::string gamePaths[] = {gamepaths::kDatabaseFile, gamepaths::nameFilePath(m_languageCode),
                                     gamepaths::playerNameFilePath(m_languageCode)};
    std::vector<uint8_t> bytes[3];
    std::vector<uint8_t> manifestBytes;
    m_fs.readFile(m_folder / kManifest, manifestBytes);
    const auto manifest = parseManifest(manifestBytes);
    for (int i = 0; i < 3; ++i)
    {
        const std::string name = baseName(gamePaths[i]);
        if (!manifest || !manifest->find(name))
            return refuse(translatedArgs("backuptexts", backuptexts::kBadBackup, {utf8FromPath(m_folder), ("it holds no " + name)}));
        if (!m_fs.readFile(m_folder / name, bytes[i])) return refuse(fileFailure(m_folder / name, "read", errno));
    }

    if (auto e = loadProblem(m_languageCode, bytes[0], bytes[1], bytes[2]))
        return refuse(translatedArgs("backuptexts", backuptexts::kBackupUnreadable, {e->c_str()}));

    std::vector<CPendingFile> files;
    std::string names;
    for (int i = 0; i < 3; ++i)
    {
        const std::string name = baseName(gamePaths[i]);
        names += (i == 0 ? "" : i == 2 ? " and " : ", ") + name;
        files.push_back({resolveGamePath(m_gameFolder, gamePaths[i]), std::move(bytes[i]), {}});
    }
    if (auto e = commitFiles(m_fs, files, "restore")) return refuse(*e + " The game's files are as they were.");
    result.restored = true;
    result.message = translatedArgs("backuptexts", backuptexts::kRestored, {names, manifest->takenAt});
    return result;
}

bool restoreBackedUpData(CBackup& backup, CPrompts& prompts)
{
    if (!prompts.askYesNo(translated("backuptexts", backuptexts::kRestoreQuestion), CPrompts::CIcon::Question)) return false;
    if (!backup.exists() && !fs::exists(backup.folder()))
    {
        prompts.message(translated("backuptexts", backuptexts::kNoBackup), CPrompts::CIcon::Warning);
        return false;
    }
    const auto result = backup.restore();
    prompts.message(result.message, result.restored ? CPrompts::CIcon::Information : CPrompts::CIcon::Warning);
    return result.restored;
}
