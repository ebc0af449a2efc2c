#pragma once

#include <QTreeView>

#include <cstdint>

class CObrixApp;
class QStandardItemModel;

// Tree of leagues, their teams and optionally each team's players.
class CLeagueTree : public QTreeView
{
    Q_OBJECT

public:
    CLeagueTree(CObrixApp& app, bool showPlayers, bool notifyOwner, QWidget* parent = nullptr);

    void fill();

signals:
    void teamSelected(uint32_t teamId);
    void nodeDoubleClicked();

private:
    CObrixApp& m_app;
    bool m_showPlayers;
    bool m_notifyOwner;
    QStandardItemModel* m_model;
};
