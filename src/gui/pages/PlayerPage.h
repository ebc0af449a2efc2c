#pragma once

#include <QWidget>

#include <array>
#include <cstdint>

class QLabel;
class QProgressBar;

class CObrixApp;

// Tab 0. Until the full page arrives it shows the selected player read-only; the calls
// the rest of the window makes on it are already the final ones.
class CPlayerPage : public QWidget
{
    Q_OBJECT

public:
    explicit CPlayerPage(CObrixApp& app, QWidget* parent = nullptr);

    // Stores the page into the player shown so far, then shows the new player.
    void selectPlayer(uint32_t playerId);
    // Reloads the controls from the record.
    void showPlayer(uint32_t playerId);
    // Writes the controls into the player record.
    void storePage();
    // Empties and disables the page; a later store writes nothing.
    void clearPage();
    uint32_t playerShown() const;

private:
    void setEmpty();

    CObrixApp& m_app;
    uint32_t m_playerId = 0;
    QWidget* m_content = nullptr;
    QLabel* m_name = nullptr;
    QLabel* m_letter = nullptr;
    QLabel* m_number = nullptr;
    QLabel* m_position = nullptr;
    QLabel* m_commentary = nullptr;
    QLabel* m_hair = nullptr;
    QLabel* m_hairColour = nullptr;
    QLabel* m_face = nullptr;
    QLabel* m_facialHair = nullptr;
    QLabel* m_skin = nullptr;
    QLabel* m_rating = nullptr;
    std::array<QProgressBar*, 13> m_skills{};
    std::array<QLabel*, 13> m_skillValues{};
};
