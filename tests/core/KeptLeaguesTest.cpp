#include "TestGate.h"
#include "FakePrompts.h"
#include "RunCommand.h"
#include "TempFolder.h"

#include "database/Database.h"
#include "database/GameFiles.h"
#include "editing/PlayerMoves.h"
#include "editing/Roster.h"
#include "editing/TeamCommands.h"
#include "exchange/KeptLeagues.h"
#include "exchange/LeagueExport.h"
#include "exchange/LeagueImport.h"
#include "exchange/Packer.h"
#include "sample/SampleExchange.h"
#include "sample/SampleGame.h"
#include "util/FileCommit.h"

#include <fstream>
#include <iterator>
#include <limits>
#include <set>
#include <thread>
#include <utility>

#include <gtest/gtest.h>

namespace
{
// How many members an aggregate has, found by the most initialisers it takes: a field
// added to a record later changes it, so the kept file's field lists cannot forget it.
struct CAnyField
{
    template <class T>
    operator T() const
    {
        return T{};
    }
};
template <class R, std::size_t... I>
constexpr bool initialisableWith(std::index_sequence<I...>)
{
    return requires { R{(void(I), CAnyField{})...}; };
}
template <class R, std::size_t N = 0>
constexpr std::size_t memberCount()
{
    if constexpr (initialisableWith<R>(std::make_index_sequence<N + 1>{}))
        return memberCount<R, N + 1>();
    else
        return N;
}

// Gives every field a visitor lists a value of its own, the widest its type holds first;
// returns how many distinct fields were visited.
template <class R, class Fields>
std::size_t fillDistinct(R& r, Fields fields)
{
    uint32_t next = 0;
    std::set<const void*> seen;
    fields(r, [&](auto& v) {
        seen.insert(&v);
        using V = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<V, std::string>)
            v = "text " + std::to_string(++next);
        else if constexpr (std::is_same_v<V, std::vector<uint32_t>>)
            v = {++next, ++next};
        else if constexpr (std::is_same_v<V, CTeam::Slots>)
            for (uint32_t& x : v) x = ++next;
        else
            v = V(std::numeric_limits<V>::max() - V(++next));
    });
    return seen.size();
}

class KeptLeaguesTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_FALSE(writeSampleGame(game(), {7, CSampleScale::Small})); }
    std::filesystem::path game() const { return m_root.path() / "golvar"; }
    std::filesystem::path data() const { return m_root.path() / "data"; }
    void load(CDatabase& db) { ASSERT_FALSE(CGameFiles(game()).loadAll(db)); }
    std::vector<const CLeague*> imported(const CDatabase& db)
    {
        std::vector<const CLeague*> out;
        for (const auto& l : db.leagues())
            if (l->importedLeague) out.push_back(l);
        return out;
    }

    // The sample's exchange league and its GLV league, imported as the editor does.
    std::size_t importBoth(CDatabase& db)
    {
        const std::size_t position = db.leagues().size();
        CInProcessPacker packer;
        EXPECT_TRUE(importDbFiles(gate(db), (game() / "USER" / kSampleExchangeLeague).string(), "Up North", packer, prompts));
        EXPECT_TRUE(importGlvFile(gate(db), (game() / "USER" / kSampleGlvFile).string(), prompts));
        return position;
    }
    static std::vector<uint8_t> bytesOf(const std::filesystem::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void write(const std::filesystem::path& file, const std::vector<uint8_t>& bytes)
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    std::string lastMessage() const { return prompts.asked.empty() ? std::string() : prompts.asked.back().text; }

    TempFolder m_root;
    FakePrompts prompts;
};
}  // namespace

