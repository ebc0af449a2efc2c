#include "widgets/BandedFrames.h"

#include "widgets/AppIcons.h"

#include <QGroupBox>
#include <QLibraryInfo>
#include <QMainWindow>
#include <QPainter>
#include <QPixmapCache>
#include <QStyleOption>
#include <qdrawutil.h>

#include <algorithm>

namespace bandedframes
{
namespace
{
// At most this many spans in one blend: under the engine's threshold for worker threads.
constexpr int kBandRows = 64;

void fillBrush(QPainter& painter, const QRect& rect, const QBrush& brush)
{
    for (int y = rect.top(); y <= rect.bottom(); y += kBandRows)
        painter.fillRect(QRect(rect.left(), y, rect.width(), std::min(kBandRows, rect.bottom() - y + 1)), brush);
}

// A stretched piece of a picture that does not change along the stretch, drawn a band of
// rows at a time, each band from the whole source. Scaled smoothly inside a widget's clip
// region, a band gives the engine several spans per row, hence the few rows.
void stretchPiece(QPainter& painter, const QRect& target, const QPixmap& picture, const QRect& source)
{
    constexpr int kPictureBandRows = 8;
    if (target.isEmpty() || source.isEmpty()) return;
    for (int y = target.top(); y <= target.bottom(); y += kPictureBandRows)
        painter.drawPixmap(QRect(target.left(), y, target.width(), std::min(kPictureBandRows, target.bottom() - y + 1)),
                           picture, source);
}

// The version of the style these elements were matched against, pixel for pixel, left to
// right; any other version, or a right-to-left layout, draws them itself.
bool fusionMatched(const QStyle* style, const QStyleOption* option, const QPainter* painter)
{
    if (!option || option->direction != Qt::LeftToRight) return false;
    static const bool matchedVersion = QLibraryInfo::version().majorVersion() == 6 &&
                                       QLibraryInfo::version().minorVersion() == 4;
    if (!matchedVersion || !style || style->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0)
        return false;
    // One device pixel per pixel and no scaling: what the pieces assume.
    return painter->device() && painter->device()->devicePixelRatio() == 1.0 &&
           painter->transform().type() <= QTransform::TxTranslate && !painter->testRenderHint(QPainter::Antialiasing);
}

// The style's colours, as it works them out from the palette.
QColor fusionOutline(const QPalette& palette)
{
    if (palette.window().style() == Qt::TexturePattern) return QColor(0, 0, 0, 160);
    return palette.window().color().darker(140);
}

QColor fusionButton(const QPalette& palette)
{
    QColor button = palette.button().color();
    const int grey = qGray(button.rgb());
    button = button.lighter(100 + std::max(1, (180 - grey) / 6));
    button.setHsv(button.hue(), int(button.saturation() * 0.75), button.value());
    return button;
}

QColor fusionTabFrame(const QPalette& palette)
{
    if (palette.window().style() == Qt::TexturePattern) return QColor(255, 255, 255, 8);
    return fusionButton(palette).lighter(104);
}

// factor per cent of a, the rest of b, channel by channel.
QColor mixed(const QColor& a, const QColor& b, int factor)
{
    QColor mix = a;
    mix.setRed(a.red() * factor / 100 + b.red() * (100 - factor) / 100);
    mix.setGreen(a.green() * factor / 100 + b.green() * (100 - factor) / 100);
    mix.setBlue(a.blue() * factor / 100 + b.blue() * (100 - factor) / 100);
    return mix;
}

const QColor kInnerContrast(255, 255, 255, 30);
const QColor kLightShade(255, 255, 255, 90);
const QColor kDarkShade(0, 0, 0, 60);

// The style's group box frame picture, copied from the toolkit's resources at build time
// (tools/style-picture): read at run time, the PNG would have every image plugin on the
// system looked through first.
QPixmap groupBoxPicture()
{
    static const QString key = QStringLiteral("obrix-fusion-groupbox");
    QPixmap picture;
    if (QPixmapCache::find(key, &picture)) return picture;
    picture = resourcePicture(QStringLiteral(":/style/fusion-groupbox.raw"));
    if (!picture.isNull()) QPixmapCache::insert(key, picture);
    return picture;
}

bool drawToolBar(const QStyleOption* option, QPainter* painter, const QWidget* widget)
{
    const auto* bar = qstyleoption_cast<const QStyleOptionToolBar*>(option);
    // Only the main window's toolbars along the top; the style draws the rest.
    if (!bar || bar->toolBarArea != Qt::TopToolBarArea || !(option->state & QStyle::State_Horizontal) ||
        (widget && !qobject_cast<const QMainWindow*>(widget->parentWidget())))
        return false;
    const QRect& rect = option->rect;
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, option->palette.window().color().lighter(104));
    gradient.setColorAt(1, option->palette.window().color());
    fillBrush(*painter, rect, gradient);
    if (bar->positionOfLine == QStyleOptionToolBar::End || bar->positionOfLine == QStyleOptionToolBar::OnlyOne)
    {
        // A double line at the bottom, into the window below.
        line(*painter, rect.bottomLeft(), rect.bottomRight(), kLightShade);
        line(*painter, QPoint(rect.left(), rect.bottom() - 1), QPoint(rect.right(), rect.bottom() - 1), kDarkShade);
    }
    else
    {
        line(*painter, rect.bottomLeft(), rect.bottomRight(), kDarkShade);
    }
    line(*painter, rect.topLeft(), rect.topRight(), kLightShade);
    return true;
}

// The style draws a section into a picture of its own first; the section is opaque, so
// drawing it in place gives the same pixels.
bool drawHeaderSection(const QStyleOption* option, QPainter* painter)
{
    const auto* header = qstyleoption_cast<const QStyleOptionHeader*>(option);
    if (!header || option->palette.window().gradient()) return false;
    const QRect& rect = option->rect;
    const QColor button = fusionButton(option->palette);
    const QColor start = button.lighter(104), stop = button.darker(102);
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, start);
    gradient.setColorAt(0.5, mixed(start, stop, 60));
    gradient.setColorAt(0.501, mixed(start, stop, 40));
    gradient.setColorAt(0.92, stop);
    gradient.setColorAt(1, stop.darker(104));
    fillBrush(*painter, rect, gradient);
    line(*painter, rect.topLeft(), rect.topRight(), kInnerContrast);
    line(*painter, rect.bottomLeft(), rect.bottomRight(), fusionOutline(option->palette));
    if (header->orientation == Qt::Horizontal)
    {
        if (header->position != QStyleOptionHeader::End && header->position != QStyleOptionHeader::OnlyOneSection)
        {
            line(*painter, rect.topRight(), rect.bottomRight() - QPoint(0, 1), QColor(0, 0, 0, 40));
            line(*painter, rect.topRight() - QPoint(1, 0), rect.bottomRight() - QPoint(1, 1), kInnerContrast);
        }
    }
    else
    {
        line(*painter, rect.topRight(), rect.bottomRight(), fusionOutline(option->palette));
    }
    return true;
}

