#include "shell/DataPropSheet.h"

#include "app/ObrixApp.h"
#include "pages/ComparePage.h"
#include "pages/PlayerPage.h"
#include "pages/StatsPage.h"
#include "pages/TeamPage.h"
#include "pages/TransferPage.h"
#include "widgets/AppIcons.h"

#include <QCoreApplication>
#include <QIcon>
#include <QShowEvent>
#include <QTabBar>
#include <QVBoxLayout>

#include <functional>

namespace
{
// The tab of a page that is made the first time the tab is shown or the page asked for.
// The window opens on the Player page; the Team, Transfer, Stats and Compare pages with
// their pictures, trees and tables were a good part of its start-up while nobody could
// see them.
class CDeferredPage : public QWidget
{
public:
    CDeferredPage(std::function<QWidget*(QWidget*)> make, QWidget* parent) : QWidget(parent), m_make(std::move(make))
    {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    QWidget* made() const { return m_page; }
    QWidget* page()
    {
        if (!m_page)
        {
            m_page = m_make(this);
            layout()->addWidget(m_page);
            if (isVisible()) m_page->show();
        }
        return m_page;
    }

protected:
    void showEvent(QShowEvent* event) override
    {
        // Made while the tab is being shown, the page still gets a show of its own, so it
        // fills itself as a page brought to the front always does.
        page();
        QWidget::showEvent(event);
    }

private:
    std::function<QWidget*(QWidget*)> m_make;
    QWidget* m_page = nullptr;
};
}  // namespace

CDataPropSheet::CDataPropSheet(CObrixApp& app, QWidget* parent) : QTabWidget(parent), m_app(app)
{
    setWindowTitle(tr("Data Sheet"));
    m_playerPage = new CPlayerPage(app, this);
    addTab(m_playerPage, appIcon("player"), tr("Player"));
    CObrixApp* shared = &app;
    addTab(new CDeferredPage(
               [shared](QWidget* tab) {
                   // Made late, it starts on the team the rest of the window shows.
                   auto* page = new CTeamPage(*shared, tab);
                   page->showTeam(shared->document().currentTeam());
                   return page;
               },
               this),
           appIcon("team"), tr("Team"));
    addTab(new CDeferredPage([shared](QWidget* tab) { return new CTransferPage(*shared, tab); }, this),
           appIcon("transfer"), tr("Transfer"));
    addTab(new CDeferredPage([shared](QWidget* tab) { return new CStatsPage(*shared, tab); }, this),
           appIcon("stats"), tr("Stats"));
    addTab(new CDeferredPage([shared](QWidget* tab) { return new CComparePage(*shared, tab); }, this),
           appIcon("compare"), tr("Compare"));
    // What a page's box holds is settled while the tab is pressed, before the pages trade
    // places: a refusal's message then comes between two whole states of the sheet, not
    // in the middle of the switch, where its window took the tab bar's click.
    connect(tabBar(), &QTabBar::tabBarClicked, this, [this] { commitPendingEdits(); });
    connect(&app.document(), &CDocument::selectionChanged, this, &CDataPropSheet::followSelection);
}

void CDataPropSheet::followSelection()
{
    const CDocument& doc = m_app.document();
    const uint32_t player = doc.currentPlayer();
    if (player == 0)
    {
        if (m_playerPage->playerShown() != 0) m_playerPage->clearPage();
    }
    else if (m_playerPage->playerShown() != player)
        m_playerPage->selectPlayer(player);
    if (CTeamPage* page = teamPageIfMade(); page && page->teamShown() != doc.currentTeam())
        page->showTeam(doc.currentTeam());
}

bool CDataPropSheet::commitPendingEdits()
{
    const bool player = m_playerPage->commitPendingEdits();
    CTeamPage* teamPage = teamPageIfMade();
    const bool team = !teamPage || teamPage->commitPendingEdits();
    return player && team;
}

bool CDataPropSheet::hasPendingEdits() const
{
    CTeamPage* teamPage = teamPageIfMade();
    return m_playerPage->hasPendingEdits() || (teamPage && teamPage->hasPendingEdits());
}

CPlayerPage* CDataPropSheet::playerPage() const { return m_playerPage; }
CTeamPage* CDataPropSheet::teamPage() const { return static_cast<CTeamPage*>(page(TeamTab)); }
CTeamPage* CDataPropSheet::teamPageIfMade() const
{
    return static_cast<CTeamPage*>(static_cast<CDeferredPage*>(widget(TeamTab))->made());
}
CTransferPage* CDataPropSheet::transferPage() const { return static_cast<CTransferPage*>(page(TransferTab)); }
CStatsPage* CDataPropSheet::statsPage() const { return static_cast<CStatsPage*>(page(StatsTab)); }

QWidget* CDataPropSheet::page(int tab) const
{
    QWidget* w = widget(tab);
    if (auto* deferred = dynamic_cast<CDeferredPage*>(w)) return deferred->page();
    return w;
}

void CDataPropSheet::refreshActivePage()
{
    // Pages look at the database when shown; the page on top is told so again, without
    // hiding it (which would take the focus away).
    if (QWidget* shownPage = page(currentIndex()); shownPage && shownPage->isVisible())
    {
        QShowEvent shown;
        QCoreApplication::sendEvent(shownPage, &shown);
    }
}
