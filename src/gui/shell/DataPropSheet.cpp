#include "shell/DataPropSheet.h"

#include "pages/ComparePage.h"
#include "pages/PlayerPage.h"
#include "pages/StatsPage.h"
#include "pages/TeamPage.h"
#include "pages/TransferPage.h"

#include <QCoreApplication>
#include <QIcon>
#include <QShowEvent>

CDataPropSheet::CDataPropSheet(CObrixApp& app, QWidget* parent) : QTabWidget(parent)
{
    setWindowTitle(QStringLiteral("Data Sheet"));
    m_playerPage = new CPlayerPage(app, this);
    m_teamPage = new CTeamPage(app, this);
    addTab(m_playerPage, QIcon(QStringLiteral(":/icons/player.svg")), QStringLiteral("Player"));
    addTab(m_teamPage, QIcon(QStringLiteral(":/icons/team.svg")), QStringLiteral("Team"));
    m_transferPage = new CTransferPage(app, this);
    addTab(m_transferPage, QIcon(QStringLiteral(":/icons/transfer.svg")), QStringLiteral("Transfer"));
    m_statsPage = new CStatsPage(app, this);
    addTab(m_statsPage, QIcon(QStringLiteral(":/icons/stats.svg")), QStringLiteral("Stats"));
    addTab(new CComparePage(app, this), QIcon(QStringLiteral(":/icons/compare.svg")), QStringLiteral("Compare"));
}

bool CDataPropSheet::commitPendingEdits()
{
    const bool player = m_playerPage->commitPendingEdits();
    const bool team = m_teamPage->commitPendingEdits();
    return player && team;
}

bool CDataPropSheet::hasPendingEdits() const
{
    return m_playerPage->hasPendingEdits() || m_teamPage->hasPendingEdits();
}

CPlayerPage* CDataPropSheet::playerPage() const { return m_playerPage; }
CTeamPage* CDataPropSheet::teamPage() const { return m_teamPage; }
CTransferPage* CDataPropSheet::transferPage() const { return m_transferPage; }

void CDataPropSheet::refreshActivePage()
{
    // Pages look at the database when shown; the page on top is told so again, without
    // hiding it (which would take the focus away).
    if (QWidget* page = currentWidget(); page && page->isVisible())
    {
        QShowEvent shown;
        QCoreApplication::sendEvent(page, &shown);
    }
}
