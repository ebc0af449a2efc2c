// Every command refuses a link at the name of a game, texture, exchange or backup file,
// even one that leads to a good copy of the file, and writes nothing; files it writes
// outside the game's set replace what is at their name, never write through it; a file
// larger than its kind can be is refused unread.
#include "PlantedFiles.h"
#include "RunCommand.h"
#include "TempFolder.h"

#include "database/Database.h"
#include "database/GameFiles.h"
#include "sample/SampleGame.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iostream>
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

namespace
{
// A sample game of its own in a temporary folder.
struct Sample
{
    Sample() { EXPECT_FALSE(writeSampleGame(game, {5, CSampleScale::Small})); }
    TempFolder root;
    fs::path game = root.path() / "game";
    fs::path data = root.path() / "data";
    fs::path fe = game / "DATA" / "CMN" / "FE";

    // before: words in front of the program (a time limit).
    std::string run(std::string command, int& status, const std::string& before = {}) const
    {
        for (std::size_t at; (at = command.find("{game}")) != std::string::npos;) command.replace(at, 6, quoted(game));
        for (std::size_t at; (at = command.find("{data}")) != std::string::npos;) command.replace(at, 6, quoted(data));
        return runCommand(before + OBRIX_CLI_PATH + " " + command, status);
    }
};

std::string text(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// What a hostile run puts at a name instead of a regular file.
struct Plant
{
    const char* what;
    std::function<bool(const fs::path& at, const fs::path& elsewhere, std::string& why)> make;
};

const Plant kPlants[] = {
    {"a folder", [](const fs::path& at, const fs::path&, std::string&) { return fs::create_directory(at); }},
    {"a pipe", [](const fs::path& at, const fs::path&, std::string& why) { return plantPipe(at, why); }},
    {"a link", [](const fs::path& at, const fs::path& elsewhere, std::string& why) { return plantLink(elsewhere, at, why); }},
};
} // namespace

// The file a command writes for the user is replaced whole: a link, pipe or device at its
// name is refused with the reason and left as it was, a hard link's other name keeps its
// old contents.
TEST(HostileFiles, OutputsReplaceWhatIsAtTheirNameAndNeverWriteThroughIt)
{
    const char* commands[] = {
        "export-table {game} --table teams {out}",
        "report {game} --leagues 0 --kind stats --format plain {out}",
    };
    enum class Kind { LinkToFile, DanglingLink, HardLink, Pipe, Device };
    const std::pair<Kind, const char*> targets[] = {
        {Kind::LinkToFile, "a link to a file"}, {Kind::DanglingLink, "a link to nothing"},
        {Kind::HardLink, "a hard link"},        {Kind::Pipe, "a pipe"},
        {Kind::Device, "a device"},
    };
    for (const char* command : commands)
        for (const auto& [kind, what] : targets)
        {
            SCOPED_TRACE(std::string(command) + " onto " + what);
            Sample s;
            const fs::path outside = s.root.path() / "outside.txt";
            fs::path out = s.root.path() / "out.txt";
            std::string why;
            bool planted = true;
            switch (kind)
            {
            case Kind::LinkToFile:
                std::ofstream(outside) << "keep";
                planted = plantLink(outside, out, why);
                break;
            case Kind::DanglingLink: planted = plantLink(outside, out, why); break;
            case Kind::HardLink:
            {
                std::ofstream(outside) << "keep";
                std::error_code ec;
                fs::create_hard_link(outside, out, ec);
                planted = !ec;
                why = ec.message();
                break;
            }
            case Kind::Pipe: planted = plantPipe(out, why); break;
            case Kind::Device:
                out = "/dev/zero";
                planted = fs::exists(out);
                why = "no /dev/zero";
                break;
            }
            if (!planted)
            {
                std::cout << "[ skipped ] " << why << "\n";
                continue;
            }
            // A pipe must be refused, not waited on: the time limit ends a wait for ever.
            std::string line = command;
            line.replace(line.find("{out}"), 5, quoted(out));
            int status = 0;
            const std::string said = s.run(line, status, kind == Kind::Pipe ? "timeout 60 " : "");
            if (kind == Kind::HardLink)
            {
                EXPECT_EQ(status, 0) << said;
                EXPECT_EQ(text(outside), "keep");
                EXPECT_NE(text(out), "keep");
                continue;
            }
            EXPECT_NE(status, 0) << said;
            EXPECT_NE(said.find("not a regular file"), std::string::npos) << said;
            if (kind == Kind::LinkToFile)
            {
                EXPECT_EQ(text(outside), "keep");
            }
            if (kind == Kind::DanglingLink)
            {
                EXPECT_FALSE(fs::exists(outside));
            }
            if (kind != Kind::Device)
            {
                EXPECT_FALSE(fs::is_regular_file(fs::symlink_status(out)));
            }
        }
}

// Files the editor finds by name that no regular file is at: said, with the name, never
// taken for a missing file or an interrupted save.
TEST(HostileFiles, NothingButARegularFileAtTheSpeechIndexOrTheCommitRecord)
{
    const std::string names[] = {"DATA/AUDIO/SPEECH/PLAYERS.OFF", "DATA/CMN/FE/OBRIX-COMMIT.TXT"};
    for (const auto& name : names)
        for (const auto& plant : kPlants)
        {
            SCOPED_TRACE(name + " is " + plant.what);
            Sample s;
            const fs::path at = s.game / name;
            fs::remove(at);
            std::string why;
            if (!plant.make(at, s.root.path() / "elsewhere", why))
            {
                std::cout << "[ skipped ] " << why << "\n";
                continue;
            }
            int status = 0;
            const std::string said = s.run("info {game}", status);
            EXPECT_NE(status, 0) << said;
            EXPECT_NE(said.find(at.filename().string()), std::string::npos) << said;
            EXPECT_NE(said.find("not a regular file"), std::string::npos) << said;
            EXPECT_TRUE(fs::exists(fs::symlink_status(at)));
        }
}

// A good file followed by gigabytes it cannot hold (sparse, so the test costs nothing) is
// refused before it is read, never read whole and then taken.
TEST(HostileFiles, AFileLargerThanItsKindCanBeIsRefusedUnread)
{
    struct Case
    {
        const char* command;
        std::string file;  // below the game folder
        uintmax_t size;
    };
    const Case cases[] = {
        {"dump {game} --import-glv {file}", "USER/Harbour League.GLV", uintmax_t(3) << 30},
        {"dump {game} --import-db {folder}", "USER/Northern Counties/CUSTOM.DB", uintmax_t(3) << 30},
        {"info {game}", "DATA/AUDIO/SPEECH/PLAYERS.OFF", uintmax_t(2) << 30},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.file);
        Sample s;
        const fs::path file = s.game / c.file;
        fs::resize_file(file, c.size);
        std::string line = c.command;
        if (auto at = line.find("{file}"); at != std::string::npos) line.replace(at, 6, quoted(file));
        if (auto at = line.find("{folder}"); at != std::string::npos) line.replace(at, 8, quoted(file.parent_path()));
        int status = 0;
        const std::string said = s.run(line, status);
        EXPECT_NE(status, 0) << said.substr(0, 2000);
        EXPECT_NE(said.find("larger than any"), std::string::npos) << said.substr(0, 2000);
    }
}

// import-table whose list of changes cannot be written after the save worked: the save
// is reported and the command succeeds, so that a script does not apply it twice.
TEST(HostileFiles, ImportTableReportsASaveItsOutputCannotTake)
{
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    Sample s;
    const fs::path csv = s.root.path() / "t.csv";
    CDatabase db;
    ASSERT_FALSE(CGameFiles(s.game).loadAll(db));
    std::ofstream(csv) << "id,bankroll\n" << db.leagues().front()->teamIds.front() << ",12345\n";
    int status = 0;
    // stderr to the test, stdout to a full disk.
    const std::string said = runCommand("(" + std::string(OBRIX_CLI_PATH) + " import-table " + quoted(s.game) + " "
                                            + quoted(csv) + " --data-folder " + quoted(s.data) + " 2>&1 >/dev/full)",
                                        status);
    EXPECT_EQ(status, 0) << said;
    EXPECT_NE(said.find("Saved 1 changes in 1 records."), std::string::npos) << said;
}

#endif
