#pragma once

#include <QWidget>

#include <array>
#include <cstdint>

class QLabel;

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
    // One line of the kit table: the model and up to three colours.
    struct CKitLine
    {
        QLabel* model = nullptr;
        std::array<QLabel*, 3> colours{};
    };
    void setEmpty();

    CObrixApp& m_app;
    uint32_t m_teamId = 0;
    QWidget* m_content = nullptr;
    QLabel* m_name = nullptr;
    QLabel* m_abbreviation = nullptr;
    QLabel* m_shortName = nullptr;
    QLabel* m_bankroll = nullptr;
    QLabel* m_players = nullptr;
    // Home jersey, shorts, socks, then the same away.
    std::array<CKitLine, 6> m_kit{};
};
