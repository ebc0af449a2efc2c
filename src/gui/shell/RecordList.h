#pragma once

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QString>
#include <QTableView>

// A read-only, sortable list of records for the docks: whole rows selected, one line a row,
// the model's own order until a heading is clicked.
inline QTableView* makeRecordList(QWidget* parent, QAbstractItemModel* model, const QString& objectName)
{
    auto* list = new QTableView(parent);
    list->setObjectName(objectName);
    list->setModel(model);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setAlternatingRowColors(true);
    list->setWordWrap(false);
    list->verticalHeader()->hide();
    list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list->verticalHeader()->setDefaultSectionSize(list->fontMetrics().height() + 6);
    list->horizontalHeader()->setStretchLastSection(true);
    list->setSortingEnabled(true);
    list->sortByColumn(-1, Qt::AscendingOrder);
    return list;
}
