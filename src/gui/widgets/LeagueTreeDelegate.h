#pragma once

#include <QColor>
#include <QStyledItemDelegate>

class CObrixApp;

// Draws team rows as three kit swatches followed by the team's label; other rows are
// drawn as usual. The swatches sit inside the item, so a click on them or on the text
// selects the team like a click anywhere else on the row.
class CLeagueTreeDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int kSwatchWidth = 10;
    static constexpr int kSwatchCount = 3;
    static constexpr int kTextOffset = 32;  // the three swatches and a gap of two pixels

    CLeagueTreeDelegate(CObrixApp& app, QObject* parent = nullptr);

    // The colour of a kit colour value; values without a swatch colour (24 and above)
    // show a mid grey, so the three places stay visible.
    static QColor swatchQColor(int value);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    CObrixApp& m_app;
};
