#pragma once

// The three kinds of record of the game database.
enum class CRecordKind
{
    League,
    Team,
    Player,
};

// "league", "team", "player"
const char* recordKindName(CRecordKind kind);
