// Arbitrary bytes as a spreadsheet file: the reader must take any text without a crash,
// the records it reads must come back the same through the writer, and an import that
// is accepted must leave nothing to do when the same file is imported again.

#include "database/Change.h"
#include "database/Database.h"
#include "editing/TableExchange.h"
#include "util/Csv.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

namespace
{
// Two players, two teams and a league, small enough to copy for every input.
void buildDatabase(CDatabase& db)
{
    for (uint32_t id : {1u, 7u, 16383u})
    {
        auto p = std::make_unique<CPlayer>();
        p->id = id;
        p->name = id == 7 ? "J\xF6rg, Jr." : "Player";
        p->speed = uint8_t(id % 16);
        CDatabaseBuilder(db).addPlayer(std::move(p));
    }
    for (uint32_t id : {3u, 2047u})
    {
        auto t = std::make_unique<CTeam>();
        t->id = id;
        t->bankroll = id == 3 ? 500 : 0;
        t->longName = "Team";
        t->players = {1, 7};
        t->loadedPlayers = t->players;
        CDatabaseBuilder(db).addTeam(std::move(t));
    }
    auto l = std::make_unique<CLeague>();
    l->id = 12;
    l->teamIds = {3, 2047};
    l->slotCount = 2;
    l->displayName = "League";
    CDatabaseBuilder(db).addLeague(std::move(l));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    std::vector<csv::CRecord> records;
    if (!csv::parse(text, records))
    {
        std::string written;
        for (const auto& r : records)
        {
            if (r.fields.empty()) std::abort();
            csv::appendRecord(written, r.fields);
        }
        std::vector<csv::CRecord> again;
        if (csv::parse(written, again) || again.size() != records.size()) std::abort();
        for (std::size_t i = 0; i < records.size(); ++i)
            if (again[i].fields != records[i].fields) std::abort();
    }

    for (CTextEncoding enc : {CTextEncoding::Windows1252, CTextEncoding::ShiftJis})
    {
        CDatabase db;
        buildDatabase(db);
        const auto plan = tableexchange::planImport(db, text, enc);
        if (plan.refused())
        {
            if (plan.problems.empty() || !plan.changes.empty() || plan.problems.size() > tableexchange::kMaxProblems)
                std::abort();
            continue;
        }
        {
            CTransaction tx(db);
            applyFieldChanges(tx, plan.changes);
            tx.commit();
        }
        const auto second = tableexchange::planImport(db, text, enc);
        if (second.refused() || !second.changes.empty()) std::abort();
    }
    return 0;
}
