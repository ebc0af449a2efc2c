#include "exchange/StatsReport.h"

#include "database/Database.h"
#include "editing/TextOrder.h"
#include "util/FileCommit.h"
#include "util/TextCodec.h"
#include "util/Translatable.h"

#include <cstdarg>
#include <cstdio>

namespace
{
#if defined(__GNUC__)
__attribute__((format(printf, 2, 3)))
#endif
void appendFormat(std::string& out, const char* format, ...)
{
    char buffer[256];
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (n < 0)
    {
        va_end(again);
        return;
    }
    if (std::size_t(n) < sizeof buffer)
        out.append(buffer, std::size_t(n));
    else
    {
        // Long team names are printed whole, so a row can outgrow the buffer.
        const std::size_t at = out.size();
        out.resize(at + std::size_t(n) + 1);
        std::vsnprintf(out.data() + at, std::size_t(n) + 1, format, again);
        out.resize(at + std::size_t(n));
    }
    va_end(again);
}

const char* textAt(const char* const* texts, std::size_t count, int code)
{
    return code >= 0 && std::size_t(code) < count ? texts[code] : "";
}

const char* const kReportPositions[] = {"GK", "SW", "RB", "RCB", "CB", "LCB", "LB",  "RM", "RCM",
                                        "CM", "LCM", "LM", "RF", "RCF", "CF", "LCF", "LF"};
const char* const kGridPositions[] = {"GK",    "B-SW",  "B-RB", "B-RCB", "B-CB", "B-LCB",
                                      "B-LB",  "M_RM",  "M_RCM", "M_CM", "M_LCM", "M_LM",
                                      "F_RF",  "F_RCF", "F_CF",  "F_LCF", "F_LF"};
const char* const kHairColours[] = {"Blond", "Brown", "Red", "Black"};
const char* const kHairStyles[] = {"Afro",  "Short", "Short", "Short", "Short", "Long",
                                   "Short", "Short", "Short", "Short", "Bald"};
const char* const kSkinColours[] = {"White", "Tanned", "Brown", "Black"};

// The filter dialog lists Shot Acc before Shot Power; the rows keep the record's order,
// where shotPower comes first.
constexpr int kSkillOfFilter[CStatsFilters::SkillFilterCount] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 9, 11, 12};
const char* const kFilterAbbreviations[CStatsFilters::SkillFilterCount] = {
    "Acl", "Agl", "Awr", "Bct", "Cre", "Fit", "Hea", "Pas", "Rct", "Sac", "Spw", "Spd", "Tac"};
const char* const kOperatorSigns[] = {"=", ">", "<"};

bool holds(const CNumberFilter& f, int v)
{
    if (!f.active()) return true;
    switch (f.op)
    {
    case 0: return v == f.number;
    case 1: return v > f.number;
    default: return v < f.number;
    }
}

// A delimited field that would otherwise split or break the line is quoted, with its
// quotes doubled, so that a spreadsheet reads the names back as they are.
std::string delimitedField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string out = "\"";
    for (char c : text)
    {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

const char* yesNo(bool yes)
{
    return yes ? "Yes" : "No";
}
}  // namespace

const char* reportPositionText(int code)
{
    return textAt(kReportPositions, std::size(kReportPositions), code);
}

const char* gridPositionText(int code)
{
    return textAt(kGridPositions, std::size(kGridPositions), code);
}

const char* hairColourText(int code)
{
    return textAt(kHairColours, std::size(kHairColours), code);
}

const char* hairStyleText(int code)
{
    return textAt(kHairStyles, std::size(kHairStyles), code);
}

const char* facialHairText(int code)
{
    if (code >= 0 && code <= 5) return "Yes";
    return code == 6 ? "No" : "";
}

const char* skinColourText(int code)
{
    return textAt(kSkinColours, std::size(kSkinColours), code);
}

