#pragma once

#include <QWidget>

#include <cstdint>

class CObrixApp;

// Tab 1. Until the full page arrives it shows the selected team read-only.
class CTeamPage : public QWidget
{
    Q_OBJECT

public:
    explicit CTeamPage(CObrixApp& app, QWidget* parent = nullptr);

    void showTeam(uint32_t teamId);
    uint32_t teamShown() const;

private:
    CObrixApp& m_app;
    uint32_t m_teamId = 0;
};
