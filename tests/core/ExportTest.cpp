#include "TestGate.h"
#include "DatabaseSnapshot.h"
#include "FakePrompts.h"
#include "RunCommand.h"
#include "TempFolder.h"

#include "database/Database.h"
#include "database/GameFiles.h"
#include "editing/TeamCommands.h"
#include "editing/Transfers.h"
#include "exchange/ExchangeRecords.h"
#include "exchange/LeagueExport.h"
#include "exchange/LeagueImport.h"
#include "exchange/PackedCodec.h"
#include "exchange/Packer.h"
#include "sample/SampleExchange.h"
#include "sample/SampleGame.h"
#include "util/TextCodec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <set>
#include <tuple>

namespace
{
constexpr uint32_t G = CDatabase::kFirstImportGeneration;

// One sample game for the whole file; each test loads its own database from it.
class ExportTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_game = new TempFolder;
        ASSERT_FALSE(writeSampleGame(s_game->path() / "golvar", {7, CSampleScale::Small}));
    }
    static void TearDownTestSuite()
    {
        delete s_game;
        s_game = nullptr;
    }
    static std::filesystem::path game() { return s_game->path() / "golvar"; }
    static void load(CDatabase& db) { ASSERT_FALSE(CGameFiles(game()).loadAll(db)); }

    // Clubs of league 0, and a club of no team of it.
    static std::vector<uint32_t> leagueTeams(const CDatabase& db, std::size_t position)
    {
        const CLeague& l = *db.leagues()[position];
        return {l.teamIds.begin(), l.teamIds.begin() + l.slotCount};
    }
    static uint32_t outsideClub(const CDatabase& db, const std::vector<uint32_t>& league)
    {
        uint32_t found = 0;
        db.forEachTeam([&](const CTeam& t) {
            if (!found && t.bankroll != 0 && t.nonEmptySlots() > 5
                && std::find(league.begin(), league.end(), t.id) == league.end())
                found = t.id;
        });
        return found;
    }

    std::vector<uint8_t> unpacked(const std::filesystem::path& file)
    {
        std::vector<uint8_t> packed = out.read(std::filesystem::relative(file, out.path()).string());
        return unpackBytes(packed).data;
    }

    TempFolder out;
    CInProcessPacker packer;
    FakePrompts prompts;
    static TempFolder* s_game;
};
TempFolder* ExportTest::s_game = nullptr;

std::string quoted(const std::filesystem::path& p)
{
    return "'" + p.string() + "'";
}
}  // namespace

