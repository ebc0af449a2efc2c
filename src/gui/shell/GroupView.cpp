#include "shell/GroupView.h"

#include "shell/LeagueTree.h"

#include <QVBoxLayout>

CGroupView::CGroupView(CObrixApp& app, QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* tree = new CLeagueTree(app, false, true, this);
    tree->setObjectName("leagueTree");
    layout->addWidget(tree);
}

CLeagueTree* CGroupView::tree() const { return findChild<CLeagueTree*>("leagueTree"); }
void CGroupView::refresh() {}
void CGroupView::selectTeam(uint32_t) {}
uint32_t CGroupView::find(const std::string&) { return 0; }
uint32_t CGroupView::selectedValue() const { return 0; }
bool CGroupView::leagueSelected() const { return false; }
bool CGroupView::teamSelected() const { return false; }
QString CGroupView::selectedText() const { return {}; }
void CGroupView::setSelectedLeagueText(const QString&) {}
bool CGroupView::canCopy() const { return false; }
bool CGroupView::canPaste() const { return false; }
bool CGroupView::canDelete() const { return false; }
void CGroupView::copy() {}
void CGroupView::paste() {}
void CGroupView::deleteSelected() {}
void CGroupView::newLeague() {}
