#include "ImportCommands.h"

#include "database/Change.h"

#include "database/Database.h"
#include "database/GameFiles.h"
#include "exchange/KeptLeagues.h"
#include "exchange/LeagueExport.h"
#include "exchange/LeagueImport.h"
#include "exchange/Packer.h"
#include "settings/Prompts.h"
#include "util/UserFolders.h"
#include "util/PathText.h"

#include <filesystem>
#include <iostream>
#include <memory>

namespace
{
// Nobody sits at a terminal to answer: questions get No, messages go to stderr.
class CCliPrompts : public CPrompts
{
public:
    bool askYesNo(const std::string& text, CIcon) override
    {
        std::cerr << "obrix-cli: " << text << " (answered No)\n";
        return false;
    }
    CAnswer askYesNoCancel(const std::string& text, CIcon) override
    {
        std::cerr << "obrix-cli: " << text << " (answered Cancel)\n";
        return CAnswer::Cancel;
    }
    std::optional<std::string> chooseFolder(const std::string&, const std::string&) override { return std::nullopt; }
    std::optional<std::string> chooseFile(const CFileChoice&) override { return std::nullopt; }
    void message(const std::string& text, CIcon) override { std::cerr << "obrix-cli: " << text << "\n"; }
};

std::string executableFolder()
{
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string(".") : utf8FromPath(self.parent_path());
}

// The packer program beside obrix-cli, in the current folder or on PATH; without it the
// codec does the work in this process.
std::unique_ptr<CPacker> makePacker(CPrompts& prompts)
{
    if (auto program = CExternalPacker::findProgram(executableFolder()))
        return std::make_unique<CExternalPacker>(*program, prompts);
    return std::make_unique<CInProcessPacker>();
}
} // namespace

bool parseImportOption(const std::string& option, const std::string& value, CCliImport& out)
{
    out = {};
    if (option == "--import-glv")
    {
        out.glv = true;
        out.path = value;
        return true;
    }
    if (option != "--import-db") return false;
    out.path = value;
    // The last colon starts the league name, unless it is a drive letter's.
    const auto colon = value.rfind(':');
    const bool driveColon = colon == 1 && value.size() > 2 && (value[2] == '\\' || value[2] == '/');
    if (colon != std::string::npos && !driveColon)
    {
        out.path = value.substr(0, colon);
        out.leagueName = value.substr(colon + 1);
    }
    if (out.leagueName.empty()) out.leagueName = proposedLeagueName(out.path);
    return true;
}

bool runImports(CDatabase& db, const std::vector<CCliImport>& imports)
{
    if (imports.empty()) return true;
    CCliPrompts prompts;
    const auto packer = makePacker(prompts);
    for (const CCliImport& i : imports)
    {
        bool ok = false;
        try
        {
            CTransaction tx(db);
            ok = i.glv ? importGlvFile(tx, i.path, prompts) : importDbFiles(tx, i.path, i.leagueName, *packer, prompts);
            if (ok) tx.commit();
        }
        catch (const CChangeRefused& refused)
        {
            std::cerr << "obrix-cli: " << refused.what() << "\n";
            ok = false;
        }
        if (!ok)
        {
            std::cerr << "obrix-cli: the import of " << i.path << " failed\n";
            return false;
        }
    }
    return true;
}

int runExport(const std::vector<std::string>& args)
{
    auto fail = [](const std::string& why) {
        std::cerr << "obrix-cli: " << why
                  << "\nusage: obrix-cli export DIR [--language CODE] --league POSITION OUTFOLDER\n";
        return 2;
    };
    std::string gameFolder, language = "ENG", outFolder;
    long position = -1;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i)
    {
        if (args[i] == "--league" || args[i] == "--language")
        {
            if (i + 1 >= args.size()) return fail("option " + args[i] + " needs a value");
            const std::string& v = args[++i];
            if (args[i - 1] == "--language")
            {
                bool known = false;
                for (const char* code : gamepaths::kLanguageCodes) known = known || v == code;
                if (!known) return fail("unknown language code " + v);
                language = v;
                continue;
            }
            char* end = nullptr;
            position = std::strtol(v.c_str(), &end, 10);
            if (v.empty() || *end != '\0' || position < 0) return fail("the league position is a number from 0");
        }
        else if (args[i].rfind("--", 0) == 0)
            return fail("unknown option " + args[i]);
        else
            positional.push_back(args[i]);
    }
    if (positional.size() != 2) return fail("give the game folder and the folder to write to");
    if (position < 0) return fail("give the league with --league POSITION");
    gameFolder = positional[0];
    outFolder = positional[1];

    CDatabase db;
    CDatabaseBuilder(db).setLanguageCode(language);
    std::string recovered;
    if (auto e = CGameFiles(pathFromUtf8(gameFolder)).loadAll(db, &recovered))
    {
        std::cerr << "obrix-cli: cannot read the game database: " << e->message << "\n";
        return 1;
    }
    if (!recovered.empty()) std::cerr << "obrix-cli: " << recovered << "\n";
    CCliPrompts prompts;
    const auto packer = makePacker(prompts);
    const CExportResult r = exportLeague(db, std::size_t(position), outFolder, *packer);
    if (!r.ok)
    {
        std::cerr << "obrix-cli: " << r.message << "\n";
        return 1;
    }
    std::cout << r.message << "\n";
    return 0;
}

