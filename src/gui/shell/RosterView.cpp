#include "shell/RosterView.h"

CRosterView::CRosterView(CObrixApp&, QWidget* parent) : QWidget(parent) {}
void CRosterView::showTeam(uint32_t) {}
void CRosterView::refresh() {}
void CRosterView::refreshKeepingPlayer() {}
void CRosterView::selectPlayer(uint32_t) {}
void CRosterView::clear() {}
uint32_t CRosterView::teamShown() const { return 0; }
int CRosterView::rowCount() const { return 0; }
bool CRosterView::canCopy() const { return false; }
bool CRosterView::canPaste() const { return false; }
bool CRosterView::canDelete() const { return false; }
void CRosterView::copy() {}
void CRosterView::paste() {}
void CRosterView::deleteSelected() {}
