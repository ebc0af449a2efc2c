#pragma once

#include <QMainWindow>

#include <cstdint>

class CObrixApp;
class CGroupView;
class CRosterView;
class CDataView;

// The single main window: the three panes, menu, toolbar, status bar, shortcuts, and
// the commands that act on them.
class CMainFrame : public QMainWindow
{
    Q_OBJECT

public:
    explicit CMainFrame(CObrixApp& app, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CGroupView* groupView() const;
    CRosterView* rosterView() const;
    CDataView* dataView() const;

    // Show team in roster, and select player on the Player page.
    void showTeamInRoster(uint32_t teamId);
    void selectPlayer(uint32_t playerId);
    // The roster cleared (with the Player page) and the league tree refreshed.
    void clearAndRefresh();
    void setStatusText(const QString& text);

    QString lastSearchText() const;
    uint32_t rememberedTeam() const;

private:
    struct CPrivate;
    CObrixApp& m_app;
    CGroupView* m_groupView = nullptr;
    CRosterView* m_rosterView = nullptr;
    CDataView* m_dataView = nullptr;
    QString m_lastSearchText;
    uint32_t m_rememberedTeam = 0;
};
