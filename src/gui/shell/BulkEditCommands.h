#pragma once

#include "editing/FieldChanges.h"

#include <QObject>

#include <string>
#include <unordered_set>

#include <vector>

class CObrixApp;
class CMainFrame;
class CCommandTable;
class CCheckDock;
class CChangesDock;
class QAction;
class QMenu;

// The window's commands over the whole database at once: File > Export Table... and
// Import Table... (with the preview), Edit > Check Database... and View > Changes, and
// the check that Save Data runs first.
class CBulkEditCommands : public QObject
{
    Q_OBJECT

public:
    CBulkEditCommands(CObrixApp& app, CMainFrame& frame);
    // The rows of Import Table... and Export Table... (File), and of Check Database...
    // (Edit) and Changes (View): each added last to its group.
    void addTableCommands(CCommandTable& table);
    void addReviewCommands(CCommandTable& table);

    QAction* exportTableAction() const { return m_export; }
    QAction* importTableAction() const { return m_import; }
    QAction* checkAction() const { return m_check; }
    // View > Changes: shows and hides the list, which is made the first time it is shown.
    QAction* changesAction() const { return m_changes; }

    void exportTable();
    void importTable();
    void checkDatabase();
    // Before a save: true when the check finds no errors; otherwise the errors are shown
    // in the Check Database list, the user is told, and the save must not go on.
    // Errors stop the save; warnings the edits brought are asked about once. True: save.
    bool checkBeforeSave();
    // The warnings of the game's files as they are on disk, which a save does not ask about.
    std::unordered_set<std::string> warningsOfTheFiles() const;
    // The files on disk changed (save, restore, reload): the Changes list compares
    // against them afresh.
    void filesChanged();

    // Applies changes as one step of the history and shows the result in the views.
    void applyAsOneStep(const std::vector<CFieldChange>& changes, const char* stepName);
    // League, team or player selected in the tree and roster, its page in front.
    void goToRecord(CRecordKind kind, uint32_t id);

    CCheckDock* checkDock();
    CChangesDock* changesDock();

private:
    CObrixApp& m_app;
    CMainFrame& m_frame;
    QAction* m_export = nullptr;
    QAction* m_import = nullptr;
    QAction* m_check = nullptr;
    QAction* m_changes = nullptr;
    CCheckDock* m_checkDock = nullptr;
    CChangesDock* m_changesDock = nullptr;
};
