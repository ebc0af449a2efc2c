#include "editing/PlayerEditSession.h"

#include "database/Database.h"
#include "database/RecordLimits.h"
#include "editing/PageTexts.h"
#include "editing/Roster.h"
#include "settings/Prompts.h"
#include "util/Format.h"
#include "util/TextCodec.h"
#include "util/Translatable.h"

#include <algorithm>

namespace
{
constexpr uint32_t kImportedIdBase = CDatabase::kImportedIdBase;
constexpr int kHighestStoredSkill = 15;

}  // namespace

CPlayerEditSession::CPlayerEditSession(CChangeRunner& runner, CPrompts& prompts, CPresetDice dice)
    : m_runner(runner), m_prompts(prompts), m_dice(std::move(dice))
{
}

const CPlayer* CPlayerEditSession::shownRecord() const
{
    if (m_shown == 0 || m_shown > db().highestPlayerId()) return nullptr;
    return db().player(m_shown);
}

CPlayer* CPlayerEditSession::editedRecord()
{
    if (!m_tx || m_shown == 0 || m_shown > db().highestPlayerId()) return nullptr;
    return m_tx->player(m_shown);
}

void CPlayerEditSession::markModified(CPlayer& record)
{
    record.modified = 1;
    m_tx->setModified();
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
    m_backup.copyFrom(*record);
    showPlayer(id);
}

