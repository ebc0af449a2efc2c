#include "ReportCommand.h"

#include "ImportCommands.h"

#include "database/Database.h"
#include "database/GameFiles.h"
#include "editing/LeagueTreeOrder.h"
#include "exchange/KeptLeagues.h"
#include "exchange/StatsReport.h"
#include "util/TextCodec.h"
#include "util/UserFolders.h"
#include "util/PathText.h"

#include <cerrno>
#include <cstdlib>
#include <iostream>
#include <optional>

namespace
{
constexpr const char* kReportUsage =
    "usage: obrix-cli report DIR (--teams ID,ID,... | --leagues POS,POS,...)\n"
    "                        --kind stats|characteristics --format plain|delimited [--language CODE]\n"
    "                        [--data-folder D] OUT\n";

struct CReportArgs
{
    std::string gameFolder;
    std::string language = "ENG";
    std::filesystem::path dataFolder = userDataFolder();
    std::vector<uint32_t> teams;
    std::vector<uint32_t> leagues;
    bool byLeague = false;
    std::optional<CStatsKind> kind;
    std::optional<CReportFormat> format;
    std::string out;
};

bool parseNumbers(const std::string& text, std::vector<uint32_t>& numbers)
{
    std::size_t at = 0;
    while (at <= text.size())
    {
        const std::size_t comma = std::min(text.find(',', at), text.size());
        const std::string item = text.substr(at, comma - at);
        if (item.empty() || item.find_first_not_of("0123456789") != std::string::npos) return false;
        errno = 0;
        const unsigned long v = std::strtoul(item.c_str(), nullptr, 10);
        if (errno != 0 || v > 0xFFFFFFFFul) return false;
        numbers.push_back(uint32_t(v));
        at = comma + 1;
    }
    return !numbers.empty();
}

std::optional<CReportArgs> parse(const std::vector<std::string>& args)
{
    CReportArgs a;
    auto fail = [&](const std::string& why) {
        std::cerr << "obrix-cli: " << why << "\n" << kReportUsage;
        return std::nullopt;
    };
    if (args.empty()) return fail("no game folder given");
    a.gameFolder = args[0];
    bool teamsGiven = false, leaguesGiven = false;
    for (std::size_t i = 1; i < args.size(); ++i)
    {
        const std::string& opt = args[i];
        if (opt.rfind("--", 0) != 0)
        {
            if (!a.out.empty()) return fail("more than one output file given");
            a.out = opt;
            continue;
        }
        if (i + 1 >= args.size()) return fail("option " + opt + " needs a value");
        const std::string& val = args[++i];
        if (opt == "--teams")
        {
            if (!parseNumbers(val, a.teams)) return fail("--teams takes team ids separated by commas");
            teamsGiven = true;
        }
        else if (opt == "--leagues")
        {
            if (!parseNumbers(val, a.leagues)) return fail("--leagues takes league positions separated by commas");
            leaguesGiven = true;
        }
        else if (opt == "--kind")
        {
            if (val == "stats")
                a.kind = CStatsKind::PlayerStats;
            else if (val == "characteristics")
                a.kind = CStatsKind::Characteristics;
            else
                return fail("the kind is stats or characteristics");
        }
        else if (opt == "--format")
        {
            if (val == "plain")
                a.format = CReportFormat::Plain;
            else if (val == "delimited")
                a.format = CReportFormat::Delimited;
            else
                return fail("the format is plain or delimited");
        }
        else if (opt == "--language")
        {
            bool known = false;
            for (const char* code : gamepaths::kLanguageCodes) known = known || val == code;
            if (!known) return fail("unknown language code " + val);
            a.language = val;
        }
        else if (opt == "--data-folder")
            a.dataFolder = pathFromUtf8(val);
        else
            return fail("unknown option " + opt + " for report");
    }
    if (teamsGiven == leaguesGiven) return fail("give either --teams or --leagues");
    if (!a.kind) return fail("no --kind given");
    if (!a.format) return fail("no --format given");
    if (a.out.empty()) return fail("no output file given");
    a.byLeague = leaguesGiven;
    return a;
}
} // namespace

int runReport(const std::vector<std::string>& args)
{
    const auto a = parse(args);
    if (!a) return 2;
    CDatabase db;
    CDatabaseBuilder(db).setLanguageCode(a->language);
    std::string recovered;
    if (auto e = CGameFiles(pathFromUtf8(a->gameFolder)).loadAll(db, &recovered))
    {
        std::cerr << "obrix-cli: cannot read the game database: " << e->message << "\n";
        return 1;
    }
    if (!recovered.empty()) std::cerr << "obrix-cli: " << recovered << "\n";
    restoreKeptLeagues(db, a->dataFolder, a->gameFolder);

    std::vector<uint32_t> teamIds;
    if (a->byLeague)
    {
        // The teams of a league go into the list as adding its node on the page moves
        // them: in the order the tree shows them under that node.
        const CTextEncoding encoding = encodingForLanguage(a->language);
        for (uint32_t position : a->leagues)
        {
            if (position >= db.leagues().size() || !db.leagues()[position])
            {
                std::cerr << "obrix-cli: there is no league at position " << position << " (the database has "
                          << db.leagues().size() << ")\n";
                return 1;
            }
            for (const CTreeNode& team : leagueNode(db, position, false, encoding).children)
                teamIds.push_back(team.value);
        }
    }
    else
    {
        for (uint32_t id : a->teams)
        {
            if (!db.team(id))
            {
                std::cerr << "obrix-cli: there is no team with id " << id << "\n";
                return 1;
            }
            teamIds.push_back(id);
        }
    }

    const auto rows = contributedRows(db, teamIds);
    std::string error;
    if (!writeReportFile(pathFromUtf8(a->out), writeReport(rows, *a->kind, *a->format), &error))
    {
        std::cerr << "obrix-cli: " << error << "\n";
        return 1;
    }
    std::cout << "Wrote " << rows.size() << " players of " << teamIds.size() << " teams to " << a->out << "\n";
    return 0;
}
