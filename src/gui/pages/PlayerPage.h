#pragma once

#include "pages/EditPage.h"

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
enum class CPlayerField;

// Tab 0: edits the player chosen in the roster. The rules live in CPlayerEditSession;
// each control hands its value to the session the moment the user is done with it.
class CPlayerPage : public CEditPage
{
    Q_OBJECT

public:
    explicit CPlayerPage(CObrixApp& app, QWidget* parent = nullptr);
    ~CPlayerPage() override;

    // Shows the player and takes the copy Reset All goes back to.
    void selectPlayer(uint32_t playerId);
    // Reloads the controls from the record.
    void showPlayer(uint32_t playerId);
    // Empties and disables the page.
    void clearPage();
    uint32_t playerShown() const;

    // Reached by tests and screenshots.
    QLineEdit* nameBox() const { return m_name; }
    QLineEdit* letterBox() const { return m_letter; }
    QSpinBox* skillSpin(int skill) const { return m_skills[static_cast<std::size_t>(skill)]; }
    QComboBox* numberList() const { return m_number; }
    QComboBox* positionList() const { return m_position; }
    CPictureListBox* hairList() const { return m_hair; }
    QPushButton* presetButton(int preset) const { return m_presets[static_cast<std::size_t>(preset)]; }
    QPushButton* maxAttributesButton() const { return m_maxAttributes; }
    QPushButton* resetAllButton() const { return m_resetAll; }
    QLineEdit* ratingBox() const { return m_rating; }

protected:
    void showState() override;

private:
    void buildIdentity();
    void buildLooks();
    void buildSkills();
    void buildPresets();
    // The hidden nationality list: the countries of the database, each with its code.
    void fillNationalities();
    void commitValue(CPlayerField field, int value, int skill = 0);

    std::unique_ptr<CPlayerEditSession> m_session;

    QGroupBox* m_identityGroup = nullptr;
    QGroupBox* m_looksGroup = nullptr;
    QGroupBox* m_skillsGroup = nullptr;
    QGroupBox* m_presetsGroup = nullptr;
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
