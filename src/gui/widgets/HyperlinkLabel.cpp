#include "widgets/HyperlinkLabel.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

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
    constexpr int kWidth = 128, kHeight = 80;
    QPixmap picture(kWidth, kHeight);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // A pitch-green badge with a ball and the program's name: it should read as
    // "about this editor" at a glance, not as part of the player's data.
    const QRectF badge(1.5, 1.5, kWidth - 3, kHeight - 3);
    QLinearGradient grass(badge.topLeft(), badge.bottomLeft());
    grass.setColorAt(0, QColor(58, 150, 72));
    grass.setColorAt(1, QColor(28, 96, 44));
    p.setPen(QPen(QColor(18, 60, 28), 1.5));
    p.setBrush(grass);
    p.drawRoundedRect(badge, 9, 9);

    // Pitch markings.
    p.setPen(QPen(QColor(255, 255, 255, 70), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(kWidth / 2.0, 6), QPointF(kWidth / 2.0, kHeight - 6));
    p.drawEllipse(QPointF(kWidth / 2.0, kHeight / 2.0), 18, 18);

    // The ball.
    const QPointF ball(30, 40);
    const double r = 16;
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    p.setBrush(Qt::white);
    p.drawEllipse(ball, r, r);
    QPolygonF patch;
    for (int i = 0; i < 5; ++i)
    {
        const double a = -std::numbers::pi / 2 + i * 2 * std::numbers::pi / 5;
        patch << ball + QPointF(std::cos(a) * 6, std::sin(a) * 6);
    }
    p.setBrush(QColor(35, 35, 35));
    p.drawPolygon(patch);
    for (int i = 0; i < 5; ++i)
    {
        const double a = -std::numbers::pi / 2 + i * 2 * std::numbers::pi / 5;
        p.drawLine(ball + QPointF(std::cos(a) * 6, std::sin(a) * 6), ball + QPointF(std::cos(a) * r, std::sin(a) * r));
    }

    // The name, with an underline that says "link".
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(22);
    font.setBold(true);
    p.setFont(font);
    const QRectF text(52, 18, 72, 30);
    p.setPen(QColor(0, 0, 0, 90));
    p.drawText(text.translated(1, 1), Qt::AlignCenter, QStringLiteral("Obrix"));
    p.setPen(Qt::white);
    p.drawText(text, Qt::AlignCenter, QStringLiteral("Obrix"));
    p.setPen(QPen(QColor(255, 230, 120), 2));
    p.drawLine(QPointF(58, 52), QPointF(118, 52));
    // A little arrow: this goes somewhere else.
    QPainterPath arrow;
    arrow.moveTo(104, 64);
    arrow.lineTo(116, 64);
    arrow.moveTo(111, 59);
    arrow.lineTo(116, 64);
    arrow.lineTo(111, 69);
    p.setPen(QPen(QColor(255, 230, 120), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(arrow);
    return picture;
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
