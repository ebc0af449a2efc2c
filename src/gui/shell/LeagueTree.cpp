#include "shell/LeagueTree.h"

#include <QStandardItemModel>

CLeagueTree::CLeagueTree(CObrixApp& app, bool showPlayers, bool notifyOwner, QWidget* parent)
    : QTreeView(parent), m_app(app), m_showPlayers(showPlayers), m_notifyOwner(notifyOwner),
      m_model(new QStandardItemModel(this))
{
    setModel(m_model);
}

void CLeagueTree::fill() {}