TEST_F(KeptLeaguesTest, ImportedLeaguesComeBackWithTheirEditsUntilRemoved)
{
    CKeptLeagues kept(data(), game());
    CDatabase db;
    load(db);
    const std::size_t gameLeagues = db.leagues().size();
    CInProcessPacker packer;
    ASSERT_TRUE(importDbFiles(gate(db), (game() / "USER" / kSampleExchangeLeague).string(), "Up North", packer, prompts));
    ASSERT_TRUE(importGlvFile(gate(db), (game() / "USER" / kSampleGlvFile).string(), prompts));
    const CLeague& north = *db.leagues()[gameLeagues];
    CPlayer& edited = *build(db).player(db.team(north.teamIds[0])->players[0]);
    edited.name = "Kept Edit";
    edited.speed = 3;
    ASSERT_FALSE(kept.keep(db));

    // The next run: the game's files as they were, the leagues from the editor's folder.
    CDatabase next;
    load(next);
    EXPECT_EQ(kept.restore(gate(next), prompts), 2u);
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_FALSE(next.modified());
    const auto back = imported(next);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0]->displayName, "Up North");
    EXPECT_EQ(back[1]->displayName, db.leagues()[gameLeagues + 1]->displayName);
    EXPECT_EQ(back[0]->slotCount, north.slotCount);
    const CPlayer& again = *next.player(next.team(back[0]->teamIds[0])->players[0]);
    EXPECT_EQ(again.name, "Kept Edit");
    EXPECT_EQ(again.speed, 3);

    // Removing one keeps the other; removing both leaves nothing behind.
    EXPECT_FALSE(removeImportedLeague(gate(next), 0));
    ASSERT_TRUE(removeImportedLeague(gate(next), gameLeagues));
    ASSERT_FALSE(kept.keep(next));
    CDatabase third;
    load(third);
    EXPECT_EQ(kept.restore(gate(third), prompts), 1u);
    ASSERT_TRUE(removeImportedLeague(gate(third), gameLeagues));
    ASSERT_FALSE(kept.keep(third));
    EXPECT_FALSE(std::filesystem::exists(kept.folder()));
    CDatabase fourth;
    load(fourth);
    EXPECT_EQ(kept.restore(gate(fourth), prompts), 0u);
    EXPECT_EQ(fourth.leagues().size(), gameLeagues);
}

TEST_F(KeptLeaguesTest, AKeptLeagueComesBackRecordForRecordAfterEdits)
{
    CKeptLeagues kept(data(), game());
    CDatabase db;
    load(db);
    const std::size_t first = importBoth(db);
    const CLeague north = *db.leagues()[first];
    ASSERT_GE(north.teamIds.size(), 2u);
    const uint32_t teamA = north.teamIds[0], teamB = north.teamIds[1];
    const auto rosterA = rosterPlayers(db, teamA);
    ASSERT_GE(rosterA.size(), 4u);
    {
        // A value an import would not give back, a position above 15, a removed player
        // and two moves, one of them still pending.
        auto tx = gate(db);
        CTransaction& t = tx;
        t.player(rosterA[0])->value = 4321;
        t.player(rosterA[1])->position = 16;
        t.player(rosterA[1])->name = "Edited Name";
        ASSERT_TRUE(removePlayerFromTeam(t, teamA, rosterA[2]));
        EXPECT_EQ(movePlayerToTeam(t, rosterA[3], teamA, teamB).kind, CTransferResult::CKind::MovedPlayer);
    }
    const CLeague glv = *db.leagues()[first + 1];
    ASSERT_FALSE(kept.keep(db));
    // A keep with nothing changed leaves the file as it is.
    const auto written = std::filesystem::last_write_time(kept.file());
    ASSERT_FALSE(kept.keep(db));
    EXPECT_EQ(std::filesystem::last_write_time(kept.file()), written);

    CDatabase next;
    load(next);
    EXPECT_EQ(kept.restore(gate(next), prompts), 2u);
    EXPECT_TRUE(prompts.asked.empty()) << lastMessage();
    EXPECT_FALSE(next.modified());
    ASSERT_EQ(next.leagues().size(), first + 2);
    EXPECT_EQ(*next.leagues()[first], north);
    EXPECT_EQ(*next.leagues()[first + 1], glv);
    EXPECT_EQ(next.playerCount(), db.playerCount());
    EXPECT_EQ(next.teamCount(), db.teamCount());
    db.forEachTeam([&](const CTeam& t) {
        ASSERT_NE(next.team(t.id), nullptr) << t.id;
        EXPECT_EQ(*next.team(t.id), t) << t.id;
    });
    db.forEachPlayer([&](const CPlayer& p) {
        ASSERT_NE(next.player(p.id), nullptr) << p.id;
        EXPECT_EQ(*next.player(p.id), p) << p.id;
    });
    EXPECT_EQ(next.player(rosterA[0])->value, 4321u);
    EXPECT_EQ(next.player(rosterA[1])->position, 16);

    // A later import in the run takes ids no kept record has.
    EXPECT_EQ(next.importGeneration(), db.importGeneration());
    ASSERT_TRUE(importGlvFile(gate(next), (game() / "USER" / kSampleGlvFile).string(), prompts));
    for (uint32_t id : next.leagues().back()->teamIds) EXPECT_GE(id, db.importGeneration());
}

