#include "widgets/DragLabel.h"

#include <QAbstractItemView>
#include <QDrag>
#include <QItemSelectionModel>
#include <QMimeData>
#include <QPainter>

namespace
{
constexpr int kPadding = 4;
// Right of and below the pointer's tip, clear of the arrow itself.
constexpr QPoint kBesidePointer(-14, -6);
}  // namespace

QPixmap dragLabel(const QString& name, const QWidget* look)
{
    const QFontMetrics metrics(look->font());
    const QString text = metrics.elidedText(name, Qt::ElideRight, 30 * metrics.averageCharWidth());
    const QSize size(metrics.horizontalAdvance(text) + 2 * kPadding, metrics.height() + 2 * kPadding);
    const qreal ratio = look->devicePixelRatioF();
    QPixmap picture(size * ratio);
    picture.setDevicePixelRatio(ratio);
    const QPalette& palette = look->palette();
    picture.fill(palette.color(QPalette::ToolTipBase));
    QPainter painter(&picture);
    painter.setFont(look->font());
    painter.setPen(palette.color(QPalette::ToolTipText));
    painter.drawRect(QRect(QPoint(0, 0), size).adjusted(0, 0, -1, -1));
    painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, text);
    return picture;
}

void startLabelledDrag(QAbstractItemView* view, Qt::DropActions supported, const QString& name)
{
    QModelIndexList rows;
    for (const QModelIndex& index : view->selectionModel()->selectedIndexes())
        if (view->model()->flags(index) & Qt::ItemIsDragEnabled) rows.push_back(index);
    if (rows.isEmpty()) return;
    QMimeData* data = view->model()->mimeData(rows);
    if (!data) return;
    auto* drag = new QDrag(view);
    drag->setMimeData(data);
    drag->setPixmap(dragLabel(name, view));
    drag->setHotSpot(kBesidePointer);
    const Qt::DropAction preferred =
        supported & view->defaultDropAction() ? view->defaultDropAction() : Qt::CopyAction;
    drag->exec(supported, preferred);
}