std::vector<CStatsRow> contributedRows(const CDatabase& db, const std::vector<uint32_t>& teamIds,
                                       const std::function<void(uint32_t teamId)>& perTeam)
{
    // The International test looks for the first team, in id order, of the player's
    // country; finding those once keeps a fill of the whole database linear.
    std::vector<const CTeam*> firstOfCountry(0x10000, nullptr);
    db.forEachTeam([&](const CTeam& t) {
        if (!firstOfCountry[t.countryId]) firstOfCountry[t.countryId] = &t;
    });
    auto international = [&](const CPlayer& p) {
        const CTeam* t = firstOfCountry[p.countryId];
        if (!t) return false;
        for (uint32_t id : t->players)
            if (id == p.id && p.destinationTeamId == 0) return true;
        for (uint32_t id : t->incomingPlayers)
            if (id == p.id) return true;
        return false;
    };

    // The marks belong to this run alone, so a report and a fill never disturb each other.
    std::vector<bool> taken(db.playerTableSize(), false);
    std::vector<CStatsRow> rows;

    auto take = [&](const CPlayer& p, uint32_t teamId) {
        taken[p.id] = true;
        CStatsRow r;
        r.playerId = p.id;
        r.teamId = teamId;
        r.label = db.playerLabel(p.id);
        r.name = p.name.substr(0, CPlayer::kShownNameLength);
        if (p.destinationTeamId != 0)
            r.teamName = db.teamName(p.destinationTeamId);
        else if (p.teamId != CPlayer::kNoTeam)
            r.teamName = db.teamName(p.teamId);
        else
            r.teamName = db.teamName(teamId);  // no club: the national side that lists him
        r.jerseyNumber = p.jerseyNumber;
        r.position = p.position;
        for (int i = 0; i < CPlayer::kSkillCount; ++i) r.skills[std::size_t(i)] = p.skill(i);
        r.rating = p.skillRating();
        r.skillAverage = p.skillAverage();
        r.value = int(p.value & 0xFFFF);
        r.international = international(p);
        r.hairColour = p.hairColour;
        r.hairStyle = p.hairStyle;
        r.facialHair = p.facialHair;
        r.skinColour = p.skinColour;
        rows.push_back(std::move(r));
    };

    for (uint32_t teamId : teamIds)
    {
        if (perTeam) perTeam(teamId);
        const CTeam* team = db.team(teamId);
        if (!team) continue;
        for (uint32_t id : team->players)
        {
            const CPlayer* p = db.player(id);
            if (!p || taken[id]) continue;
            if (p->destinationTeamId != 0 && p->copyMark != CPlayer::kCopyMark) continue;
            take(*p, teamId);
        }
        for (uint32_t id : team->incomingPlayers)
        {
            const CPlayer* p = db.player(id);
            if (!p || taken[id]) continue;
            take(*p, teamId);
        }
    }
    return rows;
}

void CStatsFilters::reset()
{
    position = -1;
    international = -1;
    value = {};
    skills.fill({});
    rating = {};
}

const std::vector<std::string>& positionFilterChoices()
{
    // Looked up under "statstexts" where the window lists them.
    static const std::vector<std::string> choices = {
        //: A position's abbreviation, kept as the roster and the Player page show it (there in English).
        QT_TRANSLATE_NOOP("statstexts", "GK"),
        QT_TRANSLATE_NOOP("statstexts", "SW"),
        QT_TRANSLATE_NOOP("statstexts", "LB"),
        QT_TRANSLATE_NOOP("statstexts", "CB"),
        QT_TRANSLATE_NOOP("statstexts", "RB"),
        QT_TRANSLATE_NOOP("statstexts", "LM"),
        QT_TRANSLATE_NOOP("statstexts", "CM"),
        QT_TRANSLATE_NOOP("statstexts", "RM"),
        QT_TRANSLATE_NOOP("statstexts", "LF"),
        QT_TRANSLATE_NOOP("statstexts", "CF"),
        QT_TRANSLATE_NOOP("statstexts", "RF"),
        QT_TRANSLATE_NOOP("statstexts", "Defender"),
        QT_TRANSLATE_NOOP("statstexts", "Midfielder"),
        QT_TRANSLATE_NOOP("statstexts", "Forward"),
    };
    return choices;
}

bool positionMatches(int choice, int positionCode)
{
    // The single positions are the central and wide places of each line; the three line
    // choices take every code of their line, inside places included.
    static constexpr int kCodeOfChoice[] = {0, 1, 6, 4, 2, 11, 9, 7, 16, 14, 12};
    if (choice >= 0 && choice < int(std::size(kCodeOfChoice))) return positionCode == kCodeOfChoice[choice];
    switch (choice)
    {
    case 11: return positionCode >= 1 && positionCode <= 6;
    case 12: return positionCode >= 7 && positionCode <= 11;
    case 13: return positionCode >= 12 && positionCode <= 16;
    default: return true;  // no choice made
    }
}

bool passesFilters(const CStatsRow& row, const CStatsFilters& filters, CTextEncoding encoding)
{
    if (!filters.name.empty() &&
        upperCase(row.label, encoding).find(upperCase(filters.name, encoding)) == std::string::npos)
        return false;
    if (!positionMatches(filters.position, row.position)) return false;
    if ((filters.international == 0 || filters.international == 1) && (filters.international == 1) != row.international)
        return false;
    if (!holds(filters.value, row.value)) return false;
    for (int i = 0; i < CStatsFilters::SkillFilterCount; ++i)
        if (!holds(filters.skills[std::size_t(i)], row.skills[std::size_t(kSkillOfFilter[i])] + 1)) return false;
    return holds(filters.rating, row.rating);
}

