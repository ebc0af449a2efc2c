#pragma once

#include "editing/FieldChanges.h"

#include <QDockWidget>

#include <functional>
#include <memory>
#include <vector>

class CDatabase;
class CChangeListModel;
class QLabel;
class QTabBar;
class QTableView;

// View > Changes: what the database in the editor holds that differs from the files as
// they were loaded (the unsaved changes) or from the game folder's backup, record by
// record and field by field. The two databases to compare against are read from disk
// when asked for, so a save or a restore needs nothing but a refresh.
class CChangesDock : public QDockWidget
{
    Q_OBJECT

public:
    enum CBase
    {
        LoadedFiles = 0,
        Backup = 1,
    };
    // Reads the database to compare against: null with a reason when there is none.
    using CBaseLoader = std::function<std::unique_ptr<CDatabase>(CBase, std::string& why)>;

    CChangesDock(const CDatabase& db, CBaseLoader loader, QWidget* parent = nullptr);
    ~CChangesDock() override;

    // Compares again; the base is read again only when forgetBase() was called.
    void refresh();
    // The files on disk changed (save, restore, reload): read the bases again next time.
    void forgetBase();
    void setBase(CBase base);
    CBase base() const;

    QTableView* list() const { return m_list; }
    CChangeListModel* model() const { return m_model; }

    // The changes that put the selected differences back (the field ones), or every
    // difference of the selected rows' records.
    std::vector<CFieldChange> revertOfSelection(bool wholeRecords) const;

signals:
    void recordActivated(CRecordKind kind, uint32_t id);
    // Revert asked for: the caller applies these as one step, then refreshes.
    void revertRequested(const std::vector<CFieldChange>& changes);

private:
    const CDatabase& m_db;
    CBaseLoader m_loader;
    std::unique_ptr<CDatabase> m_bases[2];
    bool m_baseRead[2] = {false, false};
    QString m_baseProblem[2];
    QTabBar* m_tabs = nullptr;
    QTableView* m_list = nullptr;
    QLabel* m_summary = nullptr;
    QLabel* m_folds = nullptr;
    CChangeListModel* m_model = nullptr;
};
