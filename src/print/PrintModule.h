#pragma once

#include <QList>
#include <QStringList>

class QWidget;

// The print module (obrix-print): the editor's printing, in a library of its own that the
// editor loads the first time something is printed, so that starting the editor does not
// load the toolkit's print support. This is what the two share.
namespace printmodule
{
// The module's file name without prefix or suffix ("libobrix-print.so", "obrix-print.dll").
inline constexpr char kName[] = "obrix-print";
// Asks for a printer with the system's print dialog, parented to parent, then prints the
// grid (GridPrinter.h) to it. The pages printed; 0 when the printer could not be started;
// -1 when the dialog was cancelled.
using CPrintGrid = int (*)(QWidget* parent, const QStringList& titles, const QList<QStringList>& rows);
inline constexpr char kPrintGrid[] = "obrixPrintGrid";
} // namespace printmodule
