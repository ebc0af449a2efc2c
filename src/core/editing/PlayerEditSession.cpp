#include "editing/PlayerEditSession.h"

#include "database/Change.h"
#include "database/Database.h"
#include "editing/PageTexts.h"
#include "editing/Roster.h"
#include "settings/Prompts.h"
#include "util/Format.h"
#include "util/TextCodec.h"

#include <algorithm>

namespace
{
constexpr uint32_t kImportedIdBase = CDatabase::kImportedIdBase;
constexpr int kHighestStoredSkill = 15;

// A list left with nothing chosen keeps what the record held: a value the lists cannot
// show (a hand-edited or imported record) is written back unchanged.
void storeChoice(uint8_t& field, int index)
{
    if (index >= 0) field = uint8_t(index);
}
}  // namespace

CPlayerEditSession::CPlayerEditSession(CChangeRunner& runner, CPrompts& prompts, CPlayerPageLinks links,
                                       CPresetDice dice)
    : m_runner(runner), m_prompts(prompts), m_links(std::move(links)), m_dice(std::move(dice))
{
}

const CPlayer* CPlayerEditSession::shownRecord() const
{
    if (m_shown == 0 || m_shown > db().highestPlayerId()) return nullptr;
    return db().player(m_shown);
}

void CPlayerEditSession::editShown(const char* name, const std::function<void(CTransaction&, CPlayer&)>& edit)
{
    if (!shownRecord()) return;
    m_runner.run(name, [&](CTransaction& tx) {
        if (CPlayer* record = tx.player(m_shown)) edit(tx, *record);
    });
}

void CPlayerEditSession::markModified(CTransaction& tx, CPlayer& record)
{
    record.modified = 1;
    tx.setModified();
}

void CPlayerEditSession::refreshRoster()
{
    if (m_links.refreshRoster) m_links.refreshRoster();
}

void CPlayerEditSession::writeSkills(CPlayer& record)
{
    for (int i = 0; i < CPlayer::kSkillCount; ++i)
        record.skill(i) = uint8_t(std::clamp(m_state.skills[std::size_t(i)] - 1, 0, kHighestStoredSkill));
}

void CPlayerEditSession::writePosition(CPlayer& record, int code)
{
    (m_editsAltPosition ? record.altPosition : record.position) = uint8_t(code);
}

void CPlayerEditSession::selectPlayer(uint32_t id)
{
    const CPlayer* record = db().player(id);
    if (!record) return;
    storePage();
    m_backup.copyFrom(*record);
    showPlayer(id);
}

void CPlayerEditSession::showPlayer(uint32_t id)
{
    if (id == 0)
    {
        m_state.enabled = false;
        return;
    }
    m_shown = id;
    const CPlayer* record = db().player(id);
    if (!record)
    {
        m_state.enabled = false;
        return;
    }
    CPlayerPageState& s = m_state;
    s.enabled = true;
    s.name = record->name.substr(0, CPlayer::kShownNameLength);
    s.letter = record->letterCode ? std::string(1, char(record->letterCode)) : std::string();
    s.numberIndex = record->jerseyNumber >= 1 && record->jerseyNumber <= kNumberCount ? record->jerseyNumber - 1
                                                                                     : CPlayerPageState::kNoChoice;
    // A player listed only by his second position is edited there, so the roster's "Pos"
    // column and the page agree.
    m_editsAltPosition = record->position == 0 && record->altPosition != 0;
    const int code = m_editsAltPosition ? record->altPosition : record->position;
    s.positionIndex = code < kPositionCount ? code : CPlayerPageState::kNoChoice;
    s.hairStyle = record->hairStyle;
    s.face = record->face;
    s.facialHair = record->facialHair;
    s.skinColour = record->skinColour;
    s.hairColour = record->hairColour;
    for (int i = 0; i < CPlayer::kSkillCount; ++i) s.skills[std::size_t(i)] = record->skill(i) + 1;
    s.rating = record->skillRating();
    s.commentary = record->hasCommentary != 0;
}