std::unique_ptr<CKeptLeagues> restoreKeptLeagues(CDatabase& db, const std::filesystem::path& dataFolder,
                                                 const std::string& gameFolder)
{
    if (dataFolder.empty()) return nullptr;
    auto kept = std::make_unique<CKeptLeagues>(dataFolder, pathFromUtf8(gameFolder));
    CCliPrompts prompts;
    CTransaction tx(db);
    kept->restore(tx, prompts);
    tx.commit();
    return kept;
}

bool keepLeagues(CKeptLeagues* kept, const CDatabase& db)
{
    if (!kept) return true;
    bool failed = false;
    if (const auto message = kept->keep(db, &failed)) std::cerr << "obrix-cli: " << *message << "\n";
    return !failed;
}

int runImport(const std::vector<std::string>& args)
{
    constexpr const char* kUsage =
        "usage: obrix-cli import DIR (--db FOLDER[:LEAGUE NAME] | --glv FILE) [--data-folder D] [--language CODE]\n";
    auto fail = [&](const std::string& why) {
        std::cerr << "obrix-cli: " << why << "\n" << kUsage;
        return 2;
    };
    std::string gameFolder, language = "ENG";
    std::filesystem::path dataFolder = userDataFolder();
    std::vector<CCliImport> imports;
    for (std::size_t i = 0; i < args.size(); ++i)
    {
        const std::string& o = args[i];
        if (o == "--help" || o == "-h")
        {
            std::cout << kUsage;
            return 0;
        }
        if (o.rfind("--", 0) != 0)
        {
            if (!gameFolder.empty()) return fail("give one game folder");
            gameFolder = o;
            continue;
        }
        if (i + 1 >= args.size()) return fail("option " + o + " needs a value");
        const std::string& v = args[++i];
        if (o == "--db" || o == "--glv")
        {
            imports.emplace_back();
            parseImportOption(o == "--db" ? "--import-db" : "--import-glv", v, imports.back());
        }
        else if (o == "--data-folder")
            dataFolder = pathFromUtf8(v);
        else if (o == "--language")
        {
            bool known = false;
            for (const char* code : gamepaths::kLanguageCodes) known = known || v == code;
            if (!known) return fail("unknown language code " + v);
            language = v;
        }
        else
            return fail("unknown option " + o);
    }
    if (gameFolder.empty()) return fail("give the game folder");
    if (imports.size() != 1) return fail("give one league to import, with --db FOLDER or --glv FILE");
    if (dataFolder.empty()) return fail("no data folder known: give --data-folder");

    CDatabase db;
    CDatabaseBuilder(db).setLanguageCode(language);
    std::string recovered;
    if (auto e = CGameFiles(pathFromUtf8(gameFolder)).loadAll(db, &recovered))
    {
        std::cerr << "obrix-cli: cannot read the game database: " << e->message << "\n";
        return 1;
    }
    if (!recovered.empty()) std::cerr << "obrix-cli: " << recovered << "\n";
    const auto kept = restoreKeptLeagues(db, dataFolder, gameFolder);
    if (!runImports(db, imports)) return 1;
    if (!keepLeagues(kept.get(), db)) return 1;
    const CLeague& league = *db.leagues().back();
    std::cout << "Imported " << league.displayName << " (" << league.teamIds.size() << " teams) at league position "
              << db.leagues().size() - 1 << "; kept in " << utf8FromPath(kept->folder()) << "\n";
    return 0;
}
