#include "database/Backup.h"
#include "util/Translatable.h"

#include "database/Database.h"
#include "database/GameFiles.h"
#include "util/FolderLock.h"
#include "util/Format.h"
#include "util/GamePath.h"
#include "util/PathText.h"

#include <algorithm>
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
fs::path canonicalFolder(const fs::path& gameFolder)
{
    std::error_code ec;
    fs::path canonical = fs::weakly_canonical(fs::absolute(gameFolder, ec), ec);
    return canonical.empty() ? gameFolder : canonical;
}

std::string folderKey(const fs::path& gameFolder)
{
    const fs::path canonical = canonicalFolder(gameFolder);
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
} // namespace

struct CBackup::CManifest
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

namespace
{
using CManifest = CBackup::CManifest;

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

// Every game file a backup may hold, by its name in the backup: the database, both player
// name files and the name file of every language.
std::vector<std::string> backedUpGamePaths()
{
    std::vector<std::string> paths = {gamepaths::kDatabaseFile, gamepaths::playerNameFilePath("ENG"),
                                      gamepaths::playerNameFilePath("JAP")};
    for (const char* code : gamepaths::kLanguageCodes) paths.push_back(gamepaths::nameFilePath(code));
    return paths;
}
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

std::optional<std::string> CBackup::prepare(CFolderLock& lock) const
{
    // Never a copy of a set that another program is replacing: the game's files are read
    // under their folder's lock (the caller's, when it holds it already).
    if (auto refused = lock.refusal(lock.acquire(CGameFiles(m_gameFolder, m_fs).databaseFolder(), CFolderLock::defaultWait()),
                                    utf8FromPath(m_gameFolder)))
        return refused;
    // Never a copy of a set that a save or restore left half done.
    // (Through the game files' own recovery: never one that another program is in the middle of.)
    const CRecovery source = CGameFiles(m_gameFolder, m_fs).recoverInterrupted();
    if (source.state == CRecovery::CState::Failed || source.state == CRecovery::CState::Skipped)
        return source.message;
    std::error_code ec;
    fs::create_directories(m_folder, ec);
    if (ec) return utf8FromPath(m_folder) + ": cannot create the folder: " + ec.message();
    return std::nullopt;
}

std::optional<std::string> CBackup::copyInto(const std::vector<std::string>& gamePaths,
                                             const std::vector<std::string>& required, CManifest& manifest,
                                             std::vector<CPendingFile>& files) const
{
    for (const std::string& gamePath : gamePaths)
    {
        const fs::path from = resolveGamePath(m_gameFolder, gamePath);
        CFileStatus st;
        if (!m_fs.status(from, st)) return fileFailure(from, "examine", errno);
        // Only a file that is not there at all is a language the game lacks.
        if (!st.exists && std::find(required.begin(), required.end(), gamePath) == required.end()) continue;
        std::vector<uint8_t> bytes;
        if (!m_fs.readFile(from, bytes)) return fileFailure(from, "read", errno);
        const std::string name = baseName(gamePath);
        manifest.files.push_back({name, bytes.size(), checksumText(bytes)});
        files.push_back({m_folder / name, std::move(bytes), {}});
    }
    return std::nullopt;
}

std::optional<std::string> CBackup::commitBackup(std::vector<CPendingFile> files, CManifest manifest) const
{
    // The game folder the backup belongs to, listed in the manifest like the copies so
    // that a restore can tell whose files they are.
    const std::string note = genericUtf8FromPath(canonicalFolder(m_gameFolder)) + "\n";
    std::erase_if(manifest.files, [](const CManifest::CFile& f) { return f.name == kSourceNote; });
    files.push_back({m_folder / kSourceNote, {note.begin(), note.end()}, {}});
    manifest.files.push_back({kSourceNote, note.size(), checksumText(files.back().bytes)});
    const std::string text = manifestText(manifest);
    files.push_back({m_folder / kManifest, {text.begin(), text.end()}, {}});
    // Each copy is read back before it replaces anything, and again under its own name
    // before the earlier backup is let go: a disk that does not give back what it was
    // given leaves the earlier backup as it was, never no backup at all.
    bool failedInPlace = false;
    const auto readBackInPlace = [&]() -> std::optional<std::string> {
        for (const auto& f : files)
        {
            std::vector<uint8_t> bytes;
            std::optional<std::string> why;
            if (!m_fs.readFile(f.target, bytes))
                why = fileFailure(f.target, "read back", errno);
            else if (bytes != f.bytes)
                why = translatedArgs("committexts", committexts::kReadBackDiffers, {utf8FromPath(f.target), std::to_string(bytes.size()), std::to_string(f.bytes.size())});
            failedInPlace = why.has_value();
            if (why) return why;
        }
        return std::nullopt;
    };
    auto e = commitFiles(m_fs, files, "backup", nullptr, true, readBackInPlace);
    // Unless the earlier files could not all be put back (then the commit's record stays
    // for the next look at the folder to finish, and the message says so).
    CFileStatus record;
    if (e && failedInPlace && m_fs.status(m_folder / committexts::kRecordName, record) && !record.exists)
        return translatedArgs("backuptexts", backuptexts::kEarlierBackupKept, {*e, utf8FromPath(m_folder)});
    return e;
}

bool CBackup::make(std::string* error)
{
    auto fail = [&](const std::string& why) {
        if (error) *error = translatedArgs("backuptexts", backuptexts::kBackupFailed, {utf8FromPath(m_gameFolder), why});
        return false;
    };
    CFolderLock lock;
    if (auto e = prepare(lock)) return fail(*e);

    std::vector<CPendingFile> files;
    CManifest manifest{localTimeText(std::time(nullptr)), {}};
    // Every language's files the game has, not only those in use: a later save in another
    // language changes its own name files, and restore must have them to put back.
    const std::vector<std::string> required = {gamepaths::kDatabaseFile, gamepaths::playerNameFilePath(m_languageCode),
                                               gamepaths::nameFilePath(m_languageCode)};
    if (auto e = copyInto(backedUpGamePaths(), required, manifest, files)) return fail(*e);

    // A copy of files that do not load would only replace a backup worth having.
    const auto bytesOf = [&](const std::string& gamePath) -> std::span<const uint8_t> {
        for (const auto& f : files)
            if (f.target.filename() == baseName(gamePath)) return f.bytes;
        return {};
    };
    if (auto e = loadProblem(m_languageCode, bytesOf(required[0]), bytesOf(required[2]), bytesOf(required[1])))
        return fail(translatedArgs("backuptexts", backuptexts::kSourceUnreadable, {e->c_str()}));

    if (auto e = commitBackup(std::move(files), std::move(manifest))) return fail(*e);
    return true;
}

bool CBackup::addLanguageFiles(std::string* error)
{
    auto fail = [&](const std::string& why) {
        if (error) *error = translatedArgs("backuptexts", backuptexts::kBackupFailed, {utf8FromPath(m_gameFolder), why});
        return false;
    };
    std::vector<uint8_t> bytes;
    if (!m_fs.readFile(m_folder / kManifest, bytes)) return fail(fileFailure(m_folder / kManifest, "read", errno));
    auto manifest = parseManifest(bytes);
    if (!manifest) return fail(std::string(kManifest) + " is damaged");
    std::vector<std::string> missing;
    for (const std::string& gamePath : {gamepaths::nameFilePath(m_languageCode), gamepaths::playerNameFilePath(m_languageCode)})
        if (!manifest->find(baseName(gamePath))) missing.push_back(gamePath);
    if (missing.empty()) return true;

    CFolderLock lock;
    if (auto e = prepare(lock)) return fail(*e);
    // Before this run's first save the language's files are still as they were found.
    std::vector<CPendingFile> files;
    if (auto e = copyInto(missing, missing, *manifest, files)) return fail(*e);
    if (auto e = commitBackup(std::move(files), std::move(*manifest))) return fail(*e);
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
    for (const std::string& gamePath : backedUpGamePaths())
    {
        const std::string name = baseName(gamePath);
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

    std::vector<uint8_t> manifestBytes;
    if (!m_fs.readFile(m_folder / kManifest, manifestBytes)) return refuse(fileFailure(m_folder / kManifest, "read", errno));
    const auto manifest = parseManifest(manifestBytes);
    if (!manifest) return refuse(translatedArgs("backuptexts", backuptexts::kBadBackup, {utf8FromPath(m_folder), std::string(kManifest) + " is damaged"}));

    // A backup folder copied or renamed by hand must not put one installation's files
    // into another. Older backups do not list their note; one written as a relative name
    // cannot be judged.
    std::vector<uint8_t> noteBytes;
    if (m_fs.readFile(m_folder / kSourceNote, noteBytes))
    {
        std::string recorded(noteBytes.begin(), noteBytes.end());
        while (!recorded.empty() && (recorded.back() == '\n' || recorded.back() == '\r')) recorded.pop_back();
        const fs::path from = pathFromUtf8(recorded);
        const fs::path here = canonicalFolder(m_gameFolder);
        if ((manifest->find(kSourceNote) || from.is_absolute()) && canonicalFolder(from) != here)
            return refuse(translatedArgs("backuptexts", backuptexts::kOtherGameFolder, {utf8FromPath(m_folder), utf8FromPath(from), utf8FromPath(here)}));
    }

    // Every game file the backup holds goes back, so that no language is left with names
    // of a database that is no longer there; those of the language in use must be there.
    struct CCopy
    {
        std::string gamePath;
        std::vector<uint8_t> bytes;
    };
    std::vector<CCopy> copies;
    for (const std::string& gamePath : backedUpGamePaths())
    {
        const std::string name = baseName(gamePath);
        const CManifest::CFile* listed = manifest->find(name);
        if (!listed) continue;
        copies.push_back({gamePath, {}});
        if (!m_fs.readFile(m_folder / name, copies.back().bytes)) return refuse(fileFailure(m_folder / name, "read", errno));
        // Read again for the copy: it must still be the file that was checked.
        if (checksumText(copies.back().bytes) != listed->checksum)
            return refuse(translatedArgs("backuptexts", backuptexts::kBadBackup, {utf8FromPath(m_folder), name + " does not match its checksum in the manifest"}));
    }
    const auto bytesOf = [&](const std::string& gamePath) -> const std::vector<uint8_t>* {
        for (const auto& c : copies)
            if (c.gamePath == gamePath) return &c.bytes;
        return nullptr;
    };
    const std::string inUse[] = {gamepaths::kDatabaseFile, gamepaths::nameFilePath(m_languageCode),
                                 gamepaths::playerNameFilePath(m_languageCode)};
    for (const std::string& gamePath : inUse)
        if (!bytesOf(gamePath))
            return refuse(translatedArgs("backuptexts", backuptexts::kBadBackup, {utf8FromPath(m_folder), ("it holds no " + baseName(gamePath))}));

    if (auto e = loadProblem(m_languageCode, *bytesOf(inUse[0]), *bytesOf(inUse[1]), *bytesOf(inUse[2])))
        return refuse(translatedArgs("backuptexts", backuptexts::kBackupUnreadable, {e->c_str()}));

    std::vector<CPendingFile> files;
    std::string names;
    for (std::size_t i = 0; i < copies.size(); ++i)
    {
        names += (i == 0 ? "" : i + 1 == copies.size() ? " and " : ", ") + baseName(copies[i].gamePath);
        files.push_back({resolveGamePath(m_gameFolder, copies[i].gamePath), std::move(copies[i].bytes), {}});
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
