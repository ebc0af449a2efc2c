#pragma once

#include <QLabel>

// A one-line label of plain text, as a form puts beside its fields, measured once. The
// toolkit's label works its size out three times over (its size hint, the height of one
// line, the width of its longest word), which for one line of plain text are all the
// same text measured the same way. Anything else (word wrap, rich text, a buddy's
// shortcut, a margin, an indent, a frame or no text at all) is measured by the toolkit
// as before.
class CFormLabel : public QLabel
{
public:
    explicit CFormLabel(const QString& text, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    bool plainLine() const;

    // What the measured size depends on, to know when it no longer holds.
    struct CMeasured
    {
        QString text;
        QFont font;
        Qt::Alignment alignment;
        QMargins margins;
        QSize minimum;
        QSize size;
    };
    mutable CMeasured m_measured;
};