TEST_F(ExportTest, ALeagueComesBackFieldByFieldThroughAnImport)
{
    CDatabase source;
    load(source);
    const std::size_t position = 0;
    const auto teams = leagueTeams(source, position);
    const CExportResult r = exportLeague(source, position, out.path().string(), packer);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(out.files(), (std::vector<std::string>{"CUSPLYR.DB", "CUSTOM.DB", "XFER.DB"}));

    CDatabase target;
    load(target);
    ASSERT_TRUE(importDbFiles(gate(target), out.path().string(), "Back", packer, prompts));
    const CLeague& league = *target.leagues().back();
    ASSERT_EQ(league.teamIds.size(), teams.size());
    for (std::size_t k = 0; k < teams.size(); ++k)
    {
        const CTeam& t = *source.team(teams[k]);
        SCOPED_TRACE(t.longName);
        ASSERT_EQ(league.teamIds[k], t.id + G);
        const CTeam& u = *target.team(t.id + G);
        EXPECT_EQ(u.bankroll, t.bankroll & 0xFFFFF);
        EXPECT_EQ(u.teamExtra1, t.teamExtra1 & 0x1F);
        EXPECT_EQ(u.homeJerseyStyle, t.homeJerseyStyle & 0x3F);
        EXPECT_EQ(u.awayJerseyStyle, t.awayJerseyStyle & 0x3F);
        EXPECT_EQ(u.homeShortsStyle, t.homeShortsStyle & 7);
        EXPECT_EQ(u.awayShortsStyle, t.awayShortsStyle & 7);
        EXPECT_EQ(u.homeSocksStyle, t.homeSocksStyle & 3);
        EXPECT_EQ(u.awaySocksStyle, t.awaySocksStyle & 3);
        for (auto f : {&CTeam::homeJerseyColour1, &CTeam::homeJerseyColour2, &CTeam::homeJerseyColour3,
                       &CTeam::homeShortsColour1, &CTeam::homeShortsColour2, &CTeam::homeSocksColour1,
                       &CTeam::homeSocksColour2, &CTeam::awayJerseyColour1, &CTeam::awayJerseyColour2,
                       &CTeam::awayJerseyColour3, &CTeam::awayShortsColour1, &CTeam::awayShortsColour2,
                       &CTeam::awaySocksColour1, &CTeam::awaySocksColour2})
            EXPECT_EQ(u.*f, t.*f & 0x1F);
        EXPECT_EQ(u.longName, t.longName.substr(0, 20));
        EXPECT_EQ(u.fileIndex, t.fileIndex);
        for (int s = 0; s < CTeam::kSlots; ++s)
        {
            const uint32_t id = t.players[std::size_t(s)];
            EXPECT_EQ(u.players[std::size_t(s)], id == 0 ? 0 : id + G);
            if (id == 0) continue;
            const CPlayer& p = *source.player(id);
            const CPlayer& q = *target.player(id + G);
            EXPECT_EQ(q.hairColour, p.hairColour & 3);
            EXPECT_EQ(q.jerseyNumber, p.jerseyNumber & 0x7F);
            EXPECT_EQ(q.position, p.position & 0xF);
            EXPECT_EQ(q.face, p.face & 7);
            EXPECT_EQ(q.skinColour, p.skinColour & 3);
            EXPECT_EQ(q.hairStyle, p.hairStyle & 0xF);
            EXPECT_EQ(q.facialHair, p.facialHair & 0xF);
            for (int k2 = 0; k2 < CPlayer::kSkillCount; ++k2) EXPECT_EQ(q.skill(k2), p.skill(k2) & 0xF);
            EXPECT_EQ(q.extraNibble1, p.extraNibble1 & 0xF);
            EXPECT_EQ(q.extraNibble2, p.extraNibble2 & 0xF);
            EXPECT_EQ(q.altPosition, p.altPosition);
            EXPECT_EQ(q.letterCode, p.letterCode);
            EXPECT_EQ(q.name, p.name.substr(0, 15));
            EXPECT_EQ(q.teamId, u.id);
        }
    }
}

