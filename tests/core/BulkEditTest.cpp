// The spreadsheet round trip, the database check and the comparison of two databases.
#include "RunCommand.h"
#include "TempFolder.h"

#include "database/Database.h"
#include "database/GameFiles.h"
#include "editing/DatabaseCheck.h"
#include "editing/DatabaseDiff.h"
#include "editing/TableExchange.h"
#include "sample/SampleGame.h"
#include "util/Csv.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <memory>

namespace
{
const CTextEncoding kEnc = CTextEncoding::Windows1252;

std::string quoted(const std::filesystem::path& p)
{
    return "'" + p.string() + "'";
}

class BulkEditTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_folder = std::make_unique<TempFolder>();
        ASSERT_FALSE(writeSampleGame(s_folder->path() / "golvar", {3, CSampleScale::Small}));
    }
    static void TearDownTestSuite() { s_folder.reset(); }
    static std::filesystem::path sample() { return s_folder->path() / "golvar"; }

    void SetUp() override { ASSERT_FALSE(CGameFiles(sample()).loadAll(m_db)); }

    // The first player and team, by id, and the players' fields by name.
    const CPlayer& firstPlayer()
    {
        const CPlayer* first = nullptr;
        m_db.forEachPlayer([&](const CPlayer& p) { first = first ? first : &p; });
        return *first;
    }

    static std::unique_ptr<TempFolder> s_folder;
    CDatabase m_db;
};
std::unique_ptr<TempFolder> BulkEditTest::s_folder;

TEST(CsvTest, ReadsWhatSpreadsheetsWriteAndPointsAtBrokenQuotes)
{
    struct CCase
    {
        std::string text;
        std::vector<std::vector<std::string>> records;
        std::size_t errorLine = 0, errorColumn = 0;
    };
    const CCase cases[] = {
        {"\xEF\xBB\xBF" "a,b\r\n1,2\r\n", {{"a", "b"}, {"1", "2"}}},
        {"a,\"x, \"\"y\"\"\",c\n\n\"two\r\nlines\",,\r", {{"a", "x, \"y\"", "c"}, {"two\r\nlines", "", ""}}},
        {"a,b\nc", {{"a", "b"}, {"c"}}},
        {"a\n\"b\nc\nd", {}, 2, 1},   // never closed: the line where it opened
        {"a,b\n1,\"2\"x", {}, 2, 2},  // text after the closing quote
        {"a,b\n1,2\"", {}, 2, 2},     // a quote in an unquoted field
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.text);
        std::vector<csv::CRecord> records;
        const auto e = csv::parse(c.text, records);
        if (c.errorLine)
        {
            ASSERT_TRUE(e);
            EXPECT_EQ(e->line, c.errorLine);
            EXPECT_EQ(e->column, c.errorColumn);
            continue;
        }
        ASSERT_FALSE(e) << e->message;
        ASSERT_EQ(records.size(), c.records.size());
        for (std::size_t i = 0; i < records.size(); ++i) EXPECT_EQ(records[i].fields, c.records[i]);
    }
    std::string out;
    csv::appendRecord(out, {"plain", "a,b", "say \"hi\"", "two\nlines"});
    EXPECT_EQ(out, "plain,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\"\r\n");
    // A first cell that begins with a byte order mark keeps it through a round trip.
    out.clear();
    csv::appendRecord(out, {"\xEF\xBB\xBFx"});
    std::vector<csv::CRecord> back;
    ASSERT_FALSE(csv::parse(out, back));
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0].fields, std::vector<std::string>{"\xEF\xBB\xBFx"});
}

