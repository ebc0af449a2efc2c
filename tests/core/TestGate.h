#pragma once

#include "database/Change.h"
#include "database/Database.h"

// A rule run on a test database as one committed change: movePlayer(gate(db), ...).
struct CGateForTest
{
    CTransaction tx;
    explicit CGateForTest(CDatabase& db) : tx(db) {}
    ~CGateForTest() { tx.commit(); }
    operator CTransaction&() { return tx; }
};
inline CGateForTest gate(CDatabase& db)
{
    return CGateForTest(db);
}
// Fixtures set up records directly, as a loader would.
inline CDatabaseBuilder build(CDatabase& db)
{
    return CDatabaseBuilder(db);
}
