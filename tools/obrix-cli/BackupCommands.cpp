#include "BackupCommands.h"

#include "GameFolderLock.h"

#include "database/Backup.h"
#include "database/GameFiles.h"
#include "exchange/ExchangeTexts.h"
#include "exchange/LeagueExport.h"
#include "util/Format.h"
#include "util/UserFolders.h"
#include "util/PathText.h"

#include <iostream>
#include <optional>

namespace
{
struct CBackupArgs
{
    std::string gameFolder;
    std::string language = "ENG";
    std::filesystem::path dataFolder = userDataFolder();
};

std::optional<CBackupArgs> parse(const char* command, const std::vector<std::string>& args)
{
    CBackupArgs a;
    auto fail = [&](const std::string& why) {
        std::cerr << "obrix-cli: " << why << "\nusage: obrix-cli " << command
                  << " DIR [--language CODE] [--data-folder DIR]\n";
        return std::nullopt;
    };
    if (args.empty()) return fail("no game folder given");
    a.gameFolder = args[0];
    for (std::size_t i = 1; i < args.size(); i += 2)
    {
        if (i + 1 >= args.size()) return fail("option " + args[i] + " needs a value");
        if (args[i] == "--language")
        {
            bool known = false;
            for (const char* code : gamepaths::kLanguageCodes) known = known || args[i + 1] == code;
            if (!known) return fail("unknown language code " + args[i + 1]);
            a.language = args[i + 1];
        }
        else if (args[i] == "--data-folder")
            a.dataFolder = pathFromUtf8(args[i + 1]);
        else
            return fail("unknown option " + args[i]);
    }
    if (a.dataFolder.empty()) return fail("no data folder known: give --data-folder");
    return a;
}
} // namespace

int runBackup(const std::vector<std::string>& args)
{
    const auto a = parse("backup", args);
    if (!a) return 2;
    // Not a copy of a set another program is in the middle of replacing.
    CFolderLock lock;
    if (!lockGameFolder(a->gameFolder, lock)) return 1;
    CBackup backup(a->dataFolder, pathFromUtf8(a->gameFolder), a->language);
    std::string error;
    if (!backup.make(&error))
    {
        std::cerr << "obrix-cli: " << error << "\n";
        return 1;
    }
    std::cout << "Backup of " << a->gameFolder << " in " << utf8FromPath(backup.folder()) << "\n";
    return 0;
}

int runRestore(const std::vector<std::string>& args)
{
    const auto a = parse("restore", args);
    if (!a) return 2;
    CFolderLock lock;
    if (!lockGameFolder(a->gameFolder, lock)) return 1;
    CBackup backup(a->dataFolder, pathFromUtf8(a->gameFolder), a->language);
    // An interrupted save or restore of the game's files is finished before anything else.
    const CRecovery recovery = CGameFiles(pathFromUtf8(a->gameFolder)).recoverInterrupted();
    if (recovery.state != CRecovery::CState::Nothing) std::cerr << "obrix-cli: " << recovery.message << "\n";
    if (recovery.state == CRecovery::CState::Failed) return 1;
    std::error_code ec;
    if (!backup.exists() && !std::filesystem::exists(backup.folder(), ec))
    {
        std::cerr << "obrix-cli: " << backuptexts::kNoBackup << " (looked in " << utf8FromPath(backup.folder()) << ")\n";
        return 1;
    }
    const auto result = backup.restore();
    if (!result.restored)
    {
        std::cerr << "obrix-cli: " << result.message << "\n";
        return 1;
    }
    std::cout << result.message << "\n";
    return 0;
}

int runRecover(const std::vector<std::string>& args)
{
    if (args.size() != 1)
    {
        std::cerr << "obrix-cli: give one folder\nusage: obrix-cli recover FOLDER\n";
        return 2;
    }
    std::filesystem::path folder = pathFromUtf8(args[0]);
    std::error_code ec;
    const auto database = CGameFiles(folder).resolve(gamepaths::kDatabaseFile);
    if (std::filesystem::is_directory(database.parent_path(), ec)) folder = database.parent_path();
    // A set cut off in a folder another program holds may be that program's commit in
    // progress: it is never finished or undone from here.
    CFolderLock lock;
    if (const auto refused = lock.refusal(lock.acquire(folder, CFolderLock::defaultWait()), args[0]))
    {
        std::cerr << "obrix-cli: " << *refused << "\n";
        return 1;
    }
    const CRecovery r = recoverCommit(CFileSystem::real(), folder);
    if (r.state != CRecovery::CState::Nothing) std::cerr << "obrix-cli: " << r.message << "\n";
    for (const auto& leftover : removeExportLeftovers())
        std::cerr << "obrix-cli: " << formatText(exchangetexts::kExportLeftoverRemoved, utf8FromPath(leftover).c_str()) << "\n";
    return r.state == CRecovery::CState::Failed ? 1 : 0;
}