TEST_F(KeptLeaguesTest, EveryFieldOfEveryRecordKindComesBackAtTheWidthTheRecordHoldsIt)
{
    CLeague league;
    CTeam team;
    CPlayer player;
    EXPECT_EQ(fillDistinct(league, [](auto& r, auto&& f) { keptformat::leagueFields(r, f); }), memberCount<CLeague>());
    EXPECT_EQ(fillDistinct(team, [](auto& r, auto&& f) { keptformat::teamFields(r, f); }), memberCount<CTeam>());
    EXPECT_EQ(fillDistinct(player, [](auto& r, auto&& f) { keptformat::playerFields(r, f); }), memberCount<CPlayer>());
    // What ties them together: an imported league listing the team, which lists the player.
    team.id = 0x30001;
    player.id = 0x30002;
    league.teamIds = {team.id};
    team.players[3] = player.id;

    CDatabase db;
    build(db).addTeam(std::make_unique<CTeam>(team));
    build(db).addPlayer(std::make_unique<CPlayer>(player));
    build(db).addLeague(std::make_unique<CLeague>(league));
    keptformat::CDecoded out;
    ASSERT_FALSE(keptformat::decode(keptformat::encode(db), "F", out));
    ASSERT_EQ(out.leagues.size(), 1u);
    ASSERT_EQ(out.teams.size(), 1u);
    ASSERT_EQ(out.players.size(), 1u);
    EXPECT_EQ(out.leagues[0], league);
    EXPECT_EQ(out.teams[0], team);
    EXPECT_EQ(out.players[0], player);
}

TEST_F(KeptLeaguesTest, WhereAMovedOrCopiedPlayerIsListedSurvivesARestart)
{
    struct CCase
    {
        const char* what;
        bool keptPlayer, toKeptTeam, copy;
    };
    const CCase cases[] = {
        {"a game player copied onto a kept team", false, true, true},
        {"a game player moved onto a kept team", false, true, false},
        {"a kept player copied onto a game team", true, false, true},
        {"a kept player moved onto a game team", true, false, false},
        {"a kept player moved onto another kept team", true, true, false},
    };
    int n = 0;
    for (const CCase& c : cases)
    {
        SCOPED_TRACE(c.what);
        CKeptLeagues kept(data() / std::to_string(++n), game());
        CDatabase db;
        load(db);
        const CLeague north = *db.leagues()[importBoth(db)];
        const uint32_t gameTeam = db.leagues()[0]->teamIds[0];
        const uint32_t from = c.keptPlayer ? north.teamIds[0] : gameTeam;
        const uint32_t to = !c.toKeptTeam ? gameTeam : c.keptPlayer ? north.teamIds[1] : north.teamIds[0];
        uint32_t id = 0;
        for (uint32_t p : rosterPlayers(db, from))
            if ((p >= CDatabase::kImportedIdBase) == c.keptPlayer && !id) id = p;
        ASSERT_NE(id, 0u);
        if (c.copy)
            ASSERT_TRUE(pastePlayerIntoTeam(gate(db), to, *db.player(id), CTextEncoding::Windows1252, prompts));
        else
            ASSERT_EQ(movePlayerToTeam(gate(db), id, from, to).kind, CTransferResult::CKind::MovedPlayer);
        ASSERT_FALSE(kept.keep(db));

        CDatabase next;
        load(next);
        kept.restore(gate(next), prompts);
        EXPECT_EQ(rosterPlayers(next, from), rosterPlayers(db, from));
        EXPECT_EQ(rosterPlayers(next, to), rosterPlayers(db, to));
        const CPlayer &before = *db.player(id), &after = *next.player(id);
        EXPECT_EQ(std::tie(after.teamId, after.destinationTeamId, after.copyMark),
                  std::tie(before.teamId, before.destinationTeamId, before.copyMark));
    }
}

