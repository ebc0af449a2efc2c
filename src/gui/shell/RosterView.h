#pragma once

#include <QWidget>

#include "editing/Roster.h"

#include <cstdint>

class CObrixApp;
class CChange;
class CRosterModel;
class QTableView;

// The bottom pane: the players of the team selected in the league tree, sortable by
// any column, with Copy, Paste and Delete for players.
class CRosterView : public QWidget
{
    Q_OBJECT

public:
    explicit CRosterView(CObrixApp& app, QWidget* parent = nullptr);

    void showTeam(uint32_t teamId);
    void refresh();
    void refreshKeepingPlayer();
    // Follows a change of the document: the rows again when the team shown or one of its
    // players was touched, the selection on the same player (or row, when he left).
    void followChange(const CChange& change);
    void selectPlayer(uint32_t playerId);
    // Shows the document's current team with its current player selected; empty when
    // no team is chosen.
    void followSelection();
    void clear();
    uint32_t teamShown() const;
    int rowCount() const;
    // How often the list has been filled (once per change that touches it).
    int fills() const { return m_fills; }
    // The player cut and not pasted yet, drawn greyed wherever he is listed; 0 for none.
    void showCutPlayer(uint32_t playerId);

    bool canCopy() const;
    bool canPaste() const;
    bool canDelete() const;
    void copy();
    void paste();
    void deleteSelected();

    // What a click on a column header does: sort by it, or turn the direction round.
    void sortBy(int column);
    int sortColumn() const { return m_sort.column; }
    bool sortAscending() const { return m_sort.ascending; }
    QTableView* table() const { return m_table; }
    // The player of the selected row, 0 when none.
    uint32_t selectedPlayer() const;

signals:
    void playerSelected(uint32_t playerId);

private:
    void fill(uint32_t teamId);
    int selectedRow() const;
    void selectRow(int row);
    void onSelectionChanged();
    // The team Paste and Delete work on: the one selected in the league tree.
    uint32_t treeTeam() const;

    CObrixApp& m_app;
    QTableView* m_table;
    CRosterModel* m_model;
    uint32_t m_team = 0;
    int m_lastReportedRow = -1;
    CRosterSort m_sort;
    bool m_filling = false;
    int m_fills = 0;
};