std::string filterSummary(const CStatsFilters& filters)
{
    std::string out;
    if (!filters.name.empty()) out += "Name:" + filters.name + " . ";
    const auto& choices = positionFilterChoices();
    if (filters.position >= 0 && std::size_t(filters.position) < choices.size())
        out += choices[std::size_t(filters.position)] + " . ";
    if (filters.international == 1) out += "Int:Yes . ";
    if (filters.international == 0) out += "Int:No . ";
    auto number = [&](const char* title, const CNumberFilter& f) {
        if (!f.active()) return;
        out += title;
        out += kOperatorSigns[f.op];
        out += std::to_string(f.number);
        out += " . ";
    };
    number("Value", filters.value);
    for (int i = 0; i < CStatsFilters::SkillFilterCount; ++i)
        number(kFilterAbbreviations[i], filters.skills[std::size_t(i)]);
    number("Rat", filters.rating);
    return out;
}

std::vector<std::string> gridColumnTitles(CStatsKind kind)
{
    // The window shows them looked up under "statstexts"; the report files keep them English.
    if (kind == CStatsKind::Characteristics)
        return {
            QT_TRANSLATE_NOOP("statstexts", "Name"),
            QT_TRANSLATE_NOOP("statstexts", "No."),
            QT_TRANSLATE_NOOP("statstexts", "Pos"),
            QT_TRANSLATE_NOOP("statstexts", "Hair Colour"),
            QT_TRANSLATE_NOOP("statstexts", "Hair Type"),
            QT_TRANSLATE_NOOP("statstexts", "Facial Hair"),
            QT_TRANSLATE_NOOP("statstexts", "Skin Colour"),
            //: The average of the player's skills.
            QT_TRANSLATE_NOOP("statstexts", "Skill Ave"),
        };
    return {
            QT_TRANSLATE_NOOP("statstexts", "Name"),
            QT_TRANSLATE_NOOP("statstexts", "No."),
            QT_TRANSLATE_NOOP("statstexts", "Pos"),
            "",
            QT_TRANSLATE_NOOP("statstexts", "Team"),
            QT_TRANSLATE_NOOP("statstexts", "Rating"),
            QT_TRANSLATE_NOOP("statstexts", "Acl"),
            QT_TRANSLATE_NOOP("statstexts", "Agl"),
            //: Awareness, in about three letters: vision of play.
            QT_TRANSLATE_NOOP("statstexts", "Awr"),
            QT_TRANSLATE_NOOP("statstexts", "Bct"),
            QT_TRANSLATE_NOOP("statstexts", "Cre"),
            QT_TRANSLATE_NOOP("statstexts", "Fit"),
            QT_TRANSLATE_NOOP("statstexts", "Hea"),
            QT_TRANSLATE_NOOP("statstexts", "Pas"),
            QT_TRANSLATE_NOOP("statstexts", "Rct"),
            QT_TRANSLATE_NOOP("statstexts", "Spw"),
            QT_TRANSLATE_NOOP("statstexts", "Sac"),
            QT_TRANSLATE_NOOP("statstexts", "Spd"),
            QT_TRANSLATE_NOOP("statstexts", "Tac"),
            QT_TRANSLATE_NOOP("statstexts", "Value"),
            QT_TRANSLATE_NOOP("statstexts", "International"),
    };
}

std::vector<std::string> gridCells(const CStatsRow& row, CStatsKind kind)
{
    // The grid shows the name as the report prints it; the tree's imported and modified
    // marks are no part of a player's name.
    std::vector<std::string> cells;
    if (kind == CStatsKind::Characteristics)
    {
        cells.reserve(8);
        cells.push_back(row.name);
        cells.push_back(std::to_string(row.jerseyNumber));
        cells.emplace_back(gridPositionText(row.position));
        cells.emplace_back(hairColourText(row.hairColour));
        cells.emplace_back(hairStyleText(row.hairStyle));
        cells.emplace_back(facialHairText(row.facialHair));
        cells.emplace_back(skinColourText(row.skinColour));
        cells.push_back(std::to_string(row.skillAverage));
        return cells;
    }
    cells.reserve(21);
    cells.push_back(row.name);
    cells.push_back(std::to_string(row.jerseyNumber));
    cells.emplace_back(gridPositionText(row.position));
    cells.emplace_back();
    cells.push_back(row.teamName);
    cells.push_back(std::to_string(row.rating));
    for (int s : row.skills) cells.push_back(std::to_string(s + 1));
    cells.push_back(std::to_string(row.value));
    cells.emplace_back(yesNo(row.international));
    return cells;
}

std::vector<std::vector<std::string>> gridRows(const std::vector<CStatsRow>& rows, CStatsKind kind,
                                               const CStatsFilters& filters, CTextEncoding encoding)
{
    std::vector<std::vector<std::string>> out;
    out.reserve(rows.size());
    for (const CStatsRow& r : rows)
        if (passesFilters(r, filters, encoding)) out.push_back(gridCells(r, kind));
    return out;
}

