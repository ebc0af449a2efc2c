#pragma once

#include <QWidget>

class CObrixApp;
class CLeagueTree;
class QListWidget;
class QPushButton;

// Tab 4 of the data sheet: a team picked in each tree, and under each tree the players
// of that team the other team has nobody of the same name for. It only reads.
class CComparePage : public QWidget
{
    Q_OBJECT

public:
    explicit CComparePage(CObrixApp& app, QWidget* parent = nullptr);

    // What "&Compare" does.
    void compare();

    CLeagueTree* leftTree() const { return m_leftTree; }
    CLeagueTree* rightTree() const { return m_rightTree; }
    QPushButton* compareButton() const { return m_compareButton; }
    QListWidget* leftList() const { return m_leftList; }
    QListWidget* rightList() const { return m_rightList; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    CObrixApp& m_app;
    CLeagueTree* m_leftTree;
    CLeagueTree* m_rightTree;
    QPushButton* m_compareButton;
    QListWidget* m_leftList;
    QListWidget* m_rightList;
    bool m_filled = false;
};
