#pragma once

#include <QList>
#include <QObject>

class QSplitter;

// The room the window's panes share. A page that brings its own tree and a wide grid (the
// Stats page) is given the window while it is on top: the roster steps aside and the tree
// pane narrows, and both come back at the sizes the user left them when another page is
// shown. What the window remembers at exit are those sizes, never the lent ones.
class CPaneRoom : public QObject
{
    Q_OBJECT

public:
    // rows: the upper panes above the roster; columns: the tree pane beside the data sheet.
    CPaneRoom(QSplitter* rows, QSplitter* columns, QObject* parent = nullptr);

    void setSheetWide(bool wide);
    bool sheetWide() const { return m_wide; }

    // The splitters' sizes as the user left them.
    QList<int> rowSizes() const;
    QList<int> columnSizes() const;

    // The share of the width the tree pane keeps while the sheet is wide, in percent.
    static constexpr int kTreeShare = 22;

private:
    QSplitter* m_rows;
    QSplitter* m_columns;
    QList<int> m_rowSizes;
    QList<int> m_columnSizes;
    bool m_wide = false;
};
