#pragma once

#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;

class CColourPicker;
class CObrixApp;
class CPictureListBox;
class CTeamEditSession;

// Tab 1: edits the team chosen in the league tree - names, bankroll and both kits. The
// rules live in CTeamEditSession; the page copies its controls into the session's state,
// calls it, and shows the result.
class CTeamPage : public QWidget
{
    Q_OBJECT

public:
    explicit CTeamPage(CObrixApp& app, QWidget* parent = nullptr);
    ~CTeamPage() override;

    // Stores the team shown so far (unless it is this one), then shows the team.
    void showTeam(uint32_t teamId);
    // Writes the names and bankroll into the team record.
    void storePage();
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
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void takeControls();
    void showState();
    template <typename Call>
    void run(Call call);
    void onModelStepped(int list, int value);
    void startWeftor(int side);
    void relabel(uint32_t teamId);

    CObrixApp& m_app;
    std::unique_ptr<CTeamEditSession> m_session;
    bool m_busy = false;
    // What each model list showed before its latest change, so a step knows its way.
    std::array<int, 6> m_previousModel{};
    std::array<int, 6> m_currentModel{};
    std::array<int, 6> m_shownModels{};

    QWidget* m_content = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_abbreviation = nullptr;
    QLineEdit* m_shortName = nullptr;
    QLineEdit* m_bankroll = nullptr;
    std::array<QLabel*, 2> m_descriptions{};
    std::array<CPictureListBox*, 6> m_models{};
    std::array<CColourPicker*, 14> m_colours{};
    std::array<QPushButton*, 2> m_edit{};
    std::array<QPushButton*, 2> m_presetColours{};
};
