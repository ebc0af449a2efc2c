#include "editing/TeamEditSession.h"

#include "database/Change.h"
#include "database/Database.h"
#include "editing/PageTexts.h"
#include "kits/JerseyTexture.h"
#include "settings/Prompts.h"
#include "util/FileCommit.h"
#include "util/Format.h"

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

std::string cut(const std::string& text, std::size_t bytes)
{
    return text.size() > bytes ? text.substr(0, bytes) : text;
}
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

CTeamEditSession::CTeamEditSession(CChangeRunner& runner, CPrompts& prompts, CTeamPageLinks links)
    : m_runner(runner), m_prompts(prompts), m_links(std::move(links))
{
}

void CTeamEditSession::editShown(const char* name, const std::function<void(CTransaction&, CTeam&)>& edit)
{
    if (!shownRecord()) return;
    m_runner.run(name, [&](CTransaction& tx) {
        if (CTeam* record = tx.team(m_shown)) edit(tx, *record);
    });
}

const CTeam* CTeamEditSession::shownRecord() const
{
    if (m_shown == 0 || m_shown > db().highestTeamId()) return nullptr;
    return db().team(m_shown);
}

void CTeamEditSession::showTeam(uint32_t id)
{
    if (id > db().highestTeamId()) return;
    const CTeam* record = db().team(id);
    if (!record) return;
    if (m_shown != 0 && m_shown != id) storePage();
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
    s.longName = team.longName;
    s.bankrollText = std::to_string(team.bankroll);
    m_bankroll = team.bankroll;
    // Imported teams are written without these two names, so they are not offered.
    s.shortNamesEnabled = team.id < kFirstImportedTeamId;
    s.abbreviation = s.shortNamesEnabled ? team.abbreviation : std::string();
    s.shortName = s.shortNamesEnabled ? team.shortName : std::string();
    loadJerseyModel(kHome, team.homeJerseyStyle);
    loadJerseyModel(kAway, team.awayJerseyStyle);
    for (int l = 0; l < kModelListCount; ++l) s.models[std::size_t(l)] = team.*kModelFields[l];
    loadColours(team);
}

