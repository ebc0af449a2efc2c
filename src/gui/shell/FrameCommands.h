#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>

class CObrixApp;
class CMainFrame;
class CCommandTable;
class CExchangeCommands;
class CBulkEditCommands;
class CPlayerMoveCommands;
class CHelpWindow;
class QUndoStack;

// The main window's own commands: their rows in the command table (the exchange and
// bulk-edit commands add theirs in menu order), and what each does.
class CFrameCommands : public QObject
{
    Q_OBJECT

public:
    CFrameCommands(CObrixApp& app, CMainFrame& frame, CExchangeCommands& exchange, CBulkEditCommands& bulkEdit,
                   CPlayerMoveCommands& moves);
    ~CFrameCommands() override;

    CCommandTable& table() const { return *m_table; }
    QString lastSearchText() const { return m_lastSearchText; }
    uint32_t rememberedTeam() const { return m_rememberedTeam; }
    // Closes the help with the window it belongs to.
    void closeHelp();

private:
    void addFileCommands();
    void addEditCommands();
    void addViewAndHelpCommands();
    void nameUndoSteps();
    // Undo (back) or Redo, said in the status line.
    void stepThrough(QUndoStack* history, bool back);
    // After a command that may have taken a step: the status line names it, unless the
    // command said something of its own.
    void sayStepTaken(int stepsBefore, const QString& statusBefore);
    QString statusMessage() const;

    void saveData();
    void copy();
    bool canPaste() const;
    void paste();
    void cut();
    void deleteSelected();
    bool canSwap(bool teams) const;
    void swap();
    void showHistory();
    void showHelp(const QString& page);
    void makeJerseyThumbnails();
    void find();
    void runFind();
    void leagueName();
    void globalModifications();
    void rememberCurrentTeam();
    void applyRememberedTeam();

    CObrixApp& m_app;
    CMainFrame& m_frame;
    CExchangeCommands& m_exchange;
    CBulkEditCommands& m_bulkEdit;
    CPlayerMoveCommands& m_moves;
    CCommandTable* m_table = nullptr;
    QString m_lastSearchText;
    uint32_t m_rememberedTeam = 0;
    QWidget* m_historyWindow = nullptr;
    CHelpWindow* m_helpWindow = nullptr;  // a window of its own, not owned by the frame
};