bool drawTabFrame(const QStyleOption* option, QPainter* painter)
{
    fill(*painter, option->rect.adjusted(0, 0, -1, -1), fusionTabFrame(option->palette));
    if (const auto* frame = qstyleoption_cast<const QStyleOptionTabWidgetFrame*>(option))
    {
        QRect rect = option->rect.adjusted(0, 0, -1, -1);
        if (frame->shape != QTabBar::RoundedSouth)
        {
            rect.adjust(0, 0, 0, -1);
            line(*painter, option->rect.bottomLeft(), option->rect.bottomRight(), QColor(0, 0, 0, 15));
        }
        outline(*painter, rect, fusionOutline(option->palette));
        outline(*painter, rect.adjusted(1, 1, -1, -1), kInnerContrast);
    }
    return true;
}

// The groove and the handle at rest are drawn here, the arrows by the style over them.
bool drawScrollBar(const QStyleOptionComplex* option, QPainter* painter, const QWidget* widget, const QStyle* style)
{
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (!bar || !(bar->subControls & QStyle::SC_ScrollBarGroove) ||
        style->proxy()->styleHint(QStyle::SH_ScrollBar_Transient, option, widget))
        return false;
    const QRect& rect = option->rect;
    const bool across = bar->orientation == Qt::Horizontal;
    QLinearGradient gradient = across ? QLinearGradient(rect.center().x(), rect.top(), rect.center().x(), rect.bottom())
                                      : QLinearGradient(rect.left(), rect.center().y(), rect.right(), rect.center().y());
    const QColor button = fusionButton(option->palette);
    gradient.setColorAt(0, button.darker(107));
    gradient.setColorAt(0.1, button.darker(105));
    gradient.setColorAt(0.9, button.darker(105));
    gradient.setColorAt(1, button.darker(107));
    fillBrush(*painter, rect, gradient);
    QColor edge = fusionOutline(option->palette);
    edge.setAlpha(180);
    line(*painter, rect.topLeft(), across ? rect.topRight() : rect.bottomLeft(), edge);
    edge.setAlpha(40);
    // The style clips this faint edge short of the groove's right (or bottom) end.
    const QRect groove = style->proxy()->subControlRect(QStyle::CC_ScrollBar, bar, QStyle::SC_ScrollBarGroove, widget);
    outline(*painter, groove.adjusted(1, 0, -1, -1), edge, groove.adjusted(1, 0, -1, -3));

    QStyleOptionSlider rest(*bar);
    rest.subControls &= ~QStyle::SC_ScrollBarGroove;
    // The handle at rest; pressed or under the pointer, the style draws it.
    const bool handleActive = (bar->activeSubControls & QStyle::SC_ScrollBarSlider) &&
                              (option->state & (QStyle::State_Sunken | QStyle::State_MouseOver));
    const QRect handle = style->proxy()->subControlRect(QStyle::CC_ScrollBar, bar, QStyle::SC_ScrollBarSlider, widget);
    // A bar too short for its arrows has a handle of no use, which the style draws its way.
    if ((bar->subControls & QStyle::SC_ScrollBarSlider) && !handleActive && !handle.isEmpty() && groove.contains(handle))
    {
        QLinearGradient shade = across ? QLinearGradient(handle.center().x(), handle.top(), handle.center().x(), handle.bottom())
                                       : QLinearGradient(handle.left(), handle.center().y(), handle.right(), handle.center().y());
        shade.setColorAt(0, button.lighter(108));
        shade.setColorAt(1, button);
        // drawRect with a brush and a pen: the brush fills the rectangle, the pen goes round it.
        const QRect body = handle.adjusted(across ? -1 : 0, across ? 0 : -1, across ? 0 : 1, across ? 1 : 0);
        fillBrush(*painter, body, shade);
        edge.setAlpha(180);
        outline(*painter, body, edge);
        outline(*painter, handle.adjusted(across ? 0 : 1, across ? 1 : 0, -1, -1), kInnerContrast);
        rest.subControls &= ~QStyle::SC_ScrollBarSlider;
    }
    style->drawComplexControl(QStyle::CC_ScrollBar, &rest, painter, widget);
    return true;
}

