#pragma once

#include <QWidget>

#include <cstdint>

class CObrixApp;

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
    void selectPlayer(uint32_t playerId);
    void clear();
    uint32_t teamShown() const;
    int rowCount() const;

    bool canCopy() const;
    bool canPaste() const;
    bool canDelete() const;
    void copy();
    void paste();
    void deleteSelected();

signals:
    void playerSelected(uint32_t playerId);
};
