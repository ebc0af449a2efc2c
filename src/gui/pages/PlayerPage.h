#pragma once

#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

class CObrixApp;
class CPictureListBox;
class CPlayerEditSession;

// Tab 0: edits the player chosen in the roster. The rules live in CPlayerEditSession;
// the page copies its controls into the session's state, calls it, and shows the result.
class CPlayerPage : public QWidget
{
    Q_OBJECT

public:
    explicit CPlayerPage(CObrixApp& app, QWidget* parent = nullptr);
    ~CPlayerPage() override;

    // Stores the page into the player shown so far, then shows the new player.
    void selectPlayer(uint32_t playerId);
    // Reloads the controls from the record.
    void showPlayer(uint32_t playerId);
    // Writes the controls into the player record.
    void storePage();
    // Empties and disables the page; a later store writes nothing.
    void clearPage();
    uint32_t playerShown() const;

    // Reached by tests and screenshots.
    QLineEdit* nameBox() const { return m_name; }
    QSpinBox* skillSpin(int skill) const { return m_skills[static_cast<std::size_t>(skill)]; }
    QComboBox* numberList() const { return m_number; }
    QComboBox* positionList() const { return m_position; }
    CPictureListBox* hairList() const { return m_hair; }
    QPushButton* presetButton(int preset) const { return m_presets[static_cast<std::size_t>(preset)]; }
    QPushButton* maxAttributesButton() const { return m_maxAttributes; }
    QPushButton* resetAllButton() const { return m_resetAll; }
    QLineEdit* ratingBox() const { return m_rating; }

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void takeControls();
    void showState();
    // Runs one session call between taking the controls and showing the result.
    template <typename Call>
    void run(Call call);
    void onFocusChanged(QWidget* old, QWidget* now);

    CObrixApp& m_app;
    std::unique_ptr<CPlayerEditSession> m_session;
    // A session call can refresh the roster, which may report its selection again.
    bool m_busy = false;
    // What the three picture lists showed when the page was last filled.
    std::array<int, 3> m_shownLooks{};

    QWidget* m_content = nullptr;
    QLineEdit* m_letter = nullptr;
    QLineEdit* m_name = nullptr;
    QComboBox* m_number = nullptr;
    QComboBox* m_position = nullptr;
    QComboBox* m_nationality = nullptr;
    QLabel* m_nationalityLabel = nullptr;
    QLineEdit* m_rating = nullptr;
    QCheckBox* m_commentary = nullptr;
    CPictureListBox* m_hair = nullptr;
    CPictureListBox* m_face = nullptr;
    CPictureListBox* m_facialHair = nullptr;
    QComboBox* m_skin = nullptr;
    QComboBox* m_hairColour = nullptr;
    std::array<QSpinBox*, 13> m_skills{};
    std::array<QPushButton*, 12> m_presets{};
    QPushButton* m_maxAttributes = nullptr;
    QPushButton* m_resetAll = nullptr;
};
