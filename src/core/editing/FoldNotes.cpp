#include "editing/FoldNotes.h"

#include "database/Database.h"

namespace
{
bool foldsAny(const CDatabase& db)
{
    // The save's plan copies the database: skip it when no game team takes an imported player.
    bool any = false;
    db.forEachTeam([&](const CTeam& t) {
        if (any || t.id >= CDatabase::kImportedIdBase || t.imported) return;
        for (uint32_t id : t.incomingPlayers)
            if (id >= CDatabase::kImportedIdBase && db.player(id)) any = true;
    });
    return any;
}
} // namespace

std::vector<std::string> foldNotes(const CDatabase& db)
{
    std::vector<std::string> out;
    if (!foldsAny(db)) return out;
    const CTextEncoding enc = encodingForLanguage(db.languageCode());
    for (const gameformat::CFold& f : gameformat::planSave(db).folds)
    {
        const CPlayer* imported = db.player(f.importedId);
        const CPlayer* host = db.player(f.hostId);
        if (!imported || !host) continue;
        const std::string newcomer = toUtf8(imported->name, enc), overwritten = toUtf8(host->name, enc);
        // Names as they stand now: an earlier fold of this save does not rename him.
        const CTeam* club = host->teamId != 0 && host->teamId != CPlayer::kNoTeam ? db.team(host->teamId) : nullptr;
        out.push_back(club ? translatedArgs("foldtexts", foldtexts::kTakesPlace, {newcomer, overwritten, toUtf8(club->longName, enc)})
                           : translatedArgs("foldtexts", foldtexts::kTakesPlaceNoClub, {newcomer, overwritten}));
    }
    return out;
}

std::string foldSummary(const CDatabase& db, std::size_t shown)
{
    const std::vector<std::string> lines = foldNotes(db);
    if (lines.empty()) return {};
    std::string text = translated("foldtexts", foldtexts::kHeading);
    for (std::size_t i = 0; i < lines.size() && i < shown; ++i) text += "\n" + lines[i];
    if (lines.size() > shown)
        text += "\n" + translatedArgs("foldtexts", foldtexts::kMore, {std::to_string(lines.size() - shown)});
    return text;
}

std::string withFoldNotes(const std::string& question, const CDatabase& db)
{
    const std::string summary = foldSummary(db);
    if (summary.empty()) return question;
    const std::size_t last = question.rfind("\n\n");
    if (last == std::string::npos) return summary + "\n\n" + question;
    return question.substr(0, last + 2) + summary + question.substr(last);
}
