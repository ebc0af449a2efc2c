#include "editing/TeamEditSession.h"

#include "database/RecordLimits.h"

#include "database/Database.h"
#include "editing/PageTexts.h"
#include "kits/JerseyTexture.h"
#include "settings/Prompts.h"
#include "util/FileCommit.h"
#include "util/Format.h"
#include "util/TextCodec.h"
#include "util/Translatable.h"
#include "util/PathText.h"

#include <algorithm>
#include <cctype>
#include <limits>

using namespace teampage;

namespace
{
constexpr uint8_t CTeam::*kColourFields[kColourButtonCount] = {
    &CTeam::homeJerseyColour1, &CTeam::homeJerseyColour2, &CTeam::homeJerseyColour3, &CTeam::homeShortsColour1,
    &CTeam::homeShortsColour2, &CTeam::homeSocksColour1,  &CTeam::homeSocksColour2,  &CTeam::awayJerseyColour1,
    &CTeam::awayJerseyColour2, &CTeam::awayJerseyColour3, &CTeam::awayShortsColour1, &CTeam::awayShortsColour2,
    &CTeam::awaySocksColour1,  &CTeam::awaySocksColour2,
};

constexpr uint8_t CTeam::*kModelFields[kModelListCount] = {
    &CTeam::homeJerseyStyle, &CTeam::homeShortsStyle, &CTeam::homeSocksStyle,
    &CTeam::awayJerseyStyle, &CTeam::awayShortsStyle, &CTeam::awaySocksStyle,
};

constexpr int sideOfList(int list) { return list < AwayJersey ? kHome : kAway; }
constexpr bool isJerseyList(int list) { return list == HomeJersey || list == AwayJersey; }
}  // namespace

namespace teampage
{
int modelCount(int list)
{
    switch (list % 3)
    {
    case 0: return kJerseyModels;
    case 1: return kShortsModels;
    default: return kSocksModels;
    }
}
}  // namespace teampage

