#include "TestGate.h"

#include "database/Change.h"
#include "database/Database.h"
#include "editing/StepNames.h"
#include "util/TextCodec.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace
{
struct StepWorld
{
    CDatabase db;

    StepWorld()
    {
        auto p = std::make_unique<CPlayer>();
        p->id = 5;
        p->name = "Frank van den B";
        p->speed = 6;  // shown as 7
        build(db).addPlayer(std::move(p));
        auto q = std::make_unique<CPlayer>();
        q->id = 6;
        q->name = "Jan Brouwer";
        build(db).addPlayer(std::move(q));
        auto t = std::make_unique<CTeam>();
        t->id = 2;
        t->longName = "M\xFCnster";  // Windows-1252 u-umlaut
        t->bankroll = 61544;
        build(db).addTeam(std::move(t));
    }
    CChange change(const std::function<void(CTransaction&)>& rule)
    {
        CTransaction tx(db);
        rule(tx);
        return tx.commit();
    }
};
}  // namespace

// One field of one record names the step; anything more keeps the caller's name.
TEST(StepNames, OneFieldOfOneRecordIsNamedByFieldRecordAndShownValues)
{
    struct Case
    {
        const char* what;
        std::function<void(CTransaction&)> rule;
        std::string name;
    };
    const CTextEncoding latin = encodingForLanguage("ENG");
    const Case cases[] = {
        {"skill, shown 1..16", [](CTransaction& tx) { tx.player(5)->speed = 8; }, "Speed of Frank van den B 7 -> 9"},
        {"skill at the top", [](CTransaction& tx) { tx.player(5)->speed = 15; }, "Speed of Frank van den B 7 -> 16"},
        {"two words", [](CTransaction& tx) { tx.player(6)->ballControl = 1; }, "Ball control of Jan Brouwer 1 -> 2"},
        {"number as stored", [](CTransaction& tx) { tx.player(6)->jerseyNumber = 9; }, "Number of Jan Brouwer 0 -> 9"},
        {"the mark alone does not count",
         [](CTransaction& tx) {
             tx.player(6)->hairStyle = 3;
             tx.player(6)->modified = 1;
             tx.setModified();
         },
         "Hair of Jan Brouwer 0 -> 3"},
        {"rename", [](CTransaction& tx) { tx.player(6)->name = "Jan Bruin"; }, "Name \"Jan Brouwer\" -> \"Jan Bruin\""},
        {"team, in the game's encoding", [](CTransaction& tx) { tx.team(2)->bankroll = 70000; },
         "Bankroll of M\xC3\xBCnster 61544 -> 70000"},
        {"team rename", [](CTransaction& tx) { tx.team(2)->longName = "Ems"; },
         "Name \"M\xC3\xBCnster\" -> \"Ems\""},
        {"kit colour", [](CTransaction& tx) { tx.team(2)->awayJerseyColour2 = 4; },
         "Away jersey colour 2 of M\xC3\xBCnster 0 -> 4"},
        {"two fields", [](CTransaction& tx) { tx.player(5)->speed = 1, tx.player(5)->agility = 1; }, ""},
        {"two records", [](CTransaction& tx) { tx.player(5)->speed = 1, tx.player(6)->speed = 1; }, ""},
        {"a player and a team", [](CTransaction& tx) { tx.player(5)->speed = 1, tx.team(2)->bankroll = 1; }, ""},
    };
    for (const Case& c : cases)
    {
        StepWorld w;
        EXPECT_EQ(fieldStepName(w.change(c.rule), latin), c.name) << c.what;
    }
}

// Merged edits of one field read from the first old value to the last new one.
TEST(StepNames, AMergedStepKeepsTheFirstOldValue)
{
    StepWorld w;
    CChange first = w.change([](CTransaction& tx) { tx.player(5)->speed = 7; });
    first.absorb(w.change([](CTransaction& tx) { tx.player(5)->speed = 8; }));
    EXPECT_EQ(fieldStepName(first, encodingForLanguage("ENG")), "Speed of Frank van den B 7 -> 9");
}

TEST(StepNames, FieldLabelsReadAsWords)
{
    const std::pair<const char*, const char*> cases[] = {
        {"speed", "Speed"},         {"ballControl", "Ball control"}, {"homeJerseyColour1", "Home jersey colour 1"},
        {"longName", "Name"},       {"shotAccuracy", "Shot acc."},   {"facialHair", "Facial hair"},
    };
    for (const auto& [field, label] : cases) EXPECT_EQ(fieldLabel(field), label) << field;
}
