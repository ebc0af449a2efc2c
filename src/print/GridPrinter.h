#pragma once

#include <QList>
#include <QStringList>

class QPrinter;

// Prints a grid of text cells: a numbered row per line, the column titles at the head of
// every page, and the whole width scaled down to fit the page when it is wider.
class CGridPrinter
{
public:
    CGridPrinter(QStringList titles, QList<QStringList> rows);

    // The number of pages printed; 0 when the printer could not be started.
    int print(QPrinter& printer) const;

private:
    QStringList m_titles;
    QList<QStringList> m_rows;
};
