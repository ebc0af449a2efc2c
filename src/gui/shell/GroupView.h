#pragma once

#include "editing/Selection.h"

#include <QWidget>

#include <cstdint>
#include <string>

class CObrixApp;
class CLeagueTree;

// The left pane: one league tree (no players, reporting selections) and the commands
// on leagues and teams.
class CGroupView : public QWidget
{
    Q_OBJECT

public:
    explicit CGroupView(CObrixApp& app, QWidget* parent = nullptr);

    CLeagueTree* tree() const;

    // Refills the tree, keeps what was open and selects again the team selected before,
    // where it was.
    void refresh();
    // Under the league node of that value when it lists the team, else its first node.
    void selectTeam(uint32_t teamId, uint32_t leagueValue = 0);
    // The search behind Find and Find Again; the id of the player found, or 0 after the
    // failure message.
    uint32_t find(const std::string& text);

    // Node value of the selection (200000 + position for a league, the team id for a
    // team), 0 when nothing is selected.
    uint32_t selectedValue() const;
    bool leagueSelected() const;
    bool teamSelected() const;
    // A league that came from an import: Delete takes it out of the editor.
    bool importedLeagueSelected() const;
    // The text of the selected node, as shown.
    QString selectedText() const;
    // Gives the selected league node a new text after League Name.
    void setSelectedLeagueText(const QString& text);

    bool canCopy() const;
    bool canPaste() const;
    bool canDelete() const;
    void copy();
    void paste();
    void deleteSelected();
    void newLeague();
    // New League with the name already chosen (the dialog's part done).
    void newLeagueNamed(const QString& name);

signals:
    void teamSelected(uint32_t teamId);
    // A delete left a game league with an odd number of slots, which the save refuses.
    void leagueLeftOdd(const QString& message);
    void nodeDoubleClicked();

private:
    void deleteImportedLeague(std::size_t position);
    // Selects the node of the document's current team (or league), or none.
    void followSelection();

    CObrixApp& m_app;
    CLeagueTree* m_tree;
    CSelection m_followed;  // the league and team the tree last showed for the document
};
