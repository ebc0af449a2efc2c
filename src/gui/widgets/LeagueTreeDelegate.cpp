#include "widgets/LeagueTreeDelegate.h"

#include "app/ObrixApp.h"
#include "editing/LeagueTreeOrder.h"
#include "kits/KitPalette.h"
#include "widgets/LeagueTreeModel.h"

#include <QApplication>
#include <QPainter>

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
}  // namespace

void CLeagueTreeDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (!isTeamRow(index))
    {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);
    const QString text = opt.text;
    opt.text.clear();
    // Background, selection, icon and focus as the style draws them; the text is ours.
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

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
