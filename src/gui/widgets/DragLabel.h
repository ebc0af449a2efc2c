#pragma once

#include <QPixmap>
#include <QString>

class QAbstractItemView;
class QWidget;

// The picture a dragged player or team travels under: its name on a small label, drawn
// beside the pointer rather than under it, so the team the pointer is over stays in view.
// The toolkit's own picture is the whole row, as wide as the list.
QPixmap dragLabel(const QString& name, const QWidget* look);

// Starts the drag of the view's selected rows with that picture: what
// QAbstractItemView::startDrag does, less the picture of the rows and the removal of a
// moved row (the drop's own command moves the record, and the view follows the change).
void startLabelledDrag(QAbstractItemView* view, Qt::DropActions supported, const QString& name);
