#pragma once

#include <QWidget>

#include <cstdint>
#include <vector>

class CObrixApp;
class CChange;
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

    // The "<---->" button.
    void transfer();
    // Whether the two selections are two different teams, or two different players, that
    // the button would swap.
    bool canSwapTeams() const;
    bool canSwapPlayers() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void open();
    void fillTrees();
    // Refill both trees keeping what was open and selected (a moved player is found
    // where it went).
    void updateHint();
    bool dropOn(CLeagueTree& tree, CLeagueTree& other, const CNodeDrag& drag, QObject* source,
                const QModelIndex& target, bool copying, bool perform);
    CTransferSide sideOf(const CLeagueTree& tree) const;
    // After a swap, selects the nodes that stand where the selected ones stood.
    void selectAfterSwap(const CTransferResult& result, const CTransferSide& left, const CTransferSide& right);

    CObrixApp& m_app;
    CLeagueTree* m_left = nullptr;
    CLeagueTree* m_right = nullptr;
    QPushButton* m_button = nullptr;
    QLabel* m_hint = nullptr;
    bool m_opened = false;
};