TEST_F(KeptLeaguesTest, ALeagueAnotherProgramKeptMeanwhileIsKeptTooAndListedOnce)
{
    // The window and a command-line import, each reading what was kept when it started.
    CKeptLeagues window(data(), game()), command(data(), game());
    CDatabase shown, other;
    load(shown);
    load(other);
    const std::size_t first = shown.leagues().size();
    CInProcessPacker packer;
    ASSERT_TRUE(importDbFiles(gate(shown), (game() / "USER" / kSampleExchangeLeague).string(), "Up North", packer, prompts));
    ASSERT_FALSE(window.keep(shown));
    EXPECT_EQ(command.restore(gate(other), prompts), 1u);
    ASSERT_TRUE(importGlvFile(gate(other), (game() / "USER" / kSampleGlvFile).string(), prompts));
    ASSERT_FALSE(command.keep(other));

    // The window's next keep, after an edit, takes in the league the command kept.
    build(shown).player(shown.team(shown.leagues()[first]->teamIds[0])->players[0])->name = "Edited";
    ASSERT_FALSE(window.keep(shown));
    auto names = [&] {
        CDatabase next;
        load(next);
        CKeptLeagues(data(), game()).restore(gate(next), prompts);
        std::vector<std::string> out;
        for (const CLeague* l : imported(next))
            out.push_back(l->displayName + (next.playerName(next.team(l->teamIds[0])->players[0]) == "Edited" ? " (edited)" : ""));
        return out;
    };
    const std::string glv = other.leagues().back()->displayName;
    EXPECT_EQ(names(), (std::vector<std::string>{"Up North (edited)", glv}));
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(window.folder())) files += entry.is_regular_file();
    EXPECT_EQ(files, 1u);

    // A league the window removes goes; the command's stays.
    ASSERT_TRUE(removeImportedLeague(gate(shown), first));
    ASSERT_FALSE(window.keep(shown));
    EXPECT_EQ(names(), std::vector<std::string>{glv});
    EXPECT_TRUE(prompts.asked.empty()) << lastMessage();
}

TEST_F(KeptLeaguesTest, GenerationsLeftByRemovedLeaguesCloseUpAtTheNextStartAndLowBitsStay)
{
    CKeptLeagues kept(data(), game());
    CDatabase db;
    load(db);
    const std::size_t first = importBoth(db);
    const std::vector<uint32_t> glvTeams = db.leagues()[first + 1]->teamIds;
    ASSERT_TRUE(removeImportedLeague(gate(db), first));
    ASSERT_FALSE(kept.keep(db));

    CDatabase next;
    load(next);
    EXPECT_EQ(kept.restore(gate(next), prompts), 1u);
    const CLeague& back = *next.leagues()[first];
    ASSERT_EQ(back.teamIds.size(), glvTeams.size());
    for (std::size_t i = 0; i < glvTeams.size(); ++i)
    {
        EXPECT_EQ(back.teamIds[i] & 0xFFFF, glvTeams[i] & 0xFFFF);
        EXPECT_EQ(back.teamIds[i] & 0xFFFF0000, CDatabase::kFirstImportGeneration);
        const CTeam& team = *next.team(back.teamIds[i]);
        for (uint32_t id : team.players)
            if (id >= CDatabase::kImportedIdBase) { EXPECT_NE(next.player(id), nullptr); }
    }
    EXPECT_EQ(next.importGeneration(), CDatabase::kFirstImportGeneration + CDatabase::kImportedIdBase);
}

