#pragma once

#include "editing/TableExchange.h"

#include <QDialog>

class CDatabase;
class CChangeListModel;
class QTableView;

// What an import would change, before it changes anything: every change in a sortable
// list, and how many each field gets. OK applies them (the caller does, as one step).
class CImportPreviewDialog : public QDialog
{
    Q_OBJECT

public:
    CImportPreviewDialog(const CDatabase& db, const tableexchange::CImportPlan& plan, QWidget* parent = nullptr);

    QTableView* changeList() const { return m_list; }
    QTableView* countList() const { return m_counts; }
    CChangeListModel* model() const { return m_model; }

private:
    QTableView* m_list = nullptr;
    QTableView* m_counts = nullptr;
    CChangeListModel* m_model = nullptr;
};
