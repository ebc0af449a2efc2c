#include "pages/PlayerPage.h"

CPlayerPage::CPlayerPage(CObrixApp& app, QWidget* parent) : QWidget(parent), m_app(app) {}
void CPlayerPage::selectPlayer(uint32_t playerId) { showPlayer(playerId); }
void CPlayerPage::showPlayer(uint32_t playerId) { m_playerId = playerId; }
void CPlayerPage::storePage() {}
void CPlayerPage::clearPage() { m_playerId = 0; }
uint32_t CPlayerPage::playerShown() const { return m_playerId; }
