#include "app/SplashWindow.h"

#include "widgets/AppIcons.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace
{
constexpr int kWidth = 420;
constexpr int kHeight = 260;
// Where the version text has always stood on the splash picture.
constexpr QPoint kVersionAt(200, 185);
constexpr QPoint kStatusAt(6, 6);

QPixmap renderArtwork()
{
    QPixmap pixmap(kWidth, kHeight);
    pixmap.fill(QColor(0x1b, 0x5e, 0x20));
    // Drawn from splash.svg at build time, at the splash's own size.
    const QPixmap artwork = resourcePicture(QStringLiteral(":/app/420x260/splash.raw"));
    if (!artwork.isNull())
    {
        QPainter painter(&pixmap);
        painter.drawPixmap(0, 0, artwork);
    }
    return pixmap;
}
} // namespace

CSplashWindow::CSplashWindow(const QString& version, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_artwork(renderArtwork())
    , m_version(version)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kWidth, kHeight);
    setWindowTitle(QStringLiteral("Obrix"));
}

void CSplashWindow::showCentred()
{
    if (const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen())
        move(s->geometry().center() - rect().center());
    show();
    repaint();
}

void CSplashWindow::setStatus(const QString& text)
{
    m_status = text;
    if (isVisible()) repaint();
}

void CSplashWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_artwork);

    QFont font = painter.font();
    font.setPointSize(8);
    painter.setFont(font);
    painter.setPen(Qt::white);
    const QFontMetrics metrics(font);
    painter.drawText(kVersionAt + QPoint(0, metrics.ascent()), m_version);

    if (!m_status.isEmpty())
    {
        const QRect box(kStatusAt, QSize(metrics.horizontalAdvance(m_status) + 8, metrics.height() + 4));
        painter.fillRect(box, Qt::black);
        painter.drawText(box.adjusted(4, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, m_status);
    }
}

void CSplashWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_timerStarted)
    {
        m_timerStarted = true;
        QTimer::singleShot(kShowMilliseconds, this, &QWidget::close);
    }
}

void CSplashWindow::keyPressEvent(QKeyEvent*)
{
    close();
}

void CSplashWindow::mousePressEvent(QMouseEvent*)
{
    close();
}