TEST_F(ExportTest, MovesInAndOutOfTheLeagueTravelAndComeBackAsTheSameListings)
{
    CDatabase source;
    load(source);
    const auto teams = leagueTeams(source, 0);
    const uint32_t a = teams[0], b = teams[1];
    const uint32_t x = outsideClub(source, teams);
    ASSERT_NE(x, 0u);
    const uint32_t inside = source.team(a)->players[0];   // a to b, both exported
    const uint32_t leaving = source.team(a)->players[1];  // a to x
    const uint32_t joining = source.team(x)->players[0];  // x to a
    movePlayer(gate(source), inside, a, b);
    movePlayer(gate(source), leaving, a, x);
    movePlayer(gate(source), joining, x, a);
    // A copy to a team outside the league stays listed where it was.
    const uint32_t copied = source.team(a)->players[2];
    ASSERT_TRUE(pastePlayerIntoTeam(gate(source), x, *source.player(copied), CTextEncoding::Windows1252, prompts));

    ASSERT_TRUE(exportLeague(source, 0, out.path().string(), packer).ok);
    const auto entries = exchange::readTransferFile(unpacked(out.path() / "XFER.DB"));
    const auto fi = [&](uint32_t team) { return source.team(team)->fileIndex; };
    const std::set<std::tuple<uint32_t, uint32_t, uint32_t>> expected = {
        {inside, fi(a), fi(b)}, {leaving, fi(a), fi(x)}, {joining, fi(x), fi(a)}, {copied, 511, fi(x)}};
    std::set<std::tuple<uint32_t, uint32_t, uint32_t>> got;
    for (const auto& e : entries) got.insert({e.playerId, e.leavingFileIndex, e.joiningFileIndex});
    EXPECT_EQ(got, expected);
    EXPECT_EQ(entries.size(), 4u);  // the move inside the league is written once

    std::set<uint32_t> exported;
    for (const CPlayer& p : exchange::readPlayerFile(unpacked(out.path() / "CUSPLYR.DB"))) exported.insert(p.id);
    EXPECT_TRUE(exported.count(joining));
    EXPECT_TRUE(exported.count(inside));
    EXPECT_FALSE(exported.count(leaving));
    EXPECT_TRUE(exported.count(copied));

    CDatabase target;
    load(target);
    ASSERT_TRUE(importDbFiles(gate(target), out.path().string(), "Back", packer, prompts));
    for (uint32_t team : teams)
    {
        std::vector<uint32_t> back;
        for (uint32_t id : target.listedPlayers(team + G)) back.push_back(id >= G ? id - G : id);
        EXPECT_EQ(back, source.listedPlayers(team)) << source.teamName(team);
    }
    EXPECT_EQ(target.player(joining + G)->copyMark, x + G);
    EXPECT_EQ(target.player(inside + G)->destinationTeamId, b + G);
    EXPECT_EQ(target.player(copied + G)->copyMark, CPlayer::kCopyMark);

    // Exporting the imported league gives the same players and transfers again.
    TempFolder again;
    ASSERT_TRUE(exportLeague(target, target.leagues().size() - 1, again.path().string(), packer).ok);
    for (const char* name : {"CUSPLYR.DB", "XFER.DB"})
    {
        SCOPED_TRACE(name);
        EXPECT_EQ(unpackBytes(again.read(name)).data, unpacked(out.path() / name));
    }
    const auto first = exchange::readTeamFile(unpacked(out.path() / "CUSTOM.DB"));
    const auto second = exchange::readTeamFile(unpackBytes(again.read("CUSTOM.DB")).data);
    ASSERT_EQ(first.size(), second.size());
    for (std::size_t k = 0; k < first.size(); ++k)
    {
        EXPECT_EQ(second[k].id, first[k].id);
        EXPECT_EQ(second[k].longName, first[k].longName);
        EXPECT_EQ(second[k].bankroll, first[k].bankroll);
    }
}

namespace
{
// Packs like the codec, but gives up on one chosen file.
class FailingPacker : public CInProcessPacker
{
public:
    explicit FailingPacker(int failAt) : m_failAt(failAt) {}
    bool packFile(const std::string& source, const std::string& target) override
    {
        return ++m_calls != m_failAt && CInProcessPacker::packFile(source, target);
    }

private:
    int m_failAt;
    int m_calls = 0;
};
}  // namespace

TEST_F(ExportTest, AFailedPackWritesNothingAndASuccessReplacesTheOldSetWhateverItsCase)
{
    CDatabase db;
    load(db);
    out.write("custom.db", {1, 2, 3});
    FailingPacker failing(2);
    const CExportResult r = exportLeague(db, 0, out.path().string(), failing);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("CUSPLYR.DB"), std::string::npos) << r.message;
    EXPECT_EQ(out.files(), (std::vector<std::string>{"custom.db"}));
    EXPECT_EQ(out.read("custom.db"), (std::vector<uint8_t>{1, 2, 3}));

    ASSERT_TRUE(exportLeague(db, 0, out.path().string(), packer).ok);
    EXPECT_EQ(out.files(), (std::vector<std::string>{"CUSPLYR.DB", "XFER.DB", "custom.db"}));
    EXPECT_TRUE(hasPackedHeader(out.read("custom.db")));

    EXPECT_FALSE(exportLeague(db, db.leagues().size(), out.path().string(), packer).ok);

    // A value the exchange field is too narrow for is refused, not cut: position 16 (LF)
    // in the field's 4 bits would reach the other user as 0, a goalkeeper.
    const uint32_t id = db.team(leagueTeams(db, 0).front())->players.front();
    CDatabaseBuilder(db).player(id)->position = 16;
    const auto before = out.read("CUSPLYR.DB");
    const CExportResult refused = exportLeague(db, 0, out.path().string(), packer);
    EXPECT_FALSE(refused.ok);
    for (const std::string& said : std::vector<std::string>{"position 16", "15 at most", "(id " + std::to_string(id) + ")"})
        EXPECT_NE(refused.message.find(said), std::string::npos) << refused.message;
    EXPECT_EQ(out.read("CUSPLYR.DB"), before);
}

