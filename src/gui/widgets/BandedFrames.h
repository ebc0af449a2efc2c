#pragma once

#include <QRect>
#include <QStyle>

class QColor;
class QMargins;
class QPainter;
class QPixmap;
class QPoint;

// The Fusion style's toolbar, header sections, tab frame, group box frame and scroll bars
// (all but their arrows), drawn pixel for pixel as the style draws them, in pieces a few
// rows high.
//
// The toolkit's raster engine hands every blend of more than about a hundred spans to
// worker threads and waits for them. A translucent one-pixel line is one span per pixel,
// a picture stretched over a panel several per row: the toolbar's three lines across the
// window, the tab frame's edges and the group boxes' frames cost over a hundred thread
// hand-overs in the first paint, each far dearer than the few pixels blended. Drawn a
// band of rows at a time (a row for a line across), they stay on the painting thread.
namespace bandedframes
{
// Fills rect, in bands of at most 64 rows.
void fill(QPainter& painter, const QRect& rect, const QColor& colour);
// The pixels a one-pixel pen draws from `from` to `to`, both ends included; the line is
// straight across or straight down.
void line(QPainter& painter, QPoint from, QPoint to, const QColor& colour);
// The pixels painter.drawRect(rect) draws with a one-pixel pen: rect grown by one to the
// right and down, each pixel once; only those inside `within` when that is given.
void outline(QPainter& painter, const QRect& rect, const QColor& colour, const QRect& within = QRect());
// qDrawBorderPixmap with the same margins in the picture and on screen and stretched
// edges, for a picture whose edges and middle do not change along the stretch.
void borderPicture(QPainter& painter, const QRect& target, const QMargins& margins, const QPixmap& picture);

// The Fusion style's own element drawn with the above; false for an element (or a case of
// one, such as a toolbar not at the top) that this does not draw, which the style then
// draws itself. Only for a style whose name is "fusion", in a left-to-right layout.
bool drawFusionControl(QStyle::ControlElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget, const QStyle* style);
bool drawFusionComplexControl(QStyle::ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                              const QWidget* widget, const QStyle* style);
bool drawFusionPrimitive(QStyle::PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                         const QWidget* widget, const QStyle* style);
} // namespace bandedframes
