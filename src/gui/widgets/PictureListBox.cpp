#include "widgets/PictureListBox.h"

#include "widgets/AppIcons.h"
#include "util/PathText.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionSlider>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWheelEvent>

#include <algorithm>

namespace
{

QImage toQImage(const CKitImage& kit)
{
    QImage image(kit.width, kit.height, QImage::Format_Indexed8);
    QList<QRgb> table;
    table.reserve(int(kit.palette.size()));
    for (const CRgb& c : kit.palette) table << qRgb(c.r, c.g, c.b);
    image.setColorTable(table);
    for (int y = 0; y < kit.height; ++y)
        std::copy_n(kit.pixels.data() + std::size_t(y) * std::size_t(kit.width), kit.width, image.scanLine(y));
    return image;
}

QString cacheKey(const std::filesystem::path& file, const CKitSlotColours& slotColours)
{
    QString key = QString::fromStdString(utf8FromPath(file));
    for (const auto& s : slotColours) key += QLatin1Char('|') + (s ? QString::number(*s) : QString());
    return key;
}

// A picture that fits is drawn as large as the cell allows by a whole factor, centred; a
// larger one is scaled down smoothly to fit and centred, rather than cut off.
template <typename Picture>
void drawInCell(QPainter& p, const QRect& cell, const Picture& picture)
{
    const QSize size = picture.size();
    if (size.isEmpty()) return;
    if (size.width() <= cell.width() && size.height() <= cell.height())
    {
        // Pixel art: enlarged by a whole factor where the cell has room, each source pixel
        // a sharp block (no smoothing), and centred.
        const int factor = std::max(1, std::min(cell.width() / size.width(), cell.height() / size.height()));
        const QSize shown = size * factor;
        const QRect target(cell.left() + (cell.width() - shown.width()) / 2,
                           cell.top() + (cell.height() - shown.height()) / 2, shown.width(), shown.height());
        p.save();
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        p.drawImage(target, QImage(picture));
        p.restore();
        return;
    }
    const QSize fitted = size.scaled(cell.size(), Qt::KeepAspectRatio);
    const QRect target(cell.left() + (cell.width() - fitted.width()) / 2,
                       cell.top() + (cell.height() - fitted.height()) / 2, fitted.width(), fitted.height());
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(target, QImage(picture));
    p.restore();
}

// The list's bar is short (one cell high) and, in light styles, its handle hardly shows
// against the track; drawn over in a darker shade it says where in the list one is.
class CVisibleHandleStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override
    {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        if (control != CC_ScrollBar || !(option->state & State_Enabled)) return;
        const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
        if (!bar || bar->maximum <= bar->minimum) return;
        const QRect handle = subControlRect(control, option, SC_ScrollBarSlider, widget).adjusted(2, 1, -2, -1);
        if (handle.height() < 2) return;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(option->palette.color(QPalette::Dark));
        painter->drawRoundedRect(handle, 2, 2);
        painter->restore();
    }

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        // Long enough to see, short enough to move in a bar one cell high.
        if (metric == PM_ScrollBarSliderMin) return 8;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

// One for all the lists, over the style the application draws with.
QStyle* visibleHandleStyle()
{
    static QPointer<CVisibleHandleStyle> style;
    if (!style)
    {
        style = new CVisibleHandleStyle(applicationStyleName());
        style->setParent(qApp);
    }
    return style;
}
}  // namespace

CPictureListBox::CPictureListBox(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);

    QScrollBar* bar = verticalScrollBar();
    bar->setStyle(visibleHandleStyle());
    bar->setRange(0, 0);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    connect(bar, &QScrollBar::actionTriggered, this, &CPictureListBox::onAction);
    connect(bar, &QScrollBar::valueChanged, this, [this](int v) {
        viewport()->update();
        emit valueChanged(v);
        if (m_stepPending)
        {
            m_stepPending = false;
            emit stepped(v);
        }
    });
}