bool drawGroupBoxFrame(const QStyleOption* option, QPainter* painter, const QWidget* widget, const QStyle* style)
{
    const QPixmap picture = groupBoxPicture();
    if (picture.isNull() || picture.devicePixelRatio() != 1.0) return false;
    // The frame starts below the title, or just below the top when there is none.
    constexpr int kTopGap = 3;
    int top = kTopGap;
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    if (!box || box->isCheckable() || !box->title().isEmpty())
        top += std::max(style->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight),
                        option->fontMetrics.height());
    borderPicture(*painter, option->rect.adjusted(0, top, 0, 0), QMargins(6, 6, 6, 6), picture);
    return true;
}
} // namespace

void fill(QPainter& painter, const QRect& rect, const QColor& colour)
{
    fillBrush(painter, rect, QBrush(colour));
}

void line(QPainter& painter, QPoint from, QPoint to, const QColor& colour)
{
    fill(painter, QRect(from, to).normalized(), colour);
}

void outline(QPainter& painter, const QRect& rect, const QColor& colour, const QRect& within)
{
    const int left = rect.left(), top = rect.top();
    const int right = rect.left() + rect.width(), bottom = rect.top() + rect.height();
    const auto edge = [&](QPoint from, QPoint to) {
        const QRect part = within.isNull() ? QRect(from, to) : QRect(from, to) & within;
        if (!part.isEmpty()) fill(painter, part, colour);
    };
    edge(QPoint(left, top), QPoint(right, top));
    if (bottom == top) return;
    edge(QPoint(left, bottom), QPoint(right, bottom));
    if (bottom - top < 2) return;
    edge(QPoint(left, top + 1), QPoint(left, bottom - 1));
    if (right != left) edge(QPoint(right, top + 1), QPoint(right, bottom - 1));
}