TEST_F(BulkEditTest, AnExportedTableImportsBackUnchanged)
{
    for (CRecordKind kind : {CRecordKind::Player, CRecordKind::Team, CRecordKind::League})
    {
        SCOPED_TRACE(recordKindName(kind));
        const std::string file = tableexchange::exportTable(m_db, kind, kEnc);
        EXPECT_EQ(file.substr(0, 3), "\xEF\xBB\xBF");
        const auto plan = tableexchange::planImport(m_db, file, kEnc);
        EXPECT_FALSE(plan.refused()) << (plan.problems.empty() ? "" : tableexchange::describeProblem(plan.problems[0]));
        EXPECT_EQ(plan.table, kind);
        EXPECT_TRUE(plan.changes.empty());
    }
    // The same files read back after the editor set its marks (an import, an edit) or
    // cleared them (a save): the marks are the editor's, the rows unchanged.
    for (const uint8_t mark : {1, 0})
    {
        const std::string players = tableexchange::exportTable(m_db, CRecordKind::Player, kEnc);
        const std::string teams = tableexchange::exportTable(m_db, CRecordKind::Team, kEnc);
        CDatabaseBuilder b(m_db);
        b.forEachPlayer([&](CPlayer& p) { p.modified = mark; });
        b.forEachTeam([&](CTeam& t) { t.modified = mark; });
        for (const std::string* file : {&players, &teams})
        {
            const auto plan = tableexchange::planImport(m_db, *file, kEnc);
            EXPECT_FALSE(plan.refused()) << int(mark) << ": " << tableexchange::describeProblem(plan.problems[0]);
            EXPECT_TRUE(plan.changes.empty());
        }
    }
}

TEST_F(BulkEditTest, ASpreadsheetEditChangesExactlyTheEditedCells)
{
    std::vector<uint32_t> ids;
    m_db.forEachPlayer([&](const CPlayer& p) {
        if (ids.size() < 3) ids.push_back(p.id);
    });
    const CPlayer a = *m_db.player(ids[0]), c = *m_db.player(ids[2]);
    const int newSpeed = (a.speed + 1) % 16;
    // Skills as the Player page shows them, one more than stored.
    auto shown = [](int stored) { return std::to_string(stored + 1); };
    // Columns reordered, two rows of three, a name with a comma and accents in quotes,
    // one row left as it is.
    const std::string file = "speed,name,id,agility\r\n" + shown(newSpeed) + ",\"Müller, Jörg\"," +
                             std::to_string(a.id) + "," + shown(a.agility) + "\r\n" + shown(c.speed) + "," +
                             toUtf8(c.name, kEnc) + "," + std::to_string(c.id) + "," + shown(c.agility) + "\r\n";
    const auto plan = tableexchange::planImport(m_db, file, kEnc);
    ASSERT_FALSE(plan.refused()) << tableexchange::describeProblem(plan.problems[0]);
    ASSERT_EQ(plan.changes.size(), 2u);
    EXPECT_EQ(describeChange(plan.changes[0], kEnc),
              "player " + std::to_string(a.id) + " speed: " + shown(a.speed) + " -> " + shown(newSpeed));
    EXPECT_EQ(describeChange(plan.changes[1], kEnc),
              "player " + std::to_string(a.id) + " name: \"" + toUtf8(a.name, kEnc) + "\" -> \"Müller, Jörg\"");

    const std::string playersBefore = tableexchange::exportTable(m_db, CRecordKind::Player, kEnc);
    {
        CTransaction tx(m_db);
        applyFieldChanges(tx, plan.changes);
        tx.commit();
    }
    EXPECT_EQ(m_db.player(a.id)->name, "M\xFCller, J\xF6rg");
    EXPECT_EQ(m_db.player(a.id)->speed, newSpeed);
    EXPECT_TRUE(m_db.modified());
    // Putting the before values back gives the table it was, but for the modified marks.
    {
        CTransaction tx(m_db);
        applyFieldChanges(tx, reversedChanges(plan.changes));
        tx.player(a.id)->modified = 0;
        tx.commit();
    }
    EXPECT_EQ(tableexchange::exportTable(m_db, CRecordKind::Player, kEnc), playersBefore);
}

