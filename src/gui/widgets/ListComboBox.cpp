#include "widgets/ListComboBox.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QStyleOptionComboBox>

#include <algorithm>
#include <cmath>

void CListComboBox::addNumbers(int first, int last)
{
    const bool onlyNumbers = count() == 0;
    for (int n = first; n <= last; ++n) addItem(QString::number(n));
    const int digits = int(QString::number(last).size());
    long long lowest = 1;  // the smallest number with that many digits
    for (int d = 1; d < digits; ++d) lowest *= 10;
    m_numberDigits = (onlyNumbers && first >= 0 && first <= lowest && last == lowest * 10 - 1) ? digits : 0;
    m_numberHint = QSize();
    if (m_numberDigits == 0) return;
    // Once the list holds anything else, it is measured item by item the next time it is
    // measured at all (a size worked out is kept until the font or style changes, as the
    // toolkit keeps its own).
    const auto measureItems = [this] { m_numberDigits = 0; };
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(model(), signal, this, measureItems, Qt::SingleShotConnection);
    connect(model(), &QAbstractItemModel::modelReset, this, measureItems, Qt::SingleShotConnection);
}

QString CListComboBox::widestNumber(const QFontMetricsF& metrics, int digits)
{
    QChar first = u'1', middle = u'0', last = u'0';
    qreal firstBest = -1e9, middleBest = -1e9, lastBest = -1e9;
    for (char16_t c = u'0'; c <= u'9'; ++c)
    {
        const QChar digit(c);
        const QRectF ink = metrics.boundingRect(digit);
        const qreal advance = metrics.horizontalAdvance(digit);
        // A number does not start with 0 unless it is 0.
        if ((c != u'0' || digits == 1) && advance - ink.left() > firstBest)
            firstBest = advance - ink.left(), first = digit;
        if (advance > middleBest) middleBest = advance, middle = digit;
        if (ink.right() > lastBest) lastBest = ink.right(), last = digit;
    }
    if (digits <= 1)
    {
        // One digit: the widest ink of its own.
        QChar widest = u'0';
        qreal best = -1;
        for (char16_t c = u'0'; c <= u'9'; ++c)
            if (const qreal w = metrics.boundingRect(QChar(c)).width(); w > best) best = w, widest = QChar(c);
        return QString(widest);
    }
    return QString(first) + QString(digits - 2, middle) + QString(last);
}

QSize CListComboBox::sizeHint() const
{
    if (m_numberHint.isValid()) return m_numberHint;
    if (m_numberDigits == 0) return QComboBox::sizeHint();
    // The toolkit's own sum for a list without icons, on the one widest number: its
    // width, one line high (at least 14), and the style's frame and arrow around it.
    const QFontMetrics metrics = fontMetrics();
    const int width = metrics.boundingRect(widestNumber(QFontMetricsF(font()), m_numberDigits)).width();
    const int height = std::max(int(std::ceil(QFontMetricsF(metrics).height())), 14) + 2;
    QStyleOptionComboBox option;
    initStyleOption(&option);
    m_numberHint = style()->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(width, height), this);
    return m_numberHint;
}

QSize CListComboBox::minimumSizeHint() const
{
    // Without a minimum contents length the toolkit works the minimum out exactly as the
    // size hint, item by item.
    if (minimumContentsLength() == 0 && sizeAdjustPolicy() != QComboBox::AdjustToMinimumContentsLengthWithIcon)
        return sizeHint();
    return QComboBox::minimumSizeHint();
}

void CListComboBox::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) m_numberHint = QSize();
    QComboBox::changeEvent(event);
}