void CTeamEditSession::loadJerseyModel(int side, int model)
{
    CFileSystem& fs = m_links.files ? *m_links.files : CFileSystem::real();
    const CJerseyTexture texture = readJerseyModel(m_links.gameFolder, model, fs);
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

void CTeamEditSession::takeBankroll(const CTeam& team)
{
    const std::optional<int64_t> typed = parseBankroll(m_state.bankrollText);
    if (!typed) m_prompts.message(pagetexts::kEnterInteger, CPrompts::CIcon::Information);
    int64_t value = typed ? *typed : m_bankroll;
    if (value > kBankrollLimit)
    {
        m_prompts.message(pagetexts::kBankrollCapped, CPrompts::CIcon::Information);
        value = kBankrollLimit;
    }
    else if (value < 0)
    {
        // The file keeps 17 bits of the bankroll: a negative amount would come back from
        // the next load as a fortune. Keep what the team had and say why.
        m_prompts.message(pagetexts::kBankrollOutOfRange, CPrompts::CIcon::Information);
        value = team.bankroll;
    }
    m_bankroll = value;
    m_state.bankrollText = std::to_string(value);
}

bool CTeamEditSession::storePage()
{
    const CTeam* shown = shownRecord();
    if (!shown) return false;
    CTeamPageState& s = m_state;
    s.longName = cut(s.longName, kLongNameBytes);
    s.abbreviation = shown->id < kFirstImportedTeamId ? cut(s.abbreviation, kAbbreviationBytes) : std::string();
    s.shortName = shown->id < kFirstImportedTeamId ? cut(s.shortName, kShortNameBytes) : std::string();
    takeBankroll(*shown);

    bool marked = false;
    editShown(pagetexts::kEditTeam, [&](CTransaction& tx, CTeam& r) {
    CTeam* record = &r;
    record->longName = s.longName;
    record->abbreviation = s.abbreviation;
    record->shortName = s.shortName;
    record->bankroll = uint32_t(m_bankroll);
    for (int l = 0; l < kModelListCount; ++l) record->*kModelFields[l] = uint8_t(s.models[std::size_t(l)]);
    for (int b = 0; b < kColourButtonCount; ++b) record->*kColourFields[b] = uint8_t(s.colours[std::size_t(b)]);

    if (record->sameAs(m_backup)) return;
    record->modified = 1;
    tx.setModified();
    marked = true;
    });
    if (marked && m_links.relabelTeam) m_links.relabelTeam(m_shown);
    return true;
}

void CTeamEditSession::activate()
{
    if (const CTeam* record = shownRecord()) loadColours(*record);
}

bool CTeamEditSession::bankrollFocusLost()
{
    const std::optional<int64_t> typed = parseBankroll(m_state.bankrollText);
    if (!typed)
    {
        m_prompts.message(pagetexts::kBankrollInvalid, CPrompts::CIcon::Information);
        return false;
    }
    if (*typed < 0 || *typed > kBankrollLimit)
    {
        m_prompts.message(pagetexts::kBankrollOutOfRange, CPrompts::CIcon::Information);
        return false;
    }
    if (*typed != int64_t(m_backup.bankroll) && m_links.relabelTeam && shownRecord()) m_links.relabelTeam(m_shown);
    return true;
}

void CTeamEditSession::nameFocusLost(CNameBox box)
{
    const std::string* typed = nullptr;
    const std::string* kept = nullptr;
    switch (box)
    {
    case CNameBox::LongName: typed = &m_state.longName, kept = &m_backup.longName; break;
    case CNameBox::Abbreviation: typed = &m_state.abbreviation, kept = &m_backup.abbreviation; break;
    case CNameBox::ShortName: typed = &m_state.shortName, kept = &m_backup.shortName; break;
    }
    if (*typed != *kept && m_links.relabelTeam && shownRecord()) m_links.relabelTeam(m_shown);
}

void CTeamEditSession::stepModel(int list, int delta)
{
    if (!shownRecord() || list < 0 || list >= kModelListCount) return;
    int& top = m_state.models[std::size_t(list)];
    top = std::clamp(top + (delta < 0 ? -1 : 1), 0, modelCount(list) - 1);
    editShown(pagetexts::kChangeKit, [&](CTransaction&, CTeam& record) { record.*kModelFields[list] = uint8_t(top); });
    if (isJerseyList(list)) loadJerseyModel(sideOfList(list), top);
    if (m_links.relabelTeam) m_links.relabelTeam(m_shown);
}

void CTeamEditSession::dragModel(int list, int top)
{
    if (list < 0 || list >= kModelListCount) return;
    m_state.models[std::size_t(list)] = std::clamp(top, 0, modelCount(list) - 1);
}

void CTeamEditSession::chooseColour(int button, int entry)
{
    if (!shownRecord() || button < 0 || button >= kColourButtonCount || entry < 0 ||
        entry >= kitpalette::kPickerEntryCount)
        return;
    const int colour = kitColourForPickerEntry(entry);
    editShown(pagetexts::kChangeKit,
              [&](CTransaction&, CTeam& record) { record.*kColourFields[button] = uint8_t(colour); });
    m_state.colours[std::size_t(button)] = colour;
    loadColours(*shownRecord());
}

void CTeamEditSession::usePresetColours(int side)
{
    if (!shownRecord() || (side != kHome && side != kAway)) return;
    const CKitPresets& presets = m_presets[std::size_t(side)];
    if (!presets.offered) return;
    const int first = firstColourButton(side);
    editShown(pagetexts::kUsePresetColours, [&](CTransaction&, CTeam& record) {
        for (int k = 0; k < kColoursPerSide; ++k)
        {
            // A hand-edited texture may hold any byte here; only kit colours are taken.
            const int colour = presets.colours[std::size_t(k)];
            if (isKitColour(colour)) record.*kColourFields[first + k] = uint8_t(colour);
        }
    });
    loadPage(*shownRecord());
}

std::optional<CWeftorLaunch> CTeamEditSession::weftorLaunch(int side) const
{
    const CTeam* record = shownRecord();
    if (!record || (side != kHome && side != kAway)) return std::nullopt;
    const int model = side == kHome ? record->homeJerseyStyle : record->awayJerseyStyle;
    CWeftorLaunch launch;
    launch.textureNumber = model + 1;
    const std::string path = formatText(pagetexts::kWeftorTexture, m_links.gameFolder.string().c_str(), model + 1);
    launch.commandLine = formatText(pagetexts::kWeftorCommand, '"', path.c_str(), '"', model + 1);
    launch.texture = jerseyTexturePath(m_links.gameFolder, model);
    return launch;
}

void CTeamEditSession::weftorFailed()
{
    m_prompts.message(pagetexts::kWeftorFailed, CPrompts::CIcon::Error);
}