bool CPlayerEditSession::storePage()
{
    const CPlayer* shown = shownRecord();
    if (!shown) return false;
    CPlayerPageState& s = m_state;
    if (s.name.size() > CPlayer::kShownNameLength) s.name.resize(CPlayer::kShownNameLength);
    if (s.letter.size() > 1) s.letter.resize(1);
    // An emptied name box means the page holds nothing worth keeping (a cleared page, or
    // a name deleted by mistake); the record keeps what it had.
    if (s.name.empty()) return false;

    bool marked = false;
    editShown(pagetexts::kEditPlayer, [&](CTransaction& tx, CPlayer& r) {
    CPlayer* record = &r;
    writeSkills(*record);
    record->name = s.name;
    if (s.positionIndex >= 0) writePosition(*record, s.positionIndex);
    storeChoice(record->skinColour, s.skinColour);
    storeChoice(record->hairColour, s.hairColour);
    storeChoice(record->facialHair, s.facialHair);
    storeChoice(record->face, s.face);
    storeChoice(record->hairStyle, s.hairStyle);
    record->letterCode = s.letter.empty() ? 0 : uint8_t(s.letter[0]);
    record->jerseyNumber = uint8_t(s.numberIndex + 1);

    if (m_backup.modified || record->sameAs(m_backup)) return;
    markModified(tx, *record);
    marked = true;
    });
    if (marked) refreshRoster();
    return true;
}

void CPlayerEditSession::clearPage()
{
    CPlayerPageState& s = m_state;
    s.skills.fill(0);
    s.rating = 0;
    s.positionIndex = 0;
    s.skinColour = 0;
    s.hairColour = 0;
    s.name.clear();
    s.letter.clear();
    s.commentary = false;
    s.enabled = false;
}

void CPlayerEditSession::applyPreset(int preset)
{
    using namespace playerpresets;
    if (!shownRecord() || preset < 0 || preset >= kPresetCount) return;
    const bool star = isStarPreset(preset);
    for (int i = 0; i < CPlayer::kSkillCount; ++i)
        m_state.skills[std::size_t(i)] = presetSkillValue(preset, i, m_dice.offset(star));
    const int code = presetPosition(preset);
    editShown(pagetexts::kApplyPreset, [&](CTransaction& tx, CPlayer& record) {
        writeSkills(record);
        markModified(tx, record);
        m_state.rating = record.skillRating();
        writePosition(record, code);
    });
    m_state.positionIndex = code;
    refreshRoster();
}

void CPlayerEditSession::maxAttributes()
{
    if (!shownRecord()) return;
    m_state.skills.fill(playerpresets::kHighestShownSkill);
    editShown(pagetexts::kMaxAttributes, [&](CTransaction& tx, CPlayer& record) {
        writeSkills(record);
        markModified(tx, record);
        m_state.rating = record.skillRating();
    });
    refreshRoster();
}

void CPlayerEditSession::resetAll()
{
    // The backup is a full copy, id included: put back over any other player it would
    // give that slot a second identity.
    if (!shownRecord() || m_backup.id != m_shown) return;
    editShown(pagetexts::kResetAll, [&](CTransaction&, CPlayer& record) { record.copyFrom(m_backup); });
    showPlayer(m_shown);
    refreshRoster();
}

void CPlayerEditSession::choosePosition(int index)
{
    m_state.positionIndex = index;
    if (!shownRecord()) return;
    editShown(pagetexts::kEditPlayer, [&](CTransaction& tx, CPlayer& record) { markModified(tx, record); });
    refreshRoster();
}

void CPlayerEditSession::chooseNumber(int index)
{
    m_state.numberIndex = index;
    const uint32_t team = m_links.listedTeam ? m_links.listedTeam() : 0;
    if (team == 0 || index < 0) return;
    const int number = index + 1;
    for (uint32_t id : rosterPlayers(db(), team))
        if (const CPlayer* p = db().player(id); p && p->jerseyNumber == number)
        {
            m_prompts.message(formatText(pagetexts::kNumberUsed, number), CPrompts::CIcon::Information);
            return;
        }
}

void CPlayerEditSession::chooseNationality()
{
    refreshRoster();
}

std::string CPlayerEditSession::nameToolTip(CTextEncoding encoding) const
{
    if (m_shown <= kImportedIdBase) return {};
    const CPlayer* record = db().player(m_shown);
    const std::string original = db().playerLabel(m_shown & 0xFFFF);
    const std::string team = record ? db().teamLabel(record->teamId) : std::string();
    return toUtf8(formatText(pagetexts::kOriginally, original.c_str(), team.c_str()), encoding);
}
