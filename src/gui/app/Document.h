#pragma once

#include "database/Change.h"
#include "database/Database.h"
#include "editing/Selection.h"
#include "util/TextCodec.h"

#include <QObject>
#include <QUndoStack>

#include <cstdint>
#include <functional>
#include <string>

// The open document: the database, its history of changes, the editor's clipboard and
// the current league, team and player. Every change to the database arrives through run()
// (or undo and redo of the history) and is announced by changed(); a whole new database
// (load, restore, reload) by reset(). Views read the const database and update the rows
// and nodes a change names.
//
// The selection is the document's: before a change is announced it is settled (a team
// the change took out of its league gives way to its neighbour, see settleSelection), so
// that views reading it while they follow the change see where it will be; once the
// change is announced, selectionChanged() tells every view to show it. A view never
// keeps a record of its own choosing on show.
class CDocument : public QObject, public CChangeRunner
{
    Q_OBJECT

public:
    explicit CDocument(QObject* parent = nullptr);
    ~CDocument() override;

    const CDatabase& db() const { return m_db; }
    const CDatabase& database() const override { return m_db; }
    QUndoStack* history() { return &m_history; }

    // The rule runs inside one transaction; a change that is not empty becomes one step of
    // the history called name (merged into the step before when mergeKey matches it).
    // A change the gate refuses changes nothing: refused() says why, and so does the result.
    std::optional<std::string> run(const std::string& name, const std::function<void(CTransaction&)>& rule,
                                   uint64_t mergeKey = 0) override;

    // Anything differs from the files: the history is away from its saved point, or the
    // database itself says so (a reload that kept the flag).
    bool isModified() const;

    // A fresh database filled by fill (the file loaders): the history starts over and the
    // views rebuild. Returns what fill returned; when it returns false nothing changes
    // (the database, its history and the selection stay as they were).
    bool load(const std::function<bool(CDatabase&)>& fill);
    // After a committed save: the save's bookkeeping (merged lists, cleared marks) is
    // applied and folded into the step that was saved, which becomes the saved point.
    void saved(const CDatabase& savedState);

    const CSelection& selection() const { return m_selection; }
    // CSelection::kNoLeague when no league is chosen.
    std::size_t currentLeague() const { return m_selection.league; }
    uint32_t currentTeam() const { return m_selection.team; }
    uint32_t currentPlayer() const { return m_selection.player; }
    // The team as listed by the league at that position; its player is kept only when the
    // team stays the same. A team of 0 chooses the league alone.
    void selectTeam(std::size_t league, uint32_t team);
    // The team under the current league when it lists the team, else under the first
    // league that does (none when no league does).
    void setCurrentTeam(uint32_t id);
    // Nothing happens for a player the current team does not list.
    void setCurrentPlayer(uint32_t id);

    CPlayer clipboardPlayer;  // id 0 while nothing was copied
    uint32_t clipboardCutFrom = 0;  // the team the clipboard player was cut from; 0 for a copy
    CTeam clipboardTeam;      // id 0 while nothing was copied

signals:
    void changed(const CChange& change);
    // An edit the gate refused (UTF-8 text, one line per problem); nothing changed.
    void refused(const QString& message);
    void reset();
    void modifiedChanged(bool modified);
    void currentTeamChanged(uint32_t id);
    void currentPlayerChanged(uint32_t id);
    // Any level of the selection moved, by a view's choice or after a change; sent after
    // the per-level signals.
    void selectionChanged();

private:
    friend class CChangeCommand;
    CTextEncoding encoding() const { return encodingForLanguage(m_db.languageCode()); }
    void put(const CChange& change, bool after);
    // Settles the selection against the change (leaguesBefore: the league list on the side
    // the database has just left), announces the change, then the selection if it moved.
    void announce(const CChange& change, const std::optional<std::vector<CLeague>>& leaguesBefore);
    void moveSelection(const CSelection& to);
    void announceSelection(const CSelection& was);
    void announceModified();

    CDatabase m_db;
    QUndoStack m_history;
    CSelection m_selection;
    bool m_lastModified = false;
};
