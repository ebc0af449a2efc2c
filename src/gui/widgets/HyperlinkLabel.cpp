#include "widgets/HyperlinkLabel.h"

#include "widgets/AppIcons.h"

#include <QKeyEvent>
#include <QMouseEvent>

CHyperlinkLabel::CHyperlinkLabel(QWidget* parent)
    : QLabel(parent)
{
    setPixmap(linkPicture());
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QPixmap CHyperlinkLabel::linkPicture()
{
    // Drawn from resources/app/about-badge.svg at build time.
    return resourcePicture(QStringLiteral(":/app/128x80/about-badge.raw"));
}

void CHyperlinkLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void CHyperlinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    // A press dragged off the picture and released elsewhere is a change of mind.
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click) emit clicked();
}

void CHyperlinkLabel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key())
    {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        emit clicked();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}
