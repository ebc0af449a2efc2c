#include "BackupCommands.h"

#include "database/Backup.h"
#include "database/GameFiles.h"
#include "util/UserFolders.h"

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
            a.dataFolder = args[i + 1];
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
    CBackup backup(a->dataFolder, a->gameFolder, a->language);
    if (!backup.make())
    {
        std::cerr << "obrix-cli: the database file or the player name file could not be copied to "
                  << backup.folder().string() << "\n";
        return 1;
    }
    std::cout << "Backup of " << a->gameFolder << " in " << backup.folder().string() << "\n";
    return 0;
}

int runRestore(const std::vector<std::string>& args)
{
    const auto a = parse("restore", args);
    if (!a) return 2;
    CBackup backup(a->dataFolder, a->gameFolder, a->language);
    if (!backup.exists())
    {
        std::cerr << "obrix-cli: " << backuptexts::kNoBackup << " (looked in " << backup.folder().string() << ")\n";
        return 1;
    }
    const auto failed = backup.restore();
    if (!failed.empty())
    {
        std::cerr << "obrix-cli: these files could not be restored:";
        for (const auto& f : failed) std::cerr << " " << f;
        std::cerr << "\n";
        return 1;
    }
    std::cout << "Restored " << a->gameFolder << " from " << backup.folder().string() << "\n";
    return 0;
}
