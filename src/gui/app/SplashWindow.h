#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

// The borderless picture shown while the database loads: our artwork with the version
// text, and a status line at the top-left. It closes itself after a while or on any key
// or mouse press, and deletes itself when closed.
class CSplashWindow : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kShowMilliseconds = 2500;

    explicit CSplashWindow(const QString& version, QWidget* parent = nullptr);

    // Shows the window in the middle of the screen and paints it at once, since the
    // load that follows keeps the event loop busy.
    void showCentred();
    void setStatus(const QString& text);
    QString status() const { return m_status; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QPixmap m_artwork;
    QString m_version;
    QString m_status;
    bool m_timerStarted = false;
};
