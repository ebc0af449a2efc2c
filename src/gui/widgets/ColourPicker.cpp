#include "widgets/ColourPicker.h"

#include "app/CatalogueText.h"

#include "kits/KitPalette.h"

#include <QGridLayout>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QToolButton>

namespace
{

QColor entryColour(int entry)
{
    const CRgb rgb = kitColourButtonRgb(entry);
    return {rgb.r, rgb.g, rgb.b};
}

QPixmap swatch(int entry)
{
    QPixmap picture(30, 16);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setPen(QColor(90, 90, 90));
    p.setBrush(entryColour(entry));
    p.drawRect(QRect(0, 0, 29, 15));
    if (entry == kitpalette::kNotUsedEntry)
    {
        // Not Used looks like Black in the game; the cross says it is not a colour choice.
        p.setPen(QPen(QColor(200, 200, 200), 1));
        p.drawLine(4, 3, 25, 12);
        p.drawLine(4, 12, 25, 3);
    }
    return picture;
}

}  // namespace

// --- Drop-down ---------------------------------------------------------------------------

CColourPopup::CColourPopup(QWidget* parent)
    : QFrame(parent, Qt::Popup)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    setAttribute(Qt::WA_WindowPropagation);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setSpacing(1);
    constexpr int kRows = kitpalette::kPickerEntryCount / 2;
    for (int entry = 0; entry < kitpalette::kPickerEntryCount; ++entry)
    {
        auto* button = new QToolButton(this);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setAutoRaise(true);
        button->setCheckable(true);
        button->setIcon(swatch(entry));
        button->setIconSize(QSize(30, 16));
        button->setText(catalogueText("kitpalette", kitColourName(entry)));
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        button->setFocusPolicy(Qt::StrongFocus);
        connect(button, &QToolButton::clicked, this, [this, entry] {
            hide();
            emit chosen(entry);
        });
        grid->addWidget(button, entry % kRows, entry / kRows);
        m_entries << button;
    }
}

QToolButton* CColourPopup::entryButton(int entry) const
{
    return entry >= 0 && entry < m_entries.size() ? m_entries.at(entry) : nullptr;
}

void CColourPopup::setCurrent(int entry)
{
    for (int i = 0; i < m_entries.size(); ++i) m_entries.at(i)->setChecked(i == entry);
}

// --- Button ------------------------------------------------------------------------------

CColourPicker::CColourPicker(QWidget* parent)
    : QPushButton(parent)
{
    connect(this, &QPushButton::clicked, this, &CColourPicker::showPopup);
}

CColourPicker::~CColourPicker() = default;

void CColourPicker::setColour(int value)
{
    if (value == m_value) return;
    m_value = value;
    if (m_popup) m_popup->setCurrent(m_value);
    update();
}

QColor CColourPicker::buttonColour() const
{
    return entryColour(isKitColour(m_value) ? m_value : kitpalette::kBlack);
}

QWidget* CColourPicker::popup()
{
    if (!m_popup)
    {
        m_popup = new CColourPopup(this);
        m_popup->setCurrent(m_value);
        connect(m_popup, &CColourPopup::chosen, this, &CColourPicker::choose);
    }
    return m_popup;
}

void CColourPicker::showPopup()
{
    QWidget* drop = popup();
    drop->adjustSize();
    QPoint at = mapToGlobal(QPoint(0, height()));
    // Keep the whole list on the screen: above the button when there is no room below.
    if (const QScreen* s = screen())
    {
        const QRect area = s->availableGeometry();
        if (at.y() + drop->height() > area.bottom()) at.setY(mapToGlobal(QPoint(0, 0)).y() - drop->height());
        at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() - drop->width())));
        at.setY(std::max(at.y(), area.top()));
    }
    drop->move(at);
    drop->show();
    if (auto* current = static_cast<CColourPopup*>(drop)->entryButton(isKitColour(m_value) ? m_value : 0))
        current->setFocus();
}

void CColourPicker::choose(int entry)
{
    setColour(kitColourForPickerEntry(entry));
    emit colourChosen(entry);
}

QSize CColourPicker::sizeHint() const
{
    return {56, 22};
}

void CColourPicker::paintEvent(QPaintEvent*)
{
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    p.drawControl(QStyle::CE_PushButtonBevel, option);

    const QRect inner = rect().adjusted(4, 4, -4, -4);
    const int arrowWidth = 12;
    const QRect colourRect = inner.adjusted(0, 0, -arrowWidth - 2, 0);
    QColor fill = buttonColour();
    if (!isEnabled())
    {
        // A disabled button keeps a hint of its colour but reads as inactive.
        const QColor window = palette().color(QPalette::Window);
        fill = QColor((fill.red() + 2 * window.red()) / 3, (fill.green() + 2 * window.green()) / 3,
                      (fill.blue() + 2 * window.blue()) / 3);
    }
    p.setPen(isEnabled() ? QColor(70, 70, 70) : palette().color(QPalette::Mid));
    p.setBrush(fill);
    p.drawRect(colourRect.adjusted(0, 0, -1, -1));

    QStyleOption arrow;
    arrow.initFrom(this);
    arrow.rect = QRect(inner.right() - arrowWidth + 1, inner.top(), arrowWidth, inner.height());
    p.drawPrimitive(QStyle::PE_IndicatorArrowDown, arrow);

    if (hasFocus())
    {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(2, 2, -2, -2);
        p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}
