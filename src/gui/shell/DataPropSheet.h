#pragma once

#include <QTabWidget>

#include <cstdint>

class CObrixApp;
class CPlayerPage;
class CTeamPage;
class CTransferPage;
class CStatsPage;

// The tabbed sheet of editing pages: Player, Team, Transfer, Stats, Compare.
class CDataPropSheet : public QTabWidget
{
    Q_OBJECT

public:
    enum CTab
    {
        PlayerTab = 0,
        TeamTab = 1,
        TransferTab = 2,
        StatsTab = 3,
        CompareTab = 4,
    };

    explicit CDataPropSheet(CObrixApp& app, QWidget* parent = nullptr);

    int activePage() const { return currentIndex(); }
    void bringToFront(int tab) { setCurrentIndex(tab); }

    // The page on show looks again at the database, as if it had just been shown:
    // after an import, pages with trees of their own refill them.
    void refreshActivePage();

    // Commits what the Player and Team pages' text boxes hold and the user has not
    // confirmed yet: every command and the exit question see all that was typed. False
    // when a value was refused (the user was told; the box keeps it for correcting).
    bool commitPendingEdits();
    bool hasPendingEdits() const;

    // The Player and Team pages show the document's current player and team, or nothing
    // when none is chosen: never a record of their own keeping.
    void followSelection();

    CPlayerPage* playerPage() const;
    // Made when first asked for or shown, like the pages after it.
    CTeamPage* teamPage() const;
    // The Team page if it has been made, else null: what it would show is set when it is.
    CTeamPage* teamPageIfMade() const;
    // Made when first asked for or shown, like the Stats and Compare pages.
    CTransferPage* transferPage() const;
    // The page of a tab, made now if it was not yet.
    QWidget* page(int tab) const;
    CStatsPage* statsPage() const;

private:
    CObrixApp& m_app;
    CPlayerPage* m_playerPage = nullptr;
};
