#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class CDatabase;
enum class CTextEncoding;

// The statistics page's rules: which players chosen teams contribute, the filters, the
// grid's cells and the text reports.

enum class CStatsKind
{
    PlayerStats = 0,
    Characteristics = 1,
};

enum class CReportFormat
{
    Plain = 0,
    Delimited = 1,
};

// One contributed player, copied out of the database on the user-interface thread so
// that a fill can run on a worker without touching the database.
struct CStatsRow
{
    uint32_t playerId = 0;
    uint32_t teamId = 0;        // the chosen team that contributed the player
    std::string label;          // player label (name, " *", " +")
    std::string name;           // shown name (at most 15 bytes)
    std::string teamName;       // the Player Stats team-name rule
    int jerseyNumber = 0;
    int position = 0;
    std::array<int, 13> skills{};  // stored values 0..15, in the report's column order:
                                   // ACL AGL AWR BCT CRE FIT HEA PAS RCT SPW SAC SPD TAC
    int rating = 0;
    int skillAverage = 0;
    int value = 0;
    bool international = false;
    int hairColour = 0;
    int hairStyle = 0;
    int facialHair = 0;
    int skinColour = 0;
};

// The players the teams contribute, in list order: each team's players slots (skipping
// empty slots, players moved away and players already taken), then its incoming players
// (skipping empty slots and players already taken). A player is taken once per call.
// perTeam, when given, is called with each team's id before its players are taken.
std::vector<CStatsRow> contributedRows(const CDatabase& db, const std::vector<uint32_t>& teamIds,
                                       const std::function<void(uint32_t teamId)>& perTeam = {});

struct CNumberFilter
{
    int op = -1;     // -1 none, 0 EQ, 1 GT, 2 LT
    int number = 0;  // 0 switches the filter off

    bool active() const { return op >= 0 && op <= 2 && number != 0; }
};

struct CStatsFilters
{
    // Skill filters in the dialog's order.
    enum CSkillFilter
    {
        Acceleration, Agility, Awareness, BallControl, Creativity, Fitness, Heading,
        Passing, Reaction, ShotAcc, ShotPower, Speed, Tackle, SkillFilterCount
    };

    std::string name;        // active when not empty
    int position = -1;       // index into positionFilterChoices(), -1 none
    int international = -1;  // -1 none, 0 No, 1 Yes
    CNumberFilter value;
    std::array<CNumberFilter, SkillFilterCount> skills{};
    CNumberFilter rating;

    // Every choice and operator to none, every number to 0; the name stays.
    void reset();
};

// "GK", "SW", "LB", "CB", "RB", "LM", "CM", "RM", "LF", "CF", "RF", "Defender",
// "Midfielder", "Forward".
const std::vector<std::string>& positionFilterChoices();
bool positionMatches(int choice, int positionCode);

// The name filter ignores case as Find does, in the names' own encoding (accented
// letters of Windows-1252 too); row.label and filters.name are both in that encoding.
bool passesFilters(const CStatsRow& row, const CStatsFilters& filters, CTextEncoding encoding);
std::string filterSummary(const CStatsFilters& filters);

// Grid: column titles (21 or 8) and the cells of one row, as the page shows them.
std::vector<std::string> gridColumnTitles(CStatsKind kind);
std::vector<std::string> gridCells(const CStatsRow& row, CStatsKind kind);

// The rows that pass the filters, each with its cells; the computation a fill runs off
// the user-interface thread.
std::vector<std::vector<std::string>> gridRows(const std::vector<CStatsRow>& rows, CStatsKind kind,
                                               const CStatsFilters& filters, CTextEncoding encoding);

// A whole report (header line, blank line where the format has one, one line per row),
// ignoring the filters. Lines end in "\n"; the file writer may turn them into the
// platform's text line ends.
std::string reportHeader(CStatsKind kind, CReportFormat format);
std::string reportLine(const CStatsRow& row, CStatsKind kind, CReportFormat format);
std::string writeReport(const std::vector<CStatsRow>& rows, CStatsKind kind, CReportFormat format);

// Writes the report as a text file with the platform's own line ends, put in place of the
// file as a whole (see replaceFile). False when it cannot be written (error, when given,
// says why).
bool writeReportFile(const std::filesystem::path& path, const std::string& text, std::string* error = nullptr);

// One of the page's status texts ("...: %s...") with the team's label in it.
std::string statusText(const char* format, const std::string& teamLabel);

// Value texts.
const char* reportPositionText(int code);
const char* gridPositionText(int code);
const char* hairColourText(int code);
const char* hairStyleText(int code);
const char* facialHairText(int code);
const char* skinColourText(int code);
