#include "widgets/LeagueTreeDelegate.h"

#include "app/ObrixApp.h"
#include "editing/LeagueTreeOrder.h"
#include "kits/KitPalette.h"
#include "widgets/LeagueTreeModel.h"

#include <QApplication>
#include <QPainter>
#include <QTextLayout>

CLeagueTreeDelegate::CLeagueTreeDelegate(CObrixApp& app, QObject* parent) : QStyledItemDelegate(parent), m_app(app)
{
}

QColor CLeagueTreeDelegate::swatchQColor(int value)
{
    if (const auto rgb = swatchColour(value)) return QColor(rgb->r, rgb->g, rgb->b);
    return QColor(128, 128, 128);
}

namespace
{
bool isTeamRow(const QModelIndex& index)
{
    const auto* model = qobject_cast<const CLeagueTreeModel*>(index.model());
    return model && model->level(index) == 1;
}

// A row's label laid out once, where the style would lay it out (its vertical alignment
// in the text area, the focus frame's margin each side), as long as it fits on one line
// unshortened; the style lays out and shapes a label three times over to draw it.
class CRowLabel
{
public:
    CRowLabel(const QString& text, const QStyleOptionViewItem& option, const QRect& area, const QStyle* style)
        : m_layout(text, option.font)
    {
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1;
        const QRect textRect = area.adjusted(margin, 0, -margin, 0);
        QTextOption textOption;
        textOption.setWrapMode(QTextOption::ManualWrap);
        textOption.setTextDirection(option.direction);
        textOption.setAlignment(QStyle::visualAlignment(option.direction, option.displayAlignment));
        m_layout.setTextOption(textOption);
        m_layout.setCacheEnabled(true);  // the shaped line is drawn, not shaped again
        m_layout.beginLayout();
        for (QTextLine line = m_layout.createLine(); line.isValid(); line = m_layout.createLine())
        {
            line.setLineWidth(textRect.width());
            line.setPosition(QPointF(0, 0));
        }
        m_layout.endLayout();
        m_fits = m_layout.lineCount() == 1 && m_layout.lineAt(0).naturalTextWidth() <= textRect.width();
        const QRect placed = QStyle::alignedRect(Qt::LayoutDirectionAuto, option.displayAlignment,
                                                 m_layout.boundingRect().size().toSize(), textRect);
        m_position = QPointF(textRect.x(), placed.top());
    }

    // False when the label needs more than one line or must be shortened: the style
    // draws those.
    bool fits() const { return m_fits; }

    // In the pen and clip the style gives a row's text.
    void draw(QPainter* painter, const QStyleOptionViewItem& option) const
    {
        QPalette::ColorGroup group = option.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
        if (group == QPalette::Normal && !(option.state & QStyle::State_Active)) group = QPalette::Inactive;
        painter->save();
        painter->setClipRect(option.rect);
        painter->setPen(option.palette.color(group, option.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                                           : QPalette::Text));
        m_layout.draw(painter, m_position);
        painter->restore();
    }

private:
    QTextLayout m_layout;
    QPointF m_position;
    bool m_fits = false;
};

// The text area of a row, which does not depend on the text: worked out without it, so
// that the style does not measure the label for nothing.
QRect textArea(QStyleOptionViewItem option, const QStyle* style)
{
    option.text.clear();
    return style->subElementRect(QStyle::SE_ItemViewItemText, &option, option.widget);
}
}  // namespace

void CLeagueTreeDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    const QString text = opt.text;
    const QRect area = textArea(opt, style);
    if (!isTeamRow(index))
    {
        // The focus frame is drawn over the text: the row that has it is drawn by the style,
        // without laying its label out first for nothing.
        if (opt.state & QStyle::State_HasFocus)
        {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        const CRowLabel label(text, opt, area, style);
        if (!label.fits())
        {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        // Background, selection and icon as the style draws them, then the label.
        opt.text.clear();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
        label.draw(painter, opt);
        return;
    }
    opt.text.clear();
    // Background, selection, icon and focus as the style draws them; the text is ours.
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    const QRect textRect = area;
    painter->save();
    const auto* model = static_cast<const CLeagueTreeModel*>(index.model());
    if (const CTeam* team = m_app.db().team(model->value(index)))
    {
        const auto values = teamSwatchValues(*team);
        QRect swatch(textRect.left(), textRect.top() + 1, kSwatchWidth, textRect.height() - 2);
        for (int value : values)
        {
            painter->fillRect(swatch, swatchQColor(value));
            swatch.translate(kSwatchWidth, 0);
        }
    }
    const bool selected = opt.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = !(opt.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (opt.state & QStyle::State_Active) ? QPalette::Normal
                                                                              : QPalette::Inactive;
    painter->setPen(opt.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(opt.font);
    const QRect labelRect = textRect.adjusted(kTextOffset, 0, 0, 0);
    painter->drawText(labelRect, Qt::AlignLeft | Qt::AlignVCenter,
                      opt.fontMetrics.elidedText(text, Qt::ElideRight, labelRect.width()));
    painter->restore();
}

QSize CLeagueTreeDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (isTeamRow(index)) size.rwidth() += kTextOffset;
    return size;
}