std::optional<int64_t> parseBankroll(const std::string& text)
{
    std::size_t i = 0, end = text.size();
    while (i < end && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    while (end > i && std::isspace(static_cast<unsigned char>(text[end - 1]))) --end;
    bool negative = false;
    if (i < end && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    if (i == end) return std::nullopt;
    constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
    int64_t value = 0;
    for (; i < end; ++i)
    {
        const char c = text[i];
        if (c < '0' || c > '9') return std::nullopt;
        value = value > (kMax - (c - '0')) / 10 ? kMax : value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

CTeamEditSession::CTeamEditSession(CChangeRunner& runner, CPrompts& prompts, CKitFiles kitFiles)
    : m_runner(runner), m_prompts(prompts), m_kitFiles(std::move(kitFiles))
{
}

CTeam* CTeamEditSession::editedRecord()
{
    if (!m_tx || m_shown == 0 || m_shown > db().highestTeamId()) return nullptr;
    return m_tx->team(m_shown);
}

const CTeam* CTeamEditSession::shownRecord() const
{
    if (m_shown == 0 || m_shown > db().highestTeamId()) return nullptr;
    return db().team(m_shown);
}

void CTeamEditSession::showTeam(uint32_t id)
{
    if (id == 0)
    {
        // No team chosen: nothing on show, nothing to edit.
        m_state = CTeamPageState{};
        m_backup = CTeam{};
        m_shown = 0;
        return;
    }
    if (id > db().highestTeamId()) return;
    const CTeam* record = db().team(id);
    if (!record) return;
    // The attribute copy leaves the id alone, but the compare includes it: without the
    // id every store would find a difference.
    m_backup.copyAttributesFrom(*record);
    m_backup.id = record->id;
    m_shown = id;
    loadPage(*record);
}

void CTeamEditSession::loadPage(const CTeam& team)
{
    CTeamPageState& s = m_state;
    s.enabled = true;
    s.bankrollText = std::to_string(team.bankroll);
    loadNames(team);
    loadJerseyModel(kHome, team.homeJerseyStyle);
    loadJerseyModel(kAway, team.awayJerseyStyle);
    for (int l = 0; l < kModelListCount; ++l) s.models[std::size_t(l)] = team.*kModelFields[l];
    loadColours(team);
}

void CTeamEditSession::loadNames(const CTeam& team)
{
    CTeamPageState& s = m_state;
    s.longName = team.longName;
    // Imported teams are written without these two names, so they are not offered.
    s.shortNamesEnabled = team.id < kFirstImportedTeamId;
    s.abbreviation = s.shortNamesEnabled ? team.abbreviation : std::string();
    s.shortName = s.shortNamesEnabled ? team.shortName : std::string();
}

void CTeamEditSession::loadJerseyModel(int side, int model)
{
    CFileSystem& fs = m_kitFiles.files ? *m_kitFiles.files : CFileSystem::real();
    const CJerseyTexture texture = readJerseyModel(m_kitFiles.gameFolder, model, fs);
    CKitPresets& presets = m_presets[std::size_t(side)];
    presets = {};
    std::string& description = m_state.descriptions[std::size_t(side)];
    description.clear();
    if (texture.status == CJerseyTextureStatus::Texture)
    {
        presets.offered = texture.hasPresetColours();
        presets.colours = texture.presetColours;
        description = texture.description;
    }
    m_state.presetColoursEnabled[std::size_t(side)] = presets.offered;
}

void CTeamEditSession::loadColours(const CTeam& team)
{
    CTeamPageState& s = m_state;
    for (int b = 0; b < kColourButtonCount; ++b)
    {
        s.colours[std::size_t(b)] = team.*kColourFields[b];
        s.buttonColours[std::size_t(b)] = kitColourButtonRgb(s.colours[std::size_t(b)]);
    }
    // A jersey picture shows the whole kit; shorts and socks pictures only their own two
    // colours.
    for (int l = 0; l < kModelListCount; ++l)
    {
        auto& slots = s.listSlots[std::size_t(l)];
        slots.fill(kEmptySlot);
        const int first = firstColourButton(sideOfList(l));
        for (int k = 0; k < kColoursPerSide; ++k)
        {
            const bool used = isJerseyList(l) || (l % 3 == 1 && (k == 3 || k == 4)) || (l % 3 == 2 && k >= 5);
            if (used) slots[std::size_t(k)] = team.*kColourFields[first + k];
        }
    }
}

void CTeamEditSession::reload()
{
    if (const CTeam* record = shownRecord()) loadPage(*record);
}

CCommitResult CTeamEditSession::committed(CTeam& record, const CTeam& before)
{
    // The team compare leaves the two short names out; they are written all the same.
    if (record.sameAs(before) && record.abbreviation == before.abbreviation && record.shortName == before.shortName)
        return CCommitResult::Unchanged;
    record.modified = 1;
    m_tx->setModified();
    return CCommitResult::Changed;
}

CCommitResult CTeamEditSession::commitName(CNameBox box, std::string_view utf8)
{
    if (!m_tx) return gated(pagetexts::kEditTeam, fieldMergeKey(2, m_shown, uint32_t(box)), [&] { return commitName(box, utf8); });
    CTeam* record = editedRecord();
    if (!record || !m_state.enabled) return CCommitResult::Unchanged;
    if (box != CNameBox::LongName && record->id >= kFirstImportedTeamId) return CCommitResult::Unchanged;
    std::string CTeam::*field = box == CNameBox::LongName       ? &CTeam::longName
                                : box == CNameBox::Abbreviation ? &CTeam::abbreviation
                                                                : &CTeam::shortName;
    const std::size_t limit = nameLimit(box);
    if (box == CNameBox::LongName && isBlank(utf8))
    {
        m_prompts.message(translated("pagetexts", pagetexts::kTeamNameEmpty), CPrompts::CIcon::Information);
        loadNames(*record);
        return CCommitResult::Refused;
    }
    const std::optional<std::string> bytes =
        takeTypedText(utf8, encodingForLanguage(db().languageCode()), limit, m_prompts);
    if (!bytes)
    {
        loadNames(*record);
        return CCommitResult::Refused;
    }
    const CTeam before = *record;
    (*record).*field = *bytes;
    const CCommitResult result = committed(*record, before);
    loadNames(*record);
    return result;
}

std::size_t CTeamEditSession::nameLimit(CNameBox box) const
{
    const CTeam* record = shownRecord();
    switch (box)
    {
    case CNameBox::LongName: return textBoxLimit(kLongNameBytes, record ? record->longName : std::string());
    case CNameBox::Abbreviation:
        return textBoxLimit(recordlimits::kAbbreviationBytes, record ? record->abbreviation : std::string());
    case CNameBox::ShortName: break;
    }
    return textBoxLimit(recordlimits::kShortNameBytes, record ? record->shortName : std::string());
}

CCommitResult CTeamEditSession::commitBankroll(std::string_view text)
{
    if (!m_tx) return gated(pagetexts::kEditTeam, fieldMergeKey(2, m_shown, 8), [&] { return commitBankroll(text); });
    CTeam* record = editedRecord();
    if (!record || !m_state.enabled) return CCommitResult::Unchanged;
    // A refused amount is not left in the box looking stored: the stored one is shown again
    // and the message says what would be taken.
    const std::optional<int64_t> typed = parseBankroll(std::string(text));
    m_state.bankrollText = std::to_string(record->bankroll);
    if (!typed)
    {
        m_prompts.message(formatText(pagetexts::kBankrollInvalid, 0, kBankrollLimit), CPrompts::CIcon::Information);
        return CCommitResult::Refused;
    }
    // The file keeps 17 bits of the bankroll: a negative amount would come back from the
    // next load as a fortune, so it is refused with the one above the limit.
    if (*typed < 0 || *typed > kBankrollLimit)
    {
        m_prompts.message(formatText(pagetexts::kBankrollOutOfRange, 0, kBankrollLimit),
                          CPrompts::CIcon::Information);
        return CCommitResult::Refused;
    }
    const CTeam before = *record;
    record->bankroll = uint32_t(*typed);
    const CCommitResult result = committed(*record, before);
    m_state.bankrollText = std::to_string(record->bankroll);
    return result;
}

void CTeamEditSession::activate()
{
    if (const CTeam* record = shownRecord()) loadColours(*record);
}

void CTeamEditSession::writeModel(CTeam& record, int list, int top)
{
    top = std::clamp(top, 0, modelCount(list) - 1);
    m_state.models[std::size_t(list)] = top;
    const CTeam before = record;
    record.*kModelFields[list] = uint8_t(top);
    if (isJerseyList(list)) loadJerseyModel(sideOfList(list), top);
    committed(record, before);
}

void CTeamEditSession::stepModel(int list, int delta)
{
    if (!m_tx) return gated(pagetexts::kChangeKit, fieldMergeKey(2, m_shown, 16 + uint32_t(list)), [&] { stepModel(list, delta); });
    CTeam* record = editedRecord();
    if (!record || list < 0 || list >= kModelListCount) return;
    writeModel(*record, list, m_state.models[std::size_t(list)] + (delta < 0 ? -1 : 1));
}

void CTeamEditSession::chooseModel(int list, int top)
{
    if (!m_tx) return gated(pagetexts::kChangeKit, fieldMergeKey(2, m_shown, 16 + uint32_t(list)), [&] { chooseModel(list, top); });
    CTeam* record = editedRecord();
    if (!record || list < 0 || list >= kModelListCount) return;
    writeModel(*record, list, top);
}

void CTeamEditSession::chooseColour(int button, int entry)
{
    if (!m_tx) return gated(pagetexts::kChangeKit, fieldMergeKey(2, m_shown, 64 + uint32_t(button)), [&] { chooseColour(button, entry); });
    CTeam* record = editedRecord();
    if (!record || button < 0 || button >= kColourButtonCount || entry < 0 || entry >= kitpalette::kPickerEntryCount)
        return;
    const int colour = kitColourForPickerEntry(entry);
    const CTeam before = *record;
    record->*kColourFields[button] = uint8_t(colour);
    m_state.colours[std::size_t(button)] = colour;
    committed(*record, before);
    loadColours(*record);
}

void CTeamEditSession::usePresetColours(int side)
{
    if (!m_tx) return gated(pagetexts::kUsePresetColours, 0, [&] { usePresetColours(side); });
    CTeam* record = editedRecord();
    if (!record || (side != kHome && side != kAway)) return;
    const CKitPresets& presets = m_presets[std::size_t(side)];
    if (!presets.offered) return;
    const CTeam before = *record;
    const int first = firstColourButton(side);
    for (int k = 0; k < kColoursPerSide; ++k)
    {
        // A hand-edited texture may hold any byte here; only kit colours are taken.
        const int colour = presets.colours[std::size_t(k)];
        if (isKitColour(colour)) record->*kColourFields[first + k] = uint8_t(colour);
    }
    committed(*record, before);
    loadPage(*record);
}

std::optional<CWeftorLaunch> CTeamEditSession::weftorLaunch(int side) const
{
    const CTeam* record = shownRecord();
    if (!record || (side != kHome && side != kAway)) return std::nullopt;
    const int model = side == kHome ? record->homeJerseyStyle : record->awayJerseyStyle;
    CWeftorLaunch launch;
    launch.textureNumber = model + 1;
    const std::string path = formatText(pagetexts::kWeftorTexture, utf8FromPath(m_kitFiles.gameFolder).c_str(), model + 1);
    launch.commandLine = formatText(pagetexts::kWeftorCommand, '"', path.c_str(), '"', model + 1);
    launch.texture = jerseyTexturePath(m_kitFiles.gameFolder, model);
    return launch;
}

void CTeamEditSession::weftorFailed()
{
    m_prompts.message(translated("pagetexts", pagetexts::kWeftorFailed), CPrompts::CIcon::Error);
}