void CPictureListBox::configure(int count, QSize cell, int firstNumber)
{
    m_count = std::max(count, 0);
    m_cell = cell.isValid() && !cell.isEmpty() ? cell : QSize(40, 40);
    m_firstNumber = firstNumber;
    m_cache.clear();
    QScrollBar* bar = verticalScrollBar();
    const QSignalBlocker quiet(bar);
    bar->setRange(0, std::max(m_count - 1, 0));
    bar->setValue(0);
    updateGeometry();
    resize(sizeHint());
    viewport()->update();
}

void CPictureListBox::setPictures(const QList<QPixmap>& pictures, QSize cell, int firstNumber)
{
    m_source = CSource::Pixmaps;
    m_pictures = pictures;
    m_makePicture = nullptr;
    configure(int(pictures.size()), cell, firstNumber);
}

void CPictureListBox::setPictures(int count, std::function<QPixmap(int)> make, QSize cell, int firstNumber)
{
    m_source = CSource::Pixmaps;
    m_pictures = QList<QPixmap>(std::max(count, 0));
    m_makePicture = std::move(make);
    configure(count, cell, firstNumber);
}

void CPictureListBox::setKitPictures(CKitList kind, const std::filesystem::path& jerseysFolder, QSize cell)
{
    m_source = CSource::Kit;
    m_kind = kind;
    m_jerseysFolder = jerseysFolder;
    m_pictures.clear();
    m_makePicture = nullptr;
    m_hasKit = false;
    configure(kitCount(kind), cell.isValid() ? cell : kitCell(kind), 1);
}

void CPictureListBox::setKitColours(const CKitColours& kit)
{
    if (m_hasKit && kit == m_kit) return;
    m_kit = kit;
    m_hasKit = true;
    viewport()->update();
}

void CPictureListBox::reloadPictures()
{
    m_cache.clear();
    viewport()->update();
}

int CPictureListBox::value() const
{
    return verticalScrollBar()->value();
}

void CPictureListBox::setValue(int value)
{
    if (m_count == 0) return;
    verticalScrollBar()->setValue(std::clamp(value, 0, m_count - 1));
}

QString CPictureListBox::kitPrefix(CKitList kind)
{
    switch (kind)
    {
    case CKitList::Shorts:
        return QStringLiteral("SHMD");
    case CKitList::Socks:
        return QStringLiteral("SKMD");
    case CKitList::Jersey:
        break;
    }
    return QStringLiteral("MJFR");
}

int CPictureListBox::kitCount(CKitList kind)
{
    switch (kind)
    {
    case CKitList::Shorts:
        return 5;
    case CKitList::Socks:
        return 4;
    case CKitList::Jersey:
        break;
    }
    return 64;
}

QSize CPictureListBox::kitCell(CKitList kind)
{
    // Socks get the same cell as the others: squeezed into a narrow one they were
    // scaled down and hard to tell apart.
    (void)kind;
    return QSize(64, 64);
}

CKitSlotColours CPictureListBox::slotsForKind() const
{
    if (!m_hasKit) return {};
    switch (m_kind)
    {
    case CKitList::Shorts:
        return shortsListSlots(m_kit);
    case CKitList::Socks:
        return socksListSlots(m_kit);
    case CKitList::Jersey:
        break;
    }
    return jerseyListSlots(m_kit);
}

std::filesystem::path CPictureListBox::kitFile(int index) const
{
    return kitPicturePath(m_jerseysFolder, kitPrefix(m_kind).toStdString(), itemNumber(index));
}

QImage CPictureListBox::kitImage(int index) const
{
    if (m_source != CSource::Kit || index < 0 || index >= m_count) return {};
    const std::filesystem::path file = kitFile(index);
    const CKitSlotColours slotColours = slotsForKind();
    const QString key = cacheKey(file, slotColours);
    const auto found = m_cache.constFind(key);
    if (found != m_cache.constEnd()) return *found;
    const CKitImageResult drawn = drawKitPictureFile(file, slotColours);
    QImage image = drawn.image ? toQImage(*drawn.image) : QImage();
    m_cache.insert(key, image);
    return image;
}