TEST_F(ExportTest, TheSampleUserFilesImportAndSurviveASave)
{
    TempFolder copy;
    // Into a new folder: copying a folder over an existing one fails with some C++ libraries.
    const auto root = copy.path() / "game";
    std::filesystem::copy(game(), root, std::filesystem::copy_options::recursive);
    CDatabase db;
    ASSERT_FALSE(CGameFiles(root).loadAll(db));
    const std::size_t leagues = db.leagues().size();
    const std::size_t players = db.playerCount();
    const std::size_t teams = db.teamCount();

    const auto user = root / "USER";
    ASSERT_TRUE(importDbFiles(gate(db), (user / kSampleExchangeLeague).string(), kSampleExchangeLeague, packer, prompts));
    ASSERT_TRUE(importGlvFile(gate(db), (user / kSampleGlvFile).string(), prompts));
    EXPECT_TRUE(prompts.asked.empty());
    ASSERT_EQ(db.leagues().size(), leagues + 2);
    const CLeague& northern = *db.leagues()[leagues];
    EXPECT_EQ(northern.displayName, "Northern Counties");
    EXPECT_EQ(northern.slotCount, 6u);
    int incoming = 0;
    for (uint32_t id : northern.teamIds)
        for (uint32_t slot : db.team(id)->incomingPlayers) incoming += slot != 0;
    EXPECT_EQ(incoming, 2);
    const CLeague& harbour = *db.leagues()[leagues + 1];
    EXPECT_EQ(harbour.displayName, "Harbour League");
    EXPECT_GE(harbour.slotCount, 2u);
    for (uint32_t id : harbour.teamIds) EXPECT_GE(id, G + 0x10000);

    // An imported player moved into a game team is written into it by the save.
    const uint32_t importedTeam = northern.teamIds[0];
    const uint32_t importedPlayer = db.team(importedTeam)->players[0];
    ASSERT_GE(importedPlayer, G);
    const std::string name = db.player(importedPlayer)->name;
    uint32_t gameTeam = 0;
    for (uint32_t id : leagueTeams(db, 0))
        if (!gameTeam && id != importedTeam - G && db.team(id)->nonEmptySlots() < CTeam::kSlots) gameTeam = id;
    ASSERT_NE(gameTeam, 0u);
    movePlayer(gate(db), importedPlayer, importedTeam, gameTeam);
    ASSERT_FALSE(CGameFiles(root).save(db));

    CDatabase again;
    ASSERT_FALSE(CGameFiles(root).loadAll(again));
    EXPECT_EQ(again.leagues().size(), leagues);
    EXPECT_EQ(again.playerCount(), players);
    EXPECT_EQ(again.teamCount(), teams);
    bool found = false;
    for (uint32_t id : again.team(gameTeam)->players)
        if (const CPlayer* p = again.player(id)) found = found || p->name == name;
    EXPECT_TRUE(found) << name;
}