TEST_F(BulkEditTest, SkillsReadAndWriteAsThePlayerPageShowsThem)
{
    const CPlayer& p = firstPlayer();
    const std::string id = std::to_string(p.id);
    // The exported row: every skill one more than stored, every other number as stored.
    std::vector<csv::CRecord> rows;
    ASSERT_FALSE(csv::parse(tableexchange::exportTable(m_db, CRecordKind::Player, kEnc), rows));
    auto cell = [&](const char* name) {
        const int f = recordfields::fieldIndex(CRecordKind::Player, name);
        return rows.at(1).fields.at(std::size_t(f));
    };
    ASSERT_EQ(cell("id"), id);
    const char* const skills[] = {"acceleration", "agility",   "awareness", "ballControl",  "creativity",
                                  "fitness",      "heading",   "passing",   "reaction",     "shotPower",
                                  "shotAccuracy", "speed",     "tackle"};
    for (int s = 0; s < CPlayer::kSkillCount; ++s)
        EXPECT_EQ(cell(skills[s]), std::to_string(p.skill(s) + 1)) << skills[s];
    EXPECT_EQ(cell("jerseyNumber"), std::to_string(p.jerseyNumber));
    EXPECT_EQ(cell("position"), std::to_string(p.position));

    struct CCase
    {
        const char* column;
        std::string value;
        int stored;          // what the record holds after; -1: refused
        std::string reason;  // accepted: the value as the preview shows it; refused: a part of why
    };
    const std::string number = std::to_string((p.jerseyNumber + 1) % 64);
    const CCase cases[] = {
        {"speed", "16", 15, "16"},
        {"speed", "1", 0, "1"},
        {"tackle", " 9 ", 8, "9"},
        {"jerseyNumber", number, (p.jerseyNumber + 1) % 64, number},
        {"speed", "0", -1, "0 is outside 1..16"},
        {"acceleration", "17", -1, "17 is outside 1..16"},
        {"speed", "-1", -1, "-1 is outside 1..16"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.column) + " " + c.value);
        const auto plan = tableexchange::planImport(m_db, std::string("id,name,") + c.column + "\r\n" + id + ",x," + c.value + "\r\n", kEnc);
        if (c.stored < 0)
        {
            ASSERT_TRUE(plan.refused());
            EXPECT_EQ(plan.problems[0].line, 2u);
            EXPECT_EQ(plan.problems[0].column, 3u);
            EXPECT_EQ(plan.problems[0].columnName, c.column);
            EXPECT_NE(plan.problems[0].reason.find(c.reason), std::string::npos) << plan.problems[0].reason;
            continue;
        }
        ASSERT_FALSE(plan.refused()) << tableexchange::describeProblem(plan.problems[0]);
        const int field = recordfields::fieldIndex(CRecordKind::Player, c.column);
        const auto change = std::find_if(plan.changes.begin(), plan.changes.end(),
                                         [&](const CFieldChange& ch) { return ch.field == field; });
        const int64_t before = fieldValue(m_db, CRecordKind::Player, p.id, field).number;
        if (before == c.stored)
        {
            EXPECT_EQ(change, plan.changes.end());
            continue;
        }
        ASSERT_NE(change, plan.changes.end());
        EXPECT_EQ(change->after.number, c.stored);
        // The preview and the Changes list read the value as it was typed.
        EXPECT_EQ(displayValue(CRecordKind::Player, field, change->after, kEnc), c.reason);
    }

    // A speed change, stored 6 to 9, reads 7 -> 10 wherever people read it.
    const CFieldChange speed{CRecordKind::Player, p.id, recordfields::fieldIndex(CRecordKind::Player, "speed"),
                             CFieldValue{6, {}, {}}, CFieldValue{9, {}, {}}};
    EXPECT_EQ(describeChange(speed, kEnc), "player " + id + " speed: 7 -> 10");
    EXPECT_EQ(describeChange(reversedChanges(std::span(&speed, 1))[0], kEnc), "player " + id + " speed: 10 -> 7");
    EXPECT_EQ(cellValue(CRecordKind::Player, speed.field, speed.after, kEnc), "10");
}