void CPlayerEditSession::showPlayer(uint32_t id)
{
    const CPlayer* record = id == 0 ? nullptr : db().player(id);
    if (id != 0) m_shown = id;
    if (!record)
    {
        clearPage();
        return;
    }
    CPlayerPageState& s = m_state;
    s.enabled = true;
    const CTextEncoding encoding = encodingForLanguage(db().languageCode());
    s.name = record->name.substr(0, fittingLength(record->name, CPlayer::kShownNameLength, encoding));
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

CCommitResult CPlayerEditSession::committed(CPlayer& record, const CPlayer& before)
{
    if (record.sameAs(before)) return CCommitResult::Unchanged;
    markModified(record);
    showPlayer(m_shown);
    return CCommitResult::Changed;
}

std::size_t CPlayerEditSession::nameLimit() const
{
    const CPlayer* record = shownRecord();
    return textBoxLimit(recordlimits::kPlayerNameBytes, record ? record->name : std::string());
}

CCommitResult CPlayerEditSession::commitText(CPlayerField field, std::string_view utf8)
{
    if (!m_tx) return gated(pagetexts::kEditPlayer, fieldMergeKey(1, m_shown, uint32_t(field)), [&] { return commitText(field, utf8); });
    CPlayer* record = editedRecord();
    if (!record || !m_state.enabled || (field != CPlayerField::Name && field != CPlayerField::Letter))
        return CCommitResult::Unchanged;
    const CTextEncoding encoding = encodingForLanguage(db().languageCode());
    const bool name = field == CPlayerField::Name;
    // An emptied name box is a name deleted by mistake, not a player without one.
    if (name && isBlank(utf8))
    {
        m_prompts.message(translated("pagetexts", pagetexts::kPlayerNameEmpty), CPrompts::CIcon::Information);
        showPlayer(m_shown);
        return CCommitResult::Refused;
    }
    const std::optional<std::string> bytes =
        utf8.empty() ? std::string() : takeTypedText(utf8, encoding, name ? nameLimit() : 1, m_prompts);
    if (!bytes)
    {
        showPlayer(m_shown);
        return CCommitResult::Refused;
    }
    const CPlayer before = *record;
    if (name)
        record->name = *bytes;
    else
        record->letterCode = bytes->empty() ? 0 : uint8_t((*bytes)[0]);
    return committed(*record, before);
}

CCommitResult CPlayerEditSession::commitValue(CPlayerField field, int value, int skill)
{
    if (!m_tx)
        return gated(pagetexts::kEditPlayer, fieldMergeKey(1, m_shown, uint32_t(field) * 16 + uint32_t(skill + 1)),
                     [&] { return commitValue(field, value, skill); });
    CPlayer* record = editedRecord();
    if (!record || !m_state.enabled || (value < 0 && field != CPlayerField::Skill)) return CCommitResult::Unchanged;
    const CPlayer before = *record;
    switch (field)
    {
    case CPlayerField::Number:
        if (value >= kNumberCount) return CCommitResult::Unchanged;
        if (record->jerseyNumber == value + 1) return CCommitResult::Unchanged;
        warnOfUsedNumber(value + 1);
        record->jerseyNumber = uint8_t(value + 1);
        break;
    case CPlayerField::Position:
        if (value >= kPositionCount) return CCommitResult::Unchanged;
        writePosition(*record, value);
        break;
    case CPlayerField::HairStyle: record->hairStyle = uint8_t(std::min(value, kHairStyles - 1)); break;
    case CPlayerField::Face: record->face = uint8_t(std::min(value, kFaces - 1)); break;
    case CPlayerField::FacialHair: record->facialHair = uint8_t(std::min(value, kFacialHairs - 1)); break;
    case CPlayerField::SkinColour: record->skinColour = uint8_t(std::min(value, 3)); break;
    case CPlayerField::HairColour: record->hairColour = uint8_t(std::min(value, 3)); break;
    case CPlayerField::Skill:
        if (skill < 0 || skill >= CPlayer::kSkillCount) return CCommitResult::Unchanged;
        // A typed 17 is not a 16, nor a 0 a 1: the user is told the range instead.
        if (value < playerpresets::kLowestSkill || value > playerpresets::kHighestShownSkill)
        {
            m_prompts.message(translatedArgs("pagetexts", pagetexts::kSkillOutOfRange,
                                             {std::to_string(playerpresets::kLowestSkill),
                                              std::to_string(playerpresets::kHighestShownSkill)}),
                              CPrompts::CIcon::Information);
            return CCommitResult::Refused;
        }
        record->skill(skill) = uint8_t(std::clamp(value - 1, 0, kHighestStoredSkill));
        break;
    default: return CCommitResult::Unchanged;
    }
    return committed(*record, before);
}

void CPlayerEditSession::clearPage()
{
    CPlayerPageState& s = m_state;
    s.skills.fill(0);
    s.rating = 0;
    // The lists show nothing rather than the last player's choice.
    s.numberIndex = CPlayerPageState::kNoChoice;
    s.positionIndex = CPlayerPageState::kNoChoice;
    s.skinColour = CPlayerPageState::kNoChoice;
    s.hairColour = CPlayerPageState::kNoChoice;
    s.name.clear();
    s.letter.clear();
    s.commentary = false;
    s.enabled = false;
}

void CPlayerEditSession::applyPreset(int preset)
{
    if (!m_tx) return gated(pagetexts::kApplyPreset, 0, [&] { applyPreset(preset); });
    using namespace playerpresets;
    CPlayer* record = editedRecord();
    if (!record || preset < 0 || preset >= kPresetCount) return;
    const bool star = isStarPreset(preset);
    for (int i = 0; i < CPlayer::kSkillCount; ++i)
        m_state.skills[std::size_t(i)] = presetSkillValue(preset, i, m_dice.offset(star));
    writeSkills(*record);
    markModified(*record);
    m_state.rating = record->skillRating();
    const int code = presetPosition(preset);
    writePosition(*record, code);
    m_state.positionIndex = code;
}

void CPlayerEditSession::maxAttributes()
{
    if (!m_tx) return gated(pagetexts::kMaxAttributes, 0, [&] { maxAttributes(); });
    CPlayer* record = editedRecord();
    if (!record) return;
    m_state.skills.fill(playerpresets::kHighestShownSkill);
    writeSkills(*record);
    markModified(*record);
    m_state.rating = record->skillRating();
}

void CPlayerEditSession::resetAll()
{
    if (!m_tx) return gated(pagetexts::kResetAll, 0, [&] { resetAll(); });
    CPlayer* record = editedRecord();
    // The backup is a full copy, id included: put back over any other player it would
    // give that slot a second identity.
    if (!record || m_backup.id != m_shown) return;
    record->copyFrom(m_backup);
    showPlayer(m_shown);
}

void CPlayerEditSession::warnOfUsedNumber(int number)
{
    const uint32_t team = m_listedTeam;
    if (team == 0) return;
    for (uint32_t id : rosterPlayers(db(), team))
        if (const CPlayer* p = db().player(id); p && p->jerseyNumber == number)
        {
            m_prompts.message(formatText(pagetexts::kNumberUsed, number), CPrompts::CIcon::Information);
            return;
        }
}

void CPlayerEditSession::chooseNationality()
{
}

std::string CPlayerEditSession::nameToolTip(CTextEncoding encoding) const
{
    if (m_shown <= kImportedIdBase) return {};
    const CPlayer* record = db().player(m_shown);
    const std::string original = db().playerLabel(m_shown & 0xFFFF);
    const std::string team = record ? db().teamLabel(record->teamId) : std::string();
    return toUtf8(formatText(pagetexts::kOriginally, original.c_str(), team.c_str()), encoding);
}

std::vector<CNationality> nationalityList(const CDatabase& db)
{
    std::vector<CNationality> out;
    db.forEachTeam([&](const CTeam& team) {
        if (team.bankroll != 0 || team.longName.empty()) return;
        const auto at = std::lower_bound(out.begin(), out.end(), team.countryId,
                                         [](const CNationality& n, uint16_t code) { return n.code < code; });
        if (at != out.end() && at->code == team.countryId) return;  // a side with a lower id names it
        out.insert(at, {team.countryId, team.longName});
    });
    return out;
}