void borderPicture(QPainter& painter, const QRect& target, const QMargins& margins, const QPixmap& picture)
{
    const int l = margins.left(), t = margins.top(), r = margins.right(), b = margins.bottom();
    const int w = picture.width(), h = picture.height();
    if (target.width() < l + r || target.height() < t + b || w < l + r || h < t + b)
    {
        qDrawBorderPixmap(&painter, target, margins, picture);
        return;
    }
    const int x0 = target.left(), y0 = target.top();
    const int midWidth = target.width() - l - r, midHeight = target.height() - t - b;
    const int sourceMidWidth = w - l - r, sourceMidHeight = h - t - b;
    // Corners as they are.
    painter.drawPixmap(QPoint(x0, y0), picture, QRect(0, 0, l, t));
    painter.drawPixmap(QPoint(x0 + l + midWidth, y0), picture, QRect(w - r, 0, r, t));
    painter.drawPixmap(QPoint(x0, y0 + t + midHeight), picture, QRect(0, h - b, l, b));
    painter.drawPixmap(QPoint(x0 + l + midWidth, y0 + t + midHeight), picture, QRect(w - r, h - b, r, b));
    // Top and bottom edges: a few rows each, along the top and bottom.
    stretchPiece(painter, QRect(x0 + l, y0, midWidth, t), picture, QRect(l, 0, sourceMidWidth, t));
    stretchPiece(painter, QRect(x0 + l, y0 + t + midHeight, midWidth, b), picture,
                 QRect(l, h - b, sourceMidWidth, b));
    // The sides and the middle.
    stretchPiece(painter, QRect(x0, y0 + t, l, midHeight), picture, QRect(0, t, l, sourceMidHeight));
    stretchPiece(painter, QRect(x0 + l + midWidth, y0 + t, r, midHeight), picture,
                 QRect(w - r, t, r, sourceMidHeight));
    stretchPiece(painter, QRect(x0 + l, y0 + t, midWidth, midHeight), picture,
                 QRect(l, t, sourceMidWidth, sourceMidHeight));
}

bool drawFusionControl(QStyle::ControlElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget, const QStyle* style)
{
    if (!fusionMatched(style, option, painter)) return false;
    switch (element)
    {
    case QStyle::CE_ToolBar: return drawToolBar(option, painter, widget);
    case QStyle::CE_HeaderSection: return drawHeaderSection(option, painter);
    default: return false;
    }
}

bool drawFusionComplexControl(QStyle::ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                              const QWidget* widget, const QStyle* style)
{
    if (control != QStyle::CC_ScrollBar || !fusionMatched(style, option, painter)) return false;
    return drawScrollBar(option, painter, widget, style);
}

bool drawFusionPrimitive(QStyle::PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                         const QWidget* widget, const QStyle* style)
{
    if (!fusionMatched(style, option, painter)) return false;
    switch (element)
    {
    case QStyle::PE_FrameTabWidget: return drawTabFrame(option, painter);
    case QStyle::PE_FrameGroupBox: return drawGroupBoxFrame(option, painter, widget, style);
    default: return false;
    }
}
} // namespace bandedframes
