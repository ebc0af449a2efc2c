#pragma once

#include <QLabel>
#include <QPixmap>

// A picture that acts as a link: the pointer turns into a hand over it, and a left click
// (pressed and released on it) or Space/Enter while it has the focus reports clicked().
// What the link opens is the caller's business.
class CHyperlinkLabel : public QLabel
{
    Q_OBJECT

public:
    // Shows the program's own link picture until setPixmap gives another.
    explicit CHyperlinkLabel(QWidget* parent = nullptr);

    // Our link picture: 128 x 80, as the pages lay it out.
    static QPixmap linkPicture();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_pressed = false;
};