TEST_F(BulkEditTest, EachKindOfBadCellIsRefusedWithItsLineAndColumn)
{
    const CPlayer& p = firstPlayer();
    const std::string id = std::to_string(p.id);
    const CTeam* team = nullptr;
    m_db.forEachTeam([&](const CTeam& t) { team = team ? team : &t; });
    const std::string tid = std::to_string(team->id);
    struct CCase
    {
        std::string file;
        std::size_t line, column;
        std::string reason;  // a part of it
    };
    const CCase cases[] = {
        {"id,speed\n" + id + ",17\n", 2, 2, "17 is outside 1..16"},
        {"id,name,tackle\n" + id + ",x,0\n", 2, 3, "0 is outside 1..16"},
        {"id,jerseyNumber\n" + id + ",64\n", 2, 2, "64 is outside 0..63"},
        {"id,speed\n" + id + ",fast\n", 2, 2, "not a whole number"},
        {"id,name\n" + id + ",\"ひらがな\"\n", 2, 2, "cannot store"},
        {"id,name\n" + id + ",Sixteen letters!\n", 2, 2, "at most 15"},
        {"id,fileIndex,speed\n" + id + ",99999,1\n", 2, 2, "follows from other data"},
        {"id,name,modified\n" + id + ",x,7\n", 2, 3, "bookkeeping"},
        {"id,speed\n99999,3\n", 2, 1, "does not add"},
        {"id,speed\n" + id + ",3\n" + id + ",4\n", 3, 1, "line 2 already"},
        {"id,speed\n" + id + ",3,4\n", 2, 0, "has 3 fields"},
        {"id,pace\n" + id + ",3\n", 1, 2, "not a field"},
        {"speed\n3\n", 1, 0, "no id column"},
        {"id,longName,players\n" + tid + ",x,16383 1\n", 2, 3, "does not exist"},
        {"id,players\n" + tid + ",1 1\n", 2, 2, "twice"},
        {"id,speed\n" + id + ",\"3\n", 2, 2, "never closed"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.file);
        const auto plan = tableexchange::planImport(m_db, c.file, kEnc);
        ASSERT_TRUE(plan.refused());
        EXPECT_TRUE(plan.changes.empty());
        EXPECT_EQ(plan.problems[0].line, c.line);
        EXPECT_EQ(plan.problems[0].column, c.column);
        EXPECT_NE(plan.problems[0].reason.find(c.reason), std::string::npos) << plan.problems[0].reason;
    }
    // A file with many faults names the first 20 and counts the rest.
    std::string many = "id,speed\n";
    m_db.forEachPlayer([&](const CPlayer& q) { many += std::to_string(q.id) + ",99\n"; });
    const auto plan = tableexchange::planImport(m_db, many, kEnc);
    EXPECT_EQ(plan.problems.size(), tableexchange::kMaxProblems);
    EXPECT_EQ(plan.problemCount, m_db.playerCount());
}

// The records a check case breaks, found afresh in each database.
struct CVictims
{
    // Fixtures break the database by hand, past the gate, as a damaged file would.
    explicit CVictims(CDatabase& db) : league(*CDatabaseBuilder(db).leagues().front())
    {
        CDatabaseBuilder b(db);
        b.forEachTeam([&](CTeam& t) {
            if (!club && t.bankroll != 0 && t.nonEmptySlots() >= 13) club = &t;
        });
        first = b.player(club->players[0]);
        second = b.player(club->players[1]);
    }
    CLeague& league;
    CTeam* club = nullptr;
    CPlayer* first = nullptr;
    CPlayer* second = nullptr;
};

