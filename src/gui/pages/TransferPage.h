#pragma once

#include <QWidget>

#include <cstdint>
#include <vector>

class CObrixApp;
class CLeagueTree;
class QLabel;
class QModelIndex;
class QObject;
class QPushButton;
struct CNodeDrag;
struct CTransferResult;
struct CTransferSide;

// Tab 2 of the data sheet: the whole database twice, side by side, and one button that
// moves a player, swaps two players or swaps two teams between the two selections.
class CTransferPage : public QWidget
{
    Q_OBJECT

public:
    explicit CTransferPage(CObrixApp& app, QWidget* parent = nullptr);

    CLeagueTree* leftTree() const { return m_left; }
    CLeagueTree* rightTree() const { return m_right; }
    QPushButton* transferButton() const { return m_button; }
    QLabel* hintLine() const { return m_hint; }
    bool opened() const { return m_opened; }

    // After Paste player elsewhere: the player shows under the team in both trees.
    void playerAdded(uint32_t playerId, uint32_t teamId);
    // The "<---->" button.
    void transfer();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void open();
    void fillTrees();
    // Refill both trees keeping what was open and selected (a moved player is found
    // where it went).
    void refillKeepingOpen();
    void updateHint();
    bool dropOn(CLeagueTree& tree, CLeagueTree& other, const CNodeDrag& drag, QObject* source,
                const QModelIndex& target, bool copying, bool perform);
    CTransferSide sideOf(const CLeagueTree& tree) const;
    void movePlayerNode(CLeagueTree& tree, uint32_t playerId, uint32_t fromTeam, uint32_t toTeam);
    void relabelTeam(CLeagueTree& tree, uint32_t teamId);
    // Refill both trees after a swap, keeping what was open and selecting again the
    // nodes that stand where the selected ones stood.
    void refillAfterSwap(const CTransferResult& result, const CTransferSide& left, const CTransferSide& right);

    CObrixApp& m_app;
    CLeagueTree* m_left = nullptr;
    CLeagueTree* m_right = nullptr;
    QPushButton* m_button = nullptr;
    QLabel* m_hint = nullptr;
    bool m_opened = false;
};
