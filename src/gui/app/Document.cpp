#include "app/Document.h"

#include "database/GameFiles.h"
#include "util/TextCodec.h"
#include "editing/StepNames.h"

#include <QUndoCommand>

#include <algorithm>

// One step of the history. Its change is already applied when it is pushed, so the
// first redo only announces it.
class CChangeCommand : public QUndoCommand
{
public:
    CChangeCommand(CDocument& doc, const std::string& name, CChange change, uint64_t mergeKey)
        : QUndoCommand(QString::fromStdString(name)), m_doc(doc), m_change(std::move(change)), m_mergeKey(mergeKey)
    {
    }

    void redo() override
    {
        if (m_applied)
            m_doc.put(m_change, true);
        else
        {
            m_applied = true;
            m_doc.announce(m_change, m_change.leagueImagesBefore());
        }
    }
    void undo() override { m_doc.put(m_change, false); }
    // Qt compares these ints first; the full key decides in mergeWith.
    int id() const override { return m_mergeKey == 0 ? -1 : int(m_mergeKey % 0x7FFFFFFF); }
    bool mergeWith(const QUndoCommand* other) override
    {
        auto* later = dynamic_cast<const CChangeCommand*>(other);
        if (!later || later->m_mergeKey != m_mergeKey) return false;
        m_change.absorb(std::move(const_cast<CChangeCommand*>(later)->m_change));
        // The merged step reads from its first old value to its last new one.
        if (const std::string named = fieldStepName(m_change, m_doc.encoding()); !named.empty())
            setText(QString::fromStdString(named));
        return true;
    }
    void absorb(CChange&& later) { m_change.absorb(std::move(later)); }
    const CChange& change() const { return m_change; }

private:
    CDocument& m_doc;
    CChange m_change;
    uint64_t m_mergeKey;
    bool m_applied = false;
};

CDocument::CDocument(QObject* parent) : QObject(parent)
{
    connect(&m_history, &QUndoStack::indexChanged, this, &CDocument::announceModified);
    connect(&m_history, &QUndoStack::cleanChanged, this, &CDocument::announceModified);
}

CDocument::~CDocument()
{
    // The commands hold a reference to this document; they go before it does.
    m_history.clear();
}

std::optional<std::string> CDocument::run(const std::string& name, const std::function<void(CTransaction&)>& rule,
                                          uint64_t mergeKey)
{
    CChange change;
    try
    {
        CTransaction tx(m_db);
        rule(tx);
        change = tx.commit();
    }
    catch (const CChangeRefused& refusal)
    {
        emit refused(QString::fromStdString(refusal.what()));
        return std::string(refusal.what());
    }
    if (change.empty()) return std::nullopt;
    // Steps that merge are edits of one field: they are named by record, field and values,
    // so the history tells one from the next.
    std::string named = mergeKey != 0 ? fieldStepName(change, encoding()) : std::string();
    if (named.empty()) named = name;
    m_history.push(new CChangeCommand(*this, named, std::move(change), mergeKey));
    announceModified();
    return std::nullopt;
}

void CDocument::put(const CChange& change, bool after)
{
    if (after)
        change.redo(m_db);
    else
        change.undo(m_db);
    announce(change, after ? change.leagueImagesBefore() : change.leagueImagesAfter());
    announceModified();
}

void CDocument::announce(const CChange& change, const std::optional<std::vector<CLeague>>& leaguesBefore)
{
    const CSelection was = m_selection;
    m_selection = settleSelection(m_db, was, leaguesBefore ? &*leaguesBefore : nullptr,
                                  encodingForLanguage(m_db.languageCode()));
    emit changed(change);
    // A view may have chosen a player while it followed the change; that counts too.
    announceSelection(was);
}

void CDocument::moveSelection(const CSelection& to)
{
    const CSelection was = m_selection;
    m_selection = to;
    announceSelection(was);
}

void CDocument::announceSelection(const CSelection& was)
{
    const CSelection now = m_selection;
    if (now == was) return;
    if (now.team != was.team) emit currentTeamChanged(now.team);
    if (now.player != was.player) emit currentPlayerChanged(now.player);
    emit selectionChanged();
}

bool CDocument::isModified() const
{
    return !m_history.isClean() || m_db.modified();
}

void CDocument::announceModified()
{
    const bool now = isModified();
    if (now == m_lastModified) return;
    m_lastModified = now;
    emit modifiedChanged(now);
}

bool CDocument::load(const std::function<bool(CDatabase&)>& fill)
{
    CDatabase fresh;
    CDatabaseBuilder(fresh).setLanguageCode(m_db.languageCode());
    // A read that failed half way holds less than the files: showing it would let the
    // next save write that over them. The window keeps what it had, history and all.
    if (!fill(fresh)) return false;
    m_history.clear();
    m_db = std::move(fresh);
    // Positions and ids may mean other records now: nothing stays chosen.
    const CSelection was = m_selection;
    m_selection = {};
    m_history.setClean();
    emit reset();
    announceSelection(was);
    announceModified();
    return true;
}

void CDocument::saved(const CDatabase& savedState)
{
    CChange bookkeeping;
    {
        CTransaction tx(m_db);
        gameformat::applySavedState(tx, savedState);
        bookkeeping = tx.commit();
    }
    const CChange announced = bookkeeping;
    const int index = m_history.index();
    if (index > 0)
    {
        // Undoing the saved step must also take back what the save did to memory.
        auto* top = const_cast<CChangeCommand*>(static_cast<const CChangeCommand*>(m_history.command(index - 1)));
        top->absorb(std::move(bookkeeping));
    }
    else if (m_history.count() > 0)
    {
        // Nothing below the save to fold it into: the steps above were recorded against the
        // memory before the save, so they cannot be redone after it.
        m_history.clear();
    }
    m_history.setClean();
    if (!announced.empty()) announce(announced, announced.leagueImagesBefore());
    announceModified();
}

void CDocument::selectTeam(std::size_t league, uint32_t team)
{
    CSelection to{league, team, team == m_selection.team ? m_selection.player : 0};
    if (league >= m_db.leagues().size()) to = {};
    moveSelection(to);
}

void CDocument::setCurrentTeam(uint32_t id)
{
    if (id == 0)
    {
        moveSelection(CSelection{m_selection.league, 0, 0});
        return;
    }
    const auto lists = [&](std::size_t position) {
        if (!m_db.leagues()[position]) return false;
        const CLeague& league = *m_db.leagues()[position];
        const std::size_t used = std::min<std::size_t>(league.slotCount, league.teamIds.size());
        return std::find(league.teamIds.begin(), league.teamIds.begin() + used, id) != league.teamIds.begin() + used;
    };
    std::size_t league = m_selection.league;
    if (league >= m_db.leagues().size() || !lists(league))
    {
        league = CSelection::kNoLeague;
        for (std::size_t i = 0; i < m_db.leagues().size() && league == CSelection::kNoLeague; ++i)
            if (lists(i)) league = i;
    }
    if (league == CSelection::kNoLeague)
        moveSelection({});
    else
        selectTeam(league, id);
}

void CDocument::setCurrentPlayer(uint32_t id)
{
    if (id == m_selection.player) return;
    // Only a player of the current team can be chosen.
    if (id != 0)
    {
        const std::vector<uint32_t> listed = m_db.listedPlayers(m_selection.team);
        if (std::find(listed.begin(), listed.end(), id) == listed.end()) return;
    }
    moveSelection(CSelection{m_selection.league, m_selection.team, id});
}
