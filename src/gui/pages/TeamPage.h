#pragma once

#include "pages/EditPage.h"

#include <array>
#include <cstdint>
#include <memory>

#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

class CColourPicker;
class CObrixApp;
class CPictureListBox;
class CTeamEditSession;

// Tab 1: edits the team chosen in the league tree - names, bankroll and both kits. The
// rules live in CTeamEditSession; each control hands its value to the session the moment
// the user is done with it.
class CTeamPage : public CEditPage
{
    Q_OBJECT

public:
    explicit CTeamPage(CObrixApp& app, QWidget* parent = nullptr);
    ~CTeamPage() override;

    // Shows the team (the record may have changed since it was last shown).
    void showTeam(uint32_t teamId);
    uint32_t teamShown() const;

    // Reached by tests and screenshots.
    QLineEdit* nameBox() const { return m_name; }
    QLineEdit* abbreviationBox() const { return m_abbreviation; }
    QLineEdit* shortNameBox() const { return m_shortName; }
    QLineEdit* bankrollBox() const { return m_bankroll; }
    QLabel* descriptionBox(int side) const { return m_descriptions[std::size_t(side)]; }
    CPictureListBox* modelList(int list) const { return m_models[std::size_t(list)]; }
    CColourPicker* colourButton(int button) const { return m_colours[std::size_t(button)]; }
    QPushButton* editButton(int side) const { return m_edit[std::size_t(side)]; }
    QPushButton* presetColoursButton(int side) const { return m_presetColours[std::size_t(side)]; }

protected:
    void showEvent(QShowEvent* event) override;
    void showState() override;

private:
    QGroupBox* buildNames();
    QGroupBox* buildKit(int side);
    void startWeftor(int side);
    // Looks for the jersey editor again and offers Edit... only when it is there.
    void findJerseyEditor();

    std::unique_ptr<CTeamEditSession> m_session;

    QLineEdit* m_name = nullptr;
    QLineEdit* m_abbreviation = nullptr;
    QLineEdit* m_shortName = nullptr;
    QLineEdit* m_bankroll = nullptr;
    std::array<QLabel*, 2> m_descriptions{};
    std::array<CPictureListBox*, 6> m_models{};
    std::array<CColourPicker*, 14> m_colours{};
    std::array<QPushButton*, 2> m_edit{};
    std::array<QPushButton*, 2> m_presetColours{};
    QString m_weftor;  // the jersey editor's program; empty when it was not found
};
