#include "shell/MainFrame.h"

#include "app/ObrixApp.h"
#include "shell/DataView.h"
#include "shell/GroupView.h"
#include "shell/RosterView.h"

#include <QSplitter>
#include <QStatusBar>

struct CMainFrame::CPrivate
{
};

CMainFrame::CMainFrame(CObrixApp& app, QWidget* parent) : QMainWindow(parent), m_app(app)
{
    auto* rows = new QSplitter(Qt::Vertical, this);
    auto* columns = new QSplitter(Qt::Horizontal, rows);
    m_groupView = new CGroupView(app, columns);
    m_dataView = new CDataView(app, columns);
    m_rosterView = new CRosterView(app, rows);
    setCentralWidget(rows);
}

CMainFrame::~CMainFrame() = default;

CGroupView* CMainFrame::groupView() const { return m_groupView; }
CRosterView* CMainFrame::rosterView() const { return m_rosterView; }
CDataView* CMainFrame::dataView() const { return m_dataView; }

void CMainFrame::showTeamInRoster(uint32_t teamId) { m_rosterView->showTeam(teamId); }
void CMainFrame::selectPlayer(uint32_t playerId) { m_rosterView->selectPlayer(playerId); }

void CMainFrame::clearAndRefresh()
{
    m_rosterView->clear();
    m_groupView->refresh();
}

void CMainFrame::setStatusText(const QString& text) { statusBar()->showMessage(text); }
QString CMainFrame::lastSearchText() const { return m_lastSearchText; }
uint32_t CMainFrame::rememberedTeam() const { return m_rememberedTeam; }