void CPictureListBox::drawCell(QPainter& p, const QRect& cell, int index) const
{
    if (index < 0 || index >= m_count) return;
    p.save();
    p.setClipRect(cell);
    if (m_source == CSource::Pixmaps)
    {
        QPixmap& picture = m_pictures[index];
        if (picture.isNull() && m_makePicture) picture = m_makePicture(index);
        if (!picture.isNull()) drawInCell(p, cell, picture.toImage());
    }
    else if (m_source == CSource::Kit)
    {
        const QImage image = kitImage(index);
        if (!image.isNull())
            drawInCell(p, cell, image);
        else
        {
            // The text names the list's kind and stays inside the cell, wrapped onto a
            // second line and made smaller when the cell is narrow (socks).
            const int number = itemNumber(index);
            const QString text = m_kind == CKitList::Shorts  ? tr("Shorts %1").arg(number)
                                 : m_kind == CKitList::Socks ? tr("Socks %1").arg(number)
                                                             : tr("Jersey %1").arg(number);
            const QRect inside = cell.adjusted(2, 2, -2, -2);
            const int flags = Qt::AlignCenter | Qt::TextWordWrap;
            QFont font = p.font();
            while (font.pointSizeF() > 5 &&
                   !inside.contains(QFontMetrics(font).boundingRect(inside, flags, text)))
                font.setPointSizeF(font.pointSizeF() - 0.5);
            p.setFont(font);
            p.setPen(palette().color(QPalette::Text));
            p.drawText(inside, flags, text);
        }
    }
    p.restore();
}

QImage CPictureListBox::cellImage(int index) const
{
    QImage image(m_cell, QImage::Format_RGB32);
    image.fill(palette().color(QPalette::Base));
    QPainter p(&image);
    drawCell(p, QRect(QPoint(0, 0), m_cell), index);
    return image;
}

QSize CPictureListBox::sizeHint() const
{
    const int frame = frameWidth();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, verticalScrollBar());
    return {m_cell.width() + 2 * frame + bar, m_cell.height() + 2 * frame};
}

QSize CPictureListBox::minimumSizeHint() const
{
    return sizeHint();
}

void CPictureListBox::paintEvent(QPaintEvent*)
{
    QPainter p(viewport());
    const QRect cell(QPoint(0, 0), m_cell);
    drawCell(p, cell, value());
    if (hasFocus())
    {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = cell.intersected(viewport()->rect()).adjusted(1, 1, -1, -1);
        option.backgroundColor = palette().color(QPalette::Base);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
    }
}

void CPictureListBox::onAction(int action)
{
    if (action == QAbstractSlider::SliderNoAction || action == QAbstractSlider::SliderMove) return;
    // The scroll bar has moved its slider already and sets the value right after this
    // signal; a step against an end changes nothing and reports nothing.
    QScrollBar* bar = verticalScrollBar();
    m_stepPending = bar->sliderPosition() != bar->value();
}

void CPictureListBox::keyPressEvent(QKeyEvent* event)
{
    QAbstractSlider::SliderAction action = QAbstractSlider::SliderNoAction;
    switch (event->key())
    {
    case Qt::Key_Up:
        action = QAbstractSlider::SliderSingleStepSub;
        break;
    case Qt::Key_Down:
        action = QAbstractSlider::SliderSingleStepAdd;
        break;
    case Qt::Key_PageUp:
        action = QAbstractSlider::SliderPageStepSub;
        break;
    case Qt::Key_PageDown:
        action = QAbstractSlider::SliderPageStepAdd;
        break;
    case Qt::Key_Home:
        action = QAbstractSlider::SliderToMinimum;
        break;
    case Qt::Key_End:
        action = QAbstractSlider::SliderToMaximum;
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    verticalScrollBar()->triggerAction(action);
    event->accept();
}

void CPictureListBox::wheelEvent(QWheelEvent* event)
{
    // One item per notch, whatever the desktop's lines-per-notch; fine-grained wheels add
    // up until they make a notch.
    m_wheelRemainder += event->angleDelta().y();
    while (m_wheelRemainder >= QWheelEvent::DefaultDeltasPerStep)
    {
        m_wheelRemainder -= QWheelEvent::DefaultDeltasPerStep;
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    }
    while (m_wheelRemainder <= -QWheelEvent::DefaultDeltasPerStep)
    {
        m_wheelRemainder += QWheelEvent::DefaultDeltasPerStep;
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    }
    event->accept();
}

void CPictureListBox::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void CPictureListBox::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}