TEST_F(BulkEditTest, TheCheckFindsEachProblemOnADatabaseBuiltToHaveIt)
{
    const auto onSample = checkDatabase(m_db, kEnc);
    EXPECT_TRUE(onSample.empty()) << onSample.size() << " problems, the first: " << onSample[0].message;

    struct CCase
    {
        const char* code;
        bool error;
        std::function<void(CDatabase&, CVictims&)> breakIt;
    };
    const CCase cases[] = {
        {checkcodes::kLeagueOddSlots, true, [](CDatabase&, CVictims& v) { v.league.teamIds.push_back(0), ++v.league.slotCount; }},
        {checkcodes::kLeagueTooLarge, true, [](CDatabase&, CVictims& v) { v.league.teamIds.resize(64), v.league.slotCount = 64; }},
        {checkcodes::kLeagueTeamTwice, false, [](CDatabase&, CVictims& v) { v.league.teamIds[1] = v.league.teamIds[0]; }},
        {checkcodes::kLeagueMissingTeam, false, [](CDatabase&, CVictims& v) { v.league.teamIds[0] = 2000; }},
        {checkcodes::kTeamTooFew, false, [](CDatabase&, CVictims& v) { std::fill(v.club->players.begin() + 10, v.club->players.end(), 0u); }},
        {checkcodes::kTeamTooMany, true, [](CDatabase& db, CVictims& v) {
             std::size_t n = 0;
             db.forEachPlayer([&](const CPlayer& p) {
                 if (n < CTeam::kSlots && std::find(v.club->players.begin(), v.club->players.end(), p.id) == v.club->players.end())
                     v.club->incomingPlayers[n++] = p.id;
             });
         }},
        {checkcodes::kTeamPlayerTwice, false, [](CDatabase&, CVictims& v) { v.club->players[2] = v.club->players[0]; }},
        {checkcodes::kTeamMissingPlayer, false, [](CDatabase&, CVictims& v) { v.club->players[2] = 16000; }},
        {checkcodes::kTeamSameNumber, false, [](CDatabase&, CVictims& v) { v.second->jerseyNumber = v.first->jerseyNumber = 9; }},
        {checkcodes::kPlayerUnlisted, false, [](CDatabase&, CVictims& v) { v.club->players[12] = 0; }},
        // Moved onto an imported team, which the files never hold: no game team lists him after the save.
        {checkcodes::kPlayerUnlisted, false, [](CDatabase& db, CVictims& v) {
             auto team = std::make_unique<CTeam>();
             team->id = CDatabase::kFirstImportGeneration + 1;
             team->imported = 1;
             team->incomingPlayers[0] = v.first->id;
             v.first->destinationTeamId = team->id;
             CDatabaseBuilder b(db);
             b.reserveTeams(team->id);
             b.addTeam(std::move(team));
         }},
        // Copied onto a second club: both list him after the save.
        {checkcodes::kPlayerTwoClubs, false, [](CDatabase& db, CVictims& v) {
             CTeam* other = nullptr;
             CDatabaseBuilder(db).forEachTeam([&](CTeam& t) { other = !other && t.bankroll != 0 && &t != v.club ? &t : other; });
             other->addIncoming(v.first->id);
             v.first->destinationTeamId = other->id;
             v.first->copyMark = CPlayer::kCopyMark;
         }},
        {checkcodes::kNameEmpty, false, [](CDatabase&, CVictims& v) { v.first->name.clear(); }},
        {checkcodes::kValueUnused, false, [](CDatabase&, CVictims& v) { v.first->position = 20; }},
        {checkcodes::kTableTooLarge, true, [](CDatabase&, CVictims& v) { v.league.teamIds.resize(62), v.league.slotCount = 32000; }},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.code);
        CDatabase db;
        ASSERT_FALSE(CGameFiles(sample()).loadAll(db));
        CVictims victims(db);
        ASSERT_TRUE(victims.club);
        c.breakIt(db, victims);
        const auto problems = checkDatabase(db, kEnc);
        const auto found = std::find_if(problems.begin(), problems.end(), [&](const CCheckProblem& p) { return p.code == c.code; });
        ASSERT_NE(found, problems.end());
        EXPECT_EQ(found->error, c.error);
    }
}