TEST_F(KeptLeaguesTest, DamagedOrHostileKeptFilesAreRefusedNamedAndLeftWhereTheyAre)
{
    CKeptLeagues kept(data(), game());
    CDatabase db;
    load(db);
    importBoth(db);
    ASSERT_FALSE(kept.keep(db));
    const std::vector<uint8_t> good = bytesOf(kept.file());

    // Hostile bytes with a checksum that matches, so that the reader's own checks answer.
    auto resealed = [](std::vector<uint8_t> b) {
        b.resize(b.size() - 16);
        const std::string sum = checksumText(b);
        b.insert(b.end(), sum.begin(), sum.end());
        return b;
    };
    auto withU32 = [&](std::size_t at, uint32_t v) {
        std::vector<uint8_t> b = good;
        for (int i = 0; i < 4; ++i) b[at + std::size_t(i)] = uint8_t(v >> (8 * i));
        return resealed(b);
    };
    std::vector<uint8_t> flipped = good;
    flipped[good.size() / 2] ^= 0x40;
    std::vector<uint8_t> longer = good;
    longer.insert(longer.end() - 16, {1, 2, 3});
    struct CCase
    {
        const char* what;
        std::vector<uint8_t> bytes;
        const char* says;
    };
    const std::vector<CCase> cases = {
        {"cut short", std::vector<uint8_t>(good.begin(), good.begin() + std::ptrdiff_t(good.size() / 3)), "checksum"},
        {"one bit changed", flipped, "checksum"},
        {"empty", {}, "no header"},
        {"a later version", withU32(8, 3), "format version 3"},
        {"huge player count", withU32(20, 0x7FFFFFFF), "do not fit"},
        {"huge team-id count", withU32(32, 0xFFFFFFF0), "do not fit"},
        {"bytes after the records", resealed(longer), "after the last record"},
    };
    for (const CCase& c : cases)
    {
        SCOPED_TRACE(c.what);
        write(kept.file(), c.bytes);
        prompts.asked.clear();
        CDatabase next;
        load(next);
        const std::size_t leagues = next.leagues().size();
        EXPECT_EQ(kept.restore(gate(next), prompts), 0u);
        EXPECT_EQ(next.leagues().size(), leagues);
        ASSERT_EQ(prompts.asked.size(), 1u);
        EXPECT_NE(lastMessage().find(kept.file().string()), std::string::npos) << lastMessage();
        EXPECT_NE(lastMessage().find(c.says), std::string::npos) << lastMessage();
        EXPECT_NE(lastMessage().find("offset"), std::string::npos) << lastMessage();

        // The next keep leaves the damaged file alone and says where the leagues went.
        importBoth(next);
        bool failed = true;
        const auto note = kept.keep(next, &failed);
        ASSERT_TRUE(note);
        EXPECT_FALSE(failed);
        EXPECT_NE(note->find("KEPT-2.OBK"), std::string::npos) << *note;
        EXPECT_EQ(bytesOf(kept.file()), c.bytes);

        // Both are read at the start after: the good one comes back, the other is named again.
        prompts.asked.clear();
        CDatabase third;
        load(third);
        EXPECT_EQ(kept.restore(gate(third), prompts), 2u);
        EXPECT_EQ(prompts.asked.size(), 1u);
        ASSERT_FALSE(kept.keep(third));
        EXPECT_EQ(bytesOf(kept.file()), c.bytes);
        std::filesystem::remove(kept.folder() / "KEPT-2.OBK");
    }

    // Every cut of the records is refused by the bounds, even with a checksum that matches.
    const std::size_t body = good.size() - 16;
    for (std::size_t n = 0; n < body; n += 5)
    {
        std::vector<uint8_t> cut(good.begin(), good.begin() + std::ptrdiff_t(n));
        const std::string sum = checksumText(cut);
        cut.insert(cut.end(), sum.begin(), sum.end());
        keptformat::CDecoded out;
        const auto error = keptformat::decode(cut, "F", out);
        ASSERT_TRUE(error) << n;
        EXPECT_TRUE(out.players.empty() && out.leagues.empty());
    }
}

