// obrix-print: the entry points the editor finds by name (PrintModule.h).
#include "GridPrinter.h"
#include "PrintModule.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>

#include <type_traits>

extern "C" Q_DECL_EXPORT int obrixPrintGrid(QWidget* parent, const QStringList& titles, const QList<QStringList>& rows)
{
    static_assert(std::is_same_v<decltype(&obrixPrintGrid), printmodule::CPrintGrid>);
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return -1;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const int pages = CGridPrinter(titles, rows).print(printer);
    QApplication::restoreOverrideCursor();
    return pages;
}
