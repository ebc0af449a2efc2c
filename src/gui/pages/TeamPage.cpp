#include "pages/TeamPage.h"

CTeamPage::CTeamPage(CObrixApp& app, QWidget* parent) : QWidget(parent), m_app(app) {}
void CTeamPage::showTeam(uint32_t teamId) { m_teamId = teamId; }
uint32_t CTeamPage::teamShown() const { return m_teamId; }
