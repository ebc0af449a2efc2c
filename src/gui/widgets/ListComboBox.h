#pragma once

#include <QComboBox>

// A combo box for a list of choices filled once, sized with less measuring than the
// toolkit's own. The toolkit measures every item twice, once for the size hint and once
// for the minimum size, and with a fixed list both come out the same: this box measures
// once. A list of numbers (addNumbers) is measured on a single number, the widest one
// its font can draw with that many digits.
class CListComboBox : public QComboBox
{
public:
    using QComboBox::QComboBox;

    // Adds first, first + 1, ..., last as items. Measured on one number while the list
    // holds just these; added to or cut, it is measured item by item from then on.
    void addNumbers(int first, int last);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The widest text `digits` digits long in these metrics, as the toolkit measures a
    // text's bounding box: the first digit from its left edge of ink, the middle ones by
    // their advance, the last to its right edge of ink (digits are not kerned).
    static QString widestNumber(const QFontMetricsF& metrics, int digits);

protected:
    void changeEvent(QEvent* event) override;

private:
    // Digits of the longest number when the list holds every number of that length
    // (so that the widest drawable one is in it), else 0: every item is measured.
    int m_numberDigits = 0;
    mutable QSize m_numberHint;
};