TEST_F(BulkEditTest, DiffListsExactlyWhatAnImportChanged)
{
#ifdef OBRIX_CLI_PATH
    const std::string cli = OBRIX_CLI_PATH;
    TempFolder work;
    const auto changed = work.path() / "changed";
    std::filesystem::copy(sample(), changed, std::filesystem::copy_options::recursive);
    int status = 0;
    std::string out = runCommand(cli + " diff " + quoted(sample()) + " " + quoted(changed), status);
    EXPECT_EQ(status, 0) << out;
    EXPECT_EQ(out, "");

    const CPlayer& p = firstPlayer();
    const CTeam* team = nullptr;
    m_db.forEachTeam([&](const CTeam& t) { team = team ? team : &t; });
    const auto csvFile = work.path() / "edit.csv";
    // The spreadsheet and diff's text show skills 1..16; diff's JSON keeps the stored 0..15.
    const int newTackle = (p.tackle + 1) % 16;
    std::ofstream(csvFile, std::ios::binary) << "id,tackle,name\r\n" << p.id << "," << newTackle + 1 << ",Zoë\r\n";
    std::ofstream(work.path() / "teams.csv", std::ios::binary) << "longName,id\r\n\"Club, Ünited\"," << team->id << "\r\n";

    const std::string dry = runCommand(cli + " import-table " + quoted(changed) + " " + quoted(csvFile) + " --dry-run", status);
    EXPECT_EQ(status, 0) << dry;
    EXPECT_NE(dry.find("nothing written (dry run)"), std::string::npos) << dry;
    EXPECT_EQ(runCommand(cli + " diff " + quoted(sample()) + " " + quoted(changed), status), "");

    // The game's files are backed up before the first import saves, as every save does;
    // without a backup the import saves nothing, unless --no-backup says to go on.
    const auto data = work.path() / "data";
    std::ofstream(work.path() / "not-a-folder") << "x";
    out = runCommand(cli + " import-table " + quoted(changed) + " " + quoted(csvFile) + " --data-folder "
                         + quoted(work.path() / "not-a-folder"),
                     status);
    EXPECT_EQ(status, 1) << out;
    EXPECT_NE(out.find("could not be backed up"), std::string::npos) << out;
    EXPECT_NE(out.find(": cannot create the folder: Not a directory"), std::string::npos) << out;
    EXPECT_NE(out.find("nothing was changed"), std::string::npos) << out;
    EXPECT_EQ(runCommand(cli + " diff " + quoted(sample()) + " " + quoted(changed), status), "");
    for (const auto& file : {csvFile, work.path() / "teams.csv"})
    {
        out = runCommand(cli + " import-table " + quoted(changed) + " " + quoted(file) + " --data-folder " + quoted(data),
                         status);
        EXPECT_EQ(status, 0) << out;
    }
    out = runCommand(cli + " diff " + quoted(sample()) + " " + quoted(changed), status);
    EXPECT_EQ(status, 1);
    const std::string pid = std::to_string(p.id);
    const std::string imported = "team " + std::to_string(team->id) + " longName: \"" + toUtf8(team->longName, kEnc) +
                       "\" -> \"Club, Ünited\"\nplayer " + pid + " tackle: " + std::to_string(p.tackle + 1) + " -> " +
                       std::to_string(newTackle + 1) + "\nplayer " + pid + " name: \"" + toUtf8(p.name, kEnc) +
                       "\" -> \"Zoë\"\n";
    EXPECT_EQ(out, imported);
    // The backup holds the files from before the first import, not from between the two.
    EXPECT_EQ(runCommand(cli + " diff " + quoted(changed) + " --backup --data-folder " + quoted(data), status), imported);
    out = runCommand(cli + " diff " + quoted(sample()) + " " + quoted(changed) + " --json", status);
    EXPECT_NE(out.find("{\"kind\":\"player\",\"id\":" + pid + ",\"field\":\"tackle\",\"old\":" + std::to_string(p.tackle)
                       + ",\"new\":" + std::to_string(newTackle) + "}"),
              std::string::npos)
        << out;

    // A refused file changes nothing and says where.
    std::ofstream(csvFile, std::ios::binary) << "id,tackle\r\n" << p.id << ",40\r\n";
    out = runCommand(cli + " import-table " + quoted(changed) + " " + quoted(csvFile) + " --data-folder " + quoted(data),
                     status);
    EXPECT_EQ(status, 1);
    EXPECT_NE(out.find("line 2, column 2 (tackle)"), std::string::npos) << out;
    // So does one that only the check finds: a league left with an odd number of teams.
    const CLeague& league = *m_db.leagues().front();
    std::string ids;
    for (std::size_t i = 0; i + 1 < league.slotCount; ++i) ids += (i ? " " : "") + std::to_string(league.teamIds[i]);
    std::ofstream(csvFile, std::ios::binary) << "id,teamIds\r\n" << league.id << "," << ids << "\r\n";
    out = runCommand(cli + " import-table " + quoted(changed) + " " + quoted(csvFile) + " --data-folder " + quoted(data),
                     status);
    EXPECT_EQ(status, 1);
    EXPECT_NE(out.find("line 2, column 2 (teamIds): error league-odd-slots"), std::string::npos) << out;
    out = runCommand(cli + " check " + quoted(changed) + " --json", status);
    EXPECT_EQ(status, 0) << out;
    EXPECT_EQ(out, "{\"problems\":[]}\n");
    runCommand(cli + " diff " + quoted(changed), status);
    EXPECT_EQ(status, 2);
#endif
}
} // namespace