TEST_F(KeptLeaguesTest, AFolderThatCannotBeListedIsReportedAndNeverMovedOrRemoved)
{
    CKeptLeagues kept(data(), game());
    std::filesystem::create_directories(kept.folder().parent_path());
    write(kept.folder(), {'x'});  // a file where the folder should be
    CDatabase db;
    load(db);
    EXPECT_EQ(kept.restore(gate(db), prompts), 0u);
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_NE(lastMessage().find(kept.folder().string()), std::string::npos) << lastMessage();
    importBoth(db);
    bool failed = false;
    const auto error = kept.keep(db, &failed);
    ASSERT_TRUE(error);
    EXPECT_TRUE(failed);
    EXPECT_NE(error->find(kept.folder().string()), std::string::npos) << *error;
    EXPECT_TRUE(std::filesystem::is_regular_file(kept.folder()));
    EXPECT_EQ(bytesOf(kept.folder()), std::vector<uint8_t>{'x'});
    for (const auto& entry : std::filesystem::directory_iterator(kept.folder().parent_path()))
        EXPECT_EQ(entry.path(), kept.folder());
}

TEST_F(KeptLeaguesTest, LeaguesKeptAsExchangeSetsAreReadOnceAndWrittenInTheNewForm)
{
    CKeptLeagues kept(data(), game());
    CDatabase db;
    load(db);
    const std::size_t first = importBoth(db);
    // As an earlier version kept them: numbered exchange sets with their names beside
    // them, here cut off between its two renames, so only the ".old" name is there; the
    // second set is damaged.
    const auto old = kept.folder().parent_path() / (kept.folder().filename().string() + ".old");
    CInProcessPacker packer;
    for (const char* n : {"1", "2"})
    {
        ASSERT_TRUE(exportLeague(db, first, (old / n).string(), packer).ok);
        write(old / n / keptleaguetexts::kNameFile, {'U', 'p', ' ', 'N', 'o', 'r', 't', 'h'});
    }
    std::filesystem::resize_file(old / "2" / "CUSTOM.DB", 3);

    CDatabase next;
    load(next);
    EXPECT_EQ(kept.restore(gate(next), prompts), 1u);
    EXPECT_EQ(next.leagues().back()->displayName, "Up North");
    ASSERT_FALSE(prompts.asked.empty());
    EXPECT_NE(lastMessage().find((old / "2").string()), std::string::npos) << lastMessage();
    ASSERT_FALSE(kept.keep(next));
    EXPECT_FALSE(std::filesystem::exists(old / "1"));
    EXPECT_TRUE(std::filesystem::exists(old / "2" / "CUSTOM.DB"));  // reported, never removed
    EXPECT_TRUE(std::filesystem::exists(kept.file()));

    CDatabase third;
    load(third);
    prompts.asked.clear();
    EXPECT_EQ(kept.restore(gate(third), prompts), 1u);  // the damaged set is named again
    EXPECT_EQ(prompts.asked.size(), 2u);
    ASSERT_EQ(third.leagues().size(), next.leagues().size());
    EXPECT_EQ(*third.leagues().back(), *next.leagues().back());
}

