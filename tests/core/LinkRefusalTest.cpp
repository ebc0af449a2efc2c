// Every command refuses a link at the name of a game, texture, exchange or backup file,
// even one that leads to a good copy of the file, and writes nothing.
#include "PlantedFiles.h"
#include "RunCommand.h"
#include "TempFolder.h"

#include "sample/SampleGame.h"

#include <gtest/gtest.h>

#include <map>

#ifdef OBRIX_CLI_PATH

namespace
{
namespace fs = std::filesystem;

std::string quoted(const fs::path& p)
{
    return "'" + p.string() + "'";
}

// Every regular file below root with its bytes, and every link with where it leads.
std::map<std::string, std::string> snapshot(const fs::path& root)
{
    std::map<std::string, std::string> out;
    for (const auto& e : fs::recursive_directory_iterator(root))
    {
        const std::string name = fs::relative(e.path(), root).generic_string();
        if (e.is_symlink())
            out[name] = "link to " + fs::read_symlink(e.path()).string();
        else if (e.is_regular_file())
        {
            std::ifstream in(e.path(), std::ios::binary);
            out[name] = {std::istreambuf_iterator<char>(in), {}};
        }
    }
    return out;
}

fs::path backupFile(const fs::path& data, const std::string& name)
{
    for (const auto& e : fs::directory_iterator(data / "BACKUP")) return e.path() / name;
    return {};
}
} // namespace

TEST(LinkRefusal, EveryCommandRefusesALinkAtAFilesNameAndWritesNothing)
{
    const std::string fe = "DATA/CMN/FE/";
    const std::string textures = "DATA/Player/Textures/";
    const std::string exchange = "USER/Northern Counties/";
    struct Case
    {
        const char* command;  // {game}, {data}, {out}, {csv}, {exchange} are put in
        std::string link;     // below the game folder, or "BACKUP/NAME" in the backup
        const char* mustNotExist = nullptr;  // below the test's folder
        bool backupFirst = false;
    };
    const Case cases[] = {
        {"info {game}", fe + "FCDB.DBI"},
        {"info {game}", textures + "Pk001.fsh"},
        {"dump {game}", fe + "FCDB_ENG.DBI"},
        {"dump {game} --import-db {exchange}", exchange + "CUSTOM.DB"},
        {"dump {game} --import-db {exchange}", exchange + "XFER.DB"},
        {"check {game}", fe + "FCDBPENG.DBI"},
        {"export-table {game} --table players {out}/players.csv", fe + "FCDB.DBI", "out/players.csv"},
        {"import-table {game} {csv} --data-folder {data}", fe + "FCDB_ENG.DBI"},
        {"save {game} --data-folder {data}", fe + "FCDB.DBI"},
        {"global-mod {game} --amount 1 --groups all --skills all --data-folder {data}", fe + "FCDBPENG.DBI"},
        // A language the editor is not showing: the backup copies every one.
        {"backup {game} --data-folder {data}", fe + "FCDB_GER.DBI"},
        {"thumbnails {game} {out}/thumbs", textures + "Pk005.fsh", "out/thumbs/mjfr5.bmp"},
        {"diff {game} {game}", fe + "FCDB_ENG.DBI"},
        {"export {game} --league 0 {out}/league", fe + "FCDB.DBI", "out/league/CUSTOM.DB"},
        {"restore {game} --data-folder {data}", "BACKUP/FCDB.DBI", nullptr, true},
        {"restore {game} --data-folder {data}", "BACKUP/FCDB_ENG.DBI", nullptr, true},
        {"diff {game} --backup --data-folder {data}", "BACKUP/FCDBPENG.DBI", nullptr, true},
    };
    const std::string cli = OBRIX_CLI_PATH;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.command) + " with a link at " + c.link);
        TempFolder root;
        const fs::path game = root.path() / "game";
        const fs::path data = root.path() / "data";
        ASSERT_FALSE(writeSampleGame(game, {5, CSampleScale::Small}));
        fs::create_directories(root.path() / "out");
        fs::create_directories(root.path() / "outside");
        int status = 0;
        const fs::path csv = root.path() / "outside" / "teams.csv";
        runCommand(cli + " export-table " + quoted(game) + " --table teams " + quoted(csv), status);
        ASSERT_EQ(status, 0);
        if (c.backupFirst)
        {
            const std::string said = runCommand(cli + " backup " + quoted(game) + " --data-folder " + quoted(data), status);
            ASSERT_EQ(status, 0) << said;
        }

        // The file moves out of the way and a link to it takes its place.
        const fs::path link = c.link.rfind("BACKUP/", 0) == 0 ? backupFile(data, c.link.substr(7)) : game / c.link;
        const fs::path target = root.path() / "outside" / link.filename();
        fs::rename(link, target);
        std::string why;
        if (!plantLink(target, link, why)) GTEST_SKIP() << why;
        const auto before = snapshot(root.path());

        std::string command = cli + " " + c.command;
        auto put = [&](const std::string& name, const fs::path& p) {
            for (std::size_t at; (at = command.find(name)) != std::string::npos;) command.replace(at, name.size(), quoted(p));
        };
        put("{game}", game);
        put("{data}", data);
        put("{out}", root.path() / "out");
        put("{csv}", csv);
        put("{exchange}", game / exchange);
        const std::string said = runCommand(command, status);

        EXPECT_NE(status, 0) << said;
        EXPECT_NE(said.find(link.filename().string()), std::string::npos) << said;
        EXPECT_NE(said.find("not a regular file"), std::string::npos) << said;
        auto after = snapshot(root.path());
        if (c.mustNotExist)
        {
            EXPECT_FALSE(fs::exists(root.path() / c.mustNotExist));
            // The other thumbnails are made; only the game's files and the backup count here.
            std::erase_if(after, [](const auto& f) { return f.first.rfind("out/", 0) == 0; });
        }
        EXPECT_EQ(after, before);
    }
}

#endif
