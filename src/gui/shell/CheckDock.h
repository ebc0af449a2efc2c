#pragma once

#include "editing/DatabaseCheck.h"

#include "shell/SortedListModel.h"
#include <QDockWidget>

#include <vector>

class CDatabase;
class QLabel;
class QTableView;

// The problems of a database check as a table: severity, code, record, message.
class CCheckListModel : public CSortedListModel
{
    Q_OBJECT

public:
    enum CColumn
    {
        SeverityColumn,
        CodeColumn,
        RecordColumn,
        MessageColumn,
        ColumnCount
    };

    CCheckListModel(const CDatabase& db, QObject* parent = nullptr);
    void setProblems(std::vector<CCheckProblem> problems);
    const CCheckProblem& problemAt(int row) const { return m_problems[item(row)]; }
    const std::vector<CCheckProblem>& problems() const { return m_problems; }

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    const CDatabase& m_db;
    std::vector<CCheckProblem> m_problems;
};

// Edit > Check Database...: a dockable list of the problems; a double-click asks to go
// to the problem's record.
class CCheckDock : public QDockWidget
{
    Q_OBJECT

public:
    CCheckDock(const CDatabase& db, QWidget* parent = nullptr);

    // Runs the check on the database as it stands and shows what it found.
    void runCheck();
    QTableView* list() const { return m_list; }
    CCheckListModel* model() const { return m_model; }

signals:
    void recordActivated(CRecordKind kind, uint32_t id, bool wholeDatabase);

private:
    // Rows a column's width is measured on.
    static constexpr int kMeasuredRows = 400;

    const CDatabase& m_db;
    QTableView* m_list = nullptr;
    QLabel* m_summary = nullptr;
    CCheckListModel* m_model = nullptr;
};
