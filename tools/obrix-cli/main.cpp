// obrix-cli: the editor's core from the command line, for tests, demos and scripts.
#include "BackupCommands.h"
#include "BulkCommands.h"
#include "Json.h"
#include "ImportCommands.h"
#include "KitCommands.h"
#include "LocateCommand.h"
#include "ReportCommand.h"
#include "SaveCommands.h"

#include "database/Database.h"
#include "database/GameFiles.h"
#include "exchange/KeptLeagues.h"
#include "editing/RecordFields.h"
#include "sample/SampleGame.h"
#include "util/PathText.h"
#include "util/TextCodec.h"
#include "util/UserFolders.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <new>
#include <optional>
#include <string>
#include <vector>

namespace
{
constexpr const char* kUsage =
    "usage: obrix-cli COMMAND ...\n"
    "  sample DIR [--seed N] [--scale small|full]  write a synthetic game folder\n"
    "  dump DIR [--language CODE] [--data-folder D] [--import-db FOLDER[:LEAGUE NAME]]...\n"
    "         [--import-glv FILE]...               print the database as JSON with the kept leagues,\n"
    "                                              after the imports in the order given (not kept);\n"
    "                                              every value as the files hold it (skills 0..15)\n"
    "  import DIR (--db FOLDER[:LEAGUE NAME] | --glv FILE) [--language CODE] [--data-folder D]\n"
    "                                              import a league and keep it as the editor does\n"
    "  save DIR [--language CODE] [--data-folder DIR] [--no-backup]\n"
    "                                              load the database and save it back (backed up\n"
    "                                              first unless a backup of DIR is there)\n"
    "  global-mod DIR --amount N --groups gk,def,mid,fwd --skills NAME,...|all\n"
    "         [--language CODE] [--data-folder DIR] [--no-backup]\n"
    "                                              add N (-60..60, not 0) to the skills of the\n"
    "                                              players of those positions, then save as above\n"
    "  info DIR [--language CODE]                  print the counts and the game files found\n"
    "  backup DIR [--language CODE] [--data-folder DIR]   copy the game's database files aside\n"
    "  restore DIR [--language CODE] [--data-folder DIR]  copy them back over the game's files\n"
    "  recover FOLDER                              finish or undo a save, restore, backup or export\n"
    "                                              that was cut off in FOLDER (a game folder: its\n"
    "                                              database folder), and remove the temporary\n"
    "                                              folders of exports that were cut off\n"
    "  locate                                      print the game folder the editor would open\n"
    "  export DIR [--language CODE] --league POSITION OUTFOLDER\n"
    "                                              write a league as CUSTOM.DB, CUSPLYR.DB, XFER.DB\n"
    "    (imports and export run the gfxpak program found beside obrix-cli, in the current\n"
    "     folder or on PATH, and pack in this process when there is none)\n"
    "  thumbnails DIR OUTDIR                       write the jersey thumbnails and kit pictures\n"
    "  kit BMPFILE --colours c1,...,c7 OUT.bmp     recolour a kit picture (a colour 0..22 or -)\n"
    "  report DIR (--teams ID,... | --leagues POS,...) --kind stats|characteristics\n"
    "         --format plain|delimited [--language CODE] [--data-folder D] OUT\n"
    "                                              write the statistics page's report\n"
    "  export-table DIR --table players|teams|leagues [--language CODE] [--data-folder D] OUT.csv\n"
    "                                              write a table as a spreadsheet file (skills\n"
    "                                              1..16 as the Player page shows them, the rest\n"
    "                                              as dump prints it; import-table reads the same)\n"
    "  import-table DIR FILE.csv [--language CODE] [--data-folder D] [--dry-run] [--no-backup]\n"
    "                                              apply the cells that differ, then save (backed\n"
    "                                              up first unless a backup of DIR is there; the\n"
    "                                              edits of kept leagues are kept)\n"
    "  check DIR [--language CODE] [--data-folder D] [--json]\n"
    "                                              list what the game or the editor would stumble on\n"
    "  diff DIR_A DIR_B [--language CODE] [--data-folder D] [--json]\n"
    "                                              every difference between two databases (skills\n"
    "                                              1..16 as the Player page shows them; --json as\n"
    "                                              the files hold them, 0..15)\n"
    "  diff DIR --backup [--data-folder D]         the game folder against its backup\n"
    "    (D is the editor's data folder, by default the one the editor uses; the commands that\n"
    "     read a game folder see the imported leagues the editor keeps for it there)\n";

int usage(const std::string& problem = {})
{
    if (!problem.empty()) std::cerr << "obrix-cli: " << problem << "\n";
    std::cerr << kUsage;
    return 2;
}

struct CArgs
{
    std::string command;
    std::string folder;
    std::string language = "ENG";
    uint32_t seed = 1;
    CSampleScale scale = CSampleScale::Small;
    std::vector<CCliImport> imports;
    std::filesystem::path dataFolder = userDataFolder();
};

std::optional<CArgs> parse(int argc, char** argv, std::string& problem)
{
    CArgs a;
    if (argc < 3)
    {
        problem = argc < 2 ? "no command given" : "no folder given";
        return std::nullopt;
    }
    a.command = argv[1];
    a.folder = argv[2];
    for (int i = 3; i < argc; ++i)
    {
        const std::string opt = argv[i];
        if (i + 1 >= argc)
        {
            problem = "option " + opt + " needs a value";
            return std::nullopt;
        }
        const std::string val = argv[++i];
        if (opt == "--language" && a.command != "sample")
        {
            bool known = false;
            for (const char* code : gamepaths::kLanguageCodes) known = known || val == code;
            if (!known)
            {
                problem = "unknown language code " + val + " (BRP, DUT, ENG, GER, ITA, JAP, SPA, SWE)";
                return std::nullopt;
            }
            a.language = val;
        }
        else if ((opt == "--import-db" || opt == "--import-glv") && a.command == "dump")
        {
            a.imports.emplace_back();
            parseImportOption(opt, val, a.imports.back());
        }
        else if (opt == "--data-folder" && a.command == "dump")
            a.dataFolder = pathFromUtf8(val);
        else if (opt == "--seed" && a.command == "sample")
        {
            char* end = nullptr;
            const unsigned long v = std::strtoul(val.c_str(), &end, 10);
            if (val.empty() || *end != '\0' || v > 0xFFFFFFFFul)
            {
                problem = "the seed must be a number from 0 to 4294967295";
                return std::nullopt;
            }
            a.seed = uint32_t(v);
        }
        else if (opt == "--scale" && a.command == "sample")
        {
            if (val == "small")
                a.scale = CSampleScale::Small;
            else if (val == "full")
                a.scale = CSampleScale::Full;
            else
            {
                problem = "the scale is small or full";
                return std::nullopt;
            }
        }
        else
        {
            problem = "unknown option " + opt + " for " + a.command;
            return std::nullopt;
        }
    }
    return a;
}

void dumpRecord(CJson& j, const auto& fields, const auto& record, CTextEncoding enc)
{
    j.open('{');
    for (const auto& f : fields)
    {
        j.key(f.name);
        const CFieldValue v = f.get(record);
        switch (f.type)
        {
        case CFieldType::Number: j.num(v.number); break;
        case CFieldType::Text: j.str(toUtf8(v.text, enc)); break;
        case CFieldType::IdList: j.numbers(v.ids); break;
        }
    }
    j.close('}');
}

int load(const CArgs& a, CDatabase& db)
{
    CDatabaseBuilder(db).setLanguageCode(a.language);
    std::string recovered;
    if (auto e = CGameFiles(pathFromUtf8(a.folder)).loadAll(db, &recovered))
    {
        std::cerr << "obrix-cli: cannot read the game database: " << e->message << "\n";
        return 1;
    }
    if (!recovered.empty()) std::cerr << "obrix-cli: " << recovered << "\n";
    return 0;
}

int dump(const CArgs& a)
{
    CDatabase db;
    if (int rc = load(a, db)) return rc;
    restoreKeptLeagues(db, a.dataFolder, a.folder);
    if (!runImports(db, a.imports)) return 1;
    const CTextEncoding enc = encodingForLanguage(a.language);
    std::string out;
    out.reserve(1 << 22);
    CJson j(out);
    j.open('{');
    j.key("leagues");
    j.open('[');
    for (const auto& l : db.leagues())
    {
        j.newline();
        dumpRecord(j, recordfields::leagues(), *l, enc);
    }
    j.close(']');
    j.newline();
    j.key("teams");
    j.open('[');
    db.forEachTeam([&](const CTeam& t) {
        j.newline();
        dumpRecord(j, recordfields::teams(), t, enc);
    });
    j.close(']');
    j.newline();
    j.key("players");
    j.open('[');
    db.forEachPlayer([&](const CPlayer& p) {
        j.newline();
        dumpRecord(j, recordfields::players(), p, enc);
    });
    j.close(']');
    j.close('}');
    j.newline();
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

int info(const CArgs& a)
{
    const CGameFiles files(pathFromUtf8(a.folder));
    std::vector<std::string> paths = {gamepaths::kDatabaseFile};
    for (const char* code : gamepaths::kLanguageCodes) paths.push_back(gamepaths::nameFilePath(code));
    paths.push_back(gamepaths::playerNameFilePath("ENG"));
    paths.push_back(gamepaths::playerNameFilePath("JAP"));
    paths.push_back(gamepaths::kSpeechIndexFile);
    std::cout << "Game folder: " << a.folder << "\n";
    // Looked at as the reads see them: a link, pipe or folder at a file's name is not the
    // file, and is refused.
    bool refused = false;
    auto look = [&](const std::filesystem::path& resolved) {
        CFileStatus st;
        if (!CFileSystem::real().status(resolved, st) || !st.exists) return false;
        if (st.regular) return true;
        std::cerr << "obrix-cli: " << fileFailure(resolved, "read", kNotRegularFile) << "\n";
        refused = true;
        return false;
    };
    for (const auto& p : paths)
    {
        const auto resolved = files.resolve(p);
        const bool found = look(resolved);
        std::cout << (found ? "  found    " : "  missing  ") << p;
        if (found) std::cout << "  (" << utf8FromPath(resolved) << ")";
        std::cout << "\n";
    }
    int textures = 0;
    for (int i = 1; i <= 64; ++i)
    {
        char name[48];
        std::snprintf(name, sizeof name, "\\Data\\Player\\Textures\\Pk%03d.fsh", i);
        textures += look(files.resolve(name));
    }
    std::cout << "  " << textures << " of 64 jersey textures (\\Data\\Player\\Textures\\Pk001.fsh..Pk064.fsh)\n";
    CDatabase db;
    if (int rc = load(a, db)) return rc;
    if (refused) return 1;
    int spoken = 0;
    db.forEachPlayer([&](const CPlayer& p) { spoken += p.hasCommentary != 0; });
    std::cout << "Language: " << a.language << "\n"
              << "Leagues: " << db.leagues().size() << "\n"
              << "Teams: " << db.teamCount() << " (highest id " << db.highestTeamId() << ")\n"
              << "Players: " << db.playerCount() << " (highest id " << db.highestPlayerId() << ")\n"
              << "Players with a spoken name: " << spoken << "\n";
    return 0;
}

int sample(const CArgs& a)
{
    CSampleOptions o;
    o.seed = a.seed;
    o.scale = a.scale;
    if (auto e = writeSampleGame(pathFromUtf8(a.folder), o))
    {
        std::cerr << "obrix-cli: cannot write the sample game: " << *e << "\n";
        return 1;
    }
    return 0;
}

int runArguments(int argc, char** argv)
{
    if (argc < 2) return usage("no command given");
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)
    {
        std::cout << kUsage;
        return 0;
    }
    if (argc >= 2)
    {
        // Commands that read their own arguments.
        const std::string command = argv[1];
        const std::vector<std::string> rest(argv + 2, argv + argc);
        if (command == "backup") return runBackup(rest);
        if (command == "restore") return runRestore(rest);
        if (command == "recover") return runRecover(rest);
        if (command == "locate") return runLocate(rest);
        if (command == "thumbnails") return runThumbnails(rest);
        if (command == "kit") return runKit(rest);
        if (command == "export") return runExport(rest);
        if (command == "import") return runImport(rest);
        if (command == "report") return runReport(rest);
        if (command == "export-table") return runExportTable(rest);
        if (command == "import-table") return runImportTable(rest);
        if (command == "check") return runCheck(rest);
        if (command == "diff") return runDiff(rest);
        if (command == "save") return runSave(rest);
        if (command == "global-mod") return runGlobalMod(rest);
    }
    const std::string command = argv[1];
    if (argc == 3 && (command == "dump" || command == "info" || command == "sample")
        && (std::strcmp(argv[2], "--help") == 0 || std::strcmp(argv[2], "-h") == 0))
    {
        std::cout << kUsage;
        return 0;
    }
    std::string problem;
    const auto args = parse(argc, argv, problem);
    if (!args) return usage(problem);
    if (args->command == "dump") return dump(*args);
    if (args->command == "info") return info(*args);
    if (args->command == "sample") return sample(*args);
    return usage("unknown command " + args->command);
}
} // namespace

// Every reader refuses a file larger than its kind can be before reading it; what still
// cannot be had ends the command with a message, never with an abort.
int run(int argc, char** argv)
{
    try
    {
        return runArguments(argc, argv);
    }
    catch (const std::bad_alloc&)
    {
        std::cerr << "obrix-cli: there is not enough memory for this command\n";
        return 1;
    }
}

#ifdef _WIN32
int wmain(int argc, wchar_t** wideArgv)
{
    return runWithUtf8Arguments(argc, wideArgv, run);
}
#else
int main(int argc, char** argv)
{
    return run(argc, argv);
}
#endif
