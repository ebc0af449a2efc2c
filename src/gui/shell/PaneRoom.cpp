#include "shell/PaneRoom.h"

#include <QSplitter>

#include <algorithm>

CPaneRoom::CPaneRoom(QSplitter* rows, QSplitter* columns, QObject* parent)
    : QObject(parent), m_rows(rows), m_columns(columns)
{
}

void CPaneRoom::setSheetWide(bool wide)
{
    if (wide == m_wide) return;
    QWidget* roster = m_rows->widget(1);
    QWidget* tree = m_columns->widget(0);
    if (wide)
    {
        m_rowSizes = m_rows->sizes();
        m_columnSizes = m_columns->sizes();
        m_wide = true;
        roster->hide();
        const int total = m_columns->width();
        const int treeWidth = std::max(tree->minimumSizeHint().width(), total * kTreeShare / 100);
        // A tree the user already made narrow stays as it is.
        if (m_columnSizes.value(0) > treeWidth) m_columns->setSizes({treeWidth, total - treeWidth});
        return;
    }
    m_wide = false;
    roster->show();
    m_rows->setSizes(m_rowSizes);
    m_columns->setSizes(m_columnSizes);
}

QList<int> CPaneRoom::rowSizes() const { return m_wide ? m_rowSizes : m_rows->sizes(); }
QList<int> CPaneRoom::columnSizes() const { return m_wide ? m_columnSizes : m_columns->sizes(); }