#ifdef OBRIX_CLI_PATH
TEST_F(KeptLeaguesTest, TheCommandLineImportsKeepsAndSeesKeptLeaguesAsTheEditorDoes)
{
    auto q = [](const std::filesystem::path& p) { return "'" + p.string() + "'"; };
    const std::string cli = std::string(OBRIX_CLI_PATH) + " ";
    const std::string withData = " --data-folder " + q(data());
    int status = -1;
    std::string out = runCommand(cli + "import " + q(game()) + " --glv " + q(game() / "USER" / kSampleGlvFile) + withData, status);
    EXPECT_EQ(status, 0) << out;
    out = runCommand(cli + "import " + q(game()) + " --db " + q(game() / "USER" / kSampleExchangeLeague) + withData, status);
    EXPECT_EQ(status, 0) << out;

    // The editor's restore finds both, as the command line left them.
    CKeptLeagues kept(data(), game());
    CDatabase db;
    load(db);
    const std::size_t gameLeagues = db.leagues().size();
    ASSERT_EQ(kept.restore(gate(db), prompts), 2u);
    const CLeague& north = *db.leagues()[gameLeagues + 1];
    EXPECT_EQ(north.displayName, kSampleExchangeLeague);
    const uint32_t playerId = db.team(north.teamIds[0])->players[0];

    // An import-table edit of a kept player is kept; without the data folder it is not seen.
    const auto csv = m_root.path() / "edit.csv";
    {
        std::ofstream f(csv, std::ios::binary | std::ios::trunc);
        f << "id,value,position\n" << playerId << ",4321,16\n";
    }
    out = runCommand(cli + "import-table " + q(game()) + " " + q(csv) + withData, status);
    EXPECT_EQ(status, 0) << out;
    out = runCommand(cli + "dump " + q(game()) + withData, status);
    EXPECT_EQ(status, 0);
    const std::string record = "{\"id\":" + std::to_string(playerId) + ",\"value\":4321,";
    EXPECT_NE(out.find(record), std::string::npos);
    EXPECT_NE(out.find("\"position\":16"), std::string::npos);
    out = runCommand(cli + "dump " + q(game()) + " --data-folder " + q(m_root.path() / "elsewhere"), status);
    EXPECT_EQ(out.find(record), std::string::npos);

    // A damaged kept file is named by every command that reads it, and left as it is.
    std::vector<uint8_t> bytes = bytesOf(kept.file());
    bytes.resize(bytes.size() / 2);
    write(kept.file(), bytes);
    for (const char* command : {"check", "dump"})
    {
        out = runCommand(cli + command + " " + q(game()) + withData, status);
        EXPECT_NE(out.find(kept.file().string()), std::string::npos) << command << ": " << out.substr(0, 400);
    }
    out = runCommand(cli + "import " + q(game()) + " --glv " + q(game() / "USER" / kSampleGlvFile) + withData, status);
    EXPECT_EQ(status, 0) << out;
    EXPECT_NE(out.find("KEPT-2.OBK"), std::string::npos) << out;
    EXPECT_EQ(bytesOf(kept.file()), bytes);
}

TEST_F(KeptLeaguesTest, CommandLineImportsIntoOneDataFolderAtOnceKeepEveryLeagueInOneFile)
{
    auto q = [](const std::filesystem::path& p) { return "'" + p.string() + "'"; };
    constexpr int kImports = 4;
    std::string outs[kImports];
    int statuses[kImports];
    std::vector<std::thread> running;
    for (int i = 0; i < kImports; ++i)
        running.emplace_back([&, i] {
            const std::string what = i % 2 ? " --glv " + q(game() / "USER" / kSampleGlvFile)
                                           : " --db " + q(game() / "USER" / kSampleExchangeLeague);
            outs[i] = runCommand(std::string(OBRIX_CLI_PATH) + " import " + q(game()) + what + " --data-folder " + q(data()),
                                 statuses[i]);
        });
    for (auto& t : running) t.join();
    for (int i = 0; i < kImports; ++i) EXPECT_EQ(statuses[i], 0) << outs[i];

    CKeptLeagues kept(data(), game());
    CDatabase db;
    load(db);
    EXPECT_EQ(kept.restore(gate(db), prompts), std::size_t(kImports));
    EXPECT_TRUE(prompts.asked.empty()) << lastMessage();
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(kept.folder())) files.push_back(entry.path().filename().string());
    EXPECT_EQ(files, std::vector<std::string>{"KEPT.OBK"});
}
#endif
