#include "widgets/FormLabel.h"

#include <QFontMetrics>
#include <QStyle>

#include <algorithm>

CFormLabel::CFormLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
}

bool CFormLabel::plainLine() const
{
    return !text().isEmpty() && !text().contains(u'\n') && textFormat() == Qt::PlainText && !wordWrap() &&
           !buddy() && margin() == 0 && indent() < 0 && frameWidth() == 0;
}

QSize CFormLabel::sizeHint() const
{
    if (!plainLine()) return QLabel::sizeHint();
    ensurePolished();
    const QString shown = text();
    const QMargins margins = contentsMargins();
    if (!m_measured.size.isValid() || m_measured.text != shown || m_measured.font != font() ||
        m_measured.alignment != alignment() || m_measured.margins != margins || m_measured.minimum != minimumSize())
    {
        // The toolkit's own sum for a line of plain text: its bounding box in the label's
        // alignment (centring left out, as it only rounds), the contents margins around it.
        const Qt::LayoutDirection direction = shown.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
        const int flags = int(QStyle::visualAlignment(direction, alignment()) | Qt::TextExpandTabs) &
                          ~int(Qt::AlignVCenter | Qt::AlignHCenter);
        const int sideMargins = margins.left() + margins.right();
        int width = 2000;
        if (minimumWidth() > 0) width = std::max(width, minimumWidth());
        const QRect bounds = fontMetrics().boundingRect(0, 0, width - sideMargins, 2000, flags, shown);
        const QSize size(bounds.width() + sideMargins, bounds.height() + margins.top() + margins.bottom());
        m_measured = {shown, font(), alignment(), margins, minimumSize(), size};
    }
    return m_measured.size;
}

QSize CFormLabel::minimumSizeHint() const
{
    // One line of plain text is as small as it is wide: the size hint.
    return plainLine() ? sizeHint() : QLabel::minimumSizeHint();
}
