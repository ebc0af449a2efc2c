#include "app/Document.h"

#include "database/GameFiles.h"
#include "editing/StepNames.h"

#include <QUndoCommand>

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
            emit m_doc.changed(m_change);
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
    emit changed(change);
    announceModified();
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
    m_history.clear();
    CDatabase fresh;
    CDatabaseBuilder(fresh).setLanguageCode(m_db.languageCode());
    const bool ok = fill(fresh);
    m_db = std::move(fresh);
    m_currentTeam = 0;
    m_currentPlayer = 0;
    m_history.setClean();
    emit reset();
    announceModified();
    return ok;
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
    if (!announced.empty()) emit changed(announced);
    announceModified();
}

void CDocument::setCurrentTeam(uint32_t id)
{
    if (id == m_currentTeam) return;
    m_currentTeam = id;
    emit currentTeamChanged(id);
}

void CDocument::setCurrentPlayer(uint32_t id)
{
    if (id == m_currentPlayer) return;
    m_currentPlayer = id;
    emit currentPlayerChanged(id);
}