TEST_F(ExportTest, TheSampleUserFilesAreTheSameForTheSameSeed)
{
    TempFolder twin;
    ASSERT_FALSE(writeSampleGame(twin.path(), {7, CSampleScale::Small}));
    for (const std::string& name :
         {std::string("USER/") + kSampleGlvFile, std::string("USER/") + kSampleExchangeLeague + "/CUSTOM.DB",
          std::string("USER/") + kSampleExchangeLeague + "/CUSPLYR.DB",
          std::string("USER/") + kSampleExchangeLeague + "/XFER.DB"})
    {
        SCOPED_TRACE(name);
        const auto mine = twin.read(name);
        EXPECT_FALSE(mine.empty());
        std::ifstream in(game() / name, std::ios::binary);
        EXPECT_EQ(mine, std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
    }
}

#ifdef OBRIX_CLI_PATH
TEST_F(ExportTest, CommandLineImportsAndExports)
{
    const std::string cli = OBRIX_CLI_PATH;
    const auto user = game() / "USER";
    int status = 0;
    const std::string json = runCommand(cli + " dump " + quoted(game()) + " --import-db " +
                                     quoted(user / (std::string(kSampleExchangeLeague) + ":Up North")) +
                                     " --import-glv " + quoted(user / kSampleGlvFile) + " --import-db " +
                                     quoted(user / kSampleExchangeLeague),
                                 status);
    ASSERT_EQ(status, 0) << json.substr(0, 400);
    EXPECT_NE(json.find("\"displayName\":\"Up North\",\"id\":0,\"importedLeague\":1"), std::string::npos);
    EXPECT_NE(json.find("\"displayName\":\"Harbour League\""), std::string::npos);
    EXPECT_NE(json.find("\"displayName\":\"Northern Counties\""), std::string::npos);
    std::size_t imported = 0;
    for (auto at = json.find("\"importedLeague\":1"); at != std::string::npos;
         at = json.find("\"importedLeague\":1", at + 1))
        ++imported;
    EXPECT_EQ(imported, 3u);

    const std::string failed = runCommand(cli + " dump " + quoted(game()) + " --import-db " + quoted(out.path()), status);
    EXPECT_EQ(status, 1);
    EXPECT_NE(failed.find("Error reading CUSPLYR.DB."), std::string::npos) << failed;

    const auto set = out.path() / "set";
    const std::string exported = runCommand(cli + " export " + quoted(game()) + " --league 0 " + quoted(set), status);
    ASSERT_EQ(status, 0) << exported;
    const std::string back = runCommand(cli + " dump " + quoted(game()) + " --import-db " + quoted(set), status);
    EXPECT_EQ(status, 0);
    EXPECT_NE(back.find("\"displayName\":\"set\""), std::string::npos);

    runCommand(cli + " export " + quoted(game()) + " " + quoted(set), status);
    EXPECT_EQ(status, 2);
}

// Installed the way users have it, obrix-cli runs the packer program beside it; the set
// goes through real processes, temporary files and a folder name with a space.
TEST_F(ExportTest, CommandLineRunsThePackerProgramBesideIt)
{
    const std::filesystem::path built = OBRIX_CLI_PATH;
    const std::filesystem::path gfxpak = OBRIX_GFXPAK_PATH;
    if (!std::filesystem::exists(gfxpak)) GTEST_SKIP() << "gfxpak is not built";
    const auto bin = out.path() / "bin";
    std::filesystem::create_directories(bin);
    std::filesystem::copy_file(built, bin / built.filename());
    std::filesystem::copy_file(gfxpak, bin / gfxpak.filename());
    const std::string cli = quoted(bin / built.filename());

    const auto set = out.path() / "Two Words";
    int status = 0;
    const std::string exported = runCommand(cli + " export " + quoted(game()) + " --league 1 " + quoted(set), status);
    ASSERT_EQ(status, 0) << exported;
    // What the program packed, the codec reads.
    for (const char* name : {"CUSTOM.DB", "CUSPLYR.DB", "XFER.DB"})
        EXPECT_TRUE(unpackBytes(out.read(std::string("Two Words/") + name)).ok()) << name;
    const std::string json = runCommand(cli + " dump " + quoted(game()) + " --import-db " + quoted(set), status);
    ASSERT_EQ(status, 0) << json.substr(0, 400);
    EXPECT_NE(json.find("\"displayName\":\"Two Words\""), std::string::npos);
}
#endif

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>

// The scratch folder of an export that was killed is removed by the next export and by
// `obrix-cli recover`; one of an export still running, and anything not made by an
// export, is left alone.
TEST_F(ExportTest, AKilledExportsScratchFolderIsRemovedByTheNextExportOrRecover)
{
    namespace fs = std::filesystem;
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ASSERT_GT(child, 0);
    ::waitpid(child, nullptr, 0);  // a process id that no longer runs
    const std::string dead = std::to_string(child), running = std::to_string(::getppid());
    const auto twoDaysAgo = fs::file_time_type::clock::now() - std::chrono::hours(48);
    struct Case
    {
        std::string name;
        bool removed;
        bool old = false;
        enum { Folder, File, Link } kind = Folder;
    };
    const std::vector<Case> cases = {
        {"Obx-export-" + dead + "-123", true},
        {"Obx-export-" + running + "-7", false},
        {"Obx-export-" + running + "-8", true, true},  // no export runs for two days
        {"Obx-export-" + std::to_string(::getpid()) + "-9", false},
        {"Obxx12345", false},
        {"Obxx67890", true, true},  // an earlier version's name
        {"Obx-export-x-1", false},
        {"Obx-export-" + dead + "-4", false, false, Case::File},
        {"Obx-export-" + dead + "-5", false, false, Case::Link},
        {"ObxA1b2C3", false, true},  // the packer's temporary file name
    };
    auto plant = [&](const fs::path& tmp) {
        fs::create_directories(tmp / "elsewhere");
        for (const auto& c : cases)
        {
            const fs::path p = tmp / c.name;
            if (c.kind == Case::Folder)
            {
                fs::create_directories(p);
                std::ofstream(p / "CUSTOM.DB.raw") << "half";
            }
            else if (c.kind == Case::File)
                std::ofstream(p) << "x";
            else
                fs::create_directory_symlink(tmp / "elsewhere", p);
            if (c.old) fs::last_write_time(p, twoDaysAgo);
        }
    };
    auto check = [&](const fs::path& tmp) {
        for (const auto& c : cases)
            EXPECT_EQ(fs::exists(fs::symlink_status(tmp / c.name)), !c.removed) << c.name;
        EXPECT_TRUE(fs::exists(tmp / "elsewhere"));
    };

    TempFolder tmp;
    plant(tmp.path());
    const auto removed = removeExportLeftovers(tmp.path());
    EXPECT_EQ(removed.size(), 3u);
    check(tmp.path());

    // The next export, with the system's temporary folder there.
    TempFolder tmp2;
    plant(tmp2.path());
    const char* before = std::getenv("TMPDIR");
    const std::string saved = before ? before : "";
    ::setenv("TMPDIR", tmp2.path().c_str(), 1);
    CDatabase db;
    load(db);
    const CExportResult result = exportLeague(db, 0, (out.path() / "set").string(), packer);
    if (before)
        ::setenv("TMPDIR", saved.c_str(), 1);
    else
        ::unsetenv("TMPDIR");
    EXPECT_TRUE(result.ok) << result.message;
    check(tmp2.path());
    std::size_t left = 0;
    for (const auto& e : fs::directory_iterator(tmp2.path())) left += e.path().filename() != "elsewhere";
    EXPECT_EQ(left, 7u);  // its own scratch folder is gone too

    TempFolder tmp3;
    plant(tmp3.path());
    int status = 0;
    const std::string said = runCommand("TMPDIR=" + quoted(tmp3.path()) + " " + OBRIX_CLI_PATH + " recover "
                                            + quoted(out.path()),
                                        status);
    EXPECT_EQ(status, 0) << said;
    EXPECT_NE(said.find("Removed " + (tmp3.path() / ("Obx-export-" + dead + "-123")).string()
                        + ", the temporary folder of an export that was cut off."),
              std::string::npos)
        << said;
    check(tmp3.path());
}
#endif