std::string reportHeader(CStatsKind kind, CReportFormat format)
{
    std::string out;
    if (kind == CStatsKind::PlayerStats && format == CReportFormat::Plain)
        appendFormat(out,
                     "%2s %15s %3s %s %20s %3s %3s %3s %3s %3s %3s %3s %3s %3s %3s %3s %3s %3s %3s %5s %10s\n\n",
                     "No", "Player Name", "Pos", "", "Team", "Rat", "ACL", "AGL", "AWR", "BCT", "CRE", "FIT",
                     "HEA", "PAS", "RCT", "SPW", "SAC", "SPD", "TAC", "Value", "International");
    else if (kind == CStatsKind::PlayerStats)
        out = "Player Jersey,Player Name,Position,Team,Rating,ACL,AGL,AWR,BCT,CRE,FIT,HEA,PAS,RCT,SPW,SAC,SPD,TAC,"
              "Player Value,International\n";
    else if (format == CReportFormat::Plain)
        appendFormat(out, "%2s %15s %3s %15s %15s %15s %15s %10s\n\n", "No", "Player Name", "Pos", "Hair Colour",
                     "Hair Style", "Facial Hair", "Skin Colour", "Skill Ave.");
    else
        out = "No,Player Name,Pos,Hair Colour,Hair Style,Facial Hair,Skin Colour,Skill Ave.\n";
    return out;
}

std::string reportLine(const CStatsRow& row, CStatsKind kind, CReportFormat format)
{
    std::string out;
    const auto& k = row.skills;
    if (kind == CStatsKind::PlayerStats && format == CReportFormat::Plain)
    {
        appendFormat(out, "%2d %15s %3s %s %20s %3d %3d %3d %3d %3d %3d %3d %3d %3d %3d %3d %3d %3d %3d %5d",
                     row.jerseyNumber, row.name.c_str(), reportPositionText(row.position), "", row.teamName.c_str(),
                     row.rating, k[0] + 1, k[1] + 1, k[2] + 1, k[3] + 1, k[4] + 1, k[5] + 1, k[6] + 1, k[7] + 1,
                     k[8] + 1, k[9] + 1, k[10] + 1, k[11] + 1, k[12] + 1, row.value);
        out += row.international ? " Yes\n" : " No\n";
    }
    else if (kind == CStatsKind::PlayerStats)
    {
        out += std::to_string(row.jerseyNumber);
        out += ',';
        out += delimitedField(row.name);
        out += ',';
        out += reportPositionText(row.position);
        out += ',';
        out += delimitedField(row.teamName);
        out += ',';
        out += std::to_string(row.rating);
        for (int s : k)
        {
            out += ',';
            out += std::to_string(s + 1);
        }
        out += ',';
        out += std::to_string(row.value);
        out += row.international ? ",Yes\n" : ",No\n";
    }
    else if (format == CReportFormat::Plain)
        appendFormat(out, "%2d %15s %3s %15s %15s %15s %15s %3d\n", row.jerseyNumber, row.name.c_str(),
                     reportPositionText(row.position), hairColourText(row.hairColour), hairStyleText(row.hairStyle),
                     facialHairText(row.facialHair), skinColourText(row.skinColour), row.skillAverage);
    else
        appendFormat(out, "%d,%s,%s,%s,%s,%s,%s,%d\n", row.jerseyNumber, delimitedField(row.name).c_str(),
                     reportPositionText(row.position), hairColourText(row.hairColour), hairStyleText(row.hairStyle),
                     facialHairText(row.facialHair), skinColourText(row.skinColour), row.skillAverage);
    return out;
}

std::string writeReport(const std::vector<CStatsRow>& rows, CStatsKind kind, CReportFormat format)
{
    std::string out = reportHeader(kind, format);
    out.reserve(out.size() + rows.size() * 96);
    for (const CStatsRow& r : rows) out += reportLine(r, kind, format);
    return out;
}

bool writeReportFile(const std::filesystem::path& path, const std::string& text, std::string* error)
{
    // The report is read in text editors of the user's platform, so it has its line ends.
#ifdef _WIN32
    std::string lines;
    lines.reserve(text.size() + text.size() / 32);
    for (char c : text)
    {
        if (c == '\n') lines += '\r';
        lines += c;
    }
#else
    const std::string& lines = text;
#endif
    auto failed = replaceFile(CFileSystem::real(), path, {reinterpret_cast<const uint8_t*>(lines.data()), lines.size()}, "report");
    if (failed && error) *error = std::move(*failed);
    return !failed;
}

std::string statusText(const char* format, const std::string& teamLabel)
{
    std::string out(format);
    const auto at = out.find("%s");
    if (at != std::string::npos) out.replace(at, 2, teamLabel);
    return out;
}
